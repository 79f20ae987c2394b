#include "Engine/Einkommensteuer/EStBerechnung.h"

#include "Engine/Einkommensteuer/EStDaten.h"
#include "Engine/Einkommensteuer/EStLib.h"
#include "Engine/Einkommensteuer/EStTab.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Lib/Betrag.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringIniLookup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

namespace {

constexpr double kDMFaktor = 1.95583;

TEStTabelleOeffnen& TabelleOeffnenHook()
{
    static TEStTabelleOeffnen hook;
    return hook;
}

// Whole DM of a display amount, rounded; kept within the tariff's unit limit.
std::int64_t GanzeDM(double betrag, double kurs)
{
    const double dm = Dreisatz(true, 0, betrag, kurs, kDMFaktor);
    if (std::isnan(dm))
        return 0;
    const double grenze = static_cast<double>(TEStTabBase::kMaxEinheiten);
    return static_cast<std::int64_t>(std::clamp(dm, -grenze, grenze));
}

void Freigeben(TValue& value, bool enabled)
{
    value.SetFlag(TValue::vfEnabled, enabled);
}

} // namespace

void SetEStTabelleOeffnen(TEStTabelleOeffnen hook)
{
    TabelleOeffnenHook() = std::move(hook);
}

void TEStBerechnung::init()
{
    TBerechnung::init();
    TEStDaten& daten = EStDaten();
    daten.AddValueOnChange(&daten.ZVE(), [this](TValue&) { ZVEGeaendert(); });
    daten.AddValueOnChange(&daten.Einkommensteuer(), [this](TValue&) { EStGeaendert(); });
    daten.AddValueOnChange(&daten.WaehrungName(), [this](TValue&) { WaehrungGeaendert(); });
}

TDaten* TEStBerechnung::CreateDaten()
{
    return CreateComponent<TEStDaten>(this, Name());
}

TBerechnung* TEStBerechnung::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TEStBerechnung>(owner, name);
}

TEStDaten& TEStBerechnung::EStDaten() const
{
    return dynamic_cast<TEStDaten&>(Daten());
}

void TEStBerechnung::TabelleOeffnen() const
{
    const TEStTabelleOeffnen& hook = TabelleOeffnenHook();
    if (!hook)
        return;
    const TEStDaten& daten = EStDaten();
    hook(daten.Jahr().GetValue(), daten.WaehrungStr() ? daten.WaehrungStr()->GetValue() : "",
         daten.ZVE().GetValue(), daten.Waehrungskurs()->GetValue());
}

void TEStBerechnung::ZVEGeaendert()
{
    TBoolean& eingabe = EStDaten().ZVEEingabe();
    if (!eingabe.GetValue())
        eingabe.SetValue(true);
}

void TEStBerechnung::EStGeaendert()
{
    TBoolean& eingabe = EStDaten().ZVEEingabe();
    if (eingabe.GetValue())
        eingabe.SetValue(false);
}

void TEStBerechnung::WaehrungGeaendert()
{
    TEStDaten& daten = EStDaten();
    const std::unique_ptr<TWaehrung> waehrung = MakeComponent<TWaehrung>(nullptr, std::string());
    waehrung->Laden(daten.WaehrungName().GetValue());
    const double kurs = waehrung->WaehrungDaten().Kurs().GetValue();
    // A currency without a rate would turn every amount into 0 for good: keep them as they are.
    if (kurs <= 0)
        return;
    const bool umrechnen = daten.Umrechnen().GetValue();
    if (umrechnen) {
        const double alterKurs = daten.Waehrungskurs()->GetValue();
        if (daten.ZVEEingabe().GetValue())
            daten.ZVE().Dreisatz(alterKurs, kurs);
        else
            daten.Einkommensteuer().Dreisatz(alterKurs, kurs);
    }
    WaehrungUmrechnen(waehrung->WaehrungDaten().Kuerzel().GetValue(), umrechnen, kurs);
}

