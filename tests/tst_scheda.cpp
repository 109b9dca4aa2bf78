// The sizing sheet's numbers: every formula text of every calculator names only values the
// sheet prints, and read as arithmetic it gives, bit for bit, the value the calculation
// computed; the sheet prints every value by its name; "Esporta scheda PDF..." follows the
// calculation.

#include "fakes.h"
#include "hoist/elevmodel.h"

#include "calcolatrice/calcolatrice.h"
#include "reel/aspomodel.h"
#include "scheda/componi.h"
#include "shell/variabili.h"
#include "util/utilmodel.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <map>

namespace {

// The formula's arithmetic, left of any note in square brackets, after "NAME = ".
QString aritmetica(const QString &formula)
{
    return formula.section(QLatin1Char('['), 0, 0).section(QLatin1Char('='), 1).trimmed();
}

QStringList nomiIn(const QString &testo)
{
    QStringList nomi;
    static const QRegularExpression nome(QStringLiteral("[A-Za-z][A-Za-z0-9]*"));
    for (const auto &m : nome.globalMatch(testo))
        nomi << m.captured();
    return nomi;
}

// A reading of the formulas' notation: + − × / ^, parentheses, abs(), in the order written.
class Lettore {
public:
    Lettore(const QString &testo, const std::map<QString, double> &valori)
        : m_t(QString(testo).remove(QLatin1Char(' '))), m_v(valori)
    {
    }
    double leggi()
    {
        const double x = somma();
        if (m_i != m_t.size())
            m_errore = true;
        return x;
    }
    bool errore() const { return m_errore; }

private:
    QChar c() const { return m_i < m_t.size() ? m_t[m_i] : QChar(); }
    double somma()
    {
        double x = prodotto();
        for (;;) {
            if (c() == u'+') {
                ++m_i;
                x = x + prodotto();
            } else if (c() == u'−') {
                ++m_i;
                x = x - prodotto();
            } else
                return x;
        }
    }
    double prodotto()
    {
        double x = segno();
        for (;;) {
            if (c() == u'×') {
                ++m_i;
                x = x * segno();
            } else if (c() == u'/') {
                ++m_i;
                x = x / segno();
            } else
                return x;
        }
    }
    double segno()
    {
        if (c() == u'−') {
            ++m_i;
            return -segno();
        }
        const double base = primo();
        if (c() != u'^')
            return base;
        ++m_i;
        return std::pow(base, segno());
    }
    double primo()
    {
        if (c() == u'(') {
            ++m_i;
            const double x = somma();
            m_errore |= c() != u')';
            ++m_i;
            return x;
        }
        const qsizetype inizio = m_i;
        while (c().isLetterOrNumber() || c() == u'.')
            ++m_i;
        const QString parola = m_t.mid(inizio, m_i - inizio);
        if (parola == QLatin1String("abs") && c() == u'(')
            return std::fabs(primo());
        if (!parola.isEmpty() && parola[0].isDigit())
            return parola.toDouble();
        const auto v = m_v.find(parola);
        m_errore |= v == m_v.end();
        return v == m_v.end() ? 0 : v->second;
    }

    QString m_t;
    const std::map<QString, double> &m_v;
    qsizetype m_i = 0;
    bool m_errore = false;
};

QString dato(const char *file)
{
    return QStringLiteral(DM_DATA "/") + QLatin1String(file);
}

// The calculator computed on its example file.
Calcolatrice *calcolato(Banco &b, FormId id, const char *file, bool variante)
{
    b.programma.openForm(id);
    auto *form = b.programma.form<Calcolatrice>(id);
    if (variante) {
        if (auto *aspo = qobject_cast<AspoModel *>(form)) {
            aspo->setOpt_avv(false);
            aspo->setOpt_acc(false);
        }
        if (auto *util = qobject_cast<UtilModel *>(form))
            util->mnuJ_Cil_Cavo_Click();
    }
    b.piattaforma.risposte = {dato(file)};
    if (!form->ApriFile())
        return nullptr;
    if (variante && qobject_cast<UtilModel *>(form))
        form->setTxtInDat(UtilModel::DiametroInterno, QStringLiteral("120"));
    form->btnInseDat_Click();
    form->btnCalcola_Click();
    return form;
}

} // namespace

