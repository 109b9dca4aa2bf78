#include "elevmodel.h"

#include "elevcalc.h"
#include "shell/variabili.h"

const Tavola &ElevModel::tavolaTamburo()
{
    using namespace colori;
    const QString mm = QStringLiteral(" mm"), kg = QStringLiteral(" kg"),
                  s = QStringLiteral(" secondi"), kgm2 = QStringLiteral(" kgm^2"),
                  kgm = QStringLiteral(" kgm");
    const auto risultato = [](Riga r) {
        r.colonna = Colonna::Risultati;
        return r;
    };
    static const Tavola tavola{
        QStringLiteral("Sollevamento con tamburo"),
        {
            // the right-hand column in screen order: the travel speed stands above Wm
            // clang-format off
            {DS, QStringLiteral("Diametro del tamburo     \"DS\" ="), QStringLiteral("Diametro del tamburo"), QStringLiteral("DS"), mm, rosso},
            {LB, QStringLiteral("Lunghezza tralsazione      \"LB\" ="), QStringLiteral("Lunghezza tralsazione"), QStringLiteral("LB"), QStringLiteral(" m"), verde},
            {WL, QStringLiteral("Peso da sollevare             \"WL\" ="), QStringLiteral("Peso da sollevare"), QStringLiteral("WL"), kg, rosso},
            {WT, QStringLiteral("Peso tavola/supporto       \"WT\" ="), QStringLiteral("Peso tavola/supporto"), QStringLiteral("WT"), kg, rosso},
            {WC, QStringLiteral("Contrappeso                       \"WC\" ="), QStringLiteral("Contrappeso"), QStringLiteral("WC"), kg, cianoChiaro},
            {Wtot, QStringLiteral("Peso totale                      \"WT\" ="), QStringLiteral("Peso totale"), QStringLiteral("WT"), kg, verde},
            {nu, QStringLiteral("Rendimento trasmissione  \"nu\" ="), QStringLiteral("Rendimento trasmissione"), QStringLiteral("nu"), QString(), pesca, QStringLiteral("0,7")},
            {N, QStringLiteral("Rapporto di riduzione         \"N\" ="), QStringLiteral("Rapporto di riduzione"), QStringLiteral("N"), QString(), rosso},
            {t0, QStringLiteral("Tempo di traslazione          \"t0\" ="), QStringLiteral("Tempo di traslazione"), QStringLiteral("t0"), s, verde},
            {tf, QStringLiteral("Tempo di ciclo                    \"tf\" ="), QStringLiteral("Tempo di ciclo"), QStringLiteral("tf"), s, argento},
            {Tac, QStringLiteral("Tempo di accelerazione   \"Tac\" ="), QStringLiteral("Tempo di accelerazione"), QStringLiteral("Tac"), s, pesca, QStringLiteral("5")},
            {Tdec, QStringLiteral("Tempo di decelerazione \"Tdec\" ="), QStringLiteral("Tempo di decelerazione"), QStringLiteral("Tdec"), s, pesca, QStringLiteral("5")},
            {Vl, QStringLiteral("Velocità di traslazione       \"Vl\" ="), QStringLiteral("Velocità di traslazione"), QStringLiteral("Vl"), QStringLiteral(" m/s"), verde},
            {Wm, QStringLiteral("Velocità ang. motore       \"Wm\" ="), QStringLiteral("Velocità ang. motore"), QStringLiteral("Wm"), QStringLiteral("rpm "), argento},
            {Jm, QStringLiteral("Momento d'inerzia mot.     \"Jm\" ="), QStringLiteral("Momento d'inerzia mot."), QStringLiteral("Jm"), kgm2, pesca, QStringLiteral("0,01")},
            {Jt, QStringLiteral("Momento d'inerzia trasm.   \"Jt\" ="), QStringLiteral("Momento d'inerzia trasm."), QStringLiteral("Jt"), kgm2, pesca, QStringLiteral("0,01")},
            {Jv, QStringLiteral("Momento d'inerzia tamb.   \"Jv\" ="), QStringLiteral("Momento d'inerzia tamb."), QStringLiteral("Jv"), kgm2, pesca, QStringLiteral("0,1")},
            {Jtot, QStringLiteral("Momento d'inerzia Tot    \"Jtot\" ="), QStringLiteral("Momento d'inerzia Tot"), QStringLiteral("Jtot"), kgm2, verde},
            // clang-format on
            // the left-hand column, below the drawing
            risultato({Cmt, QStringLiteral("Coppia motrice totale      \"Cmt\" ="),
                       QStringLiteral("Coppia motrice totale"), QStringLiteral("Cmt"), kgm, verde}),
            risultato({Cca, QStringLiteral("Coppia mot. per carico     \"Cca\" ="),
                       QStringLiteral("Coppia mot. per carico"), QStringLiteral("Cca"), kgm,
                       verde}),
            risultato({Ccj, QStringLiteral("Coppia mot. per comp. Jt  \"Ccj\" ="),
                       QStringLiteral("Coppia mot. per comp. Jt"), QStringLiteral("Ccj"), kgm,
                       verde}),
            risultato({Pm, QStringLiteral("Potenza mototore totale    \"Pm\" ="),
                       QStringLiteral("Potenza mototore totale"), QStringLiteral("Pm"),
                       QStringLiteral(" kW"), verde}),
        },
        // clang-format off
        {
            {QStringLiteral("Label3(19)"), QStringLiteral("Parametri obbligatori"), rosso},
            {QStringLiteral("Label4"), QStringLiteral("Parametri tra di loro in alternativa"), argento},
            {QStringLiteral("Label5"), QStringLiteral("Parametri facoltativi"), cianoPallido},
            {QStringLiteral("Label6"), QStringLiteral("Parametri calcolati"), verdeChiaro},
            {QStringLiteral("Label7"), QStringLiteral("Valore di default iniziale. Possibile variazione"), pesca},
            // clang-format on
        },
        {QStringLiteral("Immissione dati"), rosa},
        {QStringLiteral("Immettere i dati"), rosso},
    };
    return tavola;
}

