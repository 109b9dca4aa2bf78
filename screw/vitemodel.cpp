#include "vitemodel.h"

#include "shell/variabili.h"
#include "vitecalc.h"

namespace {

const QString inserireIDati = QStringLiteral("Inserire i dati");

// The 25 rows in screen order: the data column 0..11, 23, 12..17, 24, then the results
// 18..22. `alternativa` and `rapporto` are the colours in which the two windows differ,
// `pesoTotale` and `potenza` their captions.
QList<Riga> righeVite(Colore alternativa, Colore rapporto, const QString &pesoTotale,
                      const char *simboloPesoTotale, const QString &potenza)
{
    using namespace colori;
    using V = ViteModel;
    const QString mm = QStringLiteral(" mm"), kg = QStringLiteral(" kg"),
                  s = QStringLiteral(" secondi"), kgm2 = QStringLiteral(" kgm^2"),
                  kgm = QStringLiteral(" kgm"), kW = QStringLiteral(" kW");
    const std::optional<Colore> fondo; // the window's background
    const auto riga = [](int box, const QString &nome, const char *simbolo, const QString &unita,
                         std::optional<Colore> colore, const char *preset = "0") {
        const QString s = QString::fromLatin1(simbolo);
        Riga r{box,
               QStringLiteral("%1 \"%2\" =").arg(nome.leftJustified(26), s),
               nome,
               s,
               unita,
               colore,
               QString::fromLatin1(preset)};
        if (box >= V::Jtot && box <= V::Pm)
            r.colonna = Colonna::Risultati;
        return r;
    };
    return {
        riga(V::DB, QStringLiteral("Diametro della vite"), "DB", mm, rossoChiaro),
        riga(V::PB, QStringLiteral("Passodella vite"), "PB", mm, rossoChiaro),
        riga(V::LB, QStringLiteral("Lunghezza tralsazione"), "LB", QStringLiteral(" m"),
             alternativa),
        riga(V::WL, QStringLiteral("Peso da sollevare"), "WL", kg, rossoChiaro),
        riga(V::WT, QStringLiteral("Peso tavola/supporto"), "WT", kg, rossoChiaro),
        riga(V::Fc, QStringLiteral("Contrappeso"), "Fc", kg, fondo),
        riga(V::Wtot, pesoTotale, simboloPesoTotale, kg, verde),
        riga(V::nu, QStringLiteral("Rendimento trasmissione"), "nu", QString(), pesca, "0,6"),
        riga(V::N, QStringLiteral("Rapporto di riduzione"), "N", QString(), rapporto),
        riga(V::T0, QStringLiteral("Tempo di traslazione"), "T0", s, alternativa),
        riga(V::Tf, QStringLiteral("Tempo di ciclo"), "Tf", s, fondo),
        riga(V::Tac, QStringLiteral("Tempo di accelerazione"), "Tac", s, pesca, "5"),
        riga(V::Tdec, QStringLiteral("Tempo di decelerazione"), "Tdec", s, pesca, "5"),
        riga(V::Vl, QStringLiteral("Velocità di traslazione"), "Vl", QStringLiteral(" m/s"),
             alternativa),
        riga(V::Wm, QStringLiteral("Velocità ang. motore"), "Wm", QStringLiteral("rpm "),
             alternativa),
        riga(V::ms, QStringLiteral("Attrito di primo distacco"), "ms", QString(), pesca, "0,52"),
        riga(V::mk, QStringLiteral("Attrito dinamico"), "mk", QString(), pesca, "0,45"),
        riga(V::Jm, QStringLiteral("Momento d'inerzia mot."), "Jm", kgm2, pesca, "0,001"),
        riga(V::Jt, QStringLiteral("Momento d'inerzia tras"), "Jt", kgm2, pesca, "0,02"),
        riga(V::Jv, QStringLiteral("Momento d'inerzia vite"), "Jv", kgm2, pesca, "0,009"),
        riga(V::Jtot, QStringLiteral("Momento d'inerzia Tot"), "Jtot", kgm2, verde),
        riga(V::Cmt, QStringLiteral("Coppia motrice totale"), "Cmt", kgm, verde),
        riga(V::Cca, QStringLiteral("Coppia mot. per carico"), "Cca", kgm, verde),
        riga(V::Pca, QStringLiteral("Potenza mot. per attriti"), "Pca", kW, verde),
        riga(V::Pm, potenza, "Pm", kW, verde),
    };
}

QList<VoceLegenda> legendaVite(Colore obbligatori, Colore alternativi)
{
    return {
        {QStringLiteral("Label5"), QStringLiteral("Parametri facoltativi"), colori::cianoPallido,
         colori::violaScuro},
        // clang-format off
        {QStringLiteral("Label3(19)"), QStringLiteral("Parametri obbligatori"), obbligatori},
        {QStringLiteral("Label6"), QStringLiteral("Parametri calcolati"), colori::verdeChiaro},
        {QStringLiteral("Label4"), QStringLiteral("Parametri tra di loro in alternativa"), alternativi},
        {QStringLiteral("Label7"), QStringLiteral("Valore di default iniziale. Possibile variazione"),
         // clang-format on
         colori::pesca},
    };
}

Tavola tavolaConEsci(const QString &caption, QList<Riga> righe, QList<VoceLegenda> legenda,
                     Aspetto immissione, Aspetto stato, Aspetto esci)
{
    Tavola t{caption, std::move(righe), std::move(legenda), std::move(immissione),
             std::move(stato)};
    t.esci = std::move(esci);
    t.titoloNuovo = QStringLiteral("Nuovo File");
    return t;
}

} // namespace

