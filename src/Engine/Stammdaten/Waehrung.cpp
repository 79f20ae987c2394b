#include "Engine/Stammdaten/Waehrung.h"

#include "Engine/Stammdaten/StammListe.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "Lib/IniDokument.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/StringListValue.h"
#include "MVCFrame/StringValue.h"
#include "MVCFrame/WaehrungsName.h"
#include "Options/Verzeichnisse.h"

#include <vector>

std::string WaehrungenDateiName()
{
    const TPfadString& pfad = VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kWaehrungen);
    return JoinPath(pfad.GetAsString(), "WAEHRUNG.INI");
}

const char* WaehrungDesJahres(int jahr)
{
    return EuroFaktor(jahr) == 1.0 ? kWaehrungEuro : kWaehrungDM;
}

bool IstFesteWaehrung(std::string_view name)
{
    return TIniDokument::NamesEqual(name, kWaehrungEuro) ||
           TIniDokument::NamesEqual(name, kWaehrungDM);
}

void TWaehrungDaten::CreateValues()
{
    m_bezeichnung = new TString(this, "Bezeichnung", cfComputed);
    m_isOK = new TBoolean(this, "IsOK", cfComputed | cfReadOnly);
    m_kuerzel = new TString(this, "Kuerzel");
    m_kurs = new TDouble(this, "Kurs", 0, 0.0, 5);
    AddValueOnChange(m_bezeichnung, [this](TValue&) { IsOKAktualisieren(); });
    AddValueOnChange(m_kurs, [this](TValue&) { IsOKAktualisieren(); });
}

void TWaehrungDaten::IsOKAktualisieren()
{
    m_isOK->SetValue(!m_bezeichnung->GetValue().empty() && m_kurs->GetValue() > 0.0);
}

TBerechnung* TWaehrung::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TWaehrung>(owner, name);
}

TDaten* TWaehrung::CreateDaten()
{
    return CreateComponent<TWaehrungDaten>(this, Name());
}

void TWaehrung::Laden(const std::string& name)
{
    TWaehrungDaten& d = WaehrungDaten();
    const TXIniFile ini(WaehrungenDateiName());
    if (!name.empty())
        d.LoadFromIni(ini, name);
    d.Bezeichnung().SetValue(name);
    if (TIniDokument::NamesEqual(name, kWaehrungEuro)) {
        if (d.Kuerzel().GetValue().empty())
            d.Kuerzel().SetValue(EuroSymbolAn() ? kEuroSymbol : kEuroWort);
        d.Kurs().SetValue(1.0);
    } else if (TIniDokument::NamesEqual(name, kWaehrungDM)) {
        if (d.Kuerzel().GetValue().empty())
            d.Kuerzel().SetValue(kWaehrungDM);
        d.Kurs().SetValue(kKursDM);
    }
    EintragGeladen(name);
}

void TWaehrung::Speichern()
{
    TWaehrungDaten& d = WaehrungDaten();
    const std::string bezeichnung = d.Bezeichnung().GetValue();
    if (IstFesteWaehrung(bezeichnung))
        throw Exception("\"" + bezeichnung +
                        "\" ist fest vorgegeben und kann nicht gespeichert werden.");
    if (!(d.Kurs().GetValue() > 0.0))
        throw Exception("Der Kurs von \"" + bezeichnung + "\" muss größer als 0 sein.");
    // From now on this is the stored currency: saving it again rewrites it.
    d.Bezeichnung().SetValue(
        EintragSpeichern(WaehrungenDateiName(), kWaehrungenSektion, bezeichnung));
}

TBerechnung* TWaehrungen::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TWaehrungen>(owner, name);
}

TDaten* TWaehrungen::CreateDaten()
{
    return CreateComponent<TWaehrungenDaten>(this, Name());
}

void TWaehrungen::Laden()
{
    TWaehrungenDaten& d = WaehrungenDaten();
    const TXIniFile ini(WaehrungenDateiName());
    d.LoadFromIni(ini, kWaehrungenSektion);
    // The built-in currencies close the list, once each, even when the file names them too.
    TStringListValue& liste = d.Waehrungen();
    std::vector<std::string> namen;
    for (const std::string& name : liste.Items())
        if (!IstFesteWaehrung(name))
            namen.push_back(name);
    namen.push_back(kWaehrungDM);
    namen.push_back(kWaehrungEuro);
    liste.BeginUpdate();
    liste.Clear();
    for (const std::string& name : namen)
        liste.AddItem(name);
    for (int i = 0; i < liste.Count(); ++i)
        liste.SetSelected(i, false);
    liste.SetItemIndex(-1);
    liste.EndUpdate();
    d.FlagsAktualisieren();
}

void TWaehrungen::MarkierteLoeschen()
{
    TStringListValue& liste = WaehrungenDaten().Waehrungen();
    liste.BeginUpdate();
    for (int i = 0; i < liste.Count(); ++i)
        if (IstFesteWaehrung(liste.GetItem(i)))
            liste.SetSelected(i, false);
    liste.EndUpdate();
    std::vector<std::string> bleiben;
    std::vector<std::string> geloescht;
    for (int i = 0; i < liste.Count(); ++i) {
        const std::string& name = liste.GetItem(i);
        if (liste.GetSelected(i))
            geloescht.push_back(name);
        else if (!IstFesteWaehrung(name))
            bleiben.push_back(name);
    }
    if (geloescht.empty())
        return;
    // The file first: when it cannot be written, the list still shows what it holds.
    const std::string datei = WaehrungenDateiName();
    TStammListe::VerzeichnisAnlegen(datei);
    TXIniFile ini(datei);
    TStammListe(ini, kWaehrungenSektion).Loeschen(bleiben, geloescht);
    liste.DeleteSelected();
}
