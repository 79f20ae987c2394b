#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Lib/Betrag.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/JahrListe.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringValue.h"
#include "Options/OptionenVtrl.h"
#include "Options/Verzeichnisse.h"

#include <cctype>
#include <charconv>

namespace {

constexpr TValueCreateFlags kErgebnis = cfReadOnly | cfComputed;

// The rule periods up to 2025: a new year, or a month within a year in which the limits, the
// flat rates or the transition zone changed.
constexpr struct {
    int jahr;
    int monat;
} kRegelzeitraeume[] = {
    {1999, 1},  {1999, 4}, {2000, 1}, {2001, 1}, {2002, 1},  {2003, 1},  {2003, 4},  {2004, 1},
    {2005, 1},  {2006, 1}, {2006, 7}, {2007, 1}, {2008, 1},  {2009, 1},  {2010, 1},  {2011, 1},
    {2011, 12}, {2012, 1}, {2013, 1}, {2014, 1}, {2015, 1},  {2015, 12}, {2016, 1},  {2017, 1},
    {2018, 1},  {2019, 1}, {2020, 1}, {2021, 1}, {2022, 1},  {2022, 6},  {2022, 10}, {2023, 1},
    {2023, 4},  {2023, 7}, {2024, 1}, {2024, 4}, {2024, 12}, {2025, 1},  {2025, 3},
};

std::string OhneFuehrendeLeerzeichen(const std::string& text)
{
    const auto start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

// A whole number made only of digits, in `minimum`..`maximum`.
bool LiesZahl(std::string_view text, int minimum, int maximum, int& zahl)
{
    if (text.empty())
        return false;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl);
    return fehler == std::errc() && ende == text.data() + text.size() && zahl >= minimum &&
           zahl <= maximum;
}

void Freigeben(TValue& wert, bool an)
{
    wert.SetFlag(TValue::vfEnabled, an);
}

std::string Prozent(double satz)
{
    return FloatToBetragStr(1, satz) + "%";
}

} // namespace

std::string GeringfuegigkeitsgrenzeText(int jahr, int monat)
{
    return FloatToBetragStr(0, GeringfuegigkeitsgrenzeMonat(jahr, monat)) + "-" +
           WaehrungDesJahres(jahr);
}

