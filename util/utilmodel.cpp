#include "utilmodel.h"

#include "cilindro.h"
#include "shell/immissione.h"
#include "shell/menufile.h"
#include "shell/numbers.h"
#include "shell/variabili.h"

#include <cmath>

namespace {
const Colore rossoChiaro = Colore::bgr(0xC0C0FF);
const Colore verdeChiaro = Colore::bgr(0x80FF80);
const Colore rosso = Colore::bgr(0xFF);
const Colore grigio = Colore::bgr(0xC0C0C0);
} // namespace

const std::array<UtilModel::Riga, UtilModel::Caselle> &UtilModel::righe()
{
    static const std::array<Riga, Caselle> table{{
        {0, QStringLiteral("Label2(1)"), QStringLiteral("Diametro interno [mm]      ="),
         QStringLiteral("d")},
        {1, QStringLiteral("Label2(0)"), QStringLiteral("Diametro esterno  [mm]    ="),
         QStringLiteral("D")},
        {2, QStringLiteral("Label2(2)"), QStringLiteral("Lunghezza [mm]                ="),
         QStringLiteral("l")},
        {3, QStringLiteral("Label2(3)"), QStringLiteral("Peso specifco   [kg/dm3] ="),
         QStringLiteral("ρ")},
    }};
    return table;
}

const UtilModel::Riga &UtilModel::riga(int box) { return righe().at(box); }

UtilModel::UtilModel(Ambiente env, QString cartellaImmagini)
    : FormModel(FormId::utilForm, env), m_cartella(std::move(cartellaImmagini)),
      m_immagine(m_cartella + QLatin1Char('/') + fileCavo())
{
}

void UtilModel::daInserire()
{
    m_btnInDat = {QStringLiteral("Immissione dati"), rossoChiaro};
    m_btnCalcola.sfondo = rosso;
    m_label1 = {QStringLiteral("Inserire i dati "), rossoChiaro, colori::nero};
    m_labelErrore = false;
}

void UtilModel::Form_Load()
{
    // The kind of cylinder and the data-valid flag outlive the window: both are left alone.
    for (QString &text : m_txt)
        text = QStringLiteral("0");
    daInserire();
    emit changed();
}

void UtilModel::setTxtInDat(int box, const QString &text)
{
    if (m_txt.at(box) == text)
        return;
    m_txt[box] = text;
    emit changed();
}

void UtilModel::messaggio(const QString &text) { m_env.messaggi.msgBox(m_id, text, immissione::titolo()); }

// A text that is not a number is reported by name and leaves the variable as it was.
bool UtilModel::leggi(int box, double &into)
{
    const QString &text = m_txt[box];
    if (const auto value = m_env.numeri.parse(text)) {
        into = *value;
        return true;
    }
    const Riga &r = riga(box);
    const QString nome = r.label.left(r.label.indexOf(QLatin1Char('['))).trimmed();
    messaggio(immissione::nonNumero(r.simbolo, nome, text));
    return false;
}

void UtilModel::btnInDat_Click()
{
    Variabili &v = m_env.var;
    const bool cavo = v.flgCilCavo == flag::True;

    bool numeri = true;
    if (cavo)
        numeri = leggi(0, v.dMin) && numeri;
    numeri = leggi(1, v.DMax) && numeri;
    numeri = leggi(2, v.Lung) && numeri;
    numeri = leggi(3, v.pesoSpec) && numeri;
    if (!numeri) {
        v.flgDatiOk = flag::False;
        emit changed();
        return;
    }

    bool validi = true;
    if (cavo && !(v.dMin > 0)) {
        messaggio(QStringLiteral("Inserire diametro interno > 0"));
        validi = false;
    }
    if (!(v.DMax > 0)) {
        messaggio(QStringLiteral("Inserire diametro esterno > 0"));
        validi = false;
    }
    if (!(v.Lung > 0)) {
        messaggio(QStringLiteral("Inserire larghezza avvolgimento > 0"));
        validi = false;
    }
    if (!(v.pesoSpec > 0)) {
        messaggio(QStringLiteral("Inserire peso specifico > 0"));
        validi = false;
    }

    v.flgDatiOk = validi ? flag::True : flag::False;
    if (validi) {
        m_btnInDat = {QStringLiteral("Dati validi"), verdeChiaro};
        m_btnCalcola.sfondo = verdeChiaro;
        m_label1 = {QStringLiteral(" "), grigio, colori::nero};
        m_labelErrore = false;
    }
    emit changed();
}

void UtilModel::btnCalcola_Click()
{
    Variabili &v = m_env.var;
    if (v.flgDatiOk != flag::True)
        return; // without valid data nothing happens, not even a message

    const cilindro::Risultato r = v.flgCilCavo == flag::True
                                      ? cilindro::cavo(v.DMax, v.dMin, v.Lung, v.pesoSpec)
                                      : cilindro::pieno(v.DMax, v.Lung, v.pesoSpec);
    if (!std::isfinite(r.J)) {
        m_label1 = {QStringLiteral("Impossibile calcolare: risultato non finito"), colori::rosso,
                    colori::nero};
        m_labelErrore = true;
        emit changed();
        return;
    }
    v.Jcar = r.J;
    m_txtOutDat = m_env.numeri.picture(r.J, QStringLiteral("##0.000"));
    if (m_labelErrore) {
        // the reason of the earlier failure no longer holds
        m_label1 = {QStringLiteral(" "), grigio, colori::nero};
        m_labelErrore = false;
    }
    emit changed();
}

void UtilModel::btnModDat_Click()
{
    Variabili &v = m_env.var;
    daInserire();
    v.flgDatiOk = flag::False;
    if (v.flgCilCavo == flag::True)
        v.dMin = 0;
    v.DMax = 0;
    v.Lung = 0;
    v.pesoSpec = 0;
    emit changed();
}

void UtilModel::scegliImmagine(const QString &file)
{
    m_immagine = m_cartella + QLatin1Char('/') + file;
    emit changed();
    emit immagineScelta();
}

void UtilModel::mnuCil_Pieno_Click()
{
    m_txt[0] = QStringLiteral("non applicabile");
    m_env.var.flgCilCavo = flag::False;
    scegliImmagine(filePieno());
}

void UtilModel::mnuJ_Cil_Cavo_Click()
{
    m_env.var.flgCilCavo = flag::True;
    scegliImmagine(fileCavo());
}

bool UtilModel::mnuFileApri_Click()
{
    const auto path = menufile::scegliApri(cmnDialogBox1, m_env.dialoghi);
    return path && apriFile(*path);
}

bool UtilModel::apriFile(const QString &path)
{
    const auto lines = menufile::leggi(m_id, path, m_env.messaggi);
    if (!lines)
        return false;
    // Line 1 is the date line; at most four value lines follow, the rest is ignored.
    menufile::riempi(*lines, m_txt);
    emit changed();
    return true;
}

bool UtilModel::salvaFile(const QString &path)
{
    return menufile::salvaDati(m_id, path, QStringList(m_txt.begin(), m_txt.end()), m_env.numeri,
                               m_env.messaggi);
}
