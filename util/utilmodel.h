#pragma once
// utilForm, "Utilità": the moment of inertia of a solid or hollow cylinder. Four value boxes
// (d, D, l, rho), the data entry that checks them into the shared state, "Calcola" that shows
// the inertia in the window's own result box, "Modifica dati", and the menu that picks the
// kind of cylinder and its picture. Opened by the main window; the Qt view in ui/ binds it.

#include "calcolatrice/calcolatrice.h"

class UtilModel : public Calcolatrice {
    Q_OBJECT
public:
    enum Casella { DiametroInterno, DiametroEsterno, Lunghezza, PesoSpecifico, Caselle };
    static const Tavola &tavolaUtilita();
    static QString labelRisultato() { return QStringLiteral("Momento d'inerzia  [kg/m2] ="); }

    static QString filePieno() { return QStringLiteral("cilindropieno.JPG"); }
    static QString fileCavo() { return QStringLiteral("cilindrocavo.JPG"); }

    // cartellaImmagini: the folder that holds the two cylinder pictures
    UtilModel(Ambiente env, QString cartellaImmagini);

    QList<Menu> menuFinestra() override;
    scheda::Figura figura() const override;
    const QString &txtOutDat() const { return m_txtOutDat; }
    const Aspetto &btnInDat() const { return btnInseDat(); }
    const Aspetto &Label1() const { return statusLabel(); }

    // The picture file imag_Lav is to show; at first the design's hollow cylinder.
    const QString &immagine() const { return m_immagine; }
    const QString &cartellaImmagini() const { return m_cartella; }

    void btnInDat_Click() { btnInseDat_Click(); }
    void btnInseDat_Click() override;
    void btnCalcola_Click() override;
    void btnModDat_Click() override;
    void mnuCil_Pieno_Click();
    void mnuJ_Cil_Cavo_Click();
    void scegli(const QString &opzione) override
    {
        if (opzione == QLatin1String("cavo"))
            mnuJ_Cil_Cavo_Click();
    }
    QStringList righeRisultato() const override
    {
        return m_txtOutDat.isEmpty() ? QStringList() : QStringList{m_txtOutDat};
    }
    // Not on this window's menu, offered like every calculator for the batch program.
    bool mnuFileApri_Click() { return ApriFile(); } // true when a file was loaded

signals:
    // A menu entry has chosen the picture: the view loads immagine() again.
    void immagineScelta();

protected:
    void caricato() override { m_labelErrore = false; }

private:
    void scegliImmagine(const QString &file);

    QString m_cartella;
    QString m_immagine;
    QString m_txtOutDat;
    bool m_cavoCalcolato = false; // the cylinder of the last "Calcola", for its sheet
    bool m_labelErrore = false;   // Label1 tells why the last "Calcola" gave nothing
};
