#pragma once
// The belt conveyor window: its drawing, the one column of 19 rows, the legend and buttons
// below the drawing.

#include "calcolatriceview.h"

class ConvModel;

class ConvView : public CalcolatriceView {
    Q_OBJECT
public:
    ConvView(Programma &programma, ConvModel &model);
};
