#include "Gui/BetragRegeln.h"

#include "Lib/Betrag.h"

#include <algorithm>
#include <limits>

namespace {

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

bool HatZiffer(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), IstZiffer);
}

// The digits of `text` as one number; nothing beyond the 32-bit range.
std::optional<std::int64_t> Ziffernwert(std::string_view text)
{
    std::int64_t wert = 0;
    for (const char c : text) {
        if (!IstZiffer(c))
            continue;
        wert = wert * 10 + (c - '0');
        if (wert > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return wert;
}

} // namespace

bool TBetragRegeln::IstTrenner(char c)
{
    return c == kDezimalTrenner || c == kTausenderTrenner;
}

bool TBetragRegeln::Passt(const std::string& text) const
{
    // The sign does not count against the field's length.
    const int laenge = static_cast<int>(text.size()) - (!text.empty() && text[0] == '-' ? 1 : 0);
    return laenge <= maxLength;
}

std::string TBetragRegeln::LeerText() const
{
    return leerErlaubt ? std::string()
                       : BetragIntToStr(0, static_cast<unsigned char>(dezimalstellen));
}

std::optional<std::string> TBetragRegeln::BetragText(std::int64_t betrag, bool negativ) const
{
    if (betrag < 0) {
        betrag = -betrag;
        negativ = true;
    }
    if (betrag > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    // A '-' stays in front of zero, so that the sign can be typed before the digits.
    std::string text = negativ && minus ? "-" : "";
    text += BetragIntToStr(static_cast<std::int32_t>(betrag),
                           static_cast<unsigned char>(dezimalstellen));
    if (!Passt(text))
        return std::nullopt;
    return text;
}

std::optional<std::string> TBetragRegeln::Formatieren(std::string_view text) const
{
    if (!HatZiffer(text))
        return LeerText();
    const std::optional<std::int64_t> wert = Ziffernwert(text);
    if (!wert)
        return std::nullopt;
    const std::size_t erstes = text.find_first_not_of(' ');
    const bool negativ = erstes != std::string_view::npos && text[erstes] == '-';
    return BetragText(*wert, negativ);
}

std::optional<std::string> TBetragRegeln::AlsBetrag(std::string_view text) const
{
    const std::size_t trenner = text.find(kDezimalTrenner);
    return Formatieren(BetragZiffern(text,
                                     trenner == std::string_view::npos ? text.size() : trenner,
                                     static_cast<unsigned char>(dezimalstellen)));
}

TBetragAntwort TBetragRegeln::Uebernehmen(TBetragZustand& z, const std::string& neu,
                                          int abstand) const
{
    const std::optional<std::string> text = Formatieren(neu);
    if (!text)
        return TBetragAntwort::Unveraendert;
    z.text = *text;
    z.cursor =
        std::clamp(static_cast<int>(z.text.size()) - abstand, 0, static_cast<int>(z.text.size()));
    z.selStart = z.cursor;
    z.selLength = 0;
    return TBetragAntwort::Geaendert;
}

TBetragAntwort TBetragRegeln::Zeichen(TBetragZustand& z, char c, bool einfuegen) const
{
    const int laenge = static_cast<int>(z.text.size());
    if (c == '-') {
        if (!minus)
            return TBetragAntwort::Beep;
        const bool hatMinus = !z.text.empty() && z.text[0] == '-';
        const int cursor = z.cursor + (hatMinus ? -1 : 1);
        const std::optional<std::string> text =
            hatMinus ? Formatieren(z.text.substr(1)) : BetragText(*Ziffernwert(z.text), true);
        if (!text)
            return TBetragAntwort::Unveraendert;
        z.text = *text;
        z.cursor = std::clamp(cursor, 0, static_cast<int>(z.text.size()));
        z.selStart = z.cursor;
        z.selLength = 0;
        return TBetragAntwort::Geaendert;
    }
    if (c == 'R' || c == 'r')
        return TBetragAntwort::Rechner;
    if (c == kDezimalTrenner || c == kTausenderTrenner) {
        const std::string ziffern = BetragZiffern(z.text, static_cast<std::size_t>(z.cursor),
                                                  static_cast<unsigned char>(dezimalstellen));
        const TBetragAntwort antwort = Uebernehmen(z, ziffern, dezimalstellen);
        return antwort == TBetragAntwort::Geaendert ? antwort : TBetragAntwort::Beep;
    }
    if (!IstZiffer(c))
        return TBetragAntwort::Beep;

    if (!z.HatAuswahl() && z.cursor == 0 && !z.text.empty() && z.text[0] == '-')
        return TBetragAntwort::Beep;
    int von = z.cursor;
    int bis = z.cursor;
    if (z.HatAuswahl()) {
        von = z.selStart;
        bis = z.selStart + z.selLength;
    } else if (!einfuegen && von < laenge) {
        // Overwrite: the digit after the caret, stepping over a separator in between.
        if (IstTrenner(z.text[static_cast<std::size_t>(von)]) && von + 1 < laenge)
            ++von;
        bis = von + 1;
    }
    const int rest = laenge - (bis - von);
    const bool vorzeichen = !z.text.empty() && z.text[0] == '-';
    if (!(rest < maxLength || (rest == maxLength && vorzeichen)))
        return TBetragAntwort::Unveraendert;
    const std::string neu = z.text.substr(0, static_cast<std::size_t>(von)) + c +
                            z.text.substr(static_cast<std::size_t>(bis));
    const TBetragAntwort antwort = Uebernehmen(z, neu, laenge - bis);
    // The caret never stops in front of a separator: the next digit goes behind it.
    if (antwort == TBetragAntwort::Geaendert && z.cursor < static_cast<int>(z.text.size()) &&
        IstTrenner(z.text[static_cast<std::size_t>(z.cursor)])) {
        z.selStart = ++z.cursor;
    }
    return antwort;
}

TBetragAntwort TBetragRegeln::Backspace(TBetragZustand& z) const
{
    const int laenge = static_cast<int>(z.text.size());
    if (z.HatAuswahl()) {
        const int bis = z.selStart + z.selLength;
        return Uebernehmen(z,
                           z.text.substr(0, static_cast<std::size_t>(z.selStart)) +
                               z.text.substr(static_cast<std::size_t>(bis)),
                           laenge - bis);
    }
    if (z.cursor <= 0)
        return TBetragAntwort::Unveraendert;
    int weg = z.cursor - 1;
    if (IstTrenner(z.text[static_cast<std::size_t>(weg)]) && weg > 0)
        --weg;
    std::string neu = z.text;
    neu.erase(static_cast<std::size_t>(weg), 1);
    return Uebernehmen(z, neu, laenge - z.cursor);
}

TBetragAntwort TBetragRegeln::Entfernen(TBetragZustand& z) const
{
    const int laenge = static_cast<int>(z.text.size());
    if (z.HatAuswahl())
        return Backspace(z);
    if (z.cursor >= laenge)
        return TBetragAntwort::Unveraendert;
    int weg = z.cursor;
    if (IstTrenner(z.text[static_cast<std::size_t>(weg)]) && weg + 1 < laenge)
        ++weg;
    std::string neu = z.text;
    neu.erase(static_cast<std::size_t>(weg), 1);
    return Uebernehmen(z, neu, laenge - weg - 1);
}

TBetragAntwort TBetragRegeln::Leeren(TBetragZustand& z) const
{
    z.text = LeerText();
    z.cursor = z.selStart = static_cast<int>(z.text.size());
    z.selLength = 0;
    return TBetragAntwort::Geaendert;
}

TBetragAntwort TBetragRegeln::Ausschneiden(TBetragZustand& z) const
{
    if (!z.HatAuswahl())
        return TBetragAntwort::Unveraendert;
    return Backspace(z);
}

TBetragAntwort TBetragRegeln::Einfuegen(TBetragZustand& z, std::string_view clip) const
{
    if (!HatZiffer(clip))
        return TBetragAntwort::Beep;
    const int laenge = static_cast<int>(z.text.size());
    const int von = z.HatAuswahl() ? z.selStart : z.cursor;
    const int bis = z.HatAuswahl() ? z.selStart + z.selLength : z.cursor;
    const std::string vorne = z.text.substr(0, static_cast<std::size_t>(von));
    const std::string hinten = z.text.substr(static_cast<std::size_t>(bis));
    std::optional<std::string> text;
    if (clip.find(kDezimalTrenner) != std::string_view::npos) {
        // Only the pasted separator counts: the field's own one is dropped with the rest.
        const std::string neu = vorne + std::string(clip) + hinten;
        const std::size_t trenner = vorne.size() + clip.find(kDezimalTrenner);
        text = Formatieren(BetragZiffern(neu, trenner, static_cast<unsigned char>(dezimalstellen)));
    } else {
        text = Formatieren(vorne + std::string(clip) + hinten);
    }
    if (!text)
        return TBetragAntwort::Beep;
    z.text = *text;
    z.cursor = std::clamp(static_cast<int>(z.text.size()) - (laenge - bis), 0,
                          static_cast<int>(z.text.size()));
    z.selStart = z.cursor;
    z.selLength = 0;
    return TBetragAntwort::Geaendert;
}

int TBetragRegeln::Links(const TBetragZustand& z) const
{
    if (z.cursor <= 0)
        return 0;
    const int pos = z.cursor - 1;
    return pos > 0 && IstTrenner(z.text[static_cast<std::size_t>(pos)]) ? pos - 1 : pos;
}

int TBetragRegeln::Rechts(const TBetragZustand& z) const
{
    const int laenge = static_cast<int>(z.text.size());
    if (z.cursor >= laenge)
        return laenge;
    const int pos = z.cursor + 1;
    return pos < laenge && IstTrenner(z.text[static_cast<std::size_t>(pos)]) ? pos + 1 : pos;
}
