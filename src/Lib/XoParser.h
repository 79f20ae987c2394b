#pragma once
// The tokenizer from which values read themselves (token streams of settings and commands).
//
//   TXoParser p("[Brutto] 3000.50 [/Brutto] 'It'#39's' Name $1F");
//   p.Token() == toOpenTag, p.TokenString() == "Brutto"; p.NextToken() == toFloat ...
//
// The constructor reads the first token; NextToken() moves on and returns the kind of the new
// one. A kind that is none of the named ones is the character itself (as unsigned char), so
// '(' or '[' without a closing ']' come back as their own code. Numbers use '.' as the decimal
// point whatever the locale. Bad input raises EParserError, never anything else.
#include "Lib/Exception.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum TTokenKind : int {
    toEOF = 0,
    toSymbol = 1,   // letter or '_', then letters, digits, '_'
    toString = 2,   // 'quoted' parts (a doubled quote is one quote) and #code, in any sequence
    toInteger = 3,  // decimal digits with an optional leading '-', or '$' and hex digits
    toFloat = 4,    // digits followed by any of ".eE+-" and further digits
    toOpenTag = 5,  // [Name]
    toCloseTag = 6, // [/Name]
};

class EParserError : public Exception {
public:
    using Exception::Exception;
};

class TXoParser {
public:
    explicit TXoParser(std::string_view text);

    int NextToken();
    int Token() const { return m_token; }
    // Strings with quotes and codes resolved; the name of a tag; the text of anything else.
    const std::string& TokenString() const { return m_tokenText; }
    // The integer of an integer token; raises on any other token or on overflow.
    std::int64_t TokenInt() const;
    // The number of an integer or float token, read with '.' as the decimal point.
    double TokenFloat() const;

private:
    [[noreturn]] void Error(const std::string& text) const;
    char Peek(std::size_t ahead = 0) const;
    void ReadString();
    void ReadNumber();
    bool ReadTag();

    std::string m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_tokenLine = 1;
    int m_token = toEOF;
    std::string m_tokenText;
};
