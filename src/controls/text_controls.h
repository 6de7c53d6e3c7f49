// The text controls' state: the single-line edit and the multi-line memo. Their controllers and
// renderers change and draw this state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/element.h"

class tcanvas;

class tvelmor_edit : public tvelmor_control_focusable {
public:
    explicit tvelmor_edit(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_edit) {}
    const char* class_name() const override { return "tvelmor_edit"; }
    bool can_focus() const override { return enabled; }
    std::u16string get_text() const { return text.substr(0, static_cast<size_t>(len)); }
    // The characters after the first pos_left, which are scrolled out of view.
    std::u16string get_display_text() const;
    // Replaces the text; the extents are cleared until a renderer measures the new text.
    void set_text(const std::u16string& avalue);
    // Measures the extents of the whole text in the canvas's current font.
    void measure_extents(tcanvas& acanvas);
    // Measures only when set_text left the extents unmeasured.
    void ensure_extents(tcanvas& acanvas);
    // Pixel width of the first acount characters (0 for none).
    int32_t get_extent(int32_t acount) const;
    // Pixel width of the display text, from the extents.
    int32_t get_display_width() const { return get_extent(len) - get_extent(pos_left); }

    std::u16string text;
    std::vector<int16_t> extents;  // extents[i]: pixel width of the first i + 1 characters
    int16_t len = 0;
    int16_t pos_left = 0;
    bool selectedall = false;
    int32_t header = 0;
    int16_t fieldno = 0;
    tvelmor_edit_options edit_options;
    bool enabled = true;
    bool extents_measured = true;  // false from set_text until the extents describe the text
};

// One wrapped line of a memo: pos is the 1-based position of its first character in the text.
struct tdisplayln {
    std::u16string text;
    std::vector<int16_t> extents;
    int32_t pos = 1;
    int16_t len = 0;
};

class tvelmor_memo : public tvelmor_control_focusable {
public:
    explicit tvelmor_memo(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_memo) {}
    const char* class_name() const override { return "tvelmor_memo"; }
    int32_t line_count() const { return static_cast<int32_t>(displaylns.size()); }

    // Replaces the whole text; caret, scroll and selection go back to the start and the display
    // lines are dropped until the next wrap (a memo without display lines is not wrapped yet).
    void set_text(const std::u16string& avalue);
    // Rebuilds every display line for a line width in pixels, measuring in the canvas's font.
    void calculate_line_extents(tcanvas& acanvas, int32_t awidth);
    // Keeps the lines before afrom_lineno and rebuilds the rest from the end of the line before.
    void calculate_line_extents_fromline(tcanvas& acanvas, int32_t awidth, int32_t afrom_lineno);
    // The text of a display line; empty for an index outside the lines.
    std::u16string get_displayln_text(int32_t aindex) const;
    // Pixel width of the first apos characters of a display line (0 outside the lines).
    int16_t get_displayln_text_extent(int32_t alineno, int32_t apos) const;
    void set_line_count_visible(int32_t avalue);
    // Whether the display lines still cover the text exactly, line breaks included; false when
    // the text was replaced or changed without a re-wrap.
    bool displaylns_match_text() const;

    std::vector<tdisplayln> displaylns;
    std::u16string text;
    int16_t displayln_width = -1;
    int16_t row_height = 0;
    int16_t cursor_pos = 0;
    int16_t cursor_lineno = 0;
    bool selectedall = false;
    int32_t header = 0;
    int16_t fieldno = 0;
    tvelmor_edit_options edit_options;
    int32_t line_count_visible = 0;
    int32_t line_top = 0;

private:
    // Appends the lines that start at index astart (0-based) of the text; aafter_break says the
    // previous line ended with a line break, so a line follows even at the end of the text.
    void wrap_from(tcanvas& acanvas, int32_t awidth, size_t astart, bool aafter_break);
    void clamp_caret();
};
