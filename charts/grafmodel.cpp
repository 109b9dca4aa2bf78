#include "grafmodel.h"

#include "shell/platform.h"
#include "shell/variabili.h"

GrafModel::GrafModel(Ambiente env, std::function<bool()> avvolgitore)
    : FormModel(FormId::frmGraf, env, QStringLiteral("Grafici")),
      m_avvolgitore(std::move(avvolgitore)), m_disegno(grafico::vuoto())
{
}

QList<Menu> GrafModel::menu()
{
    return {menuFile({voce("mnu_file_stampa", "S&tampa", &GrafModel::mnu_file_stampa_Click),
                      voce("mnu_file_esci", "&Esci", &GrafModel::mnu_file_esci_Click)})};
}

void GrafModel::Form_Load()
{
    const Variabili &v = m_env.var;
    m_disegno = grafico::vuoto();
    // normally one flag is raised; several would overlap in this order
    if (v.flgGrafVel == flag::True)
        DisegnaVel();
    if (v.flgGrafCmt == flag::True)
        DisegnaCmt();
    if (v.flgGrafJtt == flag::True)
        DisegnaJtt();
    if (v.flgGrafCmj == flag::True)
        DisegnaCmj();
    if (v.flgGrafCtt == flag::True)
        DisegnaCtt();
    emit changed();
}

void GrafModel::DisegnaVel()
{
    grafico::velocita(m_disegno, m_env.var, m_env.numeri);
    m_env.var.flgGrafVel = flag::False;
}

void GrafModel::DisegnaCmt()
{
    // without a source of the choice, the one of the last sweep
    const bool avvolgitore = m_avvolgitore ? m_avvolgitore() : m_env.var.aspoAvvolgitore;
    grafico::coppiaTiro(m_disegno, m_env.var, m_env.numeri, avvolgitore);
    m_env.var.flgGrafCmt = flag::False;
}

void GrafModel::DisegnaJtt()
{
    grafico::inerzia(m_disegno, m_env.var, m_env.numeri);
    m_env.var.flgGrafJtt = flag::False;
}

void GrafModel::DisegnaCmj()
{
    grafico::coppiaInerzia(m_disegno, m_env.var, m_env.numeri);
    m_env.var.flgGrafCmj = flag::False;
}

void GrafModel::DisegnaCtt()
{
    grafico::coppiaTotale(m_disegno, m_env.var, m_env.numeri);
    m_env.var.flgGrafCtt = flag::False;
}

void GrafModel::mnu_file_stampa_Click()
{
    const QString message = m_env.stampante.stampaGrafico(disegno());
    if (!message.isEmpty())
        m_env.messaggi.msgBox(m_id, message, QStringLiteral("Stampa"));
}

void GrafModel::mnu_file_esci_Click()
{
    m_env.var.flgGrafVel = flag::False;
    unload();
}
