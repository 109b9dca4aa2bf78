#include "convmodel.h"

#include "calcolo/numbers.h"
#include "convcalc.h"
#include "shell/variabili.h"

namespace {

// A row's caption: the text padded so that the symbols line up, the symbol in quotes, " =".
Riga rigaTappeto(int box, const char *testo, const char *simbolo, const char *unita, Colore colore,
                 const char *preset = "0")
{
    const QString nome = QString::fromUtf8(testo);
    const QString s = QString::fromUtf8(simbolo);
    return {box,
            nome.leftJustified(18) + QStringLiteral(" \"") + s + QStringLiteral("\" ="),
            nome,
            s,
            QString::fromUtf8(unita),
            colore,
            QString::fromUtf8(preset)};
}

} // namespace

const Tavola &ConvModel::tavolaTappeto()
{
    using namespace colori;
    // Boxes 2 and 5 keep the white of a plain text box.
    static const Tavola tavola{
        QStringLiteral("Scelta Motore per convogliatore a tappeto"),
        {
            rigaTappeto(WL, "Massa carico", "WL", "kg", rossoChiaro),
            rigaTappeto(WT, "Massa tappeto", "WT", "kg", rossoChiaro),
            rigaTappeto(Wtot, "Massa totale", "Wtot", "kg", bianco),
            rigaTappeto(S, "Spostamento", "S", "m", titoloInattivo),
            rigaTappeto(T0, "Tempo traslazione", "T0", "sec.", titoloInattivo),
            rigaTappeto(Tf, "Tempo di ciclo", "Tf", "sec.", bianco),
            rigaTappeto(vl, "Velocità lineare", "vl", "msec.", titoloInattivo),
            rigaTappeto(R, "Rapporto riduzione", "R", "", rosso),
            rigaTappeto(DR, "Diametro rullo", "DR", "m.", rosso),
            rigaTappeto(wm, "Velocità angolare", "wm", "rpm", titoloInattivo),
            rigaTappeto(nu, "Rendimento trasm.", "nu", "", pesca, "0,6"),
            rigaTappeto(tacc, "Tempo di accel.", "tacc", "sec.", pesca, "5"),
            rigaTappeto(tdec, "Tempo di decel.", "tdec", "sec.", pesca, "5"),
            rigaTappeto(Jtr, "Inerzia trasmis.", "Jtr", "kgm^2", pesca, "0,02"),
            rigaTappeto(Jmot, "Inerziamotore", "Jmot", "kgm^2", pesca, "0,01"),
            rigaTappeto(Jtot, "Inerzia totale", "Jtot", "kgm^2", cianoChiaro),
            rigaTappeto(Pm, "Potenza motore", "Pm", "kW", cianoChiaro),
            rigaTappeto(Wm, "Velocità motore", "Wm", "rpm", ciano),
            rigaTappeto(Ptr, "Pot. per perdite", "Ptr", "kW", cianoChiaro),
        },
        // clang-format off
        {
            {QStringLiteral("Label3"), QStringLiteral("Parametri obbligatori"), rossoChiaro},
            {QStringLiteral("Label4"), QStringLiteral("Parametri tra di loro in alternativa"), titoloInattivo},
            {QStringLiteral("Label7"), QStringLiteral("Valore di default iniziale. Possibile variazione"), pesca},
            {QStringLiteral("Label6"), QStringLiteral("Parametri calcolati"), cianoChiaro},
            // clang-format on
        },
        {QStringLiteral("Immissione dati"), rosa},
        // grey on grey, empty, until a data entry or "Calcola" writes into it
        {QString(), argento, argento},
    };
    return tavola;
}

QList<Menu> ConvModel::menuFinestra()
{
    using M = ConvModel;
    return {menuFile({voce("mnuNewFile", "&Nuovo file", &M::mnuNewFile_Click),
                      voce("mnuFileApri", "&Apri file", &M::mnuFileApri_Click),
                      voce("mnuFileSav", "&Salva File", &M::mnuFileSav_Click),
                      voce("mnuFileSavAs", "Salva FIle con &nome", &M::mnuFileSavAs_Click)})};
}

void ConvModel::btnInseDat_Click()
{
    immissione();
    emit changed();
}

