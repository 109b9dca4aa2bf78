#pragma once
// The table of jobs: one row a job, with its model and view classes. The main window, both
// programs' tables of windows and the batch program's command line read it; a job that is
// not in a row exists nowhere.

#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "reel/aspomodel.h"
#include "screw/vitemodel.h"
#include "shell/lavoro.h"
#include "util/utilmodel.h"

#include <QList>

// the views, made only by the windowed program's table (app/viste.cpp includes them)
class ElevView;
class ConvView;
class ViteView;
class AspoView;
class UtilView;

namespace lavori {

// The classes of a job's window; the table of models uses only the first, so the batch
// program needs no view.
template <class M, class V> struct Classi {
    using Modello = M;
    using Vista = V;
};

// Calls f(lavoro, Classi<Modello, Vista>{}) for every job, in the batch program's order.
template <class F> void perOgni(F &&f)
{
    f(Lavoro{FormId::elevForm, 4, QStringLiteral("Sollevamento con tamburo"), std::nullopt,
             QStringLiteral("tamburo"), QStringLiteral("sollevamento con tamburo"), true},
      Classi<ElevModel, ElevView>{});
    f(Lavoro{FormId::convayorForm, 0, QStringLiteral("Tappeto o convogliatore"),
             VoceScelta{QStringLiteral("mnuConv"), QStringLiteral("&Tappeto"),
                        QStringLiteral("Ctrl+C")},
             QStringLiteral("tappeto"), QStringLiteral("tappeto o convogliatore"), true},
      Classi<ConvModel, ConvView>{});
    f(Lavoro{FormId::Soll_vite_Form, 1, QStringLiteral("Sollevamento con vite e madrevite"),
             VoceScelta{QStringLiteral("mnuSlvVi"), QStringLiteral("Sollevamento &Vite"),
                        QStringLiteral("Ctrl+F")},
             QStringLiteral("vite"), QStringLiteral("sollevamento con vite e madrevite"), true},
      Classi<ViteModel, ViteView>{});
    f(Lavoro{FormId::traslForm, 2, QStringLiteral("Spstamento orizzontale con vite e madrevite"),
             VoceScelta{QStringLiteral("mnuTralHor"), QStringLiteral("Spostamento &Orizzontale "),
                        QStringLiteral("Ctrl+D")},
             QStringLiteral("traslazione"),
             QStringLiteral("spostamento orizzontale con vite e madrevite"), true},
      Classi<ViteModel, ViteView>{});
    f(Lavoro{FormId::aspoForm,
             3,
             QStringLiteral("Aspo"),
             VoceScelta{QStringLiteral("mnuAspo"), QStringLiteral("A&spo"),
                        QStringLiteral("Ctrl+A")},
             QStringLiteral("aspo"),
             QStringLiteral("aspo avvolgitore o svolgitore"),
             true,
             // clang-format off
             {{QStringLiteral("svolgitore"), QString(), {QStringLiteral("svolgitore (predefinito: avvolgitore)")}},
              {QStringLiteral("decelerazione"), QString(),
               {QStringLiteral("decelerazione (predefinito: accelerazione)")}},
              {QStringLiteral("risultati"), QStringLiteral("OUT.txt"), {QStringLiteral("scrive il file dei risultati")}},
              {QStringLiteral("grafico"), QStringLiteral("NOME OUT.png"),
               {QStringLiteral("scrive un grafico: velocita, tiro, inerzia, coppia-inerzia,"),
                // clang-format on
                QStringLiteral("coppia-totale (anche più volte)")}},
              {QStringLiteral("stampa"),
               QStringLiteral("OUT.pdf"),
               {QStringLiteral("scrive il rapporto in PDF (con --cliente e --progetto)")}}},
             // a coil dwarfs any rotor: by default its inertia ratio is shown, not checked
             verifica::limitiAspo()},
      Classi<AspoModel, AspoView>{});
    f(Lavoro{FormId::utilForm,
             5,
             QStringLiteral("Utilità"),
             std::nullopt,
             QStringLiteral("utilita"),
             QStringLiteral("momento d'inerzia di un cilindro pieno o cavo"),
             false,
             {{QStringLiteral("cavo"),
               QString(),
               {QStringLiteral("cilindro cavo (predefinito: cilindro pieno)")}}}},
      Classi<UtilModel, UtilView>{});
}

// The rows without their classes, in the same order.
const QList<Lavoro> &tutti();

} // namespace lavori
