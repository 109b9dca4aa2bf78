#pragma once
// Qt's own texts in Italian: the buttons and questions of the standard dialogs, the context
// menu of a text box, the messages of the toolkit. Both programs load them at start, whatever
// the user's locale, because every other text of the program is Italian.

class QCoreApplication;
class QString;

namespace traduzione {

// The folder and the file name the translation is read from.
QString fileQt();

// Installs Qt's Italian translation into `app`; false, and nothing installed, when the file is
// missing or unreadable (the program then shows Qt's English texts).
bool caricaQt(QCoreApplication &app);

} // namespace traduzione