void ConvModel::immissione()
{
    Variabili &v = m_env.var;
    const NumberFormat &f = m_env.numeri;

    // Every box that is read must hold a number before any is read; the two inertias may
    // also be empty.
    bool numeri = true;
    for (int box = WL; box <= Jmot; ++box) {
        if (box >= Jtr && txtInDat(box).trimmed().isEmpty())
            continue;
        numeri = numero(box) && numeri;
    }
    if (!numeri) {
        // Nothing is derived from a box that holds no number.
        v.flgDatiOk = flag::False;
        return;
    }
    double *const lettura[] = {&v.WL, &v.WT,   &v.Wtot, &v.Lung, &v.T0,  &v.Tf,  &v.Vl,
                               &v.N,  &v.Diam, &v.Wm,   &v.nu,   &v.Tac, &v.Tdec};
    for (int box = WL; box <= tdec; ++box)
        *lettura[box] = *f.parse(txtInDat(box));

    bool validi = pesi(Wtot);
    scrivi(S, f.general(v.Lung));
    scrivi(T0, f.general(v.T0));
    scrivi(Tf, f.general(v.Tf));
    if (v.N != 0) {
        scrivi(R, f.general(v.N));
    } else {
        messaggio(QStringLiteral("Inserire R diverso da 0"));
        validi = false;
    }
    if (v.Diam != 0) {
        scrivi(DR, f.general(v.Diam));
    } else {
        messaggio(QStringLiteral("Inserire DR diverso da 0"));
        validi = false;
    }

    // vl and wm determine each other through the roller; S with T0 gives a third way.
    v.Circ = tappeto::circonferenza(v.Diam);
    validi = derivaVelocita(vl, wm,
                            {[&v](double x) { return tappeto::wmDaVl(x, v.Circ, v.N); },
                             [&v](double x) { return tappeto::vlDaWm(x, v.Circ, v.N); }}) &&
             validi;
    if (validi)
        scrivi(Wm, v.Wm, QStringLiteral("##00"));

    // The inertias come last, whatever the checks gave; an empty box takes its default.
    leggiInerzia(Jtr, 0.02, v.Jt);
    leggiInerzia(Jmot, 0.01, v.Jm);
    // after every box the entry writes, so that the sheet shows what the entry left
    segnaValidita(validi);
}

void ConvModel::leggiInerzia(int box, double standard, double &into)
{
    if (txtInDat(box).trimmed().isEmpty()) {
        into = standard;
        scrivi(box, m_env.numeri.general(into));
    } else {
        into = *m_env.numeri.parse(txtInDat(box)); // checked at the start of the data entry
    }
}

void ConvModel::btnCalcola_Click()
{
    calcola([this] { return tappeto::calcola(dati()); },
            [this](const tappeto::Risultato &r) {
                registra(r);
                mostraRisultato(
                    {{Jtot, r.Jtot, "##0.####"}, {Pm, r.Pm, "##0.####"}, {Ptr, r.Ptr, "##0.####"}},
                    tappeto::ciclo(dati(), r, tempi()), tappeto::grandezze(dati(), r));
            });
}

void ConvModel::btnModDat_Click()
{
    Variabili &v = m_env.var;
    for (double *x : {&v.WL, &v.WT, &v.Wtot, &v.Lung, &v.T0, &v.Tf, &v.Vl, &v.N, &v.Diam, &v.Wm,
                      &v.nu, &v.Tac, &v.Tdec})
        *x = 0;
    segnaDaInserire({QStringLiteral("Immissione Dati"), colori::rosa},
                    {QStringLiteral(" "), colori::argento, statusLabel().testoColore});
    v.flgDatiOk = flag::False;
    // the data are entered again at once: valid data end up marked valid again
    immissione();
    emit changed();
}

tappeto::Dati ConvModel::dati() const
{
    const Variabili &v = m_env.var;
    return {v.Diam, v.Wtot, v.N, v.nu, v.Wm, v.Tac, v.Jm, v.Jt};
}

void ConvModel::registra(const tappeto::Risultato &r)
{
    Variabili &v = m_env.var;
    using V = Variabili;
    // clang-format off
    v.registra({{&V::Jcar, r.Jcar}, {&V::Jtot, r.Jtot}, {&V::Cacc, r.Cacc}, {&V::Pca, r.Pca},
                {&V::Pm, r.Pm}, {&V::Ptr, r.Ptr}, {&V::Cmt, r.Cmt}, {&V::CmtRis, r.Cmt}});
    // clang-format on
}
