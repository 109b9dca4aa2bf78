// The table of window models, shared by the windowed and the batch program.

#include "app/finestre.h"
#include "app/lavori.h"

#include "charts/grafmodel.h"
#include "reel/aspo04model.h"
#include "reel/risaspomodel.h"
#include "shell/aiutomodel.h"
#include "shell/mainmodel.h"
#include "shell/programma.h"
#include "shell/risultmodel.h"
#include "verifica/verificamodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// A model made from the services alone, or also from the window it runs (one class for
// several windows), or from the folder of the program's files.
template <class M> FabbricaModello modello(const QString &cartellaDati = QString())
{
    return [cartellaDati](FormId id, Ambiente env) -> std::unique_ptr<FormModel> {
        if constexpr (std::is_constructible_v<M, FormId, Ambiente>)
            return std::make_unique<M>(id, env);
        else if constexpr (std::is_constructible_v<M, Ambiente, QString>)
            return std::make_unique<M>(env, cartellaDati);
        else
            return std::make_unique<M>(env);
    };
}

} // namespace

QString cartellaDatiProgramma()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const auto holdsBoth = [](const QDir &dir) {
        return QFileInfo::exists(dir.filePath(UtilModel::filePieno())) &&
               QFileInfo::exists(dir.filePath(UtilModel::fileCavo()));
    };
    const QString condivisa = QStringLiteral("share/dimensionamento-motori");
    for (const QString &dove : {QStringLiteral("."), QStringLiteral("../") + condivisa,
                                QStringLiteral("../../") + condivisa})
        if (const QDir dir(QDir::cleanPath(program.filePath(dove))); holdsBoth(dir))
            return dir.path();
    return QDir::cleanPath(program.filePath(QStringLiteral("../") + condivisa));
}

void registraModelli(Programma &programma, const QString &cartellaDati)
{
    lavori::perOgni([&](const Lavoro &lavoro, auto classi) {
        programma.registra(lavoro.finestra,
                           modello<typename decltype(classi)::Modello>(cartellaDati));
    });
    const std::pair<FormId, FabbricaModello> finestre[] = {
        {FormId::mainForm,
         [](FormId, Ambiente env) { return std::make_unique<MainModel>(env, lavori::tutti()); }},
        {FormId::frmRisult, modello<RisultModel>()},
        {FormId::aiutoForm, modello<AiutoModel>()},
        {FormId::aiutoForm_elev, modello<AiutoModel>()},
        {FormId::frmRris_aspo, modello<RisAspoModel>()},
        // The tension chart follows the reel window's choice at the moment it draws, or the
        // choice of the last sweep when the reel window has been closed.
        {FormId::frmGraf,
         [&programma](FormId, Ambiente env) {
             return std::make_unique<GrafModel>(env, [&programma] {
                 if (const auto *aspo = programma.form<AspoModel>(FormId::aspoForm))
                     return aspo->opt_avv();
                 return programma.var().aspoAvvolgitore;
             });
         }},
        {FormId::ASPO04, modello<Aspo04Model>()},
        {FormId::frmVerifica, modello<VerificaModel>(cartellaDati)},
    };
    for (const auto &[id, fabbrica] : finestre)
        programma.registra(id, fabbrica);
}
