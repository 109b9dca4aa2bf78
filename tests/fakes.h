#pragma once
// Recording stand-ins for the desktop: message boxes are collected, file dialogs answer
// from a script, and windows shown are logged.

#include "app/finestre.h"
#include "scheda/foglio.h"
#include "shell/platform.h"
#include "shell/programma.h"

#include "charts/disegno.h"
#include "reel/documento.h"

#include <QStringList>
#include <deque>

struct Messaggio {
    QString testo;
    QString titolo;
    FormId finestra = FormId::mainForm; // the window the box is modal over
};

class FakePlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    QString stampaGrafico(const grafico::Disegno &disegno) override;
    QString stampaDocumento(const stampa::Documento &documento) override;
    QString esportaScheda(const scheda::Foglio &foglio, const QString &path) override
    {
        if (erroreStampa.isEmpty())
            schede.push_back({foglio, path});
        return erroreStampa;
    }
    std::optional<Intestazione> chiediIntestazione(FormId, const Intestazione &preset) override
    {
        intestazioniProposte.push_back(preset);
        return intestazione;
    }
    std::vector<std::pair<scheda::Foglio, QString>> schede;
    std::vector<Intestazione> intestazioniProposte;
    std::optional<Intestazione> intestazione = Intestazione{}; // none: cancelled
    std::vector<grafico::Disegno> graficiStampati;
    std::vector<stampa::Documento> documentiStampati;
    QString erroreStampa; // what the printer answers; empty = printed

    void msgBox(FormId owner, const QString &prompt, const QString &title) override
    {
        messaggi.push_back({prompt, title, owner});
    }
    QString showOpen(FormId owner, const QString &filter, const QString &fileName) override
    {
        proprietari.push_back(owner);
        filtri << filter;
        partenze << fileName;
        return risposta();
    }
    QString showSave(FormId owner, const QString &filter, const QString &fileName,
                     bool confirm) override
    {
        proprietari.push_back(owner);
        filtri << filter;
        partenze << fileName;
        conferme << confirm;
        return risposta();
    }
    QStringList testi() const
    {
        QStringList out;
        for (const Messaggio &m : messaggi)
            out << m.testo;
        return out;
    }

    std::vector<Messaggio> messaggi;
    std::deque<QString> risposte; // answers of the next dialogs; empty = cancelled
    QStringList filtri, partenze;
    QList<bool> conferme;
    std::vector<FormId> proprietari; // the window each dialog was shown over

private:
    QString risposta()
    {
        if (risposte.empty())
            return QString();
        QString r = risposte.front();
        risposte.pop_front();
        return r;
    }
};

class FakeHost : public FormHost {
public:
    void showForm(FormModel &model) override { mostrate.push_back(model.id()); }
    void closeForm(FormId id) override { chiuse.push_back(id); }
    std::vector<FormId> mostrate, chiuse;
};

inline QString FakePlatform::stampaGrafico(const grafico::Disegno &disegno)
{
    if (erroreStampa.isEmpty())
        graficiStampati.push_back(disegno);
    return erroreStampa;
}

inline QString FakePlatform::stampaDocumento(const stampa::Documento &documento)
{
    if (erroreStampa.isEmpty())
        documentiStampati.push_back(documento);
    return erroreStampa;
}

// A whole program with fakes, under Italian conventions.
struct Banco {
    FakePlatform piattaforma;
    FakeHost host;
    NumberFormat numeri{QLocale(QLocale::Italian, QLocale::Italy)};
    Programma programma{piattaforma, piattaforma, piattaforma, numeri};
    Banco()
    {
        registraModelli(programma);
        programma.setHost(&host);
    }
    Variabili &var() { return programma.var(); }
};
