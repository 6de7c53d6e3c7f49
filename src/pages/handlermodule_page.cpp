#include "pages/handlermodule_page.h"

#include <cxxabi.h>

#include <cstdlib>

#include "controls/canvas.h"
#include "controls/container_controls.h"
#include "controls/element.h"
#include "controls/grid_controls.h"
#include "controls/miscobject.h"
#include "controls/miscobjects.h"
#include "pages/page_controller_generic.h"
#include "values/valueelement_generic.h"
#include "values/params_generic.h"

Thandlermodule_page::Thandlermodule_page(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                         tgraphbox_generic* agraphbox,
                                         std::unique_ptr<tcontainer_controls_generic> acontrols)
    : fowner(aowner), fhandler_type(ahandler_type), fgraphbox(agraphbox), fcontrols(std::move(acontrols)) {
    if (!fcontrols) fcontrols = std::make_unique<tcontainer_controls2>(this);
}

Thandlermodule_page::~Thandlermodule_page() = default;

void Thandlermodule_page::add_element(std::unique_ptr<tvelmor_object> acontrol) {
    fcontrols->add_element(std::move(acontrol));
}
void Thandlermodule_page::add_control(std::unique_ptr<tvelmor_control> acontrol) {
    fcontrols->add_control(std::move(acontrol));
}
void Thandlermodule_page::add_value(std::unique_ptr<tvalueelement_generic> avalue) {
    fcontrols->add_value(std::move(avalue));
}
void Thandlermodule_page::add_miscobject(std::unique_ptr<tvelmor_miscobject> avalue) {
    fcontrols->add_miscobject(std::move(avalue));
}
void Thandlermodule_page::finish_adds(int32_t astageno) { fcontrols->finish_adds(astageno); }

tcanvas& Thandlermodule_page::canvas() { return *fgraphbox->get_canvas(); }

Tdatamodule_messages& Thandlermodule_page::get_messages() {
    if (!fowner) return Thandlermodule_generic::get_messages();
    return fowner->get_messages();
}

void Thandlermodule_page::draw_control(tvelmor_control* acontrol, bool as_erase) {
    if (acontrol->visible)
        fcontrols->draw_control(canvas(), fgraphbox->ffont_tag, acontrol);
    else if (as_erase)
        erase_viewport(acontrol->tag, 0);
}

void Thandlermodule_page::draw_control(int32_t atag, bool as_erase) {
    // A tag this page does not have (a job queued by a page since replaced) draws nothing.
    if (auto* found = find_control<tvelmor_control>(atag)) draw_control(found, as_erase);
}

bool Thandlermodule_page::control_focus(int32_t atag, bool avalue) {
    return execute_control_service(&avalue, cs_focus_control, atag);
}

void Thandlermodule_page::control_paint_default(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                                int32_t arow, int32_t acol) {
    auto* grid = dynamic_cast<tvelmor_customgrid*>(acontrol);
    if (!grid)
        throw tvelmor_exception("%s.control_paint_default( %s ) not implmented.", class_name(),
                                control_type_name(acontrol->id));
    if (grid->header == 0) return;
    auto* render = dynamic_cast<tmiscobject_render*>(fcontrols->get_miscobject(grid->header));
    if (!render) return;
    std::u16string text;
    if (grid->header2 != 0) {
        tvelmor_miscobject* source = fcontrols->get_miscobject(grid->header2);
        const auto* plain = dynamic_cast<const tvelmor_grid*>(grid);
        const bool transpose = plain && plain->transpose;
        if (!source || !source->get_textvalue_rowcol(text, transpose ? acol : arow, transpose ? arow : acol)) return;
    }
    render->control_paint(fgraphbox->ffont_tag, canvas(), acontrol, atheme, text, arect, arow, acol);
}

bool Thandlermodule_page::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ffocused_tag == 0) return false;
    return fcontrols->send_key(ffocused_tag, canvas(), fgraphbox->ffont_tag, get_readonly(), akey, ashift,
                               as_keyup);
}

bool Thandlermodule_page::handle_character(char16_t ach) {
    if (ffocused_tag == 0) return false;
    return fcontrols->send_character(ffocused_tag, canvas(), fgraphbox->ffont_tag, get_readonly(), ach);
}

void Thandlermodule_page::handle_resize(bool as_skip_draw) {
    lay_out();
    if (!flaid_out) {
        flaid_out = true;
        once_laid_out();
    }
    if (!as_skip_draw) handle_paint();
}

void Thandlermodule_page::lay_out() {
    fcontrols->calculate_viewports(fgraphbox->ffont_tag, canvas(), fgraphbox->get_clientrect());
}

