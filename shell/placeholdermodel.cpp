#include "placeholdermodel.h"

#include "variabili.h"

QString PlaceholderModel::caption() const
{
    switch (m_id) {
    case FormId::convayorForm: return QStringLiteral("Scelta Motore per convogliatore a tappeto");
    case FormId::aspoForm: return QStringLiteral("Verifica Aspi");
    case FormId::traslForm: return QStringLiteral("Spostamento orizzontale con vite e madrevite.");
    case FormId::Soll_vite_Form: return QStringLiteral("Sollevamento con vite e madrevite");
    case FormId::utilForm: return QStringLiteral("Utilità");
    default: return QString();
    }
}

void PlaceholderModel::Form_Load()
{
    if (m_id != FormId::utilForm)
        m_env.var.flgDatiOk = flag::False;
}