void TGeringfuegigDaten::CreateValues()
{
    m_waehrungName = new TWaehrungStringIniLookup(
        this, "WaehrungName", 0, "Euro", "WAEHRUNG.INI",
        VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetValue(), "Waehrungen");
    CreateWaehrung();
    new TString(this, "AbrgZeitraum");
    m_abzuegeAN = new TBoolean(this, "AbzuegeAN");
    new TString(this, "Arbeitnehmer");
    m_ausgangswert = new TIntegerLookup(this, "Ausgangswert", 0, {"Entgelt", "Nettoentgelt"});
    m_entgelt = new TDoubleBetrag(this, "Entgelt");
    m_entgeltAG = new TDouble(this, "EntgeltAG", kErgebnis);
    m_freibetrag = new TDouble(this, "Freibetrag");
    m_geburtsdatum = new TDateValue(this, "Geburtsdatum");
    m_gesetzlichKV = new TBoolean(this, "GesetzlichKrankenversichert", 0, true);
    m_hinzurechnung = new TDouble(this, "Hinzurechnungsbetrag");
    m_jahr = new TIntegerMinMax(this, "Jahr", 0, 1999, 2027, 2026);
    m_monat = new TIntegerMinMax(this, "Monat", 0, 1, 12, 1);
    m_jahrliste = new TJahrListe(this, "Jahrliste");
    m_kammer = new TBoolean(this, "Kammer");
    m_kammerbeitrag = new TDouble(this, "Kammerbeitrag", cfReadOnly);
    m_keineRVMinderung = new TBoolean(this, "KeineRVMinderung");
    m_kinderfreibetraege = new TString(this, "Kinderfreibetraege", 0, FloatToBetragStr(1, 0));
    m_kinderfreibetraege->OnValidate = [](TValue&, std::string& text, bool& accept) {
        ValidateKinderfreibetraege(text, accept);
    };
    m_kirchensteuersatz = new TIntegerMinMax(this, "Kirchensteuersatz", 0, 0, 99, 9);
    m_kirchensteuerAG = new TDouble(this, "KirchensteuerAG", kErgebnis);
    m_kirchensteuerAN = new TDouble(this, "KirchensteuerAN", kErgebnis);
    m_kvBeitragAG = new TDouble(this, "KVBeitragAG", kErgebnis);
    m_kvBeitragAN = new TDouble(this, "KVBeitragAN", kErgebnis);
    m_kvSatz = new TString(this, "KVSatz", kErgebnis);
    m_landwirtschaft = new TBoolean(this, "Landwirtschaft");
    m_lohnsteuerAG = new TDouble(this, "LohnsteuerAG", kErgebnis);
    m_lohnsteuerAN = new TDouble(this, "LohnsteuerAN", kErgebnis);
    m_nettoentgelt = new TDoubleBetrag(this, "Nettoentgelt");
    m_nettoentgeltAG = new TDouble(this, "NettoentgeltAG", kErgebnis);
    m_pauschLStSatz = new TString(this, "PauschLStSatz", kErgebnis);
    m_pauschKiStSatz = new TIntegerMinMax(this, "PauschKiStSatz", 0, 0, 99, 0);
    m_privathaushalt = new TBoolean(this, "Privathaushalt");
    m_rvFrei = new TBoolean(this, "Rentenversicherungsfrei");
    m_rvBeitragAG = new TDouble(this, "RVBeitragAG", kErgebnis);
    m_rvBeitragAN = new TDouble(this, "RVBeitragAN", kErgebnis);
    m_rvSatzAG = new TString(this, "RVSatzAG", kErgebnis);
    m_rvSatzAN = new TString(this, "RVSatzAN", kErgebnis);
    m_solzAG = new TDouble(this, "SolidaritaetszuschlagAG", kErgebnis);
    m_solzAN = new TDouble(this, "SolidaritaetszuschlagAN", kErgebnis);
    m_steuerberechnung = new TIntegerLookup(
        this, "Steuerberechnung", 0, {"PauschaleLohnsteuer", "Lohnsteuerkarte", "Freistellung"});
    m_steuerbezeichnung = new TString(this, "Steuerbezeichnung", kErgebnis);
    m_steuerbezeichnung->SetValue("Lohnsteuer:");
    m_steuerklasse = new TIntegerMinMax(this, "Steuerklasse", 0, 1, 6, 1);
    m_steuertage = new TIntegerMinMax(this, "Steuertage", 0, 0, 999, 30);
    m_umrechnen = new TBoolean(this, "Umrechnen");

    m_ausgangswert->OnValidate = [this](TValue&, std::string& text, bool& accept) {
        ValidateAusgangswert(text, accept);
    };
    m_steuerberechnung->OnValidate = [this](TValue&, std::string& text, bool& accept) {
        ValidateSteuerberechnung(text, accept);
    };
    JahrlisteFuellen();
    ListenerAnmelden();
}

void TGeringfuegigDaten::ListenerAnmelden()
{
    AddValueOnChange(m_jahr, [this](TValue&) { JahrGeaendert(); }).SetDirect(true);
    AddValueOnChange(m_jahrliste, [this](TValue&) { JahrlisteGeaendert(); }).SetDirect(true);
    AddValueOnChange(m_landwirtschaft, [this](TValue&) {
        if (m_landwirtschaft->GetValue())
            m_privathaushalt->SetValue(false);
    }).SetDirect(true);
    AddValueOnChange(m_monat, [this](TValue&) { MonatGeaendert(); }).SetDirect(true);
    AddValueOnChange(m_privathaushalt, [this](TValue&) {
        if (m_privathaushalt->GetValue())
            m_landwirtschaft->SetValue(false);
    }).SetDirect(true);
    AddValueOnChange(m_entgelt, [this](TValue&) { m_ausgangswert->SetValue(kEntgelt); });
    AddValueOnChange(m_nettoentgelt, [this](TValue&) { m_ausgangswert->SetValue(kNettoentgelt); });
}

int TGeringfuegigDaten::Jahr() const
{
    return m_jahr->GetValue();
}

int TGeringfuegigDaten::Monat() const
{
    return m_monat->GetValue();
}

double TGeringfuegigDaten::Kurs() const
{
    return Waehrungskurs()->GetValue();
}

bool TGeringfuegigDaten::NeuesRecht1999() const
{
    return Jahr() > 1999 || (Jahr() == 1999 && Monat() > 3);
}

bool TGeringfuegigDaten::NeuesRecht2003() const
{
    return Jahr() > 2003 || (Jahr() == 2003 && Monat() > 3);
}

std::string TGeringfuegigDaten::GrenzeText() const
{
    return GeringfuegigkeitsgrenzeText(Jahr(), Monat());
}

std::string TGeringfuegigDaten::GrenzeHinweis() const
{
    const int jahr = Jahr();
    const double grenze = GeringfuegigkeitsgrenzeMonat(jahr, Monat());
    // The pay is in the display currency, the limit in the year's.
    if (m_entgelt->GetValue() <= Dreisatz(true, 2, grenze, EuroFaktor(jahr), Kurs()))
        return std::string();
    return "Das Entgelt übersteigt die Geringfügigkeitsgrenze von " + FloatToBetragStr(2, grenze) +
           " " + WaehrungDesJahres(jahr) + ".";
}

