#pragma once
// The two help windows: aiutoForm (general help, from the main window) and aiutoForm_elev
// (drum hoist help). Each shows one document stored inside the program.

#include "forms.h"

class AiutoModel : public FormModel {
    Q_OBJECT
public:
    // aiutoForm, "Aiuto", or aiutoForm_elev, "Aiuto per sollevamento con tampburo"
    AiutoModel(FormId id, Ambiente env);
    // "&File" with its exit entry: mnuExit "&Esci" or, on the hoist's help, mnuEsci "E&sci"
    QList<Menu> menu() override;
    // Resource path of the stored document (HTML).
    QString documento() const;
    // The document's text, read from the program's resources.
    QString testo() const;

    bool hasEsciButton() const { return m_id == FormId::aiutoForm_elev; }
    // caption of the File menu's single entry: "&Esci" or "E&sci"
    QString esciMenuCaption() const;

    void mnuExit_Click() { unload(); }
    void mnuEsci_Click() { unload(); }
    void btnEsci_Click() { unload(); }
};
