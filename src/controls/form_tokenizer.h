// Splits a page form into tokens (names, integers, decimals, quoted texts, punctuation), each with
// its line and column for messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class tform_token_kind : uint8_t { name, integer, decimal, text, symbol, end };

struct tform_token {
    tform_token_kind kind = tform_token_kind::end;
    std::string text;     // the name, the symbol, the decimal's digits or the text (UTF-8)
    int64_t integer = 0;  // integers
    int32_t line = 1;
    int32_t column = 1;

    bool is_symbol(char asymbol) const { return kind == tform_token_kind::symbol && text[0] == asymbol; }
    bool is_name(std::string_view aname) const;
};

class tform_tokenizer {
public:
    tform_tokenizer(std::string_view atext, const std::string& afilename) : ftext(atext), ffilename(afilename) {}
    tform_token next();
    // Raises "<file>:<line>:<column>: <message>".
    [[noreturn]] void fail(const tform_token& aat, const std::string& amessage) const;

private:
    void skip_blanks();
    tform_token read_number(tform_token atoken);
    tform_token read_text(tform_token atoken);
    char peek(size_t aoffset = 0) const { return fpos + aoffset < ftext.size() ? ftext[fpos + aoffset] : '\0'; }
    void advance();

    std::string_view ftext;
    const std::string& ffilename;
    size_t fpos = 0;
    int32_t fline = 1;
    int32_t fcolumn = 1;
};
