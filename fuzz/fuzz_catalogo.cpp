// The list of motors on arbitrary bytes: refused with a message, or read whole with every
// number finite and positive; then every motor checked against the drum hoist's cycle, whose
// lines never show "inf" or "nan". The first eight bytes, as a double, also stand in for the
// cycle's load torque, so that the check meets every kind of number.

#include "calcolo/numbers.h"
#include "controlli.h"
#include "verifica/catalogo.h"
#include "verifica/testi.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const verifica::Catalogo c = verifica::leggiCatalogo(bytes, QStringLiteral("motori.csv"));
    if (c.errore.isEmpty() == c.motori.empty())
        fuzz::fallito("catalogo: né motori né messaggio", c.errore);
    for (const verifica::Motore &m : c.motori)
        for (const double v : {m.Pn, m.nn, m.nmax, m.Cn.value_or(1), m.Cmax, m.Jmot})
            if (!std::isfinite(v) || !(v > 0))
                fuzz::fallito("catalogo: valore non positivo", m.nome);

    verifica::Ciclo ciclo{3.75, 0.0139953224522293, 0.03525, 0.01, 955.414, 10, 2, 5, 40, 1504};
    if (size >= sizeof(double)) {
        double carico;
        memcpy(&carico, data, sizeof carico);
        if (std::isfinite(carico))
            ciclo.Ccarico = carico;
    }
    static const NumberFormat f{QLocale(QLocale::Italian, QLocale::Italy)};
    // the list against a linear cycle and a coil, with both constants
    verifica::Bobina bobina;
    for (int i = 0; i < verifica::diametri; ++i) {
        bobina.diametro[i] = 0.1 + 0.009 * i;
        bobina.velocita[i] = 100 / (bobina.diametro[i] * 3.141592654) * 10;
        bobina.coppiaTiro[i] = bobina.diametro[i] / 2 * ciclo.Ccarico / 9;
    }
    bobina = {bobina.diametro,
              bobina.velocita,
              bobina.coppiaTiro,
              6.25e-6,
              100,
              61.26,
              0.02,
              0.01,
              0.02,
              10,
              10,
              0.5};
    for (const verifica::Carico &carico : {verifica::Carico{ciclo}, verifica::Carico{bobina}})
        for (const verifica::Costante k :
             {verifica::Costante::Fisica, verifica::Costante::Calcolatore}) {
            const verifica::Confronto confronto =
                verifica::confronta(carico, c.motori, {1.2, 10}, k);
            for (const QString &riga : verifica::righe(carico, verifica::studia(carico, k), f))
                if (fuzz::haParolaInfNan(riga))
                    fuzz::fallito("carico", riga);
            for (std::size_t i = 0; i < confronto.esami.size(); ++i)
                if (const QString riga =
                        verifica::rigaMotore(carico, c.motori[i], confronto.esami[i], f);
                    fuzz::haParolaInfNan(riga))
                    fuzz::fallito("motore", riga);
        }
    return 0;
}
