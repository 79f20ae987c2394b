#include "LohnFall.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Lib/Betrag.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/ZahlText.h"

#include <charconv>
#include <memory>
#include <vector>

namespace {

// The results in the order of the page: pay, taxes, contributions, chamber, child benefit, net.
constexpr const char* kErgebnisse[] = {
    "Entgelt",       "Lohnsteuer",   "Kirchensteuer", "Solidaritaetszuschlag",
    "PauschLStAN",   "PauschKiStAN", "PauschSolZAN",  "SB_LSt",
    "SB_BK",         "SB_SolZ",      "KVBeitrag",     "KVZBBeitrag",
    "PVBeitrag",     "PVKLBeitrag",  "RVBeitrag",     "AVBeitrag",
    "Kammerbeitrag", "Kindergeld",   "Nettoentgelt",
};

struct TArbeitgeberZweig {
    const char* name;
    TLohnBerechnung::TZweig zweig;
    const char* arbeitnehmer; // the employee's value of the branch
};
constexpr TArbeitgeberZweig kArbeitgeber[] = {
    {"AG_KV", TLohnBerechnung::TZweig::kKV, "KVBeitrag"},
    {"AG_KVZ", TLohnBerechnung::TZweig::kKVZ, "KVZBBeitrag"},
    {"AG_PV", TLohnBerechnung::TZweig::kPV, "PVBeitrag"},
    {"AG_RV", TLohnBerechnung::TZweig::kRV, "RVBeitrag"},
    {"AG_AV", TLohnBerechnung::TZweig::kAV, "AVBeitrag"},
};

constexpr std::string_view kJahresPraefix = "Jahresbetraege.";
constexpr std::string_view kBezugPraefix = "Bezug";

std::vector<std::string_view> Paare(std::string_view zeile)
{
    std::vector<std::string_view> paare;
    std::size_t pos = 0;
    while (pos < zeile.size()) {
        const auto trenner = [&](std::size_t i) {
            return zeile[i] == ' ' || zeile[i] == '\t' || zeile[i] == '\r';
        };
        while (pos < zeile.size() && trenner(pos))
            ++pos;
        std::size_t ende = pos;
        while (ende < zeile.size() && !trenner(ende))
            ++ende;
        if (ende > pos)
            paare.push_back(zeile.substr(pos, ende - pos));
        pos = ende;
    }
    return paare;
}

// "BezugN.NAME": a value of the Nth pay component of the itemised list, which grows to N
// components (each new one as the list dialog creates it).
TValue* BezugsWert(const TLohnDaten& d, std::string_view name)
{
    const std::size_t punkt = name.find('.');
    int nummer = 0;
    const char* anfang = name.data() + kBezugPraefix.size();
    const auto [rest, fehler] = std::from_chars(anfang, name.data() + punkt, nummer);
    if (fehler != std::errc() || rest != name.data() + punkt || nummer < 1 || nummer > 20)
        return nullptr;
    TDetailEntgelte& liste = d.DetailEntgelte();
    while (liste.Count() < nummer) {
        auto neu = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        liste.Hinzufuegen(neu->DetailEntgeltDaten());
    }
    return liste.DetailEntgeltDaten(nummer - 1).FindValue(std::string(name.substr(punkt + 1)));
}

TValue* WertNamens(const TLohnDaten& d, std::string_view name)
{
    if (name.substr(0, kBezugPraefix.size()) == kBezugPraefix &&
        name.find('.') != std::string_view::npos)
        return BezugsWert(d, name);
    if (name.substr(0, kJahresPraefix.size()) == kJahresPraefix)
        return d.Jahresbetraege().FindValue(std::string(name.substr(kJahresPraefix.size())));
    return d.FindValue(std::string(name));
}

// Sets the stored text as loading the settings file does. A refused text leaves the value's
// content and says so: the value is marked undetermined beforehand, and only a stored text
// clears that mark.
bool Setzen(TValue& wert, std::string_view text)
{
    if (auto* schalter = dynamic_cast<TBoolean*>(&wert)) {
        std::int32_t zahl = 0;
        if (!GanzzahlLesen(text, zahl) || (zahl != 0 && zahl != 1))
            return false;
        schalter->SetValue(zahl == 1);
        return true;
    }
    wert.SetFlag(TValue::vfUndetermined, true);
    wert.SetAsString(text);
    const bool gespeichert = !wert.IsUndetermined();
    wert.SetFlag(TValue::vfUndetermined, false);
    return gespeichert;
}

std::string Fehler(std::string_view was, std::string_view paar)
{
    return "ERROR " + std::string(was) + ": " + std::string(paar);
}

// The value that holds the given amount of the statement: with itemised pay the amount of the
// first component.
TDouble& Gegeben(const TLohnDaten& d)
{
    if (d.DetailEntgelt->GetValue() && d.DetailEntgelte().Count() > 0)
        return d.DetailEntgelte().DetailEntgeltDaten(0).Betrag();
    switch (d.Ausgangswert->GetValue()) {
    case TLohnDaten::kAusLohnsteuer:
        return *d.Lohnsteuer;
    case TLohnDaten::kAusNetto:
        return *d.Nettoentgelt;
    default:
        return *d.Entgelt;
    }
}

TLohnFallAntwort Berechnen(int jahr, int monat, std::string_view eingabe, bool nachAenderung)
{
    auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    TLohnDaten& d = lohn->LohnDatenOf();
    d.Jahr->SetValue(jahr);
    d.Monat->SetValue(monat);
    if (d.Jahr->GetValue() != jahr || d.Monat->GetValue() != monat)
        return {false, "ERROR year or month out of range"};

    for (const std::string_view paar : Paare(eingabe)) {
        const std::size_t gleich = paar.find('=');
        if (gleich == std::string_view::npos || gleich == 0)
            return {false, Fehler("not a NAME=value pair", paar)};
        TValue* wert = WertNamens(d, paar.substr(0, gleich));
        if (wert == nullptr)
            return {false, Fehler("unknown name", paar)};
        // Results and computed values are not inputs: the statement would overwrite them.
        if (wert->IsReadOnly() || wert->HasFlag(TValue::vfComputed))
            return {false, Fehler("not an input", paar)};
        if (!Setzen(*wert, paar.substr(gleich + 1)))
            return {false, Fehler("value refused", paar)};
    }
    const double gegeben = Gegeben(d).GetStoredValue();
    d.SetModified(true);
    lohn->Recalculate();
    if (nachAenderung) {
        Gegeben(d).SetValue(gegeben + 0.01);
        Gegeben(d).SetValue(gegeben);
    }

    std::string zeile;
    for (const char* name : kErgebnisse) {
        if (!zeile.empty())
            zeile += ' ';
        zeile += std::string(name) + '=' + d.FindValue(name)->GetAsString();
    }
    for (const TArbeitgeberZweig& z : kArbeitgeber) {
        const bool offen = d.FindValue(z.arbeitnehmer)->IsUndetermined();
        zeile += ' ' + std::string(z.name) + '=' +
                 (offen ? "???" : FloatToBetragStr(2, lohn->ArbeitgeberAnteil(z.zweig) * 0.01));
    }
    // The gross of each itemised component, as the list shows it.
    const TDetailEntgelte& liste = d.DetailEntgelte();
    for (int i = 0; i < liste.Count(); ++i)
        zeile += " Bezug" + std::to_string(i + 1) +
                 ".Brutto=" + liste.DetailEntgeltDaten(i).Brutto().GetAsString();
    return {true, zeile};
}

} // namespace

TLohnFallAntwort BerechneLohnFall(int jahr, int monat, std::string_view eingabe)
{
    return Berechnen(jahr, monat, eingabe, false);
}

TLohnFallAntwort BerechneLohnFallNachAenderung(int jahr, int monat, std::string_view eingabe)
{
    return Berechnen(jahr, monat, eingabe, true);
}
