#pragma once
// The reel's worked example, shared by the suites: d 100, Dm 1000, R 10, Vm 100, n 0,9,
// Jtr 0,01, Jman 0,02, Jmot 0,02, tacc = tdec = 10, D 7,8, l 500, F 100, Cca 0,5.

#include "reel/campiona.h"
#include "shell/variabili.h"

#include <QtGlobal>

// The inputs as "Immissione dati" leaves them, with the texts as typed in datiStampa.
inline void datiAspo(Variabili &v)
{
    v.dMin = 100;
    v.DMax = 1000;
    v.N = 10;
    v.Vl = 100;
    v.nu = 0.9;
    v.Jt = 0.01;
    v.Jv = 0.02;
    v.Jm = 0.02;
    v.Tac = 10;
    v.Tdec = 10;
    v.pesoSpec = 7.8;
    v.Lung = 500;
    v.tiroMat = 100;
    v.Cca = 0.5;
    const char *const typed[14] = {"100", "1000", "10", "100", "0,02", "0,02", "0,01",
                                   "0,9", "10",   "10", "7,8", "500",  "100",  "0,5"};
    for (int i = 0; i < 14; ++i)
        v.datiStampa[i] = QString::fromLatin1(typed[i]);
}

inline Variabili datiAspo()
{
    Variabili v;
    datiAspo(v);
    return v;
}

// The example after its sweep.
inline Variabili esempioAspo(bool avvolgitore = true, bool accelerazione = true)
{
    Variabili v = datiAspo();
    if (aspo::campiona(v, {avvolgitore, accelerazione}) != Impedimento::Nessuno)
        qFatal("the reel example does not compute");
    return v;
}
