// The cylinder inertia window through its model: presets that leave the shared flags alone,
// the checks with their messages in order, the kind of cylinder chosen from the menu, the
// solid and hollow inertia with the display pattern, "Modifica dati", a "Calcola" that does
// nothing without valid data or with a result that is not finite, and the data file.

#include "fakes.h"

#include "shell/immissione.h"
#include "shell/variabili.h"
#include "util/cilindro.h"
#include "util/utilmodel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const QString cartella = QStringLiteral("/immagini/util");
const Colore rossoChiaro = Colore::rgb(255, 192, 192);
const Colore verdeChiaro = Colore::rgb(128, 255, 128);
const Colore grigio = Colore::rgb(192, 192, 192);
const Colore rosso = Colore::rgb(255, 0, 0);

// A whole program with fakes and the utility model, loaded as the window would be.
struct Utilita {
    Banco b;
    Ambiente env{b.programma.var(), b.numeri,      b.piattaforma,
                 b.piattaforma,     b.piattaforma, b.programma};
    std::unique_ptr<UtilModel> f;
    Utilita() { apri(); }
    void apri()
    {
        f = std::make_unique<UtilModel>(env, cartella);
        f->Form_Load();
    }
    Variabili &var() { return b.var(); }
    QStringList messaggi() const { return b.piattaforma.testi(); }
    // d, D, l, rho as typed
    void scrivi(const QString &d, const QString &D, const QString &l, const QString &rho)
    {
        f->setTxtInDat(UtilModel::DiametroInterno, d);
        f->setTxtInDat(UtilModel::DiametroEsterno, D);
        f->setTxtInDat(UtilModel::Lunghezza, l);
        f->setTxtInDat(UtilModel::PesoSpecifico, rho);
    }
    QStringList caselle() const
    {
        QStringList out;
        for (int k = 0; k < UtilModel::Caselle; ++k)
            out << f->txtInDat(k);
        return out;
    }
};

Aspetto datiDaInserire()
{
    return {QStringLiteral("Inserire i dati "), rossoChiaro};
}

} // namespace

class TestUtil : public QObject {
    Q_OBJECT
private slots:
    void formLoadLeavesTheFlags();
    void captions();

    void solidFormulas_data();
    void solidFormulas();
    void hollowFormulas_data();
    void hollowFormulas();
    void hollowWithoutBoreIsTheSolid_data();
    void hollowWithoutBoreIsTheSolid();

    void solidWorkedExample();
    void hollowThroughTheWindow();
    void startsSolidAlthoughThePictureIsHollow();
    void displayPattern_data();
    void displayPattern();

    void checks_data();
    void checks();
    void hollowAllZeroGivesFourMessages();
    void outerDiameterZeroThenCalcolaDoesNothing();
    void innerMayExceedOuter();
    void notANumber();
    void nonApplicabileInHollowMode();

    void menuEntries();
    void switchingKindRecomputesFromTheVariables();
    void modificaDati_data();
    void modificaDati();
    void sharedStateWithOtherWindows();
    void resultThatIsNotFinite();
};

void TestUtil::formLoadLeavesTheFlags()
{
    Utilita u;
    u.var().flgDatiOk = flag::True;
    u.var().flgCilCavo = flag::True;
    u.f->setTxtInDat(UtilModel::Lunghezza, QStringLiteral("12"));
    u.f->Form_Load();
    QCOMPARE(u.var().flgDatiOk, flag::True);
    QCOMPARE(u.var().flgCilCavo, flag::True);
    QCOMPARE(u.caselle(), QStringList(4, QStringLiteral("0")));
    QCOMPARE(u.f->txtOutDat(), QString());
    QCOMPARE(u.f->btnInDat(), (Aspetto{QStringLiteral("Immissione dati"), rossoChiaro}));
    QCOMPARE(u.f->btnCalcola(), (Aspetto{QStringLiteral("Calcola"), rosso}));
    QCOMPARE(u.f->Label1(), datiDaInserire());
    QCOMPARE(&u.f->statusLabel(), &u.f->Label1());
    QCOMPARE(u.f->caption(), QStringLiteral("Utilità"));
    QCOMPARE(u.f->id(), FormId::utilForm);
    // the design's picture is the hollow cylinder
    QCOMPARE(u.f->immagine(), cartella + QStringLiteral("/cilindrocavo.JPG"));

    Utilita fresh;
    QCOMPARE(fresh.var().flgDatiOk, flag::False);
    QCOMPARE(fresh.var().flgCilCavo, flag::False);
}

