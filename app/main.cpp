// dimensionamento-motori: the windowed program. It starts with the main window only; every
// other window is built when first opened, and the program ends when the last one closes.

#include "app/finestre.h"
#include "shell/programma.h"
#include "ui/applicazione.h"
#include "ui/qtplatform.h"
#include "ui/widgethost.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file that grows past the size limit must fail its save with an error the program
    // reports, not end the program: the old file is then still there.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    ui::preparaApplicazione(app, QStringLiteral(DM_VERSIONE));

    const NumberFormat numbers;
    QtPlatform platform;
    Programma programma(platform, platform, platform, numbers);
    registraModelli(programma, cartellaDatiProgramma());
    WidgetHost host(programma);
    registraViste(host);
    platform.setViste(&host);
    programma.setHost(&host);
    programma.openForm(FormId::mainForm);
    return app.exec();
}
