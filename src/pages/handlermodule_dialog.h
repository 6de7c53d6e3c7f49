// The yes/no question: its lines beside a question-mark icon, with Yes and No below. Y answers 6,
// N 7 and Esc 2 (cancel); the page learns the answer through 1107 under the dialog's tag.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/handlermodule_ontop.h"

class Thandlermodule_dialog : public Thandlermodule_ontop {
public:
    // The overlay tags: "Save changes ?" of editable pages, and every other question.
    static constexpr int32_t tag_ontop_save_changes = 9101;
    static constexpr int32_t tag_ontop_other = 9102;
    static constexpr int32_t result_cancel = 2;
    static constexpr int32_t result_yes = 6;
    static constexpr int32_t result_no = 7;
    static constexpr int32_t tag_lines = 208;
    static constexpr int32_t line_height = 24;
    // The question's font (tahoma;11), in which its lines are measured and painted.
    static constexpr int32_t font_question = 25867;

    // aid: the overlay tag; acaption: the question, lines separated by "\r\n".
    Thandlermodule_dialog(tpage_controller_generic* aowner, int32_t aid, const std::u16string& acaption);
    const char* class_name() const override { return "Thandlermodule_dialog"; }

    void once_created() override;
    // Esc, N and Y pressed alone close the dialog; no other key is used.
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    // (100, 40) to (440, 118 + 24 x lines), widened to the widest line + 100.
    trect get_initial_bounds(const trect& aclientrect) override;
    // Grid 208: row -1 erases the rows area, a row of the question paints its line.
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    std::u16string fcaption;
    std::vector<std::u16string> flines;
};
