#include "Forms/Seiten/TabellenSymbol.h"

#include "Gui/XoTimer.h"

#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kTakt = 50; // ms per picture

// Picture `nr` of `anzahl`: a small table whose marked row moves down one line per picture.
QPixmap TabellenBild(int nr, int anzahl)
{
    constexpr int kBreite = 22;
    constexpr int kHoehe = 18;
    QPixmap bild(kBreite, kHoehe);
    bild.fill(QColor(255, 251, 240));
    QPainter p(&bild);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, kBreite - 1, kHoehe - 1);
    const int zeilen = anzahl;
    const double hoehe = (kHoehe - 2) / static_cast<double>(zeilen);
    const int y = 1 + static_cast<int>((nr - 1) * hoehe);
    p.fillRect(1, y, kBreite - 2, std::max(static_cast<int>(hoehe), 2), QColor(210, 222, 242));
    p.drawLine(8, 1, 8, kHoehe - 2);
    return bild;
}

QToolButton* Knopf(QWidget* parent, const QString& name, const QString& text,
                   const QString& hinweis)
{
    auto* knopf = new QToolButton(parent);
    knopf->setObjectName(name);
    knopf->setText(text);
    knopf->setToolTip(hinweis);
    knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    knopf->setAutoRaise(true);
    return knopf;
}

} // namespace

TTabellenSymbol::TTabellenSymbol(QWidget* parent, const QString& name, const QString& text,
                                 int bilder, const QString& hinweisOeffnen,
                                 const QString& hinweisSchliessen)
    : QObject(parent)
{
    for (int nr = 1; nr <= bilder; ++nr)
        m_bilder.push_back(TabellenBild(nr, bilder));
    m_open = Knopf(parent, name + "OpenImage", text, hinweisOeffnen);
    m_close = Knopf(parent, name + "CloseImage", text + " ×", hinweisSchliessen);
    BildZeigen(1);
}

TTabellenSymbol::~TTabellenSymbol()
{
    RemoveTimersOf(this);
}

void TTabellenSymbol::Aktualisieren(bool offen)
{
    m_close->setVisible(offen);
    m_open->setVisible(!offen);
}

void TTabellenSymbol::Gescrollt(bool nachUnten)
{
    m_vorwaerts = nachUnten;
    const int anzahl = static_cast<int>(m_bilder.size());
    if (m_bild == 1)
        m_bild = m_vorwaerts ? 2 : anzahl;
    if (!m_animiert) {
        m_animiert = true;
        TimerMngr().AddTimer(kTakt, {this, &TTabellenSymbol::Schritt});
    }
}

void TTabellenSymbol::Schritt()
{
    BildZeigen(m_bild);
    if (m_bild == 1) {
        TimerMngr().RemoveTimer({this, &TTabellenSymbol::Schritt});
        m_animiert = false;
        return;
    }
    const int anzahl = static_cast<int>(m_bilder.size());
    m_bild = m_vorwaerts ? m_bild % anzahl + 1 : (m_bild + anzahl - 2) % anzahl + 1;
}

void TTabellenSymbol::BildZeigen(int bild)
{
    const QIcon icon(m_bilder[static_cast<std::size_t>(bild - 1)]);
    m_open->setIcon(icon);
    m_close->setIcon(icon);
}
