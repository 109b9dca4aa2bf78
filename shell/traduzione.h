#pragma once
// Qt's own texts in Italian: the buttons and questions of the standard dialogs, the context
// menu of a text box, the messages of the toolkit. Both programs load them at start, whatever
// the user's locale, because every other text of the program is Italian.

class QCoreApplication;
#include <QString>

namespace traduzione {

// Where Qt keeps its translations.
QString cartellaQt();

// Installs Qt's Italian translation, qtbase_it.qm from `cartella`, into `app`; false, and
// nothing installed, when the file is missing or unreadable: the program then starts all the
// same, with Qt's English texts.
bool caricaQt(QCoreApplication &app, const QString &cartella = cartellaQt());

} // namespace traduzione
