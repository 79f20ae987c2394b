#pragma once
// The question of the options check: shows the stored values of one options group on a disabled
// panel, so that the user can look at them but not change them, and asks whether they are to be
// replaced by the current ones. "&Ja" closes with modal result 1, "&Nein" (also Escape and
// closing the window) with 2.
#include "Gui/XoForm.h"

class QLabel;
class QPushButton;
class TDaten;

class TFoOptionenPruefung : public TBaseForm {
    Q_OBJECT
public:
    explicit TFoOptionenPruefung(const TDaten& daten, QWidget* parent = nullptr);

    QLabel* stFrage = nullptr;
    QLabel* stAktuell = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* bnJa = nullptr;
    QPushButton* bnNein = nullptr;
    QPushButton* bnHilfe = nullptr;

private:
    // One row per value: its name, its text and, where it has one, the text of its "Ab" value.
    void WerteZeigen(const TDaten& daten);
};

// Shows the dialog modally (through the GUI hooks); true when the user answers "&Ja".
bool OptionenZuruecksetzenFragen(const TDaten& daten);
