#pragma once
// A help window: the stored document, read-only.

#include "formwindow.h"

class AiutoModel;

class AiutoView : public FormWindow {
    Q_OBJECT
public:
    AiutoView(Programma &programma, AiutoModel &model);

protected:
    void refresh() override {}

private:
    QPointer<AiutoModel> m_model;
};
