#pragma once
// aspoForm, "Verifica Aspi": the reel winder/unwinder window. Fourteen value boxes, the
// winder/unwinder and acceleration/deceleration choices, the data entry that checks them into
// the shared state, "Calcola" that runs the diameter sweep and opens the reel results window,
// the data file, the results file and the report window.

#include "calcolatrice/calcolatrice.h"

class AspoModel : public Calcolatrice {
    Q_OBJECT
public:
    // The boxes of txtInDat, in the order of the data file.
    // clang-format off
    enum Casella {
        DiametroMinimo, DiametroMassimo, Rapporto, VelocitaMateriale, InerziaMotore,
        InerziaMandrino, InerziaTrasmissione, Rendimento, TempoAccelerazione, TempoDecelerazione,
        PesoSpecifico, Larghezza, Tensione, CoppiaAttriti,
        Caselle
    };
    // clang-format on
    static const Tavola &tavolaAspo();

    explicit AspoModel(Ambiente env) : Calcolatrice(FormId::aspoForm, env, tavolaAspo()) {}

    QList<Menu> menuFinestra() override;
    // the summary of the sweep and the chart of the total torque
    void completaScheda(scheda::Foglio &foglio) const override;
    void scegli(const QString &opzione) override;
    QStringList righeRisultato() const override;
    void esporta(const QString &opzione) override;
    const Aspetto &Label15() const { return statusLabel(); }
    // the date line of the last data file opened
    Aspetto Label1() const { return {rigaData(), colori::argento}; }

    // opt_avv (winder) or opt_svol; opt_acc (acceleration) or opt_dec
    bool opt_avv() const { return m_avvolgitore; }
    bool opt_acc() const { return m_accelerazione; }
    void setOpt_avv(bool winder);
    void setOpt_acc(bool acceleration);

    void btnInseDat_Click() override;
    void btnModDat_Click() override;
    void btnCalcola_Click() override;
    void mnuEsci_Click() { unload(); }
    bool mnuFileApri_Click() { return ApriFile(); } // true when a file was loaded
    void mnusalva_Click() { SalvaFile(); }
    void mnusalvaconnome_Click() { SalvaFile(); }
    void mnusalva_ris_Click() { SalvaRisultati(); }
    void mnustampa_ris_Click();

    // how the window names the quantity that stops the sweep
    static QString simboloAspo(Impedimento motivo);
    bool salvaRisultati(const QString &path);

protected:
    void caricato() override;
    QString simbolo(Impedimento motivo) const override { return simboloAspo(motivo); }

private:
    void SalvaRisultati();
    void MostraRisultati();

    bool m_avvolgitore = true;
    bool m_accelerazione = true;
};
