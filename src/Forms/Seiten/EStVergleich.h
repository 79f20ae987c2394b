#pragma once
// Page 4 of the main window, the income-tax year comparison: two income-tax calculations side by
// side (year, financial year, table) and how case 2 differs from case 1, value by value.
#include "Forms/Seiten/CustomVergleich.h"

class QLabel;
class QWidget;

class TFoEStVergleich : public TCustomVergleich {
    Q_OBJECT
public:
    explicit TFoEStVergleich(QWidget* parent = nullptr);
    ~TFoEStVergleich() override;

    // The comparison printed and as text lines.
    void Drucken(int copies) override;
    QStringList DruckText() override;

protected:
    void BindControls() override;
    void AfterRefresh() override;

private:
    void Aufbauen();

    QLabel* m_stTab1 = nullptr;
    QLabel* m_stTab2 = nullptr;
};