void TestUtil::captions()
{
    QCOMPARE(UtilModel::Caselle, 4);
    QStringList labels, names, symbols;
    const Tavola &t = UtilModel::tavolaUtilita();
    for (const Riga &r : t.righe) {
        QCOMPARE(r.box, int(labels.size()));
        labels << r.didascalia;
        names << r.nome;
        symbols << r.simbolo;
    }
    QCOMPARE(labels, QStringList({QStringLiteral("Diametro interno [mm]      ="),
                                  QStringLiteral("Diametro esterno  [mm]    ="),
                                  QStringLiteral("Lunghezza [mm]                ="),
                                  QStringLiteral("Peso specifco   [kg/dm3] =")}));
    // the quantities as the messages name them
    QCOMPARE(names,
             QStringList({QStringLiteral("Diametro interno"), QStringLiteral("Diametro esterno"),
                          QStringLiteral("Lunghezza"), QStringLiteral("Peso specifco")}));
    QCOMPARE(symbols, QStringList({QStringLiteral("d"), QStringLiteral("D"), QStringLiteral("l"),
                                   QStringLiteral("ρ")}));
    QCOMPARE(UtilModel::labelRisultato(), QStringLiteral("Momento d'inerzia  [kg/m2] ="));
    QCOMPARE(t.modifica, (Aspetto{QStringLiteral("Modifica dati"), Colore::rgb(255, 255, 128)}));
    QCOMPARE(t.esci, (Aspetto{QStringLiteral("Esci"), rosso}));
}

void TestUtil::solidFormulas_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("rho");
    QTest::addColumn<double>("V");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("J");
    // clang-format off
    QTest::newRow("worked example") << 200.0 << 500.0 << 7.85 << 15.70796 << 123.3075 << 1.2330751;
    QTest::newRow("large") << 2000.0 << 1000.0 << 7.85 << 3141.5926536 << 24661.502331 << 24661.502331;
    QTest::newRow("small") << 100.0 << 1.0 << 0.5 << 0.0078539816 << 0.0039269908 << 9.817477e-6;
    // clang-format on
}

void TestUtil::solidFormulas()
{
    QFETCH(double, D);
    QFETCH(double, l);
    QFETCH(double, rho);
    QFETCH(double, V);
    QFETCH(double, m);
    QFETCH(double, J);
    const cilindro::Risultato r = cilindro::pieno(D, l, rho);
    QVERIFY2(std::abs(r.V - V) < 5e-6 * std::max(1.0, V),
             qPrintable(QString::number(r.V, 'g', 17)));
    QVERIFY2(std::abs(r.m - m) < 5e-5 * std::max(1.0, m),
             qPrintable(QString::number(r.m, 'g', 17)));
    QVERIFY2(std::abs(r.J - J) < 5e-7 * std::max(1e-3, J),
             qPrintable(QString::number(r.J, 'g', 17)));
    // the order of the operations is part of the definition
    const double t = std::pow(D / 200, 2);
    QVERIFY(r.V == (l * (3.14159265358979 * t)) / 100);
    QVERIFY(r.m == r.V * rho);
    QVERIFY(r.J == r.m * (t / 100));
}

