// The options dialog as the main window's "&Optionen..." runs it: OK assigns and saves, Cancel
// touches nothing, and a changed tray option creates or deletes the tray launcher's autostart
// entry. Every run happens in temporary XDG folders.
#include "Forms/Optionen/FoOptionen.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Gui/BergForm.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCTabelle.h"
#include "Gui/Tabelle.h"
#include "Lib/IniFile.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>

namespace {

std::string Lesen(const std::string& datei)
{
    std::ifstream in(datei, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

using TBedienung = std::function<void(TFoOptionen&)>;

class OptionenBearbeitenTest : public HauptfensterTest {
protected:
    void TearDown() override
    {
        CloseFormsOfClass(TTabelle::staticMetaObject);
        HauptfensterTest::TearDown();
    }

    std::string Programm() const { return m_xdg.Wurzel().string() + "/prog/"; }
    std::string Eintrag() const
    {
        return m_xdg.Config() + "autostart/Vantrel Tray Icon 2026.desktop";
    }
    void TrayProgramm() const
    {
        const std::string pfad = Programm() + "VtrlTray";
        std::ofstream(pfad) << "#!/bin/sh\n";
        chmod(pfad.c_str(), 0755);
    }
    // Runs "&Optionen..." with the user's handling of the shown dialog.
    bool Bearbeiten(const TBedienung& bedienung)
    {
        m_modalAntwort = [&bedienung](QWidget& w) {
            auto& dialog = dynamic_cast<TFoOptionen&>(w);
            dialog.show();
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            bedienung(dialog);
            return dialog.ModalResult();
        };
        return OptionenBearbeiten();
    }
    static void Ankreuzen(TFoOptionen& dialog, const char* name)
    {
        auto* box = dialog.ActivePageForm()->Panel()->findChild<QCheckBox*>(name);
        ASSERT_NE(box, nullptr) << name;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }
    static void Ok(TFoOptionen& dialog) { QTest::mouseClick(dialog.bnOK, Qt::LeftButton); }
    static void Abbrechen(TFoOptionen& dialog)
    {
        QTest::keyClick(dialog.TreeView1, Qt::Key_Escape);
    }
    static bool Infobereich() { return OptionenVtrl().AllgemeinDaten().InfobereichSymbol(); }
    static std::vector<std::string> Schluessel(const std::string& datei, const std::string& sektion)
    {
        std::vector<std::string> namen = TIniFile(datei).ReadSection(sektion);
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    TTempXdg& m_xdg = m_umgebung.Xdg();
};

using Keys = std::vector<std::string>;

} // namespace

TEST_F(OptionenBearbeitenTest, OkAssignsSavesOnlyChangedKeysAndReachesTheOpenWindows)
{
    auto fenster = std::make_unique<TMainForm>(m_xdg.Ordner("daten") + "/");
    fenster->init();
    fenster->SetActivePage(1);
    fenster->show();
    TLohnDaten& lohn = fenster->Lohn().LohnDatenOf();
    lohn.Jahr->SetValue(2026);
    ASSERT_DOUBLE_EQ(lohn.RVSatz->GetValue(), 18.6);
    fenster->LStTabelleOeffnen();
    QApplication::processEvents();
    TMVCTabelle* tabelle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<TFoLStTabelle*>(w))
            tabelle = t;
    ASSERT_NE(tabelle, nullptr);
    ASSERT_TRUE(tabelle->ImVordergrund());
    // Saving at the end is off: the dialog's OK must save by itself.
    OptionenVtrl().AllgemeinDaten().Schalter("BeimBeendenSpeichern").SetValue(false);

    const bool ok = Bearbeiten([](TFoOptionen& d) {
        Ankreuzen(d, "chEuroSymbol");
        Ankreuzen(d, "chTabellenImVordergrund");
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(d.TreeView1, Qt::Key_Down);
            QApplication::processEvents();
        }
        auto* rv = d.ActivePageForm()->Panel()->findChild<QLineEdit*>("ebRVSatz");
        rv->setFocus();
        rv->selectAll();
        QTest::keyClicks(rv, "18,8");
        // Enter is the dialog's OK.
        QTest::keyClick(d.TreeView1, Qt::Key_Return);
    });
    EXPECT_TRUE(ok);
    QApplication::processEvents();
    EXPECT_TRUE(Optionen().EuroSymbol());
    EXPECT_EQ(lohn.FindValue("WaehrungStr")->GetAsString(), "€");
    EXPECT_FALSE(tabelle->ImVordergrund()) << "the open table leaves the foreground";
    EXPECT_DOUBLE_EQ(lohn.RVSatz->GetValue(), 18.8) << "the payroll takes the new rate at once";
    EXPECT_EQ(Schluessel(m_umgebung.BenutzerDatei(), "BenutzerOptionen"),
              (Keys{"BeimBeendenSpeichern", "EuroSymbol", "TabellenImVordergrund"}));
    EXPECT_EQ(Schluessel(m_umgebung.GemeinsameDatei(), "Beitragssaetze2026"), Keys{"RVSatz"});
    EXPECT_EQ(TIniFile(m_umgebung.GemeinsameDatei()).ReadSections(), Keys{"Beitragssaetze2026"});
    // A new dialog shows the currency symbol on its pages.
    TFoOptionen neu(OptionenVtrl(), false);
    neu.init();
    neu.SetActivePage(4);
    EXPECT_EQ(neu.ActivePageForm()->Panel()->findChild<QLabel*>("stWaehr1")->text(), "€");
    fenster.reset();
}

TEST_F(OptionenBearbeitenTest, CancelLeavesBothFilesByteForByte)
{
    m_xdg.Schreibe("home/.config/Tovar/XoLStTab/OPTIONEN.INI",
                   "; eigene Notiz\n[BenutzerOptionen]\nGrosseSchrift=1\n");
    m_xdg.Schreibe("home/.local/share/Tovar/XoLStTab/OPTIONEN.INI",
                   "[BBG2026]\nBBG_KV=6000\n\n[Fremd]\nA=1\n");
    TOptionenUmgebung::Zuruecksetzen();
    TOptionenUmgebung::Starten();
    const std::string benutzer = Lesen(m_umgebung.BenutzerDatei());
    const std::string gemeinsam = Lesen(m_umgebung.GemeinsameDatei());
    for (const bool mitEscape : {true, false}) {
        const bool ok = Bearbeiten([mitEscape](TFoOptionen& d) {
            Ankreuzen(d, "chEuroSymbol");
            Ankreuzen(d, "chInfobereichSymbol");
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(d.TreeView1, Qt::Key_Down);
                QApplication::processEvents();
            }
            auto* kv = d.ActivePageForm()->Panel()->findChild<QLineEdit*>("ebBBGKV");
            kv->setFocus();
            kv->selectAll();
            QTest::keyClicks(kv, "7000,00");
            if (mitEscape)
                Abbrechen(d);
            else
                QTest::mouseClick(d.MyButton2, Qt::LeftButton);
        });
        EXPECT_FALSE(ok);
    }
    EXPECT_EQ(Lesen(m_umgebung.BenutzerDatei()), benutzer);
    EXPECT_EQ(Lesen(m_umgebung.GemeinsameDatei()), gemeinsam);
    EXPECT_FALSE(Optionen().EuroSymbol());
    EXPECT_DOUBLE_EQ(OptionenVtrl().BBGDaten(2026).GetBBGKV(), 6000);
    EXPECT_FALSE(std::filesystem::exists(Eintrag())) << "no autostart entry touched";
}

