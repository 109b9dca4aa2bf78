#pragma once
// Message boxes and file dialogs of the desktop, for the window models.

#include "shell/platform.h"

class QtPlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    void msgBox(const QString &prompt, const QString &title) override;
    QString showOpen(const QString &filter, const QString &fileName) override;
    QString showSave(const QString &filter, const QString &fileName, bool confirmOverwrite) override;
    QString stampaGrafico(const grafico::Disegno &disegno) override;
    QString stampaDocumento(const stampa::Documento &documento) override;
};