void TGeringfuegigDaten::KinderfreibetraegeAuflisten(TStrings& liste)
{
    liste.clear();
    for (int i = 0; i < 20; ++i)
        liste.push_back(FloatToBetragStr(1, i * 0.5));
}

double TGeringfuegigDaten::KVSatzPauschal() const
{
    if (!m_gesetzlichKV->GetValue())
        return 0.0;
    return m_privathaushalt->GetValue() ? Beitragssaetze().KVSatzPauPri(Jahr(), Monat())
                                        : Beitragssaetze().KVSatzPau(Jahr(), Monat());
}

double TGeringfuegigDaten::RVSatzArbeitgeber() const
{
    return m_privathaushalt->GetValue() ? Beitragssaetze().RVSatzPauPri(Jahr(), Monat())
                                        : Beitragssaetze().RVSatzPau(Jahr(), Monat());
}

double TGeringfuegigDaten::RVSatzArbeitnehmer() const
{
    if (!m_keineRVMinderung->GetValue())
        return 0.0;
    return Beitragssaetze().RVSatz(Jahr(), Monat()) - RVSatzArbeitgeber();
}

int TGeringfuegigDaten::RVArt() const
{
    const bool frei = m_rvFrei->GetValue();
    if (Jahr() < 2010)
        return frei ? 1 : 0;
    if (!frei)
        return 0;
    return Jahr() < 2025 ? 2 : 1;
}

void TGeringfuegigDaten::JahrlisteFuellen()
{
    // Refilling moves the selection about; the listeners must not pull year and month along.
    const TUpdateGuard update(*this);
    const int monat = Monat();
    m_jahrliste->ClearItems();
    for (const auto& eintrag : kRegelzeitraeume)
        m_jahrliste->AddDatum(eintrag.jahr, eintrag.monat);
    OptionenVtrl().GetAbDaten(*m_jahrliste, false);
    try {
        m_jahrliste->SetJahr(Jahr());
        m_jahrliste->SetMonat(monat);
    } catch (const Exception&) {
        // Options without the current years: the list stays without a selection.
    }
}

void TGeringfuegigDaten::UpdateWaehrungStr()
{
    JahrlisteFuellen();
    TDaten::UpdateWaehrungStr();
}

void TGeringfuegigDaten::JahrGeaendert()
{
    try {
        m_jahrliste->SetJahr(Jahr());
    } catch (const Exception&) {
        // A year the options do not cover keeps the old rule period.
    }
    // The tax-card amounts are held in the year's currency: marks up to 2001, euro after. The
    // year they were last calculated for is the one they belong to.
    const int neu = Jahr();
    if (m_letztesJahr != 0 && EuroFaktor(m_letztesJahr) != EuroFaktor(neu)) {
        // From the stored amounts: a value disabled in the old year still holds one.
        for (TDouble* betrag : {m_freibetrag, m_hinzurechnung})
            betrag->SetValue(::Dreisatz(true, static_cast<unsigned char>(betrag->Decimals()),
                                        betrag->GetStoredValue(), EuroFaktor(m_letztesJahr),
                                        EuroFaktor(neu)));
    }
    m_letztesJahr = neu;
}

void TGeringfuegigDaten::JahrlisteGeaendert()
{
    if (m_jahrliste->GetItemIndex() < 0)
        return;
    const int von = m_jahrliste->GetMonat();
    const int bis = m_jahrliste->GetBisMonat();
    if (Monat() > bis)
        m_monat->SetValue(bis);
    else if (Monat() < von)
        m_monat->SetValue(von);
    m_jahr->SetValue(m_jahrliste->GetJahr());
}

void TGeringfuegigDaten::MonatGeaendert()
{
    try {
        m_jahrliste->SetMonat(Monat());
    } catch (const Exception&) {
        // No entry of the selected year covers the month: the selection stays.
    }
}

void TGeringfuegigDaten::JahrMerken()
{
    m_letztesJahr = Jahr();
}

void TGeringfuegigDaten::ValidateAusgangswert(std::string& text, bool& accept) const
{
    text = OhneFuehrendeLeerzeichen(text);
    if (text.empty())
        return;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    int zahl = 0;
    if (c == 'E')
        text = "Entgelt";
    else if (c == 'N')
        text = "Nettoentgelt";
    else if (LiesZahl(text, kEntgelt, kNettoentgelt, zahl))
        text = m_ausgangswert->Captions()[static_cast<std::size_t>(zahl)];
    else
        accept = false;
}

