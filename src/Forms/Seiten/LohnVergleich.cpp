#include "Forms/Seiten/LohnVergleich.h"

#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Forms/Dialoge/AbrgDruck.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Lib/Betrag.h"
#include "Print/LohnVergleichDruck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr TBindung kBindungen[] = {
    {"stJahr", "Jahrliste"},
    {"stLZZ", "Zeitraum"},
    {"stFaktor", "Faktor"},
    {"stKinder", "Kinder"},
    {"stGeburtsdatum", "Geburtsdatum"},
    {"stKRV", "MerkerVSP"},
    {"stKeineVSP", "KeineVSP"},
    {"stAGZuschussPrivatKV", "AGZuschussPrivatKV"},
    {"stPrivatKPVBeitrag", "PrivatKPVBeitrag"},
    {"stPrivatKPVAGZuschuss", "PrivatKPVAGZuschuss"},
    {"stVersorgungsbeginn", "Versorgungsbeginn"},
    {"stMonate", "MonateVersBez"},
    {"stVersBezBemGrdlMonat", "VersBezBemGrdlMonat"},
    {"stSonderzahlungen", "Sonderzahlungen"},
    {"stKasse", "KasseName"},
    {"stTabBeitrag", "TabellenBeitrag"},
    {"stKeineBBG", "KeineBBG"},
    {"stKnappschaftBBG", "KnappschaftBBG"},
    {"stPVSachsen", "PVSachsen"},
    {"stKinderlos", "Kinderlos"},
    {"stKinderPV", "KinderPV"},
    {"stBGS", "BGS"},
    {"stGleitzone", "Gleitzone"},
    {"stNeueGleitzonenFormel", "NeueGleitzonenFormel"},
    {"stKeineRVMinderung", "KeineRVMinderung"},
    {"stAndereAE", "AndereAE"},
    {"stKammerbezeichnung", "Kammerbezeichnung"},
};

constexpr const char* kCaptions[] = {
    "Jahr",
    "Abrechnungszeitraum",
    "Faktor",
    "Kinder",
    "Geburtsdatum",
    "Rentenversicherung",
    "Keine Vorsorgepauschale",
    "AG-Zuschuss private KV",
    "Beitrag private KV/PV",
    "AG-Zuschuss private KV/PV",
    "Versorgungsbeginn",
    "Monate Versorgung",
    "Bezug 1. voller Monat",
    "Sonderzahlungen",
    "Krankenkasse",
    "Tabellenbeitrag",
    "Keine BBG",
    "BBG Knappschaft",
    "PV Sachsen",
    "Kinderlos",
    "Kinder (PV)",
    "Beitragsgruppe",
    "Übergangsbereich",
    "Neue Formel Übergangsber.",
    "Keine RV-Minderung",
    "Andere Abzüge/Erstatt.",
    "Kammer",
};
static_assert(std::size(kCaptions) == std::size(kBindungen));

// The inputs shown as two values together, each case: label, first and second value.
struct TKombi {
    const char* label;
    const char* caption;
    const char* erster;
    const char* zweiter;
};
constexpr TKombi kKombis[] = {
    {"stStSVTage", "Steuer-/SV-Tage", "Steuertage", "SVTage"},
    {"stStKl_KiFB", "StKl / Kinderfreibeträge", "Steuerklasse", "Kinderfreibetraege"},
    {"stOstBBG", "BBG Ost KV / RV", "OstBBGKV", "OstBBGRV"},
};

