#pragma once
// Geometry of the five reel charts: the fixed pixel layout of the chart window (1024 x 725,
// y downwards), its three axis frames, the sample positions, the vertical mappings and, per
// chart, the curve, the axis titles and the two annotations.
//
// A chart is applied to a drawing: it appends its segments and sets the labels it names,
// leaving the other label properties as they stand. Applying several charts to one drawing
// overlaps them as the chart window does when more than one flag is raised.

#include "disegno.h"

struct Variabili;
class NumberFormat;

namespace grafico {

constexpr double larghezza = 1024, altezza = 725; // client area the layout needs

// The window's "system" colours, fixed so that screen and printer agree.
namespace sistema {
constexpr Colore testoFinestra = Colore::rgb(0, 0, 0);          // window text
constexpr Colore evidenziato = Colore::rgb(0, 120, 215);        // highlight
constexpr Colore testoEvidenziato = Colore::rgb(255, 255, 255); // highlight text
constexpr Colore finestra = Colore::rgb(255, 255, 255);         // window background
} // namespace sistema

enum class Cornice {
    basso,    // horizontal axis at the bottom (y = 700)
    alto,     // horizontal axis at the top (y = 10), values hang downwards
    centro,   // horizontal axis in the middle (y = 355), both signs
    velocita, // bottom frame with the vertical ticks of the speed chart
};

// Sample i of the sweep, 0 to 100, at 20 + 9.7 i.
double x(int i);
// The vertical position of k * v in each frame (the speed frame maps like the bottom one).
double y(Cornice cornice, double k, double v);

// Segments of a frame, black and 1 pixel wide.
std::vector<Segmento> cornice(Cornice c);

// The labels at their design properties: lblY, Labelx, lbl_Y, lblDat(0) to lblDat(5).
std::vector<Etichetta> etichetteIniziali();
// An empty drawing: no segments, the labels as designed.
Disegno vuoto();

// The label of that name, or nullptr.
Etichetta *etichetta(Disegno &d, const QString &nome);
const Etichetta *etichetta(const Disegno &d, const QString &nome);

// The five charts, applied to a drawing.
void velocita(Disegno &d, const Variabili &v, const NumberFormat &f);
void coppiaTiro(Disegno &d, const Variabili &v, const NumberFormat &f, bool avvolgitore);
void inerzia(Disegno &d, const Variabili &v, const NumberFormat &f);
void coppiaInerzia(Disegno &d, const Variabili &v, const NumberFormat &f);
void coppiaTotale(Disegno &d, const Variabili &v, const NumberFormat &f);

// The same, each on an empty drawing.
Disegno velocita(const Variabili &v, const NumberFormat &f);
Disegno coppiaTiro(const Variabili &v, const NumberFormat &f, bool avvolgitore);
Disegno inerzia(const Variabili &v, const NumberFormat &f);
Disegno coppiaInerzia(const Variabili &v, const NumberFormat &f);
Disegno coppiaTotale(const Variabili &v, const NumberFormat &f);

} // namespace grafico
