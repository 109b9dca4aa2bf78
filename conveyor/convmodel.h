#pragma once
// convayorForm, "Scelta Motore per convogliatore a tappeto": the belt conveyor window.
// 19 value boxes, the data entry that checks them into the shared state and derives the
// missing speed, "Calcola" that sizes the motor for the inertia of belt and load and opens
// the result window, "Modifica Dati", and the data file with its "Nuovo file".
// Opened by the main window; the Qt view in ui/ binds it to widgets.

#include "calcolatrice/calcolatrice.h"
#include "convcalc.h"

class ConvModel : public Calcolatrice {
    Q_OBJECT
public:
    // The boxes of txtIndat, by the symbols of their rows (wm is the speed typed, Wm the one
    // the data entry shows among the results).
    // clang-format off
    enum Casella {
        WL, WT, Wtot, S, T0, Tf, vl, R, DR, wm, nu, tacc, tdec, Jtr, Jmot, Jtot, Pm, Wm, Ptr,
        Caselle
    };
    // clang-format on
    static const Tavola &tavolaTappeto();

    explicit ConvModel(Ambiente env) : Calcolatrice(FormId::convayorForm, env, tavolaTappeto()) {}
    // The data of a calculation as the data entry leaves them in the shared state.
    tappeto::Dati dati() const;

    QList<Menu> menuFinestra() override;
    scheda::Figura figura() const override
    {
        return {QStringLiteral(":/conveyor/tappeto.svg"),
                QStringLiteral("Convogliatore a tappeto")};
    }
    // The box group is txtIndat on this window.
    const QString &txtIndat(int box) const { return txtInDat(box); }
    void setTxtIndat(int box, const QString &text) { setTxtInDat(box, text); }
    const Aspetto &Label5() const { return statusLabel(); }
    const QString &Label9() const { return rigaData(); }

    void btnInseDat_Click() override;
    void btnCalcola_Click() override;
    void btnModDat_Click() override;
    void mnuNewFile_Click() { NuovoFile(); }
    bool mnuFileApri_Click() { return ApriFile(); } // true when a file was loaded
    void mnuFileSav_Click() { SalvaFile(); }
    void mnuFileSavAs_Click() { SalvaFile(); }

private:
    // The results into the shared state, with the torque handed to the results window.
    void registra(const tappeto::Risultato &r);
    void immissione();
    void leggiInerzia(int box, double standard, double &into);
};