TEST_F(OptionenBearbeitenTest, FailedSaveIsToldAndTheNewOptionsStayInForce)
{
    // A folder where the user's file should be: writing it fails.
    m_xdg.Ordner("home/.config/Tovar/XoLStTab/OPTIONEN.INI");
    const bool ok = Bearbeiten([](TFoOptionen& d) {
        Ankreuzen(d, "chGrosseSchrift");
        Ok(d);
    });
    EXPECT_TRUE(ok);
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_TRUE(m_fehler.front().contains("OPTIONEN.INI kann nicht geschrieben werden: "))
        << m_fehler.front().toStdString();
    EXPECT_TRUE(Optionen().GrosseSchrift());
}

TEST_F(OptionenBearbeitenTest, TraySwitchCreatesAndDeletesTheAutostartEntry)
{
    TrayProgramm();
    OptionenVtrl().AllgemeinDaten().Schalter("InfobereichSymbol").SetValue(false);
    EXPECT_TRUE(Bearbeiten([](TFoOptionen& d) {
        Ankreuzen(d, "chInfobereichSymbol");
        Ok(d);
    }));
    ASSERT_TRUE(std::filesystem::exists(Eintrag()));
    const std::string inhalt = Lesen(Eintrag());
    EXPECT_NE(inhalt.find("Exec="), std::string::npos);
    EXPECT_NE(inhalt.find(Programm() + "VtrlTray"), std::string::npos) << inhalt;
    if (std::filesystem::exists("/usr/bin/desktop-file-validate")) {
        const std::string befehl = "/usr/bin/desktop-file-validate '" + Eintrag() + "'";
        EXPECT_EQ(std::system(befehl.c_str()), 0) << inhalt;
    }
    // OK without a change of the switch leaves the entry alone.
    std::filesystem::remove(Eintrag());
    EXPECT_TRUE(Bearbeiten([](TFoOptionen& d) { Ok(d); }));
    EXPECT_FALSE(std::filesystem::exists(Eintrag()));
    std::ofstream(Eintrag()) << inhalt;

    EXPECT_TRUE(Bearbeiten([](TFoOptionen& d) {
        Ankreuzen(d, "chInfobereichSymbol");
        Ok(d);
    }));
    EXPECT_FALSE(std::filesystem::exists(Eintrag()));
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
}

