#include "Forms/Tabellen/EStTabelle.h"

#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Einkommensteuer/EStTab.h"
#include "Engine/Einkommensteuer/EStTabBase.h"
#include "Gui/BetragEdit.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/Betrag.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <functional>

namespace {

QString Betrag2(double x)
{
    return QString::fromStdString(FloatToBetragStr(2, x));
}

// A year the factory cannot take at all still reaches it as a year it refuses, with its message.
std::uint16_t FactoryJahr(int jahr)
{
    return static_cast<std::uint16_t>(std::clamp(jahr, 0, 0xFFFF));
}

} // namespace

TEStTabellenZeile EStTabellenZeile(TEStTabBase& tarif, double betrag, double kurs)
{
    // Taxed in the tariff's currency (rate = its own factor), then shown at the display rate.
    const double faktor = tarif.DMFaktor();
    const auto anzeige = [faktor, kurs](double x) { return Dreisatz(true, 2, x, faktor, kurs); };
    TEStTabellenZeile zeile;
    zeile.einkommen = anzeige(betrag);
    zeile.grundtarif = anzeige(tarif.Steuer(false, betrag, faktor));
    zeile.splittingtarif = anzeige(tarif.Steuer(true, betrag, faktor));
    return zeile;
}

TFoEStTabelle::TFoEStTabelle(QWidget* parent) : TTabelle(parent)
{
    setObjectName("FoEStTabelle");
    m_farben[0] = QColor(255, 251, 240);
    m_farben[1] = QColor(255, 200, 200);
    KopfAufbauen();
    MenueAufbauen();
    ScrollBar1()->setRange(0, 32767);
}

// The tariff goes before the base's destructor, which still reports the closing.
TFoEStTabelle::~TFoEStTabelle()
{
    m_tarif.reset();
}

void TFoEStTabelle::init()
{
    TTabelle::init();
    SetEndBetrag(kEndBetrag);
}

void TFoEStTabelle::KopfAufbauen()
{
    auto* layout = new QGridLayout(Kopf());
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setHorizontalSpacing(0);
    layout->addWidget(KopfLabel("stZVE", "Zu versteuerndes\nEinkommen\nbis", kSpalten[0]), 0, 0);
    layout->addWidget(KopfLabel("stGrundtarif", "Einkommen-\nsteuer\nGrundtarif", kSpalten[1]), 0,
                      1);
    layout->addWidget(
        KopfLabel("stSplittingtarif", "Einkommen-\nsteuer\nSplittingtarif", kSpalten[2]), 0, 2);
    auto* hinweis = new QLabel("Ab 2004 wird die Einkommensteuer ohne Stufen berechnet!", Kopf());
    hinweis->setObjectName("paTabHinweis");
    hinweis->setAlignment(Qt::AlignCenter);
    hinweis->setWordWrap(true);
    m_paTabHinweis = hinweis;
    layout->addWidget(hinweis, 1, 0, 1, 3);
    SetTabellenBreite(kSpalten[0] + kSpalten[1] + kSpalten[2]);
}

void TFoEStTabelle::MenueAufbauen()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu1");
    PopupItem(
        menu, "&Gehe zu ZVE...", Qt::Key_G, [this] { GeheZuZVE(); }, "pmiGeheZu");
    PopupItem(
        menu, "&Schließen", Qt::Key_Escape, [this] { close(); }, "pmiSchliessen");
    SetPopupMenu(menu);
}

void TFoEStTabelle::Oeffnen(std::unique_ptr<TEStTabBase> tarif, const std::string& waehrungStr,
                            double zvE, double kurs)
{
    m_tarif = std::move(tarif);
    const double faktor = m_tarif->DMFaktor();
    // Without a rate the table speaks the tariff's own currency, and says so in its caption.
    m_kurs = kurs > 0 ? kurs : faktor;
    m_waehrungStr = kurs > 0 ? waehrungStr : (faktor == 1.0 ? "Euro" : "DM");
    m_anfang = m_tarif->TabellenAnfang();
    m_schritt = m_tarif->Stufe();
    // Display amounts go to the table as amount / Kurs * DMFaktor, and back the other way.
    SetUmrechnung(faktor, m_kurs);
    setWindowTitle(QString::fromStdString("ESt-Tabelle " + m_tarif->Name() + " " + m_waehrungStr));
    m_paTabHinweis->setVisible(m_tarif->OhneStufen());
    BetragZuZeile(zvE);
}

TFoEStTabelle* TFoEStTabelle::Zeigen(int jahr, const std::string& waehrungStr, double zvE,
                                     double kurs)
{
    // The tariff first: a year it refuses leaves no window behind, not even a notice.
    std::unique_ptr<TEStTabBase> tarif;
    try {
        tarif = CreateEStTab(FactoryJahr(jahr));
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
        return nullptr;
    }
    auto* fenster = new TFoEStTabelle;
    if (!TabelleOeffnen(fenster, [&] {
            fenster->HoeheAnpassen();
            fenster->Oeffnen(std::move(tarif), waehrungStr, zvE, kurs);
        }))
        return nullptr;
    fenster->show();
    // Only a shown window has the real sizes of its parts: the height again, now exact.
    fenster->HoeheAnpassen();
    InArbeitsbereichHalten(*fenster);
    return fenster;
}

void TFoEStTabelle::HoeheAnpassen()
{
    layout()->activate();
    // The minimum the base derived from the sizes before the window was laid out may exceed
    // the table: it is derived again at the next resize.
    setMinimumHeight(0);
    resize(width(), Kopf()->sizeHint().height() + kSichtbareZeilen * std::max(ZeilenHoehe(), 1));
}

TFoEStTabelle* TFoEStTabelle::ZeigenPeriode(int jahr)
{
    return Zeigen(jahr, {}, 0.0, 0.0);
}

void TFoEStTabelle::AlsTabelleDerBerechnung()
{
    SetEStTabelleOeffnen([](int jahr, const std::string& waehrungStr, double zvE, double kurs) {
        Zeigen(jahr, waehrungStr, zvE, kurs);
    });
}

TEStTabellenZeile TFoEStTabelle::Zeile(double betrag) const
{
    return m_tarif ? EStTabellenZeile(*m_tarif, betrag, m_kurs) : TEStTabellenZeile{};
}

void TFoEStTabelle::GeheZuZVE()
{
    // Whole units of the display currency: the table's amounts are not cents.
    TFoDoubleEingabe dialog(this);
    dialog.init();
    dialog.Betrag1()->SetDezimalstellen(0);
    dialog.Betrag1()->SetMaxLength(10);
    dialog.SetWert(Zurueckrechnen(ZeileZuBetrag(ScrollBar1()->value())));
    const QPoint ursprung = PaintBox1()->mapToGlobal(QPoint(0, 0));
    if (dialog.ShowModalBei(ursprung.x() + 20, ursprung.y() + 20) == mrOk) {
        BetragZuZeile(dialog.Wert());
        PaintBox1()->update();
    }
}

void TFoEStTabelle::PaintTable(QPainter& painter, const QRect& bereich)
{
    ZeilenMalen(painter, bereich, kSpalten, [this](int zeile, double betrag) {
        const TEStTabellenZeile werte = Zeile(betrag);
        return TGemalteZeile{
            ZeilenFarbe(zeile),
            {Betrag2(werte.einkommen), Betrag2(werte.grundtarif), Betrag2(werte.splittingtarif)},
            {}};
    });
}