void TestUtil::hollowFormulas_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("rho");
    QTest::addColumn<double>("V");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("J");
    QTest::newRow("half bore") << 200.0 << 100.0 << 500.0 << 7.85 << 11.78097245 << 92.48063374
                               << 1.156007922;
    QTest::newRow("aluminium tube")
        << 300.0 << 100.0 << 250.0 << 2.7 << 15.70796327 << 42.41150082 << 1.060287521;
    // the bore is larger than the outside: no check forbids it, the volume goes negative
    QTest::newRow("inner over outer")
        << 100.0 << 200.0 << 100.0 << 1.0 << -2.35619449 << -2.35619449 << -0.0294524311;
}

void TestUtil::hollowFormulas()
{
    QFETCH(double, D);
    QFETCH(double, d);
    QFETCH(double, l);
    QFETCH(double, rho);
    QFETCH(double, V);
    QFETCH(double, m);
    QFETCH(double, J);
    const cilindro::Risultato r = cilindro::cavo(D, d, l, rho);
    QVERIFY2(std::abs(r.V - V) < 1e-8 * std::abs(V), qPrintable(QString::number(r.V, 'g', 17)));
    QVERIFY2(std::abs(r.m - m) < 1e-8 * std::abs(m), qPrintable(QString::number(r.m, 'g', 17)));
    QVERIFY2(std::abs(r.J - J) < 1e-8 * std::abs(J), qPrintable(QString::number(r.J, 'g', 17)));
    // a thin-walled tube: all the mass at the outer radius, J close to m R^2 of the solid rule
    const cilindro::Risultato thin = cilindro::cavo(200, 199.8, 500, 7.85);
    QVERIFY(std::abs(thin.J / (thin.m * 0.01) - 2.0) < 0.01);
}

void TestUtil::hollowWithoutBoreIsTheSolid_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("rho");
    QTest::newRow("worked example") << 200.0 << 500.0 << 7.85;
    QTest::newRow("odd values") << 123.456 << 789.01 << 2.7;
    QTest::newRow("tiny") << 0.3 << 0.7 << 19.3;
    QTest::newRow("huge") << 1e6 << 3e4 << 11.3;
}

void TestUtil::hollowWithoutBoreIsTheSolid()
{
    QFETCH(double, D);
    QFETCH(double, l);
    QFETCH(double, rho);
    const cilindro::Risultato pieno = cilindro::pieno(D, l, rho);
    const cilindro::Risultato cavo = cilindro::cavo(D, 0, l, rho);
    // bit for bit, not just close (QCOMPARE on doubles is fuzzy)
    QVERIFY(cavo.V == pieno.V);
    QVERIFY(cavo.m == pieno.m);
    QVERIFY2(
        cavo.J == pieno.J,
        qPrintable(QStringLiteral("%1 != %2").arg(cavo.J, 0, 'g', 17).arg(pieno.J, 0, 'g', 17)));
}

