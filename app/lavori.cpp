#include "lavori.h"

namespace lavori {

const QList<Lavoro> &tutti()
{
    static const QList<Lavoro> righe = [] {
        QList<Lavoro> r;
        perOgni([&r](const Lavoro &lavoro, auto) { r.append(lavoro); });
        return r;
    }();
    return righe;
}

} // namespace lavori
