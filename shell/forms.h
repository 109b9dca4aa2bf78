#pragma once
// Windows of the program as the core sees them: an id per window, the model base class that
// holds a window's texts, colours and handlers, and the services a model is handed.
// Each window exists at most once; the registry (programma.h) creates a model the first time
// its window is loaded, runs its Form_Load, and destroys it when the window is unloaded.

#include "colore.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

struct Variabili;
class MessageBoxes;
class FileDialogs;
class Stampante;
class NumberFormat;

enum class FormId {
    mainForm,
    elevForm,
    convayorForm,
    aspoForm,
    traslForm,
    Soll_vite_Form,
    utilForm,
    frmRisult,
    aiutoForm,
    aiutoForm_elev,
    frmRris_aspo,
    frmGraf,
    ASPO04,
    frmVerifica,
};

class FormOpener {
public:
    virtual ~FormOpener() = default;
    // Load the window if it is not loaded (running its Form_Load), show it modeless and bring
    // it to the front.
    virtual void openForm(FormId id) = 0;
    // Unload the window: its model and view go away; the next opening starts afresh.
    virtual void unloadForm(FormId id) = 0;
    virtual bool isLoaded(FormId id) const = 0;
    // A loaded window shows the shared state anew, without coming to the front: a
    // calculation has changed what it shows. Nothing when the window is not loaded.
    virtual void ricarica(FormId) {}
};

// What every window model is handed: the shared state and the desktop services.
struct Ambiente {
    Variabili &var;
    const NumberFormat &numeri;
    MessageBoxes &messaggi;
    FileDialogs &dialoghi;
    Stampante &stampante;
    FormOpener &finestre;
};

// A label, button or box as the view shows it.
struct Aspetto {
    QString testo;
    Colore sfondo;
    Colore testoColore = colori::nero;
    friend bool operator==(const Aspetto &, const Aspetto &) = default;
};

// A menu and its entries, with the handlers they call.
struct VoceMenu {
    QString nome;                      // control name
    QString testo;                     // caption with its access key
    QString scorciatoia;               // "F4", "Ctrl+H"; empty for none
    std::function<void()> azione{};    // empty: the entry does nothing
    std::function<bool()> abilitata{}; // whether it can be chosen now; empty: always
};
struct Menu {
    QString nome;
    QString titolo;
    QList<VoceMenu> voci;
    std::function<void()> alTitolo{}; // choosing the title itself, where it does something
};

class FormModel : public QObject {
    Q_OBJECT
public:
    // caption: the window's title, exactly as it shows
    FormModel(FormId id, Ambiente env, QString caption)
        : m_id(id), m_env(env), m_caption(std::move(caption))
    {
    }

    FormId id() const { return m_id; }
    const QString &caption() const { return m_caption; }
    virtual void Form_Load() {}
    // Runs at every opening, after Form_Load when the window was not loaded.
    virtual void onOpen() {}
    // The shared state it shows has changed while it was open.
    virtual void ricarica() {}
    // The menus of the window with this model's handlers, in menu-bar order.
    virtual QList<Menu> menu() { return {}; }

signals:
    // Something the view shows has changed.
    void changed();

protected:
    void unload() { m_env.finestre.unloadForm(m_id); }
    // An entry of this window's menus that calls one of its handlers.
    template <class M, class R>
    VoceMenu voce(const char *nome, const char *testo, R (M::*azione)(),
                  const char *scorciatoia = "")
    {
        return {QString::fromUtf8(nome), QString::fromUtf8(testo), QString::fromUtf8(scorciatoia),
                [this, azione] { (static_cast<M *>(this)->*azione)(); }};
    }
    // The window's "File" menu with its entries.
    static Menu menuFile(QList<VoceMenu> voci)
    {
        return {QStringLiteral("mnuFile"), QStringLiteral("&File"), std::move(voci)};
    }

    FormId m_id;
    Ambiente m_env;

private:
    QString m_caption;
};
