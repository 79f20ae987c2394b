#include "Forms/Seiten/Einkommensteuer.h"

#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Einkommensteuer/EStDaten.h"
#include "Forms/Tabellen/EStTabelle.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Forms/Seiten/VergleichNachricht.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Gui/XoTimer.h"
#include "Print/EStDruck.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The controls of the page and the values they show, in binding order.
constexpr TBindung kBindungen[] = {
    {"cbVZ", "Jahr"},
    {"chWJAbweichend", "WJAbweichend"},
    {"cbWaehrungName", "WaehrungName"},
    {"chUmrechnen", "Umrechnen"},
    {"ebGewinnEink", "GewinnEink"},
    {"ebGewStMessbetrag", "GewStMessbetrag"},
    {"ebGewSt", "Gewerbesteuer"},
    {"ebGewEink", "GewerblEink"},
    {"ebSummeEink", "SummeEink"},
    {"ebSonstStErm35", "SonstStErm35"},
    {"ebZVE", "ZVE"},
    {"ebProgEink", "ProgressEink"},
    {"chKeineZTab", "KeineZTab"},
    {"ebErwBez", "Erwerbsbezuege"},
    {"ebSonstSt", "SonstStErm"},
    {"ebESt", "Einkommensteuer"},
    {"ebProgSatz", "ProgressSatz"},
    {"ebProgressESt", "ProgressSteuer"},
    {"ebErm32c", "EB32c"},
    {"ebZTabMild", "MilderungZTab"},
    {"ebEBGewinnEink", "ErmBGewinnEink"},
    {"ebFestESt", "FestzusetzendeESt"},
    {"ebeSolZ", "SolZ"},
};

// Picture `bild` (1..7) of the table icon: a small sheet with ruled rows whose marked row runs
// down the sheet as the pictures go on; picture 1 is the sheet at rest.
QPixmap TabellenBild(int bild)
{
    QPixmap bildchen(24, 24);
    bildchen.fill(Qt::transparent);
    QPainter maler(&bildchen);
    maler.setPen(QColor(90, 90, 90));
    maler.setBrush(QColor(255, 251, 240));
    maler.drawRect(3, 1, 17, 21);
    maler.fillRect(4, 2, 16, 4, QColor(0, 0, 128));
    for (int y = 8; y < 22; y += 3)
        maler.drawLine(5, y, 18, y);
    if (bild > 1)
        maler.fillRect(4, 6 + 2 * (bild - 2), 16, 3, QColor(255, 0, 0));
    return bildchen;
}

} // namespace

TFoEinkommensteuer::TFoEinkommensteuer(QWidget* parent) : TMainPageForm(parent)
{
    setObjectName("FoEinkommensteuer");
    setWindowTitle("Einkommensteuer");
    for (int i = 0; i < kBilder; ++i)
        m_bilder[static_cast<std::size_t>(i)] = QIcon(TabellenBild(i + 1));
    Aufbauen();
    m_jahresvergleich = std::make_unique<TJahresvergleichKnopf>(
        *m_bnVergleich, TVergleichArt::ESt, *Control<QWidget>("cbVZ"));
    PopupAufbauen();
}

TFoEinkommensteuer::~TFoEinkommensteuer() = default;

std::span<const TBindung> TFoEinkommensteuer::Bindungen()
{
    return kBindungen;
}

TEStBerechnung* TFoEinkommensteuer::EStBerechnung() const
{
    return dynamic_cast<TEStBerechnung*>(Berechnung());
}

TEStDaten* TFoEinkommensteuer::EStDaten() const
{
    return EStBerechnung() ? &EStBerechnung()->EStDaten() : nullptr;
}

template <class T> T* TFoEinkommensteuer::Neu(const char* name)
{
    auto* control = new T(this, Panel());
    control->setObjectName(name);
    return control;
}

TMVCCheckBox* TFoEinkommensteuer::Check(const char* name, const QString& text)
{
    auto* box = Neu<TMVCCheckBox>(name);
    box->setText(text);
    return box;
}

QRadioButton* TFoEinkommensteuer::Wahl(QButtonGroup& gruppe, const char* name, const QString& text)
{
    auto* knopf = new QRadioButton(text, Panel());
    knopf->setObjectName(name);
    gruppe.addButton(knopf);
    return knopf;
}

QLabel* TFoEinkommensteuer::BenannteZeile(QFormLayout& form, const char* name, const QString& text,
                                          QWidget* feld)
{
    auto* label = new QLabel(text, Panel());
    label->setObjectName(name);
    label->setBuddy(feld);
    form.addRow(label, feld);
    return label;
}

