#include "Forms/Dialoge/EntgelteMenue.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/StringListValue.h"

#include <algorithm>

namespace {

// Sets a flag for a scope; cleared also when an exception leaves it.
class TSperre {
public:
    explicit TSperre(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TSperre() { m_flag = false; }
    TSperre(const TSperre&) = delete;
    TSperre& operator=(const TSperre&) = delete;

private:
    bool& m_flag;
};

std::string Getrimmt(const std::string& text)
{
    const std::size_t anfang = text.find_first_not_of(" \t\r\n");
    if (anfang == std::string::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(" \t\r\n") - anfang + 1);
}

} // namespace

void TEntgelteMenueDaten::CreateValues()
{
    m_aendern = new TBoolean(this, "AendernFlag", cfReadOnly | cfComputed);
    m_liste = new TStringListValue(this, "Entgeltliste", cfComputed, true);
    m_detailEntgelte = CreateComponent<TDetailEntgelte>(this, "DetailEntgelte");
    m_jahresbetraege = CreateComponent<TJahresbetraege>(this, "Jahresbetraege");
    m_hbEnabled = new TBoolean(this, "HBEnabledFlag", cfReadOnly | cfComputed);
    m_loeschen = new TBoolean(this, "LoeschenFlag", cfReadOnly | cfComputed);
}

void TEntgelteMenueDaten::init()
{
    TDatenContainer::init();
    // The container already hears of every finished run of the list; the entries are rebuilt
    // first, so that the change it then passes on shows them.
    auto weiter = m_detailEntgelte->OnCalculated;
    m_detailEntgelte->OnCalculated = [this, weiter](TBerechnung& liste) {
        ListeFuellen();
        if (weiter)
            weiter(liste);
    };
    AddValueOnChange(m_liste, [this](TValue&) { Zuruecknehmen(); });
    ListeFuellen();
}

std::string TEntgelteMenueDaten::EintragName(int index) const
{
    const TDetailEntgeltDaten& e = m_detailEntgelte->DetailEntgeltDaten(index);
    const std::string text = Getrimmt(e.Bezeichnung().GetValue());
    return text.empty() ? e.Betrag().GetDisplayText() : text;
}

void TEntgelteMenueDaten::ListeFuellen()
{
    if (m_fuellen)
        return;
    {
        const TSperre sperre(m_fuellen);
        TStringListValue& liste = *m_liste;
        const TDetailEntgelte& d = *m_detailEntgelte;
        liste.BeginUpdate();
        liste.Clear();
        for (int i = 0; i < d.Count(); ++i) {
            const TDetailEntgeltDaten& e = d.DetailEntgeltDaten(i);
            liste.AddItem(e.Bezeichnung().GetValue() + "\t" + e.Betrag().GetDisplayText());
        }
        for (int i = 0; i < d.Count(); ++i)
            liste.SetSelected(i, d.GetItem(i).Markiert());
        liste.SetItemIndex(d.ItemIndex() < d.Count() ? std::max(d.ItemIndex(), -1) : -1);
        liste.EndUpdate();
    }
    FlagsSetzen();
}

void TEntgelteMenueDaten::Zuruecknehmen()
{
    if (m_fuellen)
        return;
    const TSperre sperre(m_fuellen);
    FlagsSetzen();
    TDetailEntgelte& d = *m_detailEntgelte;
    const int anzahl = std::min(d.Count(), m_liste->Count());
    // Marks are plain fields of the components: setting them notifies nobody.
    d.SetItemIndex(m_liste->GetItemIndex() < anzahl ? m_liste->GetItemIndex() : -1);
    for (int i = 0; i < anzahl; ++i)
        d.GetItem(i).SetMarkiert(m_liste->GetSelected(i));
}

void TEntgelteMenueDaten::FlagsSetzen()
{
    const int markiert = m_liste->SelCount();
    m_loeschen->SetValue(markiert > 0);
    m_aendern->SetValue(markiert == 1);
}

TDaten* TEntgelteMenue::CreateDaten()
{
    return CreateComponent<TEntgelteMenueDaten>(this, Name());
}

TBerechnung* TEntgelteMenue::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TEntgelteMenue>(owner, name);
}

void TEntgelteMenue::Calculate()
{
    const TEntgelteMenueDaten& d = MenueDaten();
    // As the payroll does: the annual amounts count only with one-off payments in the list.
    d.Jahresbetraege().SetWerteEnabled(
        d.DetailEntgelte().DetailEntgelteDaten().EnthaeltSonstBez().GetStoredString() == "Ja",
        d.HBEnabledFlag().GetValue());
}

void TEntgelteMenue::Uebernehmen(const TLohnDaten& lohn)
{
    TEntgelteMenueDaten& d = MenueDaten();
    {
        const TUpdateGuard update(d);
        d.DetailEntgelte().Assign(lohn.DetailEntgelte());
        d.Jahresbetraege().Assign(lohn.Jahresbetraege());
        d.HBEnabledFlag().SetValue(lohn.Hinzurechnungsbetrag->IsEnabled());
    }
    d.SetModified(true);
    d.Changed();
}

void TEntgelteMenue::Zurueckgeben(TLohnDaten& lohn) const
{
    const TEntgelteMenueDaten& d = MenueDaten();
    {
        const TUpdateGuard update(lohn);
        lohn.DetailEntgelte().Assign(d.DetailEntgelte());
        lohn.Jahresbetraege().Assign(d.Jahresbetraege());
        lohn.DetailEntgelt->SetValue(d.DetailEntgelte().Count() > 0);
    }
    lohn.Changed();
}
