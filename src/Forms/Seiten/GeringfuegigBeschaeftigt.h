#pragma once
// Page 5 of the main window, the statement of a marginal employment: the inputs and results of
// the calculation "GfB" in value-bound controls, in three columns (period and taxation, insurance,
// pay and deductions). The page is named after the pay limit of the chosen year and month
// ("603-Euro-Abrechnung"); the main window names its speed button and menu item from the same
// data set.
//
// The bindings are one table (Bindungen(), control name -> value name), bound in order by the
// form base; the radio buttons of the tax treatment and of the given amount are not bound: the page
// shows the data set's choice after each refresh and writes it on the user's click only.
#include "Gui/PageForm.h"

#include <QString>

#include <span>

class QFormLayout;
class QLabel;
class QRadioButton;
class QVBoxLayout;
class QWidget;
class TGeringfuegigDaten;
class TMVCBetrag;
class TMVCCheckBox;
class TMVCComboBox;

class TFoGeringfuegigBeschaeftigt : public TMainPageForm {
    Q_OBJECT
public:
    explicit TFoGeringfuegigBeschaeftigt(QWidget* parent = nullptr);
    ~TFoGeringfuegigBeschaeftigt() override;

    // Control name -> value name, in binding order.
    static std::span<const TBindung> Bindungen();
    // The page's caption for a limit text ("603-Euro" -> "603-Euro-Abrechnung").
    static QString Seitentitel(const QString& grenzeText);

    // The statement printed and as text lines (copying the page, printing to a file).
    void Drucken(int copies) override;
    QStringList DruckText() override;

    TGeringfuegigDaten* Daten() const;
    // A control of the page by its object name (tests).
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }
    // The child-allowance mark is on (red background, yellow text).
    bool KiFBMarkiert() const { return m_kiFBMarkiert; }

protected:
    void BindControls() override;
    void AfterRefresh() override;

private:
    void Aufbauen();
    void SteuerAufbauen(QVBoxLayout& spalte);
    void VersicherungAufbauen(QVBoxLayout& spalte);
    void EntgeltAufbauen(QVBoxLayout& spalte);
    template <class T> T* Neu(const char* name);
    TMVCCheckBox* Check(const char* name, const QString& text);
    // An amount field of a whole number (no decimal places).
    TMVCBetrag* Ganzzahl(const char* name);
    // A radio button that writes `wert` into the choice `wahl` when the user clicks it.
    QRadioButton* Wahl(const char* name, const QString& text, const char* wahl, int wert);
    // A panel of rows inside a group, shown or hidden as a whole.
    QFormLayout* Tafel(QWidget*& panel, const char* name);
    // Amounts of the employee and the employer side by side.
    QWidget* Paar(const char* an, const char* ag);

    void KinderfreibetraegeFuellen();
    void KiFBMarkieren();
    void WahlSetzen(const char* wahl, int wert);

    bool m_kiFBMarkiert = false;
    // The status line says that the pay is above the month's limit.
    bool m_grenzeGemeldet = false;

    TMVCComboBox* m_cbKiFB = nullptr;
    QRadioButton* m_rbPLSt = nullptr;
    QRadioButton* m_rbLStK = nullptr;
    QRadioButton* m_rbFreistellung = nullptr;
    QRadioButton* m_rbEntgeltEingabe = nullptr;
    QRadioButton* m_rbNettoEingabe = nullptr;
    QWidget* m_paPLSt = nullptr;
    QWidget* m_paLStK = nullptr;
    QLabel* m_stLStKFB = nullptr;
    QLabel* m_stHinzur = nullptr;
};
