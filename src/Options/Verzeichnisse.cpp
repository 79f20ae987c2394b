#include "Options/Verzeichnisse.h"

#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "Options/ShellFolderList.h"
#include "Platform/ShellFolder.h"

#include <algorithm>

namespace {

constexpr TVerzeichnisPaar kVerzeichnisse[] = {
    {"DatenDatei", "DatenDateiPfad", kCsidlLocalAppData},
    {"OptionenDatei", "OptionenDateiPfad", kCsidlCommonAppData},
    {"BenutzerOptionenDatei", "BenutzerOptionenDateiPfad", kCsidlAppData},
};

constexpr TVerzeichnisPaar kVerzeichnisseVtrl[] = {
    {"KrankenkassenDatei", "KrankenkassenDateiPfad", kCsidlCommonAppData},
    {"ArbeitnehmerDatei", "ArbeitnehmerDateiPfad", kCsidlLocalAppData},
    {"BezugtexteDatei", "BezugtexteDateiPfad", kCsidlLocalAppData},
    {"WaehrungenDatei", "WaehrungenDateiPfad", kCsidlCommonAppData},
};

// `text` with a trailing `alt` replaced by `neu`; unchanged when it does not end with `alt`.
std::string EndungErsetzen(const std::string& text, const std::string& alt, const std::string& neu)
{
    if (text.size() < alt.size() || text.compare(text.size() - alt.size(), alt.size(), alt) != 0)
        return text;
    return text.substr(0, text.size() - alt.size()) + neu;
}

constinit TSingleton<TVerzeichnisse> gVerzeichnisse("Verzeichnisse", "Unit Verzeich");
constinit TSingleton<TVerzeichnisseVtrl> gVerzeichnisseVtrl("VerzeichnisseVtrl", "Unit VerzVtrl");

} // namespace

bool TPfadString::Validate(std::string& newText, const TValidateEvent& method)
{
    if (!TString::Validate(newText, method))
        return false;
    std::string pfad = PfadNormalisieren(newText);
    if (pfad.empty() || pfad.front() != kPfadTrenner)
        pfad = JoinPath(ShellFolders().ProgramDirectory(), pfad);
    newText = IncludeTrailingPathDelimiter(pfad);
    return true;
}

void TCustomVerzeichnisseDaten::CreateValues()
{
    const TShellFolderList& liste = ShellFolderList();
    const auto paare = Paare();
    for (int i = 0; i < static_cast<int>(paare.size()); ++i) {
        const TVerzeichnisPaar& paar = paare[static_cast<std::size_t>(i)];
        auto* ordner = new TIntegerLookupObj(this, paar.ordner);
        for (int eintrag = 0; eintrag < liste.Count(); ++eintrag)
            ordner->AddItem(liste.Strings()[static_cast<std::size_t>(eintrag)],
                            liste.Objects(eintrag));
        const int vorgabe = liste.FallbackFolder(paar.vorgabeOrdner);
        ordner->SetDefault(vorgabe);
        // A folder that this host does not offer (an old Pfade.ini, another machine) becomes
        // the list's first entry, "(Anderes)", so the stored path is kept as typed.
        ordner->OnValidate = [](TValue& sender, std::string& text, bool&) {
            const auto captions = static_cast<TIntegerLookupObj&>(sender).Captions();
            if (!captions.empty() &&
                std::find(captions.begin(), captions.end(), text) == captions.end())
                text = captions.front();
        };
        // Shown while disabled: a derived path is not editable but must still give its text,
        // or every file would land in the current directory.
        auto* pfad = new TPfadString(this, paar.pfad, cfShowDisabled, liste.FolderPath(vorgabe));
        pfad->SetFlag(TValue::vfEnabled, vorgabe == kCsidlAnderes);
        AddValueOnChange(ordner, [this, i](TValue&) { PfadAktualisieren(i); });
    }
}

TIntegerLookupObj& TCustomVerzeichnisseDaten::Ordner(int index) const
{
    return static_cast<TIntegerLookupObj&>(GetValue(2 * index));
}

TPfadString& TCustomVerzeichnisseDaten::Pfad(int index) const
{
    VT_ASSERT(index >= 0 && 2 * index + 1 < ValueCount(), "Verzeichnis-Index ungültig");
    return static_cast<TPfadString&>(GetValue(2 * index + 1));
}

