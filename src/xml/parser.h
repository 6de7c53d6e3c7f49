// The tokenizer: turns the characters of a stream into tokens, either between tags (content
// mode) or inside a tag (tag mode), and keeps the line and column of every token for messages.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "xml/parser_buffer.h"

enum ttoken_type {
    tt_none, tt_singlechar, tt_identifier, tt_integer, tt_string, tt_newline, tt_tag_start, tt_tag_end,
    tt_tag_endterm, tt_tag_term, tt_hexliteral, tt_float, tt_text, tt_delimiter, tt_comment,
    tt_comment_open, tt_integer_unsigned, tt_identifier_quoted, tt_value, tt_percentage
};

class tparser_generic : public tvelmor_object {
public:
    tparser_generic(tstreamchar_generic* areader, bool as_unicode, bool aowns_reader);
    ~tparser_generic() override;
    tparser_generic(const tparser_generic&) = delete;
    tparser_generic& operator=(const tparser_generic&) = delete;

    // Reads the next token; false when the stream ends before a token is complete. State 0 reads
    // between tags, any other state inside a tag.
    bool can_read_token(int aowner_stateno);

    std::string get_token_asansistring() const { return fbuffer->get_token_asansistring(); }
    const std::u16string& get_token_asunicodestring() const { return fbuffer->get_token_asunicodestring(); }
    const char* class_name() const override { return "tparser_generic"; }

    tstreamchar_generic* freader;
    bool fowns_reader;
    bool fis_unicode;
    std::unique_ptr<tbuffer_generic> fbuffer;
    ttoken_type ftoken_type = tt_none;
    int32_t flineno = 1;          // line of the current token
    int32_t flineno_working = 1;  // line of the reading position
    int32_t fline_pos = 0;        // column of the reading position
    int32_t fline_pos_read = 0;   // column at which the current token began
    int32_t ftoken_param1_int = 0;
    bool ftoken_param1_boolean = false;

private:
    // Reading position before a consumed character, so that characters read again by the next
    // token are not counted twice.
    struct tposition {
        int32_t lineno;
        int32_t line_pos;
        bool after_cr;
    };

    bool read_char(char16_t& achar);
    void mark_start();
    void count_line_feed();
    bool finish(ttoken_type atype, size_t aexclude_count);
    void commit(size_t aexclude_count);

    bool read_content_token();
    bool read_tag_token();
    bool read_text();
    bool read_slash();
    bool read_open_angle();
    bool read_comment_body();
    bool read_string();
    bool read_while(bool (*aaccept)(char16_t), ttoken_type atype);
    bool read_newline();

    // The positions before the last few consumed characters of the current token: a token gives
    // back at most three characters, so memory stays the same however long the token is.
    static constexpr size_t kept_positions = 4;
    const tposition& position_before(size_t aback) const {
        return fpositions[(fposition_count - aback) % kept_positions];
    }
    std::array<tposition, kept_positions> fpositions{};
    size_t fposition_count = 0;         // characters consumed by the current token
    bool fafter_cr = false;             // the last character read was a carriage return
    bool flf_after_cr = false;          // the last character read was a line feed right after one
};
