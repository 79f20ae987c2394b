#include "Forms/Seiten/Entgeltabrechnung.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Lohnsteuer/LStRegeln.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Kindergeld.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Forms/Dialoge/AbrgDruck.h"
#include "Print/LohnDru.h"
#include "Forms/Dialoge/BeitrGrSchl.h"
#include "Forms/Dialoge/FoEntgelteMenue.h"
#include "Forms/Dialoge/FoStammdaten.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Forms/Seiten/VergleichNachricht.h"
#include "Forms/Tabellen/FoSVTabelle.h"
#include "Forms/Seiten/TabellenSymbol.h"
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Lib/Betrag.h"
#include "Lib/Datum.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

// The controls of the page and the values they show, in binding order.
constexpr TBindung kBindungen[] = {
    {"cbJahr", "Jahrliste"},
    {"cbLZZ", "Zeitraum"},
    {"ebSteuertage", "Steuertage"},
    {"ebSVTage", "SVTage"},
    {"cbStKl", "Steuerklasse"},
    {"chFaktorAnwenden", "FaktorAnwenden"},
    {"ebFaktor", "Faktor"},
    {"cbKinder", "Kinder"},
    {"cbKiFB", "Kinderfreibetraege"},
    {"cbKiSt", "Kirchensteuersatz"},
    {"edGeburtsdatum", "Geburtsdatum"},
    {"chMTabZ", "KeineZTab"},
    {"chPLSt", "PLSt"},
    {"cbMerkerVSP", "MerkerVSP"},
    {"chKeineVSP", "KeineVSP"},
    {"chAGZuschussPrivatKV", "AGZuschussPrivatKV"},
    {"ebPrivatKPVBeitrag", "PrivatKPVBeitrag"},
    {"ebPrivatKPVAGZuschuss", "PrivatKPVAGZuschuss"},
    {"chKammer", "Kammer"},
    {"cbKammerLand", "KammerLand"},
    {"ebKammerbeitrag", "Kammerbeitrag"},
    {"cbKasse", "KasseName"},
    {"chTabBeitrag", "TabellenBeitrag"},
    {"chKeineBBG", "KeineBBG"},
    {"chKnappschaftBBG", "KnappschaftBBG"},
    {"chGleitzone", "Gleitzone"},
    {"chNeueGleitzonenFormel", "NeueGleitzonenFormel"},
    {"chOstBBGKV", "OstBBGKV"},
    {"chOstBBGRV", "OstBBGRV"},
    {"chPVSachsen", "PVSachsen"},
    {"chKeineRVMinderung", "KeineRVMinderung"},
    {"chKinderlos", "Kinderlos"},
    {"cbKinderPV", "KinderPV"},
    {"cbWaehrungName", "WaehrungName"},
    {"chUmrechnen", "Umrechnen"},
    {"chDetailEntgelt", "DetailEntgelt"},
    {"ebEntgelt", "Entgelt"},
    {"ebNetto", "Nettoentgelt"},
    {"ebVersBez", "Versorgungsbezuege"},
    {"ebVersBez2005", "Versorgungsbezuege"},
    {"cbMonateVersBez", "MonateVersBez"},
    {"edVersorgungsbeginn", "Versorgungsbeginn"},
    {"ebVersBezMonat", "VersBezBemGrdlMonat"},
    {"ebSonderzahlungen", "Sonderzahlungen"},
    {"ebLStK_FB", "Freibetrag"},
    {"ebLStK_HB", "Hinzurechnungsbetrag"},
    {"ebNzbVorteile19a1_4", "Vorteile_19a_1_4"},
    {"edNettoAbz", "NettoAbzText"},
    {"ebNettoAbz", "NettoAbz"},
    {"ebLSt", "Lohnsteuer"},
    {"ebKiSt", "Kirchensteuer"},
    {"ebSolZ", "Solidaritaetszuschlag"},
    {"chZTab", "Zusatztabelle_angewendet"},
    {"chKindergeld", "Kindergeld_Ausz"},
    {"ebKindergeld", "Kindergeld"},
    {"edBGS", "BGS"},
    {"ebAndereAE", "AndereAE"},
    {"ebKVSatz", "KVSatz"},
    {"ebKVBeitrag", "KVBeitrag"},
    {"ebPVSatz", "PVSatz"},
    {"ebPVBeitrag", "PVBeitrag"},
    {"ebKVZBSatz", "KVZBSatz"},
    {"ebKVZBBeitrag", "KVZBBeitrag"},
    {"ebPVKLSatz", "PVKLSatz"},
    {"ebPVKLBeitrag", "PVKLBeitrag"},
    {"ebRVSatz", "RVSatz"},
    {"ebRVBeitrag", "RVBeitrag"},
    {"ebAVSatz", "AVSatz"},
    {"ebAVBeitrag", "AVBeitrag"},
};

} // namespace

