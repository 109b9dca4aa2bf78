#pragma once
// Creates the Qt view of a window model when the window is first shown, with the factory
// registered for its window, and closes it when the window is unloaded.

#include "shell/programma.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

using FabbricaVista = std::function<QWidget *(Programma &programma, FormModel &model)>;

class WidgetHost : public FormHost {
public:
    explicit WidgetHost(Programma &programma) : m_programma(programma) {}

    void registra(FormId id, FabbricaVista fabbrica) { m_fabbriche[id] = std::move(fabbrica); }
    void showForm(FormModel &model) override;
    void closeForm(FormId id) override;

    QWidget *view(FormId id) const;

private:
    Programma &m_programma;
    std::map<FormId, FabbricaVista> m_fabbriche;
    std::map<FormId, QPointer<QWidget>> m_views;
};