void TFoEinkommensteuer::Aufbauen()
{
    // Each pair of radio buttons is a choice of its own.
    m_tabellenWahl = new QButtonGroup(this);
    m_eingabeWahl = new QButtonGroup(this);
    auto* seite = new QHBoxLayout(Panel());
    seite->setContentsMargins(4, 2, 4, 2);
    seite->setSpacing(4);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    for (QVBoxLayout* spalte : {links, rechts}) {
        spalte->setSpacing(4);
        seite->addLayout(spalte, 1);
    }
    // Built in the order of the tab key: year and tariff, the taxable income and its tax, the
    // business income, the results.
    VeranlagungAufbauen(*links);
    SteuerAufbauen(*rechts);
    GewerbeAufbauen(*links);
    ErgebnisAufbauen(*rechts);
    SymboleAufbauen(*links);
    links->addStretch(1);
    rechts->addStretch(1);
    TabellenSymboleAktualisieren();
}

void TFoEinkommensteuer::VeranlagungAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* form = SeitenGruppe(*Panel(), spalte, "Veranlagung");
    form->addRow("&Veranlagungszeitraum:", Neu<TMVCComboBox>("cbVZ"));
    m_chWJAbweichend = Check("chWJAbweichend", "Abweichendes &Wirtschaftsjahr");
    form->addRow(m_chWJAbweichend);
    form->addRow("Wä&hrung:", SeitenZeile(*Panel(), {Neu<TMVCComboBox>("cbWaehrungName"),
                                                     Check("chUmrechnen", "&Umrechnen")}));
    m_rbGrundTab = Wahl(*m_tabellenWahl, "rbGrundTab", "&Grundtabelle");
    m_rbSplittingTab = Wahl(*m_tabellenWahl, "rbSplittingTab", "&Splittingtabelle");
    for (QRadioButton* knopf : {m_rbGrundTab, m_rbSplittingTab})
        connect(knopf, &QRadioButton::clicked, this, [this] { GrundSplittingTabClick(); });
    form->addRow("Tarif:", SeitenZeile(*Panel(), {m_rbGrundTab, m_rbSplittingTab}));
}

void TFoEinkommensteuer::GewerbeAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* form = SeitenGruppe(*Panel(), spalte, "Gewerbliche Einkünfte");
    form->addRow("Gewinneinkünfte:", Neu<TMVCBetrag>("ebGewinnEink"));
    form->addRow("Gewerbesteuer-&Messbetrag:", Neu<TMVCBetrag>("ebGewStMessbetrag"));
    form->addRow("Gewerbesteuer:", Neu<TMVCBetrag>("ebGewSt"));
    m_stGewEink = BenannteZeile(*form, "stGewEink",
                                "Gewerbliche Einkünfte (§35):", Neu<TMVCBetrag>("ebGewEink"));
    form->addRow("Summe der Einkünfte:", Neu<TMVCBetrag>("ebSummeEink"));
    form->addRow("Andere Ermäßigungen vor §35:", Neu<TMVCBetrag>("ebSonstStErm35"));
}

void TFoEinkommensteuer::SteuerAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* form = SeitenGruppe(*Panel(), spalte, "Steuerberechnung");
    m_rbZVEEingabe = Wahl(*m_eingabeWahl, "rbZVEEingabe", "&Zu versteuerndes Einkommen:");
    m_rbZVEEingabe->setToolTip("Einkommensteuer berechnen.");
    m_rbEStEingabe = Wahl(*m_eingabeWahl, "rbEStEingabe", "Ein&kommensteuer:");
    m_rbEStEingabe->setToolTip("Zu versteuerndes Einkommen berechnen.");
    connect(m_rbZVEEingabe, &QRadioButton::clicked, this, [this] { ZVEEingabeClick(true); });
    connect(m_rbEStEingabe, &QRadioButton::clicked, this, [this] { ZVEEingabeClick(false); });
    form->addRow(m_rbZVEEingabe, Neu<TMVCBetrag>("ebZVE"));
    form->addRow(m_rbEStEingabe, Neu<TMVCBetrag>("ebESt"));
    form->addRow("&Progressionseinkünfte:", Neu<TMVCBetrag>("ebProgEink"));
    form->addRow("Progressionssatz (%):", Neu<TMVCBetrag>("ebProgSatz"));
    form->addRow("Steuer nach Progressionssatz:", Neu<TMVCBetrag>("ebProgressESt"));
    form->addRow(Check("chKeineZTab", "Keine Zusatztabe&lle"));
    form->addRow("&Erwerbsbezüge:", Neu<TMVCBetrag>("ebErwBez"));
    form->addRow("So&nstige Steuern/Ermäßigungen:", Neu<TMVCBetrag>("ebSonstSt"));
}

