// The user's list of motors: the lists refused and the message of each, a list read in all
// the ways a spreadsheet may write it, its encodings, a long list, and the list shipped.

#include "verifica/catalogo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using verifica::leggiCatalogo;

namespace {

const QByteArray intestazione = "nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;"
                                "coppia_nominale_kgm;coppia_massima_kgm;inerzia_kgm2\n";

bool scrivi(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestCatalogo : public QObject {
    Q_OBJECT
private slots:
    void rifiutati_data();
    void rifiutati();
    void letto();
    void codifiche();
    void comeLiScrivono_data();
    void comeLiScrivono();
    void lungo();
    void esempio();
};

void TestCatalogo::rifiutati_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<QString>("errore");   // after `Catalogo motori "motori.csv", `
    const QByteArray &h = intestazione;
    const auto riga = [](const char *campi) { return QByteArray(campi) + '\n'; };

    QTest::newRow("missing file")
        << QByteArray() << "Impossibile aprire il file \"motori.csv\": il file non esiste";
    QTest::newRow("binary") << h + QByteArray("M1\0", 3)
                            << "Il file \"motori.csv\" non è un file di testo.";
    QTest::newRow("too big")
        << QByteArray((16 << 20) + 1, 'x')
        << "Il file \"motori.csv\" supera 16 MB, il limite di un catalogo motori.";
    QTest::newRow("empty") << QByteArray("") << "riga 1: il file è vuoto.";
    QTest::newRow("blank lines") << QByteArray(" \r\n\t\n") << "riga 1: il file è vuoto.";
    QTest::newRow("header only") << "\n" + h + " \n"
                                 << "riga 2: nessun motore dopo la riga di intestazione.";
    // a column that is not the list's own is left out; the ones it needs must be there
    // clang-format off
    QTest::newRow("unknown column") << riga("nome;potenza_kW;coppia;velocita_massima_rpm")
                                    << "riga 1: manca la colonna \"velocita_nominale_rpm\".";
    QTest::newRow("missing column")
        << riga("nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;coppia_massima_kgm")
        << "riga 1: manca la colonna \"inerzia_kgm2\".";
    QTest::newRow("missing torque")
        << riga("nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;inerzia_kgm2")
        << "riga 1: manca la colonna \"coppia_massima_kgm\".";
    QTest::newRow("repeated column")
        << riga("nome;potenza_kW;NOME") << "riga 1, colonna 3: colonna ripetuta \"NOME\".";
    QTest::newRow("torque in both units")
        << riga("nome;coppia_massima_Nm;potenza_kW;coppia_massima_kgm")
        << "riga 1, colonna 4: colonna ripetuta \"coppia_massima_kgm\".";
    QTest::newRow("text in a number")
        << h + riga("M1;4 kW;1450;3000;2,69;7;0,0135")
        << "riga 2, colonna \"potenza_kW\": \"4 kW\" non è un numero.";
    QTest::newRow("thousands separator")
        << h + riga("M1;4;1.450,0;3000;2,69;7;0,0135")
        << "riga 2, colonna \"velocita_nominale_rpm\": \"1.450,0\" non è un numero.";
    QTest::newRow("zero") << h + riga("M1;0;1450;3000;2,69;7;0,0135")
                          << "riga 2, colonna \"potenza_kW\": il valore deve essere maggiore di 0.";
    QTest::newRow("negative")
        << h + riga("M1;4;1450;3000;2,69;7;-0,0135")
        << "riga 2, colonna \"inerzia_kgm2\": il valore deve essere maggiore di 0.";
    QTest::newRow("inf")
        << h + riga("M1;4;1450;3000;2,69;inf;0,0135")
        << "riga 2, colonna \"coppia_massima_kgm\": \"inf\" non è un numero finito.";
    QTest::newRow("nan")
        << h + riga("M1;4;nan;3000;2,69;7;0,0135")
        << "riga 2, colonna \"velocita_nominale_rpm\": \"nan\" non è un numero finito.";
    QTest::newRow("overflow")
        << h + riga("M1;4;1450;1e400;2,69;7;0,0135")
        << "riga 2, colonna \"velocita_massima_rpm\": \"1e400\" non è un numero finito.";
    QTest::newRow("empty name") << h + riga(" ;4;1450;3000;2,69;7;0,0135")
                                << "riga 2, colonna \"nome\": valore mancante.";
    QTest::newRow("too few fields")
        << h + riga("M1;4;1450") << "riga 2, colonna \"velocita_massima_rpm\": campo mancante.";
    QTest::newRow("too many fields")
        << h + riga("M1;4;1450;3000;2,69;7;0,0135;x") << "riga 2, colonna 8: campo in più.";
    QTest::newRow("open quote") << h + riga("\"M1;4;1450;3000;2,69;7;0,0135")
                                << "riga 2, colonna 1: virgolette non chiuse.";
    QTest::newRow("a torque that is no number once in kgm")
        << QByteArray(h).replace("coppia_nominale_kgm", "coppia_nominale_Nm") + riga("M1;4;1450;3000;4,9e-324;7;0,0135")
        << "riga 2, colonna \"coppia_nominale_Nm\": il valore deve essere maggiore di 0.";
    QTest::newRow("subnormal") << h + riga("M1;4;1450;3000;2,69;7;1e-310")
                               << "riga 2, colonna \"inerzia_kgm2\": il valore deve essere maggiore di 0.";
    QTest::newRow("more than 20.000 motors")
        << h + riga("M;4;1450;3000;2,69;7;0,0135").repeated(20001)
        << "riga 20002: più di 20.000 motori, il limite di un catalogo.";
    // clang-format on
    // the line counts blank lines and every line end, and the column is named as the header
    // writes it
    QTest::newRow("line after blank lines, CR LF")
        << QByteArray("\r\nNome;Potenza_KW;velocita_nominale_rpm;velocita_massima_rpm;"
                      "coppia_massima_Nm;inerzia_kgm2\r\nM1;4;1450;3000;68,6;0,0135\r\n \r\n"
                      "M2;4;1450;3000;0;0,0135\r\n")
        << "riga 5, colonna \"coppia_massima_Nm\": il valore deve essere maggiore di 0.";
}

// A bad list is refused whole, with one message naming the file, the line and the column.
void TestCatalogo::rifiutati()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, errore);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("motori.csv"));
    if (!bytes.isNull())
        QVERIFY(scrivi(path, bytes));
    const verifica::Catalogo c = leggiCatalogo(path);
    QVERIFY(c.motori.empty());
    if (!errore.startsWith(QLatin1String("riga")))
        QCOMPARE(c.errore, errore);
    else
        QCOMPARE(c.errore, QStringLiteral("Catalogo motori \"motori.csv\", ") + errore);
}

