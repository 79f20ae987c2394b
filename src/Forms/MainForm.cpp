#include "Forms/MainForm.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Forms/AboutBox.h"
#include "Forms/DDEStatusAnzeige.h"
#include "Forms/EStTabelle.h"
#include "Forms/EStVergleich.h"
#include "Forms/Einkommensteuer.h"
#include "Forms/Entgeltabrechnung.h"
#include "Forms/FoOptionen.h"
#include "Forms/FoStammdaten.h"
#include "Forms/FoStKlVergleich.h"
#include "Forms/GeringfuegigBeschaeftigt.h"
#include "Forms/LohnVergleich.h"
#include "Forms/LStTabelle.h"
#include "Forms/SVTabelle.h"
#include "Forms/UpdatePruefung.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/PageForm.h"
#include "Gui/XoApp.h"
#include "Lib/Datum.h"
#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "MVCFrame/DDEMngr.h"
#include "Options/OptionenVtrl.h"
#include "Platform/MessageWindow.h"
#include "Platform/ProzessStart.h"
#include "Platform/ShellFolder.h"
#include "Print/DruckAusgabe.h"
#include "Print/LohnDru.h"
#include "Print/QtDruckCanvas.h"
#include "Print/StKlVergleichDruck.h"
#include "Print/VtPrevw.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <functional>

