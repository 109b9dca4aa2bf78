#pragma once
// What the window models need of the desktop: modal message boxes and the common file
// dialog. The Qt views implement these with QMessageBox and QFileDialog; the batch program
// and the tests pass their own recording versions. Every box and dialog names its owner, the
// window whose handler asks for it: it is modal over that window and centred on it.

#include <QString>

#include <optional>

enum class FormId;

namespace grafico {
struct Disegno;
}
namespace stampa {
struct Documento;
}
namespace scheda {
struct Foglio;
}

// Who and what a sizing sheet is for, as the user types them before saving it.
struct Intestazione {
    QString cliente, progetto;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button; returns when the user has pressed OK.
    virtual void msgBox(FormId owner, const QString &prompt, const QString &title) = 0;
    // A message about the data of "Immissione dati", one of a chain; by default a box titled
    // "Inserimento dati mancanti".
    virtual void msgDati(FormId owner, const QString &prompt);
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter in the design's form "Description (*.txt)|*.txt|"; fileName the starting name.
    // Both return the chosen file name, or an empty string when the user cancels.
    virtual QString showOpen(FormId owner, const QString &filter, const QString &fileName) = 0;
    // confirmOverwrite: ask before replacing an existing file
    virtual QString showSave(FormId owner, const QString &filter, const QString &fileName,
                             bool confirmOverwrite) = 0;
    // The customer and project a sheet names, asked before its save dialog, both optional;
    // nothing when the user cancels. By default the ones given, unasked.
    virtual std::optional<Intestazione> chiediIntestazione(FormId owner, const Intestazione &preset)
    {
        (void)owner;
        return preset;
    }
};

// The common dialog control of a window: it keeps the filter and the last file name chosen
// in that window, so the next dialog starts from it.
class CommonDialog {
public:
    explicit CommonDialog(FormId owner) : m_owner(owner) {}

    FormId owner() const { return m_owner; }

    QString Filter;
    int FilterIndex = 1;
    QString FileName;

    // Show the dialog; false when cancelled (FileName then keeps the last choice).
    bool ShowOpen(FileDialogs &dialogs);
    bool ShowSave(FileDialogs &dialogs, bool confirmOverwrite = false);

private:
    FormId m_owner;
};

// The default printer, used without a dialog, and the PDF files of the sizing sheets. Each
// call returns the message for the user when nothing could be printed or written (no default
// printer, a printer that fails, a file that cannot be written), else nothing.
class Stampante {
public:
    virtual ~Stampante() = default;
    // The chart window's image, scaled to fit the page.
    virtual QString stampaGrafico(const grafico::Disegno &disegno) = 0;
    virtual QString stampaDocumento(const stampa::Documento &documento) = 0;
    // The sheet as an A4 PDF file, saved all or nothing.
    virtual QString esportaScheda(const scheda::Foglio &foglio, const QString &path) = 0;
};