void TestUtil::solidWorkedExample()
{
    Utilita u;
    u.var().dMin = 33;
    u.scrivi(QStringLiteral("0"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList());
    QCOMPARE(u.var().flgDatiOk, flag::True);
    QCOMPARE(u.var().DMax, 200.0);
    QCOMPARE(u.var().Lung, 500.0);
    QCOMPARE(u.var().pesoSpec, 7.85);
    QCOMPARE(u.var().dMin, 33.0); // the bore is not read for a solid cylinder
    QCOMPARE(u.f->btnInDat(), (Aspetto{QStringLiteral("Dati validi"), verdeChiaro}));
    QCOMPARE(u.f->btnCalcola().sfondo, verdeChiaro);
    QCOMPARE(u.f->Label1(), (Aspetto{QStringLiteral(" "), grigio}));
    QCOMPARE(u.f->txtOutDat(), QString());

    QSignalSpy spy(u.f.get(), &FormModel::changed);
    u.f->btnCalcola_Click();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,233"));
    QVERIFY(std::abs(u.var().Jcar - 1.2330751) < 5e-8);
    QCOMPARE(u.var().Jcar, cilindro::pieno(200, 500, 7.85).J);
    // boxes are not rewritten and the data stay valid for another "Calcola"
    QCOMPARE(u.caselle(), QStringList({QStringLiteral("0"), QStringLiteral("200"),
                                       QStringLiteral("500"), QStringLiteral("7,85")}));
    QCOMPARE(u.var().flgDatiOk, flag::True);
    QCOMPARE(u.f->Label1(), (Aspetto{QStringLiteral(" "), grigio}));
    QVERIFY(!u.b.programma.isLoaded(FormId::frmRisult));
    QVERIFY(u.b.host.mostrate.empty());
}

void TestUtil::hollowThroughTheWindow()
{
    Utilita u;
    u.f->mnuJ_Cil_Cavo_Click();
    u.scrivi(QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList());
    QCOMPARE(u.var().dMin, 100.0);
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,156"));
    QCOMPARE(u.var().Jcar, cilindro::cavo(200, 100, 500, 7.85).J);
}

void TestUtil::startsSolidAlthoughThePictureIsHollow()
{
    Utilita u;
    QVERIFY(u.f->immagine().endsWith(QStringLiteral("/cilindrocavo.JPG")));
    QCOMPARE(u.var().flgCilCavo, flag::False);
    // the inner diameter box is not even read
    u.scrivi(QStringLiteral("abc"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList());
    QCOMPARE(u.var().flgDatiOk, flag::True);
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,233"));
}

void TestUtil::displayPattern_data()
{
    // clang-format off
    QTest::addColumn<QString>("D");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("rho");
    QTest::addColumn<QString>("shown");
    QTest::newRow("worked example") << "200" << "500" << "7,85" << "1,233";
    QTest::newRow("large, no grouping") << "2000" << "1000" << "7,85" << "24661,502";
    QTest::newRow("below a thousandth") << "100" << "1" << "0,5" << "0,000";
    QTest::newRow("rounds half up") << "200" << "500" << "7,853" << "1,234";
    // clang-format on
}

void TestUtil::displayPattern()
{
    QFETCH(QString, D);
    QFETCH(QString, l);
    QFETCH(QString, rho);
    QFETCH(QString, shown);
    Utilita u;
    u.scrivi(QStringLiteral("0"), D, l, rho);
    u.f->btnInDat_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), shown);
}

void TestUtil::checks_data()
{
    QTest::addColumn<bool>("cavo");
    QTest::addColumn<QStringList>("testi"); // d, D, l, rho
    QTest::addColumn<QStringList>("messaggi");
    const QString interno = QStringLiteral("Inserire diametro interno > 0");
    const QString esterno = QStringLiteral("Inserire diametro esterno > 0");
    const QString lunghezza = QStringLiteral("Inserire larghezza avvolgimento > 0");
    const QString peso = QStringLiteral("Inserire peso specifico > 0");
    QTest::newRow("solid all zero")
        << false << QStringList{"0", "0", "0", "0"} << QStringList{esterno, lunghezza, peso};
    QTest::newRow("hollow zero bore")
        << true << QStringList{"0", "200", "500", "7,85"} << QStringList{interno};
    QTest::newRow("hollow negative bore")
        << true << QStringList{"-1", "200", "500", "7,85"} << QStringList{interno};
    QTest::newRow("solid zero bore is fine")
        << false << QStringList{"0", "200", "500", "7,85"} << QStringList{};
    QTest::newRow("negative length")
        << false << QStringList{"0", "200", "-500", "7,85"} << QStringList{lunghezza};
    QTest::newRow("zero weight") << true << QStringList{"50", "200", "500", "0"}
                                 << QStringList{peso};
    QTest::newRow("bore and weight")
        << true << QStringList{"0", "200", "500", "-7"} << QStringList{interno, peso};
    QTest::newRow("tiny positive values")
        << true << QStringList{"0,001", "0,001", "0,001", "0,001"} << QStringList{};
}

