#pragma once
// utilForm, "Utilità": the moment of inertia of a solid or hollow cylinder. Four value boxes
// (d, D, l, rho), the data entry that checks them into the shared state, "Calcola" that shows
// the inertia in the window's own result box, "Modifica dati", and the menu that picks the
// kind of cylinder and its picture. Opened by the main window; the Qt view in ui/ binds it.

#include "shell/forms.h"
#include "shell/platform.h"

#include <array>

class UtilModel : public FormModel {
    Q_OBJECT
public:
    static constexpr int Caselle = 4;

    struct Riga {
        int box;       // index in txtInDat
        QString nome;  // label control, "Label2(1)"
        QString label; // caption, verbatim
        QString simbolo;
    };
    // The input rows top to bottom: d, D, l, rho.
    static const std::array<Riga, Caselle> &righe();
    static const Riga &riga(int box);
    static QString labelRisultato() { return QStringLiteral("Momento d'inerzia  [kg/m2] ="); }

    static QString filePieno() { return QStringLiteral("cilindropieno.JPG"); }
    static QString fileCavo() { return QStringLiteral("cilindrocavo.JPG"); }

    // cartellaImmagini: the folder that holds the two cylinder pictures
    UtilModel(Ambiente env, QString cartellaImmagini);

    QString caption() const override { return QStringLiteral("Utilità"); }
    void Form_Load() override;

    const QString &txtInDat(int box) const { return m_txt.at(box); }
    void setTxtInDat(int box, const QString &text); // typed by the user
    const QString &txtOutDat() const { return m_txtOutDat; }

    const Aspetto &btnInDat() const { return m_btnInDat; }
    const Aspetto &btnCalcola() const { return m_btnCalcola; }
    static Aspetto btnModDat() { return {QStringLiteral("Modifica dati"), Colore::bgr(0x80FFFF)}; }
    static Aspetto btnEsci() { return {QStringLiteral("Esci"), Colore::bgr(0xFF)}; }
    const Aspetto &Label1() const { return m_label1; }
    const Aspetto &statusLabel() const { return m_label1; }

    // The picture file imag_Lav is to show; at first the design's hollow cylinder.
    const QString &immagine() const { return m_immagine; }
    const QString &cartellaImmagini() const { return m_cartella; }

    void btnInDat_Click();
    void btnInseDat_Click() { btnInDat_Click(); } // the name the other calculators use
    void btnCalcola_Click();
    void btnModDat_Click();
    void btnEsci_Click() { unload(); }
    void mnuCil_Pieno_Click();
    void mnuJ_Cil_Cavo_Click();

    // Not on this window's menu, offered like every calculator for the batch program.
    bool mnuFileApri_Click(); // true when a file was loaded
    // Loads a data file into the four boxes; false (after a message) when it cannot be read.
    bool apriFile(const QString &path);
    // Writes the four boxes into a data file; false (after a message) when it cannot be written.
    bool salvaFile(const QString &path);

    CommonDialog cmnDialogBox1{m_id};

signals:
    // A menu entry has chosen the picture: the view loads immagine() again.
    void immagineScelta();

private:
    void daInserire();
    bool leggi(int box, double &into);
    void messaggio(const QString &text);
    void scegliImmagine(const QString &file);

    QString m_cartella;
    QString m_immagine;
    std::array<QString, Caselle> m_txt;
    QString m_txtOutDat;
    Aspetto m_btnInDat{QStringLiteral("Immissione dati"), Colore::bgr(0x8080FF)};
    Aspetto m_btnCalcola{QStringLiteral("Calcola"), Colore::bgr(0xFF)};
    Aspetto m_label1;
    bool m_labelErrore = false; // Label1 tells why the last "Calcola" gave nothing
};