QList<Menu> ElevModel::menuFinestra()
{
    using M = ElevModel;
    // Choosing the help menu's title opens the help; its single entry has no action of its
    // own, and its shortcut goes through the title.
    return {menuFile({voce("mnuFileApri", "&Apri File", &M::mnuFileApri_Click, "F4"),
                      voce("mnuSaveFile", "&Salva FIle", &M::mnuSaveFile_Click, "F5"),
                      voce("mnuSaveFileAs", "Salva File &Come..", &M::mnuSaveFileAs_Click)}),
            {QStringLiteral("mnuAiuto"),
             QStringLiteral("&Aiuto"),
             {voce("mnuHlep", "&Help", &M::mnuAiuto_Click, "Ctrl+H")},
             [this] { mnuAiuto_Click(); }}};
}

void ElevModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    // clang-format off
    const bool numeri = leggiTutte({
        {DS, &v.Diam}, {LB, &v.Lung}, {WL, &v.WL}, {WT, &v.WT}, {WC, &m_WC}, {Wtot, &v.Wtot},
        {nu, &v.nu}, {N, &v.N}, {t0, &v.T0}, {tf, &v.Tf}, {Tac, &v.Tac}, {Tdec, &v.Tdec},
        {Vl, &v.Vl}, {Wm, &v.Wm}, {Jm, &v.Jm}, {Jt, &v.Jt}, {Jv, &v.Jv}, {Jtot, &v.Jtot},
    });
    // clang-format on
    if (senzaNumeri(numeri))
        return;

    bool validi = positivo(v.Diam, DS, QStringLiteral("Inserire DB diverso da 0"));
    validi = rapporto(N) && validi;
    validi = pesi(Wtot) && validi;
    // Vl and Wm determine each other through the drum; the travel data give a third way.
    validi = derivaVelocita(Vl, Wm,
                            {[&v](double vl) { return tamburo::wmDaVl(vl, v.Diam, v.N); },
                             [&v](double wm) { return tamburo::vlDaWm(wm, v.Diam, v.N); }}) &&
             validi;
    segnaValidita(validi);
    emit changed();
}

void ElevModel::btnCalcola_Click()
{
    calcola([this] { return tamburo::calcola(dati()); },
            [this](const tamburo::Risultato &r) {
                registra(r);
                // clang-format off
                mostraRisultato({{Jtot, r.Jtot, "##0.0000##"}, {Ccj, r.Ccj, "##0.000#"},
                                 {Cca, r.Cca, "##0.000#"}, {Cmt, r.Cmt, "##0.000#"},
                                 {Pm, r.Pm, "##0.000#"}},
                                tamburo::ciclo(dati(), r, tempi()), tamburo::grandezze(dati(), r));
                // clang-format on
            });
}

void ElevModel::btnModDat_Click()
{
    Variabili &v = m_env.var;
    v.flgDatiOk = flag::False;
    segnaDaInserire({QStringLiteral("Insrire i dati"), colori::rosa},
                    {QStringLiteral("Immettere i dati"), colori::rosso});
    // A speed derived from the travel data is cleared so that the next entry derives it again.
    if (v.Lung > 0 && v.T0 > 0) {
        v.Vl = 0;
        v.Wm = 0;
        scrivi(Wm, QStringLiteral("0"));
        scrivi(Vl, QStringLiteral("0"));
    }
    emit changed();
}

tamburo::Dati ElevModel::dati() const
{
    const Variabili &v = m_env.var;
    return {v.Diam, v.WL, v.WT, m_WC, v.nu, v.N, v.Wm, v.Tac, v.Jm, v.Jt, v.Jv};
}

void ElevModel::registra(const tamburo::Risultato &r)
{
    Variabili &v = m_env.var;
    using V = Variabili;
    // clang-format off
    v.registra({{&V::Wtot, r.Wtot}, {&V::Jcar, r.Jcar}, {&V::Jtot, r.Jtot}, {&V::Cmt, r.Cmt},
                {&V::Pm, r.Pm}, {&V::CmtRis, r.Cmt}});
    // clang-format on
}
