#pragma once
// The main window: the choice of job.

#include "vistadi.h"

#include <array>

#include "shell/mainmodel.h"
class QRadioButton;

class MainView : public VistaDi<MainModel> {
    Q_OBJECT
public:
    MainView(Programma &programma, MainModel &model);

protected:
    void refresh() override;

private:

    std::array<QRadioButton *, 6> m_optChWrk{};
};
