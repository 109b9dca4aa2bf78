#include "traduzione.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace traduzione {

QString cartellaQt()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool caricaQt(QCoreApplication &app, const QString &cartella)
{
    // owned by the application, so it lives as long as the texts it translates
    auto *translator = new QTranslator(&app);
    if (!translator->load(QDir(cartella).filePath(QStringLiteral("qtbase_it.qm"))) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace traduzione
