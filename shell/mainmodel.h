#pragma once
// mainForm: the start-up window. It offers the jobs of the table of jobs as option buttons
// and as a menu and opens the window of the chosen job or the general help; it computes
// nothing.

#include "forms.h"
#include "lavoro.h"

class MainModel : public FormModel {
    Q_OBJECT
public:
    // lavori: the table of jobs, in any order
    MainModel(Ambiente env, const QList<Lavoro> &lavori);

    // The jobs by their option buttons, top to bottom.
    const QList<Lavoro> &lavori() const { return m_lavori; }

    QList<Menu> menu() override;
    static QString label1();
    static QString label2();
    static QString framChWrk();

    // optChWrk(0..jobs - 1): at most one selected; -1 when none is.
    int optChWrk() const { return m_selected; }
    void setOptChWrk(int index);

    void bntChWrk_Click();
    void mnuConv_Click() { apri(FormId::convayorForm); }
    void mnuSlvVi_Click() { apri(FormId::Soll_vite_Form); }
    void mnuTralHor_Click() { apri(FormId::traslForm); }
    void mnuAspo_Click() { apri(FormId::aspoForm); }
    void mnuAiuto_Click() { apri(FormId::aiutoForm); }
    void btnExit_Click() { unload(); }
    void mnuExit_Click() { unload(); }

private:
    void apri(FormId id) { m_env.finestre.openForm(id); }

    QList<Lavoro> m_lavori;
    int m_selected = -1;
};
