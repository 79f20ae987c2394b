#include "Forms/Dialoge/FoStammdaten.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Forms/DialogTestSupport.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

const char* const kKassen = "[Krankenkassen]\r\nN0=AOK\r\nN1=TK\r\nN2=BEK\r\nN3=DAK\r\n"
                            "[AOK]\r\nZusatzbeitragssatz=1,7\r\nPV_Sachsen=1\r\n"
                            "[TK]\r\nZusatzbeitragssatz=2,45\r\n"
                            "[BEK]\r\nZusatzbeitragssatz=2,5\r\n"
                            "[DAK]\r\nZusatzbeitragssatz=2,8\r\n";
const char* const kWaehrungen = "[Waehrungen]\r\nN0=Dollar\r\nN1=Pfund\r\n"
                                "[Dollar]\r\nKuerzel=USD\r\nKurs=1,1\r\n"
                                "[Pfund]\r\nKuerzel=GBP\r\nKurs=0,85\r\n";

class StammdatenDialogeTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        DateiSchreiben(KassenDateiName(), kKassen);
        DateiSchreiben(WaehrungenDateiName(), kWaehrungen);
        m_seite->Refresh();
    }
    static QStringList Eintraege(QListWidget& liste)
    {
        QStringList texte;
        for (int i = 0; i < liste.count(); ++i)
            texte << liste.item(i)->text();
        return texte;
    }
    template <class T> static T* Kind(QWidget& w, const char* name)
    {
        auto* kind = w.findChild<T*>(name);
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    // The list dialog shown without a modal run.
    template <class D> std::unique_ptr<D> Oeffnen(const QString& auswahl = QString())
    {
        auto dialog = std::make_unique<D>();
        dialog->init();
        dialog->SetAuswahl(auswahl);
        dialog->show();
        return dialog;
    }
};

} // namespace

TEST_F(StammdatenDialogeTest, DeleteAsksAndYesRemovesKeysAndSections)
{
    auto dialog = Oeffnen<TFoKassenMenue>("TK");
    QListWidget& liste = *dialog->Liste();
    EXPECT_EQ(Eintraege(liste), (QStringList{"AOK", "TK", "BEK", "DAK"}));
    EXPECT_TRUE(liste.item(1)->isSelected());
    EXPECT_EQ(dialog->windowTitle(), "Krankenkassen");
    EXPECT_EQ(dialog->bnLoeschen()->text(), "&Löschen...");
    EXPECT_TRUE(Kind<QPushButton>(*dialog, "bnHilfe")->isHidden());

    QTest::mouseClick(dialog->bnLoeschen(), Qt::LeftButton);
    ASSERT_EQ(m_fragen.size(), 1);
    EXPECT_EQ(m_fragen.back(), "Wollen Sie die Krankenkasse \"TK\" wirklich löschen?");
    EXPECT_EQ(m_fragenTitel.back(), "Bestätigen");
    EXPECT_TRUE(m_neinVorgabe);
    EXPECT_EQ(DateiLesen(KassenDateiName()), kKassen) << "No changes nothing";

    ZeileKlicken(liste, 0);
    ZeileKlicken(liste, 2, Qt::ShiftModifier);
    QTest::keyClick(&liste, Qt::Key_Delete);
    ASSERT_EQ(m_fragen.size(), 2);
    EXPECT_EQ(m_fragen.back(), "Wollen Sie die 3 markierten Krankenkassen wirklich löschen?");

    m_jaAntwort = true;
    QTest::mouseClick(dialog->bnLoeschen(), Qt::LeftButton);
    EXPECT_EQ(Eintraege(liste), QStringList{"DAK"});
    const std::string datei = DateiLesen(KassenDateiName());
    for (const char* weg : {"AOK", "TK", "BEK"})
        EXPECT_EQ(datei.find(weg), std::string::npos) << weg << "\n" << datei;
    EXPECT_NE(datei.find("N0=DAK"), std::string::npos) << datei;
    EXPECT_NE(datei.find("[DAK]"), std::string::npos) << datei;
    // The page offers what the file holds now.
    EXPECT_EQ(m_seite->Control<QComboBox>("cbKasse")->findText("AOK"), -1);
    EXPECT_NE(m_seite->Control<QComboBox>("cbKasse")->findText("DAK"), -1);
}

