#include "testi.h"

#include "calcolo/costanti.h"
#include "calcolo/numbers.h"

#include <algorithm>
#include <cmath>

namespace verifica {

namespace {

const QString nonCalcolabile = QStringLiteral("non calcolabile");

// "con diametro di 1,000 m"
QString conDiametro(const Bobina &b, int i, const NumberFormat &f)
{
    return QStringLiteral(" con diametro di ") +
           cifra(b.diametro[i], QStringLiteral("##0.000"), f) + QStringLiteral(" m");
}

double costanteDelCalcolatore(const Carico &c)
{
    if (const auto *ciclo = std::get_if<Ciclo>(&c))
        return ciclo->Kc;
    return costanti::avviamentoTamburo;
}

QString rigaCostante(const Carico &c, double K, const NumberFormat &f)
{
    const double Kc = costanteDelCalcolatore(c);
    if (K == Kc)
        return QStringLiteral("Costante di accelerazione = %1 (del calcolatore)")
            .arg(cifra(Kc, QStringLiteral("###0"), f));
    return QStringLiteral("Costante di accelerazione = %1 (fisica; il calcolatore usa %2)")
        .arg(cifra(K, QStringLiteral("##0.00"), f), cifra(Kc, QStringLiteral("###0"), f));
}

QStringList righeCiclo(const Analisi &a, const NumberFormat &f)
{
    QString efficace = coppia(a.Ceff, f);
    if (!a.valido())
        efficace +=
            QStringLiteral(" (servizio continuo: ") + testoMotivo(a.motivo) + QLatin1Char(')');
    return {
        QStringLiteral("Coppia in accelerazione = ") + coppia(a.Cacc, f),
        QStringLiteral("Coppia a regime = ") + coppia(a.Creg, f),
        QStringLiteral("Coppia in decelerazione = ") +
            (a.Cdec ? coppia(*a.Cdec, f) : nonCalcolabile),
        QStringLiteral("Coppia di picco = ") + coppia(a.Cpicco, f),
        QStringLiteral("Coppia efficace = ") + efficace,
        QStringLiteral("Rapporto di intermittenza = ") + percentuale(a.ED, f),
        QStringLiteral("Rapporto d'inerzia = ") +
            (a.lambda ? cifra(*a.lambda, QStringLiteral("##0.00"), f) : nonCalcolabile),
    };
}

QStringList righeBobina(const Bobina &b, const AnalisiBobina &a, const NumberFormat &f)
{
    const QString giri = QStringLiteral("##00");
    const double nMin = a.n[a.nMin], nMax = a.n[a.nMax];
    QString potenza = QStringLiteral("Potenza a regime massima = ") +
                      cifra(a.Preg[a.iPreg], QStringLiteral("##0.00"), f) + QStringLiteral(" kW") +
                      conDiametro(b, a.iPreg, f);
    if (a.Preg[a.iPreg] < 0)
        potenza += QStringLiteral(" (in frenatura)");
    return {
        QStringLiteral("Velocità del motore = da %1 a %2 rpm (rapporto %3)")
            .arg(cifra(nMin, giri, f), cifra(nMax, giri, f),
                 nMin > 0 ? cifra(nMax / nMin, QStringLiteral("##0.00"), f) : fuoriScala()),
        QStringLiteral("Coppia a regime massima = ") + coppia(a.Creg[a.iCreg], f) +
            conDiametro(b, a.iCreg, f),
        QStringLiteral("Coppia in accelerazione massima = ") + coppia(a.Cacc[a.iCacc], f) +
            conDiametro(b, a.iCacc, f),
        QStringLiteral("Coppia in decelerazione massima = ") + coppia(a.Cdec[a.iCdec], f) +
            conDiametro(b, a.iCdec, f),
        potenza,
        QStringLiteral("Rapporto d'inerzia massimo = ") +
            (a.lambda ? cifra(*a.lambda, QStringLiteral("##0.00"), f) : nonCalcolabile),
    };
}

} // namespace

// A figure a picture can hold: finite, at most nine digits before the decimal point.
static bool inScala(double valore)
{
    return std::isfinite(valore) && std::fabs(valore) < 1e9;
}

QString cifra(double valore, const QString &formato, const NumberFormat &f)
{
    return inScala(valore) ? f.picture(valore, formato) : fuoriScala();
}

QString coppia(double kgm, const NumberFormat &f)
{
    const double newtonMetri = kgm * newtonMetriPerKgm;
    if (!inScala(newtonMetri))
        return fuoriScala();
    return f.picture(kgm, QStringLiteral("##0.000")) + QStringLiteral(" kgm (") +
           f.picture(newtonMetri, QStringLiteral("##0.00")) + QStringLiteral(" N·m)");
}

QString percentuale(double valore, const NumberFormat &f)
{
    const QString testo = cifra(valore, QStringLiteral("##0"), f);
    return testo == fuoriScala() ? testo : testo + QStringLiteral(" %");
}

QString testoMotivo(Motivo motivo)
{
    switch (motivo) {
    case Motivo::Nessuno: break;
    case Motivo::JtotNonPositivo: return QStringLiteral("Jtot non positivo");
    case Motivo::FuoriScala: return QStringLiteral("valori fuori scala");
    case Motivo::TempiAspo: return QStringLiteral("tacc e tdec devono essere positivi");
    case Motivo::JttNonPositivo: return QStringLiteral("Jtt non positivo");
    case Motivo::CicloNonIndicato: return QStringLiteral("ciclo non indicato");
    case Motivo::RampeNonPositive: return QStringLiteral("Tac e Tdec devono essere positivi");
    case Motivo::MossaCorta: return QStringLiteral("t0 minore di Tac + Tdec");
    case Motivo::CicloCorto: return QStringLiteral("tf minore di 2 t0");
    }
    return QString();
}

QString nomeMotore(const QString &nome)
{
    if (!nome.contains(QLatin1Char(';')) && !nome.contains(QLatin1Char('"')))
        return nome;
    return QLatin1Char('"') + QString(nome).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QStringList righe(const Carico &c, const Studio &s, const NumberFormat &f)
{
    const double K = std::visit([](const auto &a) { return a.K; }, s);
    QStringList out{rigaCostante(c, K, f)};
    const Motivo motivo = std::visit([](const auto &a) { return a.nonCalcolabile; }, s);
    if (motivo != Motivo::Nessuno)
        return out << QStringLiteral("non calcolabile: ") + testoMotivo(motivo);
    if (const auto *a = std::get_if<Analisi>(&s))
        return out + righeCiclo(*a, f);
    return out + righeBobina(std::get<Bobina>(c), std::get<AnalisiBobina>(s), f);
}

QString rigaCalcolatore(const Carico &c, const NumberFormat &f)
{
    const auto *ciclo = std::get_if<Ciclo>(&c);
    if (!ciclo)
        return QString();
    return QStringLiteral("Coppia d'inerzia del calcolatore = %1 (costante %2)")
        .arg(coppia(ciclo->Cinerzia, f), cifra(ciclo->Kc, QStringLiteral("###0"), f));
}

QString giudizio(const Esame &e)
{
    return e.adatto ? QStringLiteral("adatto") : QStringLiteral("non adatto");
}

QString rigaMotore(const Carico &c, const Motore &m, const Esame &e, const NumberFormat &f)
{
    const QString nome = nomeMotore(m.nome);
    const Motivo motivo = std::visit([](const auto &a) { return a.nonCalcolabile; }, e.studio);
    if (motivo != Motivo::Nessuno)
        return nome + QStringLiteral("; non calcolabile: ") + testoMotivo(motivo) +
               QStringLiteral("; ") + giudizio(e);
    const std::array<QString, 7> titoli = intestazioni(c);
    return nome + QStringLiteral("; picco ") + percentuale(e.picco, f) + QStringLiteral("; ") +
           titoli[3].toLower() + QLatin1Char(' ') + percentuale(e.continua, f) +
           QStringLiteral("; velocità ") + percentuale(e.velocita, f) +
           QStringLiteral("; inerzia ") +
           (e.inerzia ? percentuale(*e.inerzia, f) : QStringLiteral("non verificata")) +
           QStringLiteral("; ") + giudizio(e);
}

QString governa(const Carico &c, const Esame &e, const NumberFormat &f)
{
    if (!calcolato(e.studio))
        return QString();
    const Uso u = e.governa();
    const bool bobina = aspo(c);
    QString testo;
    switch (u) {
    case Uso::Picco: testo = QStringLiteral("coppia di picco"); break;
    case Uso::Continua:
        testo = bobina ? QStringLiteral("coppia a regime") : QStringLiteral("coppia efficace");
        break;
    case Uso::Velocita: testo = QStringLiteral("velocità"); break;
    case Uso::Inerzia: testo = QStringLiteral("rapporto d'inerzia"); break;
    }
    testo = QStringLiteral("governa: ") + testo + QLatin1Char(' ') + percentuale(e.uso(u), f);
    const int diametro = u == Uso::Picco      ? e.diametroPicco
                         : u == Uso::Continua ? e.diametroContinua
                                              : -1;
    if (bobina && diametro >= 0)
        testo += conDiametro(std::get<Bobina>(c), diametro, f);
    return testo;
}

QString datiMotore(const Motore &m, const NumberFormat &f)
{
    const QString kgm = QStringLiteral("##0.000");
    return QStringLiteral(
               "Pn %1 kW; nn %2 rpm; nmax %3 rpm; Cn %4 kgm (%5); Cmax %6 kgm; Jmot %7 kgm^2")
        .arg(f.general(m.Pn), cifra(m.nn, QStringLiteral("##00"), f),
             cifra(m.nmax, QStringLiteral("##00"), f), cifra(m.coppiaNominale(), kgm, f),
             m.Cn ? QStringLiteral("data") : QStringLiteral("da 975 × Pn / nn"),
             cifra(m.Cmax, kgm, f), f.general(m.Jmot));
}

QString limiti(const Limiti &l, const NumberFormat &f)
{
    return QStringLiteral("k = %1; λmax = %2")
        .arg(f.completo(l.k),
             l.lambdaMax ? f.completo(*l.lambdaMax) : QStringLiteral("non indicato"));
}

QString costante(const Carico &c, Costante k, const NumberFormat &f)
{
    if (k == Costante::Calcolatore)
        return QStringLiteral("Costante di accelerazione: del calcolatore (%1)")
            .arg(cifra(costanteDelCalcolatore(c), QStringLiteral("###0"), f));
    return QStringLiteral("Costante di accelerazione: fisica (%1)")
        .arg(cifra(accelerazioneFisica, QStringLiteral("##0.00"), f));
}

std::array<QString, 7> intestazioni(const Carico &c)
{
    return {
        QStringLiteral("Motore"),   QStringLiteral("Pn [kW]"),
        QStringLiteral("Picco"),    aspo(c) ? QStringLiteral("Regime") : QStringLiteral("Efficace"),
        QStringLiteral("Velocità"), QStringLiteral("Inerzia"),
        QStringLiteral("Esito")};
}

RigaTabella rigaTabella(const std::vector<Motore> &motori, const Confronto &confronto,
                        std::size_t i, const NumberFormat &f)
{
    const Esame &e = confronto.esami[i];
    RigaTabella r;
    r.motore = motori[i].nome;
    r.potenza = cifra(motori[i].Pn, QStringLiteral("##0.0##"), f);
    const std::optional<double> usi[4] = {e.picco, e.continua, e.velocita, e.inerzia};
    for (int u = 0; u < 4; ++u) {
        r.uso[u] = usi[u] ? percentuale(*usi[u], f) : QStringLiteral("—");
        r.entro[u] = !usi[u] || *usi[u] <= 100;
    }
    r.scelto = confronto.scelto == i;
    r.esito = giudizio(e);
    if (r.scelto && motori.size() > 1)
        r.esito += QStringLiteral(" (scelto)");
    return r;
}

std::vector<RigaTabella> tabella(const std::vector<Motore> &motori, const Confronto &confronto,
                                 const NumberFormat &f)
{
    std::vector<RigaTabella> righe;
    if (confronto.esami.empty())
        return righe;
    righe.reserve(motori.size());
    if (confronto.scelto)
        righe.push_back(rigaTabella(motori, confronto, *confronto.scelto, f));
    for (std::size_t i = 0; i < motori.size(); ++i)
        if (confronto.scelto != i)
            righe.push_back(rigaTabella(motori, confronto, i, f));
    return righe;
}

std::vector<std::size_t> motoriDelFoglio(const std::vector<Motore> &motori,
                                         const Confronto &confronto, std::size_t altri)
{
    std::vector<std::size_t> scelti, adatti, resto;
    if (confronto.esami.empty())
        return scelti;
    if (confronto.scelto)
        scelti.push_back(*confronto.scelto);
    for (std::size_t i = 0; i < motori.size(); ++i)
        if (confronto.scelto != i)
            (confronto.esami[i].adatto ? adatti : resto).push_back(i);
    std::stable_sort(adatti.begin(), adatti.end(),
                     [&](std::size_t a, std::size_t b) { return motori[a].Pn < motori[b].Pn; });
    adatti.insert(adatti.end(), resto.begin(), resto.end());
    adatti.resize(std::min(adatti.size(), altri));
    scelti.insert(scelti.end(), adatti.begin(), adatti.end());
    return scelti;
}

std::optional<std::size_t> motoreDelGrafico(const std::vector<Motore> &motori,
                                            const Confronto &confronto)
{
    if (confronto.esami.empty())
        return std::nullopt;
    return confronto.scelto ? confronto.scelto
                            : (motori.size() == 1 ? std::optional<std::size_t>(0) : std::nullopt);
}

} // namespace verifica
