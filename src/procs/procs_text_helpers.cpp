#include "procs/procs_text_helpers.h"

#include <algorithm>

#include "procs/procs_text_common.h"

namespace {

template <typename CharT>
CharT ascii_upper(CharT ach) {
    return ach >= CharT('a') && ach <= CharT('z') ? CharT(ach - ('a' - 'A')) : ach;
}

template <typename CharT>
bool is_blank(CharT ach) { return ach == CharT(' ') || ach == CharT('\t'); }

template <typename CharT>
bool is_letter_or_underscore(CharT ach) {
    return (ach >= CharT('a') && ach <= CharT('z')) || (ach >= CharT('A') && ach <= CharT('Z')) || ach == CharT('_');
}

template <typename CharT>
int hex_digit_value(CharT ach) {
    if (ach >= CharT('0') && ach <= CharT('9')) return ach - CharT('0');
    if (ach >= CharT('a') && ach <= CharT('f')) return ach - CharT('a') + 10;
    if (ach >= CharT('A') && ach <= CharT('F')) return ach - CharT('A') + 10;
    return -1;
}

template <typename CharT>
bool same_text(std::basic_string_view<CharT> a, std::basic_string_view<CharT> b, bool acase_insensitive) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (acase_insensitive ? ascii_upper(a[i]) != ascii_upper(b[i]) : a[i] != b[i]) return false;
    }
    return true;
}

// The line break (LF, CR or CR LF) that ends at position aend (exclusive), or 0 when none does.
template <typename CharT>
size_t line_break_before(std::basic_string_view<CharT> atext, size_t aend) {
    if (aend == 0) return 0;
    if (atext[aend - 1] == CharT('\n')) return aend >= 2 && atext[aend - 2] == CharT('\r') ? 2 : 1;
    return atext[aend - 1] == CharT('\r') ? 1 : 0;
}

template <typename CharT>
size_t line_break_at(std::basic_string_view<CharT> atext, size_t apos) {
    if (apos >= atext.size()) return 0;
    if (atext[apos] == CharT('\r')) return apos + 1 < atext.size() && atext[apos + 1] == CharT('\n') ? 2 : 1;
    return atext[apos] == CharT('\n') ? 1 : 0;
}

// Hands a token read by can_read_delimited out with the next position and the result.
template <typename CharT>
int32_t delivered(std::basic_string<CharT>& atoken, std::basic_string_view<CharT> apiece, int32_t& apos,
                  size_t anext, int32_t aresult) {
    atoken.assign(apiece);
    apos = static_cast<int32_t>(anext);
    return aresult;
}

}  // namespace

