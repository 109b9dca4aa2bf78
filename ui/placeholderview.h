#pragma once
// A plain window for a job that is not built yet.

#include "formwindow.h"

class PlaceholderModel;

class PlaceholderView : public FormWindow {
    Q_OBJECT
public:
    PlaceholderView(Programma &programma, PlaceholderModel &model);

protected:
    void refresh() override {}

private:
    QPointer<PlaceholderModel> m_model;
};
