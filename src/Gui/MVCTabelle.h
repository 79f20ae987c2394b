#pragma once
// A table window that follows the table option "TabellenImVordergrund": it stays on top of the
// other windows while the option is on. A change of the option reaches every open table at once.
#include "Gui/Tabelle.h"

class TMVCTabelle : public TTabelle {
    Q_OBJECT
public:
    explicit TMVCTabelle(QWidget* parent = nullptr);

    void DatenGeaendert(TDaten& daten) override;
    // Stays on top of the other windows, or not.
    void SetImVordergrund(bool an);
    bool ImVordergrund() const;
};
