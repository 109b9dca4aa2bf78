#pragma once
// The reel results window: three summary lines and the five chart buttons.

#include "vistadi.h"

#include <array>

#include "reel/risaspomodel.h"
class QLabel;

class RisAspoView : public VistaDi<RisAspoModel> {
    Q_OBJECT
public:
    RisAspoView(Programma &programma, RisAspoModel &model);

protected:
    void refresh() override;

private:
    std::array<QLabel *, 3> m_label1{};
};