void TFoEinkommensteuer::ErgebnisAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* form = SeitenGruppe(*Panel(), spalte, "Ergebnis");
    form->addRow("Entlastung/Ermäßigung (§32c/§35):", Neu<TMVCBetrag>("ebErm32c"));
    // The relief of the additional table (1993 to 1995) and that for profit income (2007) share
    // one place: the page brings the one of the year to the front.
    m_paZTabMild = new QStackedWidget(Panel());
    m_paZTabMild->setObjectName("paZTabMild");
    m_ebZTabMild = Neu<TMVCBetrag>("ebZTabMild");
    m_ebEBGewinnEink = Neu<TMVCBetrag>("ebEBGewinnEink");
    m_paZTabMild->addWidget(m_ebZTabMild);
    m_paZTabMild->addWidget(m_ebEBGewinnEink);
    m_paZTabMild->setSizePolicy(m_ebZTabMild->sizePolicy());
    m_stZTabMild =
        BenannteZeile(*form, "stZTabMild", "Milderung durch Zusatztabelle:", m_paZTabMild);
    m_stZTabMild->setBuddy(m_ebZTabMild);
    form->addRow("Festzusetzende Einkommensteuer:", Neu<TMVCBetrag>("ebFestESt"));
    form->addRow("Solidaritätszuschlag:", Neu<TMVCBetrag>("ebeSolZ"));
}

