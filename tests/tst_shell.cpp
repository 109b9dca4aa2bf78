// The main window, the one-instance rule, the shared flag across windows, the help windows,
// and the data file and text codec underneath every calculator.

#include "app/argomenti.h"
#include "app/lavori.h"
#include "fakes.h"

#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "shell/aiutomodel.h"
#include "shell/datafile.h"
#include "shell/immissione.h"
#include "shell/mainmodel.h"
#include "shell/nomi.h"
#include "shell/sistema.h"
#include "shell/textcodec.h"
#include "shell/traduzione.h"
#include "shell/variabili.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void mainWindow();
    void jobsTable_data();
    void jobsTable();
    void choiceOrder_data();
    void choiceOrder();
    void menusOpenTheSameForms();
    void oneInstanceAndUnload();
    void sharedFlagAcrossWindows();
    void flagAcrossCalculators();
    void helpWindows();
    void dateLine();
    void codec_data();
    void codec();
    void lineEnds();
    void fileMessages_data();
    void fileMessages();
    void longQuotes();
    void italianTexts();
    void names_data();
    void names();
    void openWithoutWaiting();
};

void TestShell::mainWindow()
{
    Banco b;
    b.programma.openForm(FormId::mainForm);
    auto *m = b.programma.form<MainModel>(FormId::mainForm);
    QCOMPARE(m->caption(), QStringLiteral("   Finestra principale - scelta del tipo di lavoro"));
    QCOMPARE(m->optChWrk(), -1);
    QStringList captions;
    for (const auto &lavoro : m->lavori())
        captions << lavoro.didascalia;
    QCOMPARE(captions, (QStringList{"Tappeto o convogliatore", "Sollevamento con vite e madrevite",
                                    "Spstamento orizzontale con vite e madrevite", "Aspo",
                                    "Sollevamento con tamburo", "Utilità"}));
    // "Lavoro scelto" with nothing selected does nothing
    b.host.mostrate.clear();
    m->bntChWrk_Click();
    QVERIFY(b.host.mostrate.empty());
    // start-up builds the main window only
    QVERIFY(!b.programma.isLoaded(FormId::elevForm));
    QVERIFY(!b.programma.isLoaded(FormId::aiutoForm));
}

void TestShell::jobsTable_data()
{
    QTest::addColumn<int>("riga");
    for (int i = 0; i < lavori::tutti().size(); ++i)
        QTest::newRow(qPrintable(lavori::tutti().at(i).nome)) << i;
}

// Each row of the table of jobs is what the main window, the table of windows and the batch
// program's command line offer.
void TestShell::jobsTable()
{
    QFETCH(int, riga);
    const Lavoro &l = lavori::tutti().at(riga);
    Banco b;
    b.programma.openForm(FormId::mainForm);
    auto *m = b.programma.form<MainModel>(FormId::mainForm);
    QCOMPARE(m->lavori().at(l.opzione).didascalia, l.didascalia);
    m->setOptChWrk(l.opzione);
    m->bntChWrk_Click();
    QCOMPARE(b.host.mostrate.back(), l.finestra);
    auto *calcolatrice = b.programma.form<Calcolatrice>(l.finestra);
    QVERIFY(calcolatrice);
    QCOMPARE(calcolatrice->id(), l.finestra);
    // its menu entry opens it too
    const QList<VoceMenu> scelte = m->menu().at(1).voci;
    const auto voce = std::find_if(scelte.begin(), scelte.end(), [&l](const VoceMenu &v) {
        return l.voce && v.nome == l.voce->nome;
    });
    QCOMPARE(voce != scelte.end(), l.voce.has_value());
    if (l.voce) {
        b.programma.unloadForm(l.finestra);
        voce->azione();
        QVERIFY(b.programma.isLoaded(l.finestra));
    }
    // the command line takes its own options, the check's when it has one, and no other job's
    QVERIFY(argomenti::aiuto().contains(QStringLiteral("  ") + l.nome));
    QString errori;
    QTextStream err(&errori);
    for (const argomenti::Opzione &o : argomenti::opzioni()) {
        if (o.lavori.isEmpty() || o.nome == QLatin1String("sicurezza") ||
            o.nome == QLatin1String("inerzia-max"))
            continue;
        QStringList args{l.nome, QStringLiteral("dati.txt"), QStringLiteral("--") + o.nome};
        if (o.nome == QLatin1String("grafico"))
            args << QStringLiteral("tiro") << QStringLiteral("g.png");
        else if (!o.valori.isEmpty())
            args << QStringLiteral("x");
        argomenti::Argomenti a;
        QCOMPARE(argomenti::leggi(args, a, err), o.lavori.contains(l.nome));
    }
}

