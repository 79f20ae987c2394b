#pragma once
// TBerechnung: a named calculation that owns exactly one data set (created by CreateDaten, with the
// calculation as owner and the same name) and recalculates whenever that data set has changed:
// only when the set is Modified and no calculation is running; BeginCalc, Calculate, clear
// Modified, EndCalc (also on an exception), then OnCalculated. The results Calculate sets only mark
// the set modified, since it is updating; the change that started it goes on to the forms after
// the results are in place.
#include "Lib/Component.h"

#include <functional>
#include <memory>
#include <string>

class TDaten;
class TXIniFile;

class TBerechnung : public TComponent {
public:
    using TCalculatedEvent = std::function<void(TBerechnung& sender)>;

    // Construction ends in init() (CreateComponent): the data set is created there.
    TBerechnung(TComponent* owner, const std::string& name);
    ~TBerechnung() override;
    void init() override;

    TDaten& Daten() const { return *m_daten; }
    void SetName(const std::string& name) override;

    // Copies the data set of another calculation.
    virtual void Assign(const TBerechnung& source);
    // A new calculation of the same class, without owner and name, assigned from this one.
    std::unique_ptr<TBerechnung> Clone() const;
    virtual void LoadFromIni(const TXIniFile& ini, const std::string& section);
    virtual void SaveToIni(TXIniFile& ini, const std::string& section) const;
    virtual void WaehrungUmrechnen(const std::string& newName, bool convert, double newRate);
    // Whether a change of `daten` concerns this calculation (its own set or one of its children).
    bool BetrifftDaten(const TDaten& daten) const;

    // The message of the last calculation's failure, whose results it left undetermined; empty
    // after a calculation that succeeded.
    virtual std::string Fehlermeldung() const { return std::string(); }

    void Recalculate();
    bool IsCalculating() const { return m_calcCount > 0; }
    void BeginCalc();
    void EndCalc();

    TCalculatedEvent OnCalculated;

protected:
    virtual void Calculate() {}
    // A new data set of the calculation's own data class: CreateComponent<TMyDaten>(this, Name()).
    virtual TDaten* CreateDaten() = 0;
    // A new calculation of this class for Clone (owner and name as given); a calculation that
    // is cloned overrides it.
    virtual TBerechnung* NewInstance(TComponent* owner, const std::string& name) const;
    void DoCalculated();

private:
    TDaten* m_daten = nullptr;
    int m_calcCount = 0;
};
