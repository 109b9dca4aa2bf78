#pragma once
// The view of every calculator window: it builds the rows, the legend, the status and date
// labels, the buttons and the menus from the model's tables, places them where the window's
// Disposizione says, and copies the model's state into them in one place. Every calculator
// window has a fixed design: controls stand at fixed places in pixels of the client area (the
// old designs' twips divided by 15), and the window keeps them there when it grows. A view
// adds only what is its own: pictures, option frames, an output box.

#include "vistadi.h"

#include "calcolatrice/calcolatrice.h"

#include <QFont>
#include <QRect>

#include <array>
#include <functional>
#include <map>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The three controls of a row. An empty label rectangle sizes the label to its text at the
// rectangle's top left; an empty unit rectangle leaves the row without a unit label.
struct PostiRiga {
    QRect etichetta, casella, unita;
};

struct Disposizione {
    QSize client;                       // the client area, in pixels
    bool clientFisso = false;           // a fixed size, or the least the window shows
    QFont carattere;                    // the window's font
    std::optional<QFont> caratterRighe; // labels and boxes of the rows, where they differ
    // where the rows stand, by the row and its place in its column (0 at the top)
    std::function<PostiRiga(const Riga &, int)> posti;
    Qt::Alignment allineamentoEtichetta = Qt::AlignLeft | Qt::AlignVCenter;
    // control names of a row's label, box and unit for box k
    std::function<QString(int)> nomeEtichetta = [](int k) {
        return QStringLiteral("Label2_%1").arg(k);
    };
    QString nomeCasella = QStringLiteral("txtInDat%1");
    QString nomeUnita = QStringLiteral("Label3_%1");
    bool unitaVuote = true; // a row without a unit still has its (empty) unit label

    // the legend's labels, top to bottom: the rectangle of label i, given the label (a label
    // that wraps its text is as tall as the text needs)
    std::function<QRect(int, QLabel *)> legenda;
    bool legendaACapo = false;

    std::array<QRect, 4> pulsanti; // "Immissione dati", "Calcola", "Modifica Dati", "Esci"
    bool iconaEsci = true;

    QString nomeStato; // Label15, Label5, Label1
    QRect stato;       // empty: sized to its text at the rectangle's top left
    QFont caratterStato;
    Qt::Alignment allineamentoStato = Qt::AlignCenter;

    QString nomeData; // the label that shows the data file's first line
    QRect data;
    std::optional<Colore> sfondoData;
};

class CalcolatriceView : public VistaDi<Calcolatrice> {
    Q_OBJECT
public:
    QLineEdit *casella(int box) const { return m_caselle.at(box); }

protected:
    CalcolatriceView(Programma &programma, Calcolatrice &model, Disposizione disposizione);

    // The pieces, each from the model's tables; a view calls them in its reading order, top
    // to bottom and left to right, so that a screen reader meets them so.
    void creaRighe();
    void creaLegenda();
    void creaStato();
    void creaData();
    void creaPulsanti();
    // All of them in the usual order, then the Tab order and a first refresh.
    void costruisci();
    void completa();

    // What a view shows besides the common controls.
    virtual void aggiorna() {}
    void refresh() final;

    QWidget *centrale() const { return centralWidget(); }

    const Disposizione m_disposizione;

private:
    std::map<int, QLineEdit *> m_caselle;
    std::array<QPushButton *, 4> m_pulsanti{};
    QLabel *m_stato = nullptr;
    QLabel *m_data = nullptr;
};
