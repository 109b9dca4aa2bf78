#include "rapporto.h"

#include "calcolo/numbers.h"
#include "shell/datafile.h"
#include "shell/variabili.h"

namespace stampa {

namespace {

// Builds the document the way the printer is driven: font size and bold stay in force until
// changed, text items follow each other on the current line until it is ended.
class Scrittore {
public:
    void dimensione(double punti) { m_punti = punti; }
    void grassetto(bool on) { m_grassetto = on; }

    void testo(const QString &t)
    {
        if (t.isEmpty())
            return;
        // a run in the same style goes on the same piece
        if (!m_corrente.pezzi.empty() && m_corrente.pezzi.back().grassetto == m_grassetto)
            m_corrente.pezzi.back().testo += t;
        else
            m_corrente.pezzi.push_back({t, m_grassetto});
        m_colonna += int(t.size());
    }

    // The next print zone: the font is fixed-pitch, so zones fall on multiples of 14 characters.
    void zona()
    {
        const QString blanks = datafile::toNextZone(QString(m_colonna, QLatin1Char(' ')));
        testo(blanks.mid(m_colonna));
    }

    void fineRiga()
    {
        // the size in force when the line is ended is the one the line is printed in
        m_corrente.punti = m_punti;
        m_corrente.nuovaPagina = m_nuovaPagina;
        m_doc.righe.push_back(std::move(m_corrente));
        m_corrente = Riga();
        m_colonna = 0;
        m_nuovaPagina = false;
    }

    void riga(const QString &t)
    {
        testo(t);
        fineRiga();
    }

    void nuovaPagina() { m_nuovaPagina = true; }

    Documento documento() { return std::move(m_doc); }

private:
    Documento m_doc;
    Riga m_corrente;
    double m_punti = 12;
    bool m_grassetto = false;
    bool m_nuovaPagina = false;
    int m_colonna = 0;
};

void intestazioni(Scrittore &s)
{
    s.dimensione(13);
    s.grassetto(true);
    s.riga(QStringLiteral("Diametro     Velocitá        Inerzia      Coppia         Coppia tot. "));
    s.riga(QStringLiteral("            motore[rpm]      [kgm^2]    accel.[kgm]         .[kgm] "));
    s.dimensione(10);
    s.grassetto(false);
    s.riga(QStringLiteral("   "));
}

struct Dato {
    const char *etichetta; // 43 characters, "= " last
    int indice;            // in datiStampa
};

const Dato dati[] = {
    {"Diametro Interno [mm]                    = ", 0},
    {"Diametro Esterno [mm]                    = ", 1},
    {"Larghezza materiale [mm]                 = ", 11},
    {"Peso specifico [kg/m^3]                  = ", 10},
    {"Velocitá linea [m/min]                   = ", 3},
    {"Rapporto di trasmissione                 = ", 2},
    {"Rendimento della trasmissione[%]         = ", 7},
    {"Tensione Materiale [kg]                  = ", 12},
    {"Tempo di accelerazione[sec]              = ", 8},
    {"Tempo di decelerazione[sec]              = ", 9},
    {"Momento di inerzia del motore[kgm^2]     = ", 4},
    {"Momento di inerzia mandrino[kgm^2]       = ", 5},
    {"Momento di inerzia trasmissione[kgm^2]   = ", 6},
};

} // namespace

QString rigaTabella(const Variabili &v, int i, const NumberFormat &numeri)
{
    const QString b10(10, QLatin1Char(' '));
    const QString b13(13, QLatin1Char(' '));
    const QString b16(16, QLatin1Char(' '));
    return QStringLiteral("   ") + numeri.picture(v.aDiam[i], QStringLiteral("0.000")) + b10 +
           numeri.picture(v.aVel[i], QStringLiteral("0000")) + b16 +
           numeri.picture(v.aJtt[i] / 4, QStringLiteral("00.00")) + b13 +
           numeri.picture(v.aCmj[i], QStringLiteral("00.00")) + b16 +
           numeri.picture(v.aCtt[i], QStringLiteral("00.00"));
}

QString dataOra(const QDateTime &quando, const NumberFormat &numeri)
{
    QString separatore = QStringLiteral(":");
    for (const QChar c : numeri.locale().timeFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && !c.isSpace()) {
            separatore = c;
            break;
        }
    }
    QString testo = QLocale::c().toString(quando, QStringLiteral("dd - MM - yyyy HH:mm:ss"));
    return testo.replace(QLatin1Char(':'), separatore);
}

} // namespace stampa

stampa::Documento rapporto(const Variabili &v, const QString &cliente, const QString &progetto,
                           const QDateTime &quando, const NumberFormat &numeri)
{
    using namespace stampa;
    Scrittore s;

    s.dimensione(18);
    s.grassetto(true);
    s.testo(QStringLiteral("Cliente: "));
    s.testo(cliente);
    s.zona();
    s.testo(QStringLiteral("Progetto: "));
    s.riga(progetto);
    s.riga(QStringLiteral(" "));

    s.dimensione(12);
    s.grassetto(false);
    s.testo(QStringLiteral("                Data e ora: "));
    s.riga(dataOra(quando, numeri));

    s.dimensione(14);
    s.grassetto(true);
    s.riga(QStringLiteral("                        Dati di Progetto"));
    s.fineRiga();

    s.dimensione(12);
    for (const Dato &d : dati) {
        s.grassetto(true);
        s.testo(QString::fromUtf8(d.etichetta));
        s.grassetto(false);
        s.riga(v.datiStampa[d.indice]);
    }

    s.grassetto(false);
    s.riga(QStringLiteral(" "));
    s.riga(QStringLiteral(
        "I valori di velocitá, inerzia e coppia sono riferiti all' asse del motore"));
    s.riga(QStringLiteral("   "));

    intestazioni(s);
    for (int i = 0; i <= UltimaRigaPrimaPagina; ++i)
        s.riga(rigaTabella(v, i, numeri));

    s.nuovaPagina();
    intestazioni(s);
    for (int i = UltimaRigaPrimaPagina + 1; i < Variabili::Campioni; ++i)
        s.riga(rigaTabella(v, i, numeri));

    return s.documento();
}
