// The edit controller and the edit's own key handling: what each key does to the text, and the
// exact part of the edit redrawn through the renderer of its theme.
//
//   Ctrl+Home / Ctrl+End    select all / deselect (line redrawn when it changed); Ctrl+other: nothing
//   Backspace               last character removed (all of it when selected), scrolled back
//   character keys          appended when the validator takes them; a selection is replaced
//   characters as text      the same as character keys (handle_character)
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

bool tvelmor_edit::receive_character(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, bool as_readonly,
                                     char16_t ach, tvelmor_theme* atheme, tvalidator_generic* avalidator) {
    if (as_readonly || !tvelmor_keyboard::is_typeable(ach)) return false;
    auto* theme = dynamic_cast<tvelmor_theme_edit*>(atheme);
    if (theme) tprocs_font::set_font(acanvas, afont_tag, theme->font);
    const tedit_update update = add_character(acanvas, ach, arect.width(), avalidator);
    draw_update(acanvas, *this, arect, theme, update, ach);
    return update.kind != tedit_update::eu_none;
}

bool tvelmor_controller_edit::validate_edit(tvelmor_edit& aedit, tvalidator_generic& avalidator) {
    bool changed = false;
    if (!avalidator.validate_value(changed, aedit.get_text())) return false;
    aedit.set_text(avalidator.get_text(false));
    if (changed) aedit.send_message2(tmsg_code::edit_changed);
    return true;
}

namespace {

// Runs a change of the edit's text and tells a listening handler when the text changed (1105).
template <typename F>
void reporting_text_changes(tvelmor_edit& acontrol, F achange) {
    const bool listening = acontrol.edit_options.contains(eo_listen_text_changes);
    const std::u16string text_before = listening ? acontrol.get_text() : std::u16string();
    achange();
    if (listening && acontrol.get_text() != text_before) acontrol.send_message2(tmsg_code::edit_text_changed);
}

}  // namespace

bool tvelmor_controller_edit::handle_character(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol,
                                               const trect& arect, bool as_readonly, char16_t ach,
                                               tvelmor_theme* atheme, tvalidator_generic* avalidator) {
    bool typed = false;
    reporting_text_changes(acontrol, [&] {
        typed = acontrol.receive_character(acanvas, afont_tag, arect, as_readonly, ach, atheme, avalidator);
    });
    return typed;
}

bool tvelmor_controller_edit::handle_keydown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol,
                                             const trect& arect, bool as_readonly, uint16_t akey, tshift_state ashift,
                                             bool as_keyup, tvelmor_theme* atheme, tvalidator_generic* avalidator) {
    if (as_keyup) return false;
    bool used = false;
    reporting_text_changes(acontrol, [&] {
        acontrol.receive_key(acanvas, afont_tag, arect, as_readonly, tvelmor_keyboard::caps_for(akey), akey, ashift,
                             atheme, avalidator);
        const bool back = ashift == ss_shift && akey == tvk::tab;
        const bool forth = ashift == 0 && (akey == tvk::tab || akey == tvk::enter);
        if (!back && !forth) return;
        used = true;
        // An invalid text keeps the focus in the edit.
        const bool valid = as_readonly || !avalidator || validate_edit(acontrol, *avalidator);
        if (valid && acontrol.owner) acontrol.owner->execute_command2(back ? cn_focus_prior : cn_focus_next);
    });
    return used;
}
