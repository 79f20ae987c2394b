#pragma once
// Page 7 of the main window, the tax-class comparison of a married couple: the inputs of spouse
// A and spouse B side by side, and the wage tax of each in classes III, IV and V with the totals
// of the combinations III/V, IV/IV and V/III. Every change recalculates both spouses in every
// class; the combinations the calculation rules out are shown greyed with their amounts.
//
// The year and the pay period belong to spouse A; spouse B takes them at every calculation. The
// child allowances are plain combo boxes kept in step by hand (their value is text). The
// bindings are one table (Bindungen()), bound in order by the form base.
#include "Gui/PageForm.h"

#include <span>

class QComboBox;
class QLabel;
class QWidget;
class TLohnDaten;
class TMVCBetrag;
class TStKlVergleichBerechnung;

class TFoStKlVergleich : public TMainPageForm {
    Q_OBJECT
public:
    explicit TFoStKlVergleich(QWidget* parent = nullptr);
    ~TFoStKlVergleich() override;

    static std::span<const TBindung> Bindungen();

    TStKlVergleichBerechnung* StKlVergleichBerechnung() const;
    // Spouse A (0) or B (1); nullptr while unbound.
    TLohnDaten* Ehegatte(int ehegatte) const;

    // The comparison printed and as text lines.
    void Drucken(int copies) override;
    QStringList DruckText() override;

    void cbKiFBChange(int ehegatte);
    void bnBGSClick(int ehegatte);
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }

protected:
    void BindControls() override;
    void AfterRefresh() override;

private:
    void Aufbauen();
    template <class T> T* Neu(const QString& name);

    QComboBox* m_cbKiFB[2] = {};
    TMVCBetrag* m_ebPrivatKPVAGZuschuss[2] = {};
    TMVCBetrag* m_ebPrivatKPVBeitrag[2] = {};
    QLabel* m_stPrivatKPVAGZuschuss = nullptr;
};
