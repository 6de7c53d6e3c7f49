#include "xml/parser.h"

#include "procs/procs_string.h"
#include "xml/procs_parser.h"

namespace {

constexpr char16_t ch_tab = 9, ch_lf = 10, ch_cr = 13, ch_space = 32;

bool is_digit(char16_t c) { return c >= '0' && c <= '9'; }
bool is_letter(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool is_identifier_char(char16_t c) { return is_letter(c) || is_digit(c); }

}  // namespace

tparser_generic::tparser_generic(tstreamchar_generic* areader, bool as_unicode, bool aowns_reader)
    : freader(areader), fowns_reader(aowns_reader), fis_unicode(as_unicode) {
    if (as_unicode) fbuffer = std::make_unique<tbuffer_unicode>(*areader);
    else fbuffer = std::make_unique<tbuffer_ansi>(*areader);
}

tparser_generic::~tparser_generic() {
    fbuffer.reset();
    if (fowns_reader) delete freader;
}

bool tparser_generic::read_char(char16_t& achar) {
    const tposition before{flineno_working, fline_pos, fafter_cr};
    if (!fbuffer->get_read_char(achar)) return false;
    fpositions[fposition_count++ % kept_positions] = before;
    // A carriage return always starts a line; a line feed right after it belongs to the same
    // line break. Other line feeds start a line only where the tokenizer says so.
    flf_after_cr = achar == ch_lf && fafter_cr;
    if (achar == ch_cr) {
        ++flineno_working;
        fline_pos = 0;
    } else if (!flf_after_cr) {
        ++fline_pos;
    }
    fafter_cr = achar == ch_cr;
    return true;
}

void tparser_generic::count_line_feed() {
    if (flf_after_cr) return;
    ++flineno_working;
    fline_pos = 0;
}

// The token begins at the character just read: its position is the one before it, plus one.
void tparser_generic::mark_start() {
    fbuffer->mark_start();
    const tposition& before = position_before(1);
    flineno = before.lineno;
    fline_pos_read = before.line_pos + 1;
}

void tparser_generic::commit(size_t aexclude_count) {
    if (aexclude_count > 0 && aexclude_count <= fposition_count && aexclude_count <= kept_positions) {
        const tposition& p = position_before(aexclude_count);
        flineno_working = p.lineno;
        fline_pos = p.line_pos;
        fafter_cr = p.after_cr;
    }
    fposition_count = 0;
    fbuffer->commit(aexclude_count);
}

bool tparser_generic::finish(ttoken_type atype, size_t aexclude_count) {
    fbuffer->token_copy_excluding(aexclude_count);
    commit(aexclude_count);
    ftoken_type = atype;
    return true;
}

bool tparser_generic::can_read_token(int aowner_stateno) {
    ftoken_type = tt_none;
    flineno = flineno_working;
    return aowner_stateno == 0 ? read_content_token() : read_tag_token();
}

bool tparser_generic::read_content_token() {
    char16_t c = 0;
    if (!read_char(c)) return false;
    mark_start();
    if (c == ch_tab || c == ch_space || c == ch_cr) return read_text();
    // A bare line feed is a line break as well: files edited on this platform end lines so.
    if (c == ch_lf) {
        count_line_feed();
        return read_text();
    }
    if (c == '/') return read_slash();
    if (c == '<') return read_open_angle();
    fbuffer->token_copy_excluding(0);
    // A control character (a NUL above all) would cut or garble the message: it is named.
    const std::string name = tprocs_parser::get_control_char_name(c);
    if (!name.empty()) throw tvelmor_exception("unexpected %s in %s.can_read_token();", name, class_name());
    throw tvelmor_exception("unexpected \"%s\" in %s.can_read_token();", get_token_asansistring(), class_name());
}

// Text between tags. Blank text before a tag is dropped and the tag read at once.
bool tparser_generic::read_text() {
    bool nonblank = false;
    char16_t c = 0;
    while (read_char(c)) {
        if (c == ch_lf) count_line_feed();
        else if (c == '<') {
            if (nonblank) return finish(tt_text, 1);
            mark_start();
            return read_open_angle();
        } else if (c != ch_tab && c != ch_space && c != ch_cr) {
            nonblank = true;
        }
    }
    return false;
}

bool tparser_generic::read_slash() {
    char16_t c = 0;
    if (!read_char(c)) return false;
    if (c == '>') return finish(tt_tag_endterm, 0);
    return finish(tt_singlechar, 1);
}

bool tparser_generic::read_open_angle() {
    char16_t c = 0;
    if (!read_char(c)) return false;
    if (c == '/') return finish(tt_tag_term, 0);
    if (c != '!') return finish(tt_tag_start, 1);
    if (!read_char(c)) return false;
    if (c != '-') return finish(tt_tag_start, 2);
    if (!read_char(c)) return false;
    if (c != '-') return finish(tt_tag_start, 3);
    return read_comment_body();
}

bool tparser_generic::read_comment_body() {
    int hyphens = 0;
    char16_t c = 0;
    while (read_char(c)) {
        if (c == ch_lf) count_line_feed();
        if (hyphens == 2) {
            if (c == '>') return finish(tt_comment, 0);
            hyphens = 0;
        }
        if (c == '-') ++hyphens;
        else hyphens = 0;
    }
    throw tvelmor_exception("Unterminated XML Comment");
}

bool tparser_generic::read_tag_token() {
    char16_t c = 0;
    do {
        if (!read_char(c)) return false;
    } while (c == ch_tab || c == ch_space);
    mark_start();
    if (c == ch_cr) return read_newline();
    if (c == ch_lf) {
        count_line_feed();
        return finish(tt_newline, 0);
    }
    if (c == '"') return read_string();
    if (c == '/') return read_slash();
    if (c == '<') return read_open_angle();
    if (is_digit(c)) return read_while(is_digit, tt_integer);
    if (is_letter(c)) return read_while(is_identifier_char, tt_identifier);
    return finish(c == '>' ? tt_tag_end : tt_singlechar, 0);
}

bool tparser_generic::read_newline() {
    char16_t c = 0;
    if (!read_char(c)) return false;
    return finish(tt_newline, c == ch_lf ? 0 : 1);
}

bool tparser_generic::read_string() {
    char16_t c = 0;
    do {
        if (!read_char(c)) return false;
    } while (c != '"');
    fbuffer->token_copy_from(1);
    commit(0);
    ftoken_type = tt_string;
    return true;
}

bool tparser_generic::read_while(bool (*aaccept)(char16_t), ttoken_type atype) {
    char16_t c = 0;
    do {
        if (!read_char(c)) return false;
    } while (aaccept(c));
    return finish(atype, 1);
}
