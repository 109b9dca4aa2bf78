#include "app/resoconto.h"

#include "calcolo/numbers.h"
#include "shell/nomi.h"
#include "verifica/testi.h"

#include <QHash>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace resoconto {

namespace {

QString nomeEsito(Esito esito)
{
    switch (esito) {
    case Esito::Calcolato: return QStringLiteral("calcolato");
    case Esito::DatiNonValidi: return QStringLiteral("dati non validi");
    case Esito::Errore: break;
    }
    return QStringLiteral("errore");
}

// Writes the file's text at its turn.
class Uscita : public Formato {
public:
    explicit Uscita(QTextStream &out) : m_out(out) {}
    void scrivi(Pezzo &pezzo) override
    {
        if (pezzo.utf8.isEmpty()) {
            m_out << pezzo.uscita;
        } else if (QIODevice *device = m_out.device();
                   device && m_out.encoding() == QStringConverter::Utf8) {
            // text that is UTF-8 already goes out as it is, after what the stream holds
            m_out.flush();
            if (device->write(pezzo.utf8) != pezzo.utf8.size())
                m_out.setStatus(QTextStream::WriteFailed);
        } else {
            m_out << QString::fromUtf8(pezzo.utf8);
        }
    }

private:
    QTextStream &m_out;
};

// The lines the windows show, as the batch program has always printed them.
class Testo : public Uscita {
public:
    Testo(const Corsa &corsa, QTextStream &out) : Uscita(out), m_corsa(corsa) {}

    void prepara(const File &file, Banco &banco, Pezzo &pezzo) const override
    {
        const NumberFormat &f = banco.numeri;
        QString &out = pezzo.uscita;
        // what a line holds is escaped: a name or a text can neither forge a line nor drive
        // the terminal
        const auto riga = [&out](QLatin1String inizio, const QString &testo) {
            out += inizio + nomi::stampabile(testo) + QLatin1Char('\n');
        };
        if (m_corsa.intestazioni)
            riga(QLatin1String("file: "), file.nome);
        for (const Messaggio &m : file.messaggi)
            if (!m.errore)
                riga(QLatin1String("messaggio: "), m.testo);
        for (qsizetype k = 0; k < file.caselle.size(); ++k)
            out += QLatin1String("casella ") + QString::number(k) + QLatin1String(": ") +
                   nomi::stampabile(file.caselle.at(k)) + QLatin1Char('\n');
        for (const QString &r : file.risultati)
            riga(QLatin1String("risultato: "), r);
        if (!file.verifica)
            return;
        const Verifica &v = *file.verifica;
        for (const QString &r : verifica::righe(v.carico, v.studio, f))
            riga(QLatin1String("verifica: "), r);
        if (!m_corsa.catalogo)
            return;
        const verifica::Confronto &confronto = v.confronto;
        for (std::size_t i = 0; i < confronto.esami.size(); ++i)
            riga(QLatin1String("motore: "),
                 verifica::rigaMotore(v.carico, m_corsa.motori[i], confronto.esami[i], f));
        riga(QLatin1String("motore scelto: "),
             confronto.scelto ? verifica::nomeMotore(m_corsa.motori[*confronto.scelto].nome)
                              : QStringLiteral("nessuno"));
    }

private:
    const Corsa &m_corsa;
};

// The boxes' texts by their number. An object keeps its keys in order ("0", "1", "10", ...):
// inserted in that order, each goes at the end.
QJsonObject caselle(const QStringList &testi, Banco &banco)
{
    if (qsizetype(banco.chiavi.size()) != testi.size()) {
        banco.chiavi.clear();
        for (qsizetype k = 0; k < testi.size(); ++k)
            banco.chiavi.emplace_back(QString::number(k), k);
        std::sort(banco.chiavi.begin(), banco.chiavi.end());
    }
    QJsonObject o;
    for (const auto &[chiave, k] : banco.chiavi)
        o.insert(chiave, testi.at(k));
    return o;
}

// The values by their names; the units of the last file are those of this one when the names
// and units are the same.
QJsonObject valori(const QList<scheda::Grandezza> &grandezze, Banco &banco)
{
    const bool uguali =
        std::equal(grandezze.begin(), grandezze.end(), banco.nomi.begin(), banco.nomi.end(),
                   [](const scheda::Grandezza &g, const std::pair<QString, QString> &n) {
                       return g.nome == n.first && g.unita == n.second;
                   });
    if (!uguali) {
        banco.nomi.clear();
        banco.ordine.clear();
        banco.unita = QJsonObject();
        for (const scheda::Grandezza &g : grandezze) {
            banco.ordine.push_back(banco.nomi.size());
            banco.nomi.emplace_back(g.nome, g.unita);
            banco.unita.insert(g.nome, g.unita);
        }
        std::stable_sort(banco.ordine.begin(), banco.ordine.end(), [&](qsizetype a, qsizetype b) {
            return grandezze.at(a).nome < grandezze.at(b).nome;
        });
    }
    QJsonObject o;
    for (const qsizetype i : banco.ordine)
        o.insert(grandezze.at(i).nome, numero(grandezze.at(i).valore));
    return o;
}

// One object a file, on one line.
class Json : public Uscita {
public:
    Json(const Corsa &corsa, QTextStream &out) : Uscita(out), m_corsa(corsa) {}

