#include "Engine/Abrechnung/DetailEntgelte.h"

#include "Lib/Betrag.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "Options/Verzeichnisse.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr const char* kStandardTexte[] = {"Abfindung",
                                          "Abfindung (Steuerfrei)",
                                          "Abfindung (Steuerpflichtig)",
                                          "Gehalt",
                                          "Leistungsgratifikation",
                                          "Lohn",
                                          "Urlaubsgeld",
                                          "Vermögenswirksame Leistungen",
                                          "Versorgungsbezug",
                                          "VWL",
                                          "Weihnachtsgeld",
                                          "Weihnachtsgratifikation"};

// Remembered for the next flat-taxed component: users enter series of them with one rate.
int g_vorgabePKiStSatz = 7;

bool DateiVorhanden(const std::string& datei)
{
    struct stat st {};
    return ::stat(datei.c_str(), &st) == 0;
}

std::string BezugSection(const std::string& section, int nummer)
{
    return section + "Bezug" + std::to_string(nummer);
}

} // namespace

std::string BezuegeDatei()
{
    return JoinPath(VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kBezugtexte).GetValue(),
                    "BEZUEGE.TXT");
}

void BezuegeDateiAnlegen(const std::string& datei)
{
    if (datei.empty() || DateiVorhanden(datei))
        return;
    std::string inhalt;
    for (const char* text : kStandardTexte)
        inhalt += std::string(text) + "\r\n";
    try {
        const auto trenner = datei.find_last_of('/');
        if (trenner != std::string::npos && trenner > 0)
            ForceDirectories(datei.substr(0, trenner));
        WriteFileAtomic(datei, inhalt);
    } catch (const ESystemError&) {
        // A directory that cannot be created leaves the offer empty, nothing more.
    }
}

void TDetailEntgeltDaten::CreateValues()
{
    m_betrag = new TDoubleBetrag(this, "Betrag");
    m_brutto = new TDouble(this, "Brutto", cfReadOnly);
    m_netto = new TDouble(this, "Netto", cfReadOnly);
    m_pauschSatz = new TDoubleMinMax(this, "PauschSatz", cfDisabled, 0, 99.99999, 20);
    m_pkiStSatz = new TIntegerMinMax(this, "PKiStSatz", cfDisabled, 0, 99, 7);
    m_pkiStSatz->SetValue(g_vorgabePKiStSatz);
    m_versorgungsbezug = new TBoolean(this, "Versorgungsbezug");
    m_sterbegeld = new TBoolean(this, "Sterbegeld");
    m_abfindung = new TBoolean(this, "Abfindung");
    m_mehrJhrig = new TBoolean(this, "MehrJhrig", cfShowDisabled);
    m_einmalzahlung = new TBoolean(this, "Einmalzahlung", cfShowDisabled);
    m_sozVersPflicht = new TBoolean(this, "SozVersPflicht", cfShowDisabled, true);
    m_stPflicht = new TBoolean(this, "StPflicht", cfShowDisabled, true);
    m_pauschal = new TBoolean(this, "Pauschal");
    m_nettoVereinb = new TBoolean(this, "NettoVereinb");
    const std::string datei = BezuegeDatei();
    BezuegeDateiAnlegen(datei);
    m_bezeichnung = new TStringFileLookup(this, "Bezeichnung", 0, datei);
    m_pfaendbarkeit =
        new TIntegerLookup(this, "Pfaendbarkeit", 0,
                           {"pfändbar", "unpfändbar", "für Mehrarbeitsstunden (§ 850 a Nr. 1 ZPO)",
                            "Urlaubs- / Treuegeld    (§ 850 a Nr. 2 ZPO)",
                            "Weihnachtsvergütung  (§ 850 a Nr. 4 ZPO)"});
    m_textLoeschen = new TBoolean(this, "TextLoeschen", cfComputed);
}

TDaten* TDetailEntgelt::CreateDaten()
{
    return CreateComponent<TDetailEntgeltDaten>(this, Name());
}

TBerechnung* TDetailEntgelt::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TDetailEntgelt>(owner, name);
}

