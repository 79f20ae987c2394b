#pragma once
// What the master-data lists of SVBEITRG.INI and WAEHRUNG.INI (see StammListe.h) have in common
// on the calculation side:
//
//   TStammEintrag     a calculation that loads and saves one entry of such a list
//   TStammListeDaten  the list of entry names with a multiple selection, and two flags for the
//                     dialog
//   TStammListenBerechnung  loads such a list from its file and deletes the selected entries
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"

#include <string>

class TBoolean;
class TStringListValue;

class TStammEintrag : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

    bool IsNew() const { return m_neu; }
    // A copy saves like its original: as a new entry, or over the entry it was loaded as.
    void Assign(const TBerechnung& source) override;

protected:
    // The entry `name` is the one shown now: saving it again rewrites it.
    void EintragGeladen(const std::string& name);
    // Saves the data set as the entry `bezeichnung` of the list section `sektion` of `dateiName`
    // (TStammListe::Speichern, with its errors) and returns the name it was stored under.
    std::string EintragSpeichern(const std::string& dateiName, const std::string& sektion,
                                 const std::string& bezeichnung);

private:
    bool m_neu = true;
    std::string m_geladenerName;
};

class TStammListeDaten : public TDaten {
public:
    // The list value is named like the list section `sektion`, so that it loads from it.
    TStammListeDaten(TComponent* owner, const std::string& name, std::string sektion);

    TStringListValue& Liste() const { return *m_liste; }
    TBoolean& LoeschenFlag() const { return *m_loeschen; }
    TBoolean& OKFlag() const { return *m_ok; }
    // "LoeschenFlag": at least one entry selected that may be deleted; "OKFlag": exactly one.
    void FlagsAktualisieren();
    // Whether the entry `name` may be deleted (every one unless a list says otherwise).
    virtual bool Loeschbar(const std::string& name) const;

protected:
    void CreateValues() override;

private:
    std::string m_sektion;
    TStringListValue* m_liste = nullptr;
    TBoolean* m_loeschen = nullptr;
    TBoolean* m_ok = nullptr;
};

class TStammListenBerechnung : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

    TStammListeDaten& ListenDaten() const { return static_cast<TStammListeDaten&>(Daten()); }
    virtual void Laden() = 0;
    // Removes the selected entries from the list and erases their sections.
    virtual void MarkierteLoeschen() = 0;
};