namespace {

// The tray launcher: its window address and the message that makes it close.
const QString kTrayKlasse = "XoVtrlTray";
const QString kTrayTitel = "Vantrel Tray Icon 2026";
const QString kTrayNachricht = "CloseXoLStTabTrayApp";
constexpr const char* kTrayProgramm = "VtrlTray";
constexpr const char* kVersion = "5.01";
constexpr const char* kTitel = "Vantrel 2026";

// The pages of the main window, one row each: the page's registration and, for the pages the
// user picks, its item in "&Ansicht" and its speed button. Item and button share one action, so
// they are enabled and checked together. A page without a form class is not built yet: its
// commands stay disabled.
struct TSeite {
    int nummer;
    const char* name;
    const char* fokus;
    const char* berechnung;
    const char* item;
    const char* caption;
    const char* button;
    const char* kurz;
    const char* hinweis;
    TPageClass (*klasse)();
};

const TSeite kSeiten[] = {
    {1, "Entgeltabrechnung", "cbJahr", "LOHN", "miAbrechnung", "Entgelt&abrechnung", "bnAbrechnung",
     "Lohn", "Entgeltabrechnung", &TPageClass::Of<TFoEntgeltabrechnung>},
    {2, "Einkommensteuer", "cbVZ", "EST", "miESt", "&Einkommensteuer", "bnESt", "ESt",
     "Einkommensteuer", &TPageClass::Of<TFoEinkommensteuer>},
    {3, "LohnVergleich", "bnNeu", "LohnVergleich", nullptr, nullptr, nullptr, nullptr, nullptr,
     &TPageClass::Of<TFoLohnVergleich>},
    {4, "EStVergleich", "bnNeu", "EStVergleich", nullptr, nullptr, nullptr, nullptr, nullptr,
     &TPageClass::Of<TFoEStVergleich>},
    // Item, button and hint are named after the pay limit of the page's data (GfBBeschriftungen).
    {5, "GeringfuegigBeschaeftigt", "cbJahr", "GfB", "miGfB", "", "bnGfB", "", "",
     &TPageClass::Of<TFoGeringfuegigBeschaeftigt>},
    {6, "Druckvorschau", "", "PreviewBerechnung", nullptr, nullptr, nullptr, nullptr, nullptr,
     &TPageClass::Of<TFoVtPrintPreview>},
    {7, "StKlVergleich", "cbJahr", "StKlVergleich", "miStKlVgl", "Steuerklassen-&Vergleich",
     "bnStKlVgl", "StKl Vergl", "Steuerklassen-Vergleich", &TPageClass::Of<TFoStKlVergleich>},
};

// The main window's menus in their order. A page's menu goes before the first menu of a higher
// group, and takes the place of the window's own menu of its group ("&Bearbeiten", group 1).
enum TMenueGruppe { gDatei = 0, gBearbeiten = 1, gAnsicht, gTabellen, gOptionen, gHilfe };

// A command of a menu item or speed button: nothing it raises may leave the event loop (a
// settings file that cannot be written would end the program and lose the change); the user is
// told, and the program runs on.
std::function<void()> Befehl(std::function<void()> aktion)
{
    return [aktion = std::move(aktion)] {
        try {
            aktion();
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    };
}

class TWarteCursorGuard {
public:
    TWarteCursorGuard() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWarteCursorGuard() { QApplication::restoreOverrideCursor(); }
    TWarteCursorGuard(const TWarteCursorGuard&) = delete;
    TWarteCursorGuard& operator=(const TWarteCursorGuard&) = delete;
};

} // namespace

TMainForm::TMainForm(std::string datenVerzeichnis, QWidget* parent)
    : TPageMainForm(parent), m_datenVerzeichnis(std::move(datenVerzeichnis))
{
    setObjectName("MainForm");
    PageContainer()->setObjectName("ScrollBox1");
    // The calculations are named like their pages' data and their automation topics.
    m_lohn = std::make_unique<TLohnBerechnung>(nullptr, "LOHN");
    m_lohn->init();
    m_lohnVergleich = std::make_unique<TVergleichBerechnung>(
        nullptr, "LohnVergleich", &ErzeugeBerechnung<TLohnBerechnung>);
    m_lohnVergleich->init();
    m_est = std::make_unique<TEStBerechnung>(nullptr, "EST");
    m_est->init();
    m_estVergleich = std::make_unique<TVergleichBerechnung>(nullptr, "EStVergleich",
                                                            &ErzeugeBerechnung<TEStBerechnung>);
    m_estVergleich->init();
    m_stKlVergleich = std::make_unique<TStKlVergleichBerechnung>(nullptr, "StKlVergleich");
    m_stKlVergleich->init();
    TFoEStTabelle::AlsTabelleDerBerechnung();
    m_gfb = std::make_unique<TGeringfuegigBerechnung>(nullptr, "GfB");
    m_gfb->init();
    m_preview = std::make_unique<TVtPrintPreviewBerechnung>(nullptr, "PreviewBerechnung");
    m_preview->init();
    // The automation topics, in this order: one row per published calculation.
    for (const char* topic : {"LOHN", "EST", "GfB", "StKlVergleich"}) {
        if (TBerechnung* berechnung = BerechnungNamens(topic))
            MVCDDEManager().RegisterTopic(berechnung->Daten());
    }
    for (const TSeite& seite : kSeiten) {
        TPageData data;
        data.Name = seite.name;
        data.ActiveControl = seite.fokus;
        data.Berechnung = BerechnungNamens(seite.berechnung);
        data.PageClass = seite.klasse();
        if (data.Berechnung && data.PageClass.klasse)
            Pages().SetPage(seite.nummer, std::move(data));
    }
    MenueAufbauen();
    SpeedPanelAufbauen();
    StatuszeileAufbauen();
    GfBBeschriftungen();
    m_ddeAnzeige = std::make_unique<TDDEStatusAnzeige>(*m_ddeStatus);
}

TMainForm::~TMainForm()
{
    // The DDE manager's events go before anything of the window does.
    m_ddeAnzeige.reset();
    // First, while window and pages are whole: the message box of a failed start runs its own
    // event loop. Nothing may leave a destructor: the failure is told, not thrown.
    if (OptionenVtrl().AllgemeinDaten().InfobereichSymbol()) {
        try {
            TrayProgrammStarten();
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    }
    // The page form goes before the calculation it shows.
    SetActivePage(0);
    if (m_meldungEigene)
        SetMeldungsHook(m_meldungVorher);
    // The application's signals must not reach the half-destroyed window (focus moves while the
    // widgets go).
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    if (TXoForm::MainForm() == this)
        TXoForm::SetMainForm(nullptr);
    // The calculations go one by one, each before what it reads: a data set that goes still
    // notifies (the automation server's topic list changes), and the window, still listed among
    // the forms, must find the ones already gone empty rather than half destroyed.
    m_preview.reset();
    m_stKlVergleich.reset();
    m_gfb.reset();
    m_estVergleich.reset();
    m_lohnVergleich.reset();
    m_est.reset();
    m_lohn.reset();
}

void TMainForm::init()
{
    TPageMainForm::init();
    TXoForm::SetMainForm(this);
    // The model's notices (a choice kept unchecked because its file cannot be read) reach the
    // user as the window's other messages do; questions keep the hook they had.
    m_meldungVorher = SetMeldungsHook({});
    m_meldungEigene = true;
    SetMeldungsHook(
        [vorher = m_meldungVorher](const std::string& text, const std::string& caption,
                                   bool abbrechbar) {
            if (abbrechbar)
                return vorher ? vorher(text, caption, true) : true;
            ShowFehler(QString::fromStdString(text));
            return true;
        });
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* neu) {
        // Only the field with the focus shows a selection: a field the focus left for another
        // field of the same window (also when the program moved it) drops its selection.
        if (auto* edit = qobject_cast<QLineEdit*>(alt);
            edit && neu && edit->window() == neu->window())
            edit->deselect();
        BearbeitenAktualisieren();
    });
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            EinfuegeModusAnzeigen();
    });
    OptionenGeaendert();
    EinfuegeModusAnzeigen();
    BearbeitenAktualisieren();
    MenueAktualisieren();
}

