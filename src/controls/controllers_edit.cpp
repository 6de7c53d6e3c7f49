// The edit controller and the edit's own key handling: what each key does to the text, and the
// exact part of the edit redrawn through the renderer of its theme.
//
//   Ctrl+Home / Ctrl+End    select all / deselect (line redrawn when it changed); Ctrl+other: nothing
//   Backspace               last character removed (all of it when selected), scrolled back
//   character keys          appended when the validator takes them; a selection is replaced
//   Tab, Shift+Tab, Enter   validate (editing pages with a validator), then move the focus
// Read-only pages: only the Ctrl keys and the focus keys act.
#include "controls/controllers.h"

#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/procs_drawing.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "values/validators.h"

namespace {

void draw_update(tcanvas& acanvas, tvelmor_edit& aedit, const trect& arect, tvelmor_theme_edit* atheme,
                 const tedit_update& aupdate, char16_t ach) {
    if (!atheme || !atheme->classrender || aupdate.kind == tedit_update::eu_none) return;
    const trect cell{arect.left + aupdate.from, arect.top, arect.left + aupdate.to, arect.bottom};
    switch (aupdate.kind) {
    case tedit_update::eu_single_char: atheme->classrender->draw_single_char(acanvas, cell, aedit, ach, atheme); break;
    case tedit_update::eu_clear_chars: atheme->classrender->clear_characters(acanvas, cell, aedit, atheme); break;
    default: atheme->classrender->draw_line(acanvas, aedit, arect, atheme); break;
    }
}

}  // namespace

void tvelmor_edit::receive_key(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, bool as_readonly,
                               bool as_caps, uint16_t akey, tshift_state ashift, tvelmor_theme* atheme,
                               tvalidator_generic* avalidator) {
    auto* theme = dynamic_cast<tvelmor_theme_edit*>(atheme);
    if (ashift & ss_ctrl) {
        const bool select = akey == tvk::home && !selectedall;
        const bool deselect = akey == tvk::end && selectedall;
        if (!select && !deselect) return;
        set_selectedall(select);
        draw_update(acanvas, *this, arect, theme, {tedit_update::eu_line}, 0);
        return;
    }
    if (as_readonly) return;
    // Extents are measured in the edit's own font.
    if (theme) tprocs_font::set_font(acanvas, afont_tag, theme->font);
    if (akey == tvk::back) {
        draw_update(acanvas, *this, arect, theme, delete_last(acanvas, arect.width(), avalidator), 0);
        return;
    }
    const char16_t ch = tvelmor_keyboard::translate_key(akey, (ashift & ss_shift) != 0, as_caps);
    if (ch != 0) draw_update(acanvas, *this, arect, theme, add_character(acanvas, ch, arect.width(), avalidator), ch);
}

bool tvelmor_controller_edit::validate_edit(tvelmor_edit& aedit, tvalidator_generic& avalidator) {
    bool changed = false;
    if (!avalidator.validate_value(changed, aedit.get_text())) return false;
    aedit.set_text(avalidator.get_text(false));
    if (changed) aedit.send_message2(tmsg_code::edit_changed);
    return true;
}

bool tvelmor_controller_edit::handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol,
                                             const trect& arect, bool as_readonly, uint16_t akey, tshift_state ashift,
                                             bool as_keyup, tvelmor_theme* atheme, tvalidator_generic* avalidator) {
    if (as_keyup) return false;
    const bool listening = acontrol.edit_options.contains(eo_listen_text_changes);
    const std::u16string text_before = listening ? acontrol.get_text() : std::u16string();
    acontrol.receive_key(acanvas, afont_tag, arect, as_readonly, tvelmor_keyboard::caps_for(akey), akey, ashift,
                         atheme, avalidator);
    bool used = false;
    const bool back = ashift == ss_shift && akey == tvk::tab;
    const bool forth = ashift == 0 && (akey == tvk::tab || akey == tvk::enter);
    if (back || forth) {
        used = true;
        // An invalid text keeps the focus in the edit.
        const bool valid = as_readonly || !avalidator || validate_edit(acontrol, *avalidator);
        if (valid && acontrol.owner) acontrol.owner->execute_command2(back ? cn_focus_prior : cn_focus_next);
    }
    if (listening && acontrol.get_text() != text_before) acontrol.send_message2(tmsg_code::edit_text_changed);
    return used;
}
