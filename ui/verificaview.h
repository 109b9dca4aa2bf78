#pragma once
// The motor check window: the load of the last calculation on the left, the motor's data and
// the limits of the check on the right, then the outcome and the verdict, the table of the
// motors checked and the chart, which share the room the window's size leaves them.

#include "vistadi.h"

#include "verifica/verificamodel.h"

#include <array>

class QCheckBox;
class QLabel;
class QLayout;
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
    // the parts of the window, made in the order a screen reader meets them
    QLayout *creaCiclo(QWidget *central);
    QLayout *creaCaselle(QWidget *central);
    void creaEsito(QWidget *central);
    void creaTabella(QWidget *central);
    QWidget *creaGrafico(QWidget *central);
    void disponi(QWidget *central, QLayout *ciclo, QLayout *caselle, QWidget *foglio);

    void mostraTabella(const std::vector<VerificaModel::RigaTabella> &righe);
    void mostraLegenda(const std::vector<std::pair<QString, Colore>> &voci);

    QLabel *m_intestazione = nullptr;
    QLabel *m_righeCiclo = nullptr;
    std::array<QLineEdit *, VerificaModel::Caselle> m_caselle{};
    QCheckBox *m_costanti = nullptr;
    QLabel *m_stato = nullptr;
    QLabel *m_verdetto = nullptr;
    QWidget *m_legenda = nullptr;
    QTableWidget *m_tabella = nullptr;
    GraficoCiclo *m_grafico = nullptr;
};
