#pragma once
// The motor check window: the duty cycle of the last calculation on the left, the motor's
// data and the limits of the check on the right, then the outcome, the table of the motors
// checked and the chart of the motor torque over one cycle.

#include "vistadi.h"

#include "verifica/verificamodel.h"

#include <array>

class QLabel;
class QLineEdit;
class QTableWidget;
class GraficoCiclo;

class VerificaView : public VistaDi<VerificaModel> {
    Q_OBJECT
public:
    VerificaView(Programma &programma, VerificaModel &model);

protected:
    void refresh() override;

private:
    void mostraTabella(const std::vector<VerificaModel::RigaTabella> &righe);

    QLabel *m_intestazione = nullptr;
    QLabel *m_righeCiclo = nullptr;
    std::array<QLineEdit *, VerificaModel::Caselle> m_caselle{};
    QLabel *m_stato = nullptr;
    QTableWidget *m_tabella = nullptr;
    GraficoCiclo *m_grafico = nullptr;
};