TFoEntgeltabrechnung::TFoEntgeltabrechnung(QWidget* parent) : TMainPageForm(parent)
{
    setObjectName("FoEntgeltabrechnung");
    setWindowTitle("Entgeltabrechnung");
    Aufbauen();
    m_jahresvergleich = std::make_unique<TJahresvergleichKnopf>(
        *m_bnVergleich, TVergleichArt::Lohn, *Control<QWidget>("cbJahr"));
}

TFoEntgeltabrechnung::~TFoEntgeltabrechnung() = default;

std::span<const TBindung> TFoEntgeltabrechnung::Bindungen()
{
    return kBindungen;
}

TLohnDaten* TFoEntgeltabrechnung::LohnDaten() const
{
    return Berechnung() ? dynamic_cast<TLohnDaten*>(&Berechnung()->Daten()) : nullptr;
}

template <class T> T* TFoEntgeltabrechnung::Neu(const char* name)
{
    auto* control = new T(this, Panel());
    control->setObjectName(name);
    return control;
}

TMVCCheckBox* TFoEntgeltabrechnung::Check(const char* name, const QString& text)
{
    auto* box = Neu<TMVCCheckBox>(name);
    box->setText(text);
    return box;
}

QLabel* TFoEntgeltabrechnung::Beschriftung(const char* name, const QString& text)
{
    auto* label = new QLabel(text, Panel());
    label->setObjectName(name);
    return label;
}

void TFoEntgeltabrechnung::Aufbauen()
{
    auto* seite = new QHBoxLayout(Panel());
    seite->setContentsMargins(4, 2, 4, 2);
    seite->setSpacing(4);
    for (void (TFoEntgeltabrechnung::*aufbauen)(QVBoxLayout&) :
         {&TFoEntgeltabrechnung::PeriodeAufbauen, &TFoEntgeltabrechnung::VersicherungAufbauen,
          &TFoEntgeltabrechnung::EntgeltAufbauen}) {
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(4);
        (this->*aufbauen)(*spalte);
        spalte->addStretch(1);
        seite->addLayout(spalte, 1);
    }
    VersBezAufbauen();
    for (QWidget* w : std::initializer_list<QWidget*>{m_cbKiFB, m_ebVersBez, m_ebEntgelt, m_ebNetto,
                                                      m_ebLSt, m_paVersBez})
        w->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* neu) { FokusGewechselt(neu); });
    TabellenSymboleAktualisieren();
}

// Left column: period and tax card.
void TFoEntgeltabrechnung::PeriodeAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* zeitraum = SeitenGruppe(*Panel(), spalte, "Abrechnungszeitraum");
    zeitraum->addRow("&Jahr:", Neu<TMVCComboBox>("cbJahr"));
    zeitraum->addRow("&Zeitraum:", Neu<TMVCComboBox>("cbLZZ"));
    auto* steuertage = Neu<TMVCZahlEdit>("ebSteuertage");
    auto* svTage = Beschriftung("stSVTage", "S&V-Tage:");
    auto* svTageFeld = Neu<TMVCZahlEdit>("ebSVTage");
    svTage->setBuddy(svTageFeld);
    // Days have three digits: narrow fields leave the page's width to the wider rows.
    for (QWidget* tage : {steuertage, svTageFeld})
        tage->setMaximumWidth(tage->fontMetrics().horizontalAdvance("0000000"));
    QWidget* tageZeile = SeitenZeile(*Panel(), {steuertage, svTage, svTageFeld});
    static_cast<QHBoxLayout*>(tageZeile->layout())->addStretch(1);
    zeitraum->addRow("St&euertage:", tageZeile);

    QFormLayout* karte = SeitenGruppe(*Panel(), spalte, "Lohnsteuermerkmale");
    karte->addRow("Steuer&klasse:", Neu<TMVCComboBox>("cbStKl"));
    karte->addRow(
        SeitenZeile(*Panel(), {Check("chFaktorAnwenden", "Faktor"), Neu<TMVCBetrag>("ebFaktor")}));
    karte->addRow("Kinder:", Neu<TMVCComboBox>("cbKinder"));
    m_cbKiFB = Neu<TMVCComboBox>("cbKiFB");
    m_cbKiFB->setEditable(true);
    karte->addRow("Kinderfreibeträge:", m_cbKiFB);
    karte->addRow("Kirchensteuer %:", Neu<TMVCComboBox>("cbKiSt"));
    karte->addRow("&Geburtsdatum:", Neu<TMVCDateEdit>("edGeburtsdatum"));
    m_chMTabZ = Check("chMTabZ", "Keine Zusatztabelle");
    karte->addRow(SeitenZeile(*Panel(), {Check("chPLSt", "Pauschale Lohnsteuer"), m_chMTabZ}));
    karte->addRow("Vorsorgepauschale:", Neu<TMVCComboBox>("cbMerkerVSP"));
    karte->addRow(Check("chKeineVSP", "Keine Vorsorgepauschale"));
    m_stLStKFB = Beschriftung("stLStKFB", "&Freibetrag (Euro):");
    karte->addRow(m_stLStKFB, Neu<TMVCBetrag>("ebLStK_FB"));
    m_stLStKFB->setBuddy(karte->itemAt(karte->rowCount() - 1, QFormLayout::FieldRole)->widget());
    m_stHinzur = Beschriftung("stHinzur", "Hinzurechng.(Euro):");
    karte->addRow(m_stHinzur, Neu<TMVCBetrag>("ebLStK_HB"));
    karte->addRow("Vorteile § 19a:", Neu<TMVCBetrag>("ebNzbVorteile19a1_4"));
}

