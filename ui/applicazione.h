#pragma once
// The windowed program's application before its first window: its name and version, the id
// the desktop finds its menu entry and icon by, and Qt's own texts in Italian. No display
// name: Qt would append it to every window title, which reads exactly as the window's caption.

class QApplication;
class QString;

namespace ui {

void preparaApplicazione(QApplication &app, const QString &versione);

} // namespace ui
