#pragma once
// Message boxes, file dialogs and the printer of the desktop, for the window models. A box or
// dialog is modal over the window whose handler asks for it, so a chain of messages stays
// centred on its calculator.

#include "shell/platform.h"

class QWidget;
class WidgetHost;

class QtPlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    // Where the windows that own the boxes and dialogs are found.
    void setViste(const WidgetHost *viste) { m_viste = viste; }

    void msgBox(FormId owner, const QString &prompt, const QString &title) override;
    QString showOpen(FormId owner, const QString &filter, const QString &fileName) override;
    QString showSave(FormId owner, const QString &filter, const QString &fileName,
                     bool confirmOverwrite) override;
    QString stampaGrafico(const grafico::Disegno &disegno) override;
    QString stampaDocumento(const stampa::Documento &documento) override;
    QString esportaScheda(const scheda::Foglio &foglio, const QString &path) override;
    std::optional<Intestazione> chiediIntestazione(FormId owner,
                                                   const Intestazione &preset) override;

private:
    QWidget *finestra(FormId owner) const;
    QString scegli(FormId owner, bool salva, const QString &filter, const QString &fileName,
                   bool confirmOverwrite);

    const WidgetHost *m_viste = nullptr;
};
