#pragma once
// The contribution table window: one row per pay step with the step's upper bound and the
// employee's shares of health, care, pension and unemployment insurance, for the settings of a
// payroll statement. The window owns the four contribution objects (TSVTabellenBeitraege) and
// frees them when it closes. Cells above their branch's pro-rata ceiling take the ceiling colours.
#include "Engine/Sozialversicherung/SVTabelle.h"
#include "Gui/MVCTabelle.h"

#include <QColor>

#include <memory>

// The row colours: ordinary rows alternate between the first two, cells above the ceiling
// between the last two.
struct TSVTabellenFarben {
    QColor normal[2] = {QColor(255, 251, 240), QColor(210, 222, 242)};
    QColor ueberBBG[2] = {QColor(255, 180, 180), QColor(240, 155, 200)};
};

// Paints one row: the pay and the four shares with 2 decimals in German format, the cells of a
// branch above its ceiling in the ceiling colours; a branch without share stays empty.
TGemalteZeile SVGemalteZeile(const TSVTabellenZeile& zeile, int nummer,
                             const TSVTabellenFarben& farben);

class TFoSVTabelle : public TMVCTabelle {
    Q_OBJECT
public:
    explicit TFoSVTabelle(QWidget* parent = nullptr);
    ~TFoSVTabelle() override;

    // Creates the contribution objects, sets caption, scroll range and end of the table and
    // scrolls to the row that holds the gross pay. Raises for settings the table cannot show.
    void Oeffnen(const TSVTabellenVorgaben& vorgaben);
    // Creates, opens and shows a window. A failed opening leaves no window and no contribution
    // object behind; its message is shown. Returns the window or nullptr.
    static TFoSVTabelle* Zeigen(const TSVTabellenVorgaben& vorgaben);

    double Anfangsbetrag() const override;
    double Schrittweite() const override;

    TSVTabellenBeitraege* Beitraege() const { return m_beitraege.get(); }
    // The row of table amount `betrag` (cents of the year's currency).
    TSVTabellenZeile Zeile(double betrag) const;
    const TSVTabellenFarben& Farben() const { return m_farben; }
    // Rows that fit into the table's 315 pixels.
    int SichtbareZeilen() const;

    static constexpr int kSpalten[5] = {110, 90, 90, 90, 90};
    static constexpr int kTabellenHoehe = 315;

protected:
    void PaintTable(QPainter& painter, const QRect& bereich) override;
    void TableDblClick() override { GeheZuBetrag(); }

private:
    void KopfAufbauen();
    void MenueAufbauen();
    void HoeheAnpassen();

    std::unique_ptr<TSVTabellenBeitraege> m_beitraege;
    TSVTabellenFarben m_farben;
};
