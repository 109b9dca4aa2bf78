#pragma once
// The motor sizing result window: power, torque and speed.

#include "vistadi.h"

#include <array>

#include "shell/risultmodel.h"
class QLabel;

class RisultView : public VistaDi<RisultModel> {
    Q_OBJECT
public:
    RisultView(Programma &programma, RisultModel &model);

protected:
    void refresh() override;

private:
    std::array<QLabel *, 3> m_label8{};
};