QAction* TMainForm::NeuesItem(QMenu* menu, const QString& name, const QString& caption,
                              const QKeySequence& taste, std::function<void()> aktion)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!taste.isEmpty())
        a->setShortcut(taste);
    if (aktion)
        connect(a, &QAction::triggered, this, Befehl(std::move(aktion)));
    else
        a->setEnabled(false); // a command of a later part of the program
    m_items[name] = a;
    return a;
}

QAction* TMainForm::Item(const QString& name) const
{
    const auto it = m_items.find(name);
    return it == m_items.end() ? nullptr : it->second;
}

QToolButton* TMainForm::Button(const QString& name) const
{
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
}

void TMainForm::MenueAufbauen()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("MainMenu");
    SetMainMenu(menuBar);
    layout()->setMenuBar(menuBar);

    const auto hauptmenue = [menuBar](const QString& caption, TMenueGruppe gruppe) {
        QMenu* menu = menuBar->addMenu(caption);
        SetGroupIndex(*menu->menuAction(), gruppe);
        return menu;
    };
    QMenu* datei = hauptmenue("&Datei", gDatei);
    NeuesItem(datei, "miEinstellungenLesen", "Einstellungen &lesen", QKeySequence("Ctrl+O"),
              [this] { EinstellungenLesen(-1); });
    NeuesItem(datei, "miEinstellungenSpeichern", "Einstellungen &speichern", QKeySequence("Ctrl+S"),
              [this] { EinstellungenSpeichern(-1, true); });
    datei->addSeparator();
    NeuesItem(datei, "miSeiteLesen", "S&eite lesen", {},
              [this] { EinstellungenLesen(PageIndex()); });
    NeuesItem(datei, "miSeiteSpeichern", "Se&ite speichern", {},
              [this] { EinstellungenSpeichern(PageIndex(), true); });
    datei->addSeparator();
    NeuesItem(datei, "miDrucken", "&Drucken...", QKeySequence("Ctrl+P"), [this] { Drucken(); });
    datei->addSeparator();
    NeuesItem(datei, "miBeenden", "&Beenden", {}, [this] { miBeendenClick(); });

    menuBar->addMenu(CreateEditMenu(menuBar));

    QMenu* ansicht = hauptmenue("&Ansicht", gAnsicht);
    for (const TSeite& seite : kSeiten) {
        if (!seite.item)
            continue;
        const int nummer = seite.nummer;
        QAction* a = NeuesItem(ansicht, seite.item, seite.caption, {},
                               [this, nummer] { SeiteZeigen(nummer); });
        a->setCheckable(true);
        m_seitenAktionen[nummer] = a;
    }
    ansicht->addSeparator();
    NeuesItem(ansicht, "miFenstergroesse", "&Fenstergröße anpassen", {}, [this] { FitToPage(); });
    NeuesItem(ansicht, "miMauspalette", "&Mauspalette", {}, [this] {
        OptionenVtrl().AllgemeinDaten().SetMauspalette(
            !OptionenVtrl().AllgemeinDaten().Mauspalette());
        OptionenGeaendert();
    });
    NeuesItem(ansicht, "miStatusleiste", "&Statusleiste", {}, [this] {
        OptionenVtrl().AllgemeinDaten().SetStatuszeile(
            !OptionenVtrl().AllgemeinDaten().Statuszeile());
        OptionenGeaendert();
    });
    ansicht->addSeparator();
    NeuesItem(ansicht, "miRechner", "&Rechner...", {}, [this] { miRechnerClick(); });

    QMenu* tabellen = hauptmenue("&Tabellen", gTabellen);
    NeuesItem(tabellen, "miLStTabelleOeffnen", "&Lohnsteuer-Tabelle öffnen", {},
              [this] { LStTabelleOeffnen(); });
    NeuesItem(tabellen, "miSVTabelleOeffnen", "&Soz.Vers.-Beitragstabelle öffnen", {},
              [this] { TFoSVTabelle::Zeigen(SVTabellenVorgabenAus(*m_lohn)); });
    NeuesItem(tabellen, "miEStTabelleOeffnen", "&Einkommensteuer-Tabelle öffnen", {},
              [this] { m_est->TabelleOeffnen(); });
    QMenu* estTabellen = tabellen->addMenu("Einkommensteuer-&Tabellen");
    estTabellen->setObjectName("miEStTabellen");
    static const std::pair<const char*, int> kEStPerioden[] = {
        {"1988 / 89", 1988}, {"1990 - 95", 1990}, {"1996 / 97", 1996}, {"1998", 1998},
        {"1999", 1999},      {"2000", 2000},      {"2001", 2001},      {"2002 / 03", 2002},
        {"2004", 2004},      {"2005 / 06", 2005}, {"2007 / 08", 2007}, {"2009", 2009},
        {"2010 - 12", 2010}, {"2013", 2013},      {"2014", 2014},      {"2015", 2015},
        {"2016", 2016},      {"201&7", 2017},     {"201&8", 2018},     {"201&9", 2019},
        {"202&0", 2020},     {"202&1", 2021},     {"202&2", 2022},     {"202&3", 2023},
        {"202&4", 2024},     {"202&5", 2025},     {"202&6", 2026}};
    for (const auto& [text, jahr] : kEStPerioden)
        NeuesItem(estTabellen, QString("miESt%1").arg(jahr), text, {},
                  [j = jahr] { TFoEStTabelle::ZeigenPeriode(j); })
            ->setData(jahr);
    tabellen->addSeparator();
    NeuesItem(tabellen, "miLStTabelleSchliessen", "&Lohnsteuer-Tabelle(n) schließen", {},
              [this] { CloseFormsOfClass(TFoLStTabelle::staticMetaObject); });
    NeuesItem(tabellen, "miSVTabelleSchliessen", "&Soz.Vers.-Beitragstabelle(n) schließen", {},
              [] { CloseFormsOfClass(TFoSVTabelle::staticMetaObject); });
    NeuesItem(tabellen, "miEStTabelleSchliessen", "&Einkommensteuer-Tabelle(n) schließen", {},
              [this] { CloseFormsOfClass(TFoEStTabelle::staticMetaObject); });
    tabellen->addSeparator();
    NeuesItem(tabellen, "miAlleSchliessen", "Alle s&chließen", {},
              [this] { CloseFormsOfClass(TTabelle::staticMetaObject); });

    QMenu* optionen = hauptmenue("&Optionen", gOptionen);
    NeuesItem(optionen, "miOptionen", "&Optionen...", {}, [] { OptionenBearbeiten(); });
    NeuesItem(optionen, "miKrankenkassen", "&Krankenkassen...", {},
              [this] { KrankenkassenMenue(*this); });
    NeuesItem(optionen, "miWaehrungen", "&Währungen...", {}, [this] { WaehrungenMenue(*this); });
    optionen->addSeparator();
    NeuesItem(optionen, "miBeimBeendenSpeichern", "Einstellungen beim Beenden &speichern", {},
              [this] {
                  OptionenVtrl().AllgemeinDaten().SetBeimBeendenSpeichern(
                      !OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern());
                  MenueAktualisieren();
              });

    QMenu* hilfe = hauptmenue("&?", gHilfe);
    for (const auto& [name, text] : {std::pair{"miInhalt", "&Inhalt"},
                                     {"miIndex", "I&ndex"},
                                     {"miSuchen", "&Suchen"},
                                     {"miHilfeZumFeld", "Hilfe zum &Feld"},
                                     {"miHilfeVerwenden", "&Hilfe verwenden"}})
        NeuesItem(hilfe, name, text, {}, {})->setVisible(false);
    NeuesItem(hilfe, "miAnleitung", "&Anleitung.pdf", {}, [this] { AnleitungOeffnen(); });
    NeuesItem(hilfe, "miInfo", "Inf&o...", {}, [] { ShowModalForm<TFoAboutBox>(); });

    for (QMenu* menu : {datei, ansicht, tabellen, optionen})
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::MenueAktualisieren);
    for (QAction* a :
         {Item("miMauspalette"), Item("miStatusleiste"), Item("miBeimBeendenSpeichern")})
        a->setCheckable(true);
}

