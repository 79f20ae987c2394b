#pragma once
// Page 1 of the main window, the payroll statement: every input and result of the calculation
// "LOHN" in value-bound controls, grouped as a payroll clerk reads a statement (period, tax card,
// insurance, pay, deductions, contributions). Every change recalculates; the page then adjusts what
// depends on the year (captions, hints, which switches apply) and marks a class II without child
// allowance in red.
//
// The bindings are one table (Bindungen(), control name -> value name), bound in order by the
// form base; the layout is built from small row helpers; the controls the page's code touches
// are typed members.
#include "Gui/BergForm.h"
#include "Gui/PageForm.h"
#include "Gui/Tabelle.h"

#include <QString>

#include <memory>
#include <span>
#include <string>

class QAbstractButton;
class QFormLayout;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class TTabellenSymbol;
class QVBoxLayout;
class QWidget;
class TJahresvergleichKnopf;
class TLohnDaten;
class TMVCBetrag;
class TMVCCheckBox;
class TMVCComboBox;
class TMVCDateEdit;
class TMVCEdit;
class TMVCMaskEdit;
class TMVCZahlEdit;
struct TLStTabelleVorgaben;

// The settings of a wage-tax table opened over a payroll statement.
TLStTabelleVorgaben LStTabelleVorgabenAus(const TLohnDaten& daten);

class TFoEntgeltabrechnung : public TMainPageForm {
    Q_OBJECT
public:
    explicit TFoEntgeltabrechnung(QWidget* parent = nullptr);
    ~TFoEntgeltabrechnung() override;

    // Control name -> value name, in binding order.
    static std::span<const TBindung> Bindungen();

    // The print dialog for the employee's name and the period, then the statement's printout.
    void Drucken(int copies) override;
    // The statement's text form.
    QStringList DruckText() override;

    TLohnDaten* LohnDaten() const;
    // A control of the page by its object name (tests).
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }

    // The wage-tax table over the page's data.
    TLStTabelleVorgaben LStTabellenVorgaben() const;
    void LStTabOpenImageClick();
    void LStTabCloseImageClick(bool strg);
    // The contribution table over the page's statement; with Ctrl the close icon opens another.
    void SVTabOpenImageClick();
    void SVTabCloseImageClick(bool strg);
    TTabellenSymbol* SVTab() const { return m_svTab; }
    QMenu* CreatePagePopup() override;
    // Opening and closing of table windows, passed on by the main window.
    void TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse);
    // The year-comparison button and its flag; the main window tells it "Neu" and "Ändern".
    TJahresvergleichKnopf& Jahresvergleich() const { return *m_jahresvergleich; }

    void bnBGSClick();
    // The pay-item dialog over the statement; a first pension item from 2005 opens the pension
    // panel.
    void bnDetailEntgeltClick();
    // The funds dialog over the statement's fund.
    void bnSVAendernNeuClick();
    // The child-allowance mark is on (red background, yellow text).
    bool KiFBMarkiert() const { return m_kiFBMarkiert; }
    // The pension panel is open.
    bool VersBezOffen() const;

    // The gross-pay hint of the transition zone for a year and month.
    static QString GleitzonenHinweis(int jahr, int monat);
    static QString GleitzonenText(int jahr, int monat);

protected:
    void BindControls() override;
    void AfterRefresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shows the contribution table's "open" or "close" item.
    void PagePopupMenuePopup() override;

private:
    void Aufbauen();
    void PeriodeAufbauen(QVBoxLayout& spalte);
    void VersicherungAufbauen(QVBoxLayout& spalte);
    void EntgeltAufbauen(QVBoxLayout& spalte);
    void VersBezAufbauen();
    template <class T> T* Neu(const char* name);
    TMVCCheckBox* Check(const char* name, const QString& text);
    QLabel* Beschriftung(const char* name, const QString& text);

    void KiFBMarkieren();
    void AusgangswertSetzen(int wert);
    void TabellenSymboleAktualisieren();
    void VersBezOeffnen();
    void VersBezSchliessen();
    void FokusGewechselt(QWidget* neu);
    // Drags the pension panel with the left button, inside the page.
    bool VersBezZiehen(QEvent& event);

    bool m_kiFBMarkiert = false;
    QPoint m_ziehPunkt{-1, -1};

    TMVCComboBox* m_cbKiFB = nullptr;
    TMVCCheckBox* m_chOstBBGKV = nullptr;
    TMVCCheckBox* m_chMTabZ = nullptr;
    TMVCCheckBox* m_chTabBeitrag = nullptr;
    TMVCCheckBox* m_chKinderlos = nullptr;
    TMVCCheckBox* m_chGleitzone = nullptr;
    TMVCCheckBox* m_chNeueGleitzonenFormel = nullptr;
    TMVCBetrag* m_ebPrivatKPVBeitrag = nullptr;
    TMVCBetrag* m_ebVersBez = nullptr;
    TMVCBetrag* m_ebVersBez2005 = nullptr;
    TMVCBetrag* m_ebEntgelt = nullptr;
    TMVCBetrag* m_ebNetto = nullptr;
    TMVCBetrag* m_ebLSt = nullptr;
    QWidget* m_paKindergeld = nullptr;
    QWidget* m_paMZTab = nullptr;
    QFrame* m_paVersBez = nullptr;
    QPushButton* m_bnVergleich = nullptr;
    std::unique_ptr<TJahresvergleichKnopf> m_jahresvergleich;
    QRadioButton* m_rbEntgeltEingabe = nullptr;
    QRadioButton* m_rbLStEingabe = nullptr;
    QRadioButton* m_rbNettoEingabe = nullptr;
    QLabel* m_stLStKFB = nullptr;
    QLabel* m_stHinzur = nullptr;
    QLabel* m_stVersBezBemGrdlMonat = nullptr;
    QLabel* m_stPrivatKPVBeitrag = nullptr;
    QToolButton* m_lstTabOpenImage = nullptr;
    QToolButton* m_lstTabCloseImage = nullptr;
    TTabellenSymbol* m_svTab = nullptr;
    QAction* m_pmiLStTabelleOeffnen = nullptr;
    QAction* m_pmiLStTabelleSchliessen = nullptr;
    QAction* m_pmiSVTabelleOeffnen = nullptr;
    QAction* m_pmiSVTabelleSchliessen = nullptr;
};
