#include "pages/handlermodule_generic.h"

#include <string>

#include "controls/control_messages.h"
#include "pages/datamodule_messages.h"

void Thandlermodule_generic::not_implemented(const char* aoperation, bool aperiod) const {
    std::string format = std::string("%s.") + aoperation + "(); not implemented";
    if (aperiod) format += ".";
    throw tvelmor_exception(format.c_str(), class_name());
}

void Thandlermodule_generic::add_element(std::unique_ptr<tvelmor_object>) { not_implemented("add_element"); }
void Thandlermodule_generic::add_control(std::unique_ptr<tvelmor_control>) { not_implemented("add_control"); }
void Thandlermodule_generic::add_value(std::unique_ptr<tvalueelement_generic>) { not_implemented("add_value"); }
void Thandlermodule_generic::add_miscobject(std::unique_ptr<tvelmor_miscobject>) {
    not_implemented("add_miscobject");
}
void Thandlermodule_generic::finish_adds(int32_t) { not_implemented("finish_adds"); }
void Thandlermodule_generic::draw_control(tvelmor_control*, bool) { not_implemented("draw_control"); }
void Thandlermodule_generic::draw_control(int32_t, bool) { not_implemented("draw_control"); }
void Thandlermodule_generic::control_draw_specific(int32_t, tdraw_type, int32_t) {
    not_implemented("control_draw_specific");
}
void Thandlermodule_generic::control_draw(int32_t) { not_implemented("control_draw"); }
bool Thandlermodule_generic::control_focus(int32_t, bool) { not_implemented("control_focus"); }
void Thandlermodule_generic::control_paint(tvelmor_control*, tvelmor_theme*, const trect&, int32_t, int32_t) {}
void Thandlermodule_generic::control_paint_default(tvelmor_control*, tvelmor_theme*, const trect&, int32_t,
                                                   int32_t) {
    not_implemented("control_paint_default");
}
bool Thandlermodule_generic::handle_keydown(uint16_t, tshift_state, bool) { return false; }
bool Thandlermodule_generic::handle_character(char16_t) { return false; }
void Thandlermodule_generic::handle_resize(bool) { not_implemented("handle_resize"); }
void Thandlermodule_generic::handle_paint() { not_implemented("handle_paint"); }
void Thandlermodule_generic::handle_mousemove(tshift_state, int32_t, int32_t) {
    not_implemented("handle_mousemove", false);
}
void Thandlermodule_generic::handle_mousedown(tmouse_button, tshift_state, int32_t, int32_t, bool) {
    not_implemented("handle_mousedown", false);
}
void Thandlermodule_generic::run_task(int32_t, int32_t) { not_implemented("run_task", false); }
void Thandlermodule_generic::load_data(tfb_query*, int32_t, tdatarecord2*) {
    not_implemented("load_data", false);
}
bool Thandlermodule_generic::callback_message(void*, int32_t, int32_t) { return false; }
void Thandlermodule_generic::windows_message(const twindows_message&) {}
void Thandlermodule_generic::execute_command2(thandler_command) { not_implemented("execute_command2"); }
void Thandlermodule_generic::execute_command(void*, thandler_command) { not_implemented("execute_command"); }
tvelmor_miscobject* Thandlermodule_generic::get_miscobject(int32_t) { not_implemented("get_miscobject"); }

Tdatamodule_messages& Thandlermodule_generic::get_messages() {
    throw tvelmor_exception("%s has no message queue.", class_name());
}

bool Thandlermodule_generic::callback_message2(int32_t atag, int32_t amsg) {
    tmsg_params_none none;
    return callback_message(&none, atag, amsg);
}

void Thandlermodule_generic::set_focused_tag(int32_t atag, bool as_skip_draw) {
    if (atag == ffocused_tag) return;
    if (callback_message2(atag, tmsg_code::focus_changing)) return;
    // The draws wait in the queue: this usually runs inside another control's key event.
    const auto queue_draw = [this](int32_t atag_draw) {
        get_messages().add_message(501, jt_draw_control, ht_main, atag_draw);
    };
    if (ffocused_tag != 0 && control_focus(ffocused_tag, false) && !as_skip_draw) queue_draw(ffocused_tag);
    ffocused_tag = atag;
    if (atag != 0 && control_focus(atag, true) && !as_skip_draw) queue_draw(atag);
}