void TDetailEntgelt::Calculate()
{
    const TDetailEntgeltDaten& d = DetailEntgeltDaten();
    const bool abfindung = d.Abfindung().GetStoredString() == "Ja";
    const bool mehrJhrig = d.MehrJhrig().GetStoredString() == "Ja";
    const bool versorgung = d.Versorgungsbezug().GetStoredString() == "Ja";

    // 1. Which kinds can be combined.
    d.Abfindung().SetFlag(TValue::vfEnabled, !(versorgung || mehrJhrig));
    d.MehrJhrig().SetFlag(TValue::vfEnabled, !(abfindung || versorgung));
    d.Versorgungsbezug().SetFlag(TValue::vfEnabled, !(abfindung || mehrJhrig));
    d.Einmalzahlung().SetFlag(TValue::vfEnabled, !(abfindung || mehrJhrig));
    d.Sterbegeld().SetFlag(TValue::vfEnabled, false);
    d.SozVersPflicht().SetFlag(TValue::vfEnabled, !(abfindung || versorgung));
    d.StPflicht().SetFlag(TValue::vfEnabled, !(abfindung || mehrJhrig || versorgung));

    // 2. Kinds that force others: severance pay is a taxable one-off payment free of
    // contributions, a pension payment is always taxable and contributory.
    if (abfindung) {
        d.Einmalzahlung().SetValue(true);
        d.StPflicht().SetValue(true);
        d.SozVersPflicht().SetValue(false);
    }
    if (mehrJhrig) {
        d.Einmalzahlung().SetValue(true);
        d.StPflicht().SetValue(true);
    }
    if (versorgung) {
        d.StPflicht().SetValue(true);
        d.SozVersPflicht().SetValue(true);
        if (d.Sterbegeld().GetStoredString() == "Ja")
            d.Einmalzahlung().SetValue(true);
    }
    const bool pauschalMoeglich = d.StPflicht().IsEnabled() && d.StPflicht().GetValue();
    d.Pauschal().SetFlag(TValue::vfEnabled, pauschalMoeglich);
    const bool pauschal = d.Pauschal().GetValue();
    d.PauschSatz().SetFlag(TValue::vfEnabled, pauschal);
    d.PKiStSatz().SetFlag(TValue::vfEnabled, pauschal);

    // 3. The entered amount is the net side for net-agreed and flat-taxed pay; the payroll
    // computes the other side.
    if (d.NettoVereinb().GetValue() || pauschal)
        d.Netto().SetValue(d.Betrag().GetValue());
    else
        d.Brutto().SetValue(d.Betrag().GetValue());

    // 4. An empty text is never a stored reference text: no need to open the file.
    const std::string text = d.Bezeichnung().GetValue();
    bool gespeichert = false;
    if (!text.empty()) {
        try {
            gespeichert = d.Bezeichnung().Enthaelt(text);
        } catch (const Exception&) {
            // An unreadable reference file offers nothing to delete.
        }
    }
    d.TextLoeschen().SetValue(gespeichert);
}

void TDetailEntgelteDaten::CreateValues()
{
    m_bruttoListe = new TString(this, "BruttoListe", cfDisabled);
    m_enthaeltSonstBez = new TBoolean(this, "EnthaeltSonstBez", cfDisabled);
    m_enthaeltVersBez = new TBoolean(this, "EnthaeltVersBez", cfDisabled);
    m_nettoListe = new TString(this, "NettoListe", cfDisabled);
}

TDetailEntgelte::~TDetailEntgelte()
{
    Leeren();
}

int TDetailEntgelte::VorgabePKiStSatz()
{
    return g_vorgabePKiStSatz;
}

void TDetailEntgelte::SetVorgabePKiStSatz(int satz)
{
    g_vorgabePKiStSatz = satz;
}

TDaten* TDetailEntgelte::CreateDaten()
{
    return CreateComponent<TDetailEntgelteDaten>(this, Name());
}

TBerechnung* TDetailEntgelte::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TDetailEntgelte>(owner, name);
}