void TestUtil::checks()
{
    QFETCH(bool, cavo);
    QFETCH(QStringList, testi);
    QFETCH(QStringList, messaggi);
    Utilita u;
    if (cavo)
        u.f->mnuJ_Cil_Cavo_Click();
    u.scrivi(testi[0], testi[1], testi[2], testi[3]);
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), messaggi);
    for (const Messaggio &m : u.b.piattaforma.messaggi)
        QCOMPARE(m.titolo, QStringLiteral("Inserimento dati mancanti"));
    QCOMPARE(u.var().flgDatiOk, messaggi.isEmpty() ? flag::True : flag::False);
    const Aspetto atteso = messaggi.isEmpty()
                               ? Aspetto{QStringLiteral("Dati validi"), verdeChiaro}
                               : Aspetto{QStringLiteral("Immissione dati"), rossoChiaro};
    QCOMPARE(u.f->btnInDat(), atteso);
}

void TestUtil::hollowAllZeroGivesFourMessages()
{
    Utilita u;
    u.f->mnuJ_Cil_Cavo_Click();
    u.var().flgDatiOk = flag::True; // left by another window
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList({QStringLiteral("Inserire diametro interno > 0"),
                                        QStringLiteral("Inserire diametro esterno > 0"),
                                        QStringLiteral("Inserire larghezza avvolgimento > 0"),
                                        QStringLiteral("Inserire peso specifico > 0")}));
    QCOMPARE(u.var().flgDatiOk, flag::False);
    // colours and captions stay as they were
    QCOMPARE(u.f->btnInDat(), (Aspetto{QStringLiteral("Immissione dati"), rossoChiaro}));
    QCOMPARE(u.f->btnCalcola().sfondo, rosso);
    QCOMPARE(u.f->Label1(), datiDaInserire());
}

void TestUtil::outerDiameterZeroThenCalcolaDoesNothing()
{
    Utilita u;
    u.var().Jcar = 42;
    u.scrivi(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList({QStringLiteral("Inserire diametro esterno > 0")}));
    QCOMPARE(u.var().flgDatiOk, flag::False);

    QSignalSpy spy(u.f.get(), &FormModel::changed);
    u.f->btnCalcola_Click();
    QCOMPARE(spy.size(), 0);
    QCOMPARE(u.messaggi().size(), 1);
    QCOMPARE(u.f->txtOutDat(), QString());
    QCOMPARE(u.f->Label1(), datiDaInserire());
    QCOMPARE(u.var().Jcar, 42.0);

    // an earlier result stays on screen too
    u.f->setTxtInDat(UtilModel::DiametroEsterno, QStringLiteral("200"));
    u.f->btnInDat_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,233"));
    u.f->btnModDat_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,233"));
    QCOMPARE(u.f->Label1(), datiDaInserire());
}

void TestUtil::innerMayExceedOuter()
{
    Utilita u;
    u.f->mnuJ_Cil_Cavo_Click();
    u.scrivi(QStringLiteral("200"), QStringLiteral("100"), QStringLiteral("100"),
             QStringLiteral("1"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList());
    QCOMPARE(u.var().flgDatiOk, flag::True);
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(),
             u.b.numeri.picture(cilindro::cavo(100, 200, 100, 1).J, QStringLiteral("##0.000")));
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("-0,029"));
}

