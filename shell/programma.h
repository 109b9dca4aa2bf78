#pragma once
// The program's windows and shared state, independent of any toolkit and of the jobs. It keeps
// the one instance of the shared calculation state and of every loaded window model, makes a
// model with the factory registered for its window (the table of windows is in app/), and
// tells the host (the Qt views, or nothing in the batch program) when to show or close one.

#include "calcolo/numbers.h"
#include "forms.h"
#include "variabili.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

class FormHost {
public:
    virtual ~FormHost() = default;
    // Create the window's view if it has none, show it modeless and bring it to the front.
    virtual void showForm(FormModel &model) = 0;
    // The window has been unloaded: close and drop its view.
    virtual void closeForm(FormId id) = 0;
};

// How the model of a window is made, given the window and the services every model is handed.
using FabbricaModello = std::function<std::unique_ptr<FormModel>(FormId id, Ambiente env)>;

class Programma : public QObject, public FormOpener {
    Q_OBJECT
public:
    Programma(MessageBoxes &messages, FileDialogs &dialogs, Stampante &printer,
              const NumberFormat &numbers);
    ~Programma() override;

    void setHost(FormHost *host) { m_host = host; }
    void registra(FormId id, FabbricaModello fabbrica) { m_fabbriche[id] = std::move(fabbrica); }

    Variabili &var() { return m_var; }
    const NumberFormat &numeri() const { return m_numbers; }

    void openForm(FormId id) override;
    void unloadForm(FormId id) override;

    bool isLoaded(FormId id) const override { return m_loaded.count(id) != 0; }
    void ricarica(FormId id) override;
    FormModel *form(FormId id) const;
    template <class T> T *form(FormId id) const { return qobject_cast<T *>(form(id)); }

signals:
    void formLoaded(FormId id);
    void formUnloaded(FormId id);

private:
    std::unique_ptr<FormModel> create(FormId id);

    Variabili m_var;
    const NumberFormat &m_numbers;
    Ambiente m_env;
    FormHost *m_host = nullptr;
    std::map<FormId, FabbricaModello> m_fabbriche;
    std::map<FormId, std::unique_ptr<FormModel>> m_loaded;
    // Unloaded models wait here until the handler that unloaded them has returned.
    std::vector<std::unique_ptr<FormModel>> m_unloaded;
};