// Middle column: insurance.
void TFoEntgeltabrechnung::VersicherungAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* sv = SeitenGruppe(*Panel(), spalte, "Sozialversicherung");
    auto* kassen = new QPushButton("Kassen...", Panel());
    kassen->setObjectName("bnSVAendernNeu");
    connect(kassen, &QPushButton::clicked, this, &TFoEntgeltabrechnung::bnSVAendernNeuClick);
    sv->addRow("Krankenkasse:", SeitenZeile(*Panel(), {Neu<TMVCComboBox>("cbKasse"), kassen}));
    auto* bgs = new QPushButton("?...", Panel());
    bgs->setObjectName("bnBGS");
    connect(bgs, &QPushButton::clicked, this, &TFoEntgeltabrechnung::bnBGSClick);
    sv->addRow("Beitragsgruppe:", SeitenZeile(*Panel(), {Neu<TMVCMaskEdit>("edBGS"), bgs}));
    m_chTabBeitrag = Check("chTabBeitrag", "Tabellenbeitrag");
    m_chGleitzone = Check("chGleitzone", "Gleitzone");
    m_chNeueGleitzonenFormel = Check("chNeueGleitzonenFormel", "Neue Formel");
    m_chOstBBGKV = Check("chOstBBGKV", "BBG-KV Ost");
    m_chKinderlos = Check("chKinderlos", "Kinderlos (PV-Zuschlag)");
    sv->addRow(SeitenZeile(*Panel(), {m_chTabBeitrag, m_chKinderlos}));
    sv->addRow(Check("chKeineBBG", "Keine Beitragsbemessungsgrenze"));
    sv->addRow(SeitenZeile(*Panel(), {Check("chKnappschaftBBG", "BBG Knappschaft"), m_chOstBBGKV,
                                      Check("chOstBBGRV", "BBG-RV Ost")}));
    sv->addRow(SeitenZeile(*Panel(), {m_chGleitzone, m_chNeueGleitzonenFormel}));
    sv->addRow(SeitenZeile(*Panel(), {Check("chPVSachsen", "PV Sachsen"),
                                      Check("chKeineRVMinderung", "Keine RV-Minderung")}));
    sv->addRow("Kinder (PV):", Neu<TMVCComboBox>("cbKinderPV"));
    sv->addRow(Check("chAGZuschussPrivatKV", "AG-Zuschuss private KV"));
    m_stPrivatKPVBeitrag = Beschriftung("stPrivatKPVBeitrag", "Beitrag private KV/PV:");
    m_ebPrivatKPVBeitrag = Neu<TMVCBetrag>("ebPrivatKPVBeitrag");
    sv->addRow(m_stPrivatKPVBeitrag, m_ebPrivatKPVBeitrag);
    sv->addRow("AG-Zuschuss:", Neu<TMVCBetrag>("ebPrivatKPVAGZuschuss"));
    sv->addRow(SeitenZeile(
        *Panel(), {Check("chKammer", "Arbeitnehmerkammer"), Neu<TMVCComboBox>("cbKammerLand")}));
    sv->addRow("Kammerbeitrag:", Neu<TMVCBetrag>("ebKammerbeitrag"));

    m_bnVergleich = new QPushButton("Jahresvergleich", Panel());
    m_bnVergleich->setObjectName("bnVergleich");
    m_lstTabOpenImage = new QToolButton(Panel());
    m_lstTabOpenImage->setObjectName("LStTabOpenImage");
    m_lstTabOpenImage->setText("LSt-Tabelle");
    m_lstTabOpenImage->setToolTip("Lohnsteuer-Tabelle öffnen");
    connect(m_lstTabOpenImage, &QToolButton::clicked, this,
            &TFoEntgeltabrechnung::LStTabOpenImageClick);
    m_lstTabCloseImage = new QToolButton(Panel());
    m_lstTabCloseImage->setObjectName("LStTabCloseImage");
    m_lstTabCloseImage->setText("LSt-Tabelle ×");
    m_lstTabCloseImage->setToolTip("Lohnsteuer-Tabelle(n) schließen (mit Strg: weitere öffnen)");
    connect(m_lstTabCloseImage, &QToolButton::clicked, this, [this] {
        LStTabCloseImageClick(QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    m_svTab =
        new TTabellenSymbol(Panel(), "SVTab", "SV-Tabelle", 8, "Soz.Vers.-Beitragstabelle öffnen",
                            "Soz.Vers.-Beitragstabelle(n) schließen (mit Strg: weitere öffnen)");
    connect(m_svTab->OpenImage(), &QToolButton::clicked, this,
            &TFoEntgeltabrechnung::SVTabOpenImageClick);
    connect(m_svTab->CloseImage(), &QToolButton::clicked, this, [this] {
        SVTabCloseImageClick(QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    auto* knoepfe = SeitenZeile(*Panel(), {m_bnVergleich, m_lstTabOpenImage, m_lstTabCloseImage,
                                           m_svTab->OpenImage(), m_svTab->CloseImage()});
    static_cast<QHBoxLayout*>(knoepfe->layout())->insertStretch(1, 1);
    spalte.addWidget(knoepfe);
}

// Right column: which amount is given, the pay, deductions and contributions.
void TFoEntgeltabrechnung::EntgeltAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* entgelt = SeitenGruppe(*Panel(), spalte, "Entgelt");
    const std::tuple<QRadioButton**, const char*, const char*, const char*, int> kWahl[] = {
        {&m_rbEntgeltEingabe, "rbEntgeltEingabe", "Brutto", "Steuer und Netto berechnen.",
         TLohnDaten::kAusEntgelt},
        {&m_rbLStEingabe, "rbLStEingabe", "Lohnsteuer", "Entgelt berechnen.",
         TLohnDaten::kAusLohnsteuer},
        {&m_rbNettoEingabe, "rbNettoEingabe", "Netto", "Bruttoentgelt berechnen.",
         TLohnDaten::kAusNetto}};
    for (const auto& [feld, name, text, hinweis, wert] : kWahl) {
        auto* knopf = new QRadioButton(text, Panel());
        knopf->setObjectName(name);
        knopf->setToolTip(hinweis);
        knopf->setStatusTip(hinweis);
        const int w = wert;
        connect(knopf, &QRadioButton::clicked, this, [this, w] { AusgangswertSetzen(w); });
        *feld = knopf;
    }
    entgelt->addRow("Gegeben:",
                    SeitenZeile(*Panel(), {m_rbEntgeltEingabe, m_rbLStEingabe, m_rbNettoEingabe}));
    entgelt->addRow("Währung:", SeitenZeile(*Panel(), {Neu<TMVCComboBox>("cbWaehrungName"),
                                                       Check("chUmrechnen", "Umrechnen")}));
    auto* eingabe = new QPushButton("Eingabe...", Panel());
    eingabe->setObjectName("bnDetailEntgelt");
    connect(eingabe, &QPushButton::clicked, this, &TFoEntgeltabrechnung::bnDetailEntgeltClick);
    entgelt->addRow(SeitenZeile(*Panel(), {Check("chDetailEntgelt", "Einzelbezüge"), eingabe}));
    m_ebEntgelt = Neu<TMVCBetrag>("ebEntgelt");
    entgelt->addRow("Br&uttoentgelt:", m_ebEntgelt);
    m_ebVersBez = Neu<TMVCBetrag>("ebVersBez");
    // The field keeps its place while the pension panel covers it.
    QSizePolicy platz = m_ebVersBez->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    m_ebVersBez->setSizePolicy(platz);
    entgelt->addRow("Versorgungsbezüge:", m_ebVersBez);
    entgelt->addRow("Nettoabzug:", SeitenZeile(*Panel(), {Neu<TMVCEdit>("edNettoAbz"),
                                                          Neu<TMVCBetrag>("ebNettoAbz")}));
    m_ebNetto = Neu<TMVCBetrag>("ebNetto");
    entgelt->addRow("&Nettoentgelt:", m_ebNetto);

    QFormLayout* abzug = SeitenGruppe(*Panel(), spalte, "Abzüge");
    m_ebLSt = Neu<TMVCBetrag>("ebLSt");
    abzug->addRow("Lohnsteuer:", m_ebLSt);
    abzug->addRow("Kirchensteuer:", Neu<TMVCBetrag>("ebKiSt"));
    abzug->addRow("Solidaritätszuschlag:", Neu<TMVCBetrag>("ebSolZ"));
    m_paMZTab = SeitenZeile(*Panel(), {Check("chZTab", "Zusatztabelle angewendet")});
    m_paMZTab->setObjectName("paMZTab");
    abzug->addRow(m_paMZTab);
    m_paKindergeld = SeitenZeile(
        *Panel(), {Check("chKindergeld", "Kindergeld"), Neu<TMVCBetrag>("ebKindergeld")});
    m_paKindergeld->setObjectName("paKindergeld");
    abzug->addRow(m_paKindergeld);
    abzug->addRow("Andere Aufwendungen:", Neu<TMVCBetrag>("ebAndereAE"));
    const std::tuple<const char*, const char*, const char*> kZweige[] = {
        {"KV", "ebKVSatz", "ebKVBeitrag"}, {"KV-Zusatz", "ebKVZBSatz", "ebKVZBBeitrag"},
        {"PV", "ebPVSatz", "ebPVBeitrag"}, {"PV kinderlos", "ebPVKLSatz", "ebPVKLBeitrag"},
        {"RV", "ebRVSatz", "ebRVBeitrag"}, {"AV", "ebAVSatz", "ebAVBeitrag"}};
    for (const auto& [titel, satz, beitrag] : kZweige) {
        abzug->addRow(QString(titel) + ":",
                      SeitenZeile(*Panel(), {Neu<TMVCBetrag>(satz), new QLabel("%", Panel()),
                                             Neu<TMVCBetrag>(beitrag)}));
    }
}

// The pension panel: it lies over the page beside the pension field, can be dragged inside the
// page, and closes when the focus leaves it. It never changes the page's size.
void TFoEntgeltabrechnung::VersBezAufbauen()
{
    m_paVersBez = new QFrame(Panel());
    m_paVersBez->setObjectName("paVersBez");
    m_paVersBez->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_paVersBez->setAutoFillBackground(true);
    m_paVersBez->setCursor(Qt::SizeAllCursor);
    auto* form = new QFormLayout(m_paVersBez);
    form->setContentsMargins(6, 4, 6, 6);
    form->setVerticalSpacing(2);
    auto* titel = new QLabel("<b>Versorgungsbezüge</b>", m_paVersBez);
    form->addRow(titel);
    m_ebVersBez2005 = Neu<TMVCBetrag>("ebVersBez2005");
    const std::pair<const char*, QWidget*> kZeilen[] = {
        {"Versorgungsbezüge:", m_ebVersBez2005},
        {"Monate:", Neu<TMVCComboBox>("cbMonateVersBez")},
        {"Versorgungsbeginn:", Neu<TMVCZahlEdit>("edVersorgungsbeginn")},
        {nullptr, Neu<TMVCBetrag>("ebVersBezMonat")},
        {"Sonderzahlungen:", Neu<TMVCBetrag>("ebSonderzahlungen")}};
    for (const auto& [text, feld] : kZeilen) {
        feld->setParent(m_paVersBez);
        feld->setCursor(Qt::IBeamCursor);
        if (text) {
            form->addRow(text, feld);
        } else {
            m_stVersBezBemGrdlMonat =
                Beschriftung("stVersBezBemGrdlMonat", "Bezug für den ersten vollen Monat:");
            m_stVersBezBemGrdlMonat->setParent(m_paVersBez);
            form->addRow(m_stVersBezBemGrdlMonat, feld);
        }
    }
    // The panel's fields follow the pension field in the tab order, the page's next field
    // follows the panel.
    QWidget* vorher = m_ebVersBez;
    for (const auto& [text, feld] : kZeilen) {
        setTabOrder(vorher, feld);
        vorher = feld;
    }
    setTabOrder(vorher, Control<QWidget>("edNettoAbz"));
    m_paVersBez->hide();
}

void TFoEntgeltabrechnung::BindControls()
{
    if (LohnDaten()) {
        TStrings liste;
        TLohnDaten::KinderfreibetraegeAuflisten(liste);
        const QSignalBlocker blocker(m_cbKiFB);
        m_cbKiFB->clear();
        for (const std::string& eintrag : liste)
            m_cbKiFB->addItem(Text(eintrag));
    }
    Binden(kBindungen);
}

void TFoEntgeltabrechnung::AfterRefresh()
{
    const TLohnDaten* d = LohnDaten();
    if (!d)
        return;
    const int jahr = d->Jahr->GetValue();
    const int monat = d->Monat->GetValue();
    const bool kindergeld = KindergeldAufAbrechnung(jahr);
    m_paKindergeld->setVisible(kindergeld);
    m_paMZTab->setVisible(!kindergeld);
    // Before April 2003 there is no transition zone: its place shows the eastern ceiling.
    const bool gleitzone = d->Gleitzone->IsEnabled();
    m_chGleitzone->setVisible(gleitzone);
    m_chOstBBGKV->setVisible(!gleitzone);
    const bool plSt = d->PLSt->GetValue();
    m_bnVergleich->setVisible(!plSt);
    m_chMTabZ->setVisible(!d->PLSt->IsEnabled());
    const bool kinderlos = TBeitragssatz::PVZuschlagKinderlose(jahr);
    m_chTabBeitrag->setVisible(!kinderlos);
    m_chKinderlos->setVisible(kinderlos);

    const int ausgang = d->Ausgangswert->GetValue();
    m_rbEntgeltEingabe->setChecked(ausgang == TLohnDaten::kAusEntgelt);
    m_rbLStEingabe->setChecked(ausgang == TLohnDaten::kAusLohnsteuer);
    m_rbNettoEingabe->setChecked(ausgang == TLohnDaten::kAusNetto);
    m_rbLStEingabe->setEnabled(!plSt);

    KiFBMarkieren();

    const QString ende = QString::fromUtf8(WaehrungDesJahres(jahr)) + "):";
    m_stLStKFB->setText("&Freibetrag (" + ende);
    m_stHinzur->setText("Hinzurechng.(" + ende);
    m_chGleitzone->setText(GleitzonenText(jahr, monat));
    m_chGleitzone->setToolTip(GleitzonenHinweis(jahr, monat));
    m_chNeueGleitzonenFormel->setToolTip(
        NeueGleitzonenformelVon2022(jahr) ? "Für Neubeschäftigte ab 1.10.2022 oder über 520,- Euro"
                                          : "Für Neubeschäftigte ab 1.1.2013 oder über 450,- Euro");
    m_stVersBezBemGrdlMonat->setText(
        VersorgungsbezugErsterVollerMonat(d->Versorgungsbeginn->GetValue())
            ? "Bezug für den ersten vollen Monat:"
            : "Bezug für den Monat Januar 2005:");
    const QString pkv = PrivateKVBeitraegeBescheinigt(jahr)
                            ? "Festgestellte oder bescheinigte Monats-Beiträge zur privaten "
                              "Basiskranken- und Pflege-Pflichtversicherung"
                            : "Dem AG mitgeteilte monatl. Zahlungen des AN zur privaten Kranken- "
                              "und Pflegeversicherung";
    m_stPrivatKPVBeitrag->setToolTip(pkv);
    m_ebPrivatKPVBeitrag->setToolTip(pkv);
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
    const TLohnDaten* d = LohnDaten();
    // The mark follows the condition both ways: it goes as soon as the class or the allowances
    // no longer call for it.
    m_kiFBMarkiert = d && d->Steuerklasse->GetValue() == 2 &&
                     StrToBetragFloat(d->Kinderfreibetraege->GetValue()) < 0.5 &&
                     !m_cbKiFB->hasFocus();
    m_cbKiFB->setStyleSheet(m_kiFBMarkiert ? "QComboBox { background: #ff0000; color: #ffff00; }"
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
    if (watched == m_paVersBez)
        return VersBezZiehen(*event) || TMainPageForm::eventFilter(watched, event);
    if (art != QEvent::FocusIn && art != QEvent::FocusOut)
        return TMainPageForm::eventFilter(watched, event);
    if (watched == m_cbKiFB) {
        KiFBMarkieren();
    } else if (art == QEvent::FocusIn &&
               (watched == m_ebEntgelt || watched == m_ebNetto || watched == m_ebLSt)) {
        // An amount the last run could not determine ("???") becomes an input again as soon as
        // the user enters its field.
        auto* control = dynamic_cast<TMVCControl*>(watched);
        if (TValue* wert = control ? control->Value() : nullptr; wert && wert->IsUndetermined())
            wert->ChangeFlag(TValue::vfUndetermined, false);
    } else if (art == QEvent::FocusIn && watched == m_ebVersBez) {
        const TLohnDaten* d = LohnDaten();
        // From 2005 the pensions need their start year and months: they are typed in the
        // pension panel. The field that passed the focus on keeps no selection.
        if (d && VersorgungsbeginnMassgeblich(d->Jahr->GetValue())) {
            VersBezOeffnen();
            return true;
        }
    }
    return TMainPageForm::eventFilter(watched, event);
}

bool TFoEntgeltabrechnung::VersBezOffen() const
{
    return m_paVersBez->isVisible();
}

void TFoEntgeltabrechnung::VersBezOeffnen()
{
    m_paVersBez->adjustSize();
    // Over the pension field, inside the page: the page keeps its size.
    const QPoint ort = m_ebVersBez->mapTo(Panel(), QPoint(0, 0));
    m_paVersBez->move(
        std::clamp(ort.x(), 0, std::max(0, Panel()->width() - m_paVersBez->width())),
        std::clamp(ort.y(), 0, std::max(0, Panel()->height() - m_paVersBez->height())));
    m_paVersBez->show();
    m_paVersBez->raise();
    m_ebVersBez->hide();
    m_ebVersBez2005->setFocus(Qt::TabFocusReason);
}

void TFoEntgeltabrechnung::VersBezSchliessen()
{
    m_paVersBez->hide();
    m_ebVersBez->show();
}

void TFoEntgeltabrechnung::FokusGewechselt(QWidget* neu)
{
    // The panel closes when the focus goes to another field of the page (Tab from its last
    // field leads on to the page's next field); a dialog or a menu leaves it open.
    if (neu && m_paVersBez->isVisible() && Panel()->isAncestorOf(neu) &&
        !m_paVersBez->isAncestorOf(neu))
        VersBezSchliessen();
}

bool TFoEntgeltabrechnung::VersBezZiehen(QEvent& event)
{
    const auto art = event.type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseMove &&
        art != QEvent::MouseButtonRelease)
        return false;
    const auto& maus = static_cast<QMouseEvent&>(event);
    if (art == QEvent::MouseButtonPress && maus.button() == Qt::LeftButton) {
        m_ziehPunkt = maus.position().toPoint();
    } else if (art == QEvent::MouseMove && m_ziehPunkt.x() >= 0) {
        const QPoint ziel = m_paVersBez->pos() + maus.position().toPoint() - m_ziehPunkt;
        m_paVersBez->move(
            std::clamp(ziel.x(), 0, std::max(0, Panel()->width() - m_paVersBez->width())),
            std::clamp(ziel.y(), 0, std::max(0, Panel()->height() - m_paVersBez->height())));
    } else if (art == QEvent::MouseButtonRelease) {
        m_ziehPunkt = QPoint(-1, -1);
    } else {
        return false;
    }
    return true;
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

namespace {

bool EnthaeltVersorgung(const TDetailEntgelte& liste)
{
    for (int i = 0; i < liste.Count(); ++i)
        if (liste.DetailEntgeltDaten(i).Versorgungsbezug().GetStoredString() == "Ja")
            return true;
    return false;
}

} // namespace

void TFoEntgeltabrechnung::bnDetailEntgeltClick()
{
    auto* lohn = dynamic_cast<TLohnBerechnung*>(Berechnung());
    if (!lohn)
        return;
    const TLohnDaten& d = lohn->LohnDatenOf();
    const bool versorgungVorher = EnthaeltVersorgung(d.DetailEntgelte());
    if (!TFoEntgelteMenue::Ausfuehren(*lohn))
        return;
    // From 2005 a pension needs its start year and months: the panel asks for them.
    if (VersorgungsbeginnMassgeblich(d.Jahr->GetValue()) && !versorgungVorher &&
        EnthaeltVersorgung(d.DetailEntgelte())) {
        m_paVersBez->show();
        Control<QWidget>("edVersorgungsbeginn")->setFocus();
    }
}

void TFoEntgeltabrechnung::bnSVAendernNeuClick()
{
    if (auto* lohn = dynamic_cast<TLohnBerechnung*>(Berechnung()))
        KasseWaehlen(*lohn);
}

void TFoEntgeltabrechnung::Drucken(int copies)
{
    TLohnDaten* d = LohnDaten();
    if (d && TFoAbrgDruck::Ausfuehren(QString(), *d->Arbeitnehmer, true, *d->AbrgZeitraum))
        DruckeEntgeltabrechnung(*d, copies, Panel()->window()->windowTitle());
}

QStringList TFoEntgeltabrechnung::DruckText()
{
    return LohnDaten() ? EntgeltabrechnungAlsText(*LohnDaten()) : QStringList();
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
    v.kurs = d->Waehrungskurs() ? d->Waehrungskurs()->GetStoredValue() : 1.0;
    v.rvFrei = TLohnDaten::KRVFrei(v.jahr);
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

void TFoEntgeltabrechnung::SVTabOpenImageClick()
{
    if (const auto* lohn = dynamic_cast<const TLohnBerechnung*>(Berechnung()))
        TFoSVTabelle::Zeigen(SVTabellenVorgabenAus(*lohn));
    TabellenSymboleAktualisieren();
}

void TFoEntgeltabrechnung::SVTabCloseImageClick(bool strg)
{
    if (strg)
        SVTabOpenImageClick();
    else
        CloseFormsOfClass(TFoSVTabelle::staticMetaObject);
    TabellenSymboleAktualisieren();
}

void TFoEntgeltabrechnung::TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse)
{
    TabellenSymboleAktualisieren();
    const bool gescrollt = art == TTabellenNachricht::NachUntenGescrollt ||
                           art == TTabellenNachricht::NachObenGescrollt;
    if (gescrollt && klasse.inherits(&TFoSVTabelle::staticMetaObject))
        m_svTab->Gescrollt(art == TTabellenNachricht::NachUntenGescrollt);
}

QMenu* TFoEntgeltabrechnung::CreatePagePopup()
{
    QMenu* popup = TMainPageForm::CreatePagePopup();
    // The tables' items go between "Drucken" and the closing group ("Beenden" stays last).
    QAction* schluss = nullptr;
    for (QAction* vorhanden : popup->actions()) {
        if (GroupIndex(*vorhanden) > 1) {
            schluss = vorhanden;
            break;
        }
    }
    const auto item = [this, popup, schluss](const char* name, const QString& text, auto aktion) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        SetGroupIndex(*a, 1);
        connect(a, &QAction::triggered, this, aktion);
        popup->insertAction(schluss, a);
        return a;
    };
    popup->insertSeparator(schluss);
    m_pmiLStTabelleOeffnen = item("pmiLStTabelleOeffnen", "&Lohnsteuer-Tabelle öffnen",
                                  [this] { LStTabOpenImageClick(); });
    m_pmiLStTabelleSchliessen = item("pmiLStTabelleSchliessen", "&Lohnsteuer-Tabelle(n) schließen",
                                     [this] { LStTabCloseImageClick(false); });
    m_pmiSVTabelleOeffnen = item("pmiSVTabelleOeffnen", "&Soz.Vers.-Beitragstabelle öffnen",
                                 [this] { SVTabOpenImageClick(); });
    m_pmiSVTabelleSchliessen =
        item("pmiSVTabelleSchliessen", "&Soz.Vers.-Beitragstabelle(n) schließen",
             [this] { SVTabCloseImageClick(false); });
    return popup;
}

void TFoEntgeltabrechnung::PagePopupMenuePopup()
{
    const bool lst = FormOfClassExists(TFoLStTabelle::staticMetaObject);
    m_pmiLStTabelleOeffnen->setVisible(!lst);
    m_pmiLStTabelleSchliessen->setVisible(lst);
    const bool sv = FormOfClassExists(TFoSVTabelle::staticMetaObject);
    m_pmiSVTabelleOeffnen->setVisible(!sv);
    m_pmiSVTabelleSchliessen->setVisible(sv);
}

void TFoEntgeltabrechnung::TabellenSymboleAktualisieren()
{
    const bool offen = FormOfClassExists(TFoLStTabelle::staticMetaObject);
    m_lstTabCloseImage->setVisible(offen);
    m_lstTabOpenImage->setVisible(!offen);
    m_svTab->Aktualisieren(FormOfClassExists(TFoSVTabelle::staticMetaObject));
}