namespace {

// "tvelmor_grid" for the type of tvelmor_grid.
std::string type_display_name(const std::type_info& atype) {
    int status = 0;
    char* demangled = abi::__cxa_demangle(atype.name(), nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : atype.name();
    std::free(demangled);
    return name;
}

}  // namespace

void Thandlermodule_page::raise_control_missing(int32_t atag, const std::type_info& akind,
                                                const tvelmor_control* afound) const {
    const std::string kind = type_display_name(akind);
    if (!afound) throw tvelmor_exception("Control %d (%s) not found in %s.control();", atag, kind, class_name());
    throw tvelmor_exception("Control %d is a %s, not a %s, in %s.control();", atag, afound->class_name(), kind,
                            class_name());
}

void Thandlermodule_page::handle_paint() { fcontrols->draw_controls(canvas(), fgraphbox->ffont_tag); }

void Thandlermodule_page::handle_mousemove(tshift_state ashift, int32_t ax, int32_t ay) {
    fcontrols->handle_mousemove(canvas(), fgraphbox->ffont_tag, ashift, ax, ay);
}

void Thandlermodule_page::handle_mousedown(tmouse_button abutton, tshift_state ashift, int32_t ax, int32_t ay,
                                           bool as_mouseup) {
    fcontrols->handle_mousedown(canvas(), fgraphbox->ffont_tag, abutton, ashift, ax, ay, as_mouseup);
}

void Thandlermodule_page::execute_command2(thandler_command acommand) {
    int32_t next = 0;
    switch (acommand) {
        case cn_focus_next:
            if (ffocused_tag != 0 && execute_control_service(&next, cs_can_get_next_focus, ffocused_tag))
                set_focused_tag(next, false);
            return;
        case cn_focus_prior:
            if (ffocused_tag != 0 && execute_control_service(&next, cs_can_get_prior_focus, ffocused_tag))
                set_focused_tag(next, false);
            return;
        case cn_focus_next_panel: {
            uint8_t skip_draw = 0;
            execute_command(&skip_draw, cn_focus_next_panel);
            return;
        }
        case cn_focus_off:
            // Only a control further on counts: from the last one the focus goes nowhere.
            if (ffocused_tag != 0)
                set_focused_tag(fcontrols->can_get_next_focus(next, ffocused_tag) == fo_greaterthan ? next : 0,
                                false);
            return;
    }
    throw tvelmor_exception("%s.execute_command2( %s ); not implemented.", class_name(),
                            handler_command_name(acommand));
}

void Thandlermodule_page::execute_command(void* aparams, thandler_command acommand) {
    if (acommand != cn_focus_next_panel)
        throw tvelmor_exception("%s.execute_command( %s ); not implemented.", class_name(),
                                handler_command_name(acommand));
    int32_t next = 0;
    if (execute_control_service(&next, cs_can_get_next_focus_panel, ffocused_tag))
        set_focused_tag(next, *static_cast<const uint8_t*>(aparams) != 0);
}

tvelmor_miscobject* Thandlermodule_page::get_miscobject(int32_t) { return nullptr; }

bool Thandlermodule_page::get_screen_params(tscreen_params& aparams) {
    if (fcontrols->tag_screenparams == -1) return false;
    const auto* declared = dynamic_cast<const tmiscobject_screenparams*>(fcontrols->get_miscobject(fcontrols->tag_screenparams));
    if (!declared) return false;
    aparams.ffooter_visible = declared->footer_visible;
    aparams.ffooter_buttons_invisible = static_cast<uint16_t>(declared->footer_buttons_invisible);
    aparams.ffooter_buttons_enabled = static_cast<uint16_t>(declared->footer_buttons_enabled);
    aparams.fheader_visible = declared->header_visible;
    aparams.fheader_caption_width = declared->header_caption_width;
    aparams.fheader_caption = declared->header_caption;
    aparams.fheader_buttons_visible = static_cast<uint16_t>(declared->header_buttons_visible);
    aparams.fheader_buttons_disabled = static_cast<uint16_t>(declared->header_buttons_disabled);
    return true;
}

void Thandlermodule_page::set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) {
    if (!fowner) return;
    if (auto* footer = dynamic_cast<ifooter_settings*>(fowner->get_handler_footer()))
        footer->set_footer_button_param(abutton, acaption);
}

void Thandlermodule_page::save_params(tparams_generic&) {}
void Thandlermodule_page::bind_data() {}
void Thandlermodule_page::once_created() {}
void Thandlermodule_page::show_debug101() { not_implemented("show_debug101"); }

bool Thandlermodule_page::execute_control_service(void* aresult, tcontrol_service acontrol_service, int32_t atag) {
    return fcontrols->execute_control_service(aresult, acontrol_service, atag);
}
