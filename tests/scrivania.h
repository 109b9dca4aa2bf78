#pragma once
// The windowed program on fakes, for the GUI tests: the real registry and widget host, with
// message boxes, file dialogs and the printer recorded by FakePlatform.

#include "fakes.h"

#include "shell/numbers.h"
#include "shell/programma.h"
#include "ui/widgethost.h"

struct Scrivania {
    FakePlatform piattaforma;
    NumberFormat numeri{QLocale(QLocale::Italian, QLocale::Italy)};
    Programma programma{piattaforma, piattaforma, piattaforma, numeri};
    WidgetHost host{programma};
    Scrivania()
    {
        registraModelli(programma);
        registraViste(host);
        programma.setHost(&host);
    }
};
