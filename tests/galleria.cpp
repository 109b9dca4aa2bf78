// Every window of the program in fixed states, grabbed offscreen into the folder given as the
// argument: each calculator as it loads, after its example data file and "Immissione dati",
// and after "Calcola", with the result windows, the motor check of the hoist, the five reel
// charts, the report window and the help windows. Two runs on the same machine give the same
// pictures pixel for pixel, so a change that should not be seen is checked by comparing the
// folders (for example with ImageMagick's `compare -metric AE`).

#include "scrivania.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

QString cartella;

void foto(Scrivania &d, FormId id, const QString &stato)
{
    QCoreApplication::processEvents();
    QWidget *w = d.host.view(id);
    if (!w) {
        std::fprintf(stderr, "nessuna finestra %d\n", int(id));
        return;
    }
    w->grab().save(QDir(cartella).filePath(
        QStringLiteral("%1_%2.png").arg(int(id), 2, 10, QLatin1Char('0')).arg(stato)));
}

void premi(Scrivania &d, FormId id, const char *nome)
{
    if (auto *b = d.host.view(id)->findChild<QPushButton *>(QLatin1String(nome)))
        b->click();
    else
        std::fprintf(stderr, "nessun pulsante %s\n", nome);
}

void voce(Scrivania &d, FormId id, const char *nome)
{
    if (auto *a = d.host.view(id)->findChild<QAction *>(QLatin1String(nome)))
        a->trigger();
    else
        std::fprintf(stderr, "nessuna voce %s\n", nome);
}

void calcolatrice(Scrivania &d, FormId id, const char *apri, const char *dati, const char *inse)
{
    d.programma.openForm(id);
    foto(d, id, QStringLiteral("carico"));
    d.piattaforma.risposte.push_back(QStringLiteral(DM_DATA "/") + QLatin1String(dati));
    voce(d, id, apri);
    premi(d, id, inse);
    foto(d, id, QStringLiteral("dati"));
    premi(d, id, "btnCalcola");
    foto(d, id, QStringLiteral("calcolo"));
}

// The hoist's example with a duty cycle (two moves of 10 s in 40 s, Tdec as Tac), then its
// motor check as it opens from the result window and with the example list of motors.
void verificaTamburo(Scrivania &d)
{
    QWidget *hoist = d.host.view(FormId::elevForm);
    for (const auto &[k, testo] : {std::pair{8, "10"}, {9, "40"}, {11, "2"}})
        hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat%1").arg(k))
            ->setText(QLatin1String(testo));
    premi(d, FormId::elevForm, "btnInseDat");
    premi(d, FormId::elevForm, "btnCalcola");
    premi(d, FormId::frmRisult, "btnVerifica");
    foto(d, FormId::frmVerifica, QStringLiteral("ciclo"));
    d.piattaforma.risposte.push_back(QStringLiteral(DM_CATALOGO_ESEMPIO));
    premi(d, FormId::frmVerifica, "btnCatalogo");
    foto(d, FormId::frmVerifica, QStringLiteral("catalogo"));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtDebugMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: galleria CARTELLA\n");
        return 2;
    }
    cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);
    Scrivania d;
    d.programma.openForm(FormId::mainForm);
    foto(d, FormId::mainForm, QStringLiteral("carico"));

    calcolatrice(d, FormId::elevForm, "mnuFileApri", "tamburo_esempio.txt", "btnInseDat");
    foto(d, FormId::frmRisult, QStringLiteral("tamburo"));
    verificaTamburo(d);
    calcolatrice(d, FormId::convayorForm, "mnuFileApri", "tappeto_esempio.txt", "btnInseDat");
    foto(d, FormId::frmRisult, QStringLiteral("tappeto"));
    calcolatrice(d, FormId::Soll_vite_Form, "mnuApriFile", "vite_esempio.txt", "btnInseDat");
    foto(d, FormId::frmRisult, QStringLiteral("vite"));
    calcolatrice(d, FormId::traslForm, "mnuApriFile", "vite_esempio.txt", "btnInseDat");
    foto(d, FormId::frmRisult, QStringLiteral("traslazione"));
    calcolatrice(d, FormId::aspoForm, "mnuFileApri", "aspo_esempio.txt", "btnInseDat");
    foto(d, FormId::frmRris_aspo, QStringLiteral("aspo"));
    for (const char *grafico :
         {"btngrafVel", "btngrafCmt", "btngrfCmj", "btncmdJtt", "btncmdCtt"}) {
        premi(d, FormId::frmRris_aspo, grafico);
        foto(d, FormId::frmGraf, QLatin1String(grafico));
        voce(d, FormId::frmGraf, "mnu_file_esci");
    }
    voce(d, FormId::aspoForm, "mnustampa_ris");
    foto(d, FormId::ASPO04, QStringLiteral("carico"));

    d.programma.openForm(FormId::utilForm);
    foto(d, FormId::utilForm, QStringLiteral("carico"));
    const char *utilita[] = {"100", "200", "500", "7,8"};
    for (int k = 0; k < 4; ++k)
        d.host.view(FormId::utilForm)
            ->findChild<QLineEdit *>(QStringLiteral("txtInDat%1").arg(k))
            ->setText(QLatin1String(utilita[k]));
    premi(d, FormId::utilForm, "btnInDat");
    foto(d, FormId::utilForm, QStringLiteral("dati"));
    premi(d, FormId::utilForm, "btnCalcola");
    foto(d, FormId::utilForm, QStringLiteral("calcolo"));

    d.programma.openForm(FormId::aiutoForm);
    foto(d, FormId::aiutoForm, QStringLiteral("carico"));
    d.programma.openForm(FormId::aiutoForm_elev);
    foto(d, FormId::aiutoForm_elev, QStringLiteral("carico"));
    // messages the data entries gave, for the record
    for (const Messaggio &m : d.piattaforma.messaggi)
        std::printf("%d %s: %s\n", int(m.finestra), qPrintable(m.titolo), qPrintable(m.testo));
    return 0;
}
