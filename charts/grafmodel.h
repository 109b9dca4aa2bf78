#pragma once
// frmGraf, "Grafici": draws, when it loads, the reel chart whose flag the results window has
// raised, and keeps the drawing until it is unloaded; "S&tampa" prints it as shown.

#include "grafico.h"

#include "shell/forms.h"

#include <functional>

class GrafModel : public FormModel {
    Q_OBJECT
public:
    // avvolgitore: the winder (true) or unwinder choice, asked when the tension chart draws
    GrafModel(Ambiente env, std::function<bool()> avvolgitore);

    void Form_Load() override;
    QList<Menu> menu() override;

    const grafico::Disegno &disegno() const { return m_disegno; }

    void mnu_file_stampa_Click();
    void mnu_file_esci_Click();

private:
    void DisegnaVel();
    void DisegnaCmt();
    void DisegnaJtt();
    void DisegnaCmj();
    void DisegnaCtt();

    std::function<bool()> m_avvolgitore;
    grafico::Disegno m_disegno;
};