TDetailEntgelt& TDetailEntgelte::GetItem(int index) const
{
    VT_ASSERT(index >= 0 && index < Count(), "DetailEntgelte: Index ungültig");
    return *m_items[static_cast<std::size_t>(index)];
}

void TDetailEntgelte::Calculate()
{
    TDetailEntgelteDaten& d = DetailEntgelteDaten();
    bool sonstBez = false;
    bool versBez = false;
    for (const TDetailEntgelt* item : m_items) {
        const TDetailEntgeltDaten& e = item->DetailEntgeltDaten();
        sonstBez = sonstBez || e.Einmalzahlung().GetStoredString() == "Ja";
        versBez = versBez || e.Versorgungsbezug().GetStoredString() == "Ja";
    }
    d.EnthaeltSonstBez().SetValue(sonstBez);
    d.EnthaeltVersBez().SetValue(versBez);

    std::string brutto;
    std::string netto;
    for (const TDetailEntgelt* item : m_items) {
        const TDetailEntgeltDaten& e = item->DetailEntgeltDaten();
        const std::string text = e.Bezeichnung().GetValue();
        if (!e.StPflicht().GetValue() && !e.SozVersPflicht().GetValue()) {
            netto += text + "\t\t" + e.Brutto().GetDisplayText() + "\r\n";
        } else {
            const bool nettoSeite = e.NettoVereinb().GetValue() != e.Pauschal().GetValue();
            brutto += text + "\t" + (nettoSeite ? e.Netto().GetDisplayText() : std::string()) +
                      "\t" + e.Brutto().GetDisplayText() + "\r";
        }
    }
    // Disabled values are set through their stored content; they are shown, not typed.
    d.BruttoListe().SetValue(brutto);
    d.NettoListe().SetValue(netto);
}

void TDetailEntgelte::ListeGeaendert()
{
    Daten().SetModified(true);
    Daten().Changed();
}

TDetailEntgelt& TDetailEntgelte::NeuesItem()
{
    TDetailEntgelt* item = CreateComponent<TDetailEntgelt>(nullptr, std::string());
    // A component that recalculated changes the list's summary.
    item->OnCalculated = [this](TBerechnung&) { ListeGeaendert(); };
    return *item;
}

TDetailEntgelt* TDetailEntgelte::ItemEntnehmen(int position)
{
    TDetailEntgelt* item = m_items[static_cast<std::size_t>(position)];
    m_items.erase(m_items.begin() + position);
    return item;
}

void TDetailEntgelte::Leeren()
{
    while (!m_items.empty()) {
        delete m_items.back();
        m_items.pop_back();
    }
    m_itemIndex = -1;
}

void TDetailEntgelte::Hinzufuegen(const TDetailEntgeltDaten& vorlage)
{
    TDetailEntgelt& item = NeuesItem();
    m_items.push_back(&item);
    item.Daten().Assign(vorlage);
    const TDetailEntgeltDaten& d = item.DetailEntgeltDaten();
    if (d.Pauschal().GetStoredString() == "Ja")
        g_vorgabePKiStSatz = StrToGanzzahl(d.PKiStSatz().GetStoredString());
    SetItemIndex(Count() - 1);
    ListeGeaendert();
}

void TDetailEntgelte::MarkierteLoeschen()
{
    int niedrigste = -1;
    for (int i = Count() - 1; i >= 0; --i) {
        if (GetItem(i).Markiert()) {
            delete ItemEntnehmen(i);
            niedrigste = i;
        }
    }
    if (niedrigste >= 0)
        m_itemIndex = std::min(niedrigste, Count() - 1);
    ListeGeaendert();
}

