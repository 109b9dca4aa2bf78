#pragma once
// The screw lift and horizontal travel windows: the date line on top, the drawing, the legend
// and the motor beside it, the data column on the right and the results below the drawing.

#include "calcolatriceview.h"

#include <memory>

class ViteModel;

class ViteView : public CalcolatriceView {
    Q_OBJECT
public:
    ViteView(Programma &programma, ViteModel &model);

private:
    // legendaFine: where the legend ends, filled while the legend is placed
    ViteView(Programma &programma, ViteModel &model, std::shared_ptr<int> legendaFine);
};
