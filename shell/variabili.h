#pragma once
// The shared calculation state: the one set of variables through which every calculator
// window, result window, chart and report of the program exchanges its numbers. A single
// instance lives as long as the program and is handed to every window model; each
// calculator gives the common names (WL, N, Diam, ...) its own meaning.

#include "calcolo/esame.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <initializer_list>
#include <utility>

// Flags are 16-bit integers used as Booleans; a test for validity compares with True.
namespace flag {
constexpr qint16 True = -1;
constexpr qint16 False = 0;
} // namespace flag

struct Variabili;
// Values into the shared state, each into its variable.
using Registrazione = std::initializer_list<std::pair<double Variabili::*, double>>;

struct Variabili {
    static constexpr int Campioni = 101; // reel samples, index 0 to 100
    using Tabella = std::array<double, Campioni>;

    // the last "Immissione dati" found the inputs valid; one flag for all windows
    qint16 flgDatiOk = flag::False;

    // common to the linear calculators, the reel and the utilities
    double WL = 0, WT = 0, Wtot = 0, Lung = 0, T0 = 0, Tf = 0, Vl = 0, N = 0, Diam = 0, Wm = 0,
           nu = 0, Tac = 0, Tdec = 0, Jt = 0, Jm = 0, Jcar = 0, Jv = 0, Jtot = 0, Cmt = 0,
           CmtRis = 0, Pm = 0;

    // belt conveyor
    double Circ = 0, Cacc = 0, Pca = 0, Ptr = 0;

    // screw lift and horizontal travel: pitch, breakaway and dynamic friction
    double PB = 0, ms = 0, mk = 0;

    // reel (the utilities reuse dMin, DMax and pesoSpec)
    double dMin = 0, DMax = 0, pesoSpec = 0, tiroMat = 0, Cca = 0;
    std::array<QString, 16> datiStampa;
    // winder (true) or unwinder of the last sweep, for a chart drawn after the reel window
    // has been closed
    bool aspoAvvolgitore = true;

    // reel sweep: six tables of 101 samples and their extremes
    Tabella aDiam{}, aVel{}, aCmt{}, aJtt{}, aCmj{}, aCtt{};
    double CmjMax = 0, CmjMin = 0, CttMax = 0, diamCttMax = 0, CttMin = 0, diamCttMin = 0;

    // reel charts: which chart the chart window draws when it opens
    qint16 flgGrafVel = flag::False, flgGrafCmt = flag::False, flgGrafJtt = flag::False,
           flgGrafCmj = flag::False, flgGrafCtt = flag::False;

    // cylinder utility: hollow (True) or solid (False)
    qint16 flgCilCavo = flag::False;

    // what the last "Calcola" of a linear calculator or the reel asks of a motor, for the
    // motor check, and the caption of the window that computed it
    std::optional<verifica::Carico> carico;
    QString cicloDi;
    // the customer and project typed last for a sizing sheet, offered again by every window
    QString cliente, progetto;
    // the last check of a motor or a list on that cycle, for the sizing sheet
    std::optional<verifica::Controllo> controllo;

    void registra(Registrazione valori)
    {
        for (const auto &[variabile, valore] : valori)
            this->*variabile = valore;
    }
};
