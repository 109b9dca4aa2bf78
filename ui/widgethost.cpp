#include "widgethost.h"

#include "aiutoview.h"
#include "elevview.h"
#include "mainview.h"
#include "risultview.h"
#include "convview.h"
#include "utilview.h"
#include "viteview.h"
#include "aspo04view.h"
#include "aspoview.h"
#include "grafview.h"
#include "risaspoview.h"

#include "charts/grafmodel.h"
#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "screw/vitemodel.h"
#include "util/utilmodel.h"
#include "reel/aspo04model.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "shell/aiutomodel.h"
#include "shell/mainmodel.h"
#include "shell/risultmodel.h"

QWidget *WidgetHost::createView(FormModel &model)
{
    if (auto *m = qobject_cast<MainModel *>(&model))
        return new MainView(m_programma, *m);
    if (auto *m = qobject_cast<ElevModel *>(&model))
        return new ElevView(m_programma, *m);
    if (auto *m = qobject_cast<GrafModel *>(&model))
        return new GrafView(m_programma, *m);
    if (auto *m = qobject_cast<Aspo04Model *>(&model))
        return new Aspo04View(m_programma, *m);
    if (auto *m = qobject_cast<AspoModel *>(&model))
        return new AspoView(m_programma, *m);
    if (auto *m = qobject_cast<RisAspoModel *>(&model))
        return new RisAspoView(m_programma, *m);
    if (auto *m = qobject_cast<RisultModel *>(&model))
        return new RisultView(m_programma, *m);
    if (auto *m = qobject_cast<AiutoModel *>(&model))
        return new AiutoView(m_programma, *m);
    if (auto *m = qobject_cast<ConvModel *>(&model))
        return new ConvView(m_programma, *m);
    if (auto *m = qobject_cast<ViteModel *>(&model))
        return new ViteView(m_programma, *m);
    if (auto *m = qobject_cast<UtilModel *>(&model))
        return new UtilView(m_programma, *m);
    return nullptr;
}

void WidgetHost::showForm(FormModel &model)
{
    QPointer<QWidget> &view = m_views[model.id()];
    if (!view)
        view = createView(model);
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
