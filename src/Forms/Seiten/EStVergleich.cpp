#include "Forms/Seiten/EStVergleich.h"

#include "Engine/Einkommensteuer/EStDaten.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "MVCFrame/BooleanValue.h"
#include "Print/EStVergleichDruck.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr TBindung kBindungen[] = {
    {"stJahr", "Jahr"},
    {"stWJAbweichend", "WJAbweichend"},
};
constexpr const char* kCaptions[] = {"Veranlagungszeitraum", "Abweichendes Wirtschaftsjahr"};

constexpr TVergleichsZeile kZeilen[] = {
    {"stGewStMB", "GewStMessbetrag", "Gewerbesteuer-Messbetrag"},
    {"stGewerbesteuer", "Gewerbesteuer", "Gewerbesteuer"},
    {"stGewEink", "GewerblEink", "Gewerbliche Einkünfte"},
    {"stGewinnEink", "GewinnEink", "Gewinneinkünfte"},
    {"stSummeEink", "SummeEink", "Summe der Einkünfte"},
    {"stSonstStErm35", "SonstStErm35", "Andere Ermäßigungen vor §35"},
    {"stZVE", "ZVE", "Zu versteuerndes Einkommen"},
    {"stProgEink", "ProgressEink", "Progressionseinkünfte"},
    {"stErwBez", "Erwerbsbezuege", "Erwerbsbezüge"},
    {"stESt", "Einkommensteuer", "Einkommensteuer", "stBeEntlastESt", TSinn::Belastung},
    {"stProgressESt", "ProgressSteuer", "Steuer nach Progressionssatz", "stBeEntlastProgressESt",
     TSinn::Belastung},
    {"stErm32c", "EB32c", "Entlastung/Ermäßigung (§32c/§35)", "stBeEntlastErm32c",
     TSinn::Entlastung},
    {"stEBGewinnEink", "ErmBGewinnEink", "Entlastung f.Gewinneink. (§32c)",
     "stBeEntlastEBGewinnEink", TSinn::Entlastung},
    {"stZTabMild", "MilderungZTab", "Milderung durch Zusatztabelle", "stBeEntlastZTabMild",
     TSinn::Entlastung},
    {"stSonstSt", "SonstStErm", "Sonstige Steuern/Ermäßigungen", "stBeEntlastSonstSt",
     TSinn::Belastung},
    {"stFestESt", "FestzusetzendeESt", "Festzusetzende Einkommensteuer", "stBeEntlastFestESt",
     TSinn::Belastung},
    {"stSolZ", "SolZ", "Solidaritätszuschlag", "stBeEntlastSolZ", TSinn::Belastung},
};

} // namespace

TFoEStVergleich::TFoEStVergleich(QWidget* parent) : TCustomVergleich(TVergleichArt::ESt, parent)
{
    setObjectName("FoEStVergleich");
    setWindowTitle("Jahresvergleich - ESt");
    Aufbauen();
}

TFoEStVergleich::~TFoEStVergleich() = default;

void TFoEStVergleich::Drucken(int copies)
{
    if (TVergleichBerechnung* b = VergleichBerechnung())
        DruckeEStVergleich(b->VergleichDaten(), copies, Panel()->window()->windowTitle());
}

QStringList TFoEStVergleich::DruckText()
{
    TVergleichBerechnung* b = VergleichBerechnung();
    return b ? EStVergleichAlsText(b->VergleichDaten()) : QStringList();
}

void TFoEStVergleich::Aufbauen()
{
    auto* seite = new QVBoxLayout(Panel());
    seite->setContentsMargins(4, 2, 4, 2);
    seite->setSpacing(4);
    QGridLayout* veranlagung =
        SeitenGitter(*Panel(), *seite, "Veranlagung", {"1. Jahr", "2. Jahr"});
    FallZeilenAufbauen(*veranlagung, kBindungen, kCaptions);
    const int zeile = veranlagung->rowCount();
    veranlagung->addWidget(new QLabel("Tarif:", Panel()), zeile, 0);
    m_stTab1 = Zelle(*veranlagung, "stTab1", zeile, 1);
    m_stTab2 = Zelle(*veranlagung, "stTab2", zeile, 2);
    veranlagung->setColumnStretch(3, 1);

    QGridLayout* steuer =
        SeitenGitter(*Panel(), *seite, "Einkommensteuer", {"1. Jahr", "2. Jahr", "Differenz"});
    ZeilenAufbauen(*steuer, kZeilen);
    steuer->setColumnMinimumWidth(4, 100);
    steuer->setColumnStretch(4, 1);
    KnoepfeAufbauen(*seite, {}, QBoxLayout::LeftToRight);
    seite->addStretch(1);
}

void TFoEStVergleich::BindControls()
{
    FaelleBinden(kBindungen);
}

void TFoEStVergleich::AfterRefresh()
{
    if (!VergleichBerechnung())
        return;
    for (int fall = 1; fall <= 2; ++fall) {
        const auto* est = dynamic_cast<const TEStDaten*>(Fall(fall));
        (fall == 1 ? m_stTab1 : m_stTab2)
            ->setText(est && est->Grundtabelle().GetValue() ? "Grundtabelle" : "Splittingtabelle");
    }
    ZeilenFuellen(kZeilen);
    SeitengroesseAnpassen();
}
