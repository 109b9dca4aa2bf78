#include "grafview.h"

#include "chartpainter.h"
#include "widgets.h"

#include "charts/grafmodel.h"

#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

// The client area: it only copies the retained image.
class Superficie : public QWidget {
public:
    Superficie(const QImage &immagine, QWidget *parent) : QWidget(parent), m_immagine(immagine)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(QPointF(0, 0), m_immagine);
    }

private:
    const QImage &m_immagine;
};

} // namespace

GrafView::GrafView(Programma &programma, GrafModel &model) : VistaDi(programma, model)
{
    ui::setBackground(this, colori::bianco);
    m_superficie = new Superficie(m_immagine, this);
    m_superficie->setObjectName(QStringLiteral("superficie"));
    m_superficie->setAccessibleName(QStringLiteral("Grafico"));
    ui::setBackground(m_superficie, colori::bianco);
    setCentralWidget(m_superficie);
    // Restored, or where no window manager maximises it, the window still shows the whole
    // drawing: a client area of 1024 x 725 pixels, as far as the screen allows.
    QSize normale(1024, 725 + menuBar()->sizeHint().height());
    if (QScreen *s = screen())
        normale = normale.boundedTo(s->availableGeometry().size());
    resize(normale);
    setWindowState(Qt::WindowMaximized);
    refresh();
}

void GrafView::refresh()
{
    if (!m_model)
        return;
    // The layout needs 1024 x 725 and does not scale; a larger image covers the maximised
    // window so that nothing of the drawing is cut short of the screen's edge.
    QSize size(1024, 725);
    if (QScreen *s = screen())
        size = size.expandedTo(s->availableGeometry().size());
    m_immagine = immagineGrafico(m_model->disegno(), size, devicePixelRatioF());
    m_superficie->update();
    // A screen reader cannot see the curves; it reads the texts the chart writes on them.
    QStringList testi;
    for (const grafico::Etichetta &etichetta : m_model->disegno().etichette)
        if (!etichetta.testo.trimmed().isEmpty())
            testi << etichetta.testo.simplified();
    m_superficie->setAccessibleDescription(testi.join(QLatin1String("; ")));
}

void GrafView::showEvent(QShowEvent *event)
{
    FormWindow::showEvent(event);
    // a screen of another pixel ratio needs the image painted anew to stay crisp
    if (!m_schermoSeguito && windowHandle()) {
        m_schermoSeguito = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (!qFuzzyCompare(m_immagine.devicePixelRatio(), devicePixelRatioF()))
                refresh();
        });
    }
    if (!qFuzzyCompare(m_immagine.devicePixelRatio(), devicePixelRatioF()))
        refresh();
}
