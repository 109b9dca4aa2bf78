#pragma once
// A help window: the stored document, read-only.

#include "vistadi.h"

#include "shell/aiutomodel.h"

class AiutoView : public VistaDi<AiutoModel> {
    Q_OBJECT
public:
    AiutoView(Programma &programma, AiutoModel &model);

protected:
    void refresh() override {}

private:
};
