#include "Gui/Rechenwerk.h"

#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxZiffern = 11;
constexpr std::size_t kZeilenBreite = 14;

double Zehnerpotenz(int stellen)
{
    double p = 1.0;
    for (int i = 0; i < stellen; ++i)
        p *= 10.0;
    return p;
}

} // namespace

int TRechenwerk::FliessStellen(double wert)
{
    const std::string text = FloatToBetragStr(12, std::fabs(wert));
    const std::size_t trenner = text.find(kDezimalTrenner);
    const std::size_t letzte = text.find_last_not_of('0');
    if (trenner == std::string::npos || letzte <= trenner)
        return 0;
    return static_cast<int>(letzte - trenner);
}

TRechnerZeile TRechenwerk::Zeile(double wert, int stellen, const std::string& zeichen)
{
    const bool rot = (wert < 0 && zeichen != "--") || zeichen == " -";
    const std::string marker = rot ? "-" : " ";
    std::string text = FloatToBetragStr(static_cast<unsigned char>(stellen), std::fabs(wert));
    // A few places too many are cut off; a whole part too long for the paper is an error line.
    if (text.size() > kZeilenBreite && text.size() - static_cast<std::size_t>(stellen) <= 15)
        text.resize(kZeilenBreite);
    if (text.size() <= kZeilenBreite)
        return {marker + text + zeichen + " ", rot};
    const std::string art = zeichen == "+%" || zeichen == "-%" ? zeichen
                            : zeichen.ends_with("*")           ? std::string(" *")
                                                               : std::string("  ");
    return {marker + "FEHLER " + art, rot};
}

void TRechenwerk::SetAddierModus()
{
    m_r.k = 2;
    m_r.addieren = true;
    m_r.fliessend = false;
}

void TRechenwerk::SetStellen(int stellen)
{
    m_r.k = std::clamp(stellen, 0, 6);
    m_r.addieren = false;
    m_r.fliessend = false;
}

void TRechenwerk::SetFliessModus()
{
    m_r.k = 12;
    m_r.addieren = false;
    m_r.fliessend = true;
}

void TRechenwerk::Start(bool mitZiel, double zielWert, int zielStellen)
{
    m_warteschlange.clear();
    m_r = TRegister{};
    m_r.e = mitZiel ? zielWert : 0.0;
    m_r.aktiv = !mitZiel;
    m_r.d = mitZiel ? std::max(zielStellen, 2) : 0;
    SetAddierModus();
    TSchritt schritt;
    schritt.zeilen.push_back(Zeile(m_r.s, m_r.d, " C"));
    int stellen = m_r.d;
    if (!PasstInAnzeige(m_r, m_r.e, stellen)) {
        m_r.e = 0.0;
        stellen = m_r.d;
    }
    Zeige(schritt, m_r.e, stellen);
    m_anzeige = schritt.anzeige;
    m_anzeigeStellen = schritt.anzeigeStellen;
    if (zeileHinzufuegen)
        zeileHinzufuegen(schritt.zeilen.front());
    if (anzeigen)
        anzeigen(m_anzeige, m_anzeigeStellen);
}

void TRechenwerk::Taste(int taste)
{
    m_warteschlange.push_back(taste);
    // Adding a tape line lets the window process events, and so further keys: they wait here.
    if (m_beschaeftigt)
        return;
    m_beschaeftigt = true;
    while (!m_warteschlange.empty()) {
        const int naechste = m_warteschlange.front();
        m_warteschlange.pop_front();
        Verarbeiten(naechste);
    }
    m_beschaeftigt = false;
}

void TRechenwerk::Uebernehmen(double wert, int stellen)
{
    TRegister r = m_r;
    r.e = wert;
    r.d = stellen;
    r.aktiv = false;
    r.n = 0;
    if (r.p == 3)
        r.p = 0;
    int anzeigeStellen = stellen;
    if (!PasstInAnzeige(r, wert, anzeigeStellen)) {
        if (fehler)
            fehler("Betrag zu groß");
        return;
    }
    m_r = r;
    m_anzeige = wert;
    m_anzeigeStellen = anzeigeStellen;
    if (anzeigen)
        anzeigen(m_anzeige, m_anzeigeStellen);
}

void TRechenwerk::Zeige(TSchritt& schritt, double wert, int stellen)
{
    schritt.anzeigen = true;
    schritt.anzeige = wert;
    schritt.anzeigeStellen = stellen;
}

bool TRechenwerk::PasstInAnzeige(const TRegister& r, double wert, int& stellen) const
{
    if (!std::isfinite(wert))
        return false;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    const auto passt = [&](int s) {
        return std::floor(std::fabs(wert) * Zehnerpotenz(s) + 0.5) <= kMax;
    };
    while (!passt(stellen) && r.fliessend && stellen > 0)
        --stellen;
    return passt(stellen);
}

void TRechenwerk::Verarbeiten(int taste)
{
    TRegister r = m_r;
    TSchritt schritt;
    Ausfuehren(r, schritt, taste);
    if (schritt.zuViele) {
        if (zuVieleZiffern)
            zuVieleZiffern();
        return;
    }
    int stellen = schritt.anzeigeStellen;
    if (schritt.anzeigen && !PasstInAnzeige(r, schritt.anzeige, stellen)) {
        // Refused, not shown as 0: the registers keep what they had before the key.
        if (taste >= '0' && taste <= '9') {
            if (zuVieleZiffern)
                zuVieleZiffern();
        } else if (fehler) {
            fehler("Betrag zu groß");
        }
        return;
    }
    m_r = r;
    for (const TRechnerZeile& zeile : schritt.zeilen) {
        if (zeileHinzufuegen)
            zeileHinzufuegen(zeile);
    }
    if (schritt.anzeigen) {
        m_anzeige = schritt.anzeige;
        m_anzeigeStellen = stellen;
        if (anzeigen)
            anzeigen(m_anzeige, m_anzeigeStellen);
    }
}

