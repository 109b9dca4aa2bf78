#pragma once
// The main window: the choice of job.

#include "vistadi.h"

#include <QList>

#include "shell/mainmodel.h"
class QRadioButton;

class MainView : public VistaDi<MainModel> {
    Q_OBJECT
public:
    MainView(Programma &programma, MainModel &model);

protected:
    void refresh() override;

private:
    QList<QRadioButton *> m_optChWrk; // one a job, top to bottom
};
