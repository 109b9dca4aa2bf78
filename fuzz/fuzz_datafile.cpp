// A data file of arbitrary bytes: read and decoded as the program does, then opened in every
// calculator window, entered ("Immissione dati") and calculated. No box, and no line of the
// result windows, may show inf or nan unless the file itself held those letters.

#include "controlli.h"
#include "tests/fakes.h"

#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "screw/vitemodel.h"
#include "shell/datafile.h"
#include "shell/risultmodel.h"
#include "shell/textcodec.h"
#include "util/utilmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QString percorso()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        fuzz::fallito("cartella temporanea", dir.errorString());
    return dir.filePath(QStringLiteral("dati.txt"));
}

void controlla(const char *finestra, const QString &text, bool parola)
{
    if (parola ? fuzz::haParolaInfNan(text) : fuzz::haInfNan(text))
        fuzz::fallito(finestra, text);
}

template <class Modello>
void finestra(FormId id, const char *nome, const QString &path, bool controllare)
{
    Banco b;
    b.programma.openForm(id);
    auto *form = b.programma.template form<Modello>(id);
    if (!form)
        fuzz::fallito("finestra non aperta", QLatin1String(nome));
    form->apriFile(path);
    form->btnInseDat_Click();
    form->btnCalcola_Click();
    if (!controllare)
        return;
    for (int k = 0; k < Modello::Caselle; ++k)
        controlla(nome, form->txtInDat(k), false);
    if constexpr (std::is_same_v<Modello, UtilModel>)
        controlla(nome, form->txtOutDat(), false);
    if (auto *r = b.programma.template form<RisultModel>(FormId::frmRisult))
        for (const QString &line : r->Label8())
            controlla(nome, line, true);
    if (auto *r = b.programma.template form<RisAspoModel>(FormId::frmRris_aspo))
        for (const QString &line : r->Label1())
            controlla(nome, line, true);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = percorso();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            fuzz::fallito("scrittura del file", path);
    }

    const datafile::ReadResult letto = datafile::read(path);
    const QString testo = textcodec::decodeFromFile(bytes);
    // the boxes may show what the file wrote: only letters the file did not hold are findings
    const bool controllare = !fuzz::haInfNan(testo) &&
                             !fuzz::haInfNan(QString::fromLatin1(bytes)) &&
                             !fuzz::haInfNan(letto.lines.join(QLatin1Char('\n')));

    finestra<ElevModel>(FormId::elevForm, "elevForm", path, controllare);
    finestra<ConvModel>(FormId::convayorForm, "convayorForm", path, controllare);
    finestra<ViteModel>(FormId::Soll_vite_Form, "Soll_vite_Form", path, controllare);
    finestra<ViteModel>(FormId::traslForm, "traslForm", path, controllare);
    finestra<AspoModel>(FormId::aspoForm, "aspoForm", path, controllare);
    finestra<UtilModel>(FormId::utilForm, "utilForm", path, controllare);
    return 0;
}
