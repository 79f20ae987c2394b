#pragma once
// Income-tax tariff: the statutory tariff of one tariff period (1988 to 2026).
//
// TEStTabBase holds everything the periods share: the conversion between the caller's display
// currency and whole units of the tariff currency (DM up to 2001, euro from 2002), the table
// steps of the years up to 2003, the splitting rule, the income search and the progression
// proviso. A period (EStTab.h) only describes its zones: where each ends and which formula
// taxes it. Every formula runs in integers on the exact decimal constants of the statute, so
// the last euro never depends on binary fractions.
//
// Amounts in and out are in the display currency with its rate Kurs (display units per euro);
// inside, incomes and taxes are 64-bit whole units, limited to +-10^15 so that no product of
// a formula can overflow.
#include <cstdint>
#include <span>
#include <string>

// The kinds of formula that tax a zone of the tariff.
enum class TEStZonenArt {
    Frei,      // the basic allowance: no tax
    Linear,    // rate x - subtrahend
    Quadrat,   // (a v + b) v + c with v = (x - base) / 10000
    Polynom88, // the fourth-degree zone of 1988/89
};

// One zone of a tariff. All decimal constants are held scaled, as the statute writes them.
struct TEStZone {
    std::int64_t ende = 0; // the last income n (before step rounding) taxed by this zone
    TEStZonenArt art = TEStZonenArt::Frei;
    std::int64_t basis = 0; // the zone base of v (quadratic and polynomial zones)
    std::int64_t a = 0;     // coefficient a in hundredths
    std::int64_t b = 0;     // coefficient b, whole
    std::int64_t c = 0;     // constant in hundredths
    std::int64_t satz = 0;  // rate in thousandths (linear zones)
    std::int64_t abzug = 0; // subtrahend in hundredths (linear zones)
};

class TEStTabBase {
public:
    // Whole units are kept within +-kMaxEinheiten: a tax of a larger income is that of the limit.
    static constexpr std::int64_t kMaxEinheiten = 1'000'000'000'000'000;

    virtual ~TEStTabBase() = default;
    TEStTabBase(const TEStTabBase&) = delete;
    TEStTabBase& operator=(const TEStTabBase&) = delete;

    // Label of the tariff period ("1988/89", "2026").
    virtual std::string Name() const = 0;

    // Tariff tax of the basic table in whole units for the income n whose step income is held
    // by the object (set by Steuer).
    virtual std::int64_t Tarif(std::int64_t n) const;
    // Estimate of the income whose basic-table tax is `steuer`; the income search corrects it.
    virtual std::int64_t TarifUmkehr(std::int64_t steuer) const;

    // Income tax of a taxable income in the display currency, rounded to cents.
    double Steuer(bool splitting, double betrag, double kurs);
    // Highest taxable income (upper end of its step plus 0.99) whose tax does not exceed
    // `steuer`; both in the display currency.
    double Einkommen(bool splitting, double steuer, double kurs);
    // Tax at the special rate of the progression proviso; `satz` receives the rate in percent.
    double ProgressSteuer(bool splitting, double& satz, double einkommen, double progressEinkuenfte,
                          double kurs);

    // Step width and first income of the table view; units of the tariff currency per euro.
    virtual double Stufe() const { return 54; }
    virtual double TabellenAnfang() const;
    virtual double DMFaktor() const;
    // From 2004 every euro is taxed exactly: the table view's rows are samples, not steps.
    bool OhneStufen() const { return m_stufenBreite == 1; }

    // The step-rounded income and its tax of the last Steuer call, whole units (splitting: both
    // doubled), and the step income the tariff evaluated.
    std::int64_t TabellenEinkommen() const { return m_tabellenEinkommen; }
    std::int64_t TarifSteuer() const { return m_tarifSteuer; }
    std::int64_t StufenEinkommen() const { return m_stufenEinkommen; }

protected:
    TEStTabBase() = default;

    // Whole units of the progression income in the tariff currency.
    virtual std::int64_t ProgressEinheiten(double progressEinkuenfte, double kurs) const;

    // Whole units of a display amount in the tariff currency, cut.
    std::int64_t Einheiten(double betrag, double kurs) const;
    // Tax in whole units of the income n (basic table) or of its half, doubled (splitting);
    // sets the table income, tariff tax and step income.
    std::int64_t SteuerEinheiten(bool splitting, std::int64_t n);

    std::int64_t m_grundfreibetrag = 0;
    // Incomes are taxed at the step income (n div breite) * breite + mitte.
    std::int64_t m_stufenBreite = 54;
    std::int64_t m_stufenMitte = 0;
    // Up to 2003 every product of a zone formula is cut to thousandths.
    bool m_tausendstel = true;
    std::span<const TEStZone> m_zonen;

private:
    const TEStZone& ZoneVon(std::int64_t n) const;
    std::int64_t ZonenSteuer(const TEStZone& zone, std::int64_t x) const;
    std::int64_t ZonenUmkehr(const TEStZone& zone, std::int64_t zonenAnfang,
                             std::int64_t steuer) const;
    std::int64_t StufeVon(std::int64_t n) const;

    std::int64_t m_tabellenEinkommen = 0;
    std::int64_t m_tarifSteuer = 0;
    std::int64_t m_stufenEinkommen = 0;
};
