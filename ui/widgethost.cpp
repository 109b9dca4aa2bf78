#include "widgethost.h"

void WidgetHost::showForm(FormModel &model)
{
    QPointer<QWidget> &view = m_views[model.id()];
    if (!view) {
        const auto fabbrica = m_fabbriche.find(model.id());
        if (fabbrica != m_fabbriche.end())
            view = fabbrica->second(m_programma, model);
    }
    if (!view)
        return;
    view->show();
    view->raise();
    view->activateWindow();
}

void WidgetHost::closeForm(FormId id)
{
    const auto it = m_views.find(id);
    if (it == m_views.end())
        return;
    const QPointer<QWidget> view = it->second;
    m_views.erase(it);
    if (view) {
        view->close();
        view->deleteLater();
    }
}

QWidget *WidgetHost::view(FormId id) const
{
    const auto it = m_views.find(id);
    return it == m_views.end() ? nullptr : it->second.data();
}
