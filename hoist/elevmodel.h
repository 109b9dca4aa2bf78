#pragma once
// elevForm, "Sollevamento con tamburo": the drum hoist window. 22 value boxes, the data entry
// that checks them into the shared state and derives the missing speed, "Calcola" that sizes
// the motor and opens the result window, "Modifica Dati", the data file and the help menu.
// Opened by the main window; the Qt view in ui/ binds it to widgets.

#include "calcolatrice/calcolatrice.h"
#include "elevcalc.h"

class ElevModel : public Calcolatrice {
    Q_OBJECT
public:
    // The boxes of txtInDat; the travel speed came last, so its index is the highest.
    // clang-format off
    enum Casella {
        DS, LB, WL, WT, WC, Wtot, nu, N, t0, tf, Tac, Tdec, Wm, Jm, Jt, Jv, Jtot, Cmt, Cca, Ccj,
        Pm, Vl,
        Caselle
    };
    // clang-format on
    static const Tavola &tavolaTamburo();

    explicit ElevModel(Ambiente env) : Calcolatrice(FormId::elevForm, env, tavolaTamburo()) {}
    // The data of a calculation as the data entry leaves them in the shared state.
    tamburo::Dati dati() const;

    QList<Menu> menuFinestra() override;
    scheda::Figura figura() const override
    {
        return {QStringLiteral(":/hoist/tamburo.svg"), QStringLiteral("Sollevamento con tamburo")};
    }
    const Aspetto &Label15() const { return statusLabel(); }

    void btnInseDat_Click() override;
    void btnCalcola_Click() override;
    void btnModDat_Click() override;
    bool mnuFileApri_Click() { return ApriFile(); } // true when a file was loaded
    void mnuSaveFile_Click() { SalvaFile(); }
    void mnuSaveFileAs_Click() { SalvaFile(); }
    void mnuAiuto_Click() { ApriAiutoTamburo(); }

private:
    // The results into the shared state, with the torque handed to the results window.
    void registra(const tamburo::Risultato &r);
    void ApriAiutoTamburo() { m_env.finestre.openForm(FormId::aiutoForm_elev); }

    double m_WC = 0; // the counterweight belongs to this window, not to the shared state
};