class TestScheda : public QObject {
    Q_OBJECT
private slots:
    void formulas_data();
    void formulas();
    void exportFollowsTheCalculation();
    void boundedSheet();
    void sheetSlips_data();
    void sheetSlips();
    void sheetOfItsCalculation();
};

void TestScheda::formulas_data()
{
    QTest::addColumn<int>("finestra");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("variante");
    // clang-format off
    QTest::newRow("tamburo") << int(FormId::elevForm) << "tamburo_esempio.txt" << false;
    QTest::newRow("tappeto") << int(FormId::convayorForm) << "tappeto_esempio.txt" << false;
    QTest::newRow("vite") << int(FormId::Soll_vite_Form) << "vite_esempio.txt" << false;
    QTest::newRow("traslazione") << int(FormId::traslForm) << "vite_esempio.txt" << false;
    QTest::newRow("avvolgitore") << int(FormId::aspoForm) << "aspo_esempio.txt" << false;
    QTest::newRow("svolgitore in decelerazione") << int(FormId::aspoForm) << "aspo_esempio.txt" << true;
    QTest::newRow("cilindro pieno") << int(FormId::utilForm) << "utilita_esempio.txt" << false;
    QTest::newRow("cilindro cavo") << int(FormId::utilForm) << "utilita_esempio.txt" << true;
    // clang-format on
}

