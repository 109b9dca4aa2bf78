#include "formwindow.h"

#include "widgets.h"

#include <QCloseEvent>
#include <QMenuBar>

FormWindow::FormWindow(Programma &programma, FormModel &model)
    : m_programma(programma), m_id(model.id())
{
    setWindowTitle(model.caption());
    setObjectName(QStringLiteral("form%1").arg(int(m_id)));
    connect(&model, &FormModel::changed, this, [this] { refresh(); });
    creaMenu(model);
}

QWidget *FormWindow::creaCentrale(const QFont &font, std::optional<Colore> sfondo)
{
    setFont(font);
    auto *central = new QWidget(this);
    if (sfondo)
        ui::setBackground(central, *sfondo);
    setCentralWidget(central);
    return central;
}

void FormWindow::creaMenu(FormModel &model)
{
    for (const Menu &menu : model.menu()) {
        QMenu *m = menuBar()->addMenu(menu.titolo);
        m->setObjectName(menu.nome);
        for (const VoceMenu &voce : menu.voci) {
            QAction *action = m->addAction(voce.testo);
            action->setObjectName(voce.nome);
            if (!voce.scorciatoia.isEmpty())
                action->setShortcut(QKeySequence(voce.scorciatoia));
            if (voce.azione)
                connect(action, &QAction::triggered, this, voce.azione);
            if (voce.abilitata) {
                action->setEnabled(voce.abilitata());
                connect(&model, &FormModel::changed, action,
                        [action, abilitata = voce.abilitata] { action->setEnabled(abilitata()); });
            }
        }
        if (menu.alTitolo) {
            // The title itself does the work; its drop-down closes at once rather than stay
            // open over what the title opened.
            connect(m, &QMenu::aboutToShow, this, [m, azione = menu.alTitolo] {
                QMetaObject::invokeMethod(m, &QMenu::close, Qt::QueuedConnection);
                azione();
            });
        }
    }
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    if (m_programma.isLoaded(m_id))
        m_programma.unloadForm(m_id);
    event->accept();
}

void FormWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_tabInOrdine)
        ui::ordinaTab(this);
    // The menu bar is made after the controls, but a screen reader meets it first, as the eye
    // does: accessibility follows the order of the children.
    if (QMenuBar *bar = findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly))
        bar->lower();
}
