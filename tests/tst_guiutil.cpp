// The cylinder inertia window driven as a user drives it, offscreen: controls at their places
// and in their fonts, the menu that switches the kind and the picture, typing, "Immissione
// dati", "Calcola", "Modifica dati", a picture that cannot be read, and where the program
// looks for the pictures. Message boxes go to the recording fake.

#include "comandi.h"
#include "fakes.h"

#include "shell/variabili.h"
#include "ui/utilview.h"
#include "util/utilmodel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString immagini = QStringLiteral(DM_UTIL_IMG);

struct Finestra {
    FakePlatform piattaforma;
    NumberFormat numeri{QLocale(QLocale::Italian, QLocale::Italy)};
    Programma programma{piattaforma, piattaforma, piattaforma, numeri};
    Ambiente env{programma.var(), numeri, piattaforma, piattaforma, piattaforma, programma};
    UtilModel model;
    std::unique_ptr<UtilView> view;

    explicit Finestra(const QString &cartella) : model(env, cartella)
    {
        model.Form_Load();
        view = std::make_unique<UtilView>(programma, model);
        view->show();
    }
    template <class T> T *c(const QString &name) const { return view->findChild<T *>(name); }
    QLineEdit *casella(int k) const { return c<QLineEdit>(QStringLiteral("txtInDat%1").arg(k)); }
    QAction *voce(const QString &name) const { return c<QAction>(name); }
    qint64 immagine() const { return c<QLabel>(QStringLiteral("imag_Lav"))->pixmap().cacheKey(); }
};

} // namespace

class TestGuiUtil : public QObject {
    Q_OBJECT
private slots:
    void layoutAndFonts();
    void workedExampleTypedAndClicked();
    void menuSwitchesKindAndPicture();
    void unreadablePictureKeepsThePrevious();
    void pictureFolderLookup();
};

