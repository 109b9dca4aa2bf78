#pragma once
// The cylinder inertia window.

#include "formwindow.h"

#include <array>

class UtilModel;
class QLabel;
class QLineEdit;
class QPushButton;

// Where the two cylinder pictures are looked up: the program's own folder when it holds
// them (the built program), else ../share/dimensionamento-motori next to it (installed).
QString cartellaImmaginiUtilita();

class UtilView : public FormWindow {
    Q_OBJECT
public:
    UtilView(Programma &programma, UtilModel &model);

protected:
    void refresh() override;

private:
    void createMenus();
    void caricaImmagine();
    QPushButton *button(const QString &name, int left, void (UtilModel::*handler)());

    QPointer<UtilModel> m_model;
    std::array<QLineEdit *, 4> m_txtInDat{};
    QLineEdit *m_txtOutDat = nullptr;
    QLabel *m_imagLav = nullptr;
    QPushButton *m_btnInDat = nullptr;
    QPushButton *m_btnCalcola = nullptr;
    QLabel *m_label1 = nullptr;
};
