#include "aspo04view.h"

#include "widgets.h"

#include "reel/aspo04model.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using ui::twips;

namespace aspo04 {

// The window's surface: the lines written by Form_Load, from the top left, one under the other.
class Superficie : public QWidget {
public:
    using QWidget::QWidget;

    void setRighe(const QStringList &righe)
    {
        if (righe == m_righe)
            return;
        m_righe = righe;
        update();
    }
    const QStringList &righe() const { return m_righe; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetricsF metrics(font(), this);
        qreal y = 0;
        for (const QString &riga : m_righe) {
            painter.drawText(QPointF(0, y + metrics.ascent()), riga);
            y += metrics.height();
        }
    }

private:
    QStringList m_righe;
};

} // namespace aspo04

Aspo04View::Aspo04View(Programma &programma, Aspo04Model &model) : VistaDi(programma, model)
{
    setFont(ui::arial(9, false));
    m_superficie = new aspo04::Superficie(this);
    m_superficie->setObjectName(QStringLiteral("Superficie"));
    setCentralWidget(m_superficie);
    m_superficie->setFixedSize(twips(9360), twips(5880));

    const int tops[2] = {2520, 3600};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(Aspo04Model::Label1(i), m_superficie);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setGeometry(twips(480), twips(tops[i]), twips(2040), twips(495));
        auto *box = new QLineEdit(m_superficie);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setGeometry(twips(2640), twips(tops[i]), twips(3135), twips(495));
        box->setFont(ui::courierNew(9, false));
        ui::setBackground(box, Aspo04Model::Text1Aspetto().sfondo);
        box->setAccessibleName(Aspo04Model::Label1(i).remove(QLatin1Char(':')).trimmed());
        label->setBuddy(box);
        ui::collegaCasella(box, this, [this, i](const QString &text) {
            if (m_model)
                m_model->setText1(i, text);
        });
        m_text1[i] = box;
    }

    QPushButton *command1 =
        pulsante(m_superficie, QStringLiteral("Command1"), QString(), &Aspo04Model::Command1_Click);
    command1->setGeometry(twips(6720), twips(3000), twips(1935), twips(975));
    ui::applica(command1, Aspo04Model::Command1());

    auto *label2 = new QLabel(Aspo04Model::Label2(), m_superficie);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(twips(1440), twips(4560), twips(7455), twips(855));
    label2->setWordWrap(true);
    label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    refresh();
}

void Aspo04View::refresh()
{
    if (!m_model)
        return;
    for (int i = 0; i < 2; ++i)
        ui::mostraTesto(m_text1[i], m_model->Text1(i));
    m_superficie->setRighe(m_model->istruzioni());
}
