// The table of the windowed program's views.

#include "app/finestre.h"

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
#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "reel/aspo04model.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "screw/vitemodel.h"
#include "shell/aiutomodel.h"
#include "shell/mainmodel.h"
#include "shell/risultmodel.h"
#include "util/utilmodel.h"
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
    const std::pair<FormId, FabbricaVista> finestre[] = {
        {FormId::mainForm, vista<MainView, MainModel>()},
        {FormId::elevForm, vista<ElevView, ElevModel>()},
        {FormId::convayorForm, vista<ConvView, ConvModel>()},
        {FormId::Soll_vite_Form, vista<ViteView, ViteModel>()},
        {FormId::traslForm, vista<ViteView, ViteModel>()},
        {FormId::aspoForm, vista<AspoView, AspoModel>()},
        {FormId::utilForm, vista<UtilView, UtilModel>()},
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
