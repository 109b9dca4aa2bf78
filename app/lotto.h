#pragma once
// A run of many data files: the files the arguments name, and the progress shown on a
// terminal while they are calculated.

#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>

// The data files of the arguments: each file as given, each folder's *.txt files in name
// order. False, after its message, for a folder without any.
bool elencaDati(const QStringList &argomenti, QStringList &files, bool &cartella, QTextStream &err);

// "  1234/10000 file" on a terminal's standard error, once the run has lasted a second,
// rewritten a few times a second and erased before a message and at the end.
class Avanzamento {
public:
    Avanzamento(QTextStream &err, bool terminale, qsizetype totale)
        : m_err(err), m_terminale(terminale), m_totale(totale)
    {
        m_inizio.start();
    }
    ~Avanzamento() { cancella(); }

    void passo(qsizetype fatti)
    {
        if (!m_terminale || m_inizio.elapsed() < 1000 ||
            (m_ultima.isValid() && m_ultima.elapsed() < 250))
            return;
        const QString riga = QStringLiteral("  %1/%2 file").arg(fatti).arg(m_totale);
        m_err << '\r' << riga.leftJustified(m_larghezza);
        m_err.flush();
        m_larghezza = riga.size();
        m_ultima.start();
    }

    // Whether the progress is shown at all (standard error is a terminal).
    bool terminale() const { return m_terminale; }

    void cancella()
    {
        if (m_larghezza == 0)
            return;
        m_err << '\r' << QString(m_larghezza, QLatin1Char(' ')) << '\r';
        m_err.flush();
        m_larghezza = 0;
    }

private:
    QTextStream &m_err;
    bool m_terminale;
    qsizetype m_totale;
    QElapsedTimer m_inizio, m_ultima;
    qsizetype m_larghezza = 0; // of the line shown; 0: none
};