void TestGuiUtil::layoutAndFonts()
{
    Finestra w(immagini);
    QCOMPARE(w.view->windowTitle(), QStringLiteral("Utilità"));

    const std::pair<const char *, QRect> places[] = {
        {"imag_Lav", QRect(8, 72, 321, 202)},    {"Image1", QRect(8, 8, 200, 60)},
        {"txtInDat0", QRect(592, 64, 129, 41)},  {"txtInDat3", QRect(592, 184, 129, 41)},
        {"txtOutDat", QRect(592, 240, 129, 41)}, {"btnInDat", QRect(40, 600, 177, 65)},
        {"btnModDat", QRect(264, 600, 177, 65)}, {"btnCalcola", QRect(488, 600, 177, 65)},
        {"btnEsci", QRect(728, 600, 177, 65)},
    };
    for (const auto &[name, rect] : places) {
        const QWidget *widget = w.c<QWidget>(QLatin1String(name));
        QVERIFY2(widget, name);
        QCOMPARE(widget->geometry(), rect);
    }
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label2_1"))->text(),
             QStringLiteral("Diametro interno [mm]      ="));
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label2_3"))->text(),
             QStringLiteral("Peso specifco   [kg/dm3] ="));
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label2_4"))->text(),
             QStringLiteral("Momento d'inerzia  [kg/m2] ="));
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label2_0"))->pos(), QPoint(376, 112));
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label2_4"))->pos(), QPoint(352, 248));

    for (int k = 0; k < 4; ++k) {
        QCOMPARE(w.casella(k)->text(), QStringLiteral("0"));
        QCOMPARE(w.casella(k)->font().family(), QStringLiteral("Arial"));
        QVERIFY(w.casella(k)->font().bold());
        QCOMPARE(w.casella(k)->font().pointSize(), 12);
    }
    auto *out = w.c<QLineEdit>(QStringLiteral("txtOutDat"));
    QVERIFY(out->isReadOnly());
    QCOMPARE(out->text(), QString());

    auto *label1 = w.c<QLabel>(QStringLiteral("Label1"));
    QCOMPARE(label1->text(), QStringLiteral("Inserire i dati "));
    QCOMPARE(label1->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(label1->font().bold());
    QCOMPARE(label1->font().pointSize(), 24);
    QCOMPARE(label1->pos(), QPoint(208, 528));
    QCOMPARE(sfondo(label1), QColor(255, 192, 192));

    QCOMPARE(w.c<QPushButton>(QStringLiteral("btnInDat"))->text(),
             QStringLiteral("Immissione dati"));
    QCOMPARE(sfondo(w.c<QPushButton>(QStringLiteral("btnInDat"))), QColor(255, 192, 192));
    QCOMPARE(w.c<QPushButton>(QStringLiteral("btnModDat"))->text(),
             QStringLiteral("Modifica dati"));
    QCOMPARE(sfondo(w.c<QPushButton>(QStringLiteral("btnModDat"))), QColor(255, 255, 128));
    QCOMPARE(sfondo(w.c<QPushButton>(QStringLiteral("btnCalcola"))), QColor(255, 0, 0));
    QCOMPARE(sfondo(w.c<QPushButton>(QStringLiteral("btnEsci"))), QColor(255, 0, 0));

    auto *menu = w.c<QMenu>(QStringLiteral("mnuFile"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&File"));
    QStringList voci;
    for (const QAction *a : menu->actions())
        voci << a->text();
    QCOMPARE(voci, QStringList({QStringLiteral("Cilindro&Cavo"), QStringLiteral("Cilindro&Pieno"),
                                QStringLiteral("Esporta scheda &PDF...")}));

    // the design's picture, a hollow cylinder, is there from the start
    const QPixmap picture = w.c<QLabel>(QStringLiteral("imag_Lav"))->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.toImage().convertToFormat(QImage::Format_RGB32),
             QImage(immagini + QStringLiteral("/cilindrocavo.JPG"))
                 .convertToFormat(QImage::Format_RGB32));
}

void TestGuiUtil::workedExampleTypedAndClicked()
{
    Finestra w(immagini);
    digita(w.casella(UtilModel::DiametroEsterno), QStringLiteral("200"));
    digita(w.casella(UtilModel::Lunghezza), QStringLiteral("500"));
    digita(w.casella(UtilModel::PesoSpecifico), QStringLiteral("7,85"));
    QCOMPARE(w.model.txtInDat(UtilModel::PesoSpecifico), QStringLiteral("7,85"));

    auto *inDat = w.c<QPushButton>(QStringLiteral("btnInDat"));
    auto *calcola = w.c<QPushButton>(QStringLiteral("btnCalcola"));
    // nothing valid yet: "Calcola" does nothing at all
    clicca(calcola);
    QCOMPARE(w.c<QLineEdit>(QStringLiteral("txtOutDat"))->text(), QString());
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Inserire i dati "));

    clicca(inDat);
    QVERIFY(w.piattaforma.messaggi.empty());
    QCOMPARE(inDat->text(), QStringLiteral("Dati validi"));
    QCOMPARE(sfondo(inDat), QColor(128, 255, 128));
    QCOMPARE(sfondo(calcola), QColor(128, 255, 128));
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral(" "));
    QCOMPARE(sfondo(w.c<QLabel>(QStringLiteral("Label1"))), QColor(192, 192, 192));

    clicca(calcola);
    QCOMPARE(w.c<QLineEdit>(QStringLiteral("txtOutDat"))->text(), QStringLiteral("1,233"));
    QVERIFY(std::abs(w.programma.var().Jcar - 1.2330751) < 5e-8);

    clicca(w.c<QPushButton>(QStringLiteral("btnModDat")));
    QCOMPARE(inDat->text(), QStringLiteral("Immissione dati"));
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));
    QCOMPARE(w.c<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Inserire i dati "));
    QCOMPARE(w.casella(UtilModel::DiametroEsterno)->text(), QStringLiteral("200"));

    // D = 0: its message, and "Calcola" does nothing
    digita(w.casella(UtilModel::DiametroEsterno), QStringLiteral("0"));
    clicca(inDat);
    QCOMPARE(w.piattaforma.testi(), QStringList({QStringLiteral("Inserire diametro esterno > 0")}));
    QCOMPARE(inDat->text(), QStringLiteral("Immissione dati"));
}