constexpr TVergleichsZeile kZeilen[] = {
    {"stEntgelt", "Entgelt", "Entgelt"},
    {"stVersBez", "Versorgungsbezuege", "Versorgungsbezüge"},
    {"stLStK_FB", "Freibetrag", "Freibetrag"},
    {"stLStK_HB", "Hinzurechnungsbetrag", "Hinzurechnungsbetrag"},
    {"stVorteile_19a_1_4", "Vorteile_19a_1_4", "Vorteile § 19a"},
    {"stLSt", "Lohnsteuer", "Lohnsteuer", "stLSt4", TSinn::Belastung},
    {"stKiSt", "Kirchensteuer", "Kirchensteuer", "stKiSt4", TSinn::Belastung},
    {"stSolZ", "Solidaritaetszuschlag", "Solidaritätszuschlag", "stSolZ4", TSinn::Belastung},
    {"stKVBeitrag", "KVBeitrag", "Krankenversicherung", "stKVBeitrag4", TSinn::Belastung},
    {"stPVBeitrag", "PVBeitrag", "Pflegeversicherung", "stPVBeitrag4", TSinn::Belastung},
    {"stKVZBBeitrag", "KVZBBeitrag", "KV-Zusatzbeitrag", "stKVZBBeitrag4", TSinn::Belastung},
    {"stPVKLBeitrag", "PVKLBeitrag", "PV-Zuschlag Kinderlose", "stPVKLBeitrag4", TSinn::Belastung},
    {"stRVBeitrag", "RVBeitrag", "Rentenversicherung", "stRVBeitrag4", TSinn::Belastung},
    {"stAVBeitrag", "AVBeitrag", "Arbeitslosenversicherung", "stAVBeitrag4", TSinn::Belastung},
    {"stKammerbeitrag", "Kammerbeitrag", "Kammerbeitrag", "stKammerbeitrag4", TSinn::Belastung},
    {"stNettoabzug", "NettoAbz", "Nettoabzug", "stNettoabzug4", TSinn::Belastung},
    {"stKindergeld", "Kindergeld", "Kindergeld", "stKindergeld4", TSinn::Entlastung},
    {"stNetto", "Nettoentgelt", "Nettoentgelt", "stNetto4", TSinn::Entlastung},
};

} // namespace

TFoLohnVergleich::TFoLohnVergleich(QWidget* parent) : TCustomVergleich(TVergleichArt::Lohn, parent)
{
    setObjectName("FoLohnVergleich");
    setWindowTitle("Jahresvergleich - Lohn");
    Aufbauen();
}

TFoLohnVergleich::~TFoLohnVergleich() = default;

void TFoLohnVergleich::Drucken(int copies)
{
    TVergleichBerechnung* b = VergleichBerechnung();
    auto* fall2 = dynamic_cast<TLohnDaten*>(Fall(2));
    if (b && fall2 &&
        TFoAbrgDruck::Ausfuehren("Druck " + windowTitle(), *fall2->Arbeitnehmer, false,
                                 *fall2->AbrgZeitraum))
        DruckeLohnVergleich(b->VergleichDaten(), copies, m_details,
                            Panel()->window()->windowTitle());
}

QStringList TFoLohnVergleich::DruckText()
{
    TVergleichBerechnung* b = VergleichBerechnung();
    return b ? LohnVergleichAlsText(b->VergleichDaten(), m_details) : QStringList();
}

std::span<const TBindung> TFoLohnVergleich::Bindungen()
{
    return kBindungen;
}

