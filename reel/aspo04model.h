#pragma once
// ASPO04, "Stampa i risultati": the report window of the reel. The user types the customer
// and project names and presses "STAMPA", which prints the report on the default printer.

#include "shell/forms.h"

#include <QStringList>
#include <array>

class Aspo04Model : public FormModel {
    Q_OBJECT
public:
    explicit Aspo04Model(Ambiente env)
        : FormModel(FormId::ASPO04, env, QStringLiteral("Stampa i risultati"))
    {
    }
    // Writes the instructions on the window's surface.
    void Form_Load() override;
    // "&File" with "&Esci", and "&Help" whose single entry does nothing
    QList<Menu> menu() override;

    // the lines written on the window's surface, top to bottom
    const QStringList &istruzioni() const { return m_istruzioni; }

    // Text1(0) customer name, Text1(1) project name
    const QString &Text1(int i) const { return m_text1.at(i); }
    void setText1(int i, const QString &text);

    static QString Label1(int i)
    {
        return i == 0 ? QStringLiteral("Nome Cliente: ") : QStringLiteral("Nome Progetto: ");
    }
    static Aspetto Text1Aspetto() { return {QString(), colori::verde}; }
    static Aspetto Command1() { return {QStringLiteral("STAMPA"), colori::rosso}; }
    static QString Label2()
    {
        return QStringLiteral("La stampa sarà effettuata dalla stampante predefinita. Se si vuole "
                              "modificare la stampante da utilizzare, modificare la stampante "
                              "predefenita da pannello di controllo.");
    }

    // "STAMPA": the report on the default printer; a printer that fails is reported.
    void Command1_Click();
    void mnuFileEsci_Click() { unload(); }
    void mnuHelp_Click() {}

private:
    QStringList m_istruzioni;
    std::array<QString, 2> m_text1;
};
