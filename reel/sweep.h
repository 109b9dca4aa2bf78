#pragma once
// The reel's diameter sweep: 101 diameters from the core d to the full coil Dm, and at each
// the motor speed, the torque of the material tension, the total inertia at the motor
// shaft, the torque to accelerate or decelerate it and the total motor torque, with their
// extremes. The sweep only reads its data; the reel window stores the tables in the shared
// state (campiona.h), where the results window, the charts, the report and the results file
// read them.

#include "calcolo/bobina.h"
#include "calcolo/grandezza.h"
#include "calcolo/impedimento.h"

#include <QList>

#include <optional>

namespace aspo {

// The two option pairs of the reel window, read at the time of the sweep.
struct Opzioni {
    bool avvolgitore = true;   // winder (opt_avv), else unwinder
    bool accelerazione = true; // acceleration (opt_acc), else deceleration
};

struct Dati {
    double dMin, DMax; // core d and full coil Dm diameters [mm]
    double N, Vl, nu;  // reduction ratio R [-], largest material speed Vm [m/min], efficiency n
    double Jt, Jv, Jm; // transmission Jtr, mandrel Jman and motor Jmot inertias [kgm^2]
    double Tac, Tdec;  // acceleration and deceleration times tacc, tdec [s]
    double pesoSpec;   // specific weight D [kg/dm^3]
    double Lung;       // winding width l [mm]
    double tiroMat;    // material tension F [kg]
    double Cca;        // friction compensation torque [kgm]
};

// The six tables of 101 samples (sample 0 at the core) and their extremes.
struct Campionatura {
    verifica::Serie aDiam{}; // diameter [m]
    verifica::Serie aVel{};  // motor speed [rpm]
    verifica::Serie aCmt{};  // motor torque for the tension [kgm]
    verifica::Serie aJtt{};  // total inertia at the motor shaft [kgm^2]
    verifica::Serie aCmj{};  // motor torque for the inertia [kgm]
    verifica::Serie aCtt{};  // total motor torque [kgm]
    double CmjMax = 0, CmjMin = 0;
    double CttMax = 0, diamCttMax = 0, CttMin = 0, diamCttMin = 0; // torques [kgm], diameters [m]
};

using Esito = ::Esito<Campionatura>; // or a zero divisor, a result that is not finite
// The six steps in order.
Esito calcola(const Dati &d, Opzioni opzioni);

// The largest motor power [kW]: the largest total torque at the largest speed, the core's.
double potenzaMassima(const Campionatura &c);

// The data and results by the program's names, each result with its formula as the steps
// evaluate it: the sample at the core (0) and at the full coil (100), the extremes and the
// power.
QList<scheda::Grandezza> grandezze(const Dati &d, Opzioni opzioni, const Campionatura &c);

// What the sweep asks of a motor, for the motor check: its series over the diameters and the
// terms of its inertia; the winder or unwinder is in the sweep's own aCmt.
verifica::Bobina bobina(const Dati &d, const Campionatura &c);

// The single steps; calcola() guards them.
void CalcDiametri(const Dati &d, Campionatura &c);
void CalcVelocita(const Dati &d, Campionatura &c);
void CalcCoppiaTiro(const Dati &d, Campionatura &c, bool avvolgitore);
void CalcInerzia(const Dati &d, Campionatura &c);
void CalcCoppiaInerzia(const Dati &d, Campionatura &c, bool accelerazione);
void CalcCoppiaTotale(const Dati &d, Campionatura &c, Opzioni opzioni);

} // namespace aspo
