#pragma once
// Value-bound list box and combo box (see MVCControl.h). Refilling the items blocks the widget's
// signals and keeps the scroll position; an editable combo box keeps its text.
#include "Gui/MVCControl.h"

#include <QComboBox>
#include <QListWidget>

#include <vector>

// Items from a TStringListValue (with its selection), a TIntegerLookup, a TStringIniLookup or a
// TStringFileLookup. Items may hold columns separated by tabs, each with a width and alignment.
class TMVCListBox : public QListWidget, public TMVCControl {
    Q_OBJECT
public:
    enum TAusrichtung { Links = 0, Rechts = 1, Mitte = 2 };

    explicit TMVCListBox(TBerechnungForm* owner, QWidget* parent = nullptr);
    void SetValue(TValue* value) override;
    void Refresh() override;

    int Columns() const { return static_cast<int>(m_breiten.size()); }
    // 0..30, else "Bereichsfehler Columns (<n>)".
    void SetColumns(int columns);
    int ColumnWidth(int index) const;
    // The width is kept within 0..the list's width; an index outside 0..Columns-1 raises
    // "Indexfehler ColumnWidth (<index>)".
    void SetColumnWidth(int index, int width);
    TAusrichtung ColumnAlignment(int index) const;
    void SetColumnAlignment(int index, TAusrichtung ausrichtung);

private:
    void PruefeIndex(int index) const;
    void SetzeItems(const std::vector<std::string>& items);
    void Click();

    std::vector<int> m_breiten;
    std::vector<TAusrichtung> m_ausrichtungen;
};

// Items from a TCustomIntegerLookup, a TStringIniLookup or a TStringFileLookup; the text of any
// other value. A drop-down list writes the choice (a TIntegerMinMax: minimum + index), an
// editable box its text as it is typed; leaving it or Enter shows the value in force, so that a
// refused text never stays.
class TMVCComboBox : public QComboBox, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCComboBox(TBerechnungForm* owner, QWidget* parent = nullptr);
    void SetValue(TValue* value) override;
    void Refresh() override;
    // Setting the index runs the change handling when it differs.
    void SetItemIndex(int index);
    void showPopup() override;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetzeItems(const std::vector<std::string>& items);
    void Change();

    // The choices as last put into the box: a refresh with the same ones touches nothing.
    std::vector<std::string> m_items;
};