    void prepara(const File &file, Banco &banco, Pezzo &pezzo) const override
    {
        QJsonArray messaggi;
        for (const Messaggio &m : file.messaggi)
            messaggi.append(m.testo);
        const QJsonObject numeri = valori(file.grandezze, banco); // and their units
        QJsonObject o{{QStringLiteral("file"), nomi::stampabile(file.nome)},
                      {QStringLiteral("lavoro"), m_corsa.lavoro},
                      {QStringLiteral("esito"), nomeEsito(file.esito)},
                      {QStringLiteral("messaggi"), messaggi},
                      {QStringLiteral("caselle"), caselle(file.caselle, banco)},
                      {QStringLiteral("valori"), numeri},
                      {QStringLiteral("unita"), banco.unita},
                      {QStringLiteral("risultati"), QJsonArray::fromStringList(file.risultati)}};
        if (m_corsa.verifica)
            o.insert(QStringLiteral("verifica"), file.verifica
                                                     ? QJsonValue(verificaJson(*file.verifica))
                                                     : QJsonValue(QJsonValue::Null));
        pezzo.utf8 = QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
    }

private:
    QJsonObject verificaJson(const Verifica &v) const
    {
        return resoconto::verificaJson(v, m_corsa.motori);
    }

    const Corsa &m_corsa;
};

// A text field as spreadsheets quote it: in double quotes, each quote doubled, when it holds
// the separator, a quote or a line end; after an apostrophe when it begins as a formula does,
// so that a spreadsheet shows it and never runs it.
QString campo(const QString &testo)
{
    QString sicuro = testo;
    if (!sicuro.isEmpty() && QStringView(u"=+-@\t\r").contains(sicuro.front()))
        sicuro.prepend(QLatin1Char('\''));
    if (!sicuro.contains(QLatin1Char(';')) && !sicuro.contains(QLatin1Char('"')) &&
        !sicuro.contains(QLatin1Char('\n')) && !sicuro.contains(QLatin1Char('\r')))
        return sicuro;
    sicuro.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + sicuro + QLatin1Char('"');
}

// A line a file with the numbers of its calculation, a column a name. Every file that
// calculates has the same names (one job, one set of options), so the columns are those of the
// first one, and each line is written as its file comes; the lines of the files before it,
// which have no numbers, wait for the header.
class Csv : public Formato {
public:
    Csv(const Corsa &corsa, QTextStream &out) : m_corsa(corsa), m_out(out) {}

