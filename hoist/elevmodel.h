#pragma once
// elevForm, "Sollevamento con tamburo": the drum hoist window. 22 value boxes, the data entry
// that checks them into the shared state and derives the missing speed, "Calcola" that sizes
// the motor and opens the result window, "Modifica Dati", the data file and the help menu.
// Opened by the main window; the Qt view in ui/ binds it to widgets.

#include "shell/forms.h"
#include "shell/platform.h"

#include <array>

class ElevModel : public FormModel {
    Q_OBJECT
public:
    static constexpr int Caselle = 22;

    struct Riga {
        int box;       // index in txtInDat
        QString label; // row label (Label2), verbatim
        QString unita; // unit label (Label3)
        Colore colore; // class colour of the box
    };
    // The rows in screen order: the right-hand column 0..11, 21, 12..16, then the left-hand
    // column 17..20.
    static const std::array<Riga, Caselle> &righe();
    static const Riga &riga(int box);
    // The symbol between the quotes of a row label ("DS", "Tdec").
    static QString simbolo(int box);

    struct Legenda {
        QString nome; // control name
        QString testo;
        Colore colore;
    };
    static const std::array<Legenda, 5> &legenda();

    explicit ElevModel(Ambiente env) : FormModel(FormId::elevForm, env) {}

    QString caption() const override { return QStringLiteral("Sollevamento con tamburo"); }
    void Form_Load() override;

    const QString &txtInDat(int box) const { return m_txt.at(box); }
    void setTxtInDat(int box, const QString &text); // typed by the user

    const Aspetto &btnInseDat() const { return m_btnInseDat; }
    const Aspetto &btnCalcola() const { return m_btnCalcola; }
    static Aspetto btnModDat() { return {QStringLiteral("Modifica Dati"), colori::gialloChiaro}; }
    static Aspetto btnEsci() { return {QStringLiteral("Esci"), colori::rosso}; }
    const Aspetto &Label15() const { return m_label15; }
    const Aspetto &statusLabel() const { return m_label15; }
    double WC() const { return m_WC; }

    void btnInseDat_Click();
    void btnCalcola_Click();
    void btnModDat_Click();
    void btnEsci_Click() { unload(); }
    bool mnuFileApri_Click(); // true when a file was loaded
    void mnuSaveFile_Click() { SalvaFile(); }
    void mnuSaveFileAs_Click() { SalvaFile(); }
    void mnuAiuto_Click() { ApriAiutoTamburo(); }
    void mnuHlep_Click() {}

    // Loads a data file into the boxes; false (after a message) when it cannot be read.
    bool apriFile(const QString &path);
    // Writes the boxes into a data file; false (after a message) when it cannot be written.
    bool salvaFile(const QString &path);

    CommonDialog cmnDialogBox1{m_id};

private:
    void SalvaFile();
    void ApriAiutoTamburo() { m_env.finestre.openForm(FormId::aiutoForm_elev); }
    void segnaDaInserire();
    bool leggi(int box, double &into);
    void scrivi(int box, const QString &text) { m_txt[box] = text; }
    void messaggio(const QString &text);

    std::array<QString, Caselle> m_txt;
    Aspetto m_btnInseDat{QStringLiteral("Immissione dati"), colori::rosa};
    Aspetto m_btnCalcola{QStringLiteral("Calcola"), colori::rosso};
    Aspetto m_label15{QString(), colori::argento};
    double m_WC = 0; // the counterweight belongs to this window, not to the shared state
};
