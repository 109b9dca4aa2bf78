#pragma once
// mainForm: the start-up window. It offers the six jobs as option buttons and as a menu and
// opens the window of the chosen job or the general help; it computes nothing.

#include "forms.h"

#include <array>

class MainModel : public FormModel {
    Q_OBJECT
public:
    explicit MainModel(Ambiente env)
        : FormModel(FormId::mainForm, env,
                    QStringLiteral("   Finestra principale - scelta del tipo di lavoro"))
    {
    }

    static constexpr int Lavori = 6;
    struct Lavoro {
        QString caption;
        FormId form;
    };
    static const std::array<Lavoro, Lavori> &lavori();

    QList<Menu> menu() override;
    static QString label1();
    static QString label2();
    static QString framChWrk();

    // optChWrk(0..5): at most one selected; -1 when none is.
    int optChWrk() const { return m_selected; }
    void setOptChWrk(int index);

    void bntChWrk_Click();
    void mnuConv_Click() { ApriTappeto(); }
    void mnuSlvVi_Click() { ApriSollVite(); }
    void mnuTralHor_Click() { ApriTraslazione(); }
    void mnuAspo_Click() { ApriAspo(); }
    void mnuAiuto_Click() { ApriAiuto(); }
    void btnExit_Click() { unload(); }
    void mnuExit_Click() { unload(); }

private:
    void ApriTappeto() { m_env.finestre.openForm(FormId::convayorForm); }
    void ApriSollVite() { m_env.finestre.openForm(FormId::Soll_vite_Form); }
    void ApriTraslazione() { m_env.finestre.openForm(FormId::traslForm); }
    void ApriAspo() { m_env.finestre.openForm(FormId::aspoForm); }
    void ApriTamburo() { m_env.finestre.openForm(FormId::elevForm); }
    void ApriUtilita() { m_env.finestre.openForm(FormId::utilForm); }
    void ApriAiuto() { m_env.finestre.openForm(FormId::aiutoForm); }

    int m_selected = -1;
};