void TestShell::choiceOrder_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("form");
    const FormId forms[] = {FormId::convayorForm, FormId::Soll_vite_Form, FormId::traslForm,
                            FormId::aspoForm,     FormId::elevForm,       FormId::utilForm};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("option %d", i) << i << int(forms[i]);
}

void TestShell::choiceOrder()
{
    QFETCH(int, option);
    QFETCH(int, form);
    Banco b;
    b.programma.openForm(FormId::mainForm);
    auto *m = b.programma.form<MainModel>(FormId::mainForm);
    m->setOptChWrk(option);
    m->bntChWrk_Click();
    QCOMPARE(int(b.host.mostrate.back()), form);
    QVERIFY(b.programma.isLoaded(FormId(form)));
    // the main window stays open beside the job window
    QVERIFY(b.programma.isLoaded(FormId::mainForm));
}

void TestShell::menusOpenTheSameForms()
{
    Banco b;
    b.programma.openForm(FormId::mainForm);
    auto *m = b.programma.form<MainModel>(FormId::mainForm);
    m->mnuConv_Click();
    m->mnuSlvVi_Click();
    m->mnuTralHor_Click();
    m->mnuAspo_Click();
    m->mnuAiuto_Click();
    QCOMPARE(b.host.mostrate,
             (std::vector<FormId>{FormId::mainForm, FormId::convayorForm, FormId::Soll_vite_Form,
                                  FormId::traslForm, FormId::aspoForm, FormId::aiutoForm}));
}

void TestShell::oneInstanceAndUnload()
{
    Banco b;
    b.programma.openForm(FormId::mainForm);
    auto *m = b.programma.form<MainModel>(FormId::mainForm);
    m->setOptChWrk(4);
    m->bntChWrk_Click();
    auto *f = b.programma.form<ElevModel>(FormId::elevForm);
    f->setTxtInDat(ElevModel::DS, QStringLiteral("250"));
    // a second opening brings the same window forward, its data unchanged
    m->bntChWrk_Click();
    QCOMPARE(b.programma.form<ElevModel>(FormId::elevForm), f);
    QCOMPARE(f->txtInDat(ElevModel::DS), QStringLiteral("250"));
    QCOMPARE(b.host.mostrate.back(), FormId::elevForm);
    // closing the main window closes nothing else
    m->btnExit_Click();
    QVERIFY(!b.programma.isLoaded(FormId::mainForm));
    QVERIFY(b.programma.isLoaded(FormId::elevForm));
    QCOMPARE(b.host.chiuse, std::vector<FormId>{FormId::mainForm});
    // the calculator still computes and shows its result window
    f->setTxtInDat(ElevModel::DS, QStringLiteral("200"));
    f->setTxtInDat(ElevModel::WL, QStringLiteral("500"));
    f->setTxtInDat(ElevModel::WT, QStringLiteral("100"));
    f->setTxtInDat(ElevModel::N, QStringLiteral("20"));
    f->setTxtInDat(ElevModel::Vl, QStringLiteral("0,5"));
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    QVERIFY(b.programma.isLoaded(FormId::frmRisult));
    // after "Esci" the next opening starts again from the presets
    f->btnEsci_Click();
    QVERIFY(!b.programma.isLoaded(FormId::elevForm));
    b.programma.openForm(FormId::elevForm);
    QCOMPARE(b.programma.form<ElevModel>(FormId::elevForm)->txtInDat(ElevModel::DS),
             QStringLiteral("0"));
    // the shared state is not reset by either
    QCOMPARE(b.var().Diam, 200.0);
}

