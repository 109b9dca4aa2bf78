// The File menu of every calculator window, one table over the six of them: the data file's
// round trip through each save entry, how a file is read into the boxes, the new file, and
// the files that cannot be read or written. The windows' own entries are called by name, as
// the menu bar calls them.

#include "fakes.h"

#include "calcolatrice/calcolatrice.h"
#include "shell/variabili.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Finestra {
    FormId id;
    int caselle;
    const char *apri;            // the open entry; none: the window has no File menu
    QStringList salva;           // the save entries
    const char *nuovo = nullptr; // the new-file entry, where there is one
    const char *titoloNuovo = nullptr;
    bool mostraData = true; // line 1 goes to a label of the window
};

const Finestra finestre[] = {
    // clang-format off
    {FormId::elevForm, 22, "mnuFileApri", {"mnuSaveFile", "mnuSaveFileAs"}, nullptr, nullptr, false},
    {FormId::convayorForm, 19, "mnuFileApri", {"mnuFileSav", "mnuFileSavAs"}, "mnuNewFile", "Salva File"},
    {FormId::Soll_vite_Form, 25, "mnuApriFile", {"mnuSalvaFileNome", "mnuSalvaFile"}, "mnuApriNwFil", "Nuovo File"},
    {FormId::traslForm, 25, "mnuApriFile", {"mnuSalvaFileNome", "muSalvaFile"}},
    {FormId::aspoForm, 14, "mnuFileApri", {"mnusalva", "mnusalvaconnome"}},
    {FormId::utilForm, 4, nullptr, {}, nullptr, nullptr, false},
    // clang-format on
};

void righe()
{
    QTest::addColumn<int>("indice");
    const char *const nomi[] = {"tamburo", "tappeto", "vite", "traslazione", "aspo", "utilita"};
    for (int i = 0; i < int(std::size(finestre)); ++i)
        QTest::newRow(nomi[i]) << i;
}

// A window opened on the fake desktop, with its menu entries by name.
struct Banco2 {
    Banco b;
    const Finestra &f;
    Calcolatrice *m = nullptr;
    explicit Banco2(const Finestra &finestra) : f(finestra) { apri(); }
    void apri()
    {
        b.programma.openForm(f.id);
        m = b.programma.form<Calcolatrice>(f.id);
    }
    void voce(const char *nome)
    {
        for (const Menu &menu : m->menu())
            for (const VoceMenu &v : menu.voci)
                if (v.nome == QLatin1String(nome))
                    return v.azione();
        QFAIL(nome);
    }
    // the open entry with the dialog answering `path`; true when the file was read
    bool apriFile(const QString &path)
    {
        b.piattaforma.risposte = {path};
        if (!f.apri)
            return m->ApriFile();
        const size_t prima = b.piattaforma.messaggi.size();
        voce(f.apri);
        return !path.isEmpty() && b.piattaforma.messaggi.size() == prima;
    }
    void salva(const QString &path, const char *entry = nullptr)
    {
        b.piattaforma.risposte = {path};
        if (f.salva.isEmpty())
            m->SalvaFile();
        else
            voce(entry ? entry : qPrintable(f.salva.first()));
    }
};

