#pragma once
// What the calculator windows share (drum hoist, conveyor, screw lift and travel, reel,
// cylinder utility): their value boxes declared as one table, the colour legend, the three
// states of "Immissione dati", "Calcola" and the status label, the File menu with its data
// file, the reading of a box with its message, and the speed derivation of the linear
// calculators. Each calculator derives from Calcolatrice with its tables and formulas and
// keeps the names its controls and handlers have always had; the view in ui/ builds the
// window from the tables and places the controls.

#include "calcolo/impedimento.h"
#include "shell/forms.h"
#include "shell/platform.h"

#include "calcolo/esame.h"
#include "calcolo/grandezza.h"
#include "scheda/foglio.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// Where a row stands: with the data the user types, or with the results.
enum class Colonna { Dati, Risultati };

// One value box with its label and unit.
struct Riga {
    int box;            // index in txtInDat and line in the data file
    QString didascalia; // the row's label as the window shows it
    QString nome;       // the quantity, as messages name it ("Diametro del tamburo")
    QString simbolo;    // "DS"
    QString unita;      // the unit label as the window shows it; empty where there is none
    std::optional<Colore> colore{};       // the box's class colour; none: a plain box
    QString preset = QStringLiteral("0"); // what the window writes into it when it loads
    Colonna colonna = Colonna::Dati;
    QString unitaScheda{}; // the unit the sheet gives where the window writes it in the caption
};

// One label of the colour legend.
struct VoceLegenda {
    QString nome; // control name
    QString testo;
    Colore colore;
    Colore testoColore = colori::nero;
};

// What sets one calculator's window apart besides its handlers.
struct Tavola {
    QString caption;
    QList<Riga> righe;            // in screen order
    QList<VoceLegenda> legenda{}; // top to bottom
    Aspetto immissione{};         // "Immissione dati" as the window loads
    Aspetto stato{};              // the status label as the window loads
    Aspetto modifica{QStringLiteral("Modifica Dati"), colori::gialloChiaro};
    Aspetto esci{QStringLiteral("Esci"), colori::rosso};
    QString mancanti = QStringLiteral("Dati mancanti o errati"); // "Calcola" without valid data
    QString nomeImmissione = QStringLiteral("btnInseDat");
    QString rigaData{};                                 // the date label before a file is opened
    QString titoloNuovo = QStringLiteral("Salva File"); // title of the messages of a new file
    bool azzeraValidita = true; // loading clears the data-valid flag (not the utility)
};

class Calcolatrice : public FormModel {
    Q_OBJECT
public:
    enum class Pulsante { Immissione, Calcola, Modifica, Esci };

    const Tavola &tavola() const { return *m_tavola; }
    const QList<Riga> &righe() const { return m_tavola->righe; }
    const Riga &riga(int box) const;
    int caselle() const { return int(m_txt.size()); }

    void Form_Load() override;

    const QString &txtInDat(int box) const { return m_txt.at(box); }
    void setTxtInDat(int box, const QString &text); // typed, pasted, set by a screen reader
    const QStringList &testi() const { return m_txt; }

    const Aspetto &btnInseDat() const { return m_btnInseDat; }
    const Aspetto &btnCalcola() const { return m_btnCalcola; }
    const Aspetto &btnModDat() const { return m_tavola->modifica; }
    const Aspetto &btnEsci() const { return m_tavola->esci; }
    const Aspetto &statusLabel() const { return m_stato; }
    // The first line of the last data file opened, where the window shows it.
    const QString &rigaData() const { return m_rigaData; }

    const Aspetto &aspetto(Pulsante p) const;
    QString nomePulsante(Pulsante p) const;
    void premi(Pulsante p);

    virtual void btnInseDat_Click() = 0;
    virtual void btnCalcola_Click() = 0;
    virtual void btnModDat_Click() = 0;
    void btnEsci_Click() { unload(); }

    // The window's menus; its File menu ends with "Esporta scheda PDF...".
    QList<Menu> menu() final;

    // The numbers of the last successful "Calcola", data and results, in the calculation's
    // order; empty before one, and again once the data are entered or changed.
    const QList<scheda::Grandezza> &grandezze() const { return m_grandezze; }
    bool calcolato() const { return !m_grandezze.isEmpty(); }
    // The sizing sheet of that calculation, with the motor check made on its cycle; nothing
    // before a successful "Calcola".
    std::optional<scheda::Foglio> scheda(const Intestazione &intestazione,
                                         const QDateTime &quando) const;
    // "Esporta scheda PDF...": customer and project, the save dialog, the file; a cancelled
    // dialog does nothing, a file that cannot be written gives its message.
    void mnuEsportaScheda_Click();

    // The batch program's side of the window. A switch of the job's own options (its row in
    // the table of jobs: "svolgitore", "cavo"), set before the data file is opened.
    virtual void scegli(const QString &opzione) { (void)opzione; }
    // The lines the results window shows, top to bottom; none before a "Calcola" opened it.
    virtual QStringList righeRisultato() const;
    // An output option of the job's own, done after "Calcola" as the window's menu does it
    // (the reel: "risultati" saves the results file, "stampa" opens the report); the dialogs
    // are answered with the option's file.
    virtual void esporta(const QString &opzione) { (void)opzione; }