// Columns in any order and case, torques in both units, decimal comma and point, quoted
// fields, blanks around fields, blank and empty lines, CR LF; a rated torque left out.
void TestCatalogo::letto()
{
    const QByteArray bytes =
        "\r\n Inerzia_KGM2 ;nome;coppia_massima_Nm;potenza_kW;velocita_nominale_rpm;"
        "velocita_massima_rpm;coppia_nominale_kgm\r\n"
        "0,0135;\"Asincrono \"\"A\"\"; 4 kW\";68,6;4;1450;3000;2,69\r\n"
        "   \r\n"
        " ; ;;;;;\r\n" // a spreadsheet's empty row
        "0.025 ;  Servo ; 98.0665;5,5;1460;3000;\r\n";
    const verifica::Catalogo c = leggiCatalogo(bytes, QStringLiteral("motori.csv"));
    QCOMPARE(c.errore, QString());
    QCOMPARE(c.motori.size(), std::size_t(2));
    const verifica::Motore &a = c.motori[0];
    QCOMPARE(a.nome, QStringLiteral("Asincrono \"A\"; 4 kW"));
    QCOMPARE(a.Pn, 4.0);
    QCOMPARE(a.nn, 1450.0);
    QCOMPARE(a.nmax, 3000.0);
    QCOMPARE(a.Cn, std::optional<double>(2.69));
    QCOMPARE(a.Cmax, 68.6 / verifica::newtonMetriPerKgm);
    QCOMPARE(a.Jmot, 0.0135);
    const verifica::Motore &s = c.motori[1];
    QCOMPARE(s.nome, QStringLiteral("Servo"));
    QCOMPARE(s.Jmot, 0.025);
    QCOMPARE(s.Cmax, 10.0);
    QVERIFY(!s.Cn);
    QCOMPARE(s.coppiaNominale(), 975 * 5.5 / 1460);
}

// Names in Windows-1252 as older spreadsheets save them, and in UTF-8 with or without a BOM.
void TestCatalogo::codifiche()
{
    const QString nome = QStringLiteral("Motore È 40°");
    const QByteArray riga = ";4;1450;3000;;7;0,0135\r\n";
    const QByteArray utf8 = nome.toUtf8() + riga;
    for (const QByteArray &bytes : {intestazione + "Motore \xC8 40\xB0" + riga, intestazione + utf8,
                                    "\xEF\xBB\xBF" + intestazione + utf8}) {
        const verifica::Catalogo c = leggiCatalogo(bytes, QStringLiteral("motori.csv"));
        QCOMPARE(c.errore, QString());
        QCOMPARE(c.motori.size(), std::size_t(1));
        QCOMPARE(c.motori[0].nome, nome);
    }
}

