#include "sweep.h"

#include "calcolo/costanti.h"

#include <cmath>

namespace aspo {

namespace {
using costanti::avviamentoTamburo;
using costanti::pi;
constexpr int ultimo = verifica::diametri - 1;
} // namespace

void CalcDiametri(const Dati &d, Campionatura &c)
{
    // mm to m (1000) times 100 intervals; built by repeated addition
    const double passo = (d.DMax - d.dMin) / 100000;
    c.aDiam[0] = d.dMin / 1000;
    for (int i = 1; i <= ultimo; ++i)
        c.aDiam[i] = passo + c.aDiam[i - 1];
}

void CalcVelocita(const Dati &d, Campionatura &c)
{
    for (int i = 0; i <= ultimo; ++i)
        c.aVel[i] = d.Vl / (c.aDiam[i] * pi) * d.N;
}

void CalcCoppiaTiro(const Dati &d, Campionatura &c, bool avvolgitore)
{
    // The efficiency divides the winder's torque and multiplies the unwinder's, whose motor
    // brakes; the tension in kg times the radius in m is the torque in kgm.
    for (int i = 0; i <= ultimo; ++i) {
        const double r = c.aDiam[i] / 2;
        c.aCmt[i] = avvolgitore ? r * d.tiroMat / d.N / d.nu : -(r * d.tiroMat / d.N) * d.nu;
    }
}

// The core's radius^4, R^2 and the coil's factor of the inertia, as the sweep and the motor
// check both take them.
static void terminiInerzia(const Dati &d, double &rc4, double &R2, double &k)
{
    rc4 = std::pow(d.dMin / 2000, 4);
    R2 = std::pow(d.N, 2);
    k = (d.pesoSpec * pi * d.Lung) / (R2 * 2);
}

void CalcInerzia(const Dati &d, Campionatura &c)
{
    double rc4, R2, k;
    terminiInerzia(d, rc4, R2, k);
    const double Jfix = d.Jv / R2 + (d.Jt + d.Jm);
    for (int i = 0; i <= ultimo; ++i)
        c.aJtt[i] = (std::pow(c.aDiam[i], 4) / 2 - rc4) * k + Jfix;
}

verifica::Bobina bobina(const Dati &d, const Campionatura &c)
{
    verifica::Bobina b;
    b.diametro = c.aDiam;
    b.velocita = c.aVel;
    b.coppiaTiro = c.aCmt;
    terminiInerzia(d, b.rc4, b.R2, b.kc);
    b.Jman = d.Jv;
    b.Jtr = d.Jt;
    b.Jmot = d.Jm;
    b.tacc = d.Tac;
    b.tdec = d.Tdec;
    b.Cca = d.Cca;
    return b;
}

void CalcCoppiaInerzia(const Dati &d, Campionatura &c, bool accelerazione)
{
    c.CmjMax = 0;
    const double t = accelerazione ? d.Tac : d.Tdec;
    for (int i = 0; i <= ultimo; ++i)
        c.aCmj[i] = c.aVel[i] * c.aJtt[i] / (t * avviamentoTamburo);
    c.CmjMin = c.aCmj[0];
    for (int i = 0; i <= ultimo; ++i) {
        if (i >= 1 && c.aCmj[i] < c.CmjMin)
            c.CmjMin = c.aCmj[i];
        if (c.aCmj[i] > c.CmjMax)
            c.CmjMax = c.aCmj[i];
    }
}

void CalcCoppiaTotale(const Dati &d, Campionatura &c, Opzioni opzioni)
{
    // Inertia torque and friction compensation follow acceleration or deceleration only; the
    // winder/unwinder choice acts through aCmt.
    for (int i = 0; i <= ultimo; ++i)
        c.aCtt[i] =
            opzioni.accelerazione ? c.aCmt[i] + c.aCmj[i] + d.Cca : c.aCmt[i] - c.aCmj[i] - d.Cca;
    c.CttMax = c.CttMin = c.aCtt[0];
    c.diamCttMax = c.diamCttMin = c.aDiam[0];
    // strict comparisons: on equal magnitudes the lowest index wins
    for (int j = 1; j <= ultimo; ++j) {
        if (std::fabs(c.CttMin) > std::fabs(c.aCtt[j])) {
            c.CttMin = c.aCtt[j];
            c.diamCttMin = c.aDiam[j];
        }
        if (std::fabs(c.CttMax) < std::fabs(c.aCtt[j])) {
            c.CttMax = c.aCtt[j];
            c.diamCttMax = c.aDiam[j];
        }
    }
}

Esito calcola(const Dati &d, Opzioni opzioni)
{
    // The data entry checks d, Dm, R, Vm, l and F, but the shared flag may come from another
    // window, and n and the times are never checked.
    if (d.N == 0)
        return {std::nullopt, Impedimento::RapportoNullo};
    if (opzioni.avvolgitore && d.nu == 0)
        return {std::nullopt, Impedimento::RendimentoNullo};
    if ((opzioni.accelerazione ? d.Tac : d.Tdec) == 0)
        return {std::nullopt, opzioni.accelerazione ? Impedimento::AccelerazioneNulla
                                                    : Impedimento::DecelerazioneNulla};

    Campionatura c;
    CalcDiametri(d, c);
    for (const double diametro : c.aDiam)
        if (diametro == 0)
            return {std::nullopt, Impedimento::DiametroNullo};
    CalcVelocita(d, c);
    CalcCoppiaTiro(d, c, opzioni.avvolgitore);
    CalcInerzia(d, c);
    CalcCoppiaInerzia(d, c, opzioni.accelerazione);
    CalcCoppiaTotale(d, c, opzioni);

    for (const auto *tabella : {&c.aDiam, &c.aVel, &c.aCmt, &c.aJtt, &c.aCmj, &c.aCtt})
        for (const double x : *tabella)
            if (!std::isfinite(x))
                return {std::nullopt, Impedimento::NonFinito};
    return {c};
}

QList<scheda::Grandezza> grandezze(const Dati &d, Opzioni opzioni, const Campionatura &v)
{
    const QString kgm = QStringLiteral("kgm"), kgm2 = QStringLiteral("kgm^2"),
                  m = QStringLiteral("m");
    QList<scheda::Grandezza> g{
        {QStringLiteral("dMin"), QStringLiteral("mm"), {}, d.dMin},
        {QStringLiteral("DMax"), QStringLiteral("mm"), {}, d.DMax},
        {QStringLiteral("N"), {}, {}, d.N},
        {QStringLiteral("Vl"), QStringLiteral("m/min"), {}, d.Vl},
        {QStringLiteral("nu"), {}, {}, d.nu},
        {QStringLiteral("Jt"), kgm2, {}, d.Jt},
        {QStringLiteral("Jv"), kgm2, {}, d.Jv},
        {QStringLiteral("Jm"), kgm2, {}, d.Jm},
        {QStringLiteral("Tac"), QStringLiteral("s"), {}, d.Tac},
        {QStringLiteral("Tdec"), QStringLiteral("s"), {}, d.Tdec},
        {QStringLiteral("pesoSpec"), QStringLiteral("kg/dm^3"), {}, d.pesoSpec},
        {QStringLiteral("Lung"), QStringLiteral("mm"), {}, d.Lung},
        {QStringLiteral("tiroMat"), QStringLiteral("kg"), {}, d.tiroMat},
        {QStringLiteral("Cca"), kgm, {}, d.Cca, true},
    };
    const QString t = opzioni.accelerazione ? QStringLiteral("Tac") : QStringLiteral("Tdec");
    for (const int i : {0, ultimo}) {
        const QString n = QString::number(i);
        const auto nome = [&n](const char *tabella) { return QLatin1String(tabella) + n; };
        g.append({nome("aDiam"), m,
                  i == 0 ? QStringLiteral("aDiam0 = dMin / 1000")
                         : QStringLiteral("aDiam100 = aDiam0 + (DMax − dMin) / 100000 + … [100 "
                                          "passi, sommati uno alla volta]"),
                  v.aDiam[i]});
        g.append(
            {nome("aVel"), QStringLiteral("rpm"),
             QStringLiteral("%1 = Vl / (%2 × 3.141592654) × N").arg(nome("aVel"), nome("aDiam")),
             v.aVel[i]});
        g.append({nome("aCmt"), kgm,
                  (opzioni.avvolgitore ? QStringLiteral("%1 = %2 / 2 × tiroMat / N / nu")
                                       : QStringLiteral("%1 = −(%2 / 2 × tiroMat / N) × nu"))
                      .arg(nome("aCmt"), nome("aDiam")),
                  v.aCmt[i], true});
        g.append({nome("aJtt"), kgm2,
                  QStringLiteral(
                      "%1 = (%2^4 / 2 − (dMin / 2000)^4) × ((pesoSpec × 3.141592654 × Lung) / "
                      "(N^2 × 2)) + (Jv / N^2 + (Jt + Jm))")
                      .arg(nome("aJtt"), nome("aDiam")),
                  v.aJtt[i]});
        g.append({nome("aCmj"), kgm,
                  QStringLiteral("%1 = %2 × %3 / (%4 × 1504)")
                      .arg(nome("aCmj"), nome("aVel"), nome("aJtt"), t),
                  v.aCmj[i], true});
        g.append({nome("aCtt"), kgm,
                  (opzioni.accelerazione ? QStringLiteral("%1 = %2 + %3 + Cca")
                                         : QStringLiteral("%1 = %2 − %3 − Cca"))
                      .arg(nome("aCtt"), nome("aCmt"), nome("aCmj")),
                  v.aCtt[i], true});
    }
    g.append(
        {{QStringLiteral("CmjMax"), kgm,
          QStringLiteral("CmjMax = aCmj0 … aCmj100 [il maggiore, non meno di 0]"), v.CmjMax, true},
         {QStringLiteral("CttMax"), kgm,
          QStringLiteral("CttMax = aCtt0 … aCtt100 [quella di modulo massimo, la prima a parità]"),
          v.CttMax, true},
         {QStringLiteral("diamCttMax"), m,
          QStringLiteral("diamCttMax = aDiam0 … aDiam100 [il diametro di CttMax]"), v.diamCttMax},
         {QStringLiteral("CttMin"), kgm,
          QStringLiteral("CttMin = aCtt0 … aCtt100 [quella di modulo minimo, la prima a parità]"),
          v.CttMin, true},
         {QStringLiteral("diamCttMin"), m,
          QStringLiteral("diamCttMin = aDiam0 … aDiam100 [il diametro di CttMin]"), v.diamCttMin},
         {QStringLiteral("Pm"), QStringLiteral("kW"),
          QStringLiteral("Pm = abs(CttMax) × aVel0 / 975"), potenzaMassima(v)}});
    return g;
}

double potenzaMassima(const Campionatura &v)
{
    return std::fabs(v.CttMax) * v.aVel[0] / costanti::kgmRpmPerKw;
}

} // namespace aspo