QToolButton* TMainForm::NeuerButton(const QString& name, const QString& caption,
                                    const QString& hint, std::function<void()> aktion)
{
    auto* button = new QToolButton(m_speedPanel);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    button->setMinimumSize(32, 26);
    if (aktion)
        connect(button, &QToolButton::clicked, this, Befehl(std::move(aktion)));
    else
        button->setEnabled(false);
    m_speedPanel->layout()->addWidget(button);
    m_buttons[name] = button;
    return button;
}

QToolButton* TMainForm::ButtonFuer(const QString& name, QAction& item, const QString& caption,
                                   const QString& hint)
{
    // The button shows the item's short caption and hint; the item's state is the button's.
    item.setIconText(caption);
    item.setToolTip(hint);
    item.setStatusTip(hint);
    QToolButton* button = NeuerButton(name, caption, hint, {});
    button->setDefaultAction(&item);
    return button;
}

void TMainForm::SpeedPanelAufbauen()
{
    m_speedPanel = new QWidget(this);
    m_speedPanel->setObjectName("SpeedPanel");
    auto* zeile = new QHBoxLayout(m_speedPanel);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->setSpacing(2);
    ButtonFuer("OpenBtn", *Item("miSeiteLesen"), "Lesen", "Seite lesen");
    ButtonFuer("SaveBtn", *Item("miSeiteSpeichern"), "Speich.", "Seite speichern");
    NeuerButton("bnDrucken", "Druck", "Drucken", [this] { bnDruckenClick(); });
    NeuerButton("bnPreview", "Vorsch.", "Druckvorschau", [this] { Vorschau(); });
    NeuerButton("CutBtn", "Aussch.", "Ausschneiden", [this] { miAusschneidenClick(); });
    NeuerButton("CopyBtn", "Kopie", "Kopieren", [this] { miKopierenClick(); });
    NeuerButton("PasteBtn", "Einf.", "Einfügen", [this] { miEinfuegenClick(); });
    NeuerButton("bnRechner", "Rechner", "Rechner", [this] { miRechnerClick(); });
    for (const TSeite& seite : kSeiten) {
        if (seite.button)
            ButtonFuer(seite.button, *m_seitenAktionen.at(seite.nummer), seite.kurz, seite.hinweis);
    }
    zeile->addStretch(1);
    NeuerButton("ExitBtn", "Ende", "Programm beenden", [this] { miBeendenClick(); });
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, m_speedPanel);
}