void TestScheda::formulas()
{
    QFETCH(int, finestra);
    QFETCH(QString, file);
    QFETCH(bool, variante);
    Banco b;
    Calcolatrice *form = calcolato(b, FormId(finestra), qPrintable(file), variante);
    QVERIFY(form);
    QVERIFY2(form->calcolato(), qPrintable(form->statusLabel().testo));

    std::map<QString, double> valori;
    for (const scheda::Grandezza &g : form->grandezze())
        valori[g.nome] = g.valore;
    int lette = 0;
    for (const scheda::Grandezza &g : form->grandezze()) {
        if (!g.risultato())
            continue;
        QVERIFY2(g.formula.startsWith(g.nome + QStringLiteral(" = ")), qPrintable(g.formula));
        const QString conti = aritmetica(g.formula);
        for (const QString &nome : nomiIn(conti))
            QVERIFY2(nome == QLatin1String("abs") || valori.count(nome),
                     qPrintable(g.formula + QStringLiteral(": ") + nome));
        if (conti.contains(u'…'))
            continue; // an extreme of the sweep, not a formula
        Lettore lettore(conti, valori);
        const double x = lettore.leggi();
        QVERIFY2(!lettore.errore(), qPrintable(g.formula));
        QVERIFY2(x == g.valore, qPrintable(QStringLiteral("%1: %2 invece di %3")
                                               .arg(g.formula)
                                               .arg(x, 0, 'g', 17)
                                               .arg(g.valore, 0, 'g', 17)));
        ++lette;
    }
    QVERIFY(lette >= 3);

    // the sheet prints every value by its name, the data and the results
    const auto foglio = form->scheda({}, QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    QVERIFY(foglio);
    QStringList stampati;
    for (const scheda::Blocco &blocco : foglio->blocchi)
        if (const auto *t = std::get_if<scheda::Tabella>(&blocco))
            for (const QStringList &riga : t->righe)
                stampati << riga.value(0);
    for (const scheda::Grandezza &g : form->grandezze())
        QVERIFY2(stampati.contains(g.nome), qPrintable(g.nome));
}

void TestScheda::exportFollowsTheCalculation()
{
    Banco b;
    b.programma.openForm(FormId::elevForm);
    auto *form = b.programma.form<Calcolatrice>(FormId::elevForm);
    const auto voce = [form] {
        for (const Menu &m : form->menu())
            for (const VoceMenu &v : m.voci)
                if (v.nome == QLatin1String("mnuEsportaScheda"))
                    return v;
        return VoceMenu{};
    };
    QCOMPARE(voce().testo, QStringLiteral("Esporta scheda &PDF..."));
    QVERIFY(!voce().abilitata());
    QVERIFY(calcolato(b, FormId::elevForm, "tamburo_esempio.txt", false));
    QVERIFY(voce().abilitata());

    FakePlatform &p = b.piattaforma;
    // cancelled at the header: no save dialog
    p.intestazione.reset();
    const qsizetype dialoghi = p.filtri.size();
    voce().azione();
    QCOMPARE(p.filtri.size(), dialoghi);
    // the header, then the dialog beside the data file, asking before replacing a file
    p.intestazione = Intestazione{QStringLiteral("Rossi S.p.A."), QStringLiteral("Linea 3")};
    p.risposte = {QStringLiteral("/tmp/x.pdf")};
    voce().azione();
    QCOMPARE(p.filtri.constLast(), QStringLiteral("Documento PDF (*.pdf)|*.pdf|"));
    QCOMPARE(p.partenze.constLast(), dato("tamburo_esempio.pdf"));
    QVERIFY(p.conferme.constLast());
    QCOMPARE(p.schede.size(), std::size_t(1));
    QCOMPARE(p.schede[0].second, QStringLiteral("/tmp/x.pdf"));
    QCOMPARE(p.schede[0].first.cliente, QStringLiteral("Rossi S.p.A."));
    QCOMPARE(p.schede[0].first.lavoro, QStringLiteral("Sollevamento con tamburo"));
    // offered again next time; a file that cannot be written says so
    p.erroreStampa = QStringLiteral("non scritto");
    p.risposte = {QStringLiteral("/tmp/x.pdf")};
    voce().azione();
    QCOMPARE(p.intestazioniProposte.back().progetto, QStringLiteral("Linea 3"));
    QCOMPARE(p.messaggi.back().testo, QStringLiteral("non scritto"));

    // another window of the run offers the same customer and project
    QVERIFY(calcolato(b, FormId::convayorForm, "tappeto_esempio.txt", false));
    p.intestazione.reset();
    for (const Menu &m : b.programma.form<Calcolatrice>(FormId::convayorForm)->menu())
        for (const VoceMenu &v : m.voci)
            if (v.nome == QLatin1String("mnuEsportaScheda"))
                v.azione();
    QCOMPARE(p.intestazioniProposte.back().cliente, QStringLiteral("Rossi S.p.A."));

    // the data entered again: nothing to export until the next "Calcola"
    form->btnModDat_Click();
    QVERIFY(!voce().abilitata());
    QVERIFY(!form->scheda({}, QDateTime::currentDateTime()));
}

// However long the list or the texts, a sheet stays a few pages: the chosen motor and at most
// thirty others (the suitable ones by rising power, then the rest in list order), and header
// fields and names cut to 200 characters.
void TestScheda::boundedSheet()
{
    Banco b;
    QVERIFY(calcolato(b, FormId::elevForm, "tamburo_esempio.txt", false));
    auto *form = b.programma.form<Calcolatrice>(FormId::elevForm);
    Variabili &v = b.programma.var();
    const verifica::Ciclo ciclo{3.75, 0.014, 0.035, 0.01, 955, 10, 2, 5, 40, 1504};
    v.carico = ciclo;
    v.cicloDi = form->caption();
    std::vector<verifica::Motore> motori;
    const QString lungo(300, QLatin1Char('m'));
    for (int i = 0; i < 40; ++i) // odd ones too weak; among the others power falls along the list
        motori.push_back({i == 39 ? lungo : QStringLiteral("M%1").arg(i), 100.0 - i, 1450, 3000,
                          std::nullopt, i % 2 ? 1.0 : 50.0, 0.01});
    const verifica::Limiti limiti;
    v.controllo =
        verifica::Controllo{motori, limiti, verifica::Costante::Fisica,
                            verifica::confronta(ciclo, motori, limiti, verifica::Costante::Fisica),
                            QStringLiteral("Catalogo \"m.csv\"")};
    QCOMPARE(v.controllo->confronto.scelto, std::optional<std::size_t>(38));

    const auto foglio =
        form->scheda({QString(120000, QLatin1Char('c')), QStringLiteral("P")}, QDateTime());
    QVERIFY(foglio);
    QCOMPARE(foglio->cliente, QString(199, QLatin1Char('c')) + QChar(0x2026));
    const auto *tabella =
        std::get_if<scheda::Tabella>(&foglio->blocchi.at(foglio->blocchi.size() - 2));
    QVERIFY(tabella);
    // the list's caption goes on the page of its table
    const auto *didascalia =
        std::get_if<scheda::Testo>(&foglio->blocchi.at(foglio->blocchi.size() - 3));
    QVERIFY(didascalia && didascalia->conIlSeguente);
    QStringList nomi;
    for (const QStringList &riga : tabella->righe)
        nomi << riga.at(0);
    QStringList attesi{QStringLiteral("M38")};
    for (int i = 36; i >= 0; i -= 2) // the other suitable ones by rising power
        attesi << QStringLiteral("M%1").arg(i);
    for (int i = 1; attesi.size() < 31; i += 2)
        attesi << QStringLiteral("M%1").arg(i);
    QCOMPARE(nomi, attesi);
    const auto *altri = std::get_if<scheda::Testo>(&foglio->blocchi.back());
    QVERIFY(altri);
    QCOMPARE(altri->righe, QStringList{QStringLiteral("altri 9 motori non riportati")});
}

void TestScheda::sheetSlips_data()
{
    QTest::addColumn<int>("finestra");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("dati"); // "symbol=text [unit]" rows the data table must hold
    QTest::addColumn<QString>("formula");  // a formula of the results table, as printed
    QTest::addColumn<QString>("figura");   // the end of the drawing's path and its description
    // clang-format off
    QTest::newRow("hoist: Jtot as written")
        << int(FormId::elevForm) << "tamburo_esempio.txt" << QStringList{"Jtot=0,03525 [kgm^2]"} << QString()
        << QString();
    QTest::newRow("screw lift: constants with a decimal comma")
        << int(FormId::Soll_vite_Form) << "vite_esempio.txt" << QStringList() << "Jcar = (PB / 6283,185308)^2 × Wtot"
        << QString();
    QTest::newRow("conveyor: the boxes the calculation fills")
        << int(FormId::convayorForm) << "tappeto_esempio.txt"
        << QStringList{"Jtot=0,042 [kgm^2]", "Pm=0,0124 [kW]", "Wm=955 [rpm]", "Ptr=0,005 [kW]"} << QString()
        << QString();
    QTest::newRow("solid cylinder") << int(FormId::utilForm) << "utilita_esempio.txt"
                                    << QStringList{"D=200 [mm]", "ρ=7,85 [kg/dm^3]"}
                                    << "V = (Lung × (3,14159265358979 × (DMax / 200)^2)) / 100"
                                    << "cilindropieno.JPG|Cilindro pieno";
    // clang-format on
}

// What a sheet shows: the data as the calculation left them, with their units, the formula's
// constants with a decimal comma, the drawing of the cylinder calculated.
void TestScheda::sheetSlips()
{
    QFETCH(int, finestra);
    QFETCH(QString, file);
    QFETCH(QStringList, dati);
    QFETCH(QString, formula);
    QFETCH(QString, figura);
    Banco b;
    QVERIFY(calcolato(b, FormId(finestra), file.toLatin1().constData(), false));
    auto *form = b.programma.form<Calcolatrice>(FormId(finestra));
    const auto foglio = form->scheda({}, QDateTime());
    QVERIFY(foglio);
    QStringList righe, formule;
    QString disegno;
    for (const scheda::Blocco &blocco : foglio->blocchi) {
        if (const auto *t = std::get_if<scheda::Tabella>(&blocco)) {
            for (const QStringList &r : t->righe) {
                if (t->colonne.value(0) == QLatin1String("Dato"))
                    righe << r.at(1) + QLatin1Char('=') + r.at(2) + QStringLiteral(" [") + r.at(3) +
                                 QLatin1Char(']');
                if (t->colonne.value(1) == QLatin1String("Formula"))
                    formule << r.at(1);
            }
        } else if (const auto *f = std::get_if<scheda::Figura>(&blocco)) {
            disegno = QFileInfo(f->percorso).fileName() + QLatin1Char('|') + f->descrizione;
        }
    }
    for (const QString &riga : dati)
        QVERIFY2(righe.contains(riga), qPrintable(righe.join(QStringLiteral(", "))));
    QVERIFY2(formula.isEmpty() || formule.contains(formula),
             qPrintable(formule.join(QStringLiteral("; "))));
    for (const QString &f : formule)
        QVERIFY2(!f.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), qPrintable(f));
    if (!figura.isEmpty())
        QCOMPARE(disegno, figura);
}