void TDetailEntgelte::Verschieben(int ziel)
{
    if (ziel < 0 || ziel >= Count() || GetItem(ziel).Markiert())
        return;
    TDetailEntgelt* zielItem = m_items[static_cast<std::size_t>(ziel)];
    // Marked components behind the target move in front of it, those ahead of it move behind
    // it, each group in its own order.
    std::vector<TDetailEntgelt*> davor;
    std::vector<TDetailEntgelt*> dahinter;
    std::vector<TDetailEntgelt*> rest;
    for (int i = 0; i < Count(); ++i) {
        TDetailEntgelt* item = m_items[static_cast<std::size_t>(i)];
        if (item->Markiert())
            (i > ziel ? davor : dahinter).push_back(item);
        else
            rest.push_back(item);
    }
    std::vector<TDetailEntgelt*> neu;
    for (TDetailEntgelt* item : rest) {
        if (item == zielItem) {
            neu.insert(neu.end(), davor.begin(), davor.end());
            neu.push_back(item);
            neu.insert(neu.end(), dahinter.begin(), dahinter.end());
        } else {
            neu.push_back(item);
        }
    }
    m_items = std::move(neu);
    ListeGeaendert();
}

void TDetailEntgelte::SetItemIndex(int index)
{
    m_itemIndex = index;
    if (index >= 0 && index < Count())
        GetItem(index).SetMarkiert(true);
}

int TDetailEntgelte::AnzahlMarkierte() const
{
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [](auto* i) { return i->Markiert(); }));
}

void TDetailEntgelte::Anhaengen(const std::function<void(TDetailEntgeltDaten&)>& fuellen)
{
    TDetailEntgelt& item = NeuesItem();
    m_items.push_back(&item);
    TDetailEntgeltDaten& d = item.DetailEntgeltDaten();
    {
        const TUpdateGuard update(d);
        fuellen(d);
    }
    d.Changed();
    ListeGeaendert();
}

void TDetailEntgelte::VersorgungAnhaengen(double betrag)
{
    Anhaengen([&](TDetailEntgeltDaten& d) {
        d.Versorgungsbezug().SetValue(true);
        d.Betrag().SetValue(betrag);
    });
}

void TDetailEntgelte::Assign(const TBerechnung& source)
{
    TDaten& d = Daten();
    {
        const TUpdateGuard update(d);
        TBerechnung::Assign(source);
        if (const auto* quelle = dynamic_cast<const TDetailEntgelte*>(&source)) {
            if (quelle->Count() != Count()) {
                Leeren();
                for (int i = 0; i < quelle->Count(); ++i) {
                    TDetailEntgelt& item = NeuesItem();
                    m_items.push_back(&item);
                    item.Assign(quelle->GetItem(i));
                    item.SetMarkiert(quelle->GetItem(i).Markiert());
                }
                m_itemIndex = quelle->ItemIndex();
            } else {
                for (int i = 0; i < Count(); ++i)
                    GetItem(i).Assign(quelle->GetItem(i));
            }
        }
    }
    ListeGeaendert();
}

void TDetailEntgelte::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    const int anzahl = std::max(0, ini.ReadInteger(section, "BezugAnzahl", 0));
    if (anzahl != Count()) {
        Leeren();
        for (int i = 1; i <= anzahl; ++i) {
            const std::string s = BezugSection(section, i);
            if (ini.ReadInteger(s, "Nr", 0) != i)
                continue;
            TDetailEntgelt& item = NeuesItem();
            m_items.push_back(&item);
            item.LoadFromIni(ini, s);
        }
    } else {
        for (int i = 1; i <= anzahl; ++i) {
            const std::string s = BezugSection(section, i);
            if (ini.ReadInteger(s, "Nr", 0) == i)
                GetItem(i - 1).LoadFromIni(ini, s);
        }
    }
    ListeGeaendert();
}

void TDetailEntgelte::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    ini.WriteInteger(section, "BezugAnzahl", Count(), 0);
    for (int i = 1; i <= Count(); ++i) {
        const std::string s = BezugSection(section, i);
        ini.WriteInteger(s, "Nr", i);
        GetItem(i - 1).SaveToIni(ini, s);
    }
}

void TDetailEntgelte::WaehrungUmrechnen(const std::string& newName, bool convert, double newRate)
{
    TBerechnung::WaehrungUmrechnen(newName, convert, newRate);
    for (TDetailEntgelt* item : m_items)
        item->WaehrungUmrechnen(newName, convert, newRate);
}
