#include "Forms/Optionen/FoOptionenPruefung.h"

#include "Forms/Optionen/OptionenSeiten.h"
#include "Gui/BergForm.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/PageForm.h"
#include "Lib/IniFile.h"
#include "MVCFrame/Daten.h"
#include "Support/DateiBestand.h"
#include "Support/OptionenUmgebung.h"
#include "Support/Warten.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <ostream>
#include <string>

namespace {

// Stored by a user who changed the additional health rate and, for July, the unemployment rate.
const char* const kGespeichert = "[BBG2026]\nBBG_KV=6000\n"
                                 "[Beitragssaetze2026]\nAbDatum=1.7.\nKVSatzZB=3,10\nAVSatzAb=3,0\n"
                                 "[KinderG2026]\nAbDatum=1.7.\n1_Ki=250\n";

// What the user does with the shown dialog.
using TBedienung = std::function<void(TFoOptionenPruefung&)>;

class FoOptionenPruefungTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        m_umgebung.Xdg().Schreibe(
            m_umgebung.GemeinsameDatei().substr(m_umgebung.Xdg().Wurzel().string().size()),
            kGespeichert);
        TOptionenUmgebung::Starten();
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GuiHookFixture::TearDown();
    }

    // Asks with the page `seite`; `bedienung` acts on the dialog as it is shown.
    bool Fragen(TOptionenSeite seite, const TBedienung& bedienung)
    {
        m_modalAntwort = [this, &bedienung](QWidget& w) {
            auto& dialog = dynamic_cast<TFoOptionenPruefung&>(w);
            dialog.show();
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            bedienung(dialog);
            m_ergebnis = dialog.ModalResult();
            return m_ergebnis;
        };
        return OptionenZuruecksetzenFragen(seite);
    }
    // Alt and a button's letter: the button shows itself pressed for a moment, then clicks.
    static void Mnemonik(TFoOptionenPruefung& dialog, Qt::Key taste)
    {
        QTest::keyClick(&dialog, taste, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.ModalResult() != mrNone; }, kGeduldMs));
    }
    static QLineEdit* Edit(const TFoOptionenPruefung& dialog, const char* name)
    {
        return dialog.ActivePageForm()->Panel()->findChild<QLineEdit*>(name);
    }
    static QString Text(const TFoOptionenPruefung& dialog, const char* label)
    {
        const auto* l = dialog.ActivePageForm()->Panel()->findChild<QLabel*>(label);
        return l ? l->text() : QStringLiteral("<fehlt>");
    }

    TOptionenUmgebung m_umgebung;
    int m_ergebnis = mrNone; // the modal result of the last question
};

struct SeitenFall {
    const char* name;
    TOptionenSeite seite;
    const char* ueberschrift;
    const char* edit;    // shows a stored value
    const char* wert;    // that value
    const char* gezeigt; // its text
    const char* vorgabe; // the default label of that value
    const char* vorgabeText;
};

void PrintTo(const SeitenFall& fall, std::ostream* os)
{
    *os << fall.name;
}

const SeitenFall kSeiten[] = {
    {"rates", osBeitragssaetze, "Beitragssätze 2026:", "ebKVSatzZB", "KVSatzZB", "3,10",
     "stKVSatzZB", "2,90"},
    {"child_benefit", osKindergeld, "Monatliches Kindergeld 2026:", "ebKiG1", "1_Ki", "250",
     "stKiG1", "259"},
};

class FoOptionenPruefungSeite : public FoOptionenPruefungTest,
                                public testing::WithParamInterface<SeitenFall> {};

} // namespace

