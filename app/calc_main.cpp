// dimensionamento-motori-calc: runs one calculation from a data file as a user would in the
// job's window (presets, open entry, "Immissione dati", "Calcola") and prints what the window
// shows. Same models and number locale as the windowed program.

#include "hoist/elevmodel.h"
#include "shell/platform.h"
#include "shell/programma.h"
#include "shell/risultmodel.h"
#include "shell/variabili.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

enum Uscita { Calcolato = 0, DatiNonValidi = 1, ChiamataErrata = 2 };

// Message boxes about the data are printed as they appear; a file that cannot be read is
// reported on standard error. The open dialog always picks the data file.
class BatchPlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    BatchPlatform(QTextStream &out, QTextStream &err, QString file)
        : m_out(out), m_err(err), m_file(std::move(file))
    {
    }
    void msgBox(const QString &prompt, const QString &title) override
    {
        if (title == QLatin1String("Inserimento dati mancanti"))
            m_out << "messaggio: " << prompt << '\n';
        else
            m_err << prompt << '\n';
    }
    QString showOpen(const QString &, const QString &) override { return m_file; }
    QString showSave(const QString &, const QString &, bool) override { return QString(); }
    QString stampaGrafico(const grafico::Disegno &) override { return nessunaStampante(); }
    QString stampaDocumento(const stampa::Documento &) override { return nessunaStampante(); }

private:
    static QString nessunaStampante() { return QStringLiteral("Nessuna stampante nel calcolo da riga di comando."); }

    QTextStream &m_out;
    QTextStream &m_err;
    QString m_file;
};

const char *const uso =
    "Uso: dimensionamento-motori-calc LAVORO FILE\n"
    "LAVORO: tamburo, tappeto, vite, traslazione, aspo, utilita\n";

int tamburo(Programma &programma, QTextStream &out, QTextStream &err)
{
    programma.openForm(FormId::elevForm);
    auto *form = programma.form<ElevModel>(FormId::elevForm);
    if (!form->mnuFileApri_Click())
        return ChiamataErrata;
    form->btnInseDat_Click();
    bool calcolato = false;
    if (programma.var().flgDatiOk == flag::True) {
        form->btnCalcola_Click();
        calcolato = programma.isLoaded(FormId::frmRisult);
        if (!calcolato)
            err << form->Label15().testo << '\n';
    }
    for (int k = 0; k < ElevModel::Caselle; ++k)
        out << "casella " << k << ": " << form->txtInDat(k) << '\n';
    if (auto *risultato = programma.form<RisultModel>(FormId::frmRisult))
        for (const int i : {0, 2, 1})
            out << "risultato: " << risultato->Label8()[i] << '\n';
    return calcolato ? Calcolato : DatiNonValidi;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        err << uso;
        return ChiamataErrata;
    }
    const QString &lavoro = args.at(0);
    const QString &file = args.at(1);
    const QStringList altri{QStringLiteral("tappeto"), QStringLiteral("vite"),
                            QStringLiteral("traslazione"), QStringLiteral("aspo"),
                            QStringLiteral("utilita")};
    if (altri.contains(lavoro)) {
        err << "Il lavoro \"" << lavoro << "\" non è ancora disponibile.\n";
        return ChiamataErrata;
    }
    if (lavoro != QLatin1String("tamburo")) {
        err << "Lavoro sconosciuto: \"" << lavoro << "\"\n" << uso;
        return ChiamataErrata;
    }

    const NumberFormat numbers;
    BatchPlatform platform(out, err, QFileInfo(file).absoluteFilePath());
    Programma programma(platform, platform, platform, numbers);
    return tamburo(programma, out, err);
}
