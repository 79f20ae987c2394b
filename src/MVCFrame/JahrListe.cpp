#include "MVCFrame/JahrListe.h"

#include "Lib/Exception.h"

#include <cstdio>

namespace {

std::string Format(const char* format, int zahl)
{
    char text[120];
    std::snprintf(text, sizeof text, format, zahl);
    return text;
}

int LetzterTag(int monat, int jahr)
{
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schaltjahr = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return monat == 2 && schaltjahr ? 29 : kTage[monat - 1];
}

// Day and month in the German order "d.m.", as the captions show them.
std::string TagMonat(int tag, int monat)
{
    return std::to_string(tag) + "." + std::to_string(monat) + ".";
}

} // namespace

const TDateList::TDate& TDateList::Get(int index) const
{
    VT_ASSERT(index >= 0 && index < Count(), "Index der Datumsliste ungültig");
    return m_daten[static_cast<std::size_t>(index)];
}

TJahrListe::TJahrListe(TDaten* daten, std::string name, TValueCreateFlags flags)
    : TCustomIntegerLookup(daten, std::move(name), flags)
{
}

void TJahrListe::AddDatum(int jahr, int monat)
{
    m_liste.Add({jahr, monat, 1});
    m_captionsGueltig = false;
    ItemAdded();
}

void TJahrListe::AddItem(const std::string&, int object)
{
    // A caption alone says nothing about the period; the object is read as a year from January.
    AddDatum(object, 1);
}

void TJahrListe::ClearItems()
{
    m_liste.Clear();
    m_captionsGueltig = false;
    TCustomIntegerLookup::ClearItems();
}

int TJahrListe::BisMonat(int index) const
{
    if (index == m_liste.Count() - 1 || m_liste.Get(index + 1).jahr != m_liste.Get(index).jahr)
        return 12;
    return m_liste.Get(index + 1).monat - 1;
}

TStrings TJahrListe::Captions() const
{
    if (m_captionsGueltig && m_captionsDefault == GetDefault() && m_captionsMinimum == Minimum())
        return m_captions;
    // The default entry's year: later years are marked when the default lies above the minimum.
    const int defaultIndex = GetDefault() - Minimum();
    const bool markieren = GetDefault() > Minimum() && defaultIndex < m_liste.Count();
    const int defaultJahr = markieren ? m_liste.Get(defaultIndex).jahr : 0;
    TStrings captions;
    for (int i = 0; i < m_liste.Count(); ++i) {
        const TDateList::TDate& datum = m_liste.Get(i);
        const int von = datum.monat;
        const int bis = BisMonat(i);
        std::string caption = std::to_string(datum.jahr);
        if (markieren && datum.jahr > defaultJahr)
            caption += "*";
        if (bis < 12 && von == 1)
            caption += " bis " + TagMonat(LetzterTag(bis, datum.jahr), bis);
        else if (bis < 12)
            caption += " " + TagMonat(1, von) + "-" + TagMonat(LetzterTag(bis, datum.jahr), bis);
        else if (von > 1)
            caption += " ab " + TagMonat(1, von);
        captions.push_back(caption);
    }
    m_captions = captions;
    m_captionsGueltig = true;
    m_captionsDefault = GetDefault();
    m_captionsMinimum = Minimum();
    return captions;
}

int TJahrListe::SelectedIndex() const
{
    const int index = GetItemIndex();
    return index >= 0 && index < m_liste.Count() ? index : -1;
}

int TJahrListe::GetJahr() const
{
    const int index = SelectedIndex();
    return index < 0 ? 0 : m_liste.Get(index).jahr;
}

int TJahrListe::GetMonat() const
{
    const int index = SelectedIndex();
    return index < 0 ? 0 : m_liste.Get(index).monat;
}

int TJahrListe::GetBisMonat() const
{
    const int index = SelectedIndex();
    return index < 0 ? 0 : BisMonat(index);
}

void TJahrListe::SetJahr(int jahr)
{
    int index = SelectedIndex() < 0 ? 0 : SelectedIndex();
    const int count = m_liste.Count();
    while (index < count - 1 && m_liste.Get(index).jahr < jahr)
        ++index;
    while (index > 0 && m_liste.Get(index).jahr > jahr)
        --index;
    if (count == 0 || m_liste.Get(index).jahr != jahr)
        throw Exception(Format("Das Jahr %d ist nicht in der Liste", jahr));
    SetItemIndex(index);
}

void TJahrListe::SetMonat(int monat)
{
    const int start = SelectedIndex();
    if (start < 0)
        throw EInvalidMonth(Format("Ungültiger Monat (%d)", monat));
    const int jahr = m_liste.Get(start).jahr;
    int found = -1;
    if (BisMonat(start) < monat) {
        for (int i = start; i < m_liste.Count() && m_liste.Get(i).jahr == jahr; ++i)
            if (BisMonat(i) >= monat) {
                found = i;
                break;
            }
    } else {
        for (int i = start; i >= 0 && m_liste.Get(i).jahr == jahr; --i)
            if (m_liste.Get(i).monat <= monat) {
                found = i;
                break;
            }
    }
    if (found < 0)
        throw EInvalidMonth(Format("Ungültiger Monat (%d)", monat));
    SetItemIndex(found);
}