void TestUtil::notANumber()
{
    Utilita u;
    u.f->mnuJ_Cil_Cavo_Click();
    u.var().flgDatiOk = flag::True;
    u.var().DMax = 7;
    u.scrivi(QStringLiteral("10"), QStringLiteral("due"), QStringLiteral("0"), QStringLiteral(" "));
    u.f->btnInDat_Click();
    // one message per box that holds no number, and no check runs after them
    QCOMPARE(
        u.messaggi(),
        QStringList({immissione::nonNumero(QStringLiteral("D"), QStringLiteral("Diametro esterno"),
                                           QStringLiteral("due")),
                     immissione::nonNumero(QStringLiteral("ρ"), QStringLiteral("Peso specifco"),
                                           QStringLiteral(" "))}));
    QCOMPARE(u.messaggi().at(0),
             QStringLiteral("Il dato \"D\" (Diametro esterno) non è un numero: \"due\""));
    QCOMPARE(u.b.piattaforma.messaggi.at(0).titolo, QStringLiteral("Inserimento dati mancanti"));
    QCOMPARE(u.var().flgDatiOk, flag::False);
    QCOMPARE(u.var().DMax, 7.0);  // left as it was
    QCOMPARE(u.var().dMin, 10.0); // the numbers are converted
    QCOMPARE(u.caselle(), QStringList({QStringLiteral("10"), QStringLiteral("due"),
                                       QStringLiteral("0"), QStringLiteral(" ")}));
    QCOMPARE(u.f->btnInDat().testo, QStringLiteral("Immissione dati"));
}

