#pragma once
// The drum hoist window.

#include "formwindow.h"

#include <array>

class ElevModel;
class QLabel;
class QLineEdit;
class QPushButton;

class ElevView : public FormWindow {
    Q_OBJECT
public:
    ElevView(Programma &programma, ElevModel &model);

protected:
    void refresh() override;

private:
    void createMenus();
    QPushButton *button(const QString &name, void (ElevModel::*handler)());

    QPointer<ElevModel> m_model;
    std::array<QLineEdit *, 22> m_txtInDat{};
    QPushButton *m_btnInseDat = nullptr;
    QPushButton *m_btnCalcola = nullptr;
    QLabel *m_label15 = nullptr;
};
