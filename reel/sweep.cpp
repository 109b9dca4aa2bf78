#include "sweep.h"

#include "shell/costanti.h"

#include <cmath>

namespace aspo {

namespace {
using costanti::avviamentoTamburo;
using costanti::pi;
constexpr int ultimo = Variabili::Campioni - 1;
} // namespace

Dati dati(const Variabili &v)
{
    return {v.dMin, v.DMax, v.N, v.Vl, v.nu, v.Jt, v.Jv, v.Jm,
            v.Tac, v.Tdec, v.pesoSpec, v.Lung, v.tiroMat, v.Cca};
}

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

void CalcInerzia(const Dati &d, Campionatura &c)
{
    const double rc4 = std::pow(d.dMin / 2000, 4);
    const double R2 = std::pow(d.N, 2);
    const double Jfix = d.Jv / R2 + (d.Jt + d.Jm);
    const double k = (d.pesoSpec * pi * d.Lung) / (R2 * 2);
    for (int i = 0; i <= ultimo; ++i)
        c.aJtt[i] = (std::pow(c.aDiam[i], 4) / 2 - rc4) * k + Jfix;
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
        c.aCtt[i] = opzioni.accelerazione ? c.aCmt[i] + c.aCmj[i] + d.Cca
                                          : c.aCmt[i] - c.aCmj[i] - d.Cca;
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

void registra(Variabili &v, const Campionatura &c)
{
    v.aDiam = c.aDiam;
    v.aVel = c.aVel;
    v.aCmt = c.aCmt;
    v.aJtt = c.aJtt;
    v.aCmj = c.aCmj;
    v.aCtt = c.aCtt;
    using V = Variabili;
    v.registra({{&V::CmjMax, c.CmjMax}, {&V::CmjMin, c.CmjMin}, {&V::CttMax, c.CttMax},
                {&V::diamCttMax, c.diamCttMax}, {&V::CttMin, c.CttMin}, {&V::diamCttMin, c.diamCttMin}});
}

double potenzaMassima(const Variabili &v)
{
    return std::fabs(v.CttMax) * v.aVel[0] / costanti::kgmRpmPerKw;
}

Impedimento campiona(Variabili &v, Opzioni opzioni)
{
    const Esito esito = calcola(dati(v), opzioni);
    if (esito.risultato)
        registra(v, *esito.risultato);
    return esito.motivo;
}

} // namespace aspo
