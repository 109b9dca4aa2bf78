#pragma once
// Base of every view: a top-level window bound to one window model. Closing it with the
// close box unloads the model, like the window's own "Esci".

#include "shell/programma.h"

#include <QMainWindow>
#include <QPointer>

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(Programma &programma, FormModel &model);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Copies the model's state into the widgets.
    virtual void refresh() = 0;

    Programma &m_programma;
    FormId m_id;
};
