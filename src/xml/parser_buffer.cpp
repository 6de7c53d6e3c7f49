#include "xml/parser_buffer.h"

bool tbuffer_generic::get_read_char(char16_t& achar) {
    if (fbuf_pos < fchars.size()) {
        achar = fchars[fbuf_pos++];
        return true;
    }
    if (!read_from_stream(achar)) return false;
    fchars.push_back(achar);
    ++fbuf_pos;
    return true;
}

void tbuffer_generic::commit(size_t aexclude_count) {
    const size_t keep = aexclude_count < fbuf_pos ? aexclude_count : fbuf_pos;
    fchars.erase(0, fbuf_pos - keep);
    fbuf_pos = 0;
    ftoken_start = 0;
}

void tbuffer_generic::token_copy_excluding(size_t aexclude_count) {
    const size_t end = fbuf_pos > aexclude_count ? fbuf_pos - aexclude_count : 0;
    ftoken = end > ftoken_start ? fchars.substr(ftoken_start, end - ftoken_start) : std::u16string();
}

void tbuffer_generic::token_copy_from(size_t apos_from) {
    const size_t from = ftoken_start + apos_from;
    const size_t end = fbuf_pos > 0 ? fbuf_pos - 1 : 0;
    ftoken = end > from ? fchars.substr(from, end - from) : std::u16string();
}

int tbuffer_generic::token_index_ansichar(const std::string& avalues) const {
    if (ftoken.size() != 1) return -1;
    for (size_t i = 0; i < avalues.size(); ++i)
        if (static_cast<unsigned char>(avalues[i]) == ftoken[0]) return static_cast<int>(i);
    return -1;
}

std::string tbuffer_ansi::get_token_asansistring() const {
    std::string result;
    result.reserve(ftoken.size());
    for (char16_t c : ftoken) result.push_back(static_cast<char>(c));
    return result;
}

bool tbuffer_ansi::read_from_stream(char16_t& achar) {
    char c = 0;
    if (!freader.read_char_a(c)) return false;
    achar = static_cast<unsigned char>(c);
    return true;
}
