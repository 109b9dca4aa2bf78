#pragma once
// Creates the Qt view of a window model when the window is first shown, and closes it when
// the window is unloaded.

#include "shell/programma.h"

#include <QPointer>
#include <QWidget>
#include <map>

class WidgetHost : public FormHost {
public:
    explicit WidgetHost(Programma &programma) : m_programma(programma) {}

    void showForm(FormModel &model) override;
    void closeForm(FormId id) override;

    QWidget *view(FormId id) const;

private:
    QWidget *createView(FormModel &model);

    Programma &m_programma;
    std::map<FormId, QPointer<QWidget>> m_views;
};
