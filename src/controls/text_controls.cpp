#include "controls/text_controls.h"

#include <algorithm>
#include <fstream>

#include "controls/canvas.h"
#include "controls/container_controls_generic.h"
#include "controls/controls_owner.h"
#include "controls/miscobject.h"
#include "procs/message_format.h"
#include "values/validators.h"

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

void tvelmor_edit::set_focused(bool avalue) {
    if (avalue && !enabled)
        throw tvelmor_exception("Attempt to focus disabled edit in %s.set_focused();", class_name());
    tvelmor_control_focusable::set_focused(avalue);
    if (!avalue) return;
    if (header != 0 && owner != nullptr) {
        tvelmor_miscobject* m = owner->get_controls()->get_miscobject(header);
        tvalidator_generic* validator = m ? m->get_validator(fieldno) : nullptr;
        if (validator) {
            set_text(validator->get_text(true));
            // A currency edit must know of the point in the loaded text.
            sync_validator(*validator);
        }
    }
    if (len > 0) set_selectedall(true);
}

void tvelmor_edit::set_enabled(bool avalue) {
    enabled = avalue;
    if (!avalue && is_focused && owner != nullptr) owner->execute_command2(cn_focus_off);
}

std::u16string tvelmor_edit::get_display_text() const {
    const int16_t from = std::clamp<int16_t>(pos_left, 0, len);
    return shown_text().substr(static_cast<size_t>(from), static_cast<size_t>(len - from));
}

std::u16string tvelmor_edit::shown_text() const {
    return edit_options.contains(eo_password) ? std::u16string(text.size(), password_dot) : text;
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
    const std::u16string shown = shown_text();
    for (size_t i = 0; i < static_cast<size_t>(len); ++i) extents[i] = next_extent(acanvas, shown, 0, i, extents);
    extents_measured = true;
}

void tvelmor_edit::ensure_extents(tcanvas& acanvas) {
    if (!extents_measured || extents.size() < static_cast<size_t>(len)) measure_extents(acanvas);
}

int32_t tvelmor_edit::get_extent(int32_t acount) const {
    const int32_t n = std::min<int32_t>(acount, static_cast<int32_t>(extents.size()));
    return n <= 0 ? 0 : extents[static_cast<size_t>(n - 1)];
}

void tvelmor_edit::clear_all(tvalidator_generic* avalidator) {
    text.clear();
    extents.clear();
    extents_measured = true;
    len = 0;
    pos_left = 0;
    selectedall = false;
    if (avalidator) avalidator->clear();
}

void tvelmor_edit::sync_validator(tvalidator_generic& avalidator) const {
    avalidator.clear();
    for (int16_t i = 0; i < len; ++i) avalidator.can_accept_character(text[static_cast<size_t>(i)]);
}

tedit_update tvelmor_edit::add_character(tcanvas& acanvas, char16_t ach, int32_t awidth,
                                         tvalidator_generic* avalidator) {
    // Selected text is about to be replaced, so the validator starts afresh before it judges
    // the character (a currency edit holding a point must take a new point), and keeps what it
    // noted of the accepted character.
    const bool cleared = selectedall;
    if (cleared && avalidator) avalidator->clear();
    if (avalidator && !avalidator->can_accept_character(ach)) {
        // Nothing was replaced: the validator goes back to judging the text that stays.
        if (cleared) sync_validator(*avalidator);
        return {};
    }
    if (!cleared && len == INT16_MAX) return {};
    if (cleared) clear_all(nullptr);
    ensure_extents(acanvas);
    text.resize(static_cast<size_t>(len));
    extents.resize(static_cast<size_t>(len));
    const int32_t end_before = get_extent(len) - get_extent(pos_left);
    text.push_back(ach);
    extents.push_back(next_extent(acanvas, shown_text(), 0, static_cast<size_t>(len), extents));
    ++len;
    if (cleared) return {tedit_update::eu_line};
    // Scroll until the end of the text fits with 10 pixels to spare.
    const int16_t old_pos_left = pos_left;
    int32_t b = get_extent(pos_left);
    while (pos_left < len - 1 && awidth < extents[static_cast<size_t>(len - 1)] - b + 10) {
        b = extents[static_cast<size_t>(pos_left)];
        ++pos_left;
    }
    if (pos_left != old_pos_left) return {tedit_update::eu_line};
    return {tedit_update::eu_single_char, end_before, get_extent(len) - get_extent(pos_left)};
}

