#pragma once
// The program's options: one container of option groups, stored in two OPTIONEN.INI files.
//
//   TOptionenVtrlDaten  the container: general options "BenutzerOptionen", chamber names
//                       "KammernAllg", for 2026 and then 2027 the groups "KinderG", "BBG",
//                       "Beitragssaetze", "Gleitzone", "Kammern" (each followed by the year), and
//                       "Update". The options dialog edits a copy of it.
//   TOptionenVtrl       the singleton (OptionenVtrl()), a container named "Optionen": loads and
//                       saves the files, tells every data set of a change (currency names) and
//                       keeps the display-option singletons Optionen() and OptionenTabelle() in
//                       step with its general options, both ways.
// The user's file holds the general options; the shared file every other group. Values equal to
// their defaults leave no key, so a later change of a built-in default reaches every user who
// never changed the value.
#include "Lib/Singleton.h"
#include "MVCFrame/DatenContainer.h"
#include "MVCFrame/JahrListe.h"
#include "Options/OptionenAllgemein.h"
#include "Options/OptionenJahr.h"

#include <string>
#include <unordered_map>
#include <vector>

// The introduction of a message that lists several settings files that could not be saved.
inline constexpr const char* kNichtGespeichert =
    "Die Einstellungen konnten nicht vollständig gespeichert werden:";

class TOptionenVtrlDaten : public TDatenContainer {
public:
    using TDatenContainer::TDatenContainer;

    TOptionenAllgemeinDaten& AllgemeinDaten() const;
    TOptionenAllgemein& Allgemein() const;
    TOptionenKammernAllgDaten& KammernAllgDaten() const;
    TBerechnung& KammernAllg() const;
    TOptionenUpdateDaten& UpdateDaten() const;
    TBerechnung& Update() const;

    // The groups of a year: 2026 or 2027; a later year gives 2027, an earlier one raises
    // "Jahr zu niedrig (TOptionenVtrl.<getter>)".
    TOptionenKindergeldDaten& KindergeldDaten(int jahr) const;
    TOptionenKindergeld& Kindergeld(int jahr) const;
    TOptionenBBGDaten& BBGDaten(int jahr) const;
    TOptionenBBG& BBG(int jahr) const;
    TOptionenBeitragssaetzeDaten& BeitragssaetzeDaten(int jahr) const;
    TOptionenBeitragssaetze& Beitragssaetze(int jahr) const;
    TOptionenGleitzoneDaten& GleitzoneDaten(int jahr) const;
    TOptionenGleitzone& Gleitzone(int jahr) const;
    TOptionenKammernDaten& KammernDaten(int jahr) const;
    TOptionenKammern& Kammern(int jahr) const;
    // The contribution rates of a year (the rate tables ask it from 2026 on).
    TOptionenBeitragssaetzeDaten& Beitragssatz(int jahr) const;

    // Appends to `liste`, for 2026 and 2027, (year, 1) and each later month that starts new
    // contribution rates or, with `mitKindergeld`, a new child benefit.
    void GetAbDaten(TJahrListe& liste, bool mitKindergeld) const;

protected:
    void CreateValues() override;

private:
    // The calculation at `index` of the groups of `jahr`, as listed above.
    TBerechnung& JahrGruppe(int jahr, int index, const char* getter) const;
};

class TOptionenVtrl final : public TOptionenVtrlDaten {
public:
    ~TOptionenVtrl() override;

    // Reads the user's and the shared OPTIONEN.INI; a missing file or section gives the defaults.
    void Load();
    // Saves everything when `alle` or "BeimBeendenSpeichern" is set, otherwise only that switch
    // and the section "Update". Only the options changed since they were read or last saved are
    // written, each where it differs from the file as it is now: what another program (the
    // options check, a second desk on the shared folder) changed meanwhile stays, and a line of an
    // option nobody changed keeps its bytes. A missing directory is created and the file written
    // once more. Each file is saved on its own; the failures raise one EFehlerListe.
    void Save(bool alle);
    // True when the outside updater lies in the program's directory.
    bool UpdaterVerfuegbar() const;

private:
    friend class TSingleton<TOptionenVtrl>;
    TOptionenVtrl();
    // Copies the general options into the display singletons, and they into it.
    void Verbinden();
    void AllgemeinGeaendert();
    // An option to be written into its section.
    struct TZuSchreiben {
        const TValue* wert;
        std::string sektion;
    };
    // Adds the options of `gruppe` (or only `nurWert` of it) changed since read or saved.
    void Geaenderte(const TBerechnung& gruppe, std::vector<TZuSchreiben>& liste,
                    const TValue* nurWert = nullptr) const;
    // Writes them into `datei` and remembers them as saved.
    void DateiSpeichern(const std::string& datei, const std::vector<TZuSchreiben>& werte);

    bool m_verbunden = false;
    // Each option's stored text as last read from or written to its file.
    std::unordered_map<const TValue*, std::string> m_gespeichert;
};

// The options, created and loaded on first use; a failure leaves none behind.
TOptionenVtrl& OptionenVtrl();
// The slot, for main()'s shut-down order and for test fixtures.
TSingleton<TOptionenVtrl>& OptionenVtrlSingleton();
