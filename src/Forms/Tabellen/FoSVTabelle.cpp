#include "Forms/Tabellen/FoSVTabelle.h"

#include "Gui/FrmLib.h"
#include "Lib/Betrag.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>

#include <algorithm>

TGemalteZeile SVGemalteZeile(const TSVTabellenZeile& zeile, int nummer,
                             const TSVTabellenFarben& farben)
{
    const int wechsel = nummer % 2;
    TGemalteZeile gemalt;
    gemalt.farbe = farben.normal[wechsel];
    gemalt.texte.push_back(QString::fromStdString(FloatToBetragStr(2, zeile.entgelt * 0.01)));
    gemalt.zellFarben.push_back(QColor());
    for (int i = 0; i < 4; ++i) {
        const auto& anteil = zeile.anteil[i];
        gemalt.texte.push_back(anteil ? QString::fromStdString(FloatToBetragStr(2, *anteil * 0.01))
                                      : QString());
        gemalt.zellFarben.push_back(zeile.ueberBBG[i] ? farben.ueberBBG[wechsel] : QColor());
    }
    return gemalt;
}

TFoSVTabelle::TFoSVTabelle(QWidget* parent) : TMVCTabelle(parent)
{
    setObjectName("FoSVTabelle");
    KopfAufbauen();
    MenueAufbauen();
    ScrollBar1()->setRange(0, 32767);
}

// The contribution objects go before the base's destructor, which still reports the closing.
TFoSVTabelle::~TFoSVTabelle()
{
    m_beitraege.reset();
}

void TFoSVTabelle::KopfAufbauen()
{
    auto* layout = new QGridLayout(Kopf());
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setHorizontalSpacing(0);
    layout->addWidget(KopfLabel("stEntgelt", "Entgelt\nbis", kSpalten[0]), 0, 0, 2, 1);
    layout->addWidget(
        KopfLabel("stVersichertenanteil", "Versichertenanteil", kSpalten[1] * 4, Qt::AlignCenter),
        0, 1, 1, 4);
    const char* const kNamen[4] = {"stKV", "stPV", "stRV", "stAV"};
    const char* const kTexte[4] = {"KV", "PV", "RV", "AV"};
    for (int i = 0; i < 4; ++i)
        layout->addWidget(KopfLabel(kNamen[i], kTexte[i], kSpalten[i + 1]), 1, i + 1);
    int breite = 0;
    for (int b : kSpalten)
        breite += b;
    SetTabellenBreite(breite);
}

void TFoSVTabelle::MenueAufbauen()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu1");
    PopupItem(
        menu, "&Gehe zu Entgelt...", Qt::Key_G, [this] { GeheZuBetrag(); }, "pmiGeheZu");
    PopupItem(
        menu, "&Schließen", Qt::Key_Escape, [this] { close(); }, "pmiSchliessen");
    SetPopupMenu(menu);
}

double TFoSVTabelle::Anfangsbetrag() const
{
    return m_beitraege ? m_beitraege->Anfangsbetrag() : 1.0;
}

double TFoSVTabelle::Schrittweite() const
{
    return m_beitraege ? m_beitraege->Schrittweite() : 1.0;
}

int TFoSVTabelle::SichtbareZeilen() const
{
    return std::max(kTabellenHoehe / std::max(ZeilenHoehe(), 1), 1);
}

void TFoSVTabelle::Oeffnen(const TSVTabellenVorgaben& vorgaben)
{
    m_beitraege = std::make_unique<TSVTabellenBeitraege>(vorgaben);
    setWindowTitle(QString::fromStdString(SVTabellenTitel(m_beitraege->Vorgaben())));
    // Display amounts (typed or given) find their rows in the year's currency and back.
    SetUmrechnung(m_beitraege->Waehrungsfaktor(), m_beitraege->Kurs());
    const double anfang = Anfangsbetrag();
    const double schritt = Schrittweite();
    // The table ends one page of rows above the highest pro-rata ceiling.
    const double ende = m_beitraege->HoechsteAnteiligeGrenze() + SichtbareZeilen() * schritt;
    SetEndBetrag(Zurueckrechnen(ende));
    const double zeilen = std::max((ende - anfang) / schritt - SichtbareZeilen() + 1, 0.0);
    ScrollBar1()->setRange(0, static_cast<int>(std::min(zeilen, 32767.0)));
    // The row that holds the pay is the first whose upper bound reaches it.
    const double entgelt = Umrechnen(Abschneiden(m_beitraege->Vorgaben().entgelt * 100));
    BetragZuZeile(Zurueckrechnen(entgelt + schritt - 1));
}

TFoSVTabelle* TFoSVTabelle::Zeigen(const TSVTabellenVorgaben& vorgaben)
{
    auto* fenster = new TFoSVTabelle;
    if (!TabelleOeffnen(fenster, [&] {
            fenster->HoeheAnpassen();
            fenster->Oeffnen(vorgaben);
        }))
        return nullptr;
    fenster->show();
    // Only a shown window has the real sizes of its parts: the height again, now exact.
    fenster->HoeheAnpassen();
    // Wherever the window manager put it, the whole table stays on the screen.
    InArbeitsbereichHalten(*fenster);
    return fenster;
}

void TFoSVTabelle::HoeheAnpassen()
{
    layout()->activate();
    // The minimum the base derived before the window was laid out may exceed the table.
    setMinimumHeight(0);
    resize(width(), Kopf()->sizeHint().height() + SichtbareZeilen() * std::max(ZeilenHoehe(), 1));
}

TSVTabellenZeile TFoSVTabelle::Zeile(double betrag) const
{
    return m_beitraege ? m_beitraege->Zeile(betrag) : TSVTabellenZeile{};
}

void TFoSVTabelle::PaintTable(QPainter& painter, const QRect& bereich)
{
    ZeilenMalen(painter, bereich, kSpalten, [this](int zeile, double betrag) {
        return SVGemalteZeile(Zeile(betrag), zeile, m_farben);
    });
}
