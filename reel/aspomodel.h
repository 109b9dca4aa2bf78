#pragma once
// aspoForm, "Verifica Aspi": the reel winder/unwinder window. Fourteen value boxes, the
// winder/unwinder and acceleration/deceleration choices, the data entry that checks them into
// the shared state, "Calcola" that runs the diameter sweep and opens the reel results window,
// the data file, the results file and the report window.

#include "shell/forms.h"
#include "shell/impedimento.h"
#include "shell/platform.h"

#include <array>

class AspoModel : public FormModel {
    Q_OBJECT
public:
    static constexpr int Caselle = 14;

    struct Riga {
        int box; // index in txtInDat and in the data file
        QString nome;
        QString simbolo;
        QString unita;
        QString preset;
        Colore colore;
    };
    // The rows in screen order (not index order).
    static const std::array<Riga, Caselle> &righe();
    static const Riga &riga(int box);
    // Label2(k): the name padded with blanks, the symbol between quotes, " =".
    static QString label2(int box);

    explicit AspoModel(Ambiente env) : FormModel(FormId::aspoForm, env) {}

    QString caption() const override { return QStringLiteral("Verifica Aspi"); }
    void Form_Load() override;

    const QString &txtInDat(int box) const { return m_txt.at(box); }
    void setTxtInDat(int box, const QString &text);
    const std::array<QString, Caselle> &testi() const { return m_txt; }

    // opt_avv (winder) or opt_svol; opt_acc (acceleration) or opt_dec
    bool opt_avv() const { return m_avvolgitore; }
    bool opt_acc() const { return m_accelerazione; }
    void setOpt_avv(bool winder);
    void setOpt_acc(bool acceleration);

    const Aspetto &btnInseDat() const { return m_btnInseDat; }
    const Aspetto &btnCalcola() const { return m_btnCalcola; }
    static Aspetto btnModDat() { return {QStringLiteral("Modifica Dati"), Colore::bgr(0x80FFFF)}; }
    static Aspetto btnEsci() { return {QStringLiteral("Esci"), Colore::bgr(0xFF)}; }
    const Aspetto &Label15() const { return m_label15; }
    const Aspetto &statusLabel() const { return m_label15; }
    const Aspetto &Label1() const { return m_label1; }

    void btnInseDat_Click();
    void btnModDat_Click();
    void btnCalcola_Click();
    void btnEsci_Click() { unload(); }
    void mnuEsci_Click() { unload(); }
    bool mnuFileApri_Click(); // true when a file was loaded
    void mnusalva_Click() { SalvaFile(); }
    void mnusalvaconnome_Click() { SalvaFile(); }
    void mnusalva_ris_Click() { SalvaRisultati(); }
    void mnustampa_ris_Click();

    // how the window names the quantity that stops the sweep
    static QString simbolo(Impedimento motivo);

    bool apriFile(const QString &path);
    bool salvaFile(const QString &path);
    bool salvaRisultati(const QString &path);

    CommonDialog cmnDialogBox{m_id};

private:
    void SalvaFile();
    void SalvaRisultati();
    void MostraRisultati();
    bool leggi(int box, double &into);

    std::array<QString, Caselle> m_txt;
    bool m_avvolgitore = true;
    bool m_accelerazione = true;
    Aspetto m_btnInseDat{QStringLiteral("Immissione dati"), Colore::bgr(0xC0C0FF)};
    Aspetto m_btnCalcola{QStringLiteral("Calcola"), Colore::bgr(0xFF)};
    Aspetto m_label15{QString(), colori::argento};
    Aspetto m_label1{QStringLiteral("Dati registrati il:  "), Colore::bgr(0xC0C0C0)};
};