// A sheet is of its own calculation: the data as the entry validated them, not as typed after;
// a motor check only on the sheet of the calculator whose cycle it checked.
void TestScheda::sheetOfItsCalculation()
{
    const auto dati = [](const scheda::Foglio &foglio) {
        QStringList testi;
        for (const scheda::Blocco &blocco : foglio.blocchi)
            if (const auto *t = std::get_if<scheda::Tabella>(&blocco);
                t && t->colonne.value(0) == QLatin1String("Dato"))
                for (const QStringList &r : t->righe)
                    testi << r.at(2);
        return testi;
    };
    const auto titoli = [](const scheda::Foglio &foglio) {
        QStringList testi;
        for (const scheda::Blocco &blocco : foglio.blocchi)
            if (const auto *t = std::get_if<scheda::Titolo>(&blocco))
                testi << t->testo;
        return testi;
    };
    Banco b;
    b.programma.openForm(FormId::elevForm);
    auto *argano = b.programma.form<Calcolatrice>(FormId::elevForm);
    QVERIFY(argano->apriFile(dato("tamburo_esempio.txt")));
    argano->btnInseDat_Click();
    argano->setTxtInDat(ElevModel::DS, QStringLiteral("999")); // typed after the entry
    argano->btnCalcola_Click();
    QVERIFY(dati(*argano->scheda({}, QDateTime())).contains(QStringLiteral("200")));
    QVERIFY(!dati(*argano->scheda({}, QDateTime())).contains(QStringLiteral("999")));

    // a check on the hoist's cycle, then the conveyor computed: the hoist's sheet keeps no
    // check of a cycle that is no longer its own, the conveyor's has none
    Variabili &v = b.programma.var();
    v.controllo = verifica::Controllo{};
    QVERIFY(titoli(*argano->scheda({}, QDateTime())).contains(QStringLiteral("Verifica motore")));
    Calcolatrice *tappeto = calcolato(b, FormId::convayorForm, "tappeto_esempio.txt", false);
    QVERIFY(tappeto && tappeto->calcolato());
    v.controllo = verifica::Controllo{};
    QVERIFY(!titoli(*argano->scheda({}, QDateTime())).contains(QStringLiteral("Verifica motore")));
    QVERIFY(titoli(*tappeto->scheda({}, QDateTime())).contains(QStringLiteral("Verifica motore")));
}

QTEST_GUILESS_MAIN(TestScheda)
#include "tst_scheda.moc"
