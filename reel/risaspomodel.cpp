#include "risaspomodel.h"

#include "calcolo/numbers.h"
#include "shell/variabili.h"

const std::array<RisAspoModel::Pulsante, 5> &RisAspoModel::pulsanti()
{
    static const std::array<Pulsante, 5> table{{
        {QStringLiteral("btngrafVel"), QStringLiteral("grafico velocità motore"),
         &Variabili::flgGrafVel, 2760, colori::verdeChiaro},
        {QStringLiteral("btngrafCmt"), QStringLiteral("grafico coppia per tiro"),
         &Variabili::flgGrafCmt, 3720, colori::cianoChiaro},
        {QStringLiteral("btngrfCmj"), QStringLiteral("grafico coppia per inerzia"),
         &Variabili::flgGrafCmj, 4680, Colore::bgr(0xC0C000)},
        {QStringLiteral("btncmdJtt"), QStringLiteral("grafico momento d'inerzia totale"),
         &Variabili::flgGrafJtt, 5640, colori::gialloChiaro},
        {QStringLiteral("btncmdCtt"), QStringLiteral("grafico coppia totale"),
         &Variabili::flgGrafCtt, 6600, colori::rosso},
    }};
    return table;
}

void RisAspoModel::Form_Load()
{
    m_label1 = righe(m_env.var, m_env.numeri);
    emit changed();
}

std::array<QString, 3> RisAspoModel::righe(const Variabili &v, const NumberFormat &f)
{
    std::array<QString, 3> label1;
    // Sample 0, the core, is where the motor runs fastest.
    label1[0] = QStringLiteral("Velocità massima = ") +
                f.picture(v.aVel[0], QStringLiteral("##00")) +
                QStringLiteral(" rpm con diametro di ") +
                f.picture(v.aDiam[0], QStringLiteral("#00.000")) + QStringLiteral(" m");
    label1[1] = QStringLiteral("Coppia massima  = ") +
                f.picture(v.CttMax, QStringLiteral("##0.000")) +
                QStringLiteral(" kgm con diametro di ") +
                f.picture(v.aDiam[100], QStringLiteral("##0.000")) + QStringLiteral(" m");
    label1[2] = QStringLiteral("Potenza massima del motore = ") +
                f.picture(v.Pm, QStringLiteral("###0")) + QStringLiteral(" kW");
    return label1;
}

void RisAspoModel::grafico_Click(int button)
{
    qint16 Variabili::*flag = pulsanti().at(button).flag;
    m_env.var.*flag = flag::True;
    m_env.finestre.openForm(FormId::frmGraf);
    m_env.var.*flag = flag::False;
}
