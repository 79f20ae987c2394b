#pragma once
// Page 3 of the main window, the wage year comparison: the inputs of both payroll statements
// side by side (shown with "Details ein"), their amounts and how case 2 differs from case 1.
#include "Forms/Seiten/CustomVergleich.h"

#include <span>

class QPushButton;
class QWidget;

class TFoLohnVergleich : public TCustomVergleich {
    Q_OBJECT
public:
    explicit TFoLohnVergleich(QWidget* parent = nullptr);
    ~TFoLohnVergleich() override;

    // Label name (without case number) -> value name of the payroll data, in binding order.
    static std::span<const TBindung> Bindungen();

    bool Details() const { return m_details; }
    // The comparison printed (after the print dialog over case 2's name and period) and as text
    // lines, with the calculation inputs while the details are shown.
    void Drucken(int copies) override;
    QStringList DruckText() override;
    void bnDetailClick();

protected:
    void BindControls() override;
    void AfterRefresh() override;

private:
    void Aufbauen();
    void DetailsZeigen();
    // The inputs shown only as two values together: "Steuertage / SVTage" and the like.
    void KombiFuellen(int fall);

    bool m_details = false;
    QWidget* m_paDetail = nullptr;
    QWidget* m_paEntgelt = nullptr;
    QPushButton* m_bnDetail = nullptr;
};