void TestShell::sharedFlagAcrossWindows()
{
    Banco b;
    b.programma.openForm(FormId::elevForm);
    auto *f = b.programma.form<ElevModel>(FormId::elevForm);
    f->setTxtInDat(ElevModel::DS, QStringLiteral("200"));
    f->setTxtInDat(ElevModel::WL, QStringLiteral("500"));
    f->setTxtInDat(ElevModel::WT, QStringLiteral("100"));
    f->setTxtInDat(ElevModel::N, QStringLiteral("20"));
    f->setTxtInDat(ElevModel::Vl, QStringLiteral("0,5"));
    f->btnInseDat_Click();
    QCOMPARE(b.var().flgDatiOk, flag::True);
    // opening another calculator clears the flag for all; the utilities window does not
    b.programma.openForm(FormId::utilForm);
    QCOMPARE(b.var().flgDatiOk, flag::True);
    b.programma.openForm(FormId::convayorForm);
    QCOMPARE(b.var().flgDatiOk, flag::False);
    f->btnCalcola_Click();
    QCOMPARE(f->Label15().testo, QStringLiteral("Dati mancanti o errati"));
    // data validated elsewhere make this window compute from the shared state as it stands
    b.var().flgDatiOk = flag::True;
    b.var().Wm = 1450;
    f->btnCalcola_Click();
    QCOMPARE(f->txtInDat(ElevModel::Cmt),
             b.numeri.picture(b.var().Cmt, QStringLiteral("##0.000#")));
    QVERIFY(b.var().Pm > 5);
}

void TestShell::flagAcrossCalculators()
{
    Banco b;
    b.programma.openForm(FormId::elevForm);
    auto *tamburo = b.programma.form<ElevModel>(FormId::elevForm);
    b.programma.openForm(FormId::convayorForm);
    auto *tappeto = b.programma.form<ConvModel>(FormId::convayorForm);
    // the conveyor's worked example, entered in the conveyor
    const QStringList valori{"100", "20", "0", "0", "0", "0", "1", "10", "0,2", "0"};
    for (int k = 0; k < valori.size(); ++k)
        tappeto->setTxtInDat(k, valori[k]);
    tappeto->btnInseDat_Click();
    QCOMPARE(b.var().flgDatiOk, flag::True);
    // the hoist computes at once from the shared values the conveyor left
    tamburo->btnCalcola_Click();
    QVERIFY(b.programma.isLoaded(FormId::frmRisult));
    QCOMPARE(tamburo->txtInDat(ElevModel::Wm),
             QStringLiteral("0")); // its own boxes are not read again
    QVERIFY(tamburo->txtInDat(ElevModel::Cmt) != QStringLiteral("0"));
    // opening another calculator clears the flag for all, the utilities window does not
    b.programma.openForm(FormId::utilForm);
    QCOMPARE(b.var().flgDatiOk, flag::True);
    b.programma.openForm(FormId::Soll_vite_Form);
    QCOMPARE(b.var().flgDatiOk, flag::False);
    tappeto->btnCalcola_Click();
    QCOMPARE(tappeto->statusLabel().testo, QStringLiteral("Dati mancanti o errati"));
    tamburo->btnCalcola_Click();
    QCOMPARE(tamburo->statusLabel().testo, QStringLiteral("Dati mancanti o errati"));
}

