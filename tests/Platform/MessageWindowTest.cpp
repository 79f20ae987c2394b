#include "Platform/MessageWindow.h"
#include "Platform/ProzessStart.h"

#include "Support/TempXdg.h"
#include "Support/Warten.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kKlasse = "XoVtrlTray";
const QString kTitel = "Vantrel Tray Icon 2026";

} // namespace

TEST(MessageWindow, PostedLineArrivesAtTheWindowOfClassAndTitle)
{
    TTempXdg xdg;
    TMessageWindow fenster;
    ASSERT_TRUE(fenster.Oeffnen(kKlasse, kTitel));
    QSignalSpy spy(&fenster, &TMessageWindow::NachrichtErhalten);
    EXPECT_TRUE(PostWindowMessage(kKlasse, kTitel, "CloseXoLStTabTrayApp"));
    ASSERT_TRUE(spy.wait(kGeduldMs));
    EXPECT_EQ(spy.at(0).at(0).toString(), "CloseXoLStTabTrayApp");
}

TEST(MessageWindow, NoWindowMeansNotFound)
{
    TTempXdg xdg;
    EXPECT_FALSE(PostWindowMessage(kKlasse, kTitel, "CloseXoLStTabTrayApp"));
    TMessageWindow fenster;
    ASSERT_TRUE(fenster.Oeffnen(kKlasse, "anderer Titel"));
    EXPECT_FALSE(PostWindowMessage(kKlasse, kTitel, "CloseXoLStTabTrayApp"));
}

TEST(MessageWindow, SocketReachableByTheUserOnly)
{
    TTempXdg xdg;
    TMessageWindow fenster;
    ASSERT_TRUE(fenster.Oeffnen(kKlasse, kTitel));
    struct stat st {};
    ASSERT_EQ(stat(MessageWindowName(kKlasse, kTitel).toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0077, 0u);
}

TEST(MessageWindow, OverlongLineFromAStrangerIsDropped)
{
    TTempXdg xdg;
    TMessageWindow fenster;
    ASSERT_TRUE(fenster.Oeffnen(kKlasse, kTitel));
    QSignalSpy spy(&fenster, &TMessageWindow::NachrichtErhalten);
    QLocalSocket fremder;
    fremder.connectToServer(MessageWindowName(kKlasse, kTitel));
    ASSERT_TRUE(fremder.waitForConnected(kGeduldMs));
    fremder.write(QByteArray(TMessageWindow::kMaxZeile * 4, 'x'));
    fremder.waitForBytesWritten(kGeduldMs);
    EXPECT_FALSE(spy.wait(300));
    EXPECT_TRUE(PostWindowMessage(kKlasse, kTitel, "danach"));
    ASSERT_TRUE(spy.wait(kGeduldMs));
    EXPECT_EQ(spy.last().at(0).toString(), "danach");
}

namespace {

// Writes raw bytes as a stranger would and hangs up.
void Schreiben(const QByteArray& daten)
{
    QLocalSocket fremder;
    fremder.connectToServer(MessageWindowName(kKlasse, kTitel));
    ASSERT_TRUE(fremder.waitForConnected(kGeduldMs));
    fremder.write(daten);
    fremder.waitForBytesWritten(kGeduldMs);
    fremder.disconnectFromServer();
}

struct ZeilenFall {
    const char* name;
    QByteArray daten;
    QStringList erwartet; // messages delivered
};

const ZeilenFall kZeilenFaelle[] = {
    {"one_line", "CloseXoLStTabTrayApp\n", {"CloseXoLStTabTrayApp"}},
    {"crlf", "CloseXoLStTabTrayApp\r\n", {"CloseXoLStTabTrayApp"}},
    {"unknown_text_as_it_stands", " fremd \n", {" fremd "}},
    {"only_the_first_line", "eins\nCloseXoLStTabTrayApp\n", {"eins"}},
    {"longest_line",
     QByteArray(TMessageWindow::kMaxZeile, 'x') + "\n",
     {QString(TMessageWindow::kMaxZeile, 'x')}},
    {"one_beyond_the_longest", QByteArray(TMessageWindow::kMaxZeile + 1, 'x') + "\n", {}},
    // The cut of an overlong line must not turn its tail into a message of its own.
    {"overlong_hiding_a_message",
     QByteArray(TMessageWindow::kMaxZeile + 2, 'x') + "CloseXoLStTabTrayApp\n",
     {}},
    {"no_line_end", "CloseXoLStTabTrayApp", {}},
};

class MessageWindowZeilen : public testing::TestWithParam<ZeilenFall> {};

} // namespace

TEST_P(MessageWindowZeilen, OneBoundedLinePerConnection)
{
    const ZeilenFall& fall = GetParam();
    TTempXdg xdg;
    TMessageWindow fenster;
    ASSERT_TRUE(fenster.Oeffnen(kKlasse, kTitel));
    QSignalSpy spy(&fenster, &TMessageWindow::NachrichtErhalten);
    Schreiben(fall.daten);
    // A proper message afterwards shows that everything before it has been dealt with.
    ASSERT_TRUE(PostWindowMessage(kKlasse, kTitel, "Ende"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !spy.isEmpty() && spy.last().at(0).toString() == "Ende"; }, kGeduldMs));
    QStringList erhalten;
    for (const auto& signal : spy)
        erhalten << signal.at(0).toString();
    ASSERT_FALSE(erhalten.isEmpty());
    EXPECT_EQ(erhalten.takeLast(), "Ende");
    EXPECT_EQ(erhalten, fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Platform, MessageWindowZeilen, testing::ValuesIn(kZeilenFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(MessageWindow, SocketLeftByAKilledProgramIsTakenOver)
{
    TTempXdg xdg;
    // A socket file that nobody listens on any more, as a killed launcher leaves it.
    const QByteArray pfad = MessageWindowName(kKlasse, kTitel).toLocal8Bit();
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(pfad.size()), sizeof(adresse.sun_path));
    std::memcpy(adresse.sun_path, pfad.constData(), static_cast<std::size_t>(pfad.size()));
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof(adresse)), 0);
    close(fd);
    ASSERT_EQ(access(pfad.constData(), F_OK), 0);
    EXPECT_FALSE(PostWindowMessage(kKlasse, kTitel, "CloseXoLStTabTrayApp"));

    TMessageWindow fenster;
    ASSERT_TRUE(fenster.Oeffnen(kKlasse, kTitel)) << fenster.Fehler().toStdString();
    QSignalSpy spy(&fenster, &TMessageWindow::NachrichtErhalten);
    EXPECT_TRUE(PostWindowMessage(kKlasse, kTitel, "CloseXoLStTabTrayApp"));
    EXPECT_TRUE(spy.wait(kGeduldMs));
}