TEST_F(OptionenBearbeitenTest, AutostartFailuresAreToldAndTheOptionStaysAsChosen)
{
    OptionenVtrl().AllgemeinDaten().Schalter("InfobereichSymbol").SetValue(false);
    const auto einschalten = [](TFoOptionen& d) {
        Ankreuzen(d, "chInfobereichSymbol");
        Ok(d);
    };
    // No tray launcher beside the program.
    EXPECT_TRUE(Bearbeiten(einschalten));
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_EQ(m_fehler.front().toStdString(), "\"" + Programm() + "VtrlTray\" nicht gefunden!");
    EXPECT_FALSE(std::filesystem::exists(Eintrag()));
    EXPECT_TRUE(Infobereich());

    // The autostart folder cannot be made: a file stands in its place.
    TrayProgramm();
    m_xdg.Schreibe("home/.config/autostart", "kein Ordner");
    OptionenVtrl().AllgemeinDaten().Schalter("InfobereichSymbol").SetValue(false);
    m_fehler.clear();
    EXPECT_TRUE(Bearbeiten(einschalten));
    EXPECT_EQ(m_fehler.size(), 1);
    EXPECT_TRUE(Infobereich());

    // An entry that cannot be removed.
    std::filesystem::remove(m_xdg.Config() + "autostart");
    m_xdg.Schreibe("home/.config/autostart/Vantrel Tray Icon 2026.desktop/belegt", "x");
    m_fehler.clear();
    EXPECT_TRUE(Bearbeiten([](TFoOptionen& d) {
        Ankreuzen(d, "chInfobereichSymbol");
        Ok(d);
    }));
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_TRUE(m_fehler.front().startsWith("Autostart-Verknüpfung konnte nicht gelöscht werden."))
        << m_fehler.front().toStdString();
    EXPECT_FALSE(Infobereich());
}
