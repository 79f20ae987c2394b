#pragma once
// The four columns the two year comparisons print (wage and income tax): case 1, case 2, their
// difference and a remark, on paper (TVtDruckVergleich) and as text (TVergleichText).
//
// The remark says whether case 2 is an additional burden ("Mehrbelastung") or a relief
// ("Entlastung") over case 1; a value whose rise is a relief (net pay, child benefit, the
// reliefs of income tax) has its sign flag off.
#include "Print/VtDruck.h"

#include <QStringList>

class TDaten;
class TValue;

// The remark on a difference `d`: none within +-0.001.
QString Bemerkung(double d, bool vorzeichen);

// The three data sets of a comparison: case 1, case 2 and the difference (held in case 2's
// currency).
struct TVergleichsFaelle {
    const TDaten& fall1;
    const TDaten& fall2;
    const TDaten& diff;
};

class TVtDruckVergleich : public TVtDruck {
public:
    // `breiteLabel` is the widest label; `zeilenZehntel` the line unit in tenths of the base.
    TVtDruckVergleich(const TVergleichsFaelle& faelle, QString breiteLabel, int zeilenZehntel);

    // Nothing when all four columns are blank; else the label, columns 1 to 3 ending at X1 to
    // X3, column 4 starting at X4, and one and a half lines down. No text comes closer than a
    // character to the one before it or runs past the right margin, and none is cut (see the
    // definition).
    void ZeileVergleich(const QString& label, const QString& s1, const QString& s2,
                        const QString& s3, const QString& s4);
    // The value of both cases and the difference, each with its currency.
    void ZeileWert(const QString& label, const char* name);
    // As ZeileWert, with the remark on the difference.
    void ZeileDiff(const QString& label, const char* name, bool vorzeichen);

    int X1() const { return m_x1; }
    int X2() const { return m_x2; }
    int X3() const { return m_x3; }
    int X4() const { return m_x4; }

protected:
    // The columns from the page's margins, in the normal font; called first by every page.
    void SpaltenEinrichten();
    const TVergleichsFaelle& Faelle() const { return m_faelle; }

private:
    // The value's text followed by a blank and the currency of `waehrung`, unless it is blank.
    QString WertMitWaehrung(const TDaten& daten, const TDaten& waehrung, const char* name) const;

    TVergleichsFaelle m_faelle;
    QString m_breiteLabel;
    int m_x1 = 0;
    int m_x2 = 0;
    int m_x3 = 0;
    int m_x4 = 0;
};

// The text lines of a comparison: columns 1 to 3 ending at columns 37, 52 and 66 (or further
// right, a blank after what precedes them), the remark after a blank.
class TVergleichText {
public:
    explicit TVergleichText(const TVergleichsFaelle& faelle) : m_faelle(faelle) {}

    // The 80-column heading: the title, the date at the end.
    void Kopf(const QString& titel);
    void Zeile(const QString& text = QString()) { m_zeilen << text; }
    void ZeileVergleich(const QString& label, const QString& s1, const QString& s2,
                        const QString& s3, const QString& s4);
    // Both texts and the difference's, empty when it is 0; no currency.
    void ZeileWert(const QString& label, const char* name);
    // Both texts, the difference and its remark; without a remark no difference either.
    void ZeileDiff(const QString& label, const char* name, bool vorzeichen);
    QStringList Zeilen() const { return m_zeilen; }

private:
    TVergleichsFaelle m_faelle;
    QStringList m_zeilen;
};

// The display text of a comparison's value, and the number of a difference.
QString VergleichAnzeige(const TDaten& daten, const char* name);
double VergleichZahl(const TDaten& daten, const char* name);
