#pragma once
// The windowed program for the GUI tests: the real registry and widget host, with message
// boxes, file dialogs and the printer recorded by FakePlatform (or, for the tests of the
// desktop services themselves, the real QtPlatform).

#include "fakes.h"

#include "calcolo/numbers.h"
#include "shell/programma.h"
#include "ui/widgethost.h"

template <class Piattaforma> struct ScrivaniaCon {
    Piattaforma piattaforma;
    NumberFormat numeri{QLocale(QLocale::Italian, QLocale::Italy)};
    Programma programma{piattaforma, piattaforma, piattaforma, numeri};
    WidgetHost host{programma};
    ScrivaniaCon()
    {
        registraModelli(programma);
        registraViste(host);
        if constexpr (requires { piattaforma.setViste(&host); })
            piattaforma.setViste(&host);
        programma.setHost(&host);
    }
};
using Scrivania = ScrivaniaCon<FakePlatform>;

// The last window id: the tests that go through every window count up to it.
constexpr FormId ultimaFinestra = FormId::frmVerifica;
