#include "controls/form_tokenizer.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "procs/velmor_exception.h"
#include "values/property_table.h"

bool tform_token::is_name(std::string_view aname) const {
    return kind == tform_token_kind::name && same_text_nocase(text, aname);
}

void tform_tokenizer::fail(const tform_token& aat, const std::string& amessage) const {
    throw tvelmor_exception("%s:%d:%d: %s", ffilename, aat.line, aat.column, amessage);
}

void tform_tokenizer::advance() {
    if (peek() == '\n') {
        ++fline;
        fcolumn = 1;
    } else if ((static_cast<unsigned char>(peek()) & 0xC0) != 0x80) {
        ++fcolumn;  // columns count characters, not the continuation bytes of UTF-8
    }
    ++fpos;
}

// Blanks and // comments to the end of the line.
void tform_tokenizer::skip_blanks() {
    for (;;) {
        while (fpos < ftext.size() && std::isspace(static_cast<unsigned char>(peek()))) advance();
        if (peek() == '/' && peek(1) == '/') {
            while (fpos < ftext.size() && peek() != '\n') advance();
        } else {
            return;
        }
    }
}

tform_token tform_tokenizer::next() {
    skip_blanks();
    tform_token t;
    t.line = fline;
    t.column = fcolumn;
    if (fpos >= ftext.size()) return t;
    char c = peek();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
        t.kind = tform_token_kind::name;
        while (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '_' || peek() == '.') {
            t.text += peek();
            advance();
        }
        return t;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || (c == '-' && std::isdigit(static_cast<unsigned char>(peek(1)))))
        return read_number(t);
    if (c == '\'' || c == '#') return read_text(t);
    if (std::string_view(":=[](),<>").find(c) != std::string_view::npos) {
        t.kind = tform_token_kind::symbol;
        t.text = std::string(1, c);
        advance();
        return t;
    }
    if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) >= 127) {
        // A control byte (a NUL above all) or a stray byte of UTF-8 would garble the message.
        char code[16];
        std::snprintf(code, sizeof code, "<byte %02X>", static_cast<unsigned char>(c));
        fail(t, std::string("unexpected ") + code);
    }
    fail(t, std::string("unexpected character '") + c + "'");
}

tform_token tform_tokenizer::read_number(tform_token t) {
    std::string digits;
    if (peek() == '-') {
        digits += '-';
        advance();
    }
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
        digits += peek();
        advance();
    }
    if (peek() == '.' && std::isdigit(static_cast<unsigned char>(peek(1)))) {
        digits += '.';
        advance();
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            digits += peek();
            advance();
        }
        t.kind = tform_token_kind::decimal;
        t.text = digits;
        return t;
    }
    t.kind = tform_token_kind::integer;
    t.text = digits;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), t.integer);
    if (error != std::errc() || end != digits.data() + digits.size()) fail(t, "integer " + digits + " is too large");
    return t;
}

// 'quoted' parts ('' is a quote) and #nn character codes, written next to each other.
tform_token tform_tokenizer::read_text(tform_token t) {
    t.kind = tform_token_kind::text;
    while (peek() == '\'' || peek() == '#') {
        if (peek() == '#') {
            advance();
            int32_t code = 0;
            if (!std::isdigit(static_cast<unsigned char>(peek()))) fail(t, "character code expected after #");
            while (std::isdigit(static_cast<unsigned char>(peek()))) {
                code = code * 10 + (peek() - '0');
                if (code > 0xFFFF) fail(t, "character code too large");
                advance();
            }
            t.text += utf16_to_utf8(std::u16string(1, static_cast<char16_t>(code)));
            continue;
        }
        advance();
        for (;;) {
            if (fpos >= ftext.size() || peek() == '\n') fail(t, "text not closed on its line");
            if (peek() == '\'') {
                advance();
                if (peek() != '\'') break;
            }
            t.text += peek();
            advance();
        }
    }
    return t;
}