const Tavola &ViteModel::tavolaVite(FormId id)
{
    using namespace colori;
    static const Tavola sollevamento =
        tavolaConEsci(QStringLiteral("Sollevamento con vite e madrevite"),
                      righeVite(verdeChiaro, rosso, QStringLiteral("Peso totale"), "WT",
                                QStringLiteral("Potenza mototore totale")),
                      legendaVite(rosso, verdeChiaro), {inserireIDati, rosa},
                      {inserireIDati, argento}, {QStringLiteral("Esci"), rosso});
    static const Tavola traslazione = tavolaConEsci(
        QStringLiteral("Spostamento orizzontale con vite e madrevite."),
        righeVite(verdePallido, rossoChiaro, QStringLiteral("Massa totale"), "Mt",
                  QStringLiteral("Potenza totale mototore")),
        legendaVite(rossoChiaro, verdePallido), {QStringLiteral("Immissione dati"), rosa},
        {QString(), argento}, {QStringLiteral("Esci"), argento});
    Q_ASSERT(id == FormId::Soll_vite_Form || id == FormId::traslForm);
    return id == FormId::traslForm ? traslazione : sollevamento;
}

scheda::Figura ViteModel::figura() const
{
    return sollevamento()
               ? scheda::Figura{QStringLiteral(":/screw/vite.svg"),
                                QStringLiteral("Sollevamento con vite e madrevite")}
               : scheda::Figura{QStringLiteral(":/screw/trasl.svg"),
                                QStringLiteral("Spostamento orizzontale con vite e madrevite")};
}

QList<Menu> ViteModel::menuFinestra()
{
    using M = ViteModel;
    const bool s = sollevamento();
    const VoceMenu apri = voce("mnuApriFile", s ? "&Apri File" : "ApriFile", &M::mnuApriFile_Click);
    const VoceMenu salvaNome = voce("mnuSalvaFileNome", s ? "Salva con &Nome" : "Salva con&Nome",
                                    &M::mnuSalvaFileNome_Click);
    if (s)
        return {menuFile({voce("mnuApriNwFil", "Apri &Nuovo FIle", &M::mnuApriNwFil_Click), apri,
                          salvaNome, voce("mnuSalvaFile", "&Salva", &M::mnuSalvaFile_Click),
                          voce("mnuFileEsci", "&Esci", &M::mnuFileEsci_Click)})};
    return {menuFile({apri, salvaNome, voce("muSalvaFile", "&Salva", &M::muSalvaFile_Click),
                      voce("mnuEsci", "&Esci", &M::mnuEsci_Click)})};
}

void ViteModel::smarca()
{
    m_env.var.flgDatiOk = flag::False;
    segnaDaInserire({inserireIDati, colori::rosa}, {inserireIDati, colori::argento});
}

void ViteModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    double contrappeso = 0; // the counterweight enters no formula: read, then dropped
    // clang-format off
    const bool numeri = leggiTutte({
        {DB, &v.Diam}, {PB, &v.PB},   {LB, &v.Lung}, {WL, &v.WL}, {WT, &v.WT},  {Fc, &contrappeso},
        {Wtot, &v.Wtot}, {nu, &v.nu}, {N, &v.N},     {T0, &v.T0}, {Tf, &v.Tf},  {Tac, &v.Tac},
        {Tdec, &v.Tdec}, {Vl, &v.Vl}, {Wm, &v.Wm},   {ms, &v.ms}, {mk, &v.mk},  {Jm, &v.Jm},
        {Jt, &v.Jt},     {Jv, &v.Jv}, {Jtot, &v.Jtot},
    });
    // clang-format on

    // The lift first returns the whole form to the unmarked state; the travel window only
    // turns its status label.
    if (sollevamento())
        smarca();
    else
        m_stato = {QStringLiteral("Inserire i Dati"), colori::rosso, colori::nero};

    if (senzaNumeri(numeri))
        return;

    bool validi = positivo(v.Diam, DB, QStringLiteral("Inserire DB diverso da 0"));
    validi = positivo(v.PB, PB, QStringLiteral("Inserire PB diverso da 0")) && validi;
    validi = rapporto(N) && validi;
    validi = pesi(Wtot) && validi;
    // The screw turns once per pitch of travel, the motor N times per screw turn.
    validi = derivaVelocita(Vl, Wm,
                            {[&v](double x) { return vite::wmDaVl(x, v.PB, v.N); },
                             [&v](double x) { return vite::vlDaWm(x, v.N, v.PB); }}) &&
             validi;
    segnaValidita(validi);
    emit changed();
}

void ViteModel::btnCalcola_Click()
{
    calcola([this] { return vite::calcola(dati()); },
            [this](const vite::Risultato &r) {
                registra(r);
                // clang-format off
                mostraRisultato({{Jtot, r.Jtot, "##0.0000##"}, {Cca, r.Cca, "##0.000#"},
                                 {Cmt, r.CmtRis, "##0.000#"}, {Pm, r.Pm, "##0.000#"},
                                 {Pca, r.Pca, "##0.000#"}},
                                vite::ciclo(dati(), r, tempi()), vite::grandezze(dati(), r));
                // clang-format on
            });
}

void ViteModel::btnModDat_Click()
{
    smarca();
    emit changed();
}

vite::Dati ViteModel::dati() const
{
    const Variabili &v = m_env.var;
    return {v.Diam, v.PB, v.Wtot, v.nu, v.N, v.Wm, v.Tac, v.ms, v.mk, v.Jm, v.Jt, v.Jv};
}

void ViteModel::registra(const vite::Risultato &r)
{
    Variabili &v = m_env.var;
    using V = Variabili;
    // clang-format off
    v.registra({{&V::Jcar, r.Jcar}, {&V::Jtot, r.Jtot}, {&V::CmtRis, r.CmtRis}, {&V::Pm, r.Pm},
                {&V::Pca, r.Pca}});
    // clang-format on
}
