#include "Forms/Start/Titel.h"

#include "Gui/FrmLib.h"
#include "Gui/XoTimer.h"
#include "Lib/IniFile.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

TFoTitel* g_titel = nullptr;

QLabel* TitelLabel(QWidget* parent, const char* name, const QString& text, int punkte, bool fett)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(punkte);
    font.setBold(fett);
    label->setFont(font);
    label->setStyleSheet("color: white; background: transparent;");
    return label;
}

} // namespace

TFoTitel::TFoTitel(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
{
    setObjectName("FoTitel");
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(1);
    layout->addWidget(TitelLabel(this, "stTitel", "Vantrel", 36, true));
    layout->addWidget(TitelLabel(this, "stJahr", "2026", 28, true));
    layout->addStretch(1);
    layout->addWidget(TitelLabel(this, "Label3", "Verlag Tovar", 11, false));
    resize(360, 220);
}

TFoTitel::~TFoTitel()
{
    RemoveTimersOf(this);
    if (g_titel == this)
        g_titel = nullptr;
}

QRect TFoTitel::Bezugsrechteck(const TIniFile& ini, const QRect& arbeitsbereich)
{
    if (ini.ReadBool("MainForm", "Maximiert", false))
        return arbeitsbereich;
    return RechteckImArbeitsbereich(
        ini.ReadInteger("MainForm", "Links", 0), ini.ReadInteger("MainForm", "Oben", 0),
        ini.ReadInteger("MainForm", "Breite", 638), ini.ReadInteger("MainForm", "Hoehe", 648),
        arbeitsbereich);
}

void TFoTitel::ZeigeTitelfenster(const TIniFile& einstellungen)
{
    if (g_titel == nullptr)
        g_titel = new TFoTitel;
    const QRect arbeitsbereich = GetWorkArea();
    const QRect ueber = Bezugsrechteck(einstellungen, arbeitsbereich);
    g_titel->move(
        CenterRectInWorkArea(QRect(QPoint(0, 0), g_titel->size()), ueber, arbeitsbereich));
    g_titel->show();
    g_titel->raise();
    g_titel->repaint();
    TimerMngr().AddDelayed(kAnzeigeMs, TXoMethod(g_titel, &TFoTitel::Ablauf));
}

TFoTitel* TFoTitel::Titelfenster()
{
    return g_titel;
}

void TFoTitel::Schliessen()
{
    TFoTitel* titel = g_titel;
    g_titel = nullptr;
    if (titel != nullptr) {
        TimerMngr().RemoveAllOf(titel);
        titel->deleteLater();
    }
}

void TFoTitel::Ablauf()
{
    Schliessen();
}

void TFoTitel::mousePressEvent(QMouseEvent*)
{
    Schliessen();
}

void TFoTitel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0, QColor(0, 51, 102));
    verlauf.setColorAt(1, QColor(0, 102, 153));
    painter.fillRect(rect(), verlauf);
}
