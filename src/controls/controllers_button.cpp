// The button controller. A click is the release of a pushed button: by Enter's key-up, or by the
// mouse let go over the button. Every change of the pushed state is redrawn through the theme.
//
//   event          pushed before  over the button  pushed after  the handler hears
//   Enter down     no             -                yes           -
//   Enter up       yes            -                no            focus next, then 1103
//   mouse down     -              yes              yes           -
//   mouse up       yes            yes              no            1103
//   mouse up       yes            no               no            - (let go elsewhere)
//   mouse move     yes            no               no            - (left the button)
// A button that is not enabled takes no keys; clicks on it are used but change nothing.
#include "controls/controllers.h"

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/procs_drawing.h"
#include "controls/theme.h"

namespace {

void redraw(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme, tvelmor_button& abutton,
            const trect& arect) {
    auto* theme = dynamic_cast<tvelmor_theme_button*>(atheme);
    if (theme && theme->classrender) theme->classrender->draw_button(acanvas, afont_tag, theme, abutton, arect);
}

bool is_on_button(tvelmor_theme* atheme, const tvelmor_button& abutton, const trect& arect, int32_t ax, int32_t ay) {
    auto* theme = dynamic_cast<tvelmor_theme_button*>(atheme);
    if (theme && theme->classrender) return theme->classrender->get_pt_button(abutton, arect, ax, ay);
    return tprocs_rect::contains_pt(arect, ax, ay);
}

}  // namespace

bool tvelmor_controller_button::handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme,
                                               tvelmor_button& acontrol, const trect& arect, uint16_t akey,
                                               tshift_state, bool as_keyup) {
    if (akey != tvk::enter || !acontrol.enabled) return false;
    const bool was_pushed = acontrol.pushed;
    if (!acontrol.push(as_keyup)) return false;
    redraw(acanvas, afont_tag, atheme, acontrol, arect);
    if (as_keyup && was_pushed) {
        // The focus moves before the click is reported: a click that leaves the page frees the
        // button and its handler, which must not be asked anything afterwards.
        icontrols_owner* owner = acontrol.owner;
        if (owner) owner->execute_command2(cn_focus_next);
        acontrol.send_message2(tmsg_code::button_pressed);
    }
    return true;
}

bool tvelmor_controller_button::handle_mousedown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme,
                                                 tvelmor_button& acontrol, const trect& arect, int32_t ax,
                                                 int32_t ay, bool as_mouseup) {
    if (!is_on_button(atheme, acontrol, arect, ax, ay)) {
        // Let go elsewhere without a move in between: released without a click.
        if (as_mouseup && acontrol.pushed && acontrol.push(true)) redraw(acanvas, afont_tag, atheme, acontrol, arect);
        return false;
    }
    if (!acontrol.enabled) return true;
    const bool was_pushed = acontrol.pushed;
    if (acontrol.push(as_mouseup)) redraw(acanvas, afont_tag, atheme, acontrol, arect);
    if (as_mouseup && was_pushed) acontrol.send_message2(tmsg_code::button_pressed);
    return true;
}

bool tvelmor_controller_button::handle_mousemove(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme* atheme,
                                                 tvelmor_button& acontrol, const trect& arect, int32_t ax,
                                                 int32_t ay) {
    if (!acontrol.pushed) return false;
    if (!is_on_button(atheme, acontrol, arect, ax, ay) && acontrol.push(true))
        redraw(acanvas, afont_tag, atheme, acontrol, arect);
    return acontrol.pushed;
}
