#pragma once
// frmRisult: the small window that the linear calculators open at the end of "Calcola" to
// show the power, the torque and the speed that size the motor. It computes nothing and
// writes nothing: the calculator has put the torque it hands over into Cmt before opening it,
// and its duty cycle for the motor check.

#include "forms.h"

#include <array>

struct Variabili;
class NumberFormat;

class RisultModel : public FormModel {
    Q_OBJECT
public:
    explicit RisultModel(Ambiente env)
        : FormModel(FormId::frmRisult, env, QStringLiteral("Risultato dimensionamento motore"))
    {
    }
    // Every opening by a calculator rebuilds the three texts from the shared state.
    void onOpen() override;

    // Label8(0) power, Label8(2) torque, Label8(1) speed; top to bottom 0, 2, 1.
    const std::array<QString, 3> &Label8() const { return m_label8; }
    // The three texts for the shared state's results, in Label8's order.
    static std::array<QString, 3> righe(const Variabili &v, const NumberFormat &f);

    void btnEsci_Click() { unload(); }

    // The linear calculators leave their duty cycle for the motor check.
    bool verificabile() const;
    void btnVerifica_Click() { m_env.finestre.openForm(FormId::frmVerifica); }

private:
    std::array<QString, 3> m_label8;
};
