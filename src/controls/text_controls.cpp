#include "controls/text_controls.h"

#include <algorithm>

#include "controls/canvas.h"

namespace {

constexpr char16_t char_cr = 13;
constexpr char16_t char_lf = 10;

bool is_break(char16_t ach) { return ach == char_cr || ach == char_lf; }

int16_t clamp_extent(int32_t avalue) {
    return static_cast<int16_t>(std::clamp<int32_t>(avalue, INT16_MIN, INT16_MAX));
}

// The extent of the character at aindex within a run that starts at astart: measured in pairs
// so that the width of two neighbours includes their spacing; aextents holds the run so far.
int16_t next_extent(tcanvas& acanvas, const std::u16string& atext, size_t astart, size_t aindex,
                    const std::vector<int16_t>& aextents) {
    const size_t k = aindex - astart;
    if (k == 0) return clamp_extent(acanvas.text_extent(atext.substr(aindex, 1)).cx);
    if (k == 1) return clamp_extent(acanvas.text_extent(atext.substr(astart, 2)).cx);
    return clamp_extent(acanvas.text_extent(atext.substr(aindex - 1, 2)).cx + aextents[k - 2]);
}

}  // namespace

std::u16string tvelmor_edit::get_display_text() const {
    const int16_t from = std::clamp<int16_t>(pos_left, 0, len);
    return text.substr(static_cast<size_t>(from), static_cast<size_t>(len - from));
}

void tvelmor_edit::set_text(const std::u16string& avalue) {
    text = avalue;
    len = static_cast<int16_t>(std::min<size_t>(avalue.size(), INT16_MAX));
    text.resize(static_cast<size_t>(len));
    extents.assign(static_cast<size_t>(len), 0);
    extents_measured = len == 0;
    if (pos_left > len) pos_left = 0;
}

void tvelmor_edit::measure_extents(tcanvas& acanvas) {
    extents.assign(static_cast<size_t>(len), 0);
    for (size_t i = 0; i < static_cast<size_t>(len); ++i) extents[i] = next_extent(acanvas, text, 0, i, extents);
    extents_measured = true;
}

void tvelmor_edit::ensure_extents(tcanvas& acanvas) {
    if (!extents_measured || extents.size() < static_cast<size_t>(len)) measure_extents(acanvas);
}

int32_t tvelmor_edit::get_extent(int32_t acount) const {
    const int32_t n = std::min<int32_t>(acount, static_cast<int32_t>(extents.size()));
    return n <= 0 ? 0 : extents[static_cast<size_t>(n - 1)];
}

void tvelmor_memo::set_text(const std::u16string& avalue) {
    text = avalue;
    displaylns.clear();
    cursor_pos = 0;
    cursor_lineno = 0;
    line_top = 0;
    selectedall = false;
}

void tvelmor_memo::calculate_line_extents(tcanvas& acanvas, int32_t awidth) {
    displaylns.clear();
    wrap_from(acanvas, awidth, 0, true);
}

void tvelmor_memo::calculate_line_extents_fromline(tcanvas& acanvas, int32_t awidth, int32_t afrom_lineno) {
    if (afrom_lineno <= 0 || displaylns.empty()) {
        calculate_line_extents(acanvas, awidth);
        return;
    }
    const size_t from = static_cast<size_t>(std::min(afrom_lineno, line_count()));
    displaylns.resize(from);
    const tdisplayln& before = displaylns.back();
    size_t start = std::min(static_cast<size_t>(before.pos - 1) + static_cast<size_t>(before.len), text.size());
    const bool after_break = start < text.size() && is_break(text[start]);
    if (after_break) {
        start += (text[start] == char_cr && start + 1 < text.size() && text[start + 1] == char_lf) ? 2 : 1;
    }
    if (after_break || start < text.size()) wrap_from(acanvas, awidth, start, after_break);
    clamp_caret();
}

void tvelmor_memo::wrap_from(tcanvas& acanvas, int32_t awidth, size_t astart, bool aafter_break) {
    displayln_width = clamp_extent(awidth);
    size_t s = astart;
    bool more = aafter_break || s < text.size();
    while (more) {
        tdisplayln line;
        line.pos = static_cast<int32_t>(s) + 1;
        size_t i = s;
        more = false;
        for (; i < text.size(); ++i) {
            if (is_break(text[i])) {
                more = true;
                break;
            }
            const int16_t extent = next_extent(acanvas, text, s, i, line.extents);
            if (i > s && extent > awidth) {
                more = true;
                break;
            }
            line.extents.push_back(extent);
        }
        line.text = text.substr(s, i - s);
        line.len = clamp_extent(static_cast<int32_t>(i - s));
        displaylns.push_back(std::move(line));
        if (i < text.size() && is_break(text[i])) {
            i += (text[i] == char_cr && i + 1 < text.size() && text[i + 1] == char_lf) ? 2 : 1;
        }
        s = i;
    }
    clamp_caret();
}

// A re-wrap can leave fewer lines than before; the caret and the first shown line must still
// name existing lines.
void tvelmor_memo::clamp_caret() {
    const int32_t last = std::max(line_count() - 1, 0);
    cursor_lineno = static_cast<int16_t>(std::clamp<int32_t>(cursor_lineno, 0, last));
    line_top = std::clamp<int32_t>(line_top, 0, last);
}

std::u16string tvelmor_memo::get_displayln_text(int32_t aindex) const {
    if (aindex < 0 || aindex >= line_count()) return {};
    return displaylns[static_cast<size_t>(aindex)].text;
}

int16_t tvelmor_memo::get_displayln_text_extent(int32_t alineno, int32_t apos) const {
    if (alineno < 0 || alineno >= line_count()) return 0;
    const tdisplayln& line = displaylns[static_cast<size_t>(alineno)];
    const int32_t n = std::min<int32_t>(apos, static_cast<int32_t>(line.extents.size()));
    return n <= 0 ? 0 : line.extents[static_cast<size_t>(n - 1)];
}

bool tvelmor_memo::displaylns_match_text() const {
    size_t next = 0;
    bool after_break = true;  // the text's start, like a break, must begin a line
    for (const tdisplayln& line : displaylns) {
        if (!after_break && next >= text.size()) return false;
        if (line.pos < 1 || static_cast<size_t>(line.pos - 1) != next || line.len < 0) return false;
        const size_t end = next + static_cast<size_t>(line.len);
        if (end > text.size() || text.compare(next, static_cast<size_t>(line.len), line.text) != 0) return false;
        after_break = end < text.size() && is_break(text[end]);
        next = end;
        if (after_break) next += (text[end] == char_cr && end + 1 < text.size() && text[end + 1] == char_lf) ? 2 : 1;
    }
    return !displaylns.empty() && !after_break && next == text.size();
}

void tvelmor_memo::set_line_count_visible(int32_t avalue) { line_count_visible = std::max(avalue, 0); }
