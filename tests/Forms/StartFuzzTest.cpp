// The whole start-up and shut-down of the main program over random settings files: the window
// placement and page file, both options files, the funds and the currencies. Each round writes
// hostile files into a fresh temporary home (known sections and keys with wild values, random
// bytes, a folder or a FIFO in a file's place), starts the program as main() does, saves with
// Ctrl+S (every third round) and closes it. Nothing may escape, hang or leave a window off the work area.
//
// Bounded to a few seconds; VT_FUZZ_SEKUNDEN and VT_FUZZ_SAAT change the time and the seed (each
// round's seed is printed with a failure, so a round can be repeated alone).
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Forms/MainForm.h"
#include "Forms/ProgrammStart.h"
#include "Forms/Start/Titel.h"
#include "Gui/BergForm.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/Rechner.h"
#include "Options/Options.h"
#include "Options/Verzeichnisse.h"
#include "Platform/ShellFolder.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

const char* const kSektionen[] = {"MainForm",
                                  "Entgeltabrechnung",
                                  "BenutzerOptionen",
                                  "KinderG2026",
                                  "BBG2026",
                                  "BBG2027",
                                  "Beitragssaetze2026",
                                  "Gleitzone2026",
                                  "Kammern2026",
                                  "KammernAllg",
                                  "Update",
                                  "Krankenkassen",
                                  "Waehrungen",
                                  "Kasse 1",
                                  "Dollar",
                                  "DM",
                                  "Euro",
                                  "Seite1",
                                  "Entgeltabrechnung.DetailEntgelte"};

const char* const kSchluessel[] = {"Links",
                                   "Oben",
                                   "Breite",
                                   "Hoehe",
                                   "Maximiert",
                                   "Seite",
                                   "Version",
                                   "HScrollPos",
                                   "VScrollPos",
                                   "ActiveControl",
                                   "KasseName",
                                   "WaehrungName",
                                   "Jahr",
                                   "Monat",
                                   "Jahrliste",
                                   "Zeitraum",
                                   "Steuerklasse",
                                   "Faktor",
                                   "Kinder",
                                   "Kinderfreibetraege",
                                   "BGS",
                                   "Entgelt",
                                   "Nettoentgelt",
                                   "Lohnsteuer",
                                   "Ausgangswert",
                                   "KVSatz",
                                   "KVZBSatz",
                                   "RVSatz",
                                   "Geburtsdatum",
                                   "Kirchensteuersatz",
                                   "Steuertage",
                                   "SVTage",
                                   "Zusatzbeitragssatz",
                                   "Kurs",
                                   "Kuerzel",
                                   "RVSatzAb",
                                   "AbDatum",
                                   "BBG_KV",
                                   "1_Ki",
                                   "GesamtSVSatz",
                                   "FreigrenzeBr",
                                   "EuroSymbol",
                                   "GrosseSchrift",
                                   "FetteSchrift",
                                   "TitelZeigen",
                                   "Mauspalette",
                                   "Statuszeile",
                                   "BeimBeendenSpeichern",
                                   "UpdateRhythmus",
                                   "ZuletztGesucht",
                                   "UpdaterGestartet",
                                   "InfobereichSymbol",
                                   "N0",
                                   "N1",
                                   "N5000"};

const char* const kWerte[] = {"",
                              "0",
                              "1",
                              "-1",
                              "2147483647",
                              "-2147483648",
                              "99999999",
                              "999999999999999999",
                              "0x7fffffff",
                              "$FFFFFFFF",
                              "1e308",
                              "nan",
                              "-0,01",
                              "2,45",
                              "100,01",
                              "1.000.000,00",
                              "31.02.2026",
                              "00.00.0000",
                              "Ja",
                              "Nein",
                              "DM",
                              "Euro",
                              "Kasse 1",
                              "Dollar",
                              "\"\"",
                              "'",
                              "=",
                              "[",
                              "]",
                              ";",
                              "Miete f\xC3\xBCr B\xC3\xBCro",
                              "\xFF\xFE\xFD",
                              "\xC3",
                              "\xE2\x82\xAC",
                              "9999",
                              "1111",
                              "5000",
                              "Monat",
                              "Tag",
                              "1.13.",
                              "2026",
                              "1989"};