void TestShell::helpWindows()
{
    Banco b;
    b.programma.openForm(FormId::mainForm);
    b.programma.form<MainModel>(FormId::mainForm)->mnuAiuto_Click();
    auto *aiuto = b.programma.form<AiutoModel>(FormId::aiutoForm);
    QCOMPARE(aiuto->caption(), QStringLiteral("Aiuto"));
    QCOMPARE(aiuto->esciMenuCaption(), QStringLiteral("&Esci"));
    QVERIFY(aiuto->testo().contains(QStringLiteral("Dati validi")));
    QVERIFY(aiuto->testo().contains(QStringLiteral("Modifica Dati")));
    aiuto->mnuExit_Click();
    QVERIFY(!b.programma.isLoaded(FormId::aiutoForm));

    b.programma.openForm(FormId::elevForm);
    b.programma.form<ElevModel>(FormId::elevForm)->mnuAiuto_Click();
    auto *tamburo = b.programma.form<AiutoModel>(FormId::aiutoForm_elev);
    QCOMPARE(tamburo->caption(), QStringLiteral("Aiuto per sollevamento con tampburo"));
    QCOMPARE(tamburo->esciMenuCaption(), QStringLiteral("E&sci"));
    QVERIFY(tamburo->hasEsciButton());
    QVERIFY(tamburo->testo().contains(QStringLiteral("millimetri")));
    QVERIFY(tamburo->testo().contains(QStringLiteral("Immissione dati")));
    tamburo->btnEsci_Click();
    QVERIFY(!b.programma.isLoaded(FormId::aiutoForm_elev));
}

void TestShell::dateLine()
{
    const NumberFormat it(QLocale(QLocale::Italian, QLocale::Italy));
    const QDateTime when(QDate(2026, 12, 8), QTime(13, 27, 4));
    QCOMPARE(datafile::dateLine(it, when),
             QStringLiteral("Dati registrati il:         08/12/2026 13:27:04"));
    QCOMPARE(datafile::toNextZone(QString(14, QLatin1Char('x'))).size(), 28);
}

void TestShell::codec_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "0,7\r\n" << QByteArray("0,7\r\n");
    QTest::newRow("accents in the code page") << "Velocità €" << QByteArray("Velocit\xe0 \x80");
    QTest::newRow("beyond the code page") << "≥ 5 Ω" << QByteArray("\xe2\x89\xa5 5 \xce\xa9");
}

void TestShell::codec()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(textcodec::encodeForFile(text), bytes);
    QCOMPARE(textcodec::decodeFromFile(bytes), text);
    // a UTF-8 file written elsewhere, with or without BOM
    QCOMPARE(textcodec::decodeFromFile("\xef\xbb\xbf" + text.toUtf8()), text);
    QCOMPARE(textcodec::decodeFromFile(text.toUtf8()), text);
}

