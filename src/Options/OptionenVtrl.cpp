#include "Options/OptionenVtrl.h"

#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Lib/MVCApp.h"
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVorgaben.h"
#include "Platform/ShellFolder.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Children of the container, in creation order.
constexpr int kAllgemein = 0;
constexpr int kKammernAllg = 1;
constexpr int kErsteJahrGruppe = 2;
constexpr int kGruppenJeJahr = 5;
constexpr int kKindergeld = 0;
constexpr int kBBG = 1;
constexpr int kBeitragssaetze = 2;
constexpr int kGleitzone = 3;
constexpr int kKammern = 4;
constexpr int kUpdate = kErsteJahrGruppe + 2 * kGruppenJeJahr;

// Used after the program end it is quietly made again: the shut-down saves the options late.
constinit TSingleton<TOptionenVtrl> gOptionenVtrl("OptionenVtrl", "", false);

// Gives `nach` the text of each named value of `von` where it differs. Equal values are left
// alone, so copying back and forth between two data sets comes to rest after one round.
void Angleichen(const TDaten& von, TDaten& nach, std::initializer_list<const char*> namen)
{
    for (const char* name : namen) {
        const TValue* quelle = von.FindValue(name);
        TValue* ziel = nach.FindValue(name);
        VT_ASSERT(quelle != nullptr && ziel != nullptr, "Option fehlt beim Angleichen");
        if (ziel->GetStoredString() != quelle->GetStoredString())
            ziel->SetAsString(quelle->GetStoredString());
    }
}

void VerzeichnisErstellen(const std::string& datei)
{
    const std::string verzeichnis = datei.substr(0, datei.rfind('/') + 1);
    try {
        ForceDirectories(verzeichnis);
    } catch (const Exception& e) {
        throw Exception("Das Verzeichnis kann nicht erstellt werden\n" + verzeichnis + "\n" +
                        e.what());
    }
}

// Writes one OPTIONEN.INI, in one go. When its directory is missing, it is created and the
// writing repeated once; a second failure is reported, not retried.
void Schreiben(const std::string& datei, const std::function<void(TXIniFile&)>& schreiben)
{
    TXIniFile ini(datei);
    ini.BeginUpdate();
    schreiben(ini);
    try {
        ini.UpdateFile();
    } catch (const EIniFileError& e) {
        if (e.Code() != ENOENT)
            throw;
        VerzeichnisErstellen(datei);
        ini.UpdateFile();
    }
}

} // namespace

void TOptionenVtrlDaten::CreateValues()
{
    CreateComponent<TOptionenAllgemein>(this, "BenutzerOptionen");
    CreateComponent<TOptionenKammernAllg>(this, "KammernAllg");
    for (int jahr = kErstesOptionenJahr; jahr <= kLetztesOptionenJahr; ++jahr) {
        const std::string j = std::to_string(jahr);
        CreateComponent<TOptionenKindergeld>(this, "KinderG" + j, jahr);
        CreateComponent<TOptionenBBG>(this, "BBG" + j, jahr);
        CreateComponent<TOptionenBeitragssaetze>(this, "Beitragssaetze" + j, jahr);
        CreateComponent<TOptionenGleitzone>(this, "Gleitzone" + j, jahr);
        CreateComponent<TOptionenKammern>(this, "Kammern" + j, jahr);
    }
    CreateComponent<TOptionenUpdate>(this, "Update");
}

TOptionenAllgemein& TOptionenVtrlDaten::Allgemein() const
{
    return static_cast<TOptionenAllgemein&>(GetBerechnung(kAllgemein));
}

TOptionenAllgemeinDaten& TOptionenVtrlDaten::AllgemeinDaten() const
{
    return Allgemein().AllgemeinDaten();
}

TBerechnung& TOptionenVtrlDaten::KammernAllg() const
{
    return GetBerechnung(kKammernAllg);
}

TOptionenKammernAllgDaten& TOptionenVtrlDaten::KammernAllgDaten() const
{
    return static_cast<TOptionenKammernAllgDaten&>(KammernAllg().Daten());
}

TBerechnung& TOptionenVtrlDaten::Update() const
{
    return GetBerechnung(kUpdate);
}

TOptionenUpdateDaten& TOptionenVtrlDaten::UpdateDaten() const
{
    return static_cast<TOptionenUpdateDaten&>(Update().Daten());
}

