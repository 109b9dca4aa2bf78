#include "campiona.h"

#include <type_traits>

namespace aspo {

static_assert(std::is_same_v<Variabili::Tabella, verifica::Serie>,
              "the shared state holds the sweep's tables");

Dati dati(const Variabili &v)
{
    return {v.dMin, v.DMax, v.N,    v.Vl,       v.nu,   v.Jt,      v.Jv,
            v.Jm,   v.Tac,  v.Tdec, v.pesoSpec, v.Lung, v.tiroMat, v.Cca};
}

void registra(Variabili &v, const Campionatura &c)
{
    for (const auto &[tabella, campioni] : {std::pair{&Variabili::aDiam, &c.aDiam},
                                            {&Variabili::aVel, &c.aVel},
                                            {&Variabili::aCmt, &c.aCmt},
                                            {&Variabili::aJtt, &c.aJtt},
                                            {&Variabili::aCmj, &c.aCmj},
                                            {&Variabili::aCtt, &c.aCtt}})
        v.*tabella = *campioni;
    using V = Variabili;
    // clang-format off
    v.registra({{&V::CmjMax, c.CmjMax}, {&V::CmjMin, c.CmjMin}, {&V::CttMax, c.CttMax},
                {&V::diamCttMax, c.diamCttMax}, {&V::CttMin, c.CttMin},
                {&V::diamCttMin, c.diamCttMin}});
    // clang-format on
}

Impedimento campiona(Variabili &v, Opzioni opzioni)
{
    const Esito esito = calcola(dati(v), opzioni);
    if (esito.risultato)
        registra(v, *esito.risultato);
    return esito.motivo;
}

} // namespace aspo