void TCustomVerzeichnisseDaten::PfadAktualisieren(int index)
{
    const int nummer = Ordner(index).GetValue();
    TPfadString& pfad = Pfad(index);
    if (nummer == kCsidlAnderes) {
        pfad.SetFlag(TValue::vfEnabled, true);
        return;
    }
    pfad.SetFlag(TValue::vfEnabled, false);
    pfad.SetValue(ShellFolderList().FolderPath(nummer) + m_basisPfad);
}

void TCustomVerzeichnisseDaten::AllePfadeAktualisieren()
{
    for (int i = 0; i < static_cast<int>(Paare().size()); ++i)
        PfadAktualisieren(i);
}

void TCustomVerzeichnisseDaten::SetBasisPfad(const std::string& subPfad)
{
    const std::string neu =
        IncludeTrailingPathDelimiter(StripLeadingPathDelimiters(PfadNormalisieren(subPfad)));
    if (neu == m_basisPfad)
        return;
    {
        TUpdateGuard guard(*this);
        for (int i = 0; i < static_cast<int>(Paare().size()); ++i) {
            if (Ordner(i).GetValue() == kCsidlAnderes)
                continue;
            TPfadString& pfad = Pfad(i);
            pfad.SetDefault(EndungErsetzen(pfad.GetDefault(), m_basisPfad, neu));
            pfad.SetValue(EndungErsetzen(pfad.GetStoredString(), m_basisPfad, neu));
        }
        m_basisPfad = neu;
    }
    Changed();
}

std::span<const TVerzeichnisPaar> TVerzeichnisseDaten::Paare() const
{
    return kVerzeichnisse;
}

std::span<const TVerzeichnisPaar> TVerzeichnisseVtrlDaten::Paare() const
{
    return kVerzeichnisseVtrl;
}

TCustomVerzeichnisseDaten& TCustomVerzeichnisse::VerzeichnisDaten() const
{
    return static_cast<TCustomVerzeichnisseDaten&>(Daten());
}

const TPfadString& TCustomVerzeichnisse::GetPfad(int index) const
{
    const int paar = PaarIndex(index);
    if (paar < 0)
        throw Exception("Index ungültig (" + std::to_string(index) + ")");
    return VerzeichnisDaten().Pfad(paar);
}

void TCustomVerzeichnisse::Calculate()
{
    VerzeichnisDaten().AllePfadeAktualisieren();
}

void TCustomVerzeichnisse::Laden()
{
    init();
    const TXIniFile ini(ShellFolders().ProgramDirectory() + "Pfade.ini");
    ini.EinstellungenLesbar();
    LoadFromIni(ini, Name());
}

TVerzeichnisse::TVerzeichnisse() : TCustomVerzeichnisse(nullptr, "Verzeichnisse")
{
    Laden();
}

TDaten* TVerzeichnisse::CreateDaten()
{
    return CreateComponent<TVerzeichnisseDaten>(this, Name());
}

int TVerzeichnisse::PaarIndex(int index) const
{
    switch (index) {
    case kBenutzerOptionen:
        return 2;
    case kDaten:
        return 0;
    case kOptionen:
        return 1;
    default:
        return -1;
    }
}

TVerzeichnisseVtrl::TVerzeichnisseVtrl() : TCustomVerzeichnisse(nullptr, "VerzeichnisseVtrl")
{
    Laden();
}

TDaten* TVerzeichnisseVtrl::CreateDaten()
{
    return CreateComponent<TVerzeichnisseVtrlDaten>(this, Name());
}

int TVerzeichnisseVtrl::PaarIndex(int index) const
{
    return index >= kKrankenkassen && index <= kWaehrungen ? index : -1;
}

TVerzeichnisse& Verzeichnisse()
{
    return gVerzeichnisse.Instance();
}

TVerzeichnisseVtrl& VerzeichnisseVtrl()
{
    return gVerzeichnisseVtrl.Instance();
}

TSingleton<TVerzeichnisse>& VerzeichnisseSingleton()
{
    return gVerzeichnisse;
}

TSingleton<TVerzeichnisseVtrl>& VerzeichnisseVtrlSingleton()
{
    return gVerzeichnisseVtrl;
}
