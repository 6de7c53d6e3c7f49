#include "controls/container_controls_generic.h"

#include <string>

void tcontainer_controls_generic::not_implemented(const char* aoperation, bool aperiod) const {
    std::string format = std::string("%s.") + aoperation + "(); not implemented";
    if (aperiod) format += ".";
    throw tvelmor_exception(format.c_str(), class_name());
}

tvelmor_control* tcontainer_controls_generic::get_control(int32_t) { not_implemented("get_control"); }
tvelmor_panel* tcontainer_controls_generic::get_panel(int32_t) { not_implemented("get_panel"); }
void tcontainer_controls_generic::get_viewport(int32_t, trect&) { not_implemented("get_viewport"); }
tvelmor_theme* tcontainer_controls_generic::get_theme(const tvelmor_control*) { not_implemented("get_theme"); }
tvelmor_theme* tcontainer_controls_generic::get_theme(int32_t) { not_implemented("get_theme"); }
tvelmor_theme* tcontainer_controls_generic::get_theme_by_tag(int32_t) { not_implemented("get_theme_by_tag"); }
tvalueelement_generic* tcontainer_controls_generic::get_value(int32_t) { not_implemented("get_value"); }
tvelmor_miscobject* tcontainer_controls_generic::get_miscobject(int32_t) { not_implemented("get_miscobject"); }
tvelmor_focus_order tcontainer_controls_generic::can_get_next_focus_panel(int32_t&, int32_t) {
    not_implemented("can_get_next_focus_panel");
}
void tcontainer_controls_generic::add_control(std::unique_ptr<tvelmor_control>) { not_implemented("add_control"); }
void tcontainer_controls_generic::add_element(std::unique_ptr<tvelmor_object>) { not_implemented("add_element"); }
void tcontainer_controls_generic::add_value(std::unique_ptr<tvalueelement_generic>) { not_implemented("add_value"); }
void tcontainer_controls_generic::add_miscobject(std::unique_ptr<tvelmor_miscobject>) {
    not_implemented("add_miscobject");
}
void tcontainer_controls_generic::finish_adds(int32_t) { not_implemented("finish_adds"); }
bool tcontainer_controls_generic::handle_mousedown(tcanvas&, int32_t&, tmouse_button, tshift_state, int32_t,
                                                   int32_t, bool) {
    not_implemented("handle_mousedown", false);
}
bool tcontainer_controls_generic::handle_mousemove(tcanvas&, int32_t&, tshift_state, int32_t, int32_t) {
    not_implemented("handle_mousemove", false);
}
std::unique_ptr<icontrols_iterator> tcontainer_controls_generic::create_interface_iterate(
    int32_t, int32_t, tvelmor_control_types, tvelmor_iterate_options) {
    not_implemented("create_interface_iterate");
}
std::unique_ptr<icontrols_iterator> tcontainer_controls_generic::create_interface(int32_t) {
    not_implemented("create_interface");
}
void tcontainer_controls_generic::set_viewport_skip(int32_t, bool) { not_implemented("set_viewport_skip"); }
void tcontainer_controls_generic::recalculate_viewports_from(int32_t) {
    not_implemented("recalculate_viewports_from");
}
void tcontainer_controls_generic::calculate_viewports(int32_t&, tcanvas&, const trect&) {
    not_implemented("calculate_viewports");
}
bool tcontainer_controls_generic::set_align_value(int32_t, tparams_align, int32_t) {
    not_implemented("set_align_value", false);
}
void tcontainer_controls_generic::get_panel_viewport(int32_t, trect&) { not_implemented("get_panel_viewport", false); }
void tcontainer_controls_generic::update_header_controls(int32_t, int32_t) {
    not_implemented("update_header_controls", false);
}
void tcontainer_controls_generic::draw_panel_controls(tcanvas&, int32_t&, int32_t) {
    not_implemented("draw_panel_controls");
}
void tcontainer_controls_generic::draw_controls(tcanvas&, int32_t&) { not_implemented("draw_controls"); }
void tcontainer_controls_generic::draw_controls(tcanvas&, int32_t&, icontrols_iterator&) {
    not_implemented("draw_controls");
}
void tcontainer_controls_generic::show_debug101() { not_implemented("show_debug101"); }
void tcontainer_controls_generic::save_to_file(const std::string&) { not_implemented("save_to_file"); }
void tcontainer_controls_generic::draw_control(tcanvas&, int32_t&, tvelmor_control*) { not_implemented("draw_control"); }
void tcontainer_controls_generic::draw_control(tcanvas&, int32_t&, int32_t) { not_implemented("draw_control"); }
bool tcontainer_controls_generic::send_key(int32_t, tcanvas&, int32_t&, bool, uint16_t, tshift_state, bool) {
    not_implemented("send_key");
}
bool tcontainer_controls_generic::send_character(int32_t, tcanvas&, int32_t&, bool, char16_t) { return false; }
tvelmor_focus_order tcontainer_controls_generic::can_get_next_focus(int32_t&, int32_t) {
    not_implemented("can_get_next_focus");
}
bool tcontainer_controls_generic::can_get_prior_focus(int32_t&, int32_t) { not_implemented("can_get_prior_focus"); }
bool tcontainer_controls_generic::focus_control(int32_t, bool) { not_implemented("focus_control"); }
bool tcontainer_controls_generic::execute_control_service(void*, tcontrol_service, int32_t) {
    not_implemented("execute_control_service");
}
void tcontainer_controls_generic::draw_control_specific(tcanvas&, int32_t&, int32_t, tdraw_type, int32_t) {
    not_implemented("draw_control_specific");
}
void tcontainer_controls_generic::themes_exchange(int32_t, int32_t) { not_implemented("themes_exchange"); }