    // The box texts as the data entry before the last "Calcola" left them.
    const QStringList &testiCalcolati() const { return m_testiCalcolati; }
    // The drive's drawing as the window shows it; an empty path for none.
    virtual scheda::Figura figura() const { return {}; }
    // What the sheet shows of the results besides their table (the reel's summary and chart).
    virtual void completaScheda(scheda::Foglio &) const {}

    // The data file. Opening fills the boxes by index from line 2 (boxes without a line keep
    // their text, lines without a box are ignored) and keeps line 1 as the date; nothing
    // changes, after a message, when the file cannot be read. The dialog versions do nothing
    // when cancelled.
    bool apriFile(const QString &path);
    bool salvaFile(const QString &path);
    // A file holding the one line "nuovo file"; the save dialog asks before replacing a file.
    bool nuovoFile(const QString &path);
    bool ApriFile();
    void SalvaFile();
    void NuovoFile();

    // The window's common dialog control: the filter and the last file name chosen.
    CommonDialog dialogo{m_id};

protected:
    Calcolatrice(FormId id, Ambiente env, const Tavola &tavola);

    // After the boxes and states are set at load, what else the window does.
    virtual void caricato() {}
    // The window's own menus, before the sheet's entry is added to its File menu.
    virtual QList<Menu> menuFinestra() = 0;
    // A successful "Calcola": its numbers, for the sheet and the batch program, with the box
    // texts as they are now.
    void registraScheda(QList<scheda::Grandezza> grandezze);
    // How the window names the quantity that stops its calculation.
    virtual QString simbolo(Impedimento motivo) const { return simboloLineare(motivo); }

    // A box into a variable; a text that is not a number is reported by the row's symbol and
    // name and leaves the variable as it was.
    bool leggi(int box, double &into);
    // Whether a box holds a number; when not, its message.
    bool numero(int box);
    // Every box of the list in its order, each failure with its message; true when all held
    // numbers.
    bool leggiTutte(std::initializer_list<std::pair<int, double *>> lettura);
    // After the reading: true when a box held no number; then nothing is derived and the
    // data are not valid.
    bool senzaNumeri(bool numeri);
    void scrivi(int box, const QString &text) { m_txt[box] = text; }
    void scrivi(int box, double value, const QString &pattern);
    void messaggio(const QString &text);

    // The checks the linear calculators share, each with its message: a value that must be
    // positive (written back into its box), the ratio N, and the weights WL and WT whose sum
    // the total box shows.
    bool positivo(double valore, int box, const QString &messaggio);
    bool rapporto(int boxN);
    bool pesi(int boxTotale);

    bool datiValidi() const;
    // "Calcola": without valid data the status label says so; a calculation stopped by its
    // data says why; otherwise `mostra` gets the result.
    template <class Calcolo, class Mostra> void calcola(Calcolo calcolo, Mostra mostra)
    {
        if (!avviaCalcolo())
            return;
        const auto esito = calcolo();
        if (!impedito(esito.motivo))
            mostra(*esito.risultato);
    }
    bool avviaCalcolo();
    bool impedito(Impedimento motivo);
    // The flag from the checks; valid data turn the buttons green and blank the status label.
    void segnaValidita(bool validi);
    void segnaValidi();
    // The buttons and the status label back to the data entry.
    void segnaDaInserire(const Aspetto &immissione, const Aspetto &stato);
    // "Calcola" without valid data, or stopped by its data.
    void segnaMancanti();
    void segnaImpedito(Impedimento motivo);
    // The results into their boxes, each in its picture format, then the result window with
    // the torque the calculator hands over in CmtRis, and the calculation's duty cycle for the
    // motor check.
    struct Uscita {
        int box;
        double valore;
        const char *formato;
    };
    // `grandezze`: the calculation's numbers, for the sizing sheet.
    void mostraRisultato(std::initializer_list<Uscita> uscite, const verifica::Ciclo &ciclo,
                         QList<scheda::Grandezza> grandezze);
    // The times of the cycle as the data entry left them.
    verifica::Tempi tempi() const;
    // What the calculation asks of a motor, kept for the check; an open check window shows it
    // at once.
    void registraCarico(verifica::Carico carico);

    // Vl and Wm through the calculator's transmission: Wm from a Vl, else Vl from a Wm,
    // else Vl from the travel length and times and Wm from it, with their messages. The
    // derived speeds are written into their boxes; false when none could be derived.
    struct Trasmissione {
        std::function<std::optional<double>(double Vl)> wmDaVl;
        std::function<std::optional<double>(double Wm)> vlDaWm;
    };
    bool derivaVelocita(int boxVl, int boxWm, const Trasmissione &t);

    Aspetto m_btnInseDat;
    Aspetto m_btnCalcola;
    Aspetto m_stato;

private:
    const Tavola *m_tavola;
    QStringList m_txt;
    QString m_rigaData;
    QList<scheda::Grandezza> m_grandezze;
    QStringList m_testiImmessi, m_testiCalcolati;
    CommonDialog m_dialogoScheda{m_id};
};
