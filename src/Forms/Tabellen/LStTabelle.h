#pragma once
// The wage-tax table window: one row per pay step with the wage tax, church tax and solidarity
// surcharge at the step's upper bound, for the employee settings of a payroll statement. Each
// window owns its own tariff object, so the class, child allowances and church-tax rate chosen in
// its popup menu change this table only, never the statement it was opened from.
#include "Gui/MVCTabelle.h"

#include <QColor>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QWidget;
class TLStTabBase;

// What the table takes from the statement it is opened over.
struct TLStTabelleVorgaben {
    int jahr = 2026;
    int monat = 1;
    std::string zeitraumName = "Monat";
    std::string waehrungName = "Euro";
    // Units of the shown currency per euro. The rows follow the tariff's own steps in its own
    // currency; the shown amounts are converted as the statement converts them.
    double kurs = 1.0;
    // The tariff's code for "free of pension insurance" in this year's tariff period.
    int rvFrei = 1;
    int steuerklasse = 1;
    double kinderfreibetraege = 0.0;
    double kirchensteuersatz = 9.0; // percent
    double entgelt = 0.0;           // gross pay of the statement, the table opens at its row
    bool geburtsdatumBekannt = false;
    // Copies the employee's inputs (pay period, rates, allowances ...) into the tariff object.
    std::function<void(TLStTabBase&)> eingaben;
};

class TFoLStTabelle : public TMVCTabelle {
    Q_OBJECT
public:
    explicit TFoLStTabelle(QWidget* parent = nullptr);
    ~TFoLStTabelle() override;

    // Creates the tariff of the year and month, takes the settings and scrolls to the gross pay.
    // Raises ELStTabError for a year without tariff; the window is then unusable and is freed by
    // the caller.
    void Oeffnen(const TLStTabelleVorgaben& vorgaben);
    // Creates, opens and shows a window; an error is shown and no window stays behind.
    static TFoLStTabelle* Zeigen(const TLStTabelleVorgaben& vorgaben);

    double Anfangsbetrag() const override { return m_anfang; }
    double Schrittweite() const override { return m_schritt; }

    TLStTabBase* Tarif() const { return m_tab.get(); }
    int Steuerklasse() const;
    // In tenths: 5 is one half.
    int KinderZehntel() const;

    // The popup's commands; refused choices beep and change nothing.
    void SetSteuerklasse(int klasse);
    void SetKinderZehntel(int zehntel);
    void MehrKinderClick();
    void SetKirchensteuerSatz(int satz);
    void AltersentlastungClick();
    void RentenversicherungsfreiClick();
    void KeineZusatztabelleClick();
    void PopupAktualisieren();

    // The four cell texts of the row showing amount `betrag`.
    struct TZeile {
        QString betrag, lohnsteuer, kirchensteuer, solz;
    };
    TZeile ZeilenTexte(double betrag);
    QColor ZeilenFarbe(int zeile) const { return m_farben[zeile % 2]; }

    QLabel* stStKl() const { return m_stStKl; }
    QLabel* stKinderFB() const { return m_stKinderFB; }
    QLabel* stKiStSatz() const { return m_stKiStSatz; }
    QLabel* stSolZSatz() const { return m_stSolZSatz; }
    QWidget* paTabHinweis() const { return m_paTabHinweis; }
    QAction* miAltersentlastung() const { return m_miAltersentlastung; }
    QAction* miMehr() const { return m_miMehr; }
    QAction* miKinderNull() const { return m_miKinderNull; }

    // Column widths of the table; the header labels take the same widths.
    static constexpr int kSpalten[4] = {110, 100, 100, 100};
    static constexpr int kSichtbareZeilen = 17;

protected:
    void PaintTable(QPainter& painter, const QRect& bereich) override;
    void TableDblClick() override { GeheZuBetrag(); }

private:
    void KopfAufbauen();
    void MenueAufbauen();
    void KinderAnzeigen();
    void SteuerklasseAnzeigen();
    // A tariff amount in the shown currency: the row's pay cut, results rounded as the
    // statement's tariff rounds them.
    double Anzeige(double betrag, bool runden) const;

    std::unique_ptr<TLStTabBase> m_tab;
    double m_kurs = 1.0;
    double m_faktor = 1.0;
    int m_rvFrei = 1;
    int m_rvVersichert = 0;
    double m_kiStSatz = 0.0;
    double m_anfang = 1.0;
    double m_schritt = 1.0;
    QColor m_farben[2];
    QLabel* m_stStKl = nullptr;
    QLabel* m_stKinderFB = nullptr;
    QLabel* m_stKiStSatz = nullptr;
    QLabel* m_stSolZSatz = nullptr;
    QWidget* m_paTabHinweis = nullptr;
    QAction* m_miAltersentlastung = nullptr;
    QAction* m_miRVFrei = nullptr;
    QAction* m_miKeineZTab = nullptr;
    QAction* m_miMehr = nullptr;
    QAction* m_miKinderNull = nullptr;
};

// "StKl. I" .. "StKl. VI".
QString SteuerklassenText(int klasse);
// "ohne Kinderfreibetrag", "mit 0,5 Kinderfreibetrag", "mit 2,0 Kinderfreibeträgen".
QString KinderfreibetragText(int zehntel);
// The entry "mehr..." brings to a multiple of one half: 2,7 gives 2,5, 2,8 gives 3,0.
int KinderZehntelGerundet(int zehntel);
