#pragma once
// "Entgelt Detail-Eingabe": one itemised pay component on a copy (TDetailEntgelt): its text from
// the reference texts of BEZUEGE.TXT, its amount and its kind. On OK a new text joins the
// reference texts, as one line.
#include "Gui/ListenDialog.h"

class TMVCComboBox;
class TMVCButton;

class TFoEntgelt : public TEintragDialog {
    Q_OBJECT
public:
    explicit TFoEntgelt(QWidget* parent = nullptr);

    TMVCComboBox* cbText() const { return m_text; }
    TMVCButton* bnTxtLoeschen() const { return m_txtLoeschen; }
    void bnTxtLoeschenClick();

protected:
    void Speichern() override;

private:
    TMVCComboBox* m_text = nullptr;
    TMVCButton* m_txtLoeschen = nullptr;
};
