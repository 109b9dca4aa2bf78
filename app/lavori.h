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
    const auto q = [](const char *testo) { return QString::fromUtf8(testo); };
    // clang-format off
    f(Lavoro{FormId::elevForm, 4, q("Sollevamento con tamburo"), std::nullopt,
             q("tamburo"), q("sollevamento con tamburo"), true},
      Classi<ElevModel, ElevView>{});
    f(Lavoro{FormId::convayorForm, 0, q("Tappeto o convogliatore"),
             VoceScelta{q("mnuConv"), q("&Tappeto"), q("Ctrl+C")},
             q("tappeto"), q("tappeto o convogliatore"), true},
      Classi<ConvModel, ConvView>{});
    f(Lavoro{FormId::Soll_vite_Form, 1, q("Sollevamento con vite e madrevite"),
             VoceScelta{q("mnuSlvVi"), q("Sollevamento &Vite"), q("Ctrl+F")},
             q("vite"), q("sollevamento con vite e madrevite"), true},
      Classi<ViteModel, ViteView>{});
    f(Lavoro{FormId::traslForm, 2, q("Spstamento orizzontale con vite e madrevite"),
             VoceScelta{q("mnuTralHor"), q("Spostamento &Orizzontale "), q("Ctrl+D")},
             q("traslazione"), q("spostamento orizzontale con vite e madrevite"), true},
      Classi<ViteModel, ViteView>{});
    f(Lavoro{FormId::aspoForm, 3, q("Aspo"),
             VoceScelta{q("mnuAspo"), q("A&spo"), q("Ctrl+A")},
             q("aspo"), q("aspo avvolgitore o svolgitore"), true,
             {{q("svolgitore"), {}, {q("svolgitore (predefinito: avvolgitore)")}},
              {q("decelerazione"), {}, {q("decelerazione (predefinito: accelerazione)")}},
              {q("risultati"), q("OUT.txt"), {q("scrive il file dei risultati")}},
              {q("grafico"), q("NOME OUT.png"), {q("scrive un grafico: velocita, tiro, inerzia, coppia-inerzia,"),
                                                 q("coppia-totale (anche più volte)")}},
              {q("stampa"), q("OUT.pdf"), {q("scrive il rapporto in PDF (con --cliente e --progetto)")}}},
             // a coil dwarfs any rotor: by default its inertia ratio is shown, not checked
             verifica::limitiAspo()},
      Classi<AspoModel, AspoView>{});
    f(Lavoro{FormId::utilForm, 5, q("Utilità"), std::nullopt,
             q("utilita"), q("momento d'inerzia di un cilindro pieno o cavo"), false,
             {{q("cavo"), {}, {q("cilindro cavo (predefinito: cilindro pieno)")}}}},
      Classi<UtilModel, UtilView>{});
    // clang-format on
}

// The rows without their classes, in the same order.
const QList<Lavoro> &tutti();

} // namespace lavori