void TFoEinkommensteuer::SymboleAufbauen(QVBoxLayout& spalte)
{
    m_bnVergleich = new QPushButton("Jahresvergleich", Panel());
    m_bnVergleich->setObjectName("bnVergleich");
    const auto symbol = [this](const char* name, const QString& text, const QString& hinweis) {
        auto* knopf = new QToolButton(Panel());
        knopf->setObjectName(name);
        knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        knopf->setText(text);
        knopf->setIconSize(QSize(24, 24));
        knopf->setAutoRaise(true);
        knopf->setToolTip(hinweis);
        knopf->setStatusTip(hinweis);
        return knopf;
    };
    m_estTabOpenImage = symbol("EStTabOpenImage", "ESt-Tabelle", "Einkommensteuer-Tabelle öffnen");
    m_estTabOpenImage->setIcon(m_bilder[0]);
    connect(m_estTabOpenImage, &QToolButton::clicked, this,
            &TFoEinkommensteuer::EStTabOpenImageClick);
    m_estTabCloseImage = symbol("EStTabCloseImage", "ESt-Tabelle ×",
                                "Einkommensteuer-Tabelle(n) schließen (mit Strg: weitere öffnen)");
    m_estTabCloseImage->setIcon(m_bilder[0]);
    connect(m_estTabCloseImage, &QToolButton::clicked, this, [this] {
        EStTabCloseImageClick(QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    auto* zeile = new QHBoxLayout;
    zeile->setContentsMargins(4, 0, 4, 0);
    zeile->addWidget(m_bnVergleich);
    zeile->addStretch(1);
    zeile->addWidget(m_estTabOpenImage);
    zeile->addWidget(m_estTabCloseImage);
    spalte.addLayout(zeile);
}

void TFoEinkommensteuer::PopupAufbauen()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu1");
    m_pmiTabelleOeffnen = menu->addAction("&Tabelle öffnen");
    m_pmiTabelleOeffnen->setObjectName("pmiTabelleOeffnen");
    connect(m_pmiTabelleOeffnen, &QAction::triggered, this,
            &TFoEinkommensteuer::EStTabOpenImageClick);
    m_pmiTabelleSchliessen = menu->addAction("&Tabelle schließen");
    m_pmiTabelleSchliessen->setObjectName("pmiTabelleSchliessen");
    connect(m_pmiTabelleSchliessen, &QAction::triggered, this, [this] {
        EStTabCloseImageClick(QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    // The page's own items (copy, print, quit) join this popup when the page is set up.
    SetPopupMenu(menu);
}

void TFoEinkommensteuer::PagePopupMenuePopup()
{
    const bool offen = FormOfClassExists(TFoEStTabelle::staticMetaObject);
    m_pmiTabelleSchliessen->setVisible(offen);
    m_pmiTabelleOeffnen->setVisible(!offen);
}

void TFoEinkommensteuer::BindControls()
{
    Binden(kBindungen);
}

void TFoEinkommensteuer::AfterRefresh()
{
    const TEStDaten* d = EStDaten();
    if (!d)
        return;
    m_chWJAbweichend->setVisible(d->WJAbweichend().IsEnabled());

    // Shown, never written: the buttons write on the user's clicks only.
    (d->Grundtabelle().GetValue() ? m_rbGrundTab : m_rbSplittingTab)->setChecked(true);
    (d->ZVEEingabe().GetValue() ? m_rbZVEEingabe : m_rbEStEingabe)->setChecked(true);

    m_stGewEink->setText(d->GewStMessbetrag().IsEnabled() ? "Gewerbliche Einkünfte (§35):"
                                                          : "Gewerbliche Einkünfte (§32c):");

    const bool gewinn = d->GewinnEink().IsEnabled();
    TMVCBetrag* vorn = gewinn ? m_ebEBGewinnEink : m_ebZTabMild;
    m_stZTabMild->setText(gewinn ? "Entlastung f.Gewinneink. (§32c):"
                                 : "Milderung durch Zusatztabelle:");
    m_paZTabMild->setCurrentWidget(vorn);
    m_stZTabMild->setBuddy(vorn);
    m_stZTabMild->setEnabled(vorn->isEnabled());
}

void TFoEinkommensteuer::GrundSplittingTabClick()
{
    if (Updating() || !EStDaten())
        return;
    EStDaten()->Grundtabelle().SetValue(m_rbGrundTab->isChecked());
}

void TFoEinkommensteuer::ZVEEingabeClick(bool zveGegeben)
{
    if (Updating() || !EStDaten())
        return;
    EStDaten()->ZVEEingabe().SetValue(zveGegeben);
}

void TFoEinkommensteuer::Drucken(int copies)
{
    if (TEStDaten* d = EStDaten())
        DruckeEinkommensteuer(*d, copies, Panel()->window()->windowTitle());
}

QStringList TFoEinkommensteuer::DruckText()
{
    return EStDaten() ? EinkommensteuerAlsText(*EStDaten()) : QStringList();
}

void TFoEinkommensteuer::EStTabOpenImageClick()
{
    if (TEStBerechnung* berechnung = EStBerechnung())
        berechnung->TabelleOeffnen();
    TabellenSymboleAktualisieren();
}

void TFoEinkommensteuer::EStTabCloseImageClick(bool strg)
{
    if (strg)
        EStTabOpenImageClick();
    else
        CloseFormsOfClass(TFoEStTabelle::staticMetaObject);
    TabellenSymboleAktualisieren();
}

void TFoEinkommensteuer::TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse)
{
    // Notices name the kind of table, never the window: a table closed right after scrolling
    // leaves nothing behind to read.
    if (!klasse.inherits(&TFoEStTabelle::staticMetaObject))
        return;
    switch (art) {
    case TTabellenNachricht::Geoeffnet:
    case TTabellenNachricht::Geschlossen:
        TabellenSymboleAktualisieren();
        break;
    case TTabellenNachricht::NachUntenGescrollt:
        Animieren(true);
        break;
    case TTabellenNachricht::NachObenGescrollt:
        Animieren(false);
        break;
    }
}

void TFoEinkommensteuer::TabellenSymboleAktualisieren()
{
    const bool offen = FormOfClassExists(TFoEStTabelle::staticMetaObject);
    m_estTabCloseImage->setVisible(offen);
    m_estTabOpenImage->setVisible(!offen);
}

void TFoEinkommensteuer::Animieren(bool vorwaerts)
{
    m_vorwaerts = vorwaerts;
    if (m_bild == 1)
        m_bild = vorwaerts ? 2 : kBilder;
    // One timer per page: a notice while the cycle runs only turns its direction.
    TimerMngr().AddTimer(kAnimationsSchritt, {this, &TFoEinkommensteuer::AnimationsSchritt});
}

void TFoEinkommensteuer::AnimationsSchritt()
{
    m_estTabCloseImage->setIcon(m_bilder[static_cast<std::size_t>(m_bild - 1)]);
    if (m_bild == 1) {
        TimerMngr().RemoveTimer({this, &TFoEinkommensteuer::AnimationsSchritt});
        return;
    }
    m_bild = m_vorwaerts ? m_bild % kBilder + 1 : m_bild - 1;
}
