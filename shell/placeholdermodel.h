#pragma once
// Stands in for a job window that is not built yet: it opens, says so, and closes.

#include "forms.h"

class PlaceholderModel : public FormModel {
    Q_OBJECT
public:
    PlaceholderModel(FormId id, Ambiente env) : FormModel(id, env) {}

    QString caption() const override;
    // The calculator windows clear the shared data-valid flag when they load.
    void Form_Load() override;
    QString testo() const { return QStringLiteral("Questo calcolo non è ancora disponibile."); }

    void btnEsci_Click() { unload(); }
};
