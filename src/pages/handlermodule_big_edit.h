// The large text viewer: a long text in a tall memo opened over the control it belongs to,
// shown all selected. Enter closes it with 1, Esc with 2; the page learns which through 1107.
#pragma once

#include <cstdint>
#include <string>

#include "pages/handlermodule_ontop.h"

class tvelmor_memo;

class Thandlermodule_big_edit : public Thandlermodule_ontop {
public:
    static constexpr int32_t tag_memo = 201;
    static constexpr int32_t result_enter = 1;
    static constexpr int32_t result_escape = 2;
    static constexpr int32_t extra_width = 180;
    static constexpr int32_t viewer_height = 500;

    // aid: the overlay tag (9102); arect: the rectangle of the control it belongs to, on the main
    // surface; avalue: the text.
    Thandlermodule_big_edit(tpage_controller_generic* aowner, int32_t aid, const trect& arect,
                            const std::u16string& avalue);
    const char* class_name() const override { return "Thandlermodule_big_edit"; }

    void once_created() override;
    // Enter and Esc pressed alone close the viewer; no other key is used.
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    // From the control's top-left corner, 180 wider than it and 500 high; moved up when it would
    // run past the bottom of the main area.
    trect get_initial_bounds(const trect& aclientrect) override;

    tvelmor_memo& memo();

    trect frect;
    std::u16string fvalue;
};