QString scrivi(QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QByteArray contenuto(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMenuFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() { righe(); }
    void roundTrip();
    void reading_data() { righe(); }
    void reading();
    void newFile_data() { righe(); }
    void newFile();
    void failures_data() { righe(); }
    void failures();
};

// Every box text back as it was, through each save entry: empty, not a number, blanks kept,
// characters beyond the Windows code page.
void TestMenuFile::roundTrip()
{
    QFETCH(int, indice);
    const Finestra &f = finestre[indice];
    QTemporaryDir dir;
    Banco2 t(f);
    QCOMPARE(t.m->caselle(), f.caselle);
    const QString insoliti[] = {QString(), QStringLiteral("non è un numero"),
                                QStringLiteral("  12,5  "), QStringLiteral("€ ≥ 1")};
    for (int k = 0; k < f.caselle; ++k)
        t.m->setTxtInDat(k, k < 4 ? insoliti[k] : QString::number(k * 7));
    const QStringList saved = t.m->testi();

    const QStringList entries = f.salva.isEmpty() ? QStringList{QString()} : f.salva;
    for (const QString &entry : entries) {
        const QString path = dir.filePath(entry + QStringLiteral(".txt"));
        t.salva(path, entry.isEmpty() ? nullptr : qPrintable(entry));
        QVERIFY(t.b.piattaforma.messaggi.empty());
        QCOMPARE(t.b.piattaforma.filtri.back(), QStringLiteral("File di testo (*.txt)|*.txt|"));
        QCOMPARE(t.b.piattaforma.conferme.back(), false);
        const QByteArray bytes = contenuto(path);
        QCOMPARE(bytes.count("\r\n"), f.caselle + 1);
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(bytes.startsWith("Dati registrati il:         "));
        QCOMPARE(bytes.indexOf('/'), 30); // the date starts in column 29
        // every save entry asks for the name, starting from the last one chosen
        QCOMPARE(t.b.piattaforma.partenze.back(),
                 entry == entries.first() ? QString() : dir.filePath(entries.first() + ".txt"));
    }

    // a fresh window, back at its presets, reads it back
    t.m->btnEsci_Click();
    t.apri();
    QVERIFY(t.m->testi() != saved);
    QVERIFY(t.apriFile(dir.filePath(entries.first() + QStringLiteral(".txt"))));
    QCOMPARE(t.m->testi(), saved);
    if (f.mostraData)
        QVERIFY(t.m->rigaData().startsWith(QStringLiteral("Dati registrati il:         ")));
}

// Value lines fill the boxes by index; surplus lines are ignored, missing ones leave their
// boxes; a file of another window fills by index too; the flag and the marking stay.
void TestMenuFile::reading()
{
    QFETCH(int, indice);
    const Finestra &f = finestre[indice];
    QTemporaryDir dir;
    Banco2 t(f);

    QByteArray lunga = "Dati registrati il:         01/01/2020 10:00:00\r\n";
    for (int i = 0; i < 30; ++i)
        lunga += QByteArray::number(i) + "\r\n";
    t.b.var().flgDatiOk = flag::True;
    const Aspetto pulsante = t.m->btnInseDat();
    QVERIFY(t.apriFile(scrivi(dir, QStringLiteral("lunga.txt"), lunga)));
    for (int k = 0; k < f.caselle; ++k)
        QCOMPARE(t.m->txtInDat(k), QString::number(k));
    QCOMPARE(t.b.var().flgDatiOk, flag::True);
    QCOMPARE(t.m->btnInseDat(), pulsante);
    QCOMPARE(t.m->rigaData(), QStringLiteral("Dati registrati il:         01/01/2020 10:00:00"));

    // only the first line: no box changes
    const QStringList before = t.m->testi();
    QVERIFY(t.apriFile(scrivi(dir, QStringLiteral("solo.txt"), "nuovo file\r\n")));
    QCOMPARE(t.m->testi(), before);
    QCOMPARE(t.m->rigaData(), QStringLiteral("nuovo file"));

    // Windows-1252 with LF ends, shorter than the window: an empty line empties its box
    QVERIFY(t.apriFile(scrivi(dir, QStringLiteral("ansi.txt"), "data\n\x80 5\nabc\xe0\n\n")));
    QCOMPARE(t.m->txtInDat(0), QStringLiteral("€ 5"));
    QCOMPARE(t.m->txtInDat(1), QStringLiteral("abcà"));
    QCOMPARE(t.m->txtInDat(2), QString());
    QCOMPARE(t.m->txtInDat(3), before[3]);
}

void TestMenuFile::newFile()
{
    QFETCH(int, indice);
    const Finestra &f = finestre[indice];
    if (!f.nuovo)
        QSKIP("no new-file entry on this window");
    QTemporaryDir dir;
    Banco2 t(f);
    const QStringList before = t.m->testi();
    const QString path = dir.filePath(QStringLiteral("nuovo.txt"));
    t.b.piattaforma.risposte = {path};
    t.voce(f.nuovo);
    QVERIFY(t.b.piattaforma.messaggi.empty());
    // a save dialog that asks before replacing a file
    QCOMPARE(t.b.piattaforma.conferme, QList<bool>{true});
    QCOMPARE(contenuto(path), QByteArray("nuovo file\r\n"));
    QCOMPARE(t.m->testi(), before);
    // cancelled: nothing; cannot be written: a message with the window's title
    t.voce(f.nuovo);
    QVERIFY(t.b.piattaforma.messaggi.empty());
    t.b.piattaforma.risposte = {dir.filePath(QStringLiteral("manca/dentro.txt"))};
    t.voce(f.nuovo);
    QCOMPARE(t.b.piattaforma.messaggi.size(), size_t(1));
    QCOMPARE(t.b.piattaforma.messaggi.front().titolo, QLatin1String(f.titoloNuovo));
    QCOMPARE(t.b.piattaforma.messaggi.front().finestra, f.id);
}

// Files that cannot be read give one "Apri File" message and change no box; saves that cannot
// be written give one "Salva File" message and leave the old file; cancelled dialogs do nothing.
void TestMenuFile::failures()
{
    QFETCH(int, indice);
    const Finestra &f = finestre[indice];
    QTemporaryDir dir;
    Banco2 t(f);
    const QStringList before = t.m->testi();

    QVERIFY(!t.apriFile(QString()));
    t.salva(QString());
    QVERIFY(t.b.piattaforma.messaggi.empty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    const QString fifo = dir.filePath(QStringLiteral("tubo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString files[] = {
        dir.filePath(QStringLiteral("manca.txt")),
        scrivi(dir, QStringLiteral("vuoto.txt"), QByteArray()),
        scrivi(dir, QStringLiteral("binario.txt"),
               QByteArray("\x7f"
                          "ELF\x02\x01\x00\x00",
                          8)),
        scrivi(dir, QStringLiteral("enorme.txt"), QByteArray(2 << 20, '1')),
        dir.path(),
        // a pipe nobody writes to (opening it would wait for ever) and an endless device
        fifo,
        QStringLiteral("/dev/zero"),
        // a file the system lets open but fails to read
        QStringLiteral("/proc/self/mem"),
    };
    for (const QString &path : files) {
        t.b.piattaforma.messaggi.clear();
        t.apriFile(path);
        QCOMPARE(t.b.piattaforma.messaggi.size(), size_t(1));
        QCOMPARE(t.b.piattaforma.messaggi.front().titolo, QStringLiteral("Apri File"));
        QCOMPARE(t.b.piattaforma.messaggi.front().finestra, f.id);
        QCOMPARE(t.m->testi(), before);
    }
    QCOMPARE(t.b.piattaforma.messaggi.front().testo,
             QStringLiteral("Impossibile leggere il file \"mem\": errore di lettura"));

    const QString old = scrivi(dir, QStringLiteral("vecchio.txt"), "contenuto\r\n");
    for (const QString &path :
         {dir.path(), dir.filePath(QStringLiteral("manca/dentro.txt")), old + "/x.txt"}) {
        t.b.piattaforma.messaggi.clear();
        t.salva(path);
        QCOMPARE(t.b.piattaforma.messaggi.size(), size_t(1));
        QCOMPARE(t.b.piattaforma.messaggi.front().titolo, QStringLiteral("Salva File"));
    }
    QCOMPARE(contenuto(old), QByteArray("contenuto\r\n"));
    QCOMPARE(t.m->testi(), before);
}

QTEST_APPLESS_MAIN(TestMenuFile)
#include "tst_menufile.moc"
