#pragma once
// frmVerifica, "Verifica motore": the duty cycle of the last "Calcola" of a linear calculator
// and a motor, typed or from a list, checked against it: the cycle's torques, a table of the
// motors with the use of their peak torque, rated torque, speed and inertia ratio, and a
// chart of the motor torque over one cycle. A new calculation shows its cycle at once and
// clears the table.

#include "testi.h"

#include "charts/disegno.h"
#include "shell/forms.h"
#include "shell/platform.h"

#include <QStringList>

#include <array>
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

    using RigaTabella = verifica::RigaTabella;

    // cartellaDati: where the example list of motors is, for the first open dialog
    VerificaModel(Ambiente env, const QString &cartellaDati = QString());

    void Form_Load() override;
    void ricarica() override;

    // "Ciclo di: Sollevamento con tamburo", or why there is no cycle
    const QString &intestazione() const { return m_intestazione; }
    // the cycle with the calculator's own motor, a quantity a line
    const QStringList &righeCiclo() const { return m_righeCiclo; }

    const QString &txtMotore(int box) const { return m_txt.at(box); }
    void setTxtMotore(int box, const QString &text) { m_txt[box] = text; }

    const std::vector<RigaTabella> &tabella() const { return m_tabella; }
    const Aspetto &statusLabel() const { return m_stato; }
    const grafico::Disegno &grafico() const { return m_grafico; }

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
    QString m_intestazione;
    QStringList m_righeCiclo;
    std::vector<RigaTabella> m_tabella;
    Aspetto m_stato;
    grafico::Disegno m_grafico;
    std::vector<verifica::Motore> m_catalogo;
    QString m_nomeCatalogo;
};
