#pragma once
// Soll_vite_Form, "Sollevamento con vite e madrevite", and traslForm, "Spostamento
// orizzontale con vite e madrevite.": a table with its load moved by a nut on a screw, lifted
// or travelling horizontally. Both windows have the same 25 value boxes, the same data entry
// with its checks and speed derivation, the same sizing and the same data file; what differs
// (captions, colours, menu, the marking during a data entry) is their table.
// Opened by the main window; the Qt view in ui/ binds it to widgets.

#include "calcolatrice/calcolatrice.h"
#include "vitecalc.h"

class ViteModel : public Calcolatrice {
    Q_OBJECT
public:
    // The boxes of txtInDat; Tdec and Jv were added last, so their indices are the highest.
    // clang-format off
    enum Casella {
        DB, PB, LB, WL, WT, Fc, Wtot, nu, N, T0, Tf, Tac, Vl, Wm, ms, mk, Jm, Jt, Jtot, Cmt, Cca,
        Pca, Pm, Tdec, Jv,
        Caselle
    };
    // clang-format on
    // id is FormId::Soll_vite_Form or FormId::traslForm.
    static const Tavola &tavolaVite(FormId id);

    ViteModel(FormId id, Ambiente env) : Calcolatrice(id, env, tavolaVite(id)) {}
    // The data of a calculation as the data entry leaves them in the shared state.
    vite::Dati dati() const;

    QList<Menu> menuFinestra() override;
    scheda::Figura figura() const override;
    const QString &txtIndat(int box) const { return txtInDat(box); }
    const Aspetto &Label15() const { return statusLabel(); }
    const QString &Label8() const { return rigaData(); } // first line of the last file opened

    void btnInseDat_Click() override;
    void btnCalcola_Click() override;
    void btnModDat_Click() override;

    // File menu: the lift has every entry but muSalvaFile and mnuEsci; the travel window has
    // no new-file entry and names its entries mnuApriFile, mnuSalvaFileNome, muSalvaFile,
    // mnuEsci.
    void mnuApriNwFil_Click() { NuovoFile(); }
    bool mnuApriFile_Click() { return ApriFile(); } // true when a file was loaded
    bool mnuFileApri_Click() { return ApriFile(); }
    void mnuSalvaFileNome_Click() { SalvaFile(); }
    void mnuSalvaFile_Click() { SalvaFile(); }
    void muSalvaFile_Click() { SalvaFile(); }
    void mnuFileEsci_Click() { unload(); }
    void mnuEsci_Click() { unload(); }

private:
    // The results into the shared state, with the torque handed to the results window.
    void registra(const vite::Risultato &r);
    bool sollevamento() const { return m_id == FormId::Soll_vite_Form; }
    void smarca();
};
