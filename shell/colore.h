#pragma once
// 24-bit colours of the windows. The design writes them either as RGB(r, g, b) or as
// &HBBGGRR, blue in the high byte; both end up here as r, g, b.

#include <QtGlobal>

struct Colore {
    int r = 0, g = 0, b = 0;

    static constexpr Colore rgb(int r, int g, int b) { return Colore{r, g, b}; }
    // &HBBGGRR: &HFF is red, &HC0C0FF light red
    static constexpr Colore bgr(quint32 v)
    {
        return Colore{int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)};
    }
    friend constexpr bool operator==(const Colore &, const Colore &) = default;
};

// The colours of the windows, the state colours among them.
namespace colori {
constexpr Colore nero = Colore::rgb(0, 0, 0);
constexpr Colore bianco = Colore::rgb(255, 255, 255);
constexpr Colore rosso = Colore::rgb(255, 0, 0);
constexpr Colore verdeChiaro = Colore::rgb(128, 255, 128);
constexpr Colore verde = Colore::rgb(0, 255, 0);
constexpr Colore rosa = Colore::rgb(255, 192, 192);
constexpr Colore argento = Colore::rgb(192, 192, 192);
constexpr Colore gialloChiaro = Colore::rgb(255, 255, 128);
constexpr Colore cianoChiaro = Colore::rgb(128, 255, 255);
constexpr Colore cianoPallido = Colore::rgb(192, 255, 255);
constexpr Colore pesca = Colore::rgb(255, 224, 192);
constexpr Colore rossoChiaro = Colore::rgb(255, 128, 128); // &H8080FF, required data
constexpr Colore albicocca = Colore::rgb(255, 192, 128);   // &H80C0FF, the reel's defaults
constexpr Colore ciano = Colore::rgb(0, 255, 255);
constexpr Colore verdePallido = Colore::rgb(192, 255, 192);
constexpr Colore violaScuro = Colore::rgb(64, 0, 64);
// The system colour of an inactive title bar under the classic desktop scheme, fixed here so
// the conveyor's alternative boxes look the same on every desktop.
constexpr Colore titoloInattivo = Colore::rgb(191, 205, 219);
} // namespace colori