tedit_update tvelmor_edit::delete_last(tcanvas& acanvas, int32_t awidth, tvalidator_generic* avalidator) {
    if (len == 0) return {};
    if (selectedall) {
        clear_all(avalidator);
        return {tedit_update::eu_line};
    }
    ensure_extents(acanvas);
    if (avalidator) avalidator->delete_last(text[static_cast<size_t>(len - 1)]);
    const int32_t end_before = get_extent(len) - get_extent(pos_left);
    --len;
    text.resize(static_cast<size_t>(len));
    extents.resize(static_cast<size_t>(len));
    pos_left = std::min(pos_left, len);
    const int32_t end_after = get_extent(len) - get_extent(pos_left);
    // Scroll back while the visible text would still leave 22 pixels free.
    const int16_t old_pos_left = pos_left;
    while (pos_left > 0 && awidth >= get_extent(len) - get_extent(pos_left) + 22) --pos_left;
    if (pos_left != old_pos_left) return {tedit_update::eu_line};
    return {tedit_update::eu_clear_chars, end_after, end_before};
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

// ---- Memo editing ----

int16_t tvelmor_memo::caret_line_len() const {
    if (cursor_lineno < 0 || cursor_lineno >= line_count()) return 0;
    return displaylns[static_cast<size_t>(cursor_lineno)].len;
}

int32_t tvelmor_memo::get_caret_index() const {
    if (cursor_lineno < 0 || cursor_lineno >= line_count()) return 0;
    const tdisplayln& line = displaylns[static_cast<size_t>(cursor_lineno)];
    const int32_t index = line.pos - 1 + std::clamp<int32_t>(cursor_pos, 0, line.len);
    return std::clamp<int32_t>(index, 0, static_cast<int32_t>(text.size()));
}

void tvelmor_memo::add_character(char16_t ach) {
    text.insert(static_cast<size_t>(get_caret_index()), 1, ach);
    ++cursor_pos;
}

bool tvelmor_memo::backspace_character() {
    if (cursor_pos <= 0) return false;
    const int32_t index = get_caret_index();
    if (index <= 0) return false;
    text.erase(static_cast<size_t>(index - 1), 1);
    --cursor_pos;
    return true;
}

bool tvelmor_memo::delete_character() {
    const size_t index = static_cast<size_t>(get_caret_index());
    if (index >= text.size()) return false;
    // Removing only the CR of a CR LF would leave the LF breaking the line all the same.
    const bool pair = text[index] == char_cr && index + 1 < text.size() && text[index + 1] == char_lf;
    text.erase(index, pair ? 2 : 1);
    return true;
}

void tvelmor_memo::add_newline(tcanvas& acanvas) {
    if (cursor_lineno < 0 || cursor_lineno >= line_count()) return;
    const size_t k = static_cast<size_t>(cursor_lineno);
    tdisplayln& line = displaylns[k];
    const size_t cut = static_cast<size_t>(std::clamp<int16_t>(cursor_pos, 0, line.len));
    tdisplayln rest;
    rest.text = line.text.substr(cut);
    rest.len = static_cast<int16_t>(rest.text.size());
    rest.pos = line.pos + static_cast<int32_t>(cut) + 1;  // after the inserted carriage return
    // The first two extents are measured anew; each later one keeps its pair's width and
    // follows the new extent two places back.
    for (size_t i = 0; i < rest.text.size(); ++i) {
        if (i < 2 || cut + i >= line.extents.size()) {
            rest.extents.push_back(next_extent(acanvas, rest.text, 0, i, rest.extents));
        } else {
            const int32_t pair = line.extents[cut + i] - line.extents[cut + i - 2];
            rest.extents.push_back(clamp_extent(pair + rest.extents[i - 2]));
        }
    }
    text.insert(static_cast<size_t>(line.pos - 1) + cut, 1, char_cr);
    line.text.resize(cut);
    line.extents.resize(std::min(cut, line.extents.size()));
    line.len = static_cast<int16_t>(cut);
    for (size_t i = k + 1; i < displaylns.size(); ++i) ++displaylns[i].pos;
    displaylns.insert(displaylns.begin() + static_cast<std::ptrdiff_t>(k + 1), std::move(rest));
    ++cursor_lineno;
    cursor_pos = 0;
}

bool tvelmor_memo::scroll_to_caret() {
    if (line_count_visible <= 0) return false;
    if (cursor_lineno < line_top) {
        line_top = cursor_lineno;
        return true;
    }
    if (cursor_lineno >= line_top + line_count_visible) {
        line_top = cursor_lineno - line_count_visible + 1;
        return true;
    }
    return false;
}

bool tvelmor_memo::place_caret(int32_t aindex) {
    if (displaylns.empty()) {
        cursor_lineno = 0;
        cursor_pos = 0;
        return false;
    }
    const auto holds = [&](int32_t alineno) {
        const tdisplayln& line = displaylns[static_cast<size_t>(alineno)];
        return aindex >= line.pos - 1 && aindex <= line.pos - 1 + line.len;
    };
    if (cursor_lineno < 0 || cursor_lineno >= line_count() || !holds(cursor_lineno)) {
        int32_t found = 0;
        for (int32_t i = 0; i < line_count() && displaylns[static_cast<size_t>(i)].pos - 1 <= aindex; ++i) found = i;
        cursor_lineno = static_cast<int16_t>(found);
    }
    const tdisplayln& line = displaylns[static_cast<size_t>(cursor_lineno)];
    cursor_pos = static_cast<int16_t>(std::clamp<int32_t>(aindex - (line.pos - 1), 0, line.len));
    return scroll_to_caret();
}

namespace {

bool is_space(const std::u16string& atext, int32_t aindex) { return atext[static_cast<size_t>(aindex)] == u' '; }

// Ctrl+Left: back over spaces, then to the first character of the word before them.
int32_t word_left(const std::u16string& atext, int32_t apos) {
    int32_t p = apos;
    while (p > 0 && is_space(atext, p - 1)) --p;
    while (p > 0 && !is_space(atext, p - 1)) --p;
    return p;
}

// Ctrl+Right: on to the first character that follows a space, or to the end of the line.
int32_t word_right(const std::u16string& atext, int32_t apos, int32_t alen) {
    int32_t p = apos;
    bool passed_space = false;
    while (p < alen) {
        if (is_space(atext, p)) {
            passed_space = true;
        } else if (passed_space) {
            break;
        }
        ++p;
    }
    return p;
}

}  // namespace

tdraw_update tvelmor_memo::move_cursor(tcursor_move acursor_move) {
    if (displaylns.empty()) return du_none;
    const int32_t last = line_count() - 1;
    const int16_t len = caret_line_len();
    const std::u16string& line_text = displaylns[static_cast<size_t>(cursor_lineno)].text;
    switch (acursor_move) {
    case cm_left:
        if (cursor_pos <= 0) return du_none;
        --cursor_pos;
        return du_redraw_line_move_left;
    case cm_right:
        if (cursor_pos >= len) return du_none;
        ++cursor_pos;
        return du_redraw_line_move_right;
    case cm_up: {
        if (cursor_lineno <= 0) return du_none;
        const bool scroll = cursor_lineno == line_top;
        cursor_pos = 0;
        --cursor_lineno;
        if (!scroll) return du_redraw_line2;
        --line_top;
        return du_redraw_lines;
    }
    case cm_down: {
        if (cursor_lineno >= last) return du_none;
        const bool scroll = cursor_lineno == line_top + line_count_visible - 1;
        cursor_pos = 0;
        ++cursor_lineno;
        if (!scroll) return du_redraw_line2;
        ++line_top;
        return du_redraw_lines;
    }
    case cm_ctrl_left:
        if (cursor_pos <= 0) return du_none;
        cursor_pos = static_cast<int16_t>(word_left(line_text, std::min(cursor_pos, len)));
        return du_redraw_line_move_left;
    case cm_ctrl_right:
        if (cursor_pos >= len) return du_none;
        cursor_pos = static_cast<int16_t>(word_right(line_text, cursor_pos, len));
        return du_redraw_line_move_right;
    case cm_home:
    case cm_end: {
        const int16_t target = acursor_move == cm_home ? 0 : len;
        if (cursor_pos == target) return du_none;
        cursor_pos = target;
        return du_redraw_line;
    }
    case cm_ctrl_home:
        if (cursor_lineno == 0 && cursor_pos == 0) return du_none;
        cursor_lineno = 0;
        cursor_pos = 0;
        if (line_top == 0) return du_redraw_line2;
        line_top = 0;
        return du_redraw_lines;
    case cm_ctrl_end:
        if (cursor_lineno != last) {
            cursor_lineno = static_cast<int16_t>(last);
            cursor_pos = displaylns[static_cast<size_t>(last)].len;
            if (line_top >= line_count() - line_count_visible) return du_redraw_line2;
            line_top = line_count() - line_count_visible;
            return du_redraw_lines;
        }
        if (cursor_pos == len) return du_none;
        cursor_pos = len;
        return du_redraw_line;
    }
    return du_none;
}

void tvelmor_memo::save_to_file(const std::string& afilename) const {
    std::ofstream out(afilename, std::ios::binary);
    out << "text = " << utf16_to_utf8(text) << "\n";
    for (const tdisplayln& line : displaylns)
        out << "line pos = " << line.pos << " len = " << line.len << " [" << utf16_to_utf8(line.text) << "]\n";
    if (!out) throw tvelmor_exception("Cannot write %s in %s.save_to_file();", afilename, class_name());
}