void TestUtil::nonApplicabileInHollowMode()
{
    Utilita u;
    u.f->mnuCil_Pieno_Click();
    u.scrivi(QStringLiteral("non applicabile"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(), QStringList());
    u.f->mnuJ_Cil_Cavo_Click();
    QCOMPARE(u.f->txtInDat(UtilModel::DiametroInterno), QStringLiteral("non applicabile"));
    u.f->btnInDat_Click();
    QCOMPARE(u.messaggi(),
             QStringList({QStringLiteral("Il dato \"d\" (Diametro interno) non è un numero: "
                                         "\"non applicabile\"")}));
    QCOMPARE(u.var().flgDatiOk, flag::False);
}

void TestUtil::menuEntries()
{
    Utilita u;
    QSignalSpy scelte(u.f.get(), &UtilModel::immagineScelta);
    u.f->setTxtInDat(UtilModel::DiametroInterno, QStringLiteral("55"));
    u.f->mnuJ_Cil_Cavo_Click();
    QCOMPARE(u.var().flgCilCavo, flag::True);
    QCOMPARE(u.f->txtInDat(UtilModel::DiametroInterno), QStringLiteral("55"));
    QCOMPARE(u.f->immagine(), cartella + QStringLiteral("/cilindrocavo.JPG"));
    QCOMPARE(scelte.size(), 1);

    u.f->mnuCil_Pieno_Click();
    QCOMPARE(u.var().flgCilCavo, flag::False);
    QCOMPARE(u.f->txtInDat(UtilModel::DiametroInterno), QStringLiteral("non applicabile"));
    QCOMPARE(u.f->immagine(), cartella + QStringLiteral("/cilindropieno.JPG"));
    QCOMPARE(scelte.size(), 2);

    // the kind outlives the window, the picture starts again from the design's one
    u.f->mnuJ_Cil_Cavo_Click();
    u.f->mnuCil_Pieno_Click();
    u.apri();
    QCOMPARE(u.var().flgCilCavo, flag::False);
    QCOMPARE(u.f->txtInDat(UtilModel::DiametroInterno), QStringLiteral("0"));
    QCOMPARE(u.f->immagine(), cartella + QStringLiteral("/cilindrocavo.JPG"));
    u.f->mnuJ_Cil_Cavo_Click();
    u.apri();
    QCOMPARE(u.var().flgCilCavo, flag::True);
}

void TestUtil::switchingKindRecomputesFromTheVariables()
{
    Utilita u;
    u.f->mnuJ_Cil_Cavo_Click();
    u.scrivi(QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,156"));

    // edited boxes are not read by "Calcola"; the solid formula runs on the same variables
    u.f->setTxtInDat(UtilModel::DiametroEsterno, QStringLiteral("999"));
    u.f->mnuCil_Pieno_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,233"));
    u.f->mnuJ_Cil_Cavo_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,156"));
    QCOMPARE(u.var().flgDatiOk, flag::True);
}

void TestUtil::modificaDati_data()
{
    QTest::addColumn<bool>("cavo");
    QTest::newRow("solid keeps dMin") << false;
    QTest::newRow("hollow clears dMin") << true;
}

void TestUtil::modificaDati()
{
    QFETCH(bool, cavo);
    Utilita u;
    if (cavo)
        u.f->mnuJ_Cil_Cavo_Click();
    u.scrivi(QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.var().dMin = 100;
    u.f->btnInDat_Click();
    u.f->btnCalcola_Click();
    QCOMPARE(u.var().flgDatiOk, flag::True);

    u.f->btnModDat_Click();
    QCOMPARE(u.var().flgDatiOk, flag::False);
    QCOMPARE(u.var().dMin, cavo ? 0.0 : 100.0);
    QCOMPARE(u.var().DMax, 0.0);
    QCOMPARE(u.var().Lung, 0.0);
    QCOMPARE(u.var().pesoSpec, 0.0);
    QCOMPARE(u.f->btnInDat(), (Aspetto{QStringLiteral("Immissione dati"), rossoChiaro}));
    QCOMPARE(u.f->btnCalcola().sfondo, rosso);
    QCOMPARE(u.f->Label1(), datiDaInserire());
    QCOMPARE(u.caselle(), QStringList({QStringLiteral("100"), QStringLiteral("200"),
                                       QStringLiteral("500"), QStringLiteral("7,85")}));
    QCOMPARE(u.f->txtOutDat(), QString(cavo ? "1,156" : "1,233"));
}

void TestUtil::sharedStateWithOtherWindows()
{
    Utilita u;
    u.var().dMin = 70;
    u.var().DMax = 1500;
    u.var().Lung = 1200;
    u.var().pesoSpec = 0.9;
    u.f->mnuJ_Cil_Cavo_Click();
    u.scrivi(QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    // the reel keeps its diameters, width and specific weight in the same variables
    QCOMPARE(u.var().dMin, 100.0);
    QCOMPARE(u.var().DMax, 200.0);
    QCOMPARE(u.var().Lung, 500.0);
    QCOMPARE(u.var().pesoSpec, 7.85);
    QCOMPARE(u.var().flgDatiOk, flag::True);

    // data validated elsewhere make this "Calcola" compute from the variables as they stand
    Utilita w;
    w.var().flgDatiOk = flag::True;
    w.var().DMax = 200;
    w.var().Lung = 500;
    w.var().pesoSpec = 7.85;
    w.f->btnCalcola_Click();
    QCOMPARE(w.f->txtOutDat(), QStringLiteral("1,233"));
    QCOMPARE(w.f->Label1(), datiDaInserire());
}

void TestUtil::resultThatIsNotFinite()
{
    Utilita u;
    u.scrivi(QStringLiteral("0"), QStringLiteral("1e200"), QStringLiteral("500"),
             QStringLiteral("7,85"));
    u.f->btnInDat_Click();
    QCOMPARE(u.var().flgDatiOk, flag::True);
    u.var().Jcar = 42;
    u.f->btnCalcola_Click();
    const Aspetto errore{QStringLiteral("Impossibile calcolare: risultato non finito"), rosso,
                         colori::nero};
    QCOMPARE(u.f->Label1(), errore);
    QCOMPARE(u.f->txtOutDat(), QString());
    QCOMPARE(u.var().Jcar, 42.0);
    QVERIFY(u.messaggi().isEmpty());

    // hollow: infinity less infinity
    u.f->mnuJ_Cil_Cavo_Click();
    u.var().dMin = 1e200;
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->Label1(), errore);
    QCOMPARE(u.var().Jcar, 42.0);

    // once the variables allow it again the label returns to the valid state
    u.f->mnuCil_Pieno_Click();
    u.var().DMax = 200;
    u.f->btnCalcola_Click();
    QCOMPARE(u.f->txtOutDat(), QStringLiteral("1,233"));
    QCOMPARE(u.f->Label1(), (Aspetto{QStringLiteral(" "), grigio}));
}

QTEST_GUILESS_MAIN(TestUtil)
#include "tst_util.moc"
