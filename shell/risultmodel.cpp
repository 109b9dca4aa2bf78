#include "risultmodel.h"

#include "calcolo/numbers.h"
#include "variabili.h"

bool RisultModel::verificabile() const
{
    return m_env.var.carico.has_value();
}

void RisultModel::onOpen()
{
    m_label8 = righe(m_env.var, m_env.numeri);
    emit changed();
}

std::array<QString, 3> RisultModel::righe(const Variabili &v, const NumberFormat &f)
{
    std::array<QString, 3> label8;
    label8[0] = QStringLiteral("Pot. resa = ") + f.picture(v.Pm, QStringLiteral("##0.####")) +
                QStringLiteral(" kW");
    label8[2] = QStringLiteral("Coppia Mx = ") + f.picture(v.Cmt, QStringLiteral("##0.000")) +
                QStringLiteral("kgm");
    label8[1] = QStringLiteral("Vmax = ") + f.picture(v.Wm, QStringLiteral("##00")) +
                QStringLiteral(" rpm");
    return label8;
}
