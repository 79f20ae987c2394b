#pragma once
// The main window: menus, speed buttons, the page area and the status panel. It owns the
// calculations the pages show, reads and writes "VANTRL32.INI" (window placement, current page,
// page states) and keeps menus, speed buttons and caption in step with the page shown.
//
// Start-up and shut-down around it live in ProgrammStart.h; the tray launcher is closed when the
// window is created and started again at exit when the tray option is on.
#include "Forms/Seiten/VergleichNachricht.h"
#include "Gui/PageMainForm.h"
#include "Gui/Tabelle.h"
#include "Lib/Meldung.h"

#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QToolButton;
class QWidget;
class TDDEStatusAnzeige;
class TEStBerechnung;
class TGeringfuegigBerechnung;
class TLohnBerechnung;
class TStKlVergleichBerechnung;
class TVergleichBerechnung;
class TVtPrintPreviewBerechnung;

class TMainForm : public TPageMainForm,
                  public TTabellenEmpfaenger,
                  public TVergleichEmpfaenger {
    Q_OBJECT
public:
    // `datenVerzeichnis`: the folder of "VANTRL32.INI", with a trailing '/'.
    explicit TMainForm(std::string datenVerzeichnis, QWidget* parent = nullptr);
    ~TMainForm() override;
    void init() override;

    void DatenGeaendert(TDaten& daten) override;

    int DefaultHeight() const override;
    int DefaultWidth() const override;
    int PageHeight() const override;
    void LoadPage(const TIniFile& ini) override;
    void PageChanged() override;
    void SetActivePage(int n) override;
    void SetFetteSchrift(bool bold) override;
    void ToggleScaling() override;

    std::string EinstellungsDatei() const;
    // Window placement and the pages (page -1) or one page's state.
    void EinstellungenLesen(int page);
    void EinstellungenSpeichern(int page, bool alle);
    // Runs once the main window and the calculator exist: closes the tray launcher, reads the
    // settings, places the calculator and shows the updater's answer.
    void NachDemErzeugen(const QString& erstesArgument);

    void TitelAktualisieren();
    // Items, speed buttons and hints of the pages that are named after their data (the pay limit
    // of "GfB").
    void SeitenBeschriftungen();
    void EinfuegeModusAnzeigen();
    void BearbeitenAktualisieren();
    void MenueAktualisieren();
    // Status panel and speed buttons as the options say.
    void OptionenGeaendert();

    void TrayProgrammSchliessen();
    // Starts the tray launcher; a missing program is silent, other failures raise ESystemError.
    void TrayProgrammStarten();

    // The page shown can be printed: not the preview, nor a page without its printout.
    bool SeiteDruckbar() const;
    // "&Drucken...": the print dialog, then the page printed or written to a text file.
    void Drucken();
    // The page printed once; only a beep while the printer is busy.
    void bnDruckenClick();
    // The printout of the page shown handed to the print preview, which is then shown.
    void Vorschau();
    TVtPrintPreviewBerechnung& PreviewBerechnung() const;

    // The wage-tax table over the data of the payroll statement.
    void LStTabelleOeffnen();
    void AnleitungOeffnen();
    TLohnBerechnung& Lohn() const;
    TEStBerechnung& ESt() const;
    TGeringfuegigBerechnung& GfB() const;

    void TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse) override;
    // The year comparison: stores "LOHN" or "EST" as a case and shows the comparison page, or
    // hands the comparison back to the calculation page ("Neu", "Ändern").
    void VergleichNachricht(TVergleichBefehl befehl, TVergleichArt art) override;
    TVergleichBerechnung& LohnVergleich() const;
    TVergleichBerechnung& EStVergleich() const;
    TStKlVergleichBerechnung& StKlVergleich() const;

    // The one action behind a page's menu item and speed button; nullptr for a page without them.
    QAction* SeitenAktion(int nummer) const;
    // Menu items and speed buttons by their object names.
    QAction* Item(const QString& name) const;
    QToolButton* Button(const QString& name) const;
    QLabel* StatusBar() const { return m_statusBar; }
    QLabel* DDEStatus() const { return m_ddeStatus; }
    QLabel* EinfuegeStatus() const { return m_einfuegeStatus; }
    QWidget* paStatuszeile() const { return m_paStatuszeile; }
    QWidget* SpeedPanel() const { return m_speedPanel; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menus from the list of their actions.
    void MenueAufbauen();
    // The items of the pages the user picks; the one of the page shown is checked.
    void SeitenItems(QMenu& menu);
    // One item for each tariff period of the income-tax tables.
    void EStPeriodenItems(QMenu& menu, const QString& name);
    void SpeedPanelAufbauen();
    void StatuszeileAufbauen();
    QAction* NeuesItem(QMenu* menu, const QString& name, const QString& caption,
                       const QKeySequence& taste, std::function<void()> aktion);
    QToolButton* NeuerButton(const QString& name, const QString& caption, const QString& hint,
                             std::function<void()> aktion);
    void SeiteZeigen(int n);
    // An owned calculation by its component name, or nullptr.
    TBerechnung* BerechnungNamens(std::string_view name) const;
    // The calculation named `name` as class T; raises EAssertionFailed when there is none.
    template <class T> T& BerechnungAls(std::string_view name) const;
    // The calculation of page `nummer`, or nullptr.
    TBerechnung* BerechnungDerSeite(int nummer) const;
    // The number of the page showing `berechnung`, or 0.
    int SeiteDer(const TBerechnung& berechnung) const;
    // A speed button that is the menu item's second face: one action, one state.
    QToolButton* ButtonFuer(const QString& name, QAction& item, const QString& caption,
                            const QString& hint);

    std::string m_datenVerzeichnis;
    // The calculations of the pages, one for each row of the page table and in its order; freed
    // after the page forms and in reverse order (see the destructor).
    std::vector<std::unique_ptr<TBerechnung>> m_berechnungen;
    // The "DDE" field and the DDE manager's events; it goes first (see the destructor).
    std::unique_ptr<TDDEStatusAnzeige> m_ddeAnzeige;
    std::map<QString, QAction*> m_items;
    std::map<int, QAction*> m_seitenAktionen;
    std::map<QString, QToolButton*> m_buttons;
    QWidget* m_speedPanel = nullptr;
    QWidget* m_paStatuszeile = nullptr;
    QLabel* m_statusBar = nullptr;
    QLabel* m_ddeStatus = nullptr;
    QLabel* m_einfuegeStatus = nullptr;
    // The message hook before init() installed the window's own.
    TMeldungsHook m_meldungVorher;
    bool m_meldungEigene = false;
};
