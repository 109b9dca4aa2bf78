#pragma once
// Soll_vite_Form, "Sollevamento con vite e madrevite", and traslForm, "Spostamento
// orizzontale con vite e madrevite.": a table with its load moved by a nut on a screw, lifted
// or travelling horizontally. Both windows have the same 25 value boxes, the same data entry
// with its checks and speed derivation, the same sizing and the same data file; what differs
// (captions, colours, places, menu, the marking during a data entry) is their configuration.
// Opened by the main window; the Qt view in ui/ binds it to widgets.

#include "shell/forms.h"
#include "shell/platform.h"

#include <QList>
#include <array>
#include <optional>

class ViteModel : public FormModel {
    Q_OBJECT
public:
    static constexpr int Caselle = 25;

    struct Riga {
        int box;         // index in txtInDat
        QString testo;   // row text, verbatim
        QString simbolo; // between the quotes of the row label
        QString unita;   // unit label (Label3), leading blank included
        std::optional<Colore> colore; // class colour; nothing = the window background
    };
    struct Legenda {
        QString nome; // control name
        QString testo;
        Colore colore;
        Colore testoColore = colori::nero;
    };
    enum class Azione { NuovoFile, ApriFile, SalvaFile, Esci };
    struct Voce {
        QString nome;  // control name
        QString testo; // caption with its access key
        Azione azione;
    };
    // A place on the window in twips; width 0 = sized to its text.
    struct Posto {
        int left, top, width, height;
    };

    struct Configurazione {
        FormId id;
        QString caption;
        // in screen order: the input column 0..11, 23, 12..17, 24, then the results 18..22
        std::array<Riga, Caselle> righe;
        std::array<Legenda, 5> legenda; // top to bottom
        QList<Voce> menu;               // entries of "&File" in their order
        Aspetto btnInseDat;             // at load
        Aspetto label15;                // at load
        Aspetto btnEsci;
        // Lift: every data entry first returns the whole form to the unmarked state.
        // Travel: only Label15 turns to "Inserire i Dati" on red; the buttons stay.
        bool smarcaOgniImmissione;
        // columns of the boxes and of the legend, the first row of each, the row pitch
        int sinistraIngressi, sinistraRisultati, sinistraLegenda;
        int topIngressi, topRisultati, topLegenda, passo;
        Posto label15Posto, label8Posto;
        QString immagine; // resource path of the picture
        int immagineLarghezza, immagineAltezza; // pixels
    };
    static const Configurazione &configurazione(FormId id);

    // id is FormId::Soll_vite_Form or FormId::traslForm.
    ViteModel(FormId id, Ambiente env);

    const Configurazione &config() const { return *m_config; }
    const Riga &riga(int box) const;
    // Row label (Label2): the row text, blanks, the symbol in quotes and " =".
    QString label2(int box) const;
    static bool risultato(int box) { return box >= 18 && box <= 22; }

    QString caption() const override { return m_config->caption; }
    void Form_Load() override;

    const QString &txtInDat(int box) const { return m_txt.at(box); }
    const QString &txtIndat(int box) const { return txtInDat(box); }
    void setTxtInDat(int box, const QString &text); // typed by the user

    const Aspetto &btnInseDat() const { return m_btnInseDat; }
    const Aspetto &btnCalcola() const { return m_btnCalcola; }
    static Aspetto btnModDat() { return {QStringLiteral("Modifica Dati"), colori::gialloChiaro}; }
    const Aspetto &btnEsci() const { return m_config->btnEsci; }
    const Aspetto &Label15() const { return m_label15; }
    const Aspetto &statusLabel() const { return m_label15; }
    const QString &Label8() const { return m_label8; } // first line of the last file opened

    void btnInseDat_Click();
    void btnCalcola_Click();
    void btnModDat_Click();
    void btnEsci_Click() { unload(); }

    // File menu; the lift has every entry but muSalvaFile and mnuEsci, the travel
    // window has no new-file entry and names its entries mnuApriFile, mnuSalvaFileNome,
    // muSalvaFile, mnuEsci.
    void mnuApriNwFil_Click() { NuovoFile(); }
    bool mnuApriFile_Click(); // true when a file was loaded
    bool mnuFileApri_Click() { return mnuApriFile_Click(); }
    void mnuSalvaFileNome_Click() { SalvaFile(); }
    void mnuSalvaFile_Click() { SalvaFile(); }
    void muSalvaFile_Click() { SalvaFile(); }
    void mnuFileEsci_Click() { unload(); }
    void mnuEsci_Click() { unload(); }
    // The entry of the configured menu.
    void esegui(Azione azione);

    // Loads a data file into the boxes; false (after a message) when it cannot be read.
    bool apriFile(const QString &path);
    // Writes the boxes into a data file; false (after a message) when it cannot be written.
    bool salvaFile(const QString &path);
    // Writes a data file holding only "nuovo file"; false after a message.
    bool nuovoFile(const QString &path);

    CommonDialog cmnDialogBox1{m_id};

private:
    void SalvaFile();
    void NuovoFile();
    void smarca();
    bool leggi(int box, double &into);
    void scrivi(int box, const QString &text) { m_txt[box] = text; }
    void messaggio(const QString &text);

    const Configurazione *m_config;
    std::array<QString, Caselle> m_txt;
    Aspetto m_btnInseDat;
    Aspetto m_btnCalcola{QStringLiteral("Calcola"), colori::rosso};
    Aspetto m_label15;
    QString m_label8;
};