TEST_F(StammdatenDialogeTest, DefaultButtonFollowsTheList)
{
    auto dialog = Oeffnen<TFoKassenMenue>();
    QListWidget& liste = *dialog->Liste();
    EXPECT_TRUE(dialog->bnAendern()->isDefault()) << "none marked";
    EXPECT_FALSE(dialog->bnOK()->isEnabled());
    ZeileKlicken(liste, 1);
    EXPECT_TRUE(dialog->bnAendern()->isDefault()) << "one marked";
    EXPECT_TRUE(dialog->bnOK()->isEnabled());
    ZeileKlicken(liste, 2, Qt::ControlModifier);
    EXPECT_FALSE(dialog->bnAendern()->isDefault()) << "two marked";
    EXPECT_FALSE(dialog->bnNeu()->isDefault());
    EXPECT_FALSE(dialog->bnOK()->isEnabled());

    DateiSchreiben(KassenDateiName(), "");
    auto leer = Oeffnen<TFoKassenMenue>();
    EXPECT_EQ(leer->Liste()->count(), 0);
    EXPECT_TRUE(leer->bnNeu()->isDefault()) << "no entries";
}

TEST_F(StammdatenDialogeTest, ArrowKeysMarkTheEntryAndEnterChangesIt)
{
    auto dialog = Oeffnen<TFoKassenMenue>();
    QListWidget& liste = *dialog->Liste();
    EXPECT_EQ(dialog->focusWidget(), &liste) << "the list has the focus first";
    QTest::keyClick(&liste, Qt::Key_Down);
    EXPECT_TRUE(liste.item(0)->isSelected());
    QTest::keyClick(&liste, Qt::Key_Down);
    EXPECT_FALSE(liste.item(0)->isSelected());
    EXPECT_TRUE(liste.item(1)->isSelected());
    EXPECT_EQ(dialog->Auswahl(), "TK");
    EXPECT_TRUE(dialog->bnAendern()->isEnabled());
    bool geoeffnet = false;
    Antwort<TFoKasse>([&geoeffnet](TFoKasse& kasse) {
        geoeffnet = Kind<TMVCEdit>(kasse, "edBezeichnung")->text() == "TK";
        return 0;
    });
    QTest::keyClick(&liste, Qt::Key_Return);
    EXPECT_TRUE(geoeffnet);
}

TEST_F(StammdatenDialogeTest, NewThenCancelLeavesTheFileByteForByte)
{
    auto dialog = Oeffnen<TFoKassenMenue>();
    Antwort<TFoKasse>([](TFoKasse& kasse) {
        EXPECT_EQ(kasse.windowTitle(), "Krankenkasse");
        EXPECT_EQ(kasse.focusWidget(), Kind<TMVCEdit>(kasse, "edBezeichnung"));
        EXPECT_FALSE(kasse.bnOK()->isEnabled()) << "no name yet";
        Tippen(*Kind<TMVCEdit>(kasse, "edBezeichnung"), "IKK");
        EXPECT_TRUE(kasse.bnOK()->isEnabled());
        Tippen(*Kind<TMVCBetrag>(kasse, "ebKKZusatzbeitragsatz"), "2,10");
        QTest::mouseClick(kasse.bnAbbrechen(), Qt::LeftButton);
        return kasse.ModalResult();
    });
    QTest::mouseClick(dialog->bnNeu(), Qt::LeftButton);
    EXPECT_EQ(DateiLesen(KassenDateiName()), kKassen);
    EXPECT_EQ(dialog->Liste()->count(), 4);
}