void TGeringfuegigDaten::ValidateSteuerberechnung(std::string& text, bool& accept) const
{
    text = OhneFuehrendeLeerzeichen(text);
    if (text.empty())
        return;
    int art = -1;
    switch (text[0]) {
    case 'P':
        art = kPauschaleLohnsteuer;
        break;
    case 'L':
        art = kLohnsteuerkarte;
        break;
    case 'F':
        art = kFreistellung;
        break;
    default:
        if (!LiesZahl(text, kPauschaleLohnsteuer, kFreistellung, art))
            art = -1;
    }
    // The exemption certificate was abolished in April 2003.
    if (art < 0 || (art == kFreistellung && NeuesRecht2003())) {
        accept = false;
        return;
    }
    text = m_steuerberechnung->Captions()[static_cast<std::size_t>(art)];
}

void TGeringfuegigDaten::ValidateKinderfreibetraege(std::string& text, bool& accept)
{
    text = OhneFuehrendeLeerzeichen(text);
    if (text.empty())
        return;
    const auto trenner = text.find(kDezimalTrenner);
    const std::string_view ganz = std::string_view(text).substr(0, trenner);
    int zahl = 0;
    if (!LiesZahl(ganz, 0, 9, zahl)) {
        accept = false;
        return;
    }
    if (trenner == std::string::npos)
        return;
    // Only whole and half allowances exist.
    int bruch = 0;
    if (!LiesZahl(std::string_view(text).substr(trenner + 1), 0, 5, bruch) ||
        (bruch != 0 && bruch != 5))
        accept = false;
}

void TGeringfuegigDaten::WerteFreigeben()
{
    JahrMerken();
    if (m_steuerberechnung->GetValue() == kFreistellung && NeuesRecht2003())
        m_steuerberechnung->SetValue(kPauschaleLohnsteuer);
    const int art = m_steuerberechnung->GetValue();
    const bool keineFreistellung = art != kFreistellung;

    Freigeben(*m_keineRVMinderung, NeuesRecht1999());
    Freigeben(*m_privathaushalt, NeuesRecht2003());
    Freigeben(*m_hinzurechnung, Jahr() >= 2001);

    Freigeben(*m_lohnsteuerAG, keineFreistellung);
    Freigeben(*m_lohnsteuerAN, keineFreistellung);
    Freigeben(*m_steuerbezeichnung, keineFreistellung);

    // From April 2003 the uniform flat tax includes church tax and surcharge.
    const bool einzeln =
        art == kLohnsteuerkarte || m_landwirtschaft->GetValue() || !NeuesRecht2003();
    m_steuerbezeichnung->SetValue(einzeln ? "Lohnsteuer:" : "Pauschsteuer:");
    for (TValue* wert :
         {static_cast<TValue*>(m_kirchensteuerAG), static_cast<TValue*>(m_kirchensteuerAN),
          static_cast<TValue*>(m_solzAG), static_cast<TValue*>(m_solzAN)})
        Freigeben(*wert, einzeln && keineFreistellung);

    Freigeben(*m_pauschLStSatz, art == kPauschaleLohnsteuer);
    Freigeben(*m_kinderfreibetraege, m_steuerklasse->GetValue() < 5);

    Freigeben(*m_gesetzlichKV, NeuesRecht1999());
    m_kvSatz->SetValue(Prozent(KVSatzPauschal()));
    m_rvSatzAG->SetValue(Prozent(RVSatzArbeitgeber()));
    m_rvSatzAN->SetValue(Prozent(RVSatzArbeitnehmer()));

    const bool kv = m_gesetzlichKV->GetValue();
    Freigeben(*m_kvSatz, kv);
    Freigeben(*m_kvBeitragAG, kv);
    Freigeben(*m_kvBeitragAN, kv);
    for (TValue* wert : {static_cast<TValue*>(m_rvBeitragAG), static_cast<TValue*>(m_rvBeitragAN),
                         static_cast<TValue*>(m_rvSatzAG), static_cast<TValue*>(m_rvSatzAN)})
        Freigeben(*wert, NeuesRecht1999());
    Freigeben(*m_kammerbeitrag, m_kammer->GetValue());
}

void TGeringfuegigDaten::NettoBerechnen()
{
    m_nettoentgelt->SetValue(m_entgelt->GetValue() -
                             (m_lohnsteuerAN->GetValue() + m_kirchensteuerAN->GetValue() +
                              m_solzAN->GetValue() + m_kammerbeitrag->GetValue() +
                              m_kvBeitragAN->GetValue() + m_rvBeitragAN->GetValue()));
}
