#include "utilview.h"

#include "widgets.h"

#include "util/utilmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSvgWidget>

QString cartellaImmaginiUtilita()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const auto holdsBoth = [](const QDir &dir) {
        return QFileInfo::exists(dir.filePath(UtilModel::filePieno()))
               && QFileInfo::exists(dir.filePath(UtilModel::fileCavo()));
    };
    if (holdsBoth(program))
        return program.path();
    return QDir::cleanPath(program.filePath(QStringLiteral("../share/dimensionamento-motori")));
}

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(ui::twips(left), ui::twips(top), ui::twips(width), ui::twips(height));
}

QLineEdit *box(QWidget *parent, const QString &name, int top)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFont(ui::arial(12, true));
    edit->setGeometry(twipsRect(8880, top, 1935, 615));
    return edit;
}

QLabel *rowLabel(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(ui::arial(12, true));
    label->move(ui::twips(left), ui::twips(top));
    label->adjustSize();
    return label;
}

QString nomeControllo(const QString &designName)
{
    // "Label2(1)" becomes "Label2_1"
    return QString(designName).replace(QLatin1Char('('), QLatin1Char('_')).remove(QLatin1Char(')'));
}

} // namespace

UtilView::UtilView(Programma &programma, UtilModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    setFont(ui::arial(9, false));
    auto *central = new QWidget(this);
    central->setFixedSize(ui::twips(13800), ui::twips(10200));
    setCentralWidget(central);

    auto *image1 = new QSvgWidget(QStringLiteral(":/ui/icons/motore.svg"), central);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(twipsRect(120, 120, 3000, 900));
    ui::descriviMotore(image1);

    m_imagLav = new QLabel(central);
    m_imagLav->setObjectName(QStringLiteral("imag_Lav"));
    m_imagLav->setGeometry(twipsRect(120, 1080, 4815, 3030));
    m_imagLav->setScaledContents(true);
    caricaImmagine();
    connect(&model, &UtilModel::immagineScelta, this, &UtilView::caricaImmagine);

    const int tops[] = {1080, 1680, 2280, 2880};
    const int boxTops[] = {960, 1560, 2160, 2760};
    for (const UtilModel::Riga &riga : UtilModel::righe()) {
        QLabel *label = rowLabel(central, nomeControllo(riga.nome), riga.label, 5640, tops[riga.box]);
        QLineEdit *edit = box(central, QStringLiteral("txtInDat%1").arg(riga.box), boxTops[riga.box]);
        label->setBuddy(edit);
        ui::preparaCasella(edit, ui::nomeCasella(riga.label, QString()), riga.simbolo);
        m_txtInDat[riga.box] = edit;
        ui::collegaCasella(edit, this, [this, k = riga.box](const QString &text) {
            if (m_model)
                m_model->setTxtInDat(k, text);
        });
    }
    QLabel *result = rowLabel(central, QStringLiteral("Label2_4"), UtilModel::labelRisultato(),
                              5280, 3720);
    m_txtOutDat = box(central, QStringLiteral("txtOutDat"), 3600);
    m_txtOutDat->setReadOnly(true);
    result->setBuddy(m_txtOutDat);
    ui::preparaCasella(m_txtOutDat, ui::nomeCasella(UtilModel::labelRisultato(), QString()),
                       QString());

    m_label1 = new QLabel(central);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont times(QStringLiteral("Times New Roman"));
    times.setStyleHint(QFont::Serif);
    times.setPointSize(24);
    times.setBold(true);
    m_label1->setFont(times);
    m_label1->move(ui::twips(3120), ui::twips(7920));

    m_btnInDat = button(QStringLiteral("btnInDat"), 600, &UtilModel::btnInDat_Click);
    QPushButton *btnModDat = button(QStringLiteral("btnModDat"), 3960, &UtilModel::btnModDat_Click);
    m_btnCalcola = button(QStringLiteral("btnCalcola"), 7320, &UtilModel::btnCalcola_Click);
    QPushButton *btnEsci = button(QStringLiteral("btnEsci"), 10920, &UtilModel::btnEsci_Click);
    ui::applica(btnModDat, UtilModel::btnModDat());
    ui::applica(btnEsci, UtilModel::btnEsci());

    createMenus();
    tabInOrdineDiSchermo();
    refresh();
}

void UtilView::caricaImmagine()
{
    if (!m_model)
        return;
    // A picture that cannot be read leaves the one shown before.
    QPixmap picture;
    if (picture.load(m_model->immagine()))
        m_imagLav->setPixmap(picture);
    const bool cavo = m_model->immagine().endsWith(UtilModel::fileCavo());
    m_imagLav->setAccessibleName(cavo ? QStringLiteral("Cilindro cavo")
                                      : QStringLiteral("Cilindro pieno"));
    m_imagLav->setAccessibleDescription(
        cavo ? QStringLiteral("Cilindro cavo: diametro interno d, diametro esterno D, lunghezza l")
             : QStringLiteral("Cilindro pieno: diametro D, lunghezza l"));
}

QPushButton *UtilView::button(const QString &name, int left, void (UtilModel::*handler)())
{
    auto *b = new QPushButton(centralWidget());
    b->setObjectName(name);
    b->setGeometry(twipsRect(left, 9000, 2655, 975));
    connect(b, &QPushButton::clicked, this, [this, handler] {
        if (m_model)
            (m_model.data()->*handler)();
    });
    return b;
}

void UtilView::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *cavo = file->addAction(QStringLiteral("Cilindro&Cavo"));
    cavo->setObjectName(QStringLiteral("mnuJ_Cil_Cavo"));
    connect(cavo, &QAction::triggered, this, [this] {
        if (m_model)
            m_model->mnuJ_Cil_Cavo_Click();
    });
    QAction *pieno = file->addAction(QStringLiteral("Cilindro&Pieno"));
    pieno->setObjectName(QStringLiteral("mnuCil_Pieno"));
    connect(pieno, &QAction::triggered, this, [this] {
        if (m_model)
            m_model->mnuCil_Pieno_Click();
    });
}

void UtilView::refresh()
{
    if (!m_model)
        return;
    for (int k = 0; k < UtilModel::Caselle; ++k)
        ui::mostraTesto(m_txtInDat[k], m_model->txtInDat(k));
    if (m_txtOutDat->text() != m_model->txtOutDat())
        m_txtOutDat->setText(m_model->txtOutDat());
    ui::applica(m_btnInDat, m_model->btnInDat());
    ui::applica(m_btnCalcola, m_model->btnCalcola());
    ui::applica(m_label1, m_model->Label1());
    m_label1->adjustSize();
}