void TestGuiUtil::menuSwitchesKindAndPicture()
{
    Finestra w(immagini);
    const qint64 cavo = w.immagine();
    w.voce(QStringLiteral("mnuCil_Pieno"))->trigger();
    QCOMPARE(w.casella(UtilModel::DiametroInterno)->text(), QStringLiteral("non applicabile"));
    QCOMPARE(w.programma.var().flgCilCavo, flag::False);
    QVERIFY(w.immagine() != cavo);
    QCOMPARE(w.c<QLabel>(QStringLiteral("imag_Lav"))
                 ->pixmap()
                 .toImage()
                 .convertToFormat(QImage::Format_RGB32),
             QImage(immagini + QStringLiteral("/cilindropieno.JPG"))
                 .convertToFormat(QImage::Format_RGB32));

    w.voce(QStringLiteral("mnuJ_Cil_Cavo"))->trigger();
    QCOMPARE(w.programma.var().flgCilCavo, flag::True);
    QCOMPARE(w.casella(UtilModel::DiametroInterno)->text(), QStringLiteral("non applicabile"));
    digita(w.casella(UtilModel::DiametroInterno), QStringLiteral("100"));
    digita(w.casella(UtilModel::DiametroEsterno), QStringLiteral("200"));
    digita(w.casella(UtilModel::Lunghezza), QStringLiteral("500"));
    digita(w.casella(UtilModel::PesoSpecifico), QStringLiteral("7,85"));
    clicca(w.c<QPushButton>(QStringLiteral("btnInDat")));
    clicca(w.c<QPushButton>(QStringLiteral("btnCalcola")));
    QVERIFY(w.piattaforma.messaggi.empty());
    QCOMPARE(w.c<QLineEdit>(QStringLiteral("txtOutDat"))->text(), QStringLiteral("1,156"));
}

void TestGuiUtil::unreadablePictureKeepsThePrevious()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::copy(immagini + QStringLiteral("/cilindrocavo.JPG"),
                        dir.filePath(QStringLiteral("cilindrocavo.JPG"))));
    QFile rotto(dir.filePath(QStringLiteral("cilindropieno.JPG")));
    QVERIFY(rotto.open(QIODevice::WriteOnly));
    rotto.write("not a picture");
    rotto.close();

    Finestra w(dir.path());
    const qint64 before = w.immagine();
    QVERIFY(!w.c<QLabel>(QStringLiteral("imag_Lav"))->pixmap().isNull());
    w.voce(QStringLiteral("mnuCil_Pieno"))->trigger();
    QCOMPARE(w.immagine(), before);
    QCOMPARE(w.programma.var().flgCilCavo, flag::False); // the kind switches all the same
    QCOMPARE(w.casella(UtilModel::DiametroInterno)->text(), QStringLiteral("non applicabile"));

    // no picture at all: an empty frame, the window works
    Finestra vuota(dir.filePath(QStringLiteral("nessuna")));
    QVERIFY(vuota.c<QLabel>(QStringLiteral("imag_Lav"))->pixmap().isNull());
    vuota.voce(QStringLiteral("mnuJ_Cil_Cavo"))->trigger();
    QCOMPARE(vuota.programma.var().flgCilCavo, flag::True);
}

void TestGuiUtil::pictureFolderLookup()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString pieno = program.filePath(QStringLiteral("cilindropieno.JPG"));
    const QString cavo = program.filePath(QStringLiteral("cilindrocavo.JPG"));
    if (QFile::exists(pieno) || QFile::exists(cavo))
        QSKIP("pictures already next to the test program");
    QCOMPARE(cartellaDatiProgramma(),
             QDir::cleanPath(program.filePath(QStringLiteral("../share/dimensionamento-motori"))));

    // one picture is not enough to choose the program's folder
    QVERIFY(QFile::copy(immagini + QStringLiteral("/cilindropieno.JPG"), pieno));
    const QString soloUna = cartellaDatiProgramma();
    QVERIFY(QFile::copy(immagini + QStringLiteral("/cilindrocavo.JPG"), cavo));
    const QString entrambe = cartellaDatiProgramma();
    QFile::remove(pieno);
    QFile::remove(cavo);
    QVERIFY(soloUna.endsWith(QStringLiteral("/share/dimensionamento-motori")));
    QCOMPARE(entrambe, program.path());
}

QTEST_MAIN(TestGuiUtil)
#include "tst_guiutil.moc"
