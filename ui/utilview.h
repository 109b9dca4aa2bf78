#pragma once
// The cylinder inertia window: the picture of the cylinder, the four data rows and the result
// box, the status label in large type.

#include "calcolatriceview.h"

class UtilModel;
class QLabel;
class QLineEdit;

// Where the two cylinder pictures are looked up: the program's own folder when it holds
// them (the built program), else ../share/dimensionamento-motori next to it (installed).

class UtilView : public CalcolatriceView {
    Q_OBJECT
public:
    UtilView(Programma &programma, UtilModel &model);

protected:
    void aggiorna() override;

private:
    void caricaImmagine();

    QPointer<UtilModel> m_util;
    QLineEdit *m_txtOutDat = nullptr;
    QLabel *m_imagLav = nullptr;
};
