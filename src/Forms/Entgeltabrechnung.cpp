#include "Forms/Entgeltabrechnung.h"

#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Forms/AbrgDruck.h"
#include "Forms/BeitrGrSchl.h"
#include "Forms/LStTabelle.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Lib/Betrag.h"
#include "MVCFrame/IntegerLookup.h"

#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

template <class T> T* Neu(TFoEntgeltabrechnung* page, QWidget* parent, const char* name)
{
    auto* control = new T(page, parent);
    control->setObjectName(name);
    return control;
}

QLabel* Beschriftung(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TFoEntgeltabrechnung::TFoEntgeltabrechnung(QWidget* parent) : TMainPageForm(parent)
{
    setObjectName("FoEntgeltabrechnung");
    setWindowTitle("Entgeltabrechnung");
    Aufbauen();
}

TFoEntgeltabrechnung::~TFoEntgeltabrechnung() = default;

TLohnDaten* TFoEntgeltabrechnung::LohnDaten() const
{
    return Berechnung() ? dynamic_cast<TLohnDaten*>(&Berechnung()->Daten()) : nullptr;
}

QWidget* TFoEntgeltabrechnung::Binden(QWidget* control, const char* wert)
{
    m_bindungen.emplace_back(control, wert);
    return control;
}

void TFoEntgeltabrechnung::Aufbauen()
{
    QWidget* panel = Panel();
    auto* raster = new QGridLayout(panel);
    auto gruppe = [panel, raster](const QString& titel, int zeile, int spalte, int hoehe = 1) {
        auto* box = new QGroupBox(titel, panel);
        auto* form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignLeft);
        raster->addWidget(box, zeile, spalte, hoehe, 1);
        return form;
    };
    auto combo = [this](QWidget* p, const char* name, const char* wert) {
        return static_cast<TMVCComboBox*>(Binden(Neu<TMVCComboBox>(this, p, name), wert));
    };
    auto betrag = [this](QWidget* p, const char* name, const char* wert) {
        return static_cast<TMVCBetrag*>(Binden(Neu<TMVCBetrag>(this, p, name), wert));
    };
    auto check = [this](QWidget* p, const char* name, const QString& text, const char* wert) {
        auto* box = Neu<TMVCCheckBox>(this, p, name);
        box->setText(text);
        return static_cast<TMVCCheckBox*>(Binden(box, wert));
    };

    // Period and tax card.
    QFormLayout* allgemein = gruppe("Abrechnungszeitraum", 0, 0);
    QWidget* a = allgemein->parentWidget();
    allgemein->addRow("&Jahr:", combo(a, "cbJahr", "Jahrliste"));
    allgemein->addRow("&Zeitraum:", combo(a, "cbLZZ", "Zeitraum"));
    allgemein->addRow("Steuertage:", betrag(a, "ebSteuertage", "Steuertage"));
    allgemein->addRow("SV-Tage:", betrag(a, "ebSVTage", "SVTage"));

    QFormLayout* karte = gruppe("Lohnsteuermerkmale", 1, 0);
    QWidget* k = karte->parentWidget();
    karte->addRow("Steuer&klasse:", combo(k, "cbStKl", "Steuerklasse"));
    auto* faktor = new QWidget(k);
    auto* faktorZeile = new QHBoxLayout(faktor);
    faktorZeile->setContentsMargins(0, 0, 0, 0);
    faktorZeile->addWidget(check(faktor, "chFaktorAnwenden", "Faktor", "FaktorAnwenden"));
    faktorZeile->addWidget(betrag(faktor, "ebFaktor", "Faktor"));
    karte->addRow(faktor);
    karte->addRow("Kinder:", combo(k, "cbKinder", "Kinder"));
    auto* kiFB = combo(k, "cbKiFB", "Kinderfreibetraege");
    kiFB->setEditable(true);
    kiFB->installEventFilter(this);
    karte->addRow("Kinderfreibeträge:", kiFB);
    karte->addRow("Kirchensteuer %:", combo(k, "cbKiSt", "Kirchensteuersatz"));
    karte->addRow("Geburtsdatum:",
                  Binden(Neu<TMVCDateEdit>(this, k, "edGeburtsdatum"), "Geburtsdatum"));
    karte->addRow(check(k, "chPLSt", "Pauschale Lohnsteuer", "PLSt"));
    karte->addRow(check(k, "chMTabZ", "Keine Zusatztabelle", "KeineZTab"));
    karte->addRow("Vorsorgepauschale:", combo(k, "cbMerkerVSP", "MerkerVSP"));
    karte->addRow(check(k, "chKeineVSP", "Keine Vorsorgepauschale", "KeineVSP"));
    karte->addRow(Beschriftung(k, "stLStKFB", "&Freibetrag (Euro):"),
                  betrag(k, "ebLStK_FB", "Freibetrag"));
    karte->addRow(Beschriftung(k, "stHinzur", "Hinzurechng.(Euro):"),
                  betrag(k, "ebLStK_HB", "Hinzurechnungsbetrag"));
    karte->addRow("Vorteile § 19a:", betrag(k, "ebNzbVorteile19a1_4", "Vorteile_19a_1_4"));

    // Insurance.
    QFormLayout* sv = gruppe("Sozialversicherung", 0, 1, 2);
    QWidget* s = sv->parentWidget();
    auto* kasse = new QWidget(s);
    auto* kasseZeile = new QHBoxLayout(kasse);
    kasseZeile->setContentsMargins(0, 0, 0, 0);
    kasseZeile->addWidget(combo(kasse, "cbKasse", "KasseName"), 1);
    auto* kassen = new QPushButton("Kassen...", kasse);
    kassen->setObjectName("bnSVAendernNeu");
    kassen->setEnabled(false); // the funds dialog comes with the funds list
    kasseZeile->addWidget(kassen);
    sv->addRow("Krankenkasse:", kasse);
    auto* bgs = new QWidget(s);
    auto* bgsZeile = new QHBoxLayout(bgs);
    bgsZeile->setContentsMargins(0, 0, 0, 0);
    bgsZeile->addWidget(Binden(Neu<TMVCMaskEdit>(this, bgs, "edBGS"), "BGS"), 1);
    auto* bgsKnopf = new QPushButton("?...", bgs);
    bgsKnopf->setObjectName("bnBGS");
    connect(bgsKnopf, &QPushButton::clicked, this, &TFoEntgeltabrechnung::bnBGSClick);
    bgsZeile->addWidget(bgsKnopf);
    sv->addRow("Beitragsgruppe:", bgs);
    for (const auto& [name, text, wert] :
         {std::tuple{"chTabBeitrag", "Tabellenbeitrag", "TabellenBeitrag"},
          {"chKeineBBG", "Keine Beitragsbemessungsgrenze", "KeineBBG"},
          {"chKnappschaftBBG", "BBG Knappschaft", "KnappschaftBBG"},
          {"chGleitzone", "Gleitzone", "Gleitzone"},
          {"chNeueGleitzonenFormel", "Neue Formel", "NeueGleitzonenFormel"},
          {"chOstBBGKV", "BBG-KV Ost", "OstBBGKV"},
          {"chOstBBGRV", "BBG-RV Ost", "OstBBGRV"},
          {"chPVSachsen", "PV Sachsen", "PVSachsen"},
          {"chKeineRVMinderung", "Keine RV-Minderung", "KeineRVMinderung"},
          {"chKinderlos", "Kinderlos (PV-Zuschlag)", "Kinderlos"}})
        sv->addRow(check(s, name, QString::fromUtf8(text), wert));
    sv->addRow("Kinder (PV):", combo(s, "cbKinderPV", "KinderPV"));
    sv->addRow(check(s, "chAGZuschussPrivatKV", "AG-Zuschuss private KV", "AGZuschussPrivatKV"));
    sv->addRow(Beschriftung(s, "stPrivatKPVBeitrag", "Beitrag private KV/PV:"),
               betrag(s, "ebPrivatKPVBeitrag", "PrivatKPVBeitrag"));
    sv->addRow("AG-Zuschuss:", betrag(s, "ebPrivatKPVAGZuschuss", "PrivatKPVAGZuschuss"));
    sv->addRow(check(s, "chKammer", "Arbeitnehmerkammer", "Kammer"));
    sv->addRow("Land:", combo(s, "cbKammerLand", "KammerLand"));
    sv->addRow("Kammerbeitrag:", betrag(s, "ebKammerbeitrag", "Kammerbeitrag"));

    // Pay: which amount is given, the amounts, the pensions.
    QFormLayout* entgelt = gruppe("Entgelt", 2, 0);
    QWidget* e = entgelt->parentWidget();
    auto* wahl = new QWidget(e);
    auto* wahlZeile = new QHBoxLayout(wahl);
    wahlZeile->setContentsMargins(0, 0, 0, 0);
    const std::tuple<const char*, const char*, const char*, int> kWahl[] = {
        {"rbEntgeltEingabe", "Brutto", "Steuer und Netto berechnen.", TLohnDaten::kAusEntgelt},
        {"rbLStEingabe", "Lohnsteuer", "Entgelt berechnen.", TLohnDaten::kAusLohnsteuer},
        {"rbNettoEingabe", "Netto", "Bruttoentgelt berechnen.", TLohnDaten::kAusNetto}};
    for (const auto& [name, text, hinweis, wert] : kWahl) {
        auto* knopf = new QRadioButton(text, wahl);
        knopf->setObjectName(name);
        knopf->setToolTip(hinweis);
        knopf->setStatusTip(hinweis);
        const int w = wert;
        connect(knopf, &QRadioButton::clicked, this, [this, w] { AusgangswertSetzen(w); });
        wahlZeile->addWidget(knopf);
    }
    entgelt->addRow("Gegeben:", wahl);
    auto* waehrung = new QWidget(e);
    auto* waehrungZeile = new QHBoxLayout(waehrung);
    waehrungZeile->setContentsMargins(0, 0, 0, 0);
    waehrungZeile->addWidget(combo(waehrung, "cbWaehrungName", "WaehrungName"), 1);
    waehrungZeile->addWidget(check(waehrung, "chUmrechnen", "Umrechnen", "Umrechnen"));
    entgelt->addRow("Währung:", waehrung);
    auto* detail = new QWidget(e);
    auto* detailZeile = new QHBoxLayout(detail);
    detailZeile->setContentsMargins(0, 0, 0, 0);
    detailZeile->addWidget(check(detail, "chDetailEntgelt", "Einzelbezüge", "DetailEntgelt"));
    auto* eingabe = new QPushButton("Eingabe...", detail);
    eingabe->setObjectName("bnDetailEntgelt");
    eingabe->setEnabled(false); // the pay-item dialogs come with the pay-item lists
    detailZeile->addWidget(eingabe);
    entgelt->addRow(detail);
    entgelt->addRow("&Bruttoentgelt:", betrag(e, "ebEntgelt", "Entgelt"));
    entgelt->addRow("Versorgungsbezüge:", betrag(e, "ebVersBez", "Versorgungsbezuege"));
    entgelt->addRow("Nettoabzug:", Binden(Neu<TMVCEdit>(this, e, "edNettoAbz"), "NettoAbzText"));
    entgelt->addRow("Betrag:", betrag(e, "ebNettoAbz", "NettoAbz"));
    entgelt->addRow("&Nettoentgelt:", betrag(e, "ebNetto", "Nettoentgelt"));

    auto* versBez = new QGroupBox("Versorgungsbezüge", panel);
    versBez->setObjectName("paVersBez");
    auto* versForm = new QFormLayout(versBez);
    versForm->addRow("Versorgungsbezüge:", betrag(versBez, "ebVersBez2005", "Versorgungsbezuege"));
    versForm->addRow("Monate:", combo(versBez, "cbMonateVersBez", "MonateVersBez"));
    versForm->addRow(
        "Versorgungsbeginn:",
        Binden(Neu<TMVCEdit>(this, versBez, "edVersorgungsbeginn"), "Versorgungsbeginn"));
    versForm->addRow(
        Beschriftung(versBez, "stVersBezBemGrdlMonat", "Bezug für den ersten vollen Monat:"),
        betrag(versBez, "ebVersBezMonat", "VersBezBemGrdlMonat"));
    versForm->addRow("Sonderzahlungen:", betrag(versBez, "ebSonderzahlungen", "Sonderzahlungen"));
    raster->addWidget(versBez, 3, 0);
    versBez->hide();

    // Deductions and contributions.
    QFormLayout* abzug = gruppe("Abzüge", 2, 1);
    QWidget* z = abzug->parentWidget();
    abzug->addRow("Lohnsteuer:", betrag(z, "ebLSt", "Lohnsteuer"));
    abzug->addRow("Kirchensteuer:", betrag(z, "ebKiSt", "Kirchensteuer"));
    abzug->addRow("Solidaritätszuschlag:", betrag(z, "ebSolZ", "Solidaritaetszuschlag"));
    auto* mzTab = new QWidget(z);
    mzTab->setObjectName("paMZTab");
    auto* mzZeile = new QHBoxLayout(mzTab);
    mzZeile->setContentsMargins(0, 0, 0, 0);
    mzZeile->addWidget(
        check(mzTab, "chZTab", "Zusatztabelle angewendet", "Zusatztabelle_angewendet"));
    abzug->addRow(mzTab);
    auto* kindergeld = new QWidget(z);
    kindergeld->setObjectName("paKindergeld");
    auto* kgZeile = new QHBoxLayout(kindergeld);
    kgZeile->setContentsMargins(0, 0, 0, 0);
    kgZeile->addWidget(check(kindergeld, "chKindergeld", "Kindergeld", "Kindergeld_Ausz"));
    kgZeile->addWidget(betrag(kindergeld, "ebKindergeld", "Kindergeld"));
    abzug->addRow(kindergeld);
    abzug->addRow("Andere Aufwendungen:", betrag(z, "ebAndereAE", "AndereAE"));
    const std::tuple<const char*, const char*, const char*, const char*, const char*> kZweige[] = {
        {"KV", "ebKVSatz", "KVSatz", "ebKVBeitrag", "KVBeitrag"},
        {"KV-Zusatz", "ebKVZBSatz", "KVZBSatz", "ebKVZBBeitrag", "KVZBBeitrag"},
        {"PV", "ebPVSatz", "PVSatz", "ebPVBeitrag", "PVBeitrag"},
        {"PV kinderlos", "ebPVKLSatz", "PVKLSatz", "ebPVKLBeitrag", "PVKLBeitrag"},
        {"RV", "ebRVSatz", "RVSatz", "ebRVBeitrag", "RVBeitrag"},
        {"AV", "ebAVSatz", "AVSatz", "ebAVBeitrag", "AVBeitrag"}};
    for (const auto& [titel, satzName, satz, beitragName, beitrag] : kZweige) {
        auto* zeile = new QWidget(z);
        auto* h = new QHBoxLayout(zeile);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(betrag(zeile, satzName, satz));
        h->addWidget(new QLabel("%", zeile));
        h->addWidget(betrag(zeile, beitragName, beitrag));
        abzug->addRow(QString::fromUtf8(titel) + ":", zeile);
    }

    auto* knoepfe = new QWidget(panel);
    auto* knoepfeZeile = new QHBoxLayout(knoepfe);
    auto* vergleich = new QPushButton("Jahresvergleich", knoepfe);
    vergleich->setObjectName("bnVergleich");
    vergleich->setEnabled(false); // the comparison pages come later
    auto* offen = new QToolButton(knoepfe);
    offen->setObjectName("LStTabOpenImage");
    offen->setText("LSt-Tabelle");
    offen->setToolTip("Lohnsteuer-Tabelle öffnen");
    connect(offen, &QToolButton::clicked, this, &TFoEntgeltabrechnung::LStTabOpenImageClick);
    auto* zu = new QToolButton(knoepfe);
    zu->setObjectName("LStTabCloseImage");
    zu->setText("LSt-Tabelle ×");
    zu->setToolTip("Lohnsteuer-Tabelle(n) schließen (mit Strg: weitere öffnen)");
    connect(zu, &QToolButton::clicked, this, [this] {
        LStTabCloseImageClick(QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    knoepfeZeile->addWidget(vergleich);
    knoepfeZeile->addStretch(1);
    knoepfeZeile->addWidget(offen);
    knoepfeZeile->addWidget(zu);
    raster->addWidget(knoepfe, 3, 1);
    for (const char* name : {"ebVersBez", "ebEntgelt", "ebNetto", "ebLSt"})
        Control<QWidget>(name)->installEventFilter(this);
    TabellenSymboleAktualisieren();
}

void TFoEntgeltabrechnung::BindControls()
{
    TLohnDaten* daten = LohnDaten();
    if (auto* kiFB = Control<TMVCComboBox>("cbKiFB"); kiFB && daten) {
        TStrings liste;
        TLohnDaten::KinderfreibetraegeAuflisten(liste);
        kiFB->blockSignals(true);
        kiFB->clear();
        for (const std::string& eintrag : liste)
            kiFB->addItem(Text(eintrag));
        kiFB->blockSignals(false);
    }
    for (auto& [widget, name] : m_bindungen) {
        auto* control = dynamic_cast<TMVCControl*>(widget);
        TValue* wert = daten ? daten->FindValue(name) : nullptr;
        // A number with a small range (tax class, children for the care insurance) is picked
        // from its numbers; any number can be typed.
        auto* combo = dynamic_cast<TMVCComboBox*>(widget);
        const auto* zahl = dynamic_cast<const TCustomIntegerMinMax*>(wert);
        if (combo && zahl && !dynamic_cast<const TCustomIntegerLookup*>(wert)) {
            combo->setEditable(true);
            combo->blockSignals(true);
            combo->clear();
            if (zahl->Maximum() - zahl->Minimum() <= 12)
                for (int n = zahl->Minimum(); n <= zahl->Maximum(); ++n)
                    combo->addItem(QString::number(n));
            combo->blockSignals(false);
        }
        if (auto* betrag = dynamic_cast<TMVCBetrag*>(widget))
            if (const auto* zahl = dynamic_cast<const TDouble*>(wert))
                betrag->SetDezimalstellen(zahl->Decimals());
        control->SetValue(wert);
    }
}

void TFoEntgeltabrechnung::AfterRefresh()
{
    const TLohnDaten* d = LohnDaten();
    if (!d)
        return;
    const int jahr = d->Jahr->GetValue();
    const int monat = d->Monat->GetValue();
    Control<QWidget>("paKindergeld")->setVisible(jahr >= 1996);
    Control<QWidget>("paMZTab")->setVisible(jahr < 1996);
    Control<QWidget>("chOstBBGKV")->setVisible(!d->Gleitzone->IsEnabled());
    const bool plSt = d->PLSt->GetValue();
    Control<QWidget>("bnVergleich")->setVisible(!plSt);
    Control<QWidget>("chMTabZ")->setVisible(!d->PLSt->IsEnabled());
    Control<QWidget>("chTabBeitrag")->setVisible(jahr < 2005);
    Control<QWidget>("chKinderlos")->setVisible(jahr >= 2005);

    const int ausgang = d->Ausgangswert->GetValue();
    Control<QRadioButton>("rbEntgeltEingabe")->setChecked(ausgang == TLohnDaten::kAusEntgelt);
    Control<QRadioButton>("rbLStEingabe")->setChecked(ausgang == TLohnDaten::kAusLohnsteuer);
    Control<QRadioButton>("rbNettoEingabe")->setChecked(ausgang == TLohnDaten::kAusNetto);
    Control<QRadioButton>("rbLStEingabe")->setEnabled(!plSt);

    KiFBMarkieren();

    const QString ende = jahr >= 2002 ? "Euro):" : "DM):";
    Control<QLabel>("stLStKFB")->setText("&Freibetrag (" + ende);
    Control<QLabel>("stHinzur")->setText("Hinzurechng.(" + ende);
    auto* gleitzone = Control<QWidget>("chGleitzone");
    static_cast<QAbstractButton*>(gleitzone)->setText(GleitzonenText(jahr, monat));
    gleitzone->setToolTip(GleitzonenHinweis(jahr, monat));
    Control<QWidget>("chNeueGleitzonenFormel")
        ->setToolTip(jahr < 2022 ? "Für Neubeschäftigte ab 1.1.2013 oder über 450,- Euro"
                                 : "Für Neubeschäftigte ab 1.10.2022 oder über 520,- Euro");
    Control<QLabel>("stVersBezBemGrdlMonat")
        ->setText(d->Versorgungsbeginn->GetValue() >= 2005 ? "Bezug für den ersten vollen Monat:"
                                                           : "Bezug für den Monat Januar 2005:");
    const QString pkv =
        jahr < 2026 ? "Dem AG mitgeteilte monatl. Zahlungen des AN zur privaten Kranken- und "
                      "Pflegeversicherung"
                    : "Festgestellte oder bescheinigte Monats-Beiträge zur privaten "
                      "Basiskranken- und Pflege-Pflichtversicherung";
    Control<QWidget>("stPrivatKPVBeitrag")->setToolTip(pkv);
    Control<QWidget>("ebPrivatKPVBeitrag")->setToolTip(pkv);
}

QString TFoEntgeltabrechnung::GleitzonenText(int jahr, int monat)
{
    return QString::fromUtf8(GleitzonenBezeichnung(jahr, monat));
}

QString TFoEntgeltabrechnung::GleitzonenHinweis(int jahr, int monat)
{
    const double unten = (TBeitrag::GeringfuegigkeitsgrenzeCent(jahr, monat, true) + 1) * 0.01;
    const double oben = TBeitrag::GleitzoneObergrenzeCent(jahr, monat, true) * 0.01;
    return "Regelmäßiges monatl. Entgelt " + Text(FloatToBetragStr(2, unten)) + " - " +
           Text(FloatToBetragStr(0, oben)) + " € / Kein Azubi";
}

void TFoEntgeltabrechnung::KiFBMarkieren()
{
    auto* kiFB = Control<QWidget>("cbKiFB");
    const TLohnDaten* d = LohnDaten();
    // The mark follows the condition both ways: it goes as soon as the class or the allowances
    // no longer call for it.
    m_kiFBMarkiert = d && d->Steuerklasse->GetValue() == 2 &&
                     StrToBetragFloat(d->Kinderfreibetraege->GetValue()) < 0.5 && !kiFB->hasFocus();
    kiFB->setStyleSheet(m_kiFBMarkiert ? "QComboBox { background: #ff0000; color: #ffff00; }"
                                       : QString());
}

void TFoEntgeltabrechnung::AusgangswertSetzen(int wert)
{
    if (Updating() || !LohnDaten())
        return;
    LohnDaten()->Ausgangswert->SetValue(wert);
}

bool TFoEntgeltabrechnung::eventFilter(QObject* watched, QEvent* event)
{
    const auto art = event->type();
    if ((art != QEvent::FocusIn && art != QEvent::FocusOut) || !Panel())
        return TMainPageForm::eventFilter(watched, event);
    const QString name = watched->objectName();
    if (name == "cbKiFB") {
        KiFBMarkieren();
    } else if (art == QEvent::FocusIn &&
               (name == "ebEntgelt" || name == "ebNetto" || name == "ebLSt")) {
        // An amount the last run could not determine ("???") becomes an input again as soon as
        // the user enters its field.
        auto* control = dynamic_cast<TMVCControl*>(watched);
        if (TValue* wert = control ? control->Value() : nullptr; wert && wert->IsUndetermined())
            wert->ChangeFlag(TValue::vfUndetermined, false);
    } else if (art == QEvent::FocusIn && name == "ebVersBez") {
        const TLohnDaten* d = LohnDaten();
        if (d && d->Jahr->GetValue() >= 2005) {
            // From 2005 the pensions need their start year and months: they are typed in the
            // pension panel.
            Control<QWidget>("paVersBez")->show();
            Control<QWidget>("ebVersBez2005")->setFocus();
        }
    }
    return TMainPageForm::eventFilter(watched, event);
}

void TFoEntgeltabrechnung::bnBGSClick()
{
    TLohnDaten* d = LohnDaten();
    if (!d)
        return;
    const QString alt = Text(d->BGS->GetValue()).left(TFoBeitrGrSchl::kZweige);
    if (const auto neu = TFoBeitrGrSchl::Ausfuehren(alt))
        d->BGS->SetAsString(neu->toStdString());
}

void TFoEntgeltabrechnung::Drucken(int)
{
    TLohnDaten* d = LohnDaten();
    if (!d)
        return;
    // The statement's printout comes with the printing; the names typed here are kept already.
    TFoAbrgDruck::Ausfuehren("", *d->Arbeitnehmer, true, *d->AbrgZeitraum);
}

QStringList TFoEntgeltabrechnung::DruckText()
{
    return {};
}

TLStTabelleVorgaben TFoEntgeltabrechnung::LStTabellenVorgaben() const
{
    return LohnDaten() ? LStTabelleVorgabenAus(*LohnDaten()) : TLStTabelleVorgaben();
}

TLStTabelleVorgaben LStTabelleVorgabenAus(const TLohnDaten& daten)
{
    TLStTabelleVorgaben v;
    const TLohnDaten* d = &daten;
    v.jahr = d->Jahr->GetValue();
    v.monat = d->Monat->GetValue();
    v.zeitraumName = d->Zeitraum->GetAsString();
    v.waehrungName = d->WaehrungName->GetValue();
    v.steuerklasse = d->Steuerklasse->GetValue();
    v.kinderfreibetraege = StrToBetragFloat(d->Kinderfreibetraege->GetValue());
    v.kirchensteuersatz = d->Kirchensteuersatz->GetValue();
    v.entgelt = d->Entgelt->GetValue();
    v.geburtsdatumBekannt = d->Geburtsdatum->GetValue().Jahr != 0;
    // The employee's inputs as the statement's own calculation takes them, but not its pay, its
    // share-scheme advantages or the 2005 lump-sum option: the window sets the pay per row and
    // takes class, child allowances and church tax from the settings above. The window's tariff is
    // its own, so the table's popup never changes the statement.
    v.eingaben = [d](TLStTabBase& t) { TarifEingabenSetzen(t, *d); };
    return v;
}

void TFoEntgeltabrechnung::LStTabOpenImageClick()
{
    TFoLStTabelle::Zeigen(LStTabellenVorgaben());
    TabellenSymboleAktualisieren();
}

void TFoEntgeltabrechnung::LStTabCloseImageClick(bool strg)
{
    if (strg)
        TFoLStTabelle::Zeigen(LStTabellenVorgaben());
    else
        CloseFormsOfClass(TFoLStTabelle::staticMetaObject);
    TabellenSymboleAktualisieren();
}

void TFoEntgeltabrechnung::TabellenNachricht(TTabellenNachricht, const QMetaObject&)
{
    TabellenSymboleAktualisieren();
}

void TFoEntgeltabrechnung::TabellenSymboleAktualisieren()
{
    const bool offen = FormOfClassExists(TFoLStTabelle::staticMetaObject);
    Control<QWidget>("LStTabCloseImage")->setVisible(offen);
    Control<QWidget>("LStTabOpenImage")->setVisible(!offen);
}
