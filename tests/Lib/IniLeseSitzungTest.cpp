// Reading sessions: objects of one file share what was read, and nothing else changes — a file
// changed on disk, a change collected by one object, a failed read or a write are all seen as
// without a session.
#include "Lib/IniFile.h"
#include "TempDir.h"
#include "Support/FileLayerFake.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

namespace {

class IniLeseSitzungTest : public testing::Test {
protected:
    void SetUp() override { TempDir::Schreiben(m_datei, "[S]\nK=1\n"); }
    int Gelesen() const { return m_schicht.Lesevorgaenge(m_datei); }

    TempDir m_dir;
    const std::string m_datei = m_dir.Datei("a.ini");
    TFileLayerFake m_schicht;
};

TEST_F(IniLeseSitzungTest, ObjectsOfOneFileReadItOnceInASessionAndEachOnItsOwnOutside)
{
    {
        const TIniLeseSitzung sitzung;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(TXIniFile(m_datei).ReadString("S", "K", ""), "1");
        EXPECT_EQ(Gelesen(), 1);
        {
            // An inner session ending leaves the outer one's files in place.
            const TIniLeseSitzung innen;
            EXPECT_EQ(TIniFile(m_datei).ReadInteger("S", "K", 0), 1);
        }
        EXPECT_EQ(TIniFile(m_datei).ReadInteger("S", "K", 0), 1);
        EXPECT_EQ(Gelesen(), 1);
    }
    EXPECT_EQ(TIniFile(m_datei).ReadString("S", "K", ""), "1");
    EXPECT_EQ(TIniFile(m_datei).ReadString("S", "K", ""), "1");
    EXPECT_EQ(Gelesen(), 3);
}

// Each case changes the file in its own way while a session holds it; the next reader sees the
// file as it is now, as it would without a session.
struct TAenderung {
    const char* name;
    std::function<void(const std::string& datei)> aendern;
    const char* erwartet; // the value of [S] K read afterwards
};

const TAenderung kAenderungen[] = {
    {"another program rewrites it with a new length",
     [](const std::string& d) { TempDir::Schreiben(d, "[S]\nK=22\n"); }, "22"},
    {"another object writes a key at once",
     [](const std::string& d) { TIniFile(d).WriteString("S", "K", "3"); }, "3"},
    {"another object saves collected changes",
     [](const std::string& d) {
         TXIniFile ini(d);
         ini.BeginUpdate();
         ini.WriteString("S", "K", "4");
         ini.WriteString("S", "L", "5");
         ini.UpdateFile();
     },
     "4"},
    {"another object removes the section",
     [](const std::string& d) { TIniFile(d).EraseSection("S"); }, "fehlt"},
};

TEST_F(IniLeseSitzungTest, AFileChangedMeanwhileIsReadAsItIsNow)
{
    for (const TAenderung& fall : kAenderungen) {
        SCOPED_TRACE(fall.name);
        TempDir::Schreiben(m_datei, "[S]\nK=1\n");
        const TIniLeseSitzung sitzung;
        const TIniFile frueher(m_datei);
        EXPECT_EQ(frueher.ReadString("S", "K", "fehlt"), "1");
        fall.aendern(m_datei);
        EXPECT_EQ(TIniFile(m_datei).ReadString("S", "K", "fehlt"), fall.erwartet);
        EXPECT_EQ(frueher.ReadString("S", "K", "fehlt"), fall.erwartet);
    }
}

TEST_F(IniLeseSitzungTest, ChangesCollectedByOneObjectStayItsOwnUntilSaved)
{
    const TIniLeseSitzung sitzung;
    TXIniFile schreiber(m_datei);
    const TXIniFile leser(m_datei);
    EXPECT_EQ(leser.ReadString("S", "K", ""), "1");
    schreiber.BeginUpdate();
    schreiber.WriteString("S", "K", "neu");
    schreiber.WriteString("T", "L", "2");
    EXPECT_EQ(schreiber.ReadString("S", "K", ""), "neu");
    // Neither the object that shares the text nor a new one sees what is not on disk.
    EXPECT_EQ(leser.ReadString("S", "K", ""), "1");
    EXPECT_FALSE(TIniFile(m_datei).SectionExists("T"));
    schreiber.UpdateFile();
    EXPECT_EQ(leser.ReadString("S", "K", ""), "neu");
    EXPECT_EQ(TIniFile(m_datei).ReadString("T", "L", ""), "2");
    EXPECT_EQ(TempDir::Lesen(m_datei), "[S]\nK=neu\n\n[T]\nL=2\n");
}

TEST_F(IniLeseSitzungTest, AFailedReadIsNotSharedSoTheNextObjectAsksAgain)
{
    const TIniLeseSitzung sitzung;
    m_schicht.Scheitern(TFileLayerFake::Schritt::Lesen, EIO);
    const TIniFile erstes(m_datei);
    EXPECT_EQ(erstes.ReadString("S", "K", "def"), "def");
    EXPECT_EQ(erstes.Lesefehler(), EIO);
    m_schicht.Scheitern(TFileLayerFake::Schritt::Keiner, 0);
    const TIniFile zweites(m_datei);
    EXPECT_EQ(zweites.ReadString("S", "K", "def"), "1");
    EXPECT_EQ(zweites.Lesefehler(), 0);
    // The unreadable state stays with the object that met it: it never overwrites the file.
    EXPECT_EQ(Gelesen(), 2);
}

} // namespace