void TEStBerechnung::Calculate()
{
    TEStDaten& d = EStDaten();
    const int jahr = d.Jahr().GetValue();
    // Created first: a year without tariff throws before any value changes.
    const std::unique_ptr<TEStTabBase> tarif =
        CreateEStTab(static_cast<std::uint16_t>(std::clamp(jahr, 0, 65535)));
    const bool splitting = !d.Grundtabelle().GetValue();
    const double kurs = d.Waehrungskurs()->GetValue();

    d.Einkommensteuer().Enable();
    d.ProgressSteuer().Enable();
    d.ProgressSatz().Enable();
    Freigeben(d.GewinnEink(), jahr == 2007);
    Freigeben(d.KeineZTab(), jahr >= 1993 && jahr <= 1995);
    Freigeben(d.Erwerbsbezuege(), d.KeineZTab().IsEnabled() && !d.KeineZTab().GetValue());
    Freigeben(d.MilderungZTab(), d.Erwerbsbezuege().IsEnabled());
    Freigeben(d.SolZ(), jahr == 1991 || jahr == 1992 || jahr >= 1995);

    // The tax of the taxable income, or the taxable income for an entered tax.
    if (d.ZVEEingabe().GetValue()) {
        d.Einkommensteuer().SetValue(tarif->Steuer(splitting, d.ZVE().GetValue(), kurs));
        d.FestzusetzendeESt().SetValue(d.Einkommensteuer().GetValue());
    } else {
        d.ZVE().SetValue(tarif->Einkommen(splitting, d.Einkommensteuer().GetValue(), kurs));
        d.FestzusetzendeESt().SetValue(tarif->Steuer(splitting, d.ZVE().GetValue(), kurs));
    }

    if (d.ProgressEink().GetValue() != 0) {
        d.Einkommensteuer().Disable();
        double satz = 0;
        d.ProgressSteuer().SetValue(tarif->ProgressSteuer(splitting, satz, d.ZVE().GetValue(),
                                                          d.ProgressEink().GetValue(), kurs));
        d.ProgressSatz().SetValue(satz);
        d.FestzusetzendeESt().SetValue(d.ProgressSteuer().GetValue());
    } else {
        d.ProgressSteuer().SetValue(0);
        d.ProgressSteuer().Disable();
        d.ProgressSatz().SetValue(0);
        d.ProgressSatz().Disable();
    }

    Freigeben(d.WJAbweichend(), jahr == 2001);
    if (jahr >= 1994) {
        d.EB32c().Enable();
        if (jahr <= 2000 || (jahr == 2001 && d.WJAbweichend().GetValue())) {
            // Relief for commercial income.
            d.GewerblEink().Enable();
            Freigeben(d.SummeEink(), d.GewerblEink().GetValue() != 0);
            d.GewStMessbetrag().Disable();
            d.Gewerbesteuer().Disable();
            d.SonstStErm35().Disable();
            d.EB32c().SetValue(
                Entlastungsbetrag32c(*tarif, jahr, splitting, d.GewerblEink().GetValue(),
                                     d.SummeEink().GetValue(), d.ZVE().GetValue(), kurs));
        } else {
            // Trade-tax credit.
            d.GewStMessbetrag().Enable();
            Freigeben(d.Gewerbesteuer(), jahr >= 2008);
            Freigeben(d.GewerblEink(), d.GewStMessbetrag().GetValue() != 0);
            Freigeben(d.SonstStErm35(), d.GewerblEink().GetValue() != 0);
            Freigeben(d.SummeEink(),
                      d.GewerblEink().GetValue() != 0 || d.GewinnEink().GetValue() != 0);
            d.EB32c().SetValue(Steuerermaessigung35(
                jahr, d.GewStMessbetrag().GetValue(), d.Gewerbesteuer().GetValue(),
                d.GewerblEink().GetValue(), d.SummeEink().GetValue(),
                d.FestzusetzendeESt().GetValue() - d.SonstStErm35().GetValue(), kurs));
        }
    } else {
        d.EB32c().Disable();
        d.SummeEink().Disable();
        d.GewStMessbetrag().Disable();
        d.Gewerbesteuer().Disable();
        d.GewerblEink().Disable();
        d.SonstStErm35().Disable();
    }

    Freigeben(d.ErmBGewinnEink(), d.GewinnEink().IsEnabled());
    d.ErmBGewinnEink().SetValue(EntlastungGewinneinkuenfte(
        splitting, d.GewinnEink().GetValue(), d.SummeEink().GetValue(), d.ZVE().GetValue(), kurs));

    d.FestzusetzendeESt().SetValue(d.FestzusetzendeESt().GetValue() +
                                   (d.SonstStErm().GetValue() - d.EB32c().GetValue()) -
                                   d.ErmBGewinnEink().GetValue());

    if (d.KeineZTab().IsEnabled() && !d.KeineZTab().GetValue()) {
        // The additional table works in whole DM on the income plus tax-free earned income.
        const double erwerbsbezuege = std::max(d.Erwerbsbezuege().GetValue(), 0.0);
        const std::int64_t einkommen = GanzeDM(d.ZVE().GetValue() + erwerbsbezuege, kurs);
        const std::int64_t steuer = GanzeDM(d.FestzusetzendeESt().GetValue(), kurs);
        const std::int64_t gemildert = ZusatztabelleSteuer(jahr, steuer, einkommen, splitting);
        const double neu = Dreisatz(true, 2, static_cast<double>(gemildert), kDMFaktor, kurs);
        d.MilderungZTab().SetValue(d.FestzusetzendeESt().GetValue() - neu);
        d.FestzusetzendeESt().SetValue(neu);
    } else {
        d.MilderungZTab().SetValue(0);
    }

    d.SolZ().SetValue(SolZBerechnen(jahr, splitting, d.FestzusetzendeESt().GetValue(), kurs));
}
