#pragma once
// The chart window: maximised, white, showing the model's drawing from a retained image that
// is painted once per drawing, as the window keeps what was drawn on it.

#include "formwindow.h"

#include <QImage>

class GrafModel;
class QWidget;

class GrafView : public FormWindow {
    Q_OBJECT
public:
    GrafView(Programma &programma, GrafModel &model);

    // the retained image, in logical pixels from the client area's top-left corner
    const QImage &immagine() const { return m_immagine; }

protected:
    void refresh() override;
    void showEvent(QShowEvent *event) override;

private:

    QPointer<GrafModel> m_model;
    QWidget *m_superficie = nullptr;
    QImage m_immagine;
    bool m_schermoSeguito = false;
};
