#pragma once
// The motor sizing result window: power, torque and speed.

#include "formwindow.h"

#include <array>

class RisultModel;
class QLabel;

class RisultView : public FormWindow {
    Q_OBJECT
public:
    RisultView(Programma &programma, RisultModel &model);

protected:
    void refresh() override;

private:
    QPointer<RisultModel> m_model;
    std::array<QLabel *, 3> m_label8{};
};
