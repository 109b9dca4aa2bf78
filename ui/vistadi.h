#pragma once
// The base of a view bound to a model of type M: it keeps the model while it is loaded and
// makes the push buttons that call its handlers.

#include "formwindow.h"

#include <QPushButton>

#include <functional>

template <class M> class VistaDi : public FormWindow {
protected:
    VistaDi(Programma &programma, M &model) : FormWindow(programma, model), m_model(&model) {}

    // A push button named `nome` that runs `azione` on the model, while the model is loaded.
    QPushButton *pulsante(QWidget *parent, const QString &nome, const QString &testo,
                          std::function<void(M &)> azione)
    {
        auto *b = new QPushButton(testo, parent);
        b->setObjectName(nome);
        QObject::connect(b, &QPushButton::clicked, this, [this, azione] {
            if (m_model)
                azione(*m_model);
        });
        return b;
    }

    QPointer<M> m_model;
};