TEST_F(StammdatenDialogeTest, NewFundTypedAndSavedIsSelectedAndOfferedByThePage)
{
    auto dialog = Oeffnen<TFoKassenMenue>();
    Antwort<TFoKasse>([](TFoKasse& kasse) {
        Tippen(*Kind<TMVCEdit>(kasse, "edBezeichnung"), "IKK classic");
        QTest::keyClick(Kind<TMVCEdit>(kasse, "edBezeichnung"), Qt::Key_Tab);
        Tippen(*Kind<TMVCBetrag>(kasse, "ebKKZusatzbeitragsatz"), "2,20");
        auto* sachsen = Kind<QCheckBox>(kasse, "chKKPVSachsen");
        sachsen->setFocus();
        QTest::keyClick(sachsen, Qt::Key_Space);
        QTest::keyClick(sachsen, Qt::Key_Return);
        return kasse.ModalResult();
    });
    QTest::mouseClick(dialog->bnNeu(), Qt::LeftButton);
    EXPECT_EQ(Eintraege(*dialog->Liste()).last(), "IKK classic");
    EXPECT_EQ(dialog->Auswahl(), "IKK classic");
    auto kasse = MakeComponent<TKasse>(nullptr, std::string());
    kasse->LoadKasse("IKK classic");
    EXPECT_DOUBLE_EQ(kasse->KasseDaten().Zusatzbeitragssatz().GetValue(), 2.2);
    EXPECT_TRUE(kasse->KasseDaten().PVSachsen().GetValue());
    EXPECT_NE(m_seite->Control<QComboBox>("cbKasse")->findText("IKK classic"), -1);

    // Changing it again rewrites it under its own key.
    Antwort<TFoKasse>([](TFoKasse& k) {
        EXPECT_EQ(Kind<TMVCEdit>(k, "edBezeichnung")->text(), "IKK classic");
        Tippen(*Kind<TMVCBetrag>(k, "ebKKZusatzbeitragsatz"), "2,30");
        QTest::mouseClick(k.bnOK(), Qt::LeftButton);
        return k.ModalResult();
    });
    m_antworten.erase(m_antworten.begin());
    QTest::mouseClick(dialog->bnAendern(), Qt::LeftButton);
    const std::string datei = DateiLesen(KassenDateiName());
    EXPECT_NE(datei.find("N4=IKK classic"), std::string::npos) << datei;
    EXPECT_EQ(datei.find("N5="), std::string::npos) << datei;
    kasse->LoadKasse("IKK classic");
    EXPECT_DOUBLE_EQ(kasse->KasseDaten().Zusatzbeitragssatz().GetValue(), 2.3);
}

TEST_F(StammdatenDialogeTest, FailedSaveShowsItsMessageAndKeepsTheDialogOpen)
{
    const struct {
        const char* name;
        const char* meldung;
    } faelle[] = {{"TK", "Indexfehler: \"TK\" ist bereits vorhanden"},
                  {"[Neu]", "ist nicht zulässig"},
                  {"Krankenkassen", "so heißt die Liste selbst"}};
    for (const auto& f : faelle) {
        m_fehler.clear();
        std::optional<int> offen;
        m_antworten.clear();
        Antwort<TFoKasse>([&f, &offen](TFoKasse& kasse) {
            auto* name = Kind<TMVCEdit>(kasse, "edBezeichnung");
            Tippen(*name, f.name);
            QTest::keyClick(name, Qt::Key_Return);
            offen = kasse.ModalResult();
            EXPECT_EQ(name->text(), f.name) << "the input stays";
            QTest::mouseClick(kasse.bnAbbrechen(), Qt::LeftButton);
            return kasse.ModalResult();
        });
        EXPECT_FALSE(EditKasse(QString()).has_value()) << f.name;
        EXPECT_EQ(offen, mrNone) << f.name;
        ASSERT_EQ(m_fehler.size(), 1) << f.name;
        EXPECT_TRUE(m_fehler.front().contains(f.meldung)) << m_fehler.front().toStdString();
        EXPECT_EQ(DateiLesen(KassenDateiName()), kKassen) << f.name;
    }
}

