// The desktop's printer services on a machine with no default printer: a message comes
// back, nothing is printed and the program goes on.

#include "charts/disegno.h"
#include "reel/documento.h"
#include "ui/qtplatform.h"

#include <QPrinterInfo>
#include <QTest>

class TestPrinter : public QObject {
    Q_OBJECT
private slots:
    void noDefaultPrinter();
};

void TestPrinter::noDefaultPrinter()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer");
    QtPlatform platform;
    stampa::Documento documento;
    documento.righe.push_back(
        {QStringLiteral("Courier New"), 12, {{QStringLiteral("prova"), true}}});
    const QString testo = QStringLiteral("Nessuna stampante predefinita: impossibile stampare.");
    QCOMPARE(platform.stampaDocumento(documento), testo);
    QCOMPARE(platform.stampaGrafico(grafico::Disegno{}), testo);
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
