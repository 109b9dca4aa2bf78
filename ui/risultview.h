#pragma once
// The motor sizing result window: power, torque and speed, and the way on to the motor check.

#include "vistadi.h"

#include <array>

#include "shell/risultmodel.h"
class QLabel;
class QPushButton;

class RisultView : public VistaDi<RisultModel> {
    Q_OBJECT
public:
    RisultView(Programma &programma, RisultModel &model);

protected:
    void refresh() override;

private:
    std::array<QLabel *, 3> m_label8{};
    QPushButton *m_btnVerifica = nullptr;
};
