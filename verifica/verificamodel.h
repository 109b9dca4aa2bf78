#pragma once
// frmVerifica, "Verifica motore": what the last "Calcola" of a linear calculator or of the reel
// asks of a motor (a duty cycle, or the coil over its diameters) and a motor, typed or from a
// list, checked against it: the load's figures, a table of the motors with the use of their
// peak torque, continuous torque, speed and inertia ratio, the verdict on the chosen motor, and
// a chart. A new calculation shows its figures at once and clears the table.

#include "testi.h"

#include "charts/disegno.h"
#include "shell/forms.h"
#include "shell/platform.h"

#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class VerificaModel : public FormModel {
    Q_OBJECT
public:
    // The boxes, top to bottom: one motor's data, then the limits of the check.
    enum Casella { Nome, Pn, nn, nmax, Cn, Cmax, Jmot, k, lambdaMax, Caselle };
    struct Riga {
        QString didascalia; // as the window shows it
        QString nome;       // the quantity, as messages name it
        QString simbolo;
        QString unita;
        QString preset;
    };
    static const std::array<Riga, Caselle> &righe();
    // "Costanti del calcolatore (1504, 1054)"
    static QString testoCostanti();

    using RigaTabella = verifica::RigaTabella;

    // cartellaDati: where the example list of motors is, for the first open dialog
    VerificaModel(Ambiente env, const QString &cartellaDati = QString());

    void Form_Load() override;
    void ricarica() override;

    // "Ciclo di: Sollevamento con tamburo", "Bobina di: Aspo", or why there is nothing to check
    const QString &intestazione() const { return m_intestazione; }
    // the load's figures with the calculation's own motor, a quantity a line
    const QStringList &righeCiclo() const { return m_righeCiclo; }

    const QString &txtMotore(int box) const { return m_txt.at(box); }
    void setTxtMotore(int box, const QString &text) { m_txt[box] = text; }
    // The check box "Costanti del calcolatore": the calculators' constants instead of the
    // physical one; a change computes the figures and the last check again.
    bool costantiCalcolatore() const { return m_costante == verifica::Costante::Calcolatore; }
    void setCostantiCalcolatore(bool si);

    // the headings of the table's columns, and its rows
    const std::array<QString, 7> &intestazioni() const { return m_intestazioni; }
    const std::vector<RigaTabella> &tabella() const { return m_tabella; }
    const Aspetto &statusLabel() const { return m_stato; }
    // the chosen or typed motor: its data as used, the limits and the check that governs
    const QStringList &verdetto() const { return m_verdetto; }
    const grafico::Disegno &grafico() const { return m_grafico; }
    // the key of the chart's lines
    const std::vector<std::pair<QString, Colore>> &legenda() const { return m_legenda; }

    // The typed motor; with its boxes empty, the list opened last, again with the limits as
    // typed.
    void btnVerifica_Click();
    // A list of motors from a file, checked at once.
    void btnCatalogo_Click();
    void btnEsci_Click() { unload(); }

    // Open and check a list without the dialog; false, after its message, when refused.
    bool apriCatalogo(const QString &path);

    CommonDialog dialogo{FormId::frmVerifica};

private:
    bool leggiLimiti(verifica::Limiti &limiti);
    bool leggiMotore(verifica::Motore &motore);
    bool numero(int box, double &into);
    // A number within its range; out of it, the message `fuori`.
    bool valore(int box, double &into, bool entro(double), const QString &fuori);
    void mostra(const std::vector<verifica::Motore> &motori, const verifica::Limiti &limiti,
                const QString &stato);
    void svuota();

    std::array<QString, Caselle> m_txt;
    verifica::Costante m_costante = verifica::Costante::Fisica;
    bool m_aspo = false; // the load shown is the reel's
    QString m_intestazione;
    QStringList m_righeCiclo, m_verdetto;
    std::array<QString, 7> m_intestazioni;
    std::vector<RigaTabella> m_tabella;
    Aspetto m_stato;
    grafico::Disegno m_grafico;
    std::vector<std::pair<QString, Colore>> m_legenda;
    std::vector<verifica::Motore> m_catalogo;
    QString m_nomeCatalogo, m_avvisoCatalogo;
    // the last check made, to make again when the constant changes
    std::optional<std::pair<std::vector<verifica::Motore>, QString>> m_ultima;
};
