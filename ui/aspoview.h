#pragma once
// The reel window, laid out at the twips of its design: the motor picture and the two option
// frames on the left, the fourteen rows on the right.

#include "calcolatriceview.h"

class AspoModel;
class QRadioButton;

class AspoView : public CalcolatriceView {
    Q_OBJECT
public:
    AspoView(Programma &programma, AspoModel &model);

protected:
    void aggiorna() override;

private:
    QPointer<AspoModel> m_aspo;
    QRadioButton *m_opt_avv = nullptr, *m_opt_svol = nullptr;
    QRadioButton *m_opt_acc = nullptr, *m_opt_dec = nullptr;
};