void TestCatalogo::comeLiScrivono_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("Cmax");          // of the one motor, in kgm
    QTest::addColumn<QStringList>("ignorate"); // the columns left out
    // clang-format off
    QTest::newRow("tabs, a trailing tab")
        << QByteArray("nome\tpotenza_kW\tvelocita_nominale_rpm\tvelocita_massima_rpm\tcoppia_massima_kgm\tinerzia_kgm2\t\r\n"
                      "M 1\t4\t1450\t3000\t7,5\t0,0135\t\r\n")
        << 7.5 << QStringList();
    QTest::newRow("commas and decimal points")
        << QByteArray("nome,potenza_kW,velocita_nominale_rpm,velocita_massima_rpm,coppia_massima_kgm,inerzia_kgm2\n"
                      "\"M, 1\",4,1450,3000,7.5,0.0135\n")
        << 7.5 << QStringList();
    QTest::newRow("names with case, accents, blanks, N·m and N m")
        << QByteArray(" Nome ;Potenza_kW;Velocità_Nominale_RPM;VELOCITÀ_MASSIMA_rpm; Coppia_Massima_N·m ;Inerzia_kgm2;"
                      "Coppia_Nominale_N m\nM;4;1450;3000;98,0665;0,0135;\n")
        << 10.0 << QStringList();
    QTest::newRow("columns of its own, left out")
        << QByteArray("nome;note;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;coppia_massima_kgm;inerzia_kgm2;"
                      "prezzo\nM;freno;4;1450;3000;7,5;0,0135;350 €\n")
        << 7.5 << QStringList{"note", "prezzo"};
    // clang-format on
    // a spreadsheet's "Unicode text": UTF-16 with its mark, tabs
    const QString testo = QStringLiteral(
        "nome\tpotenza_kW\tvelocita_nominale_rpm\tvelocita_massima_rpm\t"
        "coppia_massima_kgm\tinerzia_kgm2\r\nMotore è\t4\t1450\t3000\t7,5\t0,0135\r\n");
    QByteArray utf16("\xff\xfe");
    for (const QChar c : testo)
        utf16 += char(c.unicode() & 0xff), utf16 += char(c.unicode() >> 8);
    QTest::newRow("UTF-16") << utf16 << 7.5 << QStringList();
}

// Lists as spreadsheets export them: each read, a column of its own named once.
void TestCatalogo::comeLiScrivono()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, Cmax);
    QFETCH(QStringList, ignorate);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("motori.csv"));
    QVERIFY(scrivi(path, bytes));
    const verifica::Catalogo c = leggiCatalogo(path);
    QCOMPARE(c.errore, QString());
    QCOMPARE(c.motori.size(), std::size_t(1));
    QCOMPARE(c.motori[0].Cmax, Cmax);
    QCOMPARE(c.motori[0].Jmot, 0.0135);
    QCOMPARE(c.ignorate, ignorate);
    QCOMPARE(c.avviso(), ignorate.isEmpty() ? QString()
                                            : QStringLiteral("colonne ignorate: ") +
                                                  ignorate.join(QStringLiteral(", ")));
}

void TestCatalogo::lungo()
{
    QByteArray bytes = intestazione;
    for (int i = 1; i <= 10000; ++i)
        bytes += "Motore " + QByteArray::number(i) + ";4;1450;3000;2,69;7,5;0,0135\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lungo.csv"));
    QVERIFY(scrivi(path, bytes));
    const verifica::Catalogo c = leggiCatalogo(path);
    QCOMPARE(c.errore, QString());
    QCOMPARE(c.motori.size(), std::size_t(10000));
    QCOMPARE(c.motori.back().nome, QStringLiteral("Motore 10000"));
    QCOMPARE(c.motori.back().Cmax, 7.5);
}

// The list shipped with the program reads, and holds a motor for the worked example: 3,8 kgm
// peak and 2,7 kgm RMS at 1422 rpm.
void TestCatalogo::esempio()
{
    const verifica::Catalogo c = leggiCatalogo(QStringLiteral(DM_CATALOGO_ESEMPIO));
    QCOMPARE(c.errore, QString());
    QVERIFY(c.motori.size() >= 10);
    QVERIFY(std::any_of(c.motori.begin(), c.motori.end(), [](const verifica::Motore &m) {
        return m.Cmax >= 3.8 && m.coppiaNominale() >= 2.7 && m.nmax >= 1422;
    }));
}

QTEST_GUILESS_MAIN(TestCatalogo)
#include "tst_catalogo.moc"
