#pragma once
// The income-tax table window: one row per step of taxable income with the step's upper bound and
// the income tax of the basic and of the splitting tariff. Each window owns its tariff object.
//
// The rows are whole units of the tariff's currency (DM up to 2001, euro from 2002), from the
// tariff's first table amount in steps of its table step; every column is shown in the display
// currency: amount / DMFaktor * Kurs. Opening at a taxable income and "Gehe zu ZVE..." take the
// display amount and go the same way back, so caption, rows and go-to always speak one currency.
#include "Gui/Tabelle.h"

#include <QColor>
#include <QString>

#include <memory>
#include <string>

class QAction;
class QLabel;
class TEStTabBase;

// One row of the table in the display currency, rounded to cents.
struct TEStTabellenZeile {
    double einkommen = 0; // the step's upper bound
    double grundtarif = 0;
    double splittingtarif = 0;
};

// The row of the tariff amount `betrag` (whole units of the tariff currency), shown at `kurs`
// display units per euro.
TEStTabellenZeile EStTabellenZeile(TEStTabBase& tarif, double betrag, double kurs);

class TFoEStTabelle : public TTabelle {
    Q_OBJECT
public:
    explicit TFoEStTabelle(QWidget* parent = nullptr);
    ~TFoEStTabelle() override;

    // Second phase: the base's, then the table's own end amount.
    void init() override;

    // Opens a window over the income-tax calculation's data: the tariff of `jahr`, the display
    // currency's text and rate, positioned at the taxable income `zvE` (display currency). A year
    // without tariff leaves no window; its message is shown. Returns the window or nullptr.
    static TFoEStTabelle* Zeigen(int jahr, const std::string& waehrungStr, double zvE, double kurs);
    // Opens a window for a menu's tariff period, in the tariff's own currency (DM up to 2001).
    static TFoEStTabelle* ZeigenPeriode(int jahr);
    // Lets the income-tax calculation's table command open this window.
    static void AlsTabelleDerBerechnung();

    // Takes the tariff and the display settings and positions at `zvE` (display currency). A
    // rate of 0 shows the tariff's own currency.
    void Oeffnen(std::unique_ptr<TEStTabBase> tarif, const std::string& waehrungStr, double zvE,
                 double kurs);

    double Anfangsbetrag() const override { return m_anfang; }
    double Schrittweite() const override { return m_schritt; }

    TEStTabBase* Tarif() const { return m_tarif.get(); }
    double Kurs() const { return m_kurs; }
    const std::string& WaehrungStr() const { return m_waehrungStr; }
    // The row of table amount `betrag` in the window's display currency.
    TEStTabellenZeile Zeile(double betrag) const;
    QColor ZeilenFarbe(int zeile) const { return m_farben[zeile % 2]; }
    QWidget* paTabHinweis() const { return m_paTabHinweis; }

    // "&Gehe zu ZVE...": asks for a taxable income in whole display units and goes there.
    void GeheZuZVE();

    static constexpr int kSpalten[3] = {130, 120, 120};
    static constexpr int kSichtbareZeilen = 17;
    static constexpr double kEndBetrag = 99999999.0;

protected:
    void PaintTable(QPainter& painter, const QRect& bereich) override;
    void TableDblClick() override { GeheZuZVE(); }

private:
    // Seventeen rows below the header.
    void HoeheAnpassen();
    void KopfAufbauen();
    void MenueAufbauen();

    std::unique_ptr<TEStTabBase> m_tarif;
    std::string m_waehrungStr;
    double m_kurs = 1.0;
    double m_anfang = 1.0;
    double m_schritt = 1.0;
    QColor m_farben[2];
    QWidget* m_paTabHinweis = nullptr;
};
