#include "Platform/MessageWindow.h"
#include "Platform/ProzessStart.h"

#include "Support/TempXdg.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sys/stat.h>

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
    ASSERT_TRUE(spy.wait(2000));
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

TEST(MessageWindow, SecondWindowUnderTheSameAddressIsRefused)
{
    TTempXdg xdg;
    TMessageWindow erstes;
    ASSERT_TRUE(erstes.Oeffnen(kKlasse, kTitel));
    TMessageWindow zweites;
    EXPECT_FALSE(zweites.Oeffnen(kKlasse, kTitel));
    EXPECT_TRUE(erstes.Offen());
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
    ASSERT_TRUE(fremder.waitForConnected(1000));
    fremder.write(QByteArray(TMessageWindow::kMaxZeile * 4, 'x'));
    fremder.waitForBytesWritten(1000);
    EXPECT_FALSE(spy.wait(300));
    EXPECT_TRUE(PostWindowMessage(kKlasse, kTitel, "danach"));
    ASSERT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.last().at(0).toString(), "danach");
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
    for (int i = 0; i < 100 && access(marke.c_str(), F_OK) != 0; ++i)
        usleep(20000);
    EXPECT_EQ(access(marke.c_str(), F_OK), 0);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
