// The look-ahead buffer of a parser: characters read from the stream and not yet given away, so
// that a token can end on a character that is read again by the next token.
#pragma once

#include <memory>
#include <string>

#include "xml/streamchar.h"

class tbuffer_generic : public tvelmor_object {
public:
    explicit tbuffer_generic(tstreamchar_generic& areader) : freader(areader) {}

    // Next character: from the buffer while characters are pending there, else from the stream.
    bool get_read_char(char16_t& achar);
    // The token is finished: keep only the last aexclude_count consumed characters for re-reading.
    void commit(size_t aexclude_count);
    // The current token starts at the last consumed character.
    void mark_start() { ftoken_start = fbuf_pos - 1; }
    void token_copy_excluding(size_t aexclude_count);
    void token_copy_from(size_t apos_from);
    bool token_equals(const std::string& avalue) const { return get_token_asansistring() == avalue; }
    int token_index_ansichar(const std::string& avalues) const;

    size_t consumed() const { return fbuf_pos; }
    size_t token_start() const { return ftoken_start; }
    const std::u16string& get_token_asunicodestring() const { return ftoken; }
    virtual std::string get_token_asansistring() const = 0;
    const char* class_name() const override { return "tbuffer_generic"; }

protected:
    virtual bool read_from_stream(char16_t& achar) = 0;

    tstreamchar_generic& freader;
    std::u16string fchars;  // characters held back, from the start of the current token on
    size_t fbuf_pos = 0;    // characters of fchars consumed by the current token
    size_t ftoken_start = 0;
    std::u16string ftoken;
};

// Holds bytes, one per character; the token as 8-bit text is those bytes.
class tbuffer_ansi : public tbuffer_generic {
public:
    using tbuffer_generic::tbuffer_generic;
    std::string get_token_asansistring() const override;
    const char* class_name() const override { return "tbuffer_ansi"; }

protected:
    bool read_from_stream(char16_t& achar) override;
};

// Holds UTF-16 code units; the token as 8-bit text is its UTF-8 form.
class tbuffer_unicode : public tbuffer_generic {
public:
    using tbuffer_generic::tbuffer_generic;
    std::string get_token_asansistring() const override { return utf16_to_utf8(ftoken); }
    const char* class_name() const override { return "tbuffer_unicode"; }

protected:
    bool read_from_stream(char16_t& achar) override { return freader.read_char_w(achar); }
};
