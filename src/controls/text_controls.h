// The text controls' state: the single-line edit and the multi-line memo. Their controllers and
// renderers change and draw this state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/element.h"
#include "controls/geometry.h"

class tcanvas;
class tvelmor_theme;
class tvalidator_generic;

// What a change of an edit's text needs redrawn: nothing, one typed character (its cell runs
// from `from` to `to`, in pixels from the first visible character), the cell of removed
// characters (from the new end `from` to the old end `to`), or the whole line.
struct tedit_update {
    enum tkind : uint8_t { eu_none, eu_single_char, eu_clear_chars, eu_line };
    tkind kind = eu_none;
    int32_t from = 0;
    int32_t to = 0;
};

// Caret moves in a memo, and what a move needs redrawn.
enum tcursor_move : uint8_t {
    cm_left, cm_right, cm_up, cm_down, cm_ctrl_left, cm_ctrl_right, cm_home, cm_end, cm_ctrl_home, cm_ctrl_end
};
enum tdraw_update : uint8_t {
    du_none, du_redraw_line, du_redraw_line_move_left, du_redraw_line_move_right, du_redraw_line2, du_redraw_lines
};

class tvelmor_edit : public tvelmor_control_focusable {
public:
    explicit tvelmor_edit(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_edit) {}
    const char* class_name() const override { return "tvelmor_edit"; }
    bool can_focus() const override { return enabled; }
    // Taking the focus loads the field's text for editing (header set) and selects it all, so
    // the first typed character replaces it. A disabled edit cannot take the focus.
    void set_focused(bool avalue) override;
    // Disabling the focused edit asks the handler to move the focus away.
    void set_enabled(bool avalue);
    void set_selectedall(bool avalue) { selectedall = avalue; }
    std::u16string get_text() const { return text.substr(0, static_cast<size_t>(len)); }
    // The characters after the first pos_left, which are scrolled out of view.
    std::u16string get_display_text() const;
    // The characters as drawn: the text, or a dot for each character of a password edit.
    std::u16string shown_text() const;
    static constexpr char16_t password_dot = u'\u2022';
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

    // Appends a typed character unless the validator refuses it; all-selected text is replaced.
    // The text scrolls left so that its end stays visible in an edit awidth pixels wide.
    // Measures in the canvas's current font.
    tedit_update add_character(tcanvas& acanvas, char16_t ach, int32_t awidth, tvalidator_generic* avalidator);
    // Backspace: removes the last character (all of the text when it is all selected) and
    // scrolls back while there is room.
    tedit_update delete_last(tcanvas& acanvas, int32_t awidth, tvalidator_generic* avalidator);
    // A key reaching the edit: Ctrl+Home / Ctrl+End select and deselect all, Backspace deletes,
    // a character key types (not on a read-only page). Redraws what changed through the theme's
    // renderer. Defined with the edit controller (controllers_edit.cpp).
    void receive_key(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, bool as_readonly, bool as_caps,
                     uint16_t akey, tshift_state ashift, tvelmor_theme* atheme, tvalidator_generic* avalidator);
    // A character delivered as text: typed as a character key would type it (not on a read-only
    // page, not when the validator refuses it). True when it was added.
    bool receive_character(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, bool as_readonly, char16_t ach,
                           tvelmor_theme* atheme, tvalidator_generic* avalidator);

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

private:
    // Empties the text (and the validator's state): what typing over a selection starts with.
    void clear_all(tvalidator_generic* avalidator);
    // Brings the validator's state in line with the text, as if the text had been typed.
    void sync_validator(tvalidator_generic& avalidator) const;
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
    void set_selectedall(bool avalue) { selectedall = avalue; }

    // Index (0-based) in the text of the caret: the caret line's start plus cursor_pos.
    int32_t get_caret_index() const;
    // Editing at the caret. The display lines from the caret line on are stale afterwards until
    // the memo is wrapped again from the caret line (place_caret then finds the caret's line).
    void add_character(char16_t ach);
    // Backspace; nothing (false) at the start of a display line.
    bool backspace_character();
    // Removes the character at the caret; a CR LF pair goes as one break. False at the end.
    bool delete_character();
    // Splits the caret line at the caret without a re-wrap: the rest becomes a new line after
    // it, a carriage return goes into the text and the caret to the new line's start.
    void add_newline(tcanvas& acanvas);
    tdraw_update move_cursor(tcursor_move acursor_move);
    // After a re-wrap: puts the caret on the line holding text index aindex (the caret line when
    // it still holds it), and scrolls so that the caret line is shown. True when it scrolled.
    bool place_caret(int32_t aindex);
    // Debug dump of the text and the display lines.
    void save_to_file(const std::string& afilename) const;
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
    bool scroll_to_caret();
    int16_t caret_line_len() const;
};