TEST_F(StammdatenDialogeTest, CurrencyNeedsNameAndRateAndBuiltInOnesStayLast)
{
    auto dialog = Oeffnen<TFoWaehrungenMenue>();
    QListWidget& liste = *dialog->Liste();
    EXPECT_EQ(dialog->windowTitle(), "Währungen");
    EXPECT_EQ(Eintraege(liste), (QStringList{"Dollar", "Pfund", "DM", "Euro"}));

    Antwort<TFoWaehrung>([](TFoWaehrung& w) {
        EXPECT_EQ(w.windowTitle(), "Währung");
        auto* name = Kind<TMVCEdit>(w, "edBezeichnung");
        Tippen(*name, "Franken");
        EXPECT_FALSE(w.bnOK()->isEnabled()) << "rate 0";
        QTest::keyClick(name, Qt::Key_Tab);
        auto* kuerzel = Kind<QComboBox>(w, "cbKuerzel");
        Tippen(*kuerzel->lineEdit(), "CHF");
        Tippen(*Kind<TMVCBetrag>(w, "ebKurs"), "0,93000");
        EXPECT_TRUE(w.bnOK()->isEnabled());
        Tippen(*name, "");
        EXPECT_FALSE(w.bnOK()->isEnabled()) << "no name";
        Tippen(*name, "Franken");
        QTest::keyClick(name, Qt::Key_Return);
        return w.ModalResult();
    });
    QTest::mouseClick(dialog->bnNeu(), Qt::LeftButton);
    EXPECT_EQ(Eintraege(liste), (QStringList{"Dollar", "Pfund", "Franken", "DM", "Euro"}));
    auto franken = MakeComponent<TWaehrung>(nullptr, std::string());
    franken->Laden("Franken");
    EXPECT_EQ(franken->WaehrungDaten().Kuerzel().GetValue(), "CHF");
    EXPECT_DOUBLE_EQ(franken->WaehrungDaten().Kurs().GetValue(), 0.93);

    // With only the built-in ones marked, deleting asks nothing and removes nothing.
    const std::string vorher = DateiLesen(WaehrungenDateiName());
    ZeileKlicken(liste, 3);
    ZeileKlicken(liste, 4, Qt::ControlModifier);
    QTest::mouseClick(dialog->bnLoeschen(), Qt::LeftButton);
    EXPECT_TRUE(m_fragen.isEmpty());
    EXPECT_EQ(DateiLesen(WaehrungenDateiName()), vorher);

    // The question names only the currency that really goes.
    m_jaAntwort = true;
    ZeileKlicken(liste, 0, Qt::ControlModifier);
    QTest::mouseClick(dialog->bnLoeschen(), Qt::LeftButton);
    ASSERT_EQ(m_fragen.size(), 1);
    EXPECT_EQ(m_fragen.back(), "Wollen Sie die Waehrung \"Dollar\" wirklich löschen?");
    EXPECT_EQ(Eintraege(liste), (QStringList{"Pfund", "Franken", "DM", "Euro"}));

    ZeileKlicken(liste, 0);
    ZeileKlicken(liste, 3, Qt::ShiftModifier);
    QTest::mouseClick(dialog->bnLoeschen(), Qt::LeftButton);
    EXPECT_EQ(m_fragen.back(), "Wollen Sie die 2 markierten Waehrungen wirklich löschen?");
    EXPECT_EQ(Eintraege(liste), (QStringList{"DM", "Euro"}));
}

// "DM" and "Euro" are never deleted: marked alone, "Löschen..." is not available and says why;
// with another currency marked it is available again.
TEST_F(StammdatenDialogeTest, DeletingIsNotAvailableForTheBuiltInCurrencies)
{
    auto dialog = Oeffnen<TFoWaehrungenMenue>();
    QListWidget& liste = *dialog->Liste();
    for (int zeile : {2, 3}) {
        ZeileKlicken(liste, zeile);
        EXPECT_FALSE(dialog->bnLoeschen()->isEnabled()) << zeile;
        EXPECT_EQ(dialog->bnLoeschen()->toolTip(), "Dieser Befehl ist nicht verfügbar, weil die "
                                                   "Währungen DM und Euro fest eingebaut sind.");
    }
    ZeileKlicken(liste, 0, Qt::ControlModifier);
    EXPECT_TRUE(dialog->bnLoeschen()->isEnabled());
    EXPECT_TRUE(dialog->bnLoeschen()->toolTip().isEmpty());
}

