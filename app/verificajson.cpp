// The motor check as JSON: the figures by names of their own (none repeats a name of the
// calculation's values), with their units, the limits and the constant, the reel's series, and
// each motor with its data as used and its uses. A figure that could not be computed is null.

#include "app/resoconto.h"

#include "calcolo/numbers.h"
#include "verifica/testi.h"

#include <QJsonArray>

#include <cmath>

namespace resoconto {

namespace {

// The units of a table's columns, by the columns' names.
QJsonObject unitaDi(std::initializer_list<std::pair<const char *, const char *>> colonne)
{
    QJsonObject o;
    for (const auto &[nome, unita] : colonne)
        o.insert(QLatin1String(nome), QLatin1String(unita));
    return o;
}

QJsonValue testo(verifica::Motivo motivo)
{
    return motivo == verifica::Motivo::Nessuno ? QJsonValue(QJsonValue::Null)
                                               : QJsonValue(verifica::testoMotivo(motivo));
}

QJsonArray serie(const verifica::Serie &s)
{
    QJsonArray a;
    for (const double x : s)
        a.append(numero(x));
    return a;
}

// The figures of a linear cycle, and their units.
void ciclo(QJsonObject &o, QJsonObject &unita, const verifica::Analisi &a)
{
    const bool c = a.calcolata();
    const auto figura = [&](const char *nome, QJsonValue valore, const char *unita_) {
        o.insert(QLatin1String(nome), c ? valore : QJsonValue(QJsonValue::Null));
        unita.insert(QLatin1String(nome), QLatin1String(unita_));
    };
    figura("coppiaInerziaCiclo", numero(a.Cinerzia), "kgm");
    figura("coppiaAccelerazione", numero(a.Cacc), "kgm");
    figura("coppiaRegime", numero(a.Creg), "kgm");
    figura("coppiaDecelerazione", numero(a.Cdec), "kgm");
    figura("coppiaPicco", numero(a.Cpicco), "kgm");
    figura("coppiaEfficace", numero(a.Ceff), "kgm");
    figura("tempoRegime", numero(a.treg), "s");
    figura("intermittenza", numero(a.ED), "%");
    figura("rapportoInerzia", numero(a.lambda), "");
    o.insert(QStringLiteral("servizioContinuo"), testo(a.motivo));
}

// The reel's figures: each extreme with its diameter, and the series over the diameters.
void bobina(QJsonObject &o, QJsonObject &unita, const verifica::Bobina &b,
            const verifica::AnalisiBobina &a)
{
    const bool c = a.calcolata();
    const auto estremo = [&](const char *nome, const verifica::Serie &s, int i,
                             const char *unita_) {
        o.insert(QLatin1String(nome),
                 c ? QJsonValue(QJsonObject{{QStringLiteral("valore"), numero(s[i])},
                                            {QStringLiteral("diametro"), numero(b.diametro[i])}})
                   : QJsonValue(QJsonValue::Null));
        unita.insert(QLatin1String(nome), QLatin1String(unita_));
    };
    estremo("velocitaMinima", a.n, a.nMin, "rpm");
    estremo("velocitaMassima", a.n, a.nMax, "rpm");
    estremo("coppiaRegimeMassima", a.Creg, a.iCreg, "kgm");
    estremo("coppiaAccelerazioneMassima", a.Cacc, a.iCacc, "kgm");
    estremo("coppiaDecelerazioneMassima", a.Cdec, a.iCdec, "kgm");
    estremo("potenzaRegimeMassima", a.Preg, a.iPreg, "kW");
    o.insert(QStringLiteral("rapportoInerzia"),
             c ? numero(a.lambda) : QJsonValue(QJsonValue::Null));
    unita.insert(QStringLiteral("diametro"), QStringLiteral("m"));
    unita.insert(QStringLiteral("serie"), unitaDi({{"D", "m"},
                                                   {"n", "rpm"},
                                                   {"Cacc", "kgm"},
                                                   {"Creg", "kgm"},
                                                   {"Cdec", "kgm"},
                                                   {"Preg", "kW"}}));
    if (c)
        o.insert(QStringLiteral("serie"), QJsonObject{{QStringLiteral("D"), serie(b.diametro)},
                                                      {QStringLiteral("n"), serie(a.n)},
                                                      {QStringLiteral("Cacc"), serie(a.Cacc)},
                                                      {QStringLiteral("Creg"), serie(a.Creg)},
                                                      {QStringLiteral("Cdec"), serie(a.Cdec)},
                                                      {QStringLiteral("Preg"), serie(a.Preg)}});
    else
        o.insert(QStringLiteral("serie"), QJsonValue(QJsonValue::Null));
}

} // namespace

QJsonObject verificaJson(const Verifica &v, const std::vector<verifica::Motore> &motori)
{
    QJsonObject o, unita;
    const double K = std::visit([](const auto &a) { return a.K; }, v.studio);
    o.insert(QStringLiteral("costante"), K);
    o.insert(QStringLiteral("costanteFisica"), v.costante == verifica::Costante::Fisica);
    o.insert(QStringLiteral("k"), v.limiti.k);
    o.insert(QStringLiteral("lambdaMax"), numero(v.limiti.lambdaMax));
    o.insert(QStringLiteral("nonCalcolabile"),
             testo(std::visit([](const auto &a) { return a.nonCalcolabile; }, v.studio)));
    if (const auto *a = std::get_if<verifica::Analisi>(&v.studio))
        ciclo(o, unita, *a);
    else
        bobina(o, unita, std::get<verifica::Bobina>(v.carico),
               std::get<verifica::AnalisiBobina>(v.studio));

    const bool aspo = verifica::aspo(v.carico);
    const QString continua = aspo ? QStringLiteral("regime") : QStringLiteral("efficace");
    QJsonArray elenco;
    for (std::size_t i = 0; i < v.confronto.esami.size(); ++i) {
        const verifica::Esame &e = v.confronto.esami[i];
        const verifica::Motore &m = motori[i];
        QJsonObject motore{{QStringLiteral("nome"), m.nome},
                           {QStringLiteral("Pn"), numero(m.Pn)},
                           {QStringLiteral("nn"), numero(m.nn)},
                           {QStringLiteral("nmax"), numero(m.nmax)},
                           {QStringLiteral("Cn"), numero(m.coppiaNominale())},
                           {QStringLiteral("CnCalcolata"), !m.Cn.has_value()},
                           {QStringLiteral("Cmax"), numero(m.Cmax)},
                           {QStringLiteral("Jmot"), numero(m.Jmot)},
                           {QStringLiteral("picco"), numero(e.picco)},
                           {continua, numero(e.continua)},
                           {QStringLiteral("velocita"), numero(e.velocita)},
                           {QStringLiteral("inerzia"), numero(e.inerzia)},
                           {QStringLiteral("adatto"), e.adatto}};
        if (verifica::calcolato(e.studio)) {
            // the check that governs, by the key of its use; the reel's worst diameters
            const QString nomi[] = {QStringLiteral("picco"), continua, QStringLiteral("velocita"),
                                    QStringLiteral("inerzia")};
            motore.insert(QStringLiteral("governa"), nomi[int(e.governa())]);
            if (aspo) {
                const auto &b = std::get<verifica::Bobina>(v.carico);
                motore.insert(QStringLiteral("diametroPicco"), numero(b.diametro[e.diametroPicco]));
                motore.insert(QStringLiteral("diametroRegime"),
                              numero(b.diametro[e.diametroContinua]));
            }
        }
        elenco.append(motore);
    }
    unita.insert(QStringLiteral("motori"), unitaDi({{"Pn", "kW"},
                                                    {"nn", "rpm"},
                                                    {"nmax", "rpm"},
                                                    {"Cn", "kgm"},
                                                    {"Cmax", "kgm"},
                                                    {"Jmot", "kgm^2"},
                                                    {"usi", "%"}}));
    o.insert(QStringLiteral("unita"), unita);
    o.insert(QStringLiteral("motori"), elenco);
    o.insert(QStringLiteral("scelto"), v.confronto.scelto
                                           ? QJsonValue(motori[*v.confronto.scelto].nome)
                                           : QJsonValue(QJsonValue::Null));
    return o;
}

std::vector<std::pair<QString, QString>> verificaCelle(const std::optional<Verifica> &v,
                                                       const QString &lavoro, bool catalogo,
                                                       const std::vector<verifica::Motore> &motori,
                                                       const NumberFormat &f)
{
    std::vector<std::pair<QString, QString>> celle;
    const auto cella = [&](const char *nome, std::optional<double> valore) {
        celle.emplace_back(QStringLiteral("verifica_") + QLatin1String(nome),
                           valore && std::isfinite(*valore) ? f.completo(*valore) : QString());
    };
    const bool aspo = lavoro == QLatin1String("aspo");
    const verifica::Analisi *a = v ? std::get_if<verifica::Analisi>(&v->studio) : nullptr;
    const verifica::AnalisiBobina *b =
        v ? std::get_if<verifica::AnalisiBobina>(&v->studio) : nullptr;
    if (a && !a->calcolata())
        a = nullptr;
    if (b && !b->calcolata())
        b = nullptr;
    cella("costante", v ? std::optional(std::visit([](const auto &x) { return x.K; }, v->studio))
                        : std::nullopt);
    if (!aspo) {
        using A = verifica::Analisi;
        const auto di = [a](double A::*campo) {
            return a ? std::optional(a->*campo) : std::nullopt;
        };
        cella("coppiaAccelerazione", di(&A::Cacc));
        cella("coppiaRegime", di(&A::Creg));
        cella("coppiaDecelerazione", a ? a->Cdec : std::nullopt);
        cella("coppiaPicco", di(&A::Cpicco));
        cella("coppiaEfficace", di(&A::Ceff));
        cella("intermittenza", di(&A::ED));
        cella("rapportoInerzia", a ? a->lambda : std::nullopt);
    } else {
        const auto &d = v ? std::get<verifica::Bobina>(v->carico).diametro : verifica::Serie{};
        const auto estremo = [&](const char *nome,
                                 const verifica::Serie verifica::AnalisiBobina::*serie,
                                 int verifica::AnalisiBobina::*indice) {
            cella(nome, b ? std::optional((b->*serie)[b->*indice]) : std::nullopt);
            cella((QByteArray(nome) + "_diametro").constData(),
                  b ? std::optional(d[b->*indice]) : std::nullopt);
        };
        using AB = verifica::AnalisiBobina;
        estremo("velocitaMinima", &AB::n, &AB::nMin);
        estremo("velocitaMassima", &AB::n, &AB::nMax);
        estremo("coppiaRegimeMassima", &AB::Creg, &AB::iCreg);
        estremo("coppiaAccelerazioneMassima", &AB::Cacc, &AB::iCacc);
        estremo("coppiaDecelerazioneMassima", &AB::Cdec, &AB::iCdec);
        estremo("potenzaRegimeMassima", &AB::Preg, &AB::iPreg);
        cella("rapportoInerzia", b ? b->lambda : std::nullopt);
    }
    if (!catalogo)
        return celle;
    const std::optional<std::size_t> scelto = v ? v->confronto.scelto : std::nullopt;
    celle.emplace_back(QStringLiteral("motore_scelto"), scelto ? motori[*scelto].nome : QString());
    const verifica::Esame *e = scelto ? &v->confronto.esami[*scelto] : nullptr;
    celle.emplace_back(QStringLiteral("motore_picco"), e ? f.completo(e->picco) : QString());
    celle.emplace_back(aspo ? QStringLiteral("motore_regime") : QStringLiteral("motore_efficace"),
                       e ? f.completo(e->continua) : QString());
    celle.emplace_back(QStringLiteral("motore_velocita"), e ? f.completo(e->velocita) : QString());
    celle.emplace_back(QStringLiteral("motore_inerzia"),
                       e && e->inerzia ? f.completo(*e->inerzia) : QString());
    return celle;
}

} // namespace resoconto
