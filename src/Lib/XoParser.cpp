#include "Lib/XoParser.h"

#include "Lib/StrLib.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace {

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

bool IstBuchstabe(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IstNamenszeichen(char c)
{
    return IstBuchstabe(c) || IstZiffer(c);
}

bool IstHexZiffer(char c)
{
    return IstZiffer(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IstFloatZeichen(char c)
{
    return IstZiffer(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

} // namespace

TXoParser::TXoParser(std::string_view text) : m_text(text)
{
    NextToken();
}

char TXoParser::Peek(std::size_t ahead) const
{
    return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
}

void TXoParser::Error(const std::string& text) const
{
    throw EParserError(text + " in Zeile " + std::to_string(m_tokenLine));
}

int TXoParser::NextToken()
{
    // Blanks are everything from 1 to 32; a NUL byte ends the text like its real end.
    while (m_pos < m_text.size() && m_text[m_pos] != '\0' &&
           static_cast<unsigned char>(m_text[m_pos]) <= ' ') {
        if (m_text[m_pos] == '\n')
            ++m_line;
        ++m_pos;
    }
    m_tokenLine = m_line;
    m_tokenText.clear();
    const char c = Peek();
    if (c == '\0') {
        m_token = toEOF;
    } else if (IstBuchstabe(c)) {
        const std::size_t start = m_pos;
        while (IstNamenszeichen(Peek()))
            ++m_pos;
        m_tokenText = m_text.substr(start, m_pos - start);
        m_token = toSymbol;
    } else if (c == '\'' || (c == '#' && IstZiffer(Peek(1)))) {
        ReadString();
    } else if (IstZiffer(c) || (c == '-' && IstZiffer(Peek(1)))) {
        ReadNumber();
    } else if (c == '$' && IstHexZiffer(Peek(1))) {
        const std::size_t start = m_pos;
        ++m_pos;
        while (IstHexZiffer(Peek()))
            ++m_pos;
        m_tokenText = m_text.substr(start, m_pos - start);
        m_token = toInteger;
    } else if (c == '[' && ReadTag()) {
        // ReadTag has set the token.
    } else {
        m_tokenText = std::string(1, c);
        m_token = static_cast<unsigned char>(c);
        ++m_pos;
    }
    return m_token;
}

void TXoParser::ReadString()
{
    m_token = toString;
    for (;;) {
        if (Peek() == '\'') {
            ++m_pos;
            for (;;) {
                const char ch = Peek();
                if (ch == '\0' || ch == '\n' || ch == '\r')
                    Error("Ungültige Stringkonstante");
                ++m_pos;
                if (ch == '\'') {
                    if (Peek() != '\'')
                        break;
                    ++m_pos;
                }
                m_tokenText += ch;
            }
        } else if (Peek() == '#' && IstZiffer(Peek(1))) {
            ++m_pos;
            std::uint32_t code = 0;
            while (IstZiffer(Peek())) {
                code = code * 10 + static_cast<std::uint32_t>(Peek() - '0');
                if (code > 0x10FFFF)
                    Error("Ungültige Stringkonstante");
                ++m_pos;
            }
            if (code >= 0xD800 && code <= 0xDFFF)
                Error("Ungültige Stringkonstante");
            AppendUtf8(m_tokenText, code);
        } else {
            return;
        }
    }
}

void TXoParser::ReadNumber()
{
    const std::size_t start = m_pos;
    ++m_pos; // a digit or the '-' before one
    while (IstZiffer(Peek()))
        ++m_pos;
    m_token = toInteger;
    if (IstFloatZeichen(Peek())) {
        while (IstFloatZeichen(Peek()))
            ++m_pos;
        m_token = toFloat;
    }
    m_tokenText = m_text.substr(start, m_pos - start);
}

bool TXoParser::ReadTag()
{
    std::size_t p = m_pos + 1;
    const bool schliessend = p < m_text.size() && m_text[p] == '/';
    if (schliessend)
        ++p;
    const std::size_t nameStart = p;
    while (p < m_text.size() && IstNamenszeichen(m_text[p]))
        ++p;
    if (p == nameStart || p >= m_text.size() || m_text[p] != ']')
        return false;
    m_tokenText = m_text.substr(nameStart, p - nameStart);
    m_token = schliessend ? toCloseTag : toOpenTag;
    m_pos = p + 1;
    return true;
}

std::int64_t TXoParser::TokenInt() const
{
    if (m_token != toInteger)
        Error("Ganze Zahl erwartet");
    std::string_view t = m_tokenText;
    int basis = 10;
    if (!t.empty() && t.front() == '$') {
        t.remove_prefix(1);
        basis = 16;
    }
    std::int64_t n = 0;
    const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), n, basis);
    if (ec != std::errc() || ende != t.data() + t.size())
        Error("Ungültige Zahl '" + m_tokenText + "'");
    return n;
}

double TXoParser::TokenFloat() const
{
    if (m_token == toInteger && !m_tokenText.empty() && m_tokenText.front() == '$')
        return static_cast<double>(TokenInt());
    if (m_token != toInteger && m_token != toFloat)
        Error("Zahl erwartet");
    const std::string_view t = m_tokenText;
    double x = 0;
    const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
    if (ec != std::errc() || ende != t.data() + t.size())
        Error("Ungültige Zahl '" + m_tokenText + "'");
    return x;
}
