#pragma once
// The small "Neuer Betrag" dialog of the table windows: one amount field, "&OK" and "Abbrechen".
// The table window places it beside the table (not centred) and reads the entered amount as a
// double; negative amounts cannot be typed.
#include "Gui/XoForm.h"

class QPushButton;
class TBetrag;

class TFoDoubleEingabe : public TBaseForm {
    Q_OBJECT
public:
    explicit TFoDoubleEingabe(QWidget* parent = nullptr);

    TBetrag* Betrag1() const { return m_betrag; }
    QPushButton* bnOK() const { return m_ok; }
    QPushButton* bnAbbrechen() const { return m_abbrechen; }

    double Wert() const { return m_wert; }
    // Keeps the amount and shows it in the field (an amount the field cannot hold leaves it empty).
    void SetWert(double wert);

    // Runs the dialog modally at (x, y), pulled back onto the screen where it would leave it.
    int ShowModalBei(int x, int y);

    void bnOKClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double m_wert = 0.0;
    TBetrag* m_betrag = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_abbrechen = nullptr;
};
