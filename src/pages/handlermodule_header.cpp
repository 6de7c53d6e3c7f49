#include "pages/handlermodule_header.h"

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/container_controls_generic.h"
#include "controls/dfm_component.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"

Thandlermodule_header::Thandlermodule_header(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                             tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox) {}

tvelmor_label& Thandlermodule_header::title() { return control<tvelmor_label>(tag_title); }

tvelmor_button_bmp& Thandlermodule_header::button(int32_t atag) { return control<tvelmor_button_bmp>(atag); }

void Thandlermodule_header::set_header_param(tparams_header aparam_header, const std::u16string& avalue) {
    if (aparam_header == ph_title_caption) title().caption = avalue;
}

bool Thandlermodule_header::set_header_param(tparams_header aparam_header, int16_t avalue) {
    if (aparam_header != ph_title_caption_width) return false;
    return fcontrols->set_align_value(tag_title, pa_dimension, avalue);
}

// A hidden button gives its cell up: the buttons further in close up at the next layout.
void Thandlermodule_header::set_button_visible(int32_t atag, bool avalue) {
    button(atag).visible = avalue;
    fcontrols->set_viewport_skip(atag, !avalue);
}

void Thandlermodule_header::set_header_param(tparams_header aparam_header, bool avalue, bool as_skip_draw) {
    switch (aparam_header) {
        case ph_menu_visible: set_button_visible(tag_menu, avalue); break;
        case ph_button_plus_visible: set_button_visible(tag_plus, avalue); break;
        case ph_button_minus_visible: set_button_visible(tag_minus, avalue); break;
        case ph_button_edit_visible: set_button_visible(tag_edit, avalue); break;
        case ph_menu_enabled: button(tag_menu).enabled = avalue; break;
        case ph_button_plus_enabled: button(tag_plus).enabled = avalue; break;
        case ph_button_edit_enabled: button(tag_edit).enabled = avalue; break;
        case ph_menu_pushed:
            if (button(tag_menu).push(!avalue) && !as_skip_draw) invalidate_viewport(tag_menu, 0);
            break;
        case ph_button_minus_enabled: {
            tvelmor_button_bmp& minus = button(tag_minus);
            if (minus.enabled == avalue) break;
            minus.enabled = avalue;
            if (!as_skip_draw) get_messages().add_message(501, jt_draw_control, fhandler_type, tag_minus);
            break;
        }
        case ph_title_caption:
        case ph_title_caption_width: break;
    }
}

void Thandlermodule_header::get_header_param(bool& aresult, tparams_header aparam_header) {
    if (aparam_header == ph_button_minus_enabled) aresult = button(tag_minus).enabled;
}

bool Thandlermodule_header::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    int32_t tag_main = 0;
    switch (atag) {
        case tag_menu: break;
        case tag_plus: tag_main = tag_main_plus; break;
        case tag_minus: tag_main = tag_main_minus; break;
        case tag_edit: tag_main = tag_main_edit; break;
        default: return Thandlermodule_page::callback_message(aparams, atag, amsg);
    }
    if (amsg != tmsg_code::button_pressed) return Thandlermodule_page::callback_message(aparams, atag, amsg);
    // A button the page has disabled or hidden does nothing, whatever reported the press.
    const tvelmor_button_bmp& pressed = button(atag);
    if (!pressed.enabled || !pressed.visible || !fowner) return true;
    if (atag == tag_menu)
        fowner->run_menu(false);
    else if (Thandlermodule_page* main = fowner->get_handler_main())
        main->callback_message2(tag_main, tmsg_code::button_pressed);
    return true;
}

const thandler_class& header_handler_class() {
    static const thandler_class handler_class = [] {
        register_form_class("Tform_page_header");
        static const Tform_page2 form("Tform_page_header", Tform_page2::embedded_text("form_page_header"));
        return thandler_class("Thandlermodule_header", &handler_factory_of<Thandlermodule_header>, &form, nullptr);
    }();
    return handler_class;
}
