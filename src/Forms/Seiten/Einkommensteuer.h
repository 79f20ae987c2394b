#pragma once
// Page 2 of the main window, the income-tax calculation: every input and result of the
// calculation "EST" in value-bound controls. Every change recalculates; the page then shows what
// the year asks for (the financial-year switch of 2001, the business-income label of §32c or §35,
// the relief under the additional table or for profit income), and keeps the radio buttons of
// the table (basic or splitting) and of the given amount (taxable income or tax) in step.
//
// The table icons open and close income-tax table windows and play a short animation while such
// a table scrolls. The bindings are one table (Bindungen()), bound in order by the form base;
// the layout is built from row helpers (SeitenZeilen.h); the controls the code touches are typed
// members.
#include "Gui/BergForm.h"
#include "Gui/PageForm.h"
#include "Gui/Tabelle.h"

#include <QIcon>
#include <QString>

#include <array>
#include <memory>
#include <span>

class QAction;
class QButtonGroup;
class QFormLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;
class TEStBerechnung;
class TJahresvergleichKnopf;
class TEStDaten;
class TMVCBetrag;
class TMVCCheckBox;

class TFoEinkommensteuer : public TMainPageForm {
    Q_OBJECT
public:
    explicit TFoEinkommensteuer(QWidget* parent = nullptr);
    ~TFoEinkommensteuer() override;

    // Control name -> value name, in binding order.
    static std::span<const TBindung> Bindungen();

    // The income-tax calculation printed and as text lines.
    void Drucken(int copies) override;
    QStringList DruckText() override;

    TEStDaten* EStDaten() const;
    TEStBerechnung* EStBerechnung() const;
    // A control of the page by its object name (tests).
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }

    void EStTabOpenImageClick();
    // Without Ctrl: closes every income-tax table; with Ctrl: opens another one.
    void EStTabCloseImageClick(bool strg);
    // Opening, closing and scrolling of table windows, passed on by the main window.
    void TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse);
    // The year-comparison button and its flag; the main window tells it "Neu" and "Ändern".
    TJahresvergleichKnopf& Jahresvergleich() const { return *m_jahresvergleich; }

    // The picture the animated table icon shows (1 at rest).
    int AnimationsBild() const { return m_bild; }
    static constexpr int kBilder = 7;
    static constexpr int kAnimationsSchritt = 50; // ms

protected:
    void BindControls() override;
    void AfterRefresh() override;
    void PagePopupMenuePopup() override;

private:
    void Aufbauen();
    void VeranlagungAufbauen(QVBoxLayout& spalte);
    void GewerbeAufbauen(QVBoxLayout& spalte);
    void SteuerAufbauen(QVBoxLayout& spalte);
    void ErgebnisAufbauen(QVBoxLayout& spalte);
    void SymboleAufbauen(QVBoxLayout& spalte);
    void PopupAufbauen();
    template <class T> T* Neu(const char* name);
    TMVCCheckBox* Check(const char* name, const QString& text);
    QRadioButton* Wahl(QButtonGroup& gruppe, const char* name, const QString& text);
    // A row whose caption the code changes: the named label, its buddy the field.
    QLabel* BenannteZeile(QFormLayout& form, const char* name, const QString& text, QWidget* feld);

    // Writes the radio buttons' choice, unless the page is refreshing.
    void GrundSplittingTabClick();
    void ZVEEingabeClick(bool zveGegeben);
    void TabellenSymboleAktualisieren();
    void Animieren(bool vorwaerts);
    void AnimationsSchritt();

    int m_bild = 1;
    bool m_vorwaerts = true;
    std::array<QIcon, kBilder> m_bilder;

    TMVCCheckBox* m_chWJAbweichend = nullptr;
    TMVCBetrag* m_ebZTabMild = nullptr;
    TMVCBetrag* m_ebEBGewinnEink = nullptr;
    QStackedWidget* m_paZTabMild = nullptr;
    QLabel* m_stGewEink = nullptr;
    QLabel* m_stZTabMild = nullptr;
    QButtonGroup* m_tabellenWahl = nullptr;
    QButtonGroup* m_eingabeWahl = nullptr;
    QRadioButton* m_rbGrundTab = nullptr;
    QRadioButton* m_rbSplittingTab = nullptr;
    QRadioButton* m_rbZVEEingabe = nullptr;
    QRadioButton* m_rbEStEingabe = nullptr;
    QPushButton* m_bnVergleich = nullptr;
    std::unique_ptr<TJahresvergleichKnopf> m_jahresvergleich;
    QToolButton* m_estTabOpenImage = nullptr;
    QToolButton* m_estTabCloseImage = nullptr;
    QAction* m_pmiTabelleOeffnen = nullptr;
    QAction* m_pmiTabelleSchliessen = nullptr;
};