template <typename CharT>
auto tprocs_text_helpers<CharT>::select_string(const std::vector<tstr>& aarray, int32_t aindex) -> tstr {
    return select_string(aarray, aindex, tview());
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::select_string(const std::vector<tstr>& aarray, int32_t aindex, tview adefault) -> tstr {
    if (aindex < 0 || static_cast<size_t>(aindex) >= aarray.size()) return tstr(adefault);
    return aarray[static_cast<size_t>(aindex)];
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::if_then(bool acondition, tview athen, tview aelse) -> tstr {
    return tstr(acondition ? athen : aelse);
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::capitalize(tview atext, int32_t acapitalizeno) -> tstr {
    tstr text(atext);
    if (acapitalizeno == 1 && !text.empty() && text[0] >= CharT('a') && text[0] <= CharT('z')) text[0] = ascii_upper(text[0]);
    return text;
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::is_identifier(tview atext) {
    if (atext.empty() || !is_letter_or_underscore(atext[0])) return false;
    return std::all_of(atext.begin(), atext.end(), [](CharT c) { return is_letter_or_underscore(c) || is_digit_char(c); });
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::can_value_hex(uint32_t& aresult, tview atext) {
    if (atext.size() > 8) return false;
    uint32_t value = 0;
    for (CharT c : atext) {
        int d = hex_digit_value(c);
        if (d < 0) return false;
        value = value << 4 | static_cast<uint32_t>(d);
    }
    aresult = value;
    return true;
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::string_of_char(CharT ach, int32_t alen) -> tstr {
    return alen > 0 ? tstr(static_cast<size_t>(alen), ach) : tstr();
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::replace_text(tview atext, tview afrom, tview ato) -> tstr {
    if (afrom.empty()) return tstr(atext);
    tstr out;
    size_t start = 0;
    for (size_t hit; (hit = atext.find(afrom, start)) != tview::npos; start = hit + afrom.size()) {
        out.append(atext.substr(start, hit - start)).append(ato);
    }
    return out.append(atext.substr(start));
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::escape_as_c_string(tview atext) -> tstr {
    const CharT from[] = {CharT('\\'), CharT('n')};
    const CharT to[] = {CharT('\r'), CharT('\n')};
    return replace_text(atext, tview(from, 2), tview(to, 2));
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::contains_char(tview atext, CharT ach) {
    return atext.find(ach) != tview::npos;
}

template <typename CharT>
int32_t tprocs_text_helpers<CharT>::count_char(tview atext, CharT ach) {
    return static_cast<int32_t>(std::count(atext.begin(), atext.end(), ach));
}

template <typename CharT>
int32_t tprocs_text_helpers<CharT>::can_read_delimited(tstr& atoken, tview atext, int32_t& apos,
                                                       CharT adelimiter) {
    if (apos < 1 || static_cast<size_t>(apos) > atext.size()) return rd_none;
    size_t start = static_cast<size_t>(apos) - 1;
    size_t hit = atext.find(adelimiter, start);
    if (hit == tview::npos) return delivered(atoken, atext.substr(start), apos, atext.size() + 1, rd_last);
    return delivered(atoken, atext.substr(start, hit - start), apos, hit + 2, rd_delimited);
}

template <typename CharT>
int32_t tprocs_text_helpers<CharT>::can_read_delimited_reverse(tstr& atoken, tview atext, int32_t& apos,
                                                               CharT adelimiter) {
    if (apos < 1 || static_cast<size_t>(apos) > atext.size()) return rd_none;
    size_t last = static_cast<size_t>(apos) - 1;
    size_t hit = atext.rfind(adelimiter, last);
    if (hit == tview::npos) return delivered(atoken, atext.substr(0, last + 1), apos, 0, rd_last);
    return delivered(atoken, atext.substr(hit + 1, last - hit), apos, hit, rd_delimited);
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::set_allocated_value(CharT* abuffer, size_t acapacity, tview atext) {
    if (abuffer == nullptr || acapacity == 0) return atext.empty();
    size_t n = std::min(atext.size(), acapacity - 1);
    std::copy_n(atext.begin(), n, abuffer);
    abuffer[n] = CharT(0);
    return n == atext.size();
}

template <typename CharT>
void tprocs_text_helpers<CharT>::set_allocated_field(tstr& afield, tview atext) {
    afield.assign(atext);
}

template <typename CharT>
void tprocs_text_helpers<CharT>::str_append_hex(tstr& abuffer, size_t& apos, uint32_t avalue, int32_t adigits) {
    static constexpr char digits[] = "0123456789abcdef";
    if (adigits <= 0) return;
    size_t count = static_cast<size_t>(adigits);
    if (abuffer.size() < apos + count) abuffer.resize(apos + count, CharT(' '));
    for (size_t i = count; i-- > 0; avalue >>= 4) abuffer[apos + i] = CharT(digits[avalue & 15]);
    apos += count;
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::get_escaped_value(tview atext, tstring_operations101 aoptions) -> tstr {
    tstr out;
    for (CharT c : atext) {
        auto code = static_cast<uint32_t>(static_cast<std::make_unsigned_t<CharT>>(c));
        bool control = code < 0x20 || code == 0x7f || (sizeof(CharT) > 1 && code >= 0x80 && code < 0xa0);
        if (control || (c == CharT(' ') && aoptions.contains(sp_include_spaces))) {
            out += CharT('\\');
            out += CharT('u');
            size_t pos = out.size();
            str_append_hex(out, pos, code, 4);
        } else {
            out += c;
        }
    }
    return out;
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::is_whitespace(tview atext) {
    return std::all_of(atext.begin(), atext.end(), [](CharT c) { return is_blank(c); });
}

template <typename CharT>
tcompare_result tprocs_text_helpers<CharT>::compare_l(const CharT* alhs, size_t alhs_len, const CharT* arhs,
                                                      size_t arhs_len, bool as_case_insensitive) {
    if (alhs == nullptr || arhs == nullptr) {
        if (alhs == arhs) return cr_equals;
        return alhs == nullptr ? cr_lessthan : cr_greaterthan;
    }
    size_t n = std::min(alhs_len, arhs_len);
    for (size_t i = 0; i < n; ++i) {
        CharT a = as_case_insensitive ? ascii_upper(alhs[i]) : alhs[i];
        CharT b = as_case_insensitive ? ascii_upper(arhs[i]) : arhs[i];
        if (a != b) return a < b ? cr_lessthan : cr_greaterthan;
    }
    if (alhs_len == arhs_len) return cr_equals;
    return alhs_len < arhs_len ? cr_lessthan : cr_greaterthan;
}

template <typename CharT>
tcompare_result tprocs_text_helpers<CharT>::compare(const tstr* alhs, const tstr* arhs, bool as_case_insensitive) {
    return compare_l(alhs ? alhs->data() : nullptr, alhs ? alhs->size() : 0, arhs ? arhs->data() : nullptr,
                     arhs ? arhs->size() : 0, as_case_insensitive);
}

template <typename CharT>
tcompare_result tprocs_text_helpers<CharT>::compare(tview alhs, tview arhs, bool as_case_insensitive) {
    // A view is never missing, even when empty.
    static constexpr CharT empty[1] = {CharT(0)};
    return compare_l(alhs.empty() ? empty : alhs.data(), alhs.size(), arhs.empty() ? empty : arhs.data(),
                     arhs.size(), as_case_insensitive);
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::include_trailing(tview apath, tview avalue) -> tstr {
    tstr path(apath);
    if (path.size() < avalue.size() || tview(path).substr(path.size() - avalue.size()) != avalue) path.append(avalue);
    return path;
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::is_starts_with(tview aline, tview aprefix, tstring_options101 aoptions) {
    if (aoptions.contains(so_skip_whitespace)) {
        while (!aline.empty() && is_blank(aline.front())) aline.remove_prefix(1);
    }
    if (aline.size() < aprefix.size()) return false;
    return same_text(aline.substr(0, aprefix.size()), aprefix, aoptions.contains(so_case_insensitive));
}

template <typename CharT>
void tprocs_text_helpers<CharT>::replace_char(tstr& atext, CharT afrom, CharT ato) {
    std::replace(atext.begin(), atext.end(), afrom, ato);
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::replace_char2(tview atext, CharT afrom, CharT ato) -> tstr {
    tstr text(atext);
    replace_char(text, afrom, ato);
    return text;
}

template <typename CharT>
int32_t tprocs_text_helpers<CharT>::index_ansichar(tview ach, tview aset) {
    if (ach.empty()) return -1;
    size_t pos = aset.find(ach[0]);
    return pos == tview::npos ? -1 : static_cast<int32_t>(pos);
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::trim_space_to_newline(tview atext, tstring_operations101 aoptions) -> tstr {
    bool left = !aoptions.contains(sp_rhs_only);
    bool right = !aoptions.contains(sp_lhs_only);
    if (left) {
        size_t blanks = 0;
        while (blanks < atext.size() && is_blank(atext[blanks])) ++blanks;
        if (size_t brk = line_break_at(atext, blanks)) atext.remove_prefix(blanks + brk);
    }
    if (right) {
        size_t end = atext.size();
        while (end > 0 && is_blank(atext[end - 1])) --end;
        if (size_t brk = line_break_before(atext, end)) atext = atext.substr(0, end - brk);
    }
    return tstr(atext);
}

template <typename CharT>
auto tprocs_text_helpers<CharT>::strpas_l(const CharT* abuffer, size_t alen) -> tstr {
    if (abuffer == nullptr) return tstr();
    return tstr(abuffer, std::find(abuffer, abuffer + alen, CharT(0)));
}

template <typename CharT>
bool tprocs_text_helpers<CharT>::to_boolean(bool& aresult, tview atext) {
    if (same_text(atext, tview(widen_ascii<CharT>("TRUE")), true)) { aresult = true; return true; }
    if (same_text(atext, tview(widen_ascii<CharT>("FALSE")), true)) { aresult = false; return true; }
    return false;
}

template class tprocs_text_helpers<char>;
template class tprocs_text_helpers<char16_t>;
