#include "programma.h"

Programma::Programma(MessageBoxes &messages, FileDialogs &dialogs, Stampante &printer,
                     const NumberFormat &numbers)
    : m_numbers(numbers), m_env{m_var, m_numbers, messages, dialogs, printer, *this}
{
}

Programma::~Programma() = default;

FormModel *Programma::form(FormId id) const
{
    const auto it = m_loaded.find(id);
    return it == m_loaded.end() ? nullptr : it->second.get();
}

std::unique_ptr<FormModel> Programma::create(FormId id)
{
    const auto fabbrica = m_fabbriche.find(id);
    return fabbrica == m_fabbriche.end() ? nullptr : fabbrica->second(id, m_env);
}

void Programma::openForm(FormId id)
{
    FormModel *model = form(id);
    if (!model) {
        auto created = create(id);
        if (!created)
            return; // a window the program has no model for
        model = created.get();
        m_loaded.emplace(id, std::move(created));
        model->Form_Load();
        emit formLoaded(id);
    }
    model->onOpen();
    if (m_host)
        m_host->showForm(*model);
}

void Programma::ricarica(FormId id)
{
    if (FormModel *model = form(id))
        model->ricarica();
}

void Programma::unloadForm(FormId id)
{
    auto it = m_loaded.find(id);
    if (it == m_loaded.end())
        return;
    m_unloaded.push_back(std::move(it->second));
    m_loaded.erase(it);
    if (m_host)
        m_host->closeForm(id);
    emit formUnloaded(id);
    QMetaObject::invokeMethod(
        this, [this] { m_unloaded.clear(); }, Qt::QueuedConnection);
}
