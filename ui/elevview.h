#pragma once
// The drum hoist window: its drawing and motor picture above the results, the data column on
// the right.

#include "calcolatriceview.h"

class ElevModel;

class ElevView : public CalcolatriceView {
    Q_OBJECT
public:
    ElevView(Programma &programma, ElevModel &model);
};
