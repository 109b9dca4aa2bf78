#pragma once
// The chart window: maximised, white, showing the model's drawing from a retained image that
// is painted once per drawing, as the window keeps what was drawn on it.

#include "vistadi.h"

#include <QImage>

#include "charts/grafmodel.h"
class QWidget;

class GrafView : public VistaDi<GrafModel> {
    Q_OBJECT
public:
    GrafView(Programma &programma, GrafModel &model);

    // the retained image, in logical pixels from the client area's top-left corner
    const QImage &immagine() const { return m_immagine; }

protected:
    void refresh() override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_superficie = nullptr;
    QImage m_immagine;
    bool m_schermoSeguito = false;
};
