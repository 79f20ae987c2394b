#pragma once
// Options tests run in a temporary home with fresh singletons (Support/OptionenUmgebung.h).
#include "Lib/IniFile.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class OptionenFixture : public testing::Test {
protected:
    static TOptionenVtrl& Starten() { return TOptionenUmgebung::Starten(); }
    // The program ends and starts again.
    static TOptionenVtrl& Neustart()
    {
        TOptionenUmgebung::Zuruecksetzen();
        return Starten();
    }

    std::string BenutzerDatei() const { return m_umgebung.BenutzerDatei(); }
    std::string GemeinsameDatei() const { return m_umgebung.GemeinsameDatei(); }
    static bool Vorhanden(const std::string& datei) { return std::filesystem::exists(datei); }
    static std::vector<std::string> Schluessel(const std::string& datei, const std::string& sektion)
    {
        return TIniFile(datei).ReadSection(sektion);
    }

    TOptionenUmgebung m_umgebung;
    TTempXdg& m_xdg = m_umgebung.Xdg();
};
