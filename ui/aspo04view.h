#pragma once
// The reel report window: the customer and project names, "STAMPA", the printer note, and the
// instructions written on the window's own surface.

#include "vistadi.h"

#include <array>

#include "reel/aspo04model.h"
class QLineEdit;

namespace aspo04 {
class Superficie;
}

class Aspo04View : public VistaDi<Aspo04Model> {
    Q_OBJECT
public:
    Aspo04View(Programma &programma, Aspo04Model &model);

protected:
    void refresh() override;

private:
    aspo04::Superficie *m_superficie = nullptr;
    std::array<QLineEdit *, 2> m_text1{};
};
