#pragma once
// The pages of the options dialog, one class per kind of options group (OptionenSeiten.h), all on
// this base. A page is bound to one options calculation, like a calculation page to its
// calculation, and knows nothing of the window that shows it: the options dialog shows all of
// them, the options check shows two.
//
// A year page is built from a table of rows (caption, amount edit, unit, default label and, where
// the group has valid-from values, the edit of the "Ab" value inside the panel paAbWerte, with
// the month chosen in cbAbDatum). One form serves the 2026 and the 2027 page of its class, so the
// heading's year and the default labels are set anew on every refresh; a default label is found by
// its value's name, not by position.
#include "Gui/PageForm.h"

#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QVBoxLayout;
class QWidget;
class TMVCBetrag;

// One row of a year page.
struct TOptionenZeile {
    const char* text;    // caption, with its mnemonic
    const char* edit;    // the amount edit
    const char* einheit; // the unit label: "%" unless it is a currency label (bound by the page)
    bool waehrung;       // the unit label shows the group's currency name
    const char* vorgabe; // the default label
    const char* wert;    // the value whose default the label shows
    const char* abEdit;  // the edit of the valid-from value, or nullptr
};

class TCustomFoOptionen : public TMainPageForm {
    Q_OBJECT
public:
    explicit TCustomFoOptionen(QWidget* parent = nullptr);

    // An options page has nothing to print or copy: it keeps only the edit popup of its fields.
    void init() override;
    void Drucken(int copies) override;
    QStringList DruckText() override;
    void SetFetteSchrift(bool bold) override;

    // A control of the page by its object name.
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }
    // The heading as shown ("Beitragssätze 2026:"); empty for a page without one.
    QString Ueberschrift() const;

protected:
    // A year page: the heading, then the rows; `bindungen` are bound in their order.
    void JahrSeiteAufbauen(const QString& ueberschrift, std::span<const TOptionenZeile> zeilen,
                           std::span<const TBindung> bindungen);
    void SetBindungen(std::span<const TBindung> bindungen) { m_bindungen = bindungen; }
    void BindControls() override;
    // The heading: the fixed text, then the year of the bound group and ":".
    void UeberschriftAnlegen(const QString& text);
    // The rows of a year page in a grid; with valid-from values the panel paAbWerte and the
    // combo box cbAbDatum besides.
    void ZeilenAufbauen(std::span<const TOptionenZeile> zeilen);
    // A label that shows the default of the value `wert` after every refresh.
    QLabel* VorgabeLabel(const char* name, const char* wert);
    // The year of the bound group (0 when the group has none).
    int Jahr() const;

    void AfterRefresh() override;

    QVBoxLayout* Spalte() const { return m_spalte; }
    QLabel* Beschriftung(const QString& text, QWidget* buddy);

private:
    struct TVorgabe {
        QLabel* label;
        std::string wert;
    };

    QVBoxLayout* m_spalte = nullptr;
    QLabel* m_stUeberschrift = nullptr;
    QString m_ueberschrift;
    std::vector<TVorgabe> m_vorgaben;
    std::span<const TBindung> m_bindungen;
};
