#pragma once
// frmRris_aspo, "Risultati verifiche aspo": the summary of a reel sweep in three lines (the
// top motor speed, the top total torque, the motor power) and the five chart buttons.
// The lines are written once, when the window loads, from the sweep and the power the reel
// window has just stored.

#include "shell/forms.h"
#include "shell/variabili.h"

#include <array>

class NumberFormat;

class RisAspoModel : public FormModel {
    Q_OBJECT
public:
    struct Pulsante {
        QString nome;
        QString caption;
        qint16 Variabili::*flag;
        int top; // twips
        Colore colore;
    };
    static const std::array<Pulsante, 5> &pulsanti();

    explicit RisAspoModel(Ambiente env)
        : FormModel(FormId::frmRris_aspo, env, QStringLiteral("Risultati verifiche aspo"))
    {
    }
    void Form_Load() override;

    const std::array<QString, 3> &Label1() const { return m_label1; }
    // The three lines of a sweep in the shared state.
    static std::array<QString, 3> righe(const Variabili &v, const NumberFormat &f);

    // a chart button: raise its flag, open the chart window, lower the flag
    void grafico_Click(int button);
    void btngrafVel_Click() { grafico_Click(0); }
    void btncmdJtt_Click() { grafico_Click(3); }
    void btnEsci_Click() { unload(); }
    // "Verifica motore...": the check of a motor over the coil of the last sweep.
    void btnVerifica_Click() { m_env.finestre.openForm(FormId::frmVerifica); }

private:
    std::array<QString, 3> m_label1{QStringLiteral("Velocità massima"),
                                    QStringLiteral("Coppia massima"),
                                    QStringLiteral("Potenza nominale del motore")};
};