class TZufall {
public:
    explicit TZufall(unsigned saat) : m_gen(saat) {}
    int Zahl(int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(m_gen); }
    template <std::size_t N> const char* Aus(const char* const (&liste)[N])
    {
        return liste[Zahl(static_cast<int>(N))];
    }
    std::string Bytes(int anzahl)
    {
        std::string text(static_cast<std::size_t>(anzahl), '\0');
        for (char& c : text)
            c = static_cast<char>(Zahl(256));
        return text;
    }
    // A settings text: known sections and keys with wild values, sometimes stray lines.
    std::string IniText()
    {
        std::string text = Zahl(4) == 0 ? "\xEF\xBB\xBF" : "";
        const char* ende = Zahl(3) == 0 ? "\r\n" : "\n";
        for (int s = Zahl(6); s >= 0; --s) {
            text += std::string("[") + Aus(kSektionen) + "]" + ende;
            for (int k = Zahl(12); k >= 0; --k) {
                switch (Zahl(10)) {
                case 0:
                    text += Bytes(Zahl(40)) + ende;
                    break;
                case 1:
                    text +=
                        std::string(Aus(kSchluessel)) + "=" + std::string(Zahl(5000), 'x') + ende;
                    break;
                case 2:
                    text += std::string(Aus(kSchluessel)) + "=" +
                            std::to_string(Zahl(100000) - 50000) + ende;
                    break;
                default:
                    text += std::string(Aus(kSchluessel)) + "=" + Aus(kWerte) + ende;
                }
            }
        }
        return text;
    }

private:
    std::mt19937 m_gen;
};

unsigned Umgebungszahl(const char* name, unsigned vorgabe)
{
    const char* wert = std::getenv(name);
    return wert ? static_cast<unsigned>(std::strtoul(wert, nullptr, 10)) : vorgabe;
}

// Writes what `zufall` chooses at `datei`: a settings text, random bytes, nothing, a folder or a
// FIFO.
void Anlegen(TZufall& zufall, const std::string& datei)
{
    std::filesystem::create_directories(std::filesystem::path(datei).parent_path());
    switch (zufall.Zahl(12)) {
    case 0:
        return; // missing
    case 1:
        std::filesystem::create_directories(datei);
        return;
    case 2:
        mkfifo(datei.c_str(), 0600);
        return;
    case 3:
        std::ofstream(datei, std::ios::binary) << zufall.Bytes(zufall.Zahl(4000));
        return;
    default:
        std::ofstream(datei, std::ios::binary) << zufall.IniText();
    }
}

class StartFuzzTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
    }
};

TEST_F(StartFuzzTest, RandomSettingsFilesNeverEndTheProgramBadly)
{
    const unsigned saat = Umgebungszahl("VT_FUZZ_SAAT", 2026);
    const qint64 grenzeMs = 1000LL * Umgebungszahl("VT_FUZZ_SEKUNDEN", 3);
    QElapsedTimer uhr;
    uhr.start();
    int runden = 0;
    for (unsigned runde = 0; runde < 500 && uhr.elapsed() < grenzeMs; ++runde, ++runden) {
        const unsigned rundenSaat = saat * 1000003u + runde;
        SCOPED_TRACE("VT_FUZZ_SAAT round seed " + std::to_string(rundenSaat));
        TZufall zufall(rundenSaat);
        TOptionenUmgebung umgebung;
        Verzeichnisse().SetBasisPfad(kBenutzerPfad);
        VerzeichnisseVtrl().SetBasisPfad(Verzeichnisse().GetBasisPfad());
        const std::string daten = Verzeichnisse().GetPfad(TVerzeichnisse::kDaten).GetValue();
        for (const std::string& datei :
             {daten + "VANTRL32.INI", umgebung.BenutzerDatei(), umgebung.GemeinsameDatei(),
              KassenDateiName(), WaehrungenDateiName()})
            Anlegen(zufall, datei);

        TProgrammStart start;
        start.programmVerzeichnis = ShellFolders().ProgramDirectory();
        start.datenVerzeichnis = daten;
        start.heute = SetDatum(15, 3, 2026);
        bool gestartet = false;
        ASSERT_NO_THROW(gestartet = start.Starten());
        ASSERT_TRUE(gestartet);
        QCoreApplication::processEvents();
        TMainForm& fenster = *start.hauptfenster;
        EXPECT_TRUE(GetWorkArea().contains(fenster.GetNormalBounds()))
            << fenster.GetNormalBounds().x() << "," << fenster.GetNormalBounds().y();
        if (zufall.Zahl(3) == 0) {
            // Saving writes each changed key durably on its own: not every round, for time.
            QApplication::setActiveWindow(&fenster);
            QTest::keyClick(&fenster, Qt::Key_S, Qt::ControlModifier);
            EXPECT_TRUE(fenster.isVisible()) << "Ctrl+S ended the program";
        }
        fenster.close();
        TFoTitel::Schliessen();
        start.rechner.reset();
        start.hauptfenster.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TOptionenUmgebung::Zuruecksetzen();
    }
    std::printf("start-up fuzz: %d rounds in %lld ms\n", runden,
                static_cast<long long>(uhr.elapsed()));
    EXPECT_GT(runden, 0);
}

} // namespace