TBerechnung& TOptionenVtrlDaten::JahrGruppe(int jahr, int index, const char* getter) const
{
    if (jahr < kErstesOptionenJahr)
        throw Exception(std::string("Jahr zu niedrig (TOptionenVtrl.") + getter + ")");
    const int j = std::min(jahr, kLetztesOptionenJahr);
    return GetBerechnung(kErsteJahrGruppe + (j - kErstesOptionenJahr) * kGruppenJeJahr + index);
}

TOptionenKindergeld& TOptionenVtrlDaten::Kindergeld(int jahr) const
{
    return static_cast<TOptionenKindergeld&>(JahrGruppe(jahr, kKindergeld, "Kindergeld"));
}

TOptionenKindergeldDaten& TOptionenVtrlDaten::KindergeldDaten(int jahr) const
{
    return static_cast<TOptionenKindergeldDaten&>(
        JahrGruppe(jahr, kKindergeld, "KindergeldDaten").Daten());
}

TOptionenBBG& TOptionenVtrlDaten::BBG(int jahr) const
{
    return static_cast<TOptionenBBG&>(JahrGruppe(jahr, kBBG, "BBG"));
}

TOptionenBBGDaten& TOptionenVtrlDaten::BBGDaten(int jahr) const
{
    return static_cast<TOptionenBBGDaten&>(JahrGruppe(jahr, kBBG, "BBGDaten").Daten());
}

TOptionenBeitragssaetze& TOptionenVtrlDaten::Beitragssaetze(int jahr) const
{
    return static_cast<TOptionenBeitragssaetze&>(
        JahrGruppe(jahr, kBeitragssaetze, "Beitragssaetze"));
}

TOptionenBeitragssaetzeDaten& TOptionenVtrlDaten::BeitragssaetzeDaten(int jahr) const
{
    return static_cast<TOptionenBeitragssaetzeDaten&>(
        JahrGruppe(jahr, kBeitragssaetze, "BeitragssaetzeDaten").Daten());
}

TOptionenBeitragssaetzeDaten& TOptionenVtrlDaten::Beitragssatz(int jahr) const
{
    return static_cast<TOptionenBeitragssaetzeDaten&>(
        JahrGruppe(jahr, kBeitragssaetze, "Beitragssatz").Daten());
}

TOptionenGleitzone& TOptionenVtrlDaten::Gleitzone(int jahr) const
{
    return static_cast<TOptionenGleitzone&>(JahrGruppe(jahr, kGleitzone, "Gleitzone"));
}

TOptionenGleitzoneDaten& TOptionenVtrlDaten::GleitzoneDaten(int jahr) const
{
    return static_cast<TOptionenGleitzoneDaten&>(
        JahrGruppe(jahr, kGleitzone, "GleitzoneDaten").Daten());
}

TOptionenKammern& TOptionenVtrlDaten::Kammern(int jahr) const
{
    return static_cast<TOptionenKammern&>(JahrGruppe(jahr, kKammern, "Kammern"));
}

TOptionenKammernDaten& TOptionenVtrlDaten::KammernDaten(int jahr) const
{
    return static_cast<TOptionenKammernDaten&>(JahrGruppe(jahr, kKammern, "KammernDaten").Daten());
}

void TOptionenVtrlDaten::GetAbDaten(TJahrListe& liste, bool mitKindergeld) const
{
    for (int jahr = kErstesOptionenJahr; jahr <= kLetztesOptionenJahr; ++jahr) {
        liste.AddDatum(jahr, 1);
        const int satzAb = BeitragssaetzeDaten(jahr).AbMonat();
        const int kindergeldAb = KindergeldDaten(jahr).AbMonat();
        for (int monat = 2; monat <= 12; ++monat) {
            if (monat == satzAb || (mitKindergeld && monat == kindergeldAb))
                liste.AddDatum(jahr, monat);
        }
    }
}

TOptionenVtrl::TOptionenVtrl() : TOptionenVtrlDaten(nullptr, "Optionen")
{
    init();
    Load();
    Verbinden();
    // From now on every change of the options reaches every other data set (currency names);
    // the data sets made before the options learn the loaded state now.
    const auto waehrung = [](TDaten& daten) { daten.UpdateWaehrungStr(); };
    OnChange = [waehrung](TDaten& sender, TValue*) {
        MVCApplication().Broadcast(&sender, waehrung);
    };
    MVCApplication().Broadcast(this, waehrung);
}

TOptionenVtrl::~TOptionenVtrl()
{
    // The display singletons may outlive the container: their handlers must not point here.
    if (m_verbunden) {
        if (TOptionen* optionen = OptionenSingleton().Existing())
            optionen->OnChange = nullptr;
        if (TOptionenTabelle* tabelle = OptionenTabelleSingleton().Existing())
            tabelle->OnChange = nullptr;
    }
}

