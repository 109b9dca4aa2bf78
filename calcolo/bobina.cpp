#include "bobina.h"

#include "costanti.h"

#include <cmath>

namespace verifica {

namespace {

// The index of the largest magnitude, the first on ties.
int massimo(const Serie &s)
{
    int i = 0;
    for (int j = 1; j < diametri; ++j)
        if (std::fabs(s[j]) > std::fabs(s[i]))
            i = j;
    return i;
}

} // namespace

AnalisiBobina analizza(const Bobina &b, double Jmot, bool proprio, Costante costante)
{
    AnalisiBobina a;
    const bool fisica = costante == Costante::Fisica;
    a.K = fisica ? accelerazioneFisica : costanti::avviamentoTamburo;
    if (!(b.tacc > 0) || !(b.tdec > 0)) {
        a.nonCalcolabile = Motivo::TempiAspo;
        return a;
    }
    for (int i = 0; i < diametri; ++i) {
        // the coil's radius^4 in physical units; with the calculator's constants the sweep's
        // own term, so that Jtt is its aJtt
        const double X = fisica ? std::pow(b.diametro[i] / 2, 4) : std::pow(b.diametro[i], 4) / 2;
        a.Jtt[i] = (X - b.rc4) * b.kc + (b.Jman / b.R2 + (b.Jtr + Jmot));
        a.n[i] = std::fabs(b.velocita[i]);
        a.Cacc[i] = b.coppiaTiro[i] + b.velocita[i] * a.Jtt[i] / (b.tacc * a.K) + b.Cca;
        a.Creg[i] = b.coppiaTiro[i] + b.Cca;
        a.Cdec[i] = b.coppiaTiro[i] - b.velocita[i] * a.Jtt[i] / (b.tdec * a.K) - b.Cca;
        a.Preg[i] = a.Creg[i] * b.velocita[i] / costanti::kgmRpmPerKw;
        if (proprio && !(a.Jtt[i] > 0)) {
            AnalisiBobina nulla;
            nulla.K = a.K;
            nulla.nonCalcolabile = Motivo::JttNonPositivo;
            return nulla;
        }
    }
    for (int i = 1; i < diametri; ++i) {
        if (a.n[i] < a.n[a.nMin])
            a.nMin = i;
        if (a.n[i] > a.n[a.nMax])
            a.nMax = i;
        if (a.Jtt[i] > a.Jtt[a.iJtt])
            a.iJtt = i;
    }
    a.iCreg = massimo(a.Creg);
    a.iCacc = massimo(a.Cacc);
    a.iCdec = massimo(a.Cdec);
    a.iPreg = massimo(a.Preg);
    if (Jmot > 0)
        a.lambda = (a.Jtt[a.iJtt] - Jmot) / Jmot;
    for (const Serie *s : {&a.Jtt, &a.Cacc, &a.Creg, &a.Cdec, &a.Preg})
        for (const double x : *s)
            if (!std::isfinite(x)) {
                AnalisiBobina fuori;
                fuori.K = a.K;
                fuori.nonCalcolabile = Motivo::FuoriScala;
                return fuori;
            }
    if (a.lambda && !std::isfinite(*a.lambda))
        a.lambda.reset();
    return a;
}

} // namespace verifica
