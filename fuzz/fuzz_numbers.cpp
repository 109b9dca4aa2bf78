// NumberFormat on arbitrary input: the bytes as a box text (UTF-8) through parse, and the
// first eight bytes as a double through every picture pattern of the program and the general
// format. Neither direction may ever produce inf or nan.

#include "calcolo/numbers.h"
#include "controlli.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

const char *const patterns[] = {"##00",    "###0",     "##0.###",    "##0.####",
                                "##0.000", "##0.000#", "##0.0000##", "#00.000",
                                "0.000",   "0000",     "00.00"};

void prova(const NumberFormat &f, const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto v = f.parse(text); v && !std::isfinite(*v))
        fuzz::fallito("parse non finito", text);

    if (size < sizeof(double))
        return;
    double value;
    memcpy(&value, data, sizeof value);
    for (const char *p : patterns) {
        const QString out = f.picture(value, QLatin1String(p));
        if (fuzz::haInfNan(out))
            fuzz::fallito(p, out);
    }
    // the general format writes values that are finite (parsed or calculated)
    if (std::isfinite(value)) {
        const QString out = f.general(value);
        if (fuzz::haInfNan(out))
            fuzz::fallito("general", out);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const NumberFormat italiano(QLocale(QLocale::Italian, QLocale::Italy));
    static const NumberFormat tedesco(QLocale(QLocale::German, QLocale::Germany));
    prova(italiano, data, size);
    prova(tedesco, data, size);
    return 0;
}
