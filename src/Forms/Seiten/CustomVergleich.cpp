#include "Forms/Seiten/CustomVergleich.h"

#include "Engine/Vergleich/VerglBrg.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Gui/MVCEdit.h"
#include "Lib/Betrag.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

namespace {

// Below half a cent an amount is no amount (the printed texts round the same way).
constexpr double kKeinBetrag = 0.004999999;

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

double Betrag(const TDaten& daten, const char* wert)
{
    const auto* zahl = dynamic_cast<const TDouble*>(daten.FindValue(wert));
    return zahl ? zahl->GetValue() : 0.0;
}

QString WaehrungsText(const TDaten& daten)
{
    const TValue* waehrung = daten.FindValue("WaehrungStr");
    return waehrung ? Text(waehrung->GetAsString()).trimmed() : QString();
}

} // namespace

QString BetragZeilenText(double betrag, const QString& waehrung)
{
    if (!(std::fabs(betrag) > kKeinBetrag))
        return {};
    return Text(FloatToBetragStr(2, betrag)) + " " + waehrung;
}

TDifferenzText DifferenzZeilenText(double differenz, TSinn sinn, const QString& waehrung)
{
    const std::string text = FloatToBetragStr(2, std::fabs(differenz));
    if (text == FloatToBetragStr(2, 0.0))
        return {};
    const double last = sinn == TSinn::Entlastung ? -differenz : differenz;
    if (last > 0)
        return {Text(text) + " " + waehrung, "Mehrbelastung", QColor(255, 0, 0)};
    return {Text(text) + " " + waehrung, "Entlastung", QColor(0, 128, 0)};
}

TCustomVergleich::TCustomVergleich(TVergleichArt art, QWidget* parent)
    : TMainPageForm(parent), m_art(art)
{
}

TCustomVergleich::~TCustomVergleich() = default;

TVergleichBerechnung* TCustomVergleich::VergleichBerechnung() const
{
    return dynamic_cast<TVergleichBerechnung*>(Berechnung());
}

TDaten* TCustomVergleich::Fall(int fall) const
{
    TVergleichBerechnung* vergleich = VergleichBerechnung();
    if (!vergleich)
        return nullptr;
    switch (fall) {
    case 1:
        return &vergleich->Daten1().Daten();
    case 2:
        return &vergleich->Daten2().Daten();
    default:
        return &vergleich->DatenDiff().Daten();
    }
}

void TCustomVergleich::FaelleBinden(std::span<const TBindung> bindungen)
{
    if (!VergleichBerechnung())
        return;
    // The names live until the binding is done (a deque never moves them): controls keep the
    // value, not its name.
    std::deque<std::string> namen;
    std::vector<TBindung> tabelle;
    tabelle.reserve(bindungen.size() * 2);
    for (int fall = 1; fall <= 2; ++fall) {
        const std::string kind = Fall(fall) ? Fall(fall)->Name() : std::string();
        for (const TBindung& b : bindungen) {
            namen.push_back(b.control + std::to_string(fall));
            const char* control = namen.back().c_str();
            namen.push_back(kind + "." + b.wert);
            tabelle.push_back({control, namen.back().c_str()});
        }
    }
    Binden(tabelle);
}

void TCustomVergleich::ZeilenFuellen(std::span<const TVergleichsZeile> zeilen)
{
    for (int fall = 1; fall <= 3; ++fall) {
        const TDaten* daten = Fall(fall);
        if (!daten)
            return;
        // The difference is held in case 2's currency.
        const QString waehrung = WaehrungsText(*Fall(fall == 1 ? 1 : 2));
        for (const TVergleichsZeile& zeile : zeilen) {
            const double betrag = Betrag(*daten, zeile.wert);
            auto* label = Control<QLabel>((zeile.label + std::to_string(fall)).c_str());
            if (fall < 3 || !zeile.urteil) {
                label->setText(BetragZeilenText(betrag, waehrung));
                continue;
            }
            const TDifferenzText text = DifferenzZeilenText(betrag, zeile.sinn, waehrung);
            label->setText(text.betrag);
            auto* urteil = Control<QLabel>(zeile.urteil);
            urteil->setText(text.urteil);
            urteil->setStyleSheet(text.urteil.isEmpty() ? QString()
                                                        : "color: " + text.farbe.name());
        }
    }
}

QLabel* TCustomVergleich::Zelle(QGridLayout& gitter, const QString& name, int zeile, int spalte)
{
    auto* label = new QLabel(Panel());
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(110);
    gitter.addWidget(label, zeile, spalte);
    return label;
}

void TCustomVergleich::SeitengroesseAnpassen()
{
    Panel()->layout()->activate();
    const QSize groesse = Panel()->layout()->sizeHint();
    Panel()->SetFitHeight(groesse.height());
    Panel()->SetFitWidth(groesse.width());
}

void TCustomVergleich::ZeilenAufbauen(QGridLayout& gitter, std::span<const TVergleichsZeile> zeilen)
{
    for (const TVergleichsZeile& z : zeilen) {
        const int zeile = gitter.rowCount();
        gitter.addWidget(new QLabel(QString(z.caption) + ":", Panel()), zeile, 0);
        for (int fall = 1; fall <= 3; ++fall)
            Zelle(gitter, z.label + QString::number(fall), zeile, fall);
        if (z.urteil)
            Zelle(gitter, z.urteil, zeile, 4)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TCustomVergleich::FallZeilenAufbauen(QGridLayout& gitter, std::span<const TBindung> bindungen,
                                          std::span<const char* const> captions)
{
    for (std::size_t i = 0; i < bindungen.size(); ++i) {
        const int zeile = gitter.rowCount();
        gitter.addWidget(new QLabel(QString(captions[i]) + ":", Panel()), zeile, 0);
        for (int fall = 1; fall <= 2; ++fall) {
            auto* label = new TMVCLabel(this, Panel());
            label->setObjectName(bindungen[i].control + QString::number(fall));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            gitter.addWidget(label, zeile, fall);
        }
    }
}

QPushButton* TCustomVergleich::Knopf(const char* name, const QString& text)
{
    auto* knopf = new QPushButton(text, Panel());
    knopf->setObjectName(name);
    return knopf;
}

void TCustomVergleich::KnoepfeAufbauen(QBoxLayout& ziel, std::initializer_list<QPushButton*> vorne,
                                       QBoxLayout::Direction richtung)
{
    QPushButton* neu = Knopf("bnNeu", "&Neu");
    neu->setToolTip("Neuen Jahresvergleich beginnen");
    connect(neu, &QPushButton::clicked, this, &TCustomVergleich::bnNeuClick);
    QPushButton* aendern = Knopf("bnAendern", "&Ändern");
    aendern->setToolTip("Das zweite Jahr ändern");
    connect(aendern, &QPushButton::clicked, this, &TCustomVergleich::bnAendernClick);
    auto* reihe = new QBoxLayout(richtung);
    reihe->setContentsMargins(4, 2, 4, 2);
    for (QPushButton* knopf : vorne)
        reihe->addWidget(knopf);
    reihe->addStretch(1);
    reihe->addWidget(neu);
    reihe->addWidget(aendern);
    ziel.addLayout(reihe);
}

void TCustomVergleich::bnNeuClick()
{
    PostVergleichNachricht(TVergleichBefehl::Neu, m_art);
}

void TCustomVergleich::bnAendernClick()
{
    PostVergleichNachricht(TVergleichBefehl::Aendern, m_art);
}

