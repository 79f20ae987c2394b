#include "Forms/Start/AboutBox.h"

#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/XoTimer.h"
#include "Platform/ShellFolder.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Where the animation stands, for every about box of the process.
int g_bild = 0;

} // namespace

TFoAboutBox::TFoAboutBox(QWidget* parent)
    : TBaseForm(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("FoAboutBox");
    setWindowTitle(QStringLiteral("Info"));

    paInfo = new QWidget(this);
    paInfo->setObjectName("paInfo");
    Image = new QLabel(paInfo);
    Image->setObjectName("ProgramIcon");
    Image->setFixedSize(64, 64);
    stAppName = Zeile("stAppName", QStringLiteral("Vantrel 2026"));
    QFont gross = stAppName->font();
    gross.setPointSize(gross.pointSize() + 6);
    stAppName->setFont(gross);
    stVersion = Zeile("stVersion", QStringLiteral("Version 5.01"));
    QLabel* zeile1 = Zeile("Label1", QStringLiteral("Entgeltabrechnung und"));
    QLabel* zeile2 = Zeile("Label2", QStringLiteral("Einkommensteuerberechnung"));
    QLabel* verlag = Zeile("stVerlag", QStringLiteral("Verlag Tovar"));
    // Link labels: underlined, with the hand cursor; a click opens the document.
    const auto link = [this](const char* name, const QString& text, const QString& datei) {
        QLabel* label = Zeile(name, QStringLiteral("<a href=\"%1\">%2</a>").arg(datei, text));
        label->setTextFormat(Qt::RichText);
        label->setCursor(Qt::PointingHandCursor);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(label, &QLabel::linkActivated, this, &TFoAboutBox::LinkOeffnen);
        return label;
    };
    stLiesMich = link("stLiesMich", QStringLiteral("Programmbeschreibung (README.md)"),
                      QStringLiteral("README.md"));
    stAnleitung = link("stAnleitung", QStringLiteral("Anleitung (Anleitung.pdf)"),
                       QStringLiteral("Anleitung.pdf"));

    auto* texte = new QVBoxLayout;
    for (QLabel* label : {stAppName, stVersion, zeile1, zeile2, verlag, stLiesMich, stAnleitung})
        texte->addWidget(label);
    auto* info = new QHBoxLayout(paInfo);
    info->addWidget(Image, 0, Qt::AlignTop);
    info->addLayout(texte, 1);

    bnOK = new QPushButton(QStringLiteral("OK"), this);
    bnOK->setObjectName("bnOK");
    bnOK->setDefault(true);
    connect(bnOK, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(taste), this), &QShortcut::activated, bnOK,
                &QPushButton::click);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(bnOK);
    knoepfe->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paInfo);
    layout->addLayout(knoepfe);
    // The box takes the size of its texts, also after the bold or large print is applied.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BildZeigen();
    TimerMngr().AddTimer(kIntervallMs, TXoMethod(this, &TFoAboutBox::Animieren));
}

TFoAboutBox::~TFoAboutBox()
{
    TimerMngr().RemoveAllOf(this);
}

QLabel* TFoAboutBox::Zeile(const char* name, const QString& text)
{
    auto* label = new QLabel(text, paInfo);
    label->setObjectName(name);
    return label;
}

void TFoAboutBox::SetFetteSchrift(bool bold)
{
    TBaseForm::SetFetteSchrift(bold);
    if (paInfo)
        SetBoldFont(*paInfo, bold);
}

void TFoAboutBox::Animieren()
{
    g_bild = (g_bild + 1) % kBilder;
    BildZeigen();
}

int TFoAboutBox::Bild()
{
    return g_bild;
}

void TFoAboutBox::BildZeigen()
{
    const QPixmap bild = BildNr(g_bild);
    Image->setPixmap(bild);
    setWindowIcon(QIcon(bild));
}

QPixmap TFoAboutBox::BildNr(int nummer)
{
    // A coin with the program's initial, turning about its upright axis in seven steps.
    QPixmap bild(64, 64);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double winkel = nummer * std::numbers::pi / kBilder;
    const double breite = std::max(4.0, 56.0 * std::abs(std::cos(winkel)));
    const QRectF muenze(32 - breite / 2, 4, breite, 56);
    p.setPen(QPen(QColor(0, 51, 102), 2));
    p.setBrush(nummer % 2 == 0 ? QColor(0, 102, 153) : QColor(0, 122, 173));
    p.drawEllipse(muenze);
    if (breite > 24) {
        QFont font = p.font();
        font.setPixelSize(30);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(muenze, Qt::AlignCenter, QStringLiteral("V"));
    }
    return bild;
}

void TFoAboutBox::LinkOeffnen(const QString& datei)
{
    DokumentOeffnen(QString::fromStdString(ShellFolders().ProgramDirectory()) + datei);
}
