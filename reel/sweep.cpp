#include "sweep.h"

#include "shell/variabili.h"

#include <cmath>

namespace aspo {

namespace {
constexpr double pi = 3.141592654; // ten digits, as the reel has always used
constexpr int ultimo = Variabili::Campioni - 1;
} // namespace

void CalcDiametri(Variabili &v)
{
    // mm to m (1000) times 100 intervals; built by repeated addition
    const double passo = (v.DMax - v.dMin) / 100000;
    v.aDiam[0] = v.dMin / 1000;
    for (int i = 1; i <= ultimo; ++i)
        v.aDiam[i] = passo + v.aDiam[i - 1];
}

void CalcVelocita(Variabili &v)
{
    for (int i = 0; i <= ultimo; ++i)
        v.aVel[i] = v.Vl / (v.aDiam[i] * pi) * v.N;
}

void CalcCoppiaTiro(Variabili &v, bool avvolgitore)
{
    // The efficiency divides the winder's torque and multiplies the unwinder's, whose motor
    // brakes; the tension in kg times the radius in m is the torque in kgm.
    for (int i = 0; i <= ultimo; ++i) {
        const double r = v.aDiam[i] / 2;
        v.aCmt[i] = avvolgitore ? r * v.tiroMat / v.N / v.nu : -(r * v.tiroMat / v.N) * v.nu;
    }
}

void CalcInerzia(Variabili &v)
{
    const double rc4 = std::pow(v.dMin / 2000, 4);
    const double R2 = std::pow(v.N, 2);
    const double Jfix = v.Jv / R2 + (v.Jt + v.Jm);
    const double k = (v.pesoSpec * pi * v.Lung) / (R2 * 2);
    for (int i = 0; i <= ultimo; ++i)
        v.aJtt[i] = (std::pow(v.aDiam[i], 4) / 2 - rc4) * k + Jfix;
}

void CalcCoppiaInerzia(Variabili &v, bool accelerazione)
{
    v.CmjMax = 0;
    const double t = accelerazione ? v.Tac : v.Tdec;
    for (int i = 0; i <= ultimo; ++i)
        v.aCmj[i] = v.aVel[i] * v.aJtt[i] / (t * 1504);
    v.CmjMin = v.aCmj[0];
    for (int i = 0; i <= ultimo; ++i) {
        if (i >= 1 && v.aCmj[i] < v.CmjMin)
            v.CmjMin = v.aCmj[i];
        if (v.aCmj[i] > v.CmjMax)
            v.CmjMax = v.aCmj[i];
    }
}

void CalcCoppiaTotale(Variabili &v, Opzioni opzioni)
{
    // Inertia torque and friction compensation follow acceleration or deceleration only; the
    // winder/unwinder choice acts through aCmt.
    for (int i = 0; i <= ultimo; ++i)
        v.aCtt[i] = opzioni.accelerazione ? v.aCmt[i] + v.aCmj[i] + v.Cca
                                          : v.aCmt[i] - v.aCmj[i] - v.Cca;
    v.CttMax = v.CttMin = v.aCtt[0];
    v.diamCttMax = v.diamCttMin = v.aDiam[0];
    // strict comparisons: on equal magnitudes the lowest index wins
    for (int j = 1; j <= ultimo; ++j) {
        if (std::fabs(v.CttMin) > std::fabs(v.aCtt[j])) {
            v.CttMin = v.aCtt[j];
            v.diamCttMin = v.aDiam[j];
        }
        if (std::fabs(v.CttMax) < std::fabs(v.aCtt[j])) {
            v.CttMax = v.aCtt[j];
            v.diamCttMax = v.aDiam[j];
        }
    }
}

QString calcola(Variabili &v, Opzioni opzioni)
{
    // The data entry checks d, Dm, R, Vm, l and F, but the shared flag may come from another
    // window, and n and the times are never checked.
    if (v.N == 0)
        return QStringLiteral("Impossibile calcolare: R = 0");
    if (opzioni.avvolgitore && v.nu == 0)
        return QStringLiteral("Impossibile calcolare: n = 0");
    if ((opzioni.accelerazione ? v.Tac : v.Tdec) == 0)
        return opzioni.accelerazione ? QStringLiteral("Impossibile calcolare: tacc = 0")
                                     : QStringLiteral("Impossibile calcolare: tdec = 0");

    Variabili prova = v;
    CalcDiametri(prova);
    for (const double d : prova.aDiam)
        if (d == 0)
            return QStringLiteral("Impossibile calcolare: diametro = 0");
    CalcVelocita(prova);
    CalcCoppiaTiro(prova, opzioni.avvolgitore);
    CalcInerzia(prova);
    CalcCoppiaInerzia(prova, opzioni.accelerazione);
    CalcCoppiaTotale(prova, opzioni);

    for (const auto *tabella : {&prova.aDiam, &prova.aVel, &prova.aCmt, &prova.aJtt, &prova.aCmj,
                                &prova.aCtt})
        for (const double x : *tabella)
            if (!std::isfinite(x))
                return QStringLiteral("Impossibile calcolare: risultato non finito");

    v.aDiam = prova.aDiam;
    v.aVel = prova.aVel;
    v.aCmt = prova.aCmt;
    v.aJtt = prova.aJtt;
    v.aCmj = prova.aCmj;
    v.aCtt = prova.aCtt;
    v.CmjMax = prova.CmjMax;
    v.CmjMin = prova.CmjMin;
    v.CttMax = prova.CttMax;
    v.diamCttMax = prova.diamCttMax;
    v.CttMin = prova.CttMin;
    v.diamCttMin = prova.diamCttMin;
    return QString();
}

} // namespace aspo
