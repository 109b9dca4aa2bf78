// The table of the windowed program's views.

#include "app/finestre.h"
#include "app/lavori.h"

#include "ui/aiutoview.h"
#include "ui/aspo04view.h"
#include "ui/aspoview.h"
#include "ui/convview.h"
#include "ui/elevview.h"
#include "ui/grafview.h"
#include "ui/mainview.h"
#include "ui/risaspoview.h"
#include "ui/risultview.h"
#include "ui/utilview.h"
#include "ui/verificaview.h"
#include "ui/viteview.h"
#include "ui/widgethost.h"

#include "charts/grafmodel.h"
#include "reel/aspo04model.h"
#include "reel/risaspomodel.h"
#include "shell/aiutomodel.h"
#include "shell/mainmodel.h"
#include "shell/risultmodel.h"
#include "verifica/verificamodel.h"

namespace {

// The registry hands each view the model its table made for the same window.
template <class V, class M> FabbricaVista vista()
{
    return [](Programma &programma, FormModel &model) -> QWidget * {
        return new V(programma, static_cast<M &>(model));
    };
}

} // namespace

void registraViste(WidgetHost &host)
{
    lavori::perOgni([&](const Lavoro &lavoro, auto classi) {
        using C = decltype(classi);
        host.registra(lavoro.finestra, vista<typename C::Vista, typename C::Modello>());
    });
    const std::pair<FormId, FabbricaVista> finestre[] = {
        {FormId::mainForm, vista<MainView, MainModel>()},
        {FormId::frmRisult, vista<RisultView, RisultModel>()},
        {FormId::aiutoForm, vista<AiutoView, AiutoModel>()},
        {FormId::aiutoForm_elev, vista<AiutoView, AiutoModel>()},
        {FormId::frmRris_aspo, vista<RisAspoView, RisAspoModel>()},
        {FormId::frmGraf, vista<GrafView, GrafModel>()},
        {FormId::ASPO04, vista<Aspo04View, Aspo04Model>()},
        {FormId::frmVerifica, vista<VerificaView, VerificaModel>()},
    };
    for (const auto &[id, fabbrica] : finestre)
        host.registra(id, fabbrica);
}