void TRechenwerk::AufStellen(const TRegister& r, double& wert, int& stellen) const
{
    if (r.fliessend) {
        stellen = FliessStellen(wert);
        return;
    }
    const double p = Zehnerpotenz(r.k);
    wert = ::Runden(wert * p) / p;
    stellen = r.k;
}

void TRechenwerk::Ausfuehren(TRegister& r, TSchritt& schritt, int taste) const
{
    if (taste == kTasteEntf || taste == 'C' || taste == 'c') {
        if (r.aktiv) {
            r.e = 0;
            r.komma = false;
            r.d = 0;
            r.f = 1.0;
            r.n = 0;
            Zeige(schritt, r.e, r.d);
        }
    } else if (taste == kTasteEinfg) {
        if (r.aktiv) {
            r.e = -r.e;
            Zeige(schritt, r.e, r.d);
        }
    } else if (taste == ',' || taste == '.') {
        r.komma = true;
        if (!r.aktiv) {
            r.e = 0;
            r.d = 0;
            r.f = 1.0;
            r.aktiv = true;
        }
    } else if (taste >= '0' && taste <= '9') {
        if (r.n >= kMaxZiffern) {
            schritt.zuViele = true;
            return;
        }
        if (!r.aktiv) {
            r.e = 0;
            r.komma = false;
            r.d = 0;
            r.f = 1.0;
            if (r.p == 3)
                r.p = 0;
            r.aktiv = true;
        }
        if (r.komma) {
            ++r.d;
            r.f *= 0.1;
        } else {
            r.e *= 10;
        }
        // A digit after the sign was changed extends the negative number.
        const double ziffer = (taste - '0') * r.f;
        r.e += r.e < 0 ? -ziffer : ziffer;
        ++r.n;
        Zeige(schritt, r.e, r.d);
    } else if (taste == kTasteEnter || taste == '%' || taste == '*' || taste == '+' ||
               taste == '-' || taste == '/' || taste == 'p') {
        Operator(r, schritt, static_cast<char>(taste));
    }
    if (!r.aktiv)
        r.n = 0;
}

double TRechenwerk::Ergebnis(TRegister& r, TSchritt& schritt) const
{
    schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + "="));
    double wert = r.e;
    if (r.p == 1)
        wert = r.x * r.e;
    else if (r.p == 2)
        wert = r.e != 0 ? r.x / r.e : 0.0;
    int stellen = r.d;
    AufStellen(r, wert, stellen);
    r.x = 0;
    r.p = 0;
    r.e = wert;
    r.d = stellen;
    return wert;
}

void TRechenwerk::Operator(TRegister& r, TSchritt& schritt, char c) const
{
    if (r.addieren && r.aktiv) {
        if (!r.komma && (c == '+' || c == '-') && r.p == 0)
            r.e *= 0.01;
        r.d = std::max(r.d, 2);
    }
    if (c == kTasteEnter && r.p > 0)
        c = '=';

    if (c == '+' || c == '-') {
        const bool plus = c == '+';
        if (r.p == 3) {
            r.e = plus ? r.b + r.e : r.b - r.e;
            r.p = 0;
            schritt.zeilen.push_back(Zeile(r.e, r.d, plus ? "+%" : "-%"));
            Zeige(schritt, r.e, r.d);
        } else {
            if (r.p > 0)
                Ergebnis(r, schritt);
            schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + c));
            r.s = plus ? r.s + r.e : r.s - r.e;
            r.ds = std::max(r.ds, r.d);
            Zeige(schritt, r.s, r.ds);
        }
    } else if (c == '=') {
        Ergebnis(r, schritt);
        schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + "*"));
        Zeige(schritt, r.e, r.d);
    } else if (c == kTasteEnter) {
        double summe = r.s;
        int stellen = r.ds;
        AufStellen(r, summe, stellen);
        r.e = summe;
        r.d = stellen;
        r.s = 0;
        r.ds = 0;
        schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + "*"));
        Zeige(schritt, r.e, r.d);
    } else if (c == '*' || c == '/') {
        schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + (c == '*' ? "x" : "÷")));
        double x = r.e;
        if (r.p == 1)
            x = r.x * r.e;
        else if (r.p == 2)
            x = r.e != 0 ? r.x / r.e : 0.0;
        int stellen = r.d;
        if (r.p == 1 || r.p == 2)
            AufStellen(r, x, stellen);
        r.x = x;
        r.p = c == '*' ? 1 : 2;
        Zeige(schritt, x, stellen);
    } else if (c == '%' || c == 'p') {
        if (r.p != 1 && r.p != 2)
            return;
        schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + "%"));
        double wert = r.p == 1 ? r.x * r.e * 0.01 : (r.e != 0 ? r.x * 100 / r.e : 0.0);
        int stellen = r.d;
        AufStellen(r, wert, stellen);
        r.e = wert;
        r.d = stellen;
        r.b = r.x;
        r.x = 0;
        r.p = 3;
        schritt.zeilen.push_back(Zeile(r.e, r.d, Vorzeichen(r.e) + "*"));
        Zeige(schritt, r.e, r.d);
    }
    r.aktiv = false;
}