void TFoLohnVergleich::Aufbauen()
{
    auto* seite = new QVBoxLayout(Panel());
    seite->setContentsMargins(4, 2, 4, 2);
    seite->setSpacing(4);
    // The inputs in three columns side by side, so that the page with details fits the screen.
    m_paDetail = new QWidget(Panel());
    m_paDetail->setObjectName("paDetail");
    auto* drittel = new QHBoxLayout(m_paDetail);
    drittel->setContentsMargins(0, 0, 0, 0);
    seite->addWidget(m_paDetail);
    constexpr std::size_t kJeSpalte = 10;
    const std::span<const TBindung> bindungen(kBindungen);
    const std::span<const char* const> captions(kCaptions);
    QGridLayout* detail = nullptr;
    for (std::size_t von = 0; von < bindungen.size(); von += kJeSpalte) {
        auto* spalte = new QVBoxLayout;
        drittel->addLayout(spalte, 1);
        detail = SeitenGitter(*Panel(), *spalte, "Eingaben", {"1. Jahr", "2. Jahr"});
        const std::size_t anzahl = std::min(kJeSpalte, bindungen.size() - von);
        FallZeilenAufbauen(*detail, bindungen.subspan(von, anzahl), captions.subspan(von, anzahl));
        spalte->addStretch(1);
    }
    for (const TKombi& kombi : kKombis) {
        const int zeile = detail->rowCount();
        detail->addWidget(new QLabel(QString(kombi.caption) + ":", Panel()), zeile, 0);
        for (int fall = 1; fall <= 2; ++fall)
            Zelle(*detail, kombi.label + QString::number(fall), zeile, fall);
    }

    // The buttons stand beside the amounts, so that the page with details stays short enough
    // for the window it opens in.
    auto* unten = new QHBoxLayout;
    seite->addLayout(unten);
    auto* betraege = new QVBoxLayout;
    unten->addLayout(betraege, 1);
    QGridLayout* entgelt =
        SeitenGitter(*Panel(), *betraege, "Entgelt", {"1. Jahr", "2. Jahr", "Differenz"});
    m_paEntgelt = entgelt->parentWidget();
    m_paEntgelt->setObjectName("paEntgelt");
    ZeilenAufbauen(*entgelt, kZeilen);
    entgelt->setColumnMinimumWidth(4, 100);
    entgelt->setColumnStretch(4, 1);

    m_bnDetail = Knopf("bnDetail", "Deta&ils ein");
    connect(m_bnDetail, &QPushButton::clicked, this, &TFoLohnVergleich::bnDetailClick);
    KnoepfeAufbauen(*unten, {m_bnDetail}, QBoxLayout::TopToBottom);
    seite->addStretch(1);
    DetailsZeigen();
}

void TFoLohnVergleich::bnDetailClick()
{
    m_details = !m_details;
    DetailsZeigen();
}

void TFoLohnVergleich::DetailsZeigen()
{
    m_paDetail->setVisible(m_details);
    m_bnDetail->setText(m_details ? "Deta&ils aus" : "Deta&ils ein");
    SeitengroesseAnpassen();
}


void TFoLohnVergleich::BindControls()
{
    FaelleBinden(kBindungen);
}

void TFoLohnVergleich::AfterRefresh()
{
    if (!VergleichBerechnung())
        return;
    for (int fall = 1; fall <= 2; ++fall)
        KombiFuellen(fall);
    ZeilenFuellen(kZeilen);
    for (int fall = 1; fall <= 2; ++fall) {
        // Child benefit that is not paid with the net pay is shown in parentheses.
        const auto* lohn = dynamic_cast<const TLohnDaten*>(Fall(fall));
        auto* label = Control<QLabel>(("stKindergeld" + std::to_string(fall)).c_str());
        if (lohn && std::round(lohn->KindergeldImNetto() * 100) == 0 && !label->text().isEmpty())
            label->setText("(" + label->text() + ")");
    }
    SeitengroesseAnpassen();
}

void TFoLohnVergleich::KombiFuellen(int fall)
{
    const TDaten* daten = Fall(fall);
    for (const TKombi& kombi : kKombis) {
        const auto text = [daten](const char* wert) {
            const TValue* v = daten->FindValue(wert);
            return v ? QString::fromStdString(v->GetAsString()).trimmed() : QString();
        };
        const QString erster = text(kombi.erster);
        const QString zweiter = text(kombi.zweiter);
        // A disabled value reads as a blank: two of them are no entry at all.
        Control<QLabel>((kombi.label + std::to_string(fall)).c_str())
            ->setText(erster.isEmpty() && zweiter.isEmpty() ? QString() : erster + " / " + zweiter);
    }
}
