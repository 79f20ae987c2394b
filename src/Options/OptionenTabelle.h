#pragma once
// The table windows' option "TabellenImVordergrund" (stay on top): a singleton data set named
// "BenutzerOptionen", read from the user's OPTIONEN.INI when it is created and kept in step with
// the general options by the options container.
#include "Lib/Singleton.h"
#include "MVCFrame/Daten.h"

class TOptionenTabelle final : public TDaten {
public:
    bool TabellenImVordergrund() const;

protected:
    void CreateValues() override;

private:
    friend class TSingleton<TOptionenTabelle>;
    TOptionenTabelle();
};

TOptionenTabelle& OptionenTabelle();
TSingleton<TOptionenTabelle>& OptionenTabelleSingleton();