void TestShell::lineEnds()
{
    QCOMPARE(datafile::splitLines(QStringLiteral("a\r\nb\nc\rd\r\n")),
             (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(datafile::splitLines(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    QCOMPARE(datafile::splitLines(QStringLiteral("a")), QStringList{"a"});
    QCOMPARE(datafile::joinLines({"a", "", "b"}), QByteArray("a\r\n\r\nb\r\n"));
}

void TestShell::fileMessages_data()
{
    QTest::addColumn<QString>("path"); // under a scratch folder holding the file vuoto.txt
    QTest::addColumn<QString>("reason");
    // clang-format off
    QTest::newRow("under a file") << "vuoto.txt/x.txt" << "\"vuoto.txt\" è un file, non una cartella";
    QTest::newRow("in a missing folder") << "manca/x.txt" << "la cartella \"manca\" non esiste";
    QTest::newRow("long name under a file")
        << QStringLiteral("vuoto.txt/") + QString(200, QLatin1Char('n')) + QStringLiteral(".txt")
        << "\"vuoto.txt\" è un file, non una cartella";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) + QStringLiteral(".txt") << "nome troppo lungo";
    // clang-format on
}

// What a save or an open that cannot reach its file says, for "Salva File", "Salva risultati",
// "Nuovo File" and "Apri File" alike; a long file name is quoted short.
void TestShell::fileMessages()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(datafile::write(dir.filePath(QStringLiteral("vuoto.txt")), {}).isEmpty());
    const QString name = QFileInfo(path).fileName();
    const QString quoted = name.size() > 60 ? name.left(30) + QChar(0x2026) + name.right(29) : name;
    QCOMPARE(datafile::write(dir.filePath(path), {QStringLiteral("nuovo file")}),
             QStringLiteral("Impossibile salvare il file \"%1\": %2.").arg(quoted, reason));
    const datafile::ReadResult read = datafile::read(dir.filePath(path));
    QVERIFY(!read.ok);
    QCOMPARE(read.error,
             QStringLiteral("Impossibile aprire il file \"%1\": %2").arg(quoted, reason));
}

void TestShell::longQuotes()
{
    const QString digits(400, QLatin1Char('7'));
    const QString message = immissione::nonNumero(QStringLiteral("DS"), QStringLiteral("Diametro"),
                                                  digits + QStringLiteral("x"));
    QCOMPARE(message, QStringLiteral("Il dato \"DS\" (Diametro) non è un numero: \"") +
                          QString(20, QLatin1Char('7')) + QChar(0x2026) +
                          QString(18, QLatin1Char('7')) + QStringLiteral("x\""));
    QCOMPARE(immissione::citazione(QStringLiteral("12,5x")), QStringLiteral("12,5x"));
    QCOMPARE(immissione::citazione(QString(40, QLatin1Char('a'))).size(), 40);
}

void TestShell::italianTexts()
{
    int argc = 1;
    char name[] = "tst_shell";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    // where the translation is missing the program starts all the same, in English
    QTemporaryDir vuota;
    QVERIFY(!traduzione::caricaQt(app, vuota.path()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QVERIFY(traduzione::caricaQt(app));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Cerca in:"));
}

void TestShell::names_data()
{
    QTest::addColumn<QByteArray>("byte"); // a name as the system holds it
    QTest::addColumn<QString>("stampato");
    // clang-format off
    QTest::newRow("UTF-8") << QByteArray("città è.txt") << "città è.txt";
    QTest::newRow("Latin-1 byte") << QByteArray("citt\xe0.txt") << "citt\\xe0.txt";
    QTest::newRow("bad bytes and a cut sequence") << QByteArray("\xff\xfe a \xe2\x82") << "\\xff\\xfe a \\xe2\\x82";
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << "\\xc0\\xaf";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xbf") << "\\xed\\xb3\\xbf";
    QTest::newRow("controls") << QByteArray("a\nb\rc\td\x1b[2J\x7f") << "a\\nb\\rc\\td\\x1b[2J\\x7f";
    QTest::newRow("C1 and bidirectional controls") << QByteArray("\xc2\x9b \xe2\x80\xae \xe2\x81\xa9")
                                                    << "\\x9b \\u202e \\u2069";
    QTest::newRow("backslashes of a Windows path stay") << QByteArray("C:\\Progetti") << "C:\\Progetti";
    // clang-format on
}

// A file name's bytes survive the program's text whatever they are, and print escaped where
// they could forge a line or drive a terminal.
void TestShell::names()
{
    QFETCH(QByteArray, byte);
    QFETCH(QString, stampato);
    const QString nome = nomi::daByte(byte);
    QCOMPARE(nomi::inByte(nome), byte);
    QCOMPARE(nomi::stampabile(nome), stampato);
}

// A pipe is opened without waiting for a writer and refused by what was opened, so a data file
// replaced by one after a look at its name cannot hold the program.
void TestShell::openWithoutWaiting()
{
    QTemporaryDir dir;
    const QString tubo = dir.filePath(QStringLiteral("tubo.txt"));
    QCOMPARE(mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    const sistema::Lettura letto = sistema::leggi(tubo, 100);
    QVERIFY(letto.aperto);
    QCOMPARE(letto.tipo, sistema::Tipo::Altro);
    QVERIFY(letto.byte.isEmpty());
}

QTEST_APPLESS_MAIN(TestShell)
#include "tst_shell.moc"