    void prepara(const File &file, Banco &banco, Pezzo &pezzo) const override
    {
        pezzo.celle.reserve(std::size_t(file.grandezze.size()));
        for (const scheda::Grandezza &g : file.grandezze)
            pezzo.celle.emplace_back(g.nome, banco.numeri.completo(g.valore));
        if (m_corsa.verifica && !file.grandezze.isEmpty())
            for (auto &cella : verificaCelle(file.verifica, m_corsa.lavoro, m_corsa.catalogo,
                                             m_corsa.motori, banco.numeri))
                pezzo.celle.push_back(std::move(cella));
        QStringList messaggi;
        for (const Messaggio &m : file.messaggi)
            messaggi << m.testo;
        pezzo.messaggi = messaggi.join(QStringLiteral(" | "));
    }

    void scrivi(Pezzo &pezzo) override
    {
        if (!m_intestata && pezzo.celle.empty()) {
            m_attesa.push_back({pezzo.nome, pezzo.esito, pezzo.messaggi});
            return;
        }
        if (!m_intestata)
            intesta(pezzo.celle);
        m_celle.fill(QString(), m_nomi.size());
        for (auto &[nome, testo] : pezzo.celle)
            if (const auto dove = m_colonne.constFind(nome); dove != m_colonne.constEnd())
                m_celle[*dove] = std::move(testo);
        riga(pezzo.nome, pezzo.esito, pezzo.messaggi);
    }

    void chiudi() override
    {
        if (!m_intestata)
            intesta({});
    }

private:
    struct Attesa {
        QString file;
        Esito esito;
        QString messaggi;
    };

    void intesta(const std::vector<std::pair<QString, QString>> &celle)
    {
        const QChar sep(u';');
        // a byte-order mark first: spreadsheets then read the file as UTF-8 ("città", not "cittÃ")
        m_out << QChar(0xfeff) << "file;lavoro;esito;messaggi";
        for (const auto &cella : celle) {
            m_colonne.insert(cella.first, int(m_nomi.size()));
            m_nomi << cella.first;
            m_out << sep << campo(cella.first);
        }
        m_out << '\n';
        m_intestata = true;
        for (const Attesa &a : m_attesa) {
            m_celle.fill(QString(), m_nomi.size());
            riga(a.file, a.esito, a.messaggi);
        }
        m_attesa.clear();
    }

    void riga(const QString &file, Esito esito, const QString &messaggi)
    {
        const QChar sep(u';');
        m_out << campo(nomi::stampabile(file)) << sep << campo(m_corsa.lavoro) << sep
              << nomeEsito(esito) << sep << campo(messaggi);
        for (const QString &cella : std::as_const(m_celle))
            m_out << sep << cella;
        m_out << '\n';
    }

    const Corsa &m_corsa;
    QTextStream &m_out;
    bool m_intestata = false;
    QStringList m_nomi, m_celle;
    QHash<QString, int> m_colonne;
    std::vector<Attesa> m_attesa;
};

} // namespace

QJsonValue numero(double valore)
{
    return std::isfinite(valore) ? QJsonValue(valore) : QJsonValue(QJsonValue::Null);
}

QJsonValue numero(const std::optional<double> &valore)
{
    return valore ? numero(*valore) : QJsonValue(QJsonValue::Null);
}

Pezzo Formato::pezzo(const File &file, Banco &banco) const
{
    Pezzo pezzo{file.nome, file.esito, {}, {}, {}, {}, {}};
    for (const Messaggio &m : file.messaggi)
        if (m.errore)
            pezzo.errori << m.testo;
    prepara(file, banco, pezzo);
    return pezzo;
}

std::unique_ptr<Formato> formato(argomenti::Formato formato, const Corsa &corsa, QTextStream &out)
{
    switch (formato) {
    case argomenti::Formato::Json: return std::make_unique<Json>(corsa, out);
    case argomenti::Formato::Csv: return std::make_unique<Csv>(corsa, out);
    case argomenti::Formato::Testo: break;
    }
    return std::make_unique<Testo>(corsa, out);
}

} // namespace resoconto
