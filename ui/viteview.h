#pragma once
// The screw lift and the horizontal screw travel windows: one view, laid out from the
// model's configuration.

#include "formwindow.h"

#include <array>

class ViteModel;
class QLabel;
class QLineEdit;
class QPushButton;

class ViteView : public FormWindow {
    Q_OBJECT
public:
    ViteView(Programma &programma, ViteModel &model);

protected:
    void refresh() override;

private:
    void createMenus();
    QPushButton *button(const QString &name, int left, void (ViteModel::*handler)());

    QPointer<ViteModel> m_model;
    std::array<QLineEdit *, 25> m_txtInDat{};
    QPushButton *m_btnInseDat = nullptr;
    QPushButton *m_btnCalcola = nullptr;
    QLabel *m_label15 = nullptr;
    QLabel *m_label8 = nullptr;
};
