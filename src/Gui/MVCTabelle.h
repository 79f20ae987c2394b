#pragma once
// A table window that follows the table option "TabellenImVordergrund": it stays on top of the
// other windows while the option is on. A change of the option reaches every open table at once.
// While a modal window (a dialog, a message box) blocks the program, the tables leave the
// foreground, so that the window that waits for the user is never covered by one; they return
// to it when the modal window closes.
#include "Gui/Tabelle.h"

class TMVCTabelle : public TTabelle {
    Q_OBJECT
public:
    explicit TMVCTabelle(QWidget* parent = nullptr);

    void DatenGeaendert(TDaten& daten) override;
    // Stays on top of the other windows, or not (while no modal window blocks it).
    void SetImVordergrund(bool an);
    bool ImVordergrund() const { return m_imVordergrund; }

protected:
    bool event(QEvent* event) override;

private:
    // The window's stay-on-top flag as the option and the blocking say.
    void VordergrundAnwenden();

    bool m_imVordergrund = false;
    bool m_blockiert = false;
};