void TOptionenVtrl::Load()
{
    const TXIniFile benutzer(BenutzerOptionenDatei());
    const TXIniFile gemeinsam(OptionenDatei());
    // Told before any value changes: the message waits for the user.
    benutzer.EinstellungenLesbar();
    gemeinsam.EinstellungenLesbar();
    {
        TUpdateGuard guard(*this);
        Allgemein().LoadFromIni(benutzer, Allgemein().Name());
        for (int i = kKammernAllg; i < BerechnungCount(); ++i)
            GetBerechnung(i).LoadFromIni(gemeinsam, GetBerechnung(i).Name());
    }
    Changed();
    m_gespeichert.clear();
    for (int i = 0; i < BerechnungCount(); ++i)
        GetBerechnung(i).Daten().ForEachValue(
            [this](TValue& wert) { m_gespeichert[&wert] = wert.GetStoredString(); });
}

void TOptionenVtrl::Geaenderte(const TBerechnung& gruppe, std::vector<TZuSchreiben>& liste,
                               const TValue* nurWert) const
{
    gruppe.Daten().ForEachValue([&](TValue& wert) {
        if (nurWert != nullptr && &wert != nurWert)
            return;
        const auto gespeichert = m_gespeichert.find(&wert);
        if (gespeichert == m_gespeichert.end() || gespeichert->second != wert.GetStoredString())
            liste.push_back({&wert, gruppe.Name()});
    });
}

void TOptionenVtrl::DateiSpeichern(const std::string& datei, const std::vector<TZuSchreiben>& werte)
{
    if (werte.empty())
        return;
    Schreiben(datei, [&](TXIniFile& ini) {
        for (const TZuSchreiben& z : werte)
            z.wert->SaveStored(ini, z.sektion);
    });
    for (const TZuSchreiben& z : werte)
        m_gespeichert[z.wert] = z.wert->GetStoredString();
}

void TOptionenVtrl::Save(bool alle)
{
    const bool alles = alle || AllgemeinDaten().BeimBeendenSpeichern();
    // Each file on its own: a file that cannot be written keeps no other from being saved.
    TFehlerSammlung fehler;
    fehler.Versuche([&] {
        std::vector<TZuSchreiben> werte;
        Geaenderte(Allgemein(), werte,
                   alles ? nullptr : &AllgemeinDaten().Schalter("BeimBeendenSpeichern"));
        DateiSpeichern(BenutzerOptionenDatei(), werte);
    });
    fehler.Versuche([&] {
        std::vector<TZuSchreiben> werte;
        for (int i = alles ? kKammernAllg : kUpdate; i < BerechnungCount(); ++i)
            Geaenderte(GetBerechnung(i), werte);
        DateiSpeichern(OptionenDatei(), werte);
    });
    fehler.Werfen(kNichtGespeichert);
}

bool TOptionenVtrl::UpdaterVerfuegbar() const
{
    // The same test as the start-up's before it starts the updater: a program file, executable.
    const std::string updater = ShellFolders().ProgramDirectory() + "XoLStTabUpdater";
    struct stat st {};
    return stat(updater.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           access(updater.c_str(), X_OK) == 0;
}

void TOptionenVtrl::Verbinden()
{
    TOptionen& optionen = Optionen();
    TOptionenTabelle& tabelle = OptionenTabelle();
    m_verbunden = true;
    optionen.OnChange = [this](TDaten& sender, TValue*) {
        Angleichen(sender, AllgemeinDaten(), {"EuroSymbol", "FetteSchrift", "GrosseSchrift"});
    };
    tabelle.OnChange = [this](TDaten& sender, TValue*) {
        Angleichen(sender, AllgemeinDaten(), {"TabellenImVordergrund"});
    };
    Allgemein().NachAenderung = [this] { AllgemeinGeaendert(); };
    AllgemeinGeaendert();
}

void TOptionenVtrl::AllgemeinGeaendert()
{
    Angleichen(AllgemeinDaten(), Optionen(), {"EuroSymbol", "FetteSchrift", "GrosseSchrift"});
    Angleichen(AllgemeinDaten(), OptionenTabelle(), {"TabellenImVordergrund"});
}

TOptionenVtrl& OptionenVtrl()
{
    return gOptionenVtrl.Instance();
}

TSingleton<TOptionenVtrl>& OptionenVtrlSingleton()
{
    return gOptionenVtrl;
}