TEST_P(FoOptionenPruefungSeite, ShowsTheOptionsPageWithTheStoredValuesToLookAtOnly)
{
    const SeitenFall& fall = GetParam();
    const bool ja = Fragen(fall.seite, [&fall](TFoOptionenPruefung& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Überprüfung der Optionen"));
        EXPECT_EQ(d.stFrage->text(),
                  QStringLiteral("Die in den Optionen für 2026 eingegebenen Werte sind nicht "
                                 "aktuell*). Sollen die Werte jetzt automatisch geändert werden?"));
        EXPECT_EQ(d.stAktuell->text(), QStringLiteral("*) im Dezember 2026"));
        EXPECT_EQ(d.bnJa->text(), "&Ja");
        EXPECT_TRUE(d.bnJa->isDefault());
        EXPECT_EQ(d.bnNein->text(), "&Nein");
        EXPECT_FALSE(d.bnHilfe->isVisible()) << "no help system";
        EXPECT_EQ(d.PageIndex(), fall.seite);
        if (fall.seite == osBeitragssaetze) {
            EXPECT_NE(dynamic_cast<TFoOptionenBeitragssaetze*>(d.ActivePageForm()), nullptr);
        } else {
            EXPECT_NE(dynamic_cast<TFoOptionenKindergeld*>(d.ActivePageForm()), nullptr);
        }
        const auto& seite = dynamic_cast<const TCustomFoOptionen&>(*d.ActivePageForm());
        EXPECT_EQ(seite.Ueberschrift(), QString::fromUtf8(fall.ueberschrift));
        QLineEdit* edit = Edit(d, fall.edit);
        ASSERT_NE(edit, nullptr) << fall.edit;
        EXPECT_EQ(edit->text(), fall.gezeigt);
        EXPECT_EQ(Text(d, fall.vorgabe), fall.vorgabeText);
        EXPECT_FALSE(SaveScreenshot(d, QStringLiteral("optionen-pruefung-") + fall.name).isEmpty());

        // Every value is readable: read-only, not greyed out, and the dialog as large as the page
        // within the screen (as wide as the page, with the valid-from column; taller pages
        // scroll).
        const QSize platz = d.screen()->availableGeometry().size();
        EXPECT_LE(d.width(), platz.width());
        EXPECT_LE(d.height(), platz.height());
        EXPECT_GE(d.width(), 401);
        EXPECT_GE(d.height(), 433);
        EXPECT_EQ(d.PageContainer()->horizontalScrollBar()->maximum(), 0);
        for (QLineEdit* feld : d.ActivePageForm()->Panel()->findChildren<QLineEdit*>()) {
            EXPECT_TRUE(feld->isEnabled()) << feld->objectName().toStdString();
            EXPECT_TRUE(feld->isReadOnly()) << feld->objectName().toStdString();
        }
        // A user who clicks into the value and types changes nothing.
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, "9");
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(edit->text(), fall.gezeigt);
        // A page taller than the dialog can be scrolled to its end.
        QScrollBar* leiste = d.PageContainer()->verticalScrollBar();
        EXPECT_TRUE(leiste->isEnabled());
        d.bnNein->setFocus();
        QTest::keyClick(d.bnNein, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.Panel1) << "Tab leads from the buttons to it";
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        EXPECT_EQ(leiste->value(), leiste->maximum());
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(ja);
    const TDaten& daten = fall.seite == osBeitragssaetze
                              ? static_cast<TDaten&>(OptionenVtrl().BeitragssaetzeDaten(2026))
                              : OptionenVtrl().KindergeldDaten(2026);
    EXPECT_EQ(daten.FindValue(fall.wert)->GetAsString(), fall.gezeigt);
}

INSTANTIATE_TEST_SUITE_P(Seiten, FoOptionenPruefungSeite, testing::ValuesIn(kSeiten),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FoOptionenPruefungTest, OnlyJaAnswersYesByKeyMouseOrMnemonic)
{
    constexpr int kJa = 1;
    constexpr int kNein = 2;
    const struct {
        const char* name;
        TBedienung bedienung;
        int ergebnis;
    } faelle[] = {
        {"enter", [](TFoOptionenPruefung& d) { QTest::keyClick(&d, Qt::Key_Return); }, kJa},
        {"alt_j", [](TFoOptionenPruefung& d) { Mnemonik(d, Qt::Key_J); }, kJa},
        {"click_ja", [](TFoOptionenPruefung& d) { QTest::mouseClick(d.bnJa, Qt::LeftButton); },
         kJa},
        {"space_on_ja", [](TFoOptionenPruefung& d) { QTest::keyClick(d.bnJa, Qt::Key_Space); },
         kJa},
        {"escape", [](TFoOptionenPruefung& d) { QTest::keyClick(&d, Qt::Key_Escape); }, kNein},
        {"enter_on_nein",
         [](TFoOptionenPruefung& d) {
             d.bnNein->setFocus();
             QTest::keyClick(&d, Qt::Key_Return);
         },
         kNein},
        {"alt_n", [](TFoOptionenPruefung& d) { Mnemonik(d, Qt::Key_N); }, kNein},
        {"click_nein", [](TFoOptionenPruefung& d) { QTest::mouseClick(d.bnNein, Qt::LeftButton); },
         kNein},
        {"closed", [](TFoOptionenPruefung& d) { d.close(); }, kNein},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Fragen(osKindergeld, fall.bedienung), fall.ergebnis == kJa) << fall.name;
        EXPECT_EQ(m_ergebnis, fall.ergebnis) << fall.name;
    }
}

TEST_F(FoOptionenPruefungTest, WholeCheckWithTheDialog)
{
    // "&Nein" leaves every file as it was: the pages save no state either.
    const auto vorher = DateiBestand(m_umgebung.Xdg().Wurzel());
    m_modalAntwort = [](QWidget& w) {
        QTest::keyClick(&w, Qt::Key_Escape);
        return dynamic_cast<TXoForm&>(w).ModalResult();
    };
    EXPECT_EQ(TOptionsBeitragssaetzeCheck(OptionenZuruecksetzenFragen).Run(), 0);
    EXPECT_EQ(TOptionsKindergeldCheck(OptionenZuruecksetzenFragen).Run(), 0);
    EXPECT_EQ(DateiBestand(m_umgebung.Xdg().Wurzel()), vorher);

    // "&Ja" (Enter) for the rates: their section is emptied, everything else stays.
    int gezeigt = 0;
    m_modalAntwort = [&gezeigt](QWidget& w) {
        ++gezeigt;
        auto& dialog = dynamic_cast<TFoOptionenPruefung&>(w);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QTest::keyClick(&dialog,
                        dialog.PageIndex() == osBeitragssaetze ? Qt::Key_Return : Qt::Key_Escape);
        return dialog.ModalResult();
    };
    EXPECT_EQ(TOptionsBeitragssaetzeCheck(OptionenZuruecksetzenFragen).Run(), 0);
    EXPECT_EQ(TOptionsKindergeldCheck(OptionenZuruecksetzenFragen).Run(), 0);
    EXPECT_EQ(gezeigt, 2);
    const TIniFile datei(m_umgebung.GemeinsameDatei());
    EXPECT_EQ(datei.ReadSection("Beitragssaetze2026"), std::vector<std::string>{});
    EXPECT_EQ(datei.ReadSection("KinderG2026"), (std::vector<std::string>{"AbDatum", "1_Ki"}));
    EXPECT_EQ(datei.ReadString("BBG2026", "BBG_KV", ""), "6000");
    auto nachher = DateiBestand(m_umgebung.Xdg().Wurzel());
    auto erwartet = vorher;
    nachher.erase(m_umgebung.GemeinsameDatei());
    erwartet.erase(m_umgebung.GemeinsameDatei());
    EXPECT_EQ(nachher, erwartet) << "no other file written";
}
