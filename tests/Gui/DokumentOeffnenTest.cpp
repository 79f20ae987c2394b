#include "Gui/GuiHooks.h"

#include "GuiTestSupport.h"
#include "Support/TempXdg.h"

#include <QFile>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// The desktop's opener as the program starts it: xdg-open found on PATH, here a script of the
// test's own that records what it was given and answers with the exit code of the case.
class DokumentOeffnenTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        GuiHooks().oeffnen = DefaultGuiHooks().oeffnen;
        m_altPfad = std::getenv("PATH");
        m_bin = m_xdg.Ordner("bin");
        setenv("PATH", m_bin.c_str(), 1);
        m_dokument = m_xdg.Ordner("prog") + "/Anleitung.pdf";
        std::ofstream(m_dokument) << "%PDF-1.4\n";
    }
    void TearDown() override
    {
        setenv("PATH", m_altPfad.c_str(), 1);
        GuiHookFixture::TearDown();
    }
    void Oeffner(int exitCode)
    {
        const std::string skript = m_bin + "/xdg-open";
        std::ofstream(skript) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << m_bin
                              << "/gegeben'\nexit " << exitCode << "\n";
        std::filesystem::permissions(skript, std::filesystem::perms::owner_all);
    }
    QString Gegeben() const
    {
        QFile datei(QString::fromStdString(m_bin + "/gegeben"));
        return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
    }

    TTempXdg m_xdg;
    std::string m_altPfad;
    std::string m_bin;
    std::string m_dokument;
};

} // namespace

TEST_F(DokumentOeffnenTest, TheDesktopGetsExactlyTheFile)
{
    Oeffner(0);
    DokumentOeffnen(QString::fromStdString(m_dokument));
    QTRY_COMPARE_WITH_TIMEOUT(Gegeben(), QString::fromStdString(m_dokument), 10000);
}

TEST_F(DokumentOeffnenTest, WithoutAViewerTheUserLearnsWhereTheFileLies)
{
    // xdg-open missing altogether, or present without a program for PDF files (its code 3).
    for (const bool vorhanden : {false, true}) {
        m_fehler.clear();
        if (vorhanden)
            Oeffner(3);
        DokumentOeffnen(QString::fromStdString(m_dokument));
        QTRY_COMPARE_WITH_TIMEOUT(m_fehler.size(), 1, 10000);
        EXPECT_TRUE(m_fehler.front().contains("kein Anzeigeprogramm")) << vorhanden;
        EXPECT_TRUE(m_fehler.front().contains(QString::fromStdString(m_xdg.Ordner("prog"))))
            << m_fehler.front().toStdString();
    }
}
