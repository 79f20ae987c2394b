#pragma once
// The question of the options check, "Überprüfung der Optionen": one of the options dialog's own
// pages (contribution rates or child benefit of 2026) over the stored values, and whether they
// are to be replaced by the current ones. "&Ja" closes with modal result 1, "&Nein" (also Escape
// and closing the window) with 2.
//
// The page takes no input here: the user can look at the stored values, scroll them, but not
// change them. The pages have no names, so they neither load nor save a page state.
#include "Gui/PageContainerForm.h"
#include "Options/OptionenPruefung.h"

class QLabel;
class QPushButton;
class TOptionenVtrlDaten;

class TFoOptionenPruefung : public TPageContainerForm {
    Q_OBJECT
public:
    // Registers the two pages over the 2026 groups of `optionen`; the caller shows one of them.
    explicit TFoOptionenPruefung(TOptionenVtrlDaten& optionen, QWidget* parent = nullptr);

    QLabel* stFrage = nullptr;
    QLabel* stAktuell = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* bnJa = nullptr;
    QPushButton* bnNein = nullptr;
    QPushButton* bnHilfe = nullptr;

protected:
    void PageChanged() override;
};

// Shows the dialog with the page `seite` over the live options, modally (through the GUI hooks);
// true when the user answers "&Ja".
bool OptionenZuruecksetzenFragen(TOptionenSeite seite);
