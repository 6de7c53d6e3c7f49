// The footer strip's module: the function-key legend (F2, F3, F7, F9) that each page shows,
// hides, enables or renames; renamed legends get their default captions back at every page switch.
#pragma once

#include <cstdint>
#include <string>

#include "pages/handlermodule_page.h"
#include "pages/page_hooks.h"

class thandler_class;
class tvelmor_label;

class Thandlermodule_footer : public Thandlermodule_page, public ifooter_settings {
public:
    Thandlermodule_footer(tpage_controller_generic* aowner, thandler_type ahandler_type,
                          tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_footer"; }

    // Every renamed legend gets its default caption back and the status is emptied; nothing is drawn.
    void default_button_captions() override;
    // A legend is visible exactly when its bit is not in avalue; a change is drawn (a hidden
    // legend erased) unless as_skip_draw.
    void set_buttons_invisible(uint16_t avalue, bool as_skip_draw) override;
    // A legend is enabled exactly when its bit is in avalue; a change is drawn unless as_skip_draw.
    void set_buttons_enabled(uint16_t avalue, bool as_skip_draw) override;
    // The legend reads "<key> - <acaption>" until the next page switch.
    void set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) override;
    // The status label 206 between the legends.
    void set_footer_status(const std::u16string& atext) override;
    static constexpr int32_t tag_status = 206;

    // The legend label of a button (202 F2, 203 F3, 205 F7, 204 F9).
    tvelmor_label& label(tfooter_button abutton);

    // Bits (2 F2, 4 F3, 64 F7, 256 F9) of the legends a page has renamed.
    uint16_t fbutton_caption_set = 0;

private:
    void draw_legend(tvelmor_label& alabel, bool as_skip_draw);
};

// The footer's handler class (its form Tform_page_footer), for the page controller.
const thandler_class& footer_handler_class();