TEST_F(StammdatenDialogeTest, MainWindowWritesTheChosenFundAndCurrencyBack)
{
    d->KasseName->SetValue("AOK");
    Antwort<TFoKassenMenue>([](TFoKassenMenue& dialog) {
        EXPECT_EQ(dialog.Auswahl(), "AOK") << "opens with the statement's fund";
        ZeileKlicken(*dialog.Liste(), 1);
        QTest::mouseClick(dialog.bnOK(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    m_fenster->Item("miKrankenkassen")->trigger();
    EXPECT_EQ(d->KasseName->GetValue(), "TK");
    EXPECT_DOUBLE_EQ(d->KVZBSatz->GetValue(), 2.45);

    Antwort<TFoWaehrungenMenue>([](TFoWaehrungenMenue& dialog) {
        EXPECT_EQ(dialog.Auswahl(), "Euro");
        ZeileKlicken(*dialog.Liste(), 0);
        QTest::keyClick(dialog.Liste(), Qt::Key_Return);
        EXPECT_EQ(dialog.ModalResult(), mrNone) << "Enter changes the marked currency";
        QTest::mouseClick(dialog.bnOK(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    Antwort<TFoWaehrung>([](TFoWaehrung& w) {
        EXPECT_EQ(Kind<TMVCEdit>(w, "edBezeichnung")->text(), "Dollar");
        QTest::mouseClick(w.bnAbbrechen(), Qt::LeftButton);
        return w.ModalResult();
    });
    m_fenster->Item("miWaehrungen")->trigger();
    EXPECT_EQ(d->WaehrungName->GetValue(), "Dollar");
    EXPECT_DOUBLE_EQ(d->Waehrungskurs()->GetValue(), 1.1);
}

TEST_F(StammdatenDialogeTest, ChangedRatesOfTheStatementsFundApplyEvenAfterCancel)
{
    d->KasseName->SetValue("TK");
    ASSERT_DOUBLE_EQ(d->KVZBSatz->GetValue(), 2.45);
    Antwort<TFoKasse>([](TFoKasse& kasse) {
        Tippen(*Kind<TMVCBetrag>(kasse, "ebKKZusatzbeitragsatz"), "2,90");
        QTest::mouseClick(kasse.bnOK(), Qt::LeftButton);
        return kasse.ModalResult();
    });
    Antwort<TFoKassenMenue>([](TFoKassenMenue& dialog) {
        EXPECT_EQ(dialog.Auswahl(), "TK");
        QTest::keyClick(dialog.Liste(), Qt::Key_Return);
        QTest::keyClick(dialog.Liste(), Qt::Key_Escape);
        return dialog.ModalResult();
    });
    QTest::mouseClick(m_seite->Control<QPushButton>("bnSVAendernNeu"), Qt::LeftButton);
    EXPECT_EQ(d->KasseName->GetValue(), "TK");
    EXPECT_DOUBLE_EQ(d->KVZBSatz->GetValue(), 2.9);
}

TEST_F(StammdatenDialogeTest, DeletingTheStatementsFundFallsBackOnTheYearsRates)
{
    d->KasseName->SetValue("AOK");
    ASSERT_DOUBLE_EQ(d->KVZBSatz->GetValue(), 1.7);
    m_jaAntwort = true;
    Antwort<TFoKassenMenue>([](TFoKassenMenue& dialog) {
        QTest::keyClick(dialog.Liste(), Qt::Key_Delete);
        QTest::mouseClick(dialog.bnAbbrechen(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    QTest::mouseClick(m_seite->Control<QPushButton>("bnSVAendernNeu"), Qt::LeftButton);
    ASSERT_EQ(m_fragen.size(), 1);
    EXPECT_EQ(d->KasseName->GetValue(), "");
    EXPECT_DOUBLE_EQ(d->KVZBSatz->GetValue(), Beitragssaetze().KVSatzZB(2026, 1));
    EXPECT_GT(d->KVZBSatz->GetValue(), 0);
}

TEST_F(StammdatenDialogeTest, FundDeletedWhileAnotherPageIsShownLeavesTheStatementToo)
{
    d->KasseName->SetValue("AOK");
    m_fenster->SetActivePage(0);
    m_jaAntwort = true;
    Antwort<TFoKassenMenue>([](TFoKassenMenue& dialog) {
        EXPECT_EQ(dialog.Auswahl(), "") << "no statement shown, nothing preselected";
        ZeileKlicken(*dialog.Liste(), 0);
        QTest::keyClick(dialog.Liste(), Qt::Key_Delete);
        QTest::mouseClick(dialog.bnOK(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    m_fenster->Item("miKrankenkassen")->trigger();
    EXPECT_EQ(m_fragen, QStringList{"Wollen Sie die Krankenkasse \"AOK\" wirklich löschen?"});
    EXPECT_EQ(d->KasseName->GetValue(), "");
    EXPECT_DOUBLE_EQ(d->KVZBSatz->GetValue(), Beitragssaetze().KVSatzZB(2026, 1));
}

TEST_F(StammdatenDialogeTest, APageWhoseCurrencyWasDeletedKeepsItsAmountsAndRate)
{
    d->WaehrungName->SetValue("Dollar");
    d->Entgelt->SetValue(3300);
    const double kurs = d->Waehrungskurs()->GetValue();
    m_jaAntwort = true;
    Antwort<TFoWaehrungenMenue>([](TFoWaehrungenMenue& dialog) {
        EXPECT_EQ(dialog.Auswahl(), "Dollar");
        QTest::keyClick(dialog.Liste(), Qt::Key_Delete);
        QTest::mouseClick(dialog.bnAbbrechen(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    m_fenster->Item("miWaehrungen")->trigger();
    EXPECT_EQ(m_fragen.size(), 1);
    EXPECT_EQ(DateiLesen(WaehrungenDateiName()).find("Dollar"), std::string::npos);
    EXPECT_EQ(d->WaehrungName->GetValue(), "Dollar");
    EXPECT_DOUBLE_EQ(d->Waehrungskurs()->GetValue(), kurs);
    EXPECT_DOUBLE_EQ(d->Entgelt->GetValue(), 3300);
}

TEST_F(StammdatenDialogeTest, ScreenshotsOfTheFundsAndCurrenciesDialogs)
{
    const auto zeigen = [](QWidget& w, const char* name) {
        EXPECT_FALSE(SaveScreenshot(w, name).isEmpty()) << name;
        EXPECT_LE(w.frameGeometry().width(), 1366) << name;
        EXPECT_LE(w.frameGeometry().height(), 768) << name;
    };
    auto kassen = Oeffnen<TFoKassenMenue>("TK");
    zeigen(*kassen, "krankenkassen");
    auto waehrungen = Oeffnen<TFoWaehrungenMenue>("Pfund");
    zeigen(*waehrungen, "waehrungen");
    auto tk = MakeComponent<TKasse>(nullptr, std::string());
    tk->LoadKasse("AOK");
    TFoKasse kasse;
    kasse.init();
    kasse.SetBerechnung(tk.get());
    EXPECT_TRUE(Kind<QCheckBox>(kasse, "chKKPVSachsen")->isChecked());
    zeigen(kasse, "krankenkasse");
    auto pfund = MakeComponent<TWaehrung>(nullptr, std::string());
    pfund->Laden("Pfund");
    TFoWaehrung waehrung;
    waehrung.init();
    waehrung.SetBerechnung(pfund.get());
    zeigen(waehrung, "waehrung");
}
