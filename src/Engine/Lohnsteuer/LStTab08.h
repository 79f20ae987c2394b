#pragma once
// 2008 and 2009: annual amounts first, as the flow charts of 2010 on compute them.
//
// The pay of the period becomes annual amounts before any allowance; the pension allowances come
// with a second set for the other payments (death benefits and capitalised payments); the
// one-fifth rule runs inside the annual tax by a mode. 2009 as amended in the spring (lower entry
// rate and basic allowance) is TLStTab09a; the first 2009 class is never created.
#include "Engine/Lohnsteuer/LStTab06.h"

class TLStTab08 : public TLStTab07 {
public:
    std::string Name() const override { return "2008"; }
    void SetInt(int index, std::int32_t wert) override;
    double AltersentlastungsbetragZeitraum() override;
    double VersorgungsfreibetragZeitraum() override;

protected:
    // The other-payment runs tax the year: pay period and pension months are restored
    // afterwards, also when a step throws.
    class TZeitraumBewahren {
    public:
        TZeitraumBewahren(std::int32_t& zeitraum, std::int32_t& monate)
            : m_zeitraum(zeitraum), m_monate(monate), m_alterZeitraum(zeitraum),
              m_alteMonate(monate)
        {
        }
        ~TZeitraumBewahren()
        {
            m_zeitraum = m_alterZeitraum;
            m_monate = m_alteMonate;
        }
        TZeitraumBewahren(const TZeitraumBewahren&) = delete;
        TZeitraumBewahren& operator=(const TZeitraumBewahren&) = delete;

    private:
        std::int32_t& m_zeitraum;
        std::int32_t& m_monate;
        std::int32_t m_alterZeitraum;
        std::int32_t m_alteMonate;
    };

    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2008; }
    void Berechnen() override;
    void Versorgungsfreibetraege() override;
    long double AufJahr(double betrag) const override;
    long double VorsorgeAnteil() const override { return AbrundenCent(0.2L * m_b.zre4vp); }
    long double VorsorgeVorwegLohn() const override { return m_b.zre4vp; }
    long double VorsorgeVorweg(long double divisor) const override;
    long double KrankenTeil(long double w) const override;
    long double Einkommen() const override;
    void ZuschlagLoeschen() override;
    void SonstigeBezuege() override;
    void SonstigeBezuegeFuenftel() override;

    virtual void Jahreswerte();
    virtual void Bemessungsgrundlagen();
    virtual void Altersentlastungsbetrag();
    virtual void OhneSonstigeBezuege();
    virtual void VersorgungSonstigeBezuege();
    // The death benefits counted in the pension allowance of the other payments.
    virtual void SterbegeldUebernehmen() {}
    // 2008 counts the death benefits and capitalised payments in every computation.
    virtual void SterbegeldImFreibetrag();
    virtual void SonstigeZuschlagGrenze(double zuschlag, long double grenze);
    // The one-fifth tax R from the base tax (cents) and the parts C and K.
    virtual double FuenftelNachModus(double basis, double c, double kapital);
};

class TLStTab09 : public TLStTab08 {
public:
    std::string Name() const override { return "2009"; }

protected:
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2009; }
    void Jahreslohnsteuer() override;
    void SterbegeldImFreibetrag() override {}
    void ArbeitnehmerpauschbetragAlt() override;
    void SterbegeldUebernehmen() override;
    void SonstigeZuschlagGrenze(double zuschlag, long double grenze) override;
    double FuenftelNachModus(double basis, double c, double kapital) override;

    // Taxable income per unit and the tariff tax of the taxable income as it stands.
    long double SteuerAusEinkommen();
};

// 2009 from the spring: lower entry rate and higher basic allowance.
class TLStTab09a : public TLStTab09 {
public:
    std::string Name() const override { return "2009"; }

protected:
    const TTarif04& TarifWerte() const override;
    TKlasse5und6Grenzen04 Klasse5und6Grenzen() const override;
};
