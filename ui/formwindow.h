#pragma once
// Base of every view: a top-level window bound to one window model, with the menus the model
// declares. Closing it with the close box unloads the model, like the window's own "Esci".

#include "shell/programma.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(Programma &programma, FormModel &model);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The calculators take their Tab order from the screen each time they show, when their
    // layouts have placed the controls.
    void tabInOrdineDiSchermo() { m_tabInOrdine = true; }
    // Copies the model's state into the widgets.
    virtual void refresh() = 0;
    // The client area, in the window's font and, where given, its background colour.
    QWidget *creaCentrale(const QFont &font, std::optional<Colore> sfondo = std::nullopt);

    Programma &m_programma;
    FormId m_id;

private:
    void creaMenu(FormModel &model);

    bool m_tabInOrdine = false;
};
