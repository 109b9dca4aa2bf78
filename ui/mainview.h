#pragma once
// The main window: the choice of job.

#include "formwindow.h"

#include <array>

class MainModel;
class QRadioButton;

class MainView : public FormWindow {
    Q_OBJECT
public:
    MainView(Programma &programma, MainModel &model);

protected:
    void refresh() override;

private:

    QPointer<MainModel> m_model;
    std::array<QRadioButton *, 6> m_optChWrk{};
};