void TMainForm::StatuszeileAufbauen()
{
    m_paStatuszeile = new QWidget(this);
    m_paStatuszeile->setObjectName("paStatuszeile");
    auto* zeile = new QHBoxLayout(m_paStatuszeile);
    zeile->setContentsMargins(2, 1, 2, 1);
    auto feld = [this, zeile](const char* name, const QString& text, int stretch) {
        auto* label = new QLabel(text, m_paStatuszeile);
        label->setObjectName(name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        zeile->addWidget(label, stretch);
        return label;
    };
    m_statusBar = feld("StatusBar", "", 1);
    m_ddeStatus = feld("DDEStatus", "DDE", 0);
    m_ddeStatus->setToolTip("DDE-Statusanzeige (Dynamischer Datenaustausch)");
    m_einfuegeStatus = feld("EinfuegeStatus", "Einfügen", 0);
    layout()->addWidget(m_paStatuszeile);
}

int TMainForm::DefaultHeight() const
{
    return ActivePageForm() ? TPageMainForm::DefaultHeight() : 648;
}

int TMainForm::DefaultWidth() const
{
    return ActivePageForm() ? TPageMainForm::DefaultWidth() : 638;
}

int TMainForm::PageHeight() const
{
    int hoehe = TPageMainForm::PageHeight();
    if (m_speedPanel->isVisibleTo(this))
        hoehe += m_speedPanel->sizeHint().height();
    if (m_paStatuszeile->isVisibleTo(this))
        hoehe += m_paStatuszeile->sizeHint().height();
    return hoehe;
}

void TMainForm::LoadPage(const TIniFile& ini)
{
    TPageMainForm::LoadPage(ini);
    if (PageIndex() == 0)
        SetActivePage(1);
}

void TMainForm::PageChanged()
{
    TitelAktualisieren();
    MenueAktualisieren();
}

void TMainForm::SetActivePage(int n)
{
    const bool vorhanden = Pages().GetPage(n) != nullptr;
    for (const auto& [nummer, aktion] : m_seitenAktionen)
        aktion->setChecked(vorhanden && nummer == n);
    m_speedPanel->update();
    TPageMainForm::SetActivePage(n);
}

void TMainForm::SeiteZeigen(int n)
{
    SetActivePage(n);
    if (OptionenVtrl().AllgemeinDaten().GroesseAnpassen())
        FitToPage();
}

void TMainForm::SetFetteSchrift(bool bold)
{
    TPageMainForm::SetFetteSchrift(bold);
    SetBoldFont(*PageContainer(), bold);
}

void TMainForm::ToggleScaling()
{
    TPageMainForm::ToggleScaling();
    if (OptionenVtrl().AllgemeinDaten().GroesseAnpassen())
        FitToPage();
    else
        InArbeitsflaeche();
}

std::string TMainForm::EinstellungsDatei() const
{
    return JoinPath(m_datenVerzeichnis, "VANTRL32.INI");
}

void TMainForm::EinstellungenLesen(int page)
{
    TWarteCursorGuard warten;
    TXIniFile ini(EinstellungsDatei());
    if (page == -1)
        LoadPosition(ini);
    else
        LoadPages(ini, page);
}

void TMainForm::EinstellungenSpeichern(int page, bool alle)
{
    TWarteCursorGuard warten;
    const auto fensterDatei = [this](const std::function<void(TXIniFile&)>& schreiben) {
        ForceDirectories(m_datenVerzeichnis);
        TXIniFile ini(EinstellungsDatei());
        ini.BeginUpdate();
        schreiben(ini);
        ini.UpdateFile();
    };
    if (page != -1) {
        fensterDatei([this, page](TXIniFile& ini) { SavePages(ini, page); });
        return;
    }
    // Each file on its own; one message lists every file that could not be written.
    TFehlerSammlung fehler;
    fehler.Versuche([alle] { OptionenVtrl().Save(alle); });
    if (alle || OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern()) {
        fehler.Versuche([&] {
            fensterDatei([this](TXIniFile& ini) {
                ini.WriteString(objectName().toStdString(), "Version", kVersion);
                SavePosition(ini);
            });
        });
    }
    fehler.Werfen(kNichtGespeichert);
}

void TMainForm::NachDemErzeugen(const QString& erstesArgument)
{
    TrayProgrammSchliessen();
    try {
        EinstellungenLesen(-1);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    if (PageIndex() == 0)
        SetActivePage(1);
    m_statusBar->setText(QString::fromStdString(UpdateStatusText(erstesArgument.toStdString())));
}

TBerechnung* TMainForm::BerechnungNamens(std::string_view name) const
{
    for (TBerechnung* berechnung : std::initializer_list<TBerechnung*>{
             m_lohn.get(), m_est.get(), m_lohnVergleich.get(), m_estVergleich.get(), m_gfb.get(),
             m_preview.get(), m_stKlVergleich.get()})
        if (berechnung && name == berechnung->Name())
            return berechnung;
    return nullptr;
}

void TMainForm::VergleichNachricht(TVergleichBefehl befehl, TVergleichArt art)
{
    const bool lohn = art == TVergleichArt::Lohn;
    TVergleichBerechnung& vergleich = lohn ? *m_lohnVergleich : *m_estVergleich;
    const TBerechnung& quelle = lohn ? static_cast<TBerechnung&>(*m_lohn) : *m_est;
    switch (befehl) {
    case TVergleichBefehl::Fall1:
        vergleich.SetDaten1(quelle);
        break;
    case TVergleichBefehl::Fall2:
        vergleich.SetDaten2(quelle);
        SeiteZeigen(lohn ? 3 : 4);
        break;
    case TVergleichBefehl::Neu:
    case TVergleichBefehl::Aendern:
        // The comparison page that sent this is gone once its calculation page is shown.
        SeiteZeigen(static_cast<int>(art));
        if (auto* seite = dynamic_cast<TFoEntgeltabrechnung*>(ActivePageForm()))
            seite->Jahresvergleich().VergleichNachricht(befehl);
        if (auto* seite = dynamic_cast<TFoEinkommensteuer*>(ActivePageForm()))
            seite->Jahresvergleich().VergleichNachricht(befehl);
        break;
    }
}

QAction* TMainForm::SeitenAktion(int nummer) const
{
    const auto it = m_seitenAktionen.find(nummer);
    return it == m_seitenAktionen.end() ? nullptr : it->second;
}

void TMainForm::TitelAktualisieren()
{
    const TPageForm* page = ActivePageForm();
    const QString titel =
        page ? QString(kTitel) + " - [" + page->windowTitle() + "]" : QString(kTitel);
    setWindowTitle(titel);
    XoApplication().TrayIcon().SetHint(titel);
}

void TMainForm::GfBBeschriftungen()
{
    // From the data set, not from the page: the limit is right also while page 5 is not shown.
    const QString grenze = QString::fromStdString(m_gfb->GeringfuegigDaten().GrenzeText());
    const QString abrechnung = TFoGeringfuegigBeschaeftigt::Seitentitel(grenze);
    QAction* item = SeitenAktion(5);
    if (!item)
        return; // the menus are not built yet
    item->setText(abrechnung);
    item->setIconText(grenze);
    item->setToolTip(abrechnung);
    item->setStatusTip(QString());
    TitelAktualisieren();
}

void TMainForm::EinfuegeModusAnzeigen()
{
    // The amount fields' own toggle decides, so the indicator can never disagree with typing.
    m_einfuegeStatus->setText(TBetrag::EinfuegeModus() ? "Einfügen" : "Überschr.");
}

void TMainForm::BearbeitenAktualisieren()
{
    const auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    Button("CutBtn")->setEnabled(edit && !edit->isReadOnly());
    Button("PasteBtn")->setEnabled(edit && !edit->isReadOnly());
    Button("CopyBtn")->setEnabled(edit != nullptr);
}

void TMainForm::MenueAktualisieren()
{
    const int seite = PageIndex();
    const bool seitenDatei = seite == 1 || seite == 2 || seite == 5;
    Item("miSeiteLesen")->setEnabled(seitenDatei);
    Item("miSeiteSpeichern")->setEnabled(seitenDatei);
    Item("miDrucken")->setEnabled(SeiteDruckbar());
    Button("bnDrucken")->setEnabled(SeiteDruckbar());
    Button("bnPreview")->setEnabled(seite == 1 || seite == 7);
    for (const auto& [nummer, aktion] : m_seitenAktionen)
        aktion->setEnabled(Pages().GetPage(nummer) != nullptr);
    Item("miStatusleiste")->setChecked(OptionenVtrl().AllgemeinDaten().Statuszeile());
    Item("miMauspalette")->setChecked(OptionenVtrl().AllgemeinDaten().Mauspalette());
    Item("miBeimBeendenSpeichern")
        ->setChecked(OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern());
    Item("miLStTabelleSchliessen")->setEnabled(FormOfClassExists(TFoLStTabelle::staticMetaObject));
    Item("miSVTabelleSchliessen")->setEnabled(FormOfClassExists(TFoSVTabelle::staticMetaObject));
    Item("miEStTabelleSchliessen")->setEnabled(FormOfClassExists(TFoEStTabelle::staticMetaObject));
    Item("miAlleSchliessen")->setEnabled(FormOfClassExists(TTabelle::staticMetaObject));
}

void TMainForm::OptionenGeaendert()
{
    m_paStatuszeile->setVisible(OptionenVtrl().AllgemeinDaten().Statuszeile());
    m_speedPanel->setVisible(OptionenVtrl().AllgemeinDaten().Mauspalette());
    MenueAktualisieren();
}

bool TMainForm::Schalter(const char* name)
{
    return OptionenVtrl().AllgemeinDaten().Schalter(name).GetValue();
}

void TMainForm::SetSchalter(const char* name, bool wert)
{
    OptionenVtrl().AllgemeinDaten().Schalter(name).SetValue(wert);
}

void TMainForm::DatenGeaendert(TDaten& daten)
{
    TPageMainForm::DatenGeaendert(daten);
    if (&daten == &OptionenVtrl().AllgemeinDaten())
        OptionenGeaendert();
    // The calculations notify while they are made: "GfB" may not exist yet.
    if (m_gfb && &daten == &m_gfb->Daten())
        GfBBeschriftungen();
}

void TMainForm::TrayProgrammSchliessen()
{
    PostWindowMessage(kTrayKlasse, kTrayTitel, kTrayNachricht);
}

void TMainForm::TrayProgrammStarten()
{
    const std::string pfad = ShellFolders().ProgramDirectory() + kTrayProgramm;
    const int fehler = ProgrammStarten(pfad, {}, {});
    if (fehler != 0 && fehler != ENOENT)
        RaiseSystemError(fehler, pfad);
}

void TMainForm::AnleitungOeffnen()
{
    DokumentOeffnen(QString::fromStdString(ShellFolders().ProgramDirectory()) + "Anleitung.pdf");
}

void TMainForm::LStTabelleOeffnen()
{
    TFoLStTabelle::Zeigen(LStTabelleVorgabenAus(m_lohn->LohnDatenOf()));
    MenueAktualisieren();
}

bool TMainForm::SeiteDruckbar() const
{
    const TPageForm* seite = ActivePageForm();
    if (!seite || PageIndex() == 6)
        return false;
    // A page whose printout is not built yet disables its own print item.
    const auto* item = seite->findChild<QAction*>("pmiDrucken");
    return !item || item->isEnabled();
}

void TMainForm::Drucken()
{
    TPageForm* seite = ActivePageForm();
    if (!seite || !SeiteDruckbar())
        return;
    const std::optional<TDruckWahl> wahl = DruckDialogAusfuehren(this);
    EinfuegeModusAnzeigen();
    if (!wahl)
        return;
    try {
        if (wahl->alsText)
            TextDateiAusgeben(this, seite->DruckText());
        else
            seite->Drucken(wahl->kopien);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    EinfuegeModusAnzeigen();
}

void TMainForm::bnDruckenClick()
{
    TPageForm* seite = ActivePageForm();
    if (!seite || !SeiteDruckbar())
        return;
    if (Drucker().printerState() == QPrinter::Active) {
        MessageBeep(TBeepArt::Fehler);
        return;
    }
    try {
        seite->Drucken(1);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TMainForm::Vorschau()
{
    std::unique_ptr<TVtDruck> druck;
    if (PageIndex() == 1)
        druck = std::make_unique<TVtDruckEntgeltabrechnung>(m_lohn->LohnDatenOf());
    else if (PageIndex() == 7)
        druck = std::make_unique<TVtDruckStKlVergleich>(m_stKlVergleich->StKlVergleichDaten());
    else
        return;
    druck->Titel = windowTitle();
    m_preview->SetDruck(std::move(druck));
    SeiteZeigen(6);
}

void TMainForm::TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse)
{
    if (auto* lohn = dynamic_cast<TFoEntgeltabrechnung*>(ActivePageForm()))
        lohn->TabellenNachricht(art, klasse);
    if (auto* est = dynamic_cast<TFoEinkommensteuer*>(ActivePageForm()))
        est->TabellenNachricht(art, klasse);
    MenueAktualisieren();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Closing is always allowed; a settings file that cannot be written is reported, and the
    // program still ends.
    try {
        EinstellungenSpeichern(-1, false);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    // The table windows go with the main window, each as on its own close, so that the program
    // ends.
    CloseFormsOfClass(TTabelle::staticMetaObject);
    event->accept();
    TPageMainForm::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier &&
            watched == QApplication::focusWidget()) {
            // The amount fields switch the mode themselves; every other field leaves the toggle
            // to us, so that it stays one toggle for the whole program.
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() &&
                !qobject_cast<TBetrag*>(QApplication::focusWidget()))
                TBetrag::SetEinfuegeModus(!TBetrag::EinfuegeModus());
            if (event->type() == QEvent::KeyRelease)
                EinfuegeModusAnzeigen();
        }
    }
    if (event->type() == QEvent::StatusTip && watched == this)
        m_statusBar->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return TPageMainForm::eventFilter(watched, event);
}
