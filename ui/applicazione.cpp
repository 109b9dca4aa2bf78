#include "applicazione.h"

#include "shell/traduzione.h"

#include <QApplication>

namespace ui {

void preparaApplicazione(QApplication &app, const QString &versione)
{
    QApplication::setApplicationName(QStringLiteral("Verifica Dimensionamento Motori per Tarbelo"));
    QApplication::setApplicationVersion(versione);
    QGuiApplication::setDesktopFileName(QStringLiteral("it.tarbelo.DimensionamentoMotori"));
    traduzione::caricaQt(app);
}

} // namespace ui
