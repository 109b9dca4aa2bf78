#pragma once
// convayorForm, "Scelta Motore per convogliatore a tappeto": the belt conveyor window.
// 19 value boxes, the data entry that checks them into the shared state and derives the
// missing speed, "Calcola" that sizes the motor for the inertia of belt and load and opens
// the result window, "Modifica Dati", and the data file with its "Nuovo file".
// Opened by the main window; the Qt view in ui/ binds it to widgets.

#include "shell/forms.h"
#include "shell/platform.h"

#include <array>

class ConvModel : public FormModel {
    Q_OBJECT
public:
    static constexpr int Caselle = 19;

    struct Riga {
        QString label; // row caption (Label1): text, blanks, "symbol", " ="
        QString unita; // unit label (Label2), empty where there is none
        Colore colore; // category colour of the box
    };
    // Row k is box k; the column shows them in index order.
    static const std::array<Riga, Caselle> &righe();
    static const Riga &riga(int box) { return righe().at(box); }
    // The symbol between the quotes of a row caption ("WL", "tacc").
    static QString simbolo(int box);
    // The row text before the symbol ("Massa carico").
    static QString nome(int box);

    struct Legenda {
        QString nome; // control name
        QString testo;
        Colore colore;
    };
    static const std::array<Legenda, 4> &legenda();

    explicit ConvModel(Ambiente env) : FormModel(FormId::convayorForm, env) {}

    QString caption() const override
    {
        return QStringLiteral("Scelta Motore per convogliatore a tappeto");
    }
    void Form_Load() override;

    // The box group is txtIndat on this window; txtInDat is the name every calculator offers.
    const QString &txtIndat(int box) const { return m_txt.at(box); }
    const QString &txtInDat(int box) const { return txtIndat(box); }
    void setTxtInDat(int box, const QString &text); // typed by the user
    void setTxtIndat(int box, const QString &text) { setTxtInDat(box, text); }

    const Aspetto &btnInseDat() const { return m_btnInseDat; }
    const Aspetto &btnCalcola() const { return m_btnCalcola; }
    static Aspetto btnModDat() { return {QStringLiteral("Modifica Dati"), colori::gialloChiaro}; }
    static Aspetto btnEsci() { return {QStringLiteral("Esci"), colori::rosso}; }
    const Aspetto &Label5() const { return m_label5; }
    const Aspetto &statusLabel() const { return m_label5; }
    // The first line of the last data file opened.
    const QString &Label9() const { return m_label9; }

    void btnInseDat_Click();
    void btnCalcola_Click();
    void btnModDat_Click();
    void btnEsci_Click() { unload(); }
    void mnuNewFile_Click() { NuovoFile(); }
    bool mnuFileApri_Click(); // true when a file was loaded
    void mnuFileSav_Click() { SalvaFile(); }
    void mnuFileSavAs_Click() { SalvaFile(); }

    // Loads a data file into the boxes; false (after a message) when it cannot be read.
    bool apriFile(const QString &path);
    // Writes the boxes into a data file; false (after a message) when it cannot be written.
    bool salvaFile(const QString &path);
    // Writes the one line "nuovo file"; false (after a message) when it cannot be written.
    bool nuovoFile(const QString &path);

    CommonDialog cmnDialogBox{m_id};

private:
    void SalvaFile();
    void NuovoFile();
    void immissione();
    void leggiInerzia(int box, double standard, double &into);
    void scrivi(int box, const QString &text) { m_txt[box] = text; }
    void messaggio(const QString &text);

    std::array<QString, Caselle> m_txt;
    Aspetto m_btnInseDat{QStringLiteral("Immissione dati"), colori::rosa};
    Aspetto m_btnCalcola{QStringLiteral("Calcola"), colori::rosso};
    // grey on grey, empty, until a data entry or "Calcola" writes into it
    Aspetto m_label5{QString(), colori::argento, colori::argento};
    QString m_label9;
};
