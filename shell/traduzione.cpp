#include "traduzione.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace traduzione {

QString fileQt()
{
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_it.qm"));
}

bool caricaQt(QCoreApplication &app)
{
    // owned by the application, so it lives as long as the texts it translates
    auto *translator = new QTranslator(&app);
    if (!translator->load(fileQt()) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace traduzione
