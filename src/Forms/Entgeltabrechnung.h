#pragma once
// Page 1 of the main window, the payroll statement: every input and result of the calculation
// "LOHN" in value-bound controls, grouped as a payroll clerk reads a statement (period, tax card,
// insurance, pay, deductions, contributions). Every change recalculates; the page then adjusts what
// depends on the year (captions, hints, which switches apply) and marks a class II without child
// allowance in red.
#include "Gui/PageForm.h"
#include "Gui/Tabelle.h"

#include <QString>

#include <string>

class QGroupBox;
class QLabel;
class QRadioButton;
class QPushButton;
class QToolButton;
class QWidget;
class TLohnDaten;
class TMVCBetrag;
class TMVCCheckBox;
class TMVCComboBox;
class TMVCControl;
class TMVCEdit;
class TMVCMaskEdit;
struct TLStTabelleVorgaben;

// The settings of a wage-tax table opened over a payroll statement.
TLStTabelleVorgaben LStTabelleVorgabenAus(const TLohnDaten& daten);

class TFoEntgeltabrechnung : public TMainPageForm {
    Q_OBJECT
public:
    explicit TFoEntgeltabrechnung(QWidget* parent = nullptr);
    ~TFoEntgeltabrechnung() override;

    void Drucken(int copies) override;
    QStringList DruckText() override;

    TLohnDaten* LohnDaten() const;
    // A control of the page by its object name (tests and the main window's focus handling).
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }

    // The wage-tax table over the page's data.
    TLStTabelleVorgaben LStTabellenVorgaben() const;
    void LStTabOpenImageClick();
    void LStTabCloseImageClick(bool strg);
    // Opening and closing of table windows, passed on by the main window.
    void TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse);

    void bnBGSClick();
    // The pay-item dialog over the statement; a first pension item from 2005 opens the pension
    // panel.
    void bnDetailEntgeltClick();
    // The funds dialog over the statement's fund.
    void bnSVAendernNeuClick();
    // The child-allowance mark is on (red background, yellow text).
    bool KiFBMarkiert() const { return m_kiFBMarkiert; }

    // The gross-pay hint of the transition zone for a year and month.
    static QString GleitzonenHinweis(int jahr, int monat);
    static QString GleitzonenText(int jahr, int monat);

protected:
    void BindControls() override;
    void AfterRefresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Aufbauen();
    QWidget* Binden(QWidget* control, const char* wert);
    void KiFBMarkieren();
    void AusgangswertSetzen(int wert);
    void TabellenSymboleAktualisieren();

    std::vector<std::pair<QWidget*, std::string>> m_bindungen;
    bool m_kiFBMarkiert = false;
};