TEST(MessageWindow, LiveWindowIsNotTakenOverAndSaysWhy)
{
    TTempXdg xdg;
    TMessageWindow erstes;
    ASSERT_TRUE(erstes.Oeffnen(kKlasse, kTitel));
    TMessageWindow zweites;
    EXPECT_FALSE(zweites.Oeffnen(kKlasse, kTitel));
    EXPECT_FALSE(zweites.Fehler().isEmpty());
    QSignalSpy spy(&erstes, &TMessageWindow::NachrichtErhalten);
    EXPECT_TRUE(PostWindowMessage(kKlasse, kTitel, "noch da"));
    EXPECT_TRUE(spy.wait(kGeduldMs));
}

TEST(ProzessStart, MissingAndNotExecutableAreTold)
{
    QTemporaryDir dir;
    const std::string fehlt = dir.filePath("VtrlTray").toStdString();
    EXPECT_EQ(ProgrammStarten(fehlt), ENOENT);
    EXPECT_EQ(ProgrammStarten(""), ENOENT);
    std::ofstream(fehlt) << "kein Programm";
    EXPECT_EQ(ProgrammStarten(fehlt), EACCES);
    EXPECT_EQ(ProgrammStarten(dir.path().toStdString()), EACCES);
}

TEST(ProzessStart, StartsAProgramDetached)
{
    QTemporaryDir dir;
    const std::string marke = dir.filePath("gestartet").toStdString();
    const std::string skript = dir.filePath("prog").toStdString();
    std::ofstream(skript) << "#!/bin/sh\ntouch \"$1\"\n";
    chmod(skript.c_str(), 0700);
    ASSERT_EQ(ProgrammStarten(skript, {marke}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return access(marke.c_str(), F_OK) == 0; }, kGeduldMs));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
