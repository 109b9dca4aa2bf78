#include "risultmodel.h"

#include "numbers.h"
#include "variabili.h"

bool RisultModel::verificabile() const
{
    return m_env.var.carico.has_value();
}

void RisultModel::onOpen()
{
    const Variabili &v = m_env.var;
    const NumberFormat &f = m_env.numeri;
    m_label8[0] = QStringLiteral("Pot. resa = ") + f.picture(v.Pm, QStringLiteral("##0.####")) +
                  QStringLiteral(" kW");
    m_label8[2] = QStringLiteral("Coppia Mx = ") + f.picture(v.Cmt, QStringLiteral("##0.000")) +
                  QStringLiteral("kgm");
    m_label8[1] =
        QStringLiteral("Vmax = ") + f.picture(v.Wm, QStringLiteral("##00")) + QStringLiteral(" rpm");
    emit changed();
}
