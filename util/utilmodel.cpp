#include "utilmodel.h"

#include "calcolo/numbers.h"
#include "cilindro.h"
#include "shell/variabili.h"

#include <cmath>

const Tavola &UtilModel::tavolaUtilita()
{
    using namespace colori;
    static const Tavola tavola = [] {
        Tavola t{
            QStringLiteral("Utilità"),
            // clang-format off
            {
                {DiametroInterno, QStringLiteral("Diametro interno [mm]      ="), QStringLiteral("Diametro interno"), QStringLiteral("d"), QString(), {}, QStringLiteral("0"), Colonna::Dati, QStringLiteral("mm")},
                {DiametroEsterno, QStringLiteral("Diametro esterno  [mm]    ="), QStringLiteral("Diametro esterno"), QStringLiteral("D"), QString(), {}, QStringLiteral("0"), Colonna::Dati, QStringLiteral("mm")},
                {Lunghezza, QStringLiteral("Lunghezza [mm]                ="), QStringLiteral("Lunghezza"), QStringLiteral("l"), QString(), {}, QStringLiteral("0"), Colonna::Dati, QStringLiteral("mm")},
                {PesoSpecifico, QStringLiteral("Peso specifco   [kg/dm3] ="), QStringLiteral("Peso specifco"), QStringLiteral("ρ"), QString(), {}, QStringLiteral("0"), Colonna::Dati, QStringLiteral("kg/dm^3")},
                // clang-format on
            },
            {},
            {QStringLiteral("Immissione dati"), rosa},
            {QStringLiteral("Inserire i dati "), rosa},
            {QStringLiteral("Modifica dati"), gialloChiaro},
        };
        t.nomeImmissione = QStringLiteral("btnInDat");
        // the kind of cylinder and the data-valid flag outlive the window
        t.azzeraValidita = false;
        return t;
    }();
    return tavola;
}

UtilModel::UtilModel(Ambiente env, QString cartellaImmagini)
    : Calcolatrice(FormId::utilForm, env, tavolaUtilita()), m_cartella(std::move(cartellaImmagini)),
      m_immagine(m_cartella + QLatin1Char('/') + fileCavo())
{
}

scheda::Figura UtilModel::figura() const
{
    // the cylinder of the calculation, whatever picture the window shows
    return {m_cartella + QLatin1Char('/') + (m_cavoCalcolato ? fileCavo() : filePieno()),
            m_cavoCalcolato ? QStringLiteral("Cilindro cavo") : QStringLiteral("Cilindro pieno")};
}

QList<Menu> UtilModel::menuFinestra()
{
    return {menuFile({voce("mnuJ_Cil_Cavo", "Cilindro&Cavo", &UtilModel::mnuJ_Cil_Cavo_Click),
                      voce("mnuCil_Pieno", "Cilindro&Pieno", &UtilModel::mnuCil_Pieno_Click)})};
}

void UtilModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    const bool cavo = v.flgCilCavo == flag::True;

    bool numeri = true;
    if (cavo)
        numeri = leggi(DiametroInterno, v.dMin) && numeri;
    numeri =
        leggiTutte(
            {{DiametroEsterno, &v.DMax}, {Lunghezza, &v.Lung}, {PesoSpecifico, &v.pesoSpec}}) &&
        numeri;
    if (senzaNumeri(numeri))
        return;

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
    segnaValidita(validi);
    if (validi)
        m_labelErrore = false;
    emit changed();
}

void UtilModel::btnCalcola_Click()
{
    Variabili &v = m_env.var;
    if (!datiValidi())
        return; // without valid data nothing happens, not even a message

    const cilindro::Risultato r = v.flgCilCavo == flag::True
                                      ? cilindro::cavo(v.DMax, v.dMin, v.Lung, v.pesoSpec)
                                      : cilindro::pieno(v.DMax, v.Lung, v.pesoSpec);
    if (!std::isfinite(r.J)) {
        segnaImpedito(Impedimento::NonFinito);
        m_labelErrore = true;
        emit changed();
        return;
    }
    v.Jcar = r.J;
    m_cavoCalcolato = v.flgCilCavo == flag::True;
    m_txtOutDat = m_env.numeri.picture(r.J, QStringLiteral("##0.000"));
    QList<scheda::Grandezza> grandezze =
        cilindro::grandezze(v.DMax, v.dMin, v.Lung, v.pesoSpec, v.flgCilCavo == flag::True, r);
    grandezze.last().mostrato = m_txtOutDat;
    registraScheda(std::move(grandezze));
    if (m_labelErrore) {
        // the reason of the earlier failure no longer holds
        m_stato = {QStringLiteral(" "), colori::argento, colori::nero};
        m_labelErrore = false;
    }
    emit changed();
}

void UtilModel::btnModDat_Click()
{
    Variabili &v = m_env.var;
    segnaDaInserire(tavola().immissione, tavola().stato);
    m_labelErrore = false;
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
    scrivi(DiametroInterno, QStringLiteral("non applicabile"));
    m_env.var.flgCilCavo = flag::False;
    scegliImmagine(filePieno());
}

void UtilModel::mnuJ_Cil_Cavo_Click()
{
    m_env.var.flgCilCavo = flag::True;
    scegliImmagine(fileCavo());
}
