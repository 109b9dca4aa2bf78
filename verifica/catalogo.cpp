#include "catalogo.h"

#include "calcolo/numbers.h"
#include "shell/datafile.h"
#include "shell/immissione.h"
#include "shell/textcodec.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cmath>

namespace verifica {

namespace {

// A list of ten thousand motors is under a megabyte; this leaves room for long names.
constexpr qint64 dimensioneMassima = qint64(16) << 20;

enum Dato {
    Nome,
    Potenza,
    VelocitaNominale,
    VelocitaMassima,
    CoppiaNominale,
    CoppiaMassima,
    Inerzia,
    NumeroDati
};

struct Colonna {
    QLatin1String intestazione; // as the example list spells it; compared ignoring case
    Dato dato;
    double divisore; // from the file's unit to the motor's
};

// Each torque in either unit; the kgm column comes first, to be named when the torque is missing.
const std::array<Colonna, 9> colonne{{
    {QLatin1String("nome"), Nome, 1},
    {QLatin1String("potenza_kW"), Potenza, 1},
    {QLatin1String("velocita_nominale_rpm"), VelocitaNominale, 1},
    {QLatin1String("velocita_massima_rpm"), VelocitaMassima, 1},
    {QLatin1String("coppia_nominale_kgm"), CoppiaNominale, 1},
    {QLatin1String("coppia_nominale_Nm"), CoppiaNominale, newtonMetriPerKgm},
    {QLatin1String("coppia_massima_kgm"), CoppiaMassima, 1},
    {QLatin1String("coppia_massima_Nm"), CoppiaMassima, newtonMetriPerKgm},
    {QLatin1String("inerzia_kgm2"), Inerzia, 1},
}};

// A column's name as it is compared: no case, no accents, no blanks around it, and "Nm",
// "N·m" and "N m" alike ("Velocità_Nominale_RPM" is "velocita_nominale_rpm").
QString chiave(const QString &nome)
{
    QString senzaAccenti;
    for (const QChar c : nome.trimmed().normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            senzaAccenti += c;
    return senzaAccenti.toLower()
        .replace(QStringLiteral("n·m"), QStringLiteral("nm"))
        .replace(QStringLiteral("n m"), QStringLiteral("nm"));
}

const Colonna *colonnaDi(const QString &intestazione)
{
    const QString nome = chiave(intestazione);
    for (const Colonna &c : colonne)
        if (nome == chiave(c.intestazione))
            return &c;
    return nullptr;
}

// The separator of the list: the first of ';', tab and ',' in its header line, outside quotes
// (a spreadsheet's "CSV" in Italy writes ';', its "Unicode text" tabs, an English one commas).
QChar separatore(QStringView intestazione)
{
    bool virgolette = false;
    for (const QChar c : intestazione) {
        if (c == u'"')
            virgolette = !virgolette;
        else if (!virgolette && (c == u';' || c == u'\t' || c == u','))
            return c;
    }
    return u';';
}

// The fields of one line, each trimmed. A field that opens with a quote runs to the closing
// one, ';' included, and "" inside stands for one quote, as spreadsheets write them. False
// when a quote is left open: the open field is the last of `campi`.
bool dividi(QStringView riga, QChar separatore, QStringList &campi)
{
    campi.clear();
    const qsizetype n = riga.size();
    qsizetype i = 0;
    for (;;) {
        qsizetype j = i;
        while (j < n && riga[j].isSpace() && riga[j] != separatore)
            ++j;
        QString campo;
        if (j < n && riga[j] == u'"') {
            for (++j;; ++j) {
                if (j == n) {
                    campi.append(campo);
                    return false;
                }
                if (riga[j] == u'"') {
                    if (j + 1 < n && riga[j + 1] == u'"')
                        ++j;
                    else
                        break;
                }
                campo += riga[j];
            }
            i = j + 1;
        }
        // the field, or what follows its closing quote, up to the separator
        qsizetype fine = riga.indexOf(separatore, i);
        if (fine < 0)
            fine = n;
        campo += riga.mid(i, fine - i);
        campi.append(campo.trimmed());
        if (fine == n)
            return true;
        i = fine + 1;
    }
}

QString positivo(double valore);

// What is wrong with the number of a field, or nothing when `valore` holds it.
QString numero(const QString &testo, double &valore)
{
    const std::optional<double> letto = numeroDecimale(testo);
    if (!letto)
        return QStringLiteral("\"%1\" non è un numero.").arg(immissione::citazione(testo));
    valore = *letto;
    if (!std::isfinite(valore))
        return QStringLiteral("\"%1\" non è un numero finito.").arg(immissione::citazione(testo));
    return positivo(valore);
}

// A value as the motor keeps it, after its unit's conversion: one that is 0 or too small to
// be a normal double there is refused like a value not above 0.
QString positivo(double valore)
{
    if (!(valore > 0) || !std::isnormal(valore))
        return QStringLiteral("il valore deve essere maggiore di 0.");
    return QString();
}

} // namespace

Catalogo leggiCatalogo(const QString &path)
{
    const datafile::BytesResult file = datafile::readBytes(path, dimensioneMassima);
    if (file.tooBig)
        return Catalogo{
            {},
            QStringLiteral("Il file \"%1\" supera %2 MB, il limite di un catalogo motori.")
                .arg(immissione::citazione(QFileInfo(path).fileName(), 60))
                .arg(dimensioneMassima >> 20),
            {}};
    if (!file.ok)
        return Catalogo{{}, file.error, {}};
    return leggiCatalogo(file.bytes, path);
}

Catalogo leggiCatalogo(const QByteArray &bytes, const QString &path)
{
    const QString file = immissione::citazione(QFileInfo(path).fileName(), 60);
    // riga counts from 0 here and from 1 in the message; dove is ", colonna ..." or nothing
    const auto rifiuta = [&file](qsizetype riga, const QString &dove, const QString &cosa) {
        return Catalogo{{},
                        QStringLiteral("Catalogo motori \"%1\", riga %2%3: %4")
                            .arg(file, QString::number(riga + 1), dove, cosa),
                        {}};
    };
    const auto numeroColonna = [](qsizetype k) {
        return QStringLiteral(", colonna %1").arg(k + 1);
    };
    const auto nomeColonna = [](const QString &nome) {
        return QStringLiteral(", colonna \"%1\"").arg(immissione::citazione(nome));
    };

    const QStringList righe = datafile::splitLines(textcodec::decodeFromFile(bytes));
    qsizetype r = 0;
    while (r < righe.size() && righe.at(r).trimmed().isEmpty())
        ++r;
    if (r == righe.size())
        return rifiuta(0, QString(), QStringLiteral("il file è vuoto."));

    // the header: which column of the file holds each of the motor's data
    const qsizetype rigaIntestazione = r;
    const QChar sep = separatore(righe.at(r));
    QStringList intestazione;
    if (!dividi(righe.at(r), sep, intestazione))
        return rifiuta(r, numeroColonna(intestazione.size() - 1),
                       QStringLiteral("virgolette non chiuse."));
    // a line ending with the separator has an empty column after it
    while (!intestazione.isEmpty() && intestazione.constLast().isEmpty())
        intestazione.removeLast();
    std::vector<const Colonna *> perCampo; // null: a column that is not the list's own
    std::array<bool, NumeroDati> presente{};
    Catalogo catalogo;
    for (qsizetype k = 0; k < intestazione.size(); ++k) {
        const Colonna *c = colonnaDi(intestazione.at(k));
        const QString nome = immissione::citazione(intestazione.at(k));
        perCampo.push_back(c);
        if (!c) {
            // a "note" or "prezzo" column: named once, and the list used
            catalogo.ignorate << (nome.isEmpty() ? QStringLiteral("colonna %1").arg(k + 1) : nome);
            continue;
        }
        if (presente[c->dato])
            return rifiuta(r, numeroColonna(k),
                           QStringLiteral("colonna ripetuta \"%1\".").arg(nome));
        presente[c->dato] = true;
    }
    for (const Colonna &c : colonne) {
        if (!presente[c.dato] && c.dato != CoppiaNominale)
            return rifiuta(r, QString(),
                           QStringLiteral("manca la colonna \"%1\".").arg(c.intestazione));
    }

    catalogo.motori.reserve(
        std::min<std::size_t>(std::size_t(righe.size() - r - 1), massimoMotori));
    QStringList campi;
    for (++r; r < righe.size(); ++r) {
        if (righe.at(r).trimmed().isEmpty())
            continue;
        if (!dividi(righe.at(r), sep, campi))
            return rifiuta(r, numeroColonna(campi.size() - 1),
                           QStringLiteral("virgolette non chiuse."));
        // empty fields past the header's columns: a line ending with the separator
        while (campi.size() > intestazione.size() && campi.constLast().isEmpty())
            campi.removeLast();
        // a spreadsheet's empty row, ";;;;;;", is a blank line too
        if (std::all_of(campi.cbegin(), campi.cend(), [](const QString &c) { return c.isEmpty(); }))
            continue;
        if (campi.size() < intestazione.size())
            return rifiuta(r, nomeColonna(intestazione.at(campi.size())),
                           QStringLiteral("campo mancante."));
        if (campi.size() > intestazione.size())
            return rifiuta(r, numeroColonna(intestazione.size()), QStringLiteral("campo in più."));
        if (catalogo.motori.size() == massimoMotori)
            return rifiuta(r, QString(),
                           QStringLiteral("più di %1 motori, il limite di un catalogo.")
                               .arg(QLocale(QLocale::Italian).toString(qulonglong(massimoMotori))));
        Motore m;
        std::array<double, NumeroDati> valori{}; // a rated torque left out stays 0
        for (qsizetype k = 0; k < campi.size(); ++k) {
            if (!perCampo[std::size_t(k)])
                continue;
            const Colonna &c = *perCampo[std::size_t(k)];
            const QString &testo = campi.at(k);
            if (testo.isEmpty()) {
                if (c.dato == CoppiaNominale)
                    continue;
                return rifiuta(r, nomeColonna(intestazione.at(k)),
                               QStringLiteral("valore mancante."));
            }
            if (c.dato == Nome) {
                m.nome = testo;
                continue;
            }
            if (const QString errore = numero(testo, valori[c.dato]); !errore.isEmpty())
                return rifiuta(r, nomeColonna(intestazione.at(k)), errore);
            valori[c.dato] /= c.divisore;
            if (const QString errore = positivo(valori[c.dato]); !errore.isEmpty())
                return rifiuta(r, nomeColonna(intestazione.at(k)), errore);
        }
        m.Pn = valori[Potenza];
        m.nn = valori[VelocitaNominale];
        m.nmax = valori[VelocitaMassima];
        if (valori[CoppiaNominale] > 0)
            m.Cn = valori[CoppiaNominale];
        m.Cmax = valori[CoppiaMassima];
        m.Jmot = valori[Inerzia];
        catalogo.motori.push_back(std::move(m));
    }
    if (catalogo.motori.empty())
        return rifiuta(rigaIntestazione, QString(),
                       QStringLiteral("nessun motore dopo la riga di intestazione."));
    return catalogo;
}

} // namespace verifica
