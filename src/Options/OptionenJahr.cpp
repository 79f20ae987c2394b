#include "Options/OptionenJahr.h"

#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "MVCFrame/StringValue.h"
#include "Options/OptionenVorgaben.h"

#include <cstdio>
#include <string_view>

namespace {

std::string AbDatumCaption(int tag, int monat)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.", tag, monat);
    return text;
}

TStrings AbDatumCaptions()
{
    TStrings captions;
    for (int monat = 1; monat <= 12; ++monat)
        captions.push_back(AbDatumCaption(1, monat));
    return captions;
}

// "1.7." as earlier versions stored it reads as "01.07."; anything else stays as it is.
std::string AbDatumNormal(std::string_view text)
{
    int tag = 0;
    int monat = 0;
    char rest = 0;
    const std::string t(text);
    if (std::sscanf(t.c_str(), "%2d.%2d.%c", &tag, &monat, &rest) == 2 && t.back() == '.' &&
        t.find_first_not_of("0123456789.") == std::string::npos)
        return AbDatumCaption(tag, monat);
    return t;
}

const char* KindergeldName(int kind)
{
    switch (kind) {
    case 1:
        return "1_Ki";
    case 2:
        return "2_Ki";
    case 3:
        return "3_Ki";
    case 4:
        return "4_Ki";
    default:
        return "Weitere";
    }
}

} // namespace

TOptionenDaten::TOptionenDaten(TComponent* owner, const std::string& name, int jahr)
    : TDaten(owner, name), m_jahr(jahr)
{
}

template <class TWert>
void TOptionenDaten::CreateVorgaben(std::span<const TOptionenVorgabe> vorgaben, const char* suffix)
{
    for (const TOptionenVorgabe& vorgabe : vorgaben)
        new TWert(this, std::string(vorgabe.name) + suffix, 0, 0.0, VorgabeMaximum(vorgabe),
                  VorgabeWert(vorgabe, m_jahr), vorgabe.dezimalen);
}

double TOptionenDaten::Zahl(const std::string& name) const
{
    auto* wert = dynamic_cast<TDouble*>(FindValue(name));
    VT_ASSERT(wert != nullptr, "Unbekannter Optionswert");
    return wert->GetStoredValue();
}

TAbDatum::TAbDatum(TDaten* daten, std::string name)
    : TIntegerLookup(daten, std::move(name), 0, AbDatumCaptions(), 1, 1)
{
}

void TAbDatum::SetAsString(std::string_view text)
{
    TIntegerLookup::SetAsString(AbDatumNormal(text));
}

int TOptionenAbDaten::AbMonat() const
{
    const auto* abDatum = dynamic_cast<TAbDatum*>(FindValue("AbDatum"));
    VT_ASSERT(abDatum != nullptr, "AbDatum fehlt");
    return abDatum->GetValue();
}

void TOptionenAbDaten::AbWerteFreigeben()
{
    const bool freigeben = AbMonat() > 1;
    ForEachValue([freigeben](TValue& wert) {
        if (dynamic_cast<TDoubleKindergeldAb*>(&wert) != nullptr ||
            dynamic_cast<TDoubleBeitragssatzAb*>(&wert) != nullptr)
            wert.SetFlag(TValue::vfEnabled, freigeben);
    });
}

std::string TOptionenAbDaten::NameImMonat(const std::string& name, int monat) const
{
    const int ab = AbMonat();
    return ab > 1 && monat >= ab ? name + "Ab" : name;
}

void TOptionenKindergeldDaten::CreateValues()
{
    CreateWaehrung();
    CreateVorgaben<TDoubleMinMax>(KindergeldVorgaben(), "");
    new TAbDatum(this, "AbDatum");
    CreateVorgaben<TDoubleKindergeldAb>(KindergeldVorgaben(), "Ab");
}

double TOptionenKindergeldDaten::GetKindergeld(int monat, int kind) const
{
    return Zahl(NameImMonat(KindergeldName(kind), monat));
}

void TOptionenBBGDaten::CreateValues()
{
    CreateWaehrung();
    CreateVorgaben<TDoubleMinMax>(BBGVorgaben(), "");
}

double TOptionenBBGDaten::GetBBGRV(bool ost, bool knappschaft) const
{
    if (knappschaft)
        return Zahl(ost ? "BBG_RVKn_O" : "BBG_RVKn_W");
    return Zahl(ost ? "BBG_RV_O" : "BBG_RV_W");
}

void TOptionenBeitragssaetzeDaten::CreateValues()
{
    CreateVorgaben<TDoubleMinMax>(BeitragssatzVorgaben(), "");
    new TAbDatum(this, "AbDatum");
    CreateVorgaben<TDoubleBeitragssatzAb>(BeitragssatzVorgaben(), "Ab");
}

double TOptionenBeitragssaetzeDaten::GetSatz(int monat, int index) const
{
    return Zahl(
        NameImMonat(BeitragssatzName(index, "TOptionenBeitragssaetzeDaten.GetSatz"), monat));
}

void TOptionenGleitzoneDaten::CreateValues()
{
    CreateVorgaben<TDoubleMinMax>(GleitzoneVorgaben(), "");
    new TDouble(this, "Faktor", cfReadOnly | cfComputed, 0.0, 4);
}

void TOptionenGleitzone::Calculate()
{
    // The flat rates of marginal employment since October 2022, 15 + 13 percent, over the
    // total rate.
    const double gesamt = JahrDaten().GesamtSVSatz();
    auto& faktor = static_cast<TDouble&>(*JahrDaten().FindValue("Faktor"));
    faktor.SetValue(gesamt == 0.0 ? 0.0 : Runden(28.0 / gesamt * 10000.0) * 0.0001);
}

void TOptionenKammernDaten::CreateValues()
{
    CreateWaehrung();
    CreateVorgaben<TDoubleMinMax>(KammernVorgaben(), "");
}

void TOptionenKammernAllgDaten::CreateValues()
{
    new TString(this, "BezeichnungBr", 0, "Arbeitnehmerkammer Bremen");
    new TString(this, "BezeichnungSL", 0, "Arbeitskammer Saarland");
}

std::string TOptionenKammernAllgDaten::BezeichnungBr() const
{
    return FindValue("BezeichnungBr")->GetAsString();
}

std::string TOptionenKammernAllgDaten::BezeichnungSL() const
{
    return FindValue("BezeichnungSL")->GetAsString();
}

TDaten* TOptionenKammernAllg::CreateDaten()
{
    return CreateComponent<TOptionenKammernAllgDaten>(this, Name());
}

TBerechnung* TOptionenKammernAllg::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TOptionenKammernAllg>(owner, name);
}
