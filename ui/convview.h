#pragma once
// The belt conveyor window.

#include "formwindow.h"

#include <array>

class ConvModel;
class QLabel;
class QLineEdit;
class QPushButton;

class ConvView : public FormWindow {
    Q_OBJECT
public:
    ConvView(Programma &programma, ConvModel &model);

protected:
    void refresh() override;

private:
    void createMenus();
    QPushButton *button(const QString &name, void (ConvModel::*handler)(), const QRect &where);

    QPointer<ConvModel> m_model;
    std::array<QLineEdit *, 19> m_txtIndat{};
    QPushButton *m_btnInseDat = nullptr;
    QPushButton *m_btnCalcola = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label9 = nullptr;
};
