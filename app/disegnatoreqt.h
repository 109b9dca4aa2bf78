#pragma once
// The batch program's charts and reports painted by Qt: the chart window's image as a PNG
// picture, the printed report as a PDF file. Needs a QGuiApplication.

#include "app/calcrunner.h"

class DisegnatoreQt : public Disegnatore {
public:
    QByteArray png(const grafico::Disegno &disegno) override;
    QString pdf(const stampa::Documento &documento, const QString &path) override;
    QString scheda(const scheda::Foglio &foglio, const QString &path) override;
};
