// The header strip's module: the page title and the menu, plus, minus and edit buttons. The
// controller gives it each page's header settings; its button presses go on to the main page.
#pragma once

#include <cstdint>
#include <string>

#include "pages/handlermodule_page.h"
#include "pages/page_hooks.h"

class thandler_class;
class tvelmor_button_bmp;
class tvelmor_label;

class Thandlermodule_header : public Thandlermodule_page, public iheader_settings {
public:
    static constexpr int32_t tag_title = 202;
    static constexpr int32_t tag_menu = 203;
    static constexpr int32_t tag_edit = 205;
    static constexpr int32_t tag_minus = 206;
    static constexpr int32_t tag_plus = 207;
    // The tags the main page receives with 1103 for the plus, minus and edit buttons.
    static constexpr int32_t tag_main_plus = 9901;
    static constexpr int32_t tag_main_minus = 9902;
    static constexpr int32_t tag_main_edit = 9903;

    Thandlermodule_header(tpage_controller_generic* aowner, thandler_type ahandler_type,
                          tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_header"; }

    // ph_title_caption: the title; other settings are ignored.
    void set_header_param(tparams_header aparam_header, const std::u16string& avalue) override;
    // ph_title_caption_width: the title's width; true when it changed. Others: false.
    bool set_header_param(tparams_header aparam_header, int16_t avalue) override;
    // Visibility, enabled and pushed states of the buttons. Only the minus button (queued) and
    // the menu's pushed state draw, and only without as_skip_draw.
    void set_header_param(tparams_header aparam_header, bool avalue, bool as_skip_draw) override;
    // ph_button_minus_enabled only; other settings leave aresult as it is.
    void get_header_param(bool& aresult, tparams_header aparam_header);

    // 1103 from the menu button opens the page menu; from plus, minus and edit it goes to the
    // main page as 1103 with tag 9901, 9902 or 9903.
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    tvelmor_label& title();
    tvelmor_button_bmp& button(int32_t atag);

private:
    void set_button_visible(int32_t atag, bool avalue);
};

// The header's handler class (its form Tform_page_header), for the page controller.
const thandler_class& header_handler_class();
