#pragma once
// The reel window, laid out at the twips of its design.

#include "formwindow.h"

#include <array>

class AspoModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class AspoView : public FormWindow {
    Q_OBJECT
public:
    AspoView(Programma &programma, AspoModel &model);

protected:
    void refresh() override;

private:
    void createMenus();
    QPushButton *button(const QString &name, int left, void (AspoModel::*handler)());

    QPointer<AspoModel> m_model;
    std::array<QLineEdit *, 14> m_txtInDat{};
    QRadioButton *m_opt_avv = nullptr, *m_opt_svol = nullptr;
    QRadioButton *m_opt_acc = nullptr, *m_opt_dec = nullptr;
    QPushButton *m_btnInseDat = nullptr;
    QPushButton *m_btnCalcola = nullptr;
    QLabel *m_label15 = nullptr;
    QLabel *m_label1 = nullptr;
};
