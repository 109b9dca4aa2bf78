#include "programma.h"

#include "aiutomodel.h"
#include "charts/grafmodel.h"
#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "mainmodel.h"
#include "reel/aspo04model.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "screw/vitemodel.h"
#include "util/utilmodel.h"
#include "risultmodel.h"

Programma::Programma(MessageBoxes &messages, FileDialogs &dialogs, Stampante &printer,
                     const NumberFormat &numbers)
    : m_numbers(numbers), m_env{m_var, m_numbers, messages, dialogs, printer, *this}
{
}

Programma::~Programma() = default;

FormModel *Programma::form(FormId id) const
{
    const auto it = m_loaded.find(id);
    return it == m_loaded.end() ? nullptr : it->second.get();
}

std::unique_ptr<FormModel> Programma::create(FormId id)
{
    switch (id) {
    case FormId::mainForm:
        return std::make_unique<MainModel>(m_env);
    case FormId::elevForm:
        return std::make_unique<ElevModel>(m_env);
    case FormId::convayorForm:
        return std::make_unique<ConvModel>(m_env);
    case FormId::Soll_vite_Form:
    case FormId::traslForm:
        return std::make_unique<ViteModel>(id, m_env);
    case FormId::utilForm:
        return std::make_unique<UtilModel>(m_env, m_cartellaImmagini);
    case FormId::aspoForm:
        return std::make_unique<AspoModel>(m_env);
    case FormId::frmRris_aspo:
        return std::make_unique<RisAspoModel>(m_env);
    case FormId::frmGraf:
        // The tension chart follows the reel window's choice at the moment it draws, or the
        // choice of the last sweep when the reel window has been closed.
        return std::make_unique<GrafModel>(m_env, [this] {
            if (const auto *aspo = form<AspoModel>(FormId::aspoForm))
                return aspo->opt_avv();
            return m_var.aspoAvvolgitore;
        });
    case FormId::ASPO04:
        return std::make_unique<Aspo04Model>(m_env);
    case FormId::frmRisult:
        return std::make_unique<RisultModel>(m_env);
    case FormId::aiutoForm:
    case FormId::aiutoForm_elev:
        return std::make_unique<AiutoModel>(id, m_env);
    }
    Q_UNREACHABLE();
}

void Programma::openForm(FormId id)
{
    FormModel *model = form(id);
    if (!model) {
        auto created = create(id);
        model = created.get();
        m_loaded.emplace(id, std::move(created));
        model->Form_Load();
        emit formLoaded(id);
    }
    model->onOpen();
    if (m_host)
        m_host->showForm(*model);
}

void Programma::unloadForm(FormId id)
{
    auto it = m_loaded.find(id);
    if (it == m_loaded.end())
        return;
    m_unloaded.push_back(std::move(it->second));
    m_loaded.erase(it);
    if (m_host)
        m_host->closeForm(id);
    emit formUnloaded(id);
    QMetaObject::invokeMethod(this, [this] { m_unloaded.clear(); }, Qt::QueuedConnection);
}
