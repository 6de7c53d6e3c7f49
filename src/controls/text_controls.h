// The text controls' state: the single-line edit and the multi-line memo. Their controllers and
// renderers change and draw this state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/element.h"

class tvelmor_edit : public tvelmor_control_focusable {
public:
    explicit tvelmor_edit(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_edit) {}
    const char* class_name() const override { return "tvelmor_edit"; }
    bool can_focus() const override { return enabled; }
    std::u16string get_text() const { return text.substr(0, static_cast<size_t>(len)); }
    // Replaces the text; the extents are cleared until a renderer measures the new text.
    void set_text(const std::u16string& avalue);

    std::u16string text;
    std::vector<int16_t> extents;  // extents[i]: pixel width of the first i + 1 characters
    int16_t len = 0;
    int16_t pos_left = 0;
    bool selectedall = false;
    int32_t header = 0;
    int16_t fieldno = 0;
    tvelmor_edit_options edit_options;
    bool enabled = true;
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
};
