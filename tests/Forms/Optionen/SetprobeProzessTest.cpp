// The real Setprobe, run offscreen under a temporary home, as an installer would run it: what it
// leaves in the options file and the exit code the installer reads.
#include "Lib/IniFile.h"
#include "Support/DateiBestand.h"
#include "Support/TempXdg.h"
#include "Support/Warten.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <ostream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

const QString kProgramm = QStringLiteral(VT_SETPROBE_PROGRAMM);
const char* const kGemeinsam = "home/.local/share/Tovar/XoLStTab/OPTIONEN.INI";

enum class Stoerung {
    Keine,
    // No file may grow beyond 0 bytes: every write fails as on a full disk (also for root).
    SpeichernScheitert,
    // The options file is a directory: it cannot be read.
    Unlesbar,
    // The options file has no write bit (an administrator froze it); its folder may be written.
    Schreibgeschuetzt,
};

struct Fall {
    const char* name;
    bool ohneDisplay; // no window system at all, rather than offscreen
    const char* gespeichert; // the shared OPTIONEN.INI; nullptr: none (a fresh install)
    Stoerung stoerung;
    int exitCode;
    const char* fehler;              // a text on stderr, or nullptr
    bool unveraendert;               // every file stays as it was
    std::vector<std::string> danach; // the keys of the rates section afterwards
    const char* display = nullptr;   // with ohneDisplay: a DISPLAY on which no X server answers
};

void PrintTo(const Fall& fall, std::ostream* os)
{
    *os << fall.name;
}

const char* const kNurAbWert = "[BBG2026]\nBBG_KV=6000\n[Beitragssaetze2026]\nAVSatzAb=3,0\n";

// Valid-from values changed and stored with their date: the user would be asked.
const char* const kFrage = "[BBG2026]\nBBG_KV=6000\n[Beitragssaetze2026]\nAbDatum=1.7.\nRVSatzAb=19,0\n";
const char* const kOhneBildschirm = "Ohne Bildschirm kann nicht gefragt werden";

const Fall kFaelle[] = {
    {"fresh_install", false, nullptr, Stoerung::Keine, 0, nullptr, true, {}},
    {"silent_reset", false, kNurAbWert, Stoerung::Keine, 0, nullptr, false, {}},
    {"silent_reset_without_display", true, kNurAbWert, Stoerung::Keine, 0, nullptr, false, {}},
    {"question_offscreen", false, kFrage, Stoerung::Keine, 2, kOhneBildschirm, true,
     {"AbDatum", "RVSatzAb"}},
    {"question_without_display", true, kFrage, Stoerung::Keine, 2, kOhneBildschirm, true,
     {"AbDatum", "RVSatzAb"}},
    {"nothing_due_unreachable_display", true, nullptr, Stoerung::Keine, 0, nullptr, true, {},
     ":999"},
    {"question_unreachable_display", true, kFrage, Stoerung::Keine, 2, kOhneBildschirm, true,
     {"AbDatum", "RVSatzAb"}, ":999"},
    {"save_fails",
     false,
     kNurAbWert,
     Stoerung::SpeichernScheitert,
     1,
     "kann nicht geschrieben werden",
     true,
     {"AVSatzAb"}},
    {"read_only_options",
     false,
     kNurAbWert,
     Stoerung::Schreibgeschuetzt,
     1,
     "ist schreibgeschützt",
     true,
     {"AVSatzAb"}},
    {"unreadable_options",
     false,
     nullptr,
     Stoerung::Unlesbar,
     1,
     "Die Optionen können nicht gelesen werden",
     true,
     {}},
};

class SetprobeProzess : public testing::TestWithParam<Fall> {
protected:
    TTempXdg m_xdg;
};

} // namespace

TEST_P(SetprobeProzess, ExitCodeTellsTheInstallerWhetherTheCheckWasMade)
{
    const Fall& fall = GetParam();
    if (fall.gespeichert)
        m_xdg.Schreibe(kGemeinsam, fall.gespeichert);
    if (fall.stoerung == Stoerung::Unlesbar)
        m_xdg.Ordner(kGemeinsam);
    if (fall.stoerung == Stoerung::Schreibgeschuetzt)
        std::filesystem::permissions(m_xdg.Wurzel() / kGemeinsam, std::filesystem::perms(0444));
    const auto vorher = DateiBestand(m_xdg.Wurzel());

    QProcess setprobe;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    if (fall.ohneDisplay) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            umgebung.remove(name);
    }
    if (fall.display)
        umgebung.insert("DISPLAY", fall.display);
    setprobe.setProcessEnvironment(umgebung);
    if (fall.stoerung == Stoerung::SpeichernScheitert) {
        setprobe.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit grenze{0, 0};
            setrlimit(RLIMIT_FSIZE, &grenze);
        });
    }
    setprobe.start(kProgramm, {});
    ASSERT_TRUE(setprobe.waitForFinished(kGeduldMs)) << "no question may wait here";
    const std::string fehler = setprobe.readAllStandardError().toStdString();

    EXPECT_EQ(setprobe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(setprobe.exitCode(), fall.exitCode) << fehler;
    if (fall.fehler) {
        EXPECT_NE(fehler.find(fall.fehler), std::string::npos) << fehler;
    }
    if (fall.unveraendert) {
        EXPECT_EQ(DateiBestand(m_xdg.Wurzel()), vorher) << "no file created or changed";
    }
    if (fall.gespeichert) {
        const std::string datei = m_xdg.Wurzel().string() + "/" + kGemeinsam;
        EXPECT_EQ(TIniFile(datei).ReadSection("Beitragssaetze2026"), fall.danach);
        EXPECT_EQ(TIniFile(datei).ReadString("BBG2026", "BBG_KV", ""), "6000");
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, SetprobeProzess, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });
