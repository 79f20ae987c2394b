#include "Forms/MainForm.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Forms/DDEStatusAnzeige.h"
#include "Forms/MainFormTabellen.h"
#include "Forms/Seiten/Einkommensteuer.h"
#include "Forms/Seiten/Entgeltabrechnung.h"
#include "Forms/Start/UpdatePruefung.h"
#include "Forms/Tabellen/EStTabelle.h"
#include "Forms/Tabellen/FoSVTabelle.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/Hinweise.h"
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
#include "Print/QtDruckCanvas.h"
#include "Print/VtDruck.h"
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

#include <cerrno>
#include <functional>
#include <optional>

namespace {

// The tray launcher: its window address and the message that makes it close.
const QString kTrayKlasse = "XoVtrlTray";
const QString kTrayTitel = "Vantrel Tray Icon 2026";
const QString kTrayNachricht = "CloseXoLStTabTrayApp";
constexpr const char* kTrayProgramm = "VtrlTray";
constexpr const char* kVersion = "5.01";
constexpr const char* kTitel = "Vantrel 2026";

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
    TFoEStTabelle::AlsTabelleDerBerechnung();
    m_berechnungen.reserve(std::size(kSeiten));
    for (const TSeite& seite : kSeiten)
        m_berechnungen.push_back(seite.erzeugen(seite.berechnung));
    for (const TSeite& seite : kSeiten) {
        TBerechnung* berechnung = m_berechnungen[Zeile(seite)].get();
        if (seite.bus)
            MVCDDEManager().RegisterTopic(berechnung->Daten());
        TPageData data;
        data.Name = seite.name;
        data.ActiveControl = seite.fokus;
        data.Berechnung = berechnung;
        data.PageClass = seite.klasse();
        if (data.PageClass.klasse)
            Pages().SetPage(seite.nummer, std::move(data));
    }
    MenueAufbauen();
    SpeedPanelAufbauen();
    StatuszeileAufbauen();
    SeitenBeschriftungen();
    m_ddeAnzeige = std::make_unique<TDDEStatusAnzeige>(*m_ddeStatus, *m_statusBar);
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
    // The calculations go one by one in reverse order, each before what it reads: a data set
    // that goes still notifies (the automation server's topic list changes), and the window,
    // still listed among the forms, must find the ones already gone empty rather than half
    // destroyed.
    for (auto berechnung = m_berechnungen.rbegin(); berechnung != m_berechnungen.rend();
         ++berechnung)
        berechnung->reset();
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
    for (const TMenue& m : kMenues) {
        if (!m.caption) {
            menuBar->addMenu(CreateEditMenu(menuBar));
            continue;
        }
        QMenu* menu = menuBar->addMenu(m.caption);
        SetGroupIndex(*menu->menuAction(), m.gruppe);
        for (const TAktion& a : kAktionen) {
            if (a.menu != m.gruppe)
                continue;
            switch (a.art) {
            case TArt::Trenner:
                menu->addSeparator();
                break;
            case TArt::Seiten:
                SeitenItems(*menu);
                break;
            case TArt::Perioden:
                EStPeriodenItems(*menu->addMenu(a.caption), a.name);
                break;
            default:
                QAction* item = NeuesItem(
                    menu, a.name, a.caption, a.taste ? QKeySequence(a.taste) : QKeySequence(),
                    a.befehl ? std::function<void()>([this, befehl = a.befehl] { befehl(*this); })
                             : std::function<void()>());
                item->setCheckable(a.art == TArt::Umschalter);
                item->setVisible(a.art != TArt::Verborgen);
            }
        }
        if (m.aktualisieren)
            connect(menu, &QMenu::aboutToShow, this, &TMainForm::MenueAktualisieren);
    }
}

void TMainForm::SeitenItems(QMenu& menu)
{
    for (const TSeite& seite : kSeiten) {
        if (!seite.item)
            continue;
        const int nummer = seite.nummer;
        QAction* a = NeuesItem(&menu, seite.item, seite.caption, {},
                               [this, nummer] { SeiteZeigen(nummer); });
        a->setCheckable(true);
        m_seitenAktionen[nummer] = a;
    }
}

void TMainForm::EStPeriodenItems(QMenu& menu, const QString& name)
{
    menu.setObjectName(name);
    for (const auto& [text, jahr] : kEStPerioden)
        NeuesItem(&menu, QString("miESt%1").arg(jahr), text, {},
                  [j = jahr] { TFoEStTabelle::ZeigenPeriode(j); })
            ->setData(jahr);
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
        SetActivePage(kSeiten[0].nummer);
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
    ini.EinstellungenLesbar();
    if (page == -1)
        LoadPosition(ini);
    else
        LoadPages(ini, page);
}

void TMainForm::EinstellungenSpeichern(int page, bool alle)
{
    TWarteCursorGuard warten;
    const auto fensterDatei = [this](const std::function<void(TXIniFile&)>& schreiben) {
        // Told unreadable at start: left as it is, without a second word.
        if (TIniFile::Verschont(EinstellungsDatei()))
            return;
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
        SetActivePage(kSeiten[0].nummer);
    m_statusBar->setText(QString::fromStdString(UpdateStatusText(erstesArgument.toStdString())));
}

TBerechnung* TMainForm::BerechnungNamens(std::string_view name) const
{
    for (const auto& berechnung : m_berechnungen)
        if (berechnung && name == berechnung->Name())
            return berechnung.get();
    return nullptr;
}

template <class T> T& TMainForm::BerechnungAls(std::string_view name) const
{
    auto* berechnung = dynamic_cast<T*>(BerechnungNamens(name));
    VT_ASSERT(berechnung, "Berechnung der Seitentabelle fehlt");
    return *berechnung;
}

TBerechnung* TMainForm::BerechnungDerSeite(int nummer) const
{
    const TSeite* seite = SeiteNummer(nummer);
    return seite && Zeile(*seite) < m_berechnungen.size() ? m_berechnungen[Zeile(*seite)].get()
                                                          : nullptr;
}

int TMainForm::SeiteDer(const TBerechnung& berechnung) const
{
    for (std::size_t zeile = 0; zeile < m_berechnungen.size(); ++zeile) {
        if (m_berechnungen[zeile].get() == &berechnung)
            return kSeiten[zeile].nummer;
    }
    return 0;
}

TLohnBerechnung& TMainForm::Lohn() const
{
    return BerechnungAls<TLohnBerechnung>("LOHN");
}

TEStBerechnung& TMainForm::ESt() const
{
    return BerechnungAls<TEStBerechnung>("EST");
}

TGeringfuegigBerechnung& TMainForm::GfB() const
{
    return BerechnungAls<TGeringfuegigBerechnung>("GfB");
}

TVergleichBerechnung& TMainForm::LohnVergleich() const
{
    return BerechnungAls<TVergleichBerechnung>("LohnVergleich");
}

TVergleichBerechnung& TMainForm::EStVergleich() const
{
    return BerechnungAls<TVergleichBerechnung>("EStVergleich");
}

TStKlVergleichBerechnung& TMainForm::StKlVergleich() const
{
    return BerechnungAls<TStKlVergleichBerechnung>("StKlVergleich");
}

TVtPrintPreviewBerechnung& TMainForm::PreviewBerechnung() const
{
    return BerechnungAls<TVtPrintPreviewBerechnung>("PreviewBerechnung");
}

void TMainForm::VergleichNachricht(TVergleichBefehl befehl, TVergleichArt art)
{
    const TSeite& quelle = VergleichsSeite(&TSeite::fuelltVergleich, art);
    const TSeite& ziel = VergleichsSeite(&TSeite::zeigtVergleich, art);
    auto& vergleich = dynamic_cast<TVergleichBerechnung&>(*BerechnungDerSeite(ziel.nummer));
    const TBerechnung& daten = *BerechnungDerSeite(quelle.nummer);
    switch (befehl) {
    case TVergleichBefehl::Fall1:
        vergleich.SetDaten1(daten);
        break;
    case TVergleichBefehl::Fall2:
        vergleich.SetDaten2(daten);
        SeiteZeigen(ziel.nummer);
        break;
    case TVergleichBefehl::Neu:
    case TVergleichBefehl::Aendern:
        // The comparison page that sent this is gone once its calculation page is shown.
        SeiteZeigen(quelle.nummer);
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

void TMainForm::SeitenBeschriftungen()
{
    bool beschriftet = false;
    for (std::size_t zeile = 0; zeile < m_berechnungen.size(); ++zeile) {
        const TSeite& seite = kSeiten[zeile];
        QAction* item = SeitenAktion(seite.nummer);
        if (!seite.beschriftung || !item || !m_berechnungen[zeile])
            continue; // the menus are not built yet
        const TBeschriftung beschriftung = seite.beschriftung(*m_berechnungen[zeile]);
        item->setText(beschriftung.caption);
        item->setIconText(beschriftung.kurz);
        item->setToolTip(beschriftung.caption);
        item->setStatusTip(QString());
        beschriftet = true;
    }
    if (beschriftet)
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
    const TSeite* seite = SeiteNummer(PageIndex());
    const bool seitenDatei = seite && seite->seitenDatei;
    const auto item = [this](const char* name, bool verfuegbar, const QString& grund) {
        SetItemVerfuegbar(*Item(name), verfuegbar, grund);
    };
    const auto offen = [](const QMetaObject& klasse) { return FormOfClassExists(klasse); };
    item("miSeiteLesen", seitenDatei, "die angezeigte Seite keine eigenen Einstellungen hat.");
    item("miSeiteSpeichern", seitenDatei, "die angezeigte Seite keine eigenen Einstellungen hat.");
    item("miDrucken", SeiteDruckbar(), "die angezeigte Seite nicht gedruckt werden kann.");
    Button("bnDrucken")->setEnabled(SeiteDruckbar());
    Button("bnPreview")->setEnabled(seite && seite->vorschau);
    for (const auto& [nummer, aktion] : m_seitenAktionen)
        SetItemVerfuegbar(*aktion, Pages().GetPage(nummer) != nullptr,
                          "die Seite nicht eingerichtet ist.");
    Item("miStatusleiste")->setChecked(OptionenVtrl().AllgemeinDaten().Statuszeile());
    Item("miMauspalette")->setChecked(OptionenVtrl().AllgemeinDaten().Mauspalette());
    Item("miBeimBeendenSpeichern")
        ->setChecked(OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern());
    item("miLStTabelleSchliessen", offen(TFoLStTabelle::staticMetaObject),
         "keine Lohnsteuer-Tabelle geöffnet ist.");
    item("miSVTabelleSchliessen", offen(TFoSVTabelle::staticMetaObject),
         "keine Soz.Vers.-Beitragstabelle geöffnet ist.");
    item("miEStTabelleSchliessen", offen(TFoEStTabelle::staticMetaObject),
         "keine Einkommensteuer-Tabelle geöffnet ist.");
    item("miAlleSchliessen", offen(TTabelle::staticMetaObject), "keine Tabelle geöffnet ist.");
}

void TMainForm::OptionenGeaendert()
{
    m_paStatuszeile->setVisible(OptionenVtrl().AllgemeinDaten().Statuszeile());
    m_speedPanel->setVisible(OptionenVtrl().AllgemeinDaten().Mauspalette());
    MenueAktualisieren();
}

void TMainForm::DatenGeaendert(TDaten& daten)
{
    TPageMainForm::DatenGeaendert(daten);
    if (&daten == &OptionenVtrl().AllgemeinDaten())
        OptionenGeaendert();
    // The calculations notify while they are made and while they go: a page's may not exist.
    for (std::size_t zeile = 0; zeile < m_berechnungen.size(); ++zeile) {
        if (kSeiten[zeile].beschriftung && m_berechnungen[zeile] &&
            &daten == &m_berechnungen[zeile]->Daten()) {
            SeitenBeschriftungen();
            break;
        }
    }
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
    TFoLStTabelle::Zeigen(LStTabelleVorgabenAus(Lohn().LohnDatenOf()));
    MenueAktualisieren();
}

bool TMainForm::SeiteDruckbar() const
{
    const TPageForm* form = ActivePageForm();
    const TSeite* seite = SeiteNummer(PageIndex());
    if (!form || (seite && !seite->druckbar))
        return false;
    // A page whose printout is not built yet disables its own print item.
    const auto* item = form->findChild<QAction*>("pmiDrucken");
    return !item || item->isEnabled();
}

void TMainForm::Drucken()
{
    TPageForm* seite = ActivePageForm();
    if (!seite || !SeiteDruckbar())
        return;
    const std::optional<TDruckWahl> wahl = DruckDialogAusfuehren(this, windowTitle());
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
    const TSeite* seite = SeiteNummer(PageIndex());
    TBerechnung* berechnung = BerechnungDerSeite(PageIndex());
    if (!seite || !seite->vorschau || !berechnung)
        return;
    std::unique_ptr<TVtDruck> druck = seite->vorschau(*berechnung);
    druck->Titel = windowTitle();
    TVtPrintPreviewBerechnung& preview = PreviewBerechnung();
    preview.SetDruck(std::move(druck));
    SeiteZeigen(SeiteDer(preview));
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
