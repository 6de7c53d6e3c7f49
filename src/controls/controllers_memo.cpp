// The memo controller: keys by shift state, text changes at the caret with a re-wrap from the
// caret line, and caret moves, each redrawing only what changed through the memo renderer.
//
//   Ctrl:     Enter line break; End, Home, Left, Right caret by word / to the ends of the text
//   Shift:    Tab focus back; digits, letters, punctuation type shifted
//   none:     Backspace, Delete; Tab, Enter focus on; Space, digits, letters, punctuation type;
//             End, Home, Left, Up, Right, Down move the caret
// Every other combination is left to the handler (false). On a read-only page the keys that
// would change the text are used but change nothing. Characters delivered as text (another
// layout, an input method) type like the character keys (handle_character).
#include "controls/controllers.h"

#include <algorithm>

#include "controls/controls_owner.h"
#include "controls/memo_renderer.h"
#include "controls/procs_drawing.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "values/validators.h"

namespace {

bool types_a_character(uint16_t akey, bool as_space_too) {
    return tvelmor_keyboard::is_character_key(akey) || (as_space_too && akey == tvk::space);
}

// One key's work on a memo: the edits, the re-wraps and the redraws.
class tmemo_edit {
public:
    tmemo_edit(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& amemo, tvelmor_theme* atheme, const trect& arect,
               bool as_readonly)
        : ffont_tag(afont_tag), fcanvas(acanvas), fmemo(amemo), ftheme(dynamic_cast<tvelmor_theme_memo*>(atheme)),
          frect(arect), freadonly(as_readonly) {}

    void type(char16_t ach) {
        change(1, [&] {
            fmemo.add_character(ach);
            return true;
        });
    }
    void backspace() {
        change(-1, [&] { return fmemo.backspace_character(); });
    }
    void del() {
        change(0, [&] { return fmemo.delete_character(); });
    }

    void newline() {
        if (freadonly) return;
        ensure_wrapped();
        const int32_t count_before = fmemo.line_count();
        clear_selection();
        const int32_t from = fmemo.cursor_lineno;
        apply_font();
        fmemo.add_newline(fcanvas);
        redraw_after(from, fmemo.place_caret(fmemo.get_caret_index()), count_before);
    }

    void move(tcursor_move amove) {
        ensure_wrapped();
        const bool was_selected = fmemo.selectedall;
        fmemo.set_selectedall(false);
        const int32_t old_line = fmemo.cursor_lineno, old_pos = fmemo.cursor_pos;
        const tdraw_update update = fmemo.move_cursor(amove);
        if (!renderer()) return;
        if (was_selected) update_lines(du_redraw_lines, old_line, old_pos);
        else update_lines(update, old_line, old_pos);
    }

private:
    const tvelmor_render_memo_generic* renderer() const { return ftheme ? ftheme->classrender : nullptr; }
    void apply_font() {
        if (ftheme) tprocs_font::set_font(fcanvas, ffont_tag, ftheme->font);
    }

    // Text assigned from a field since the last wrap has no lines that match it yet.
    void ensure_wrapped() {
        if (!fmemo.displaylns_match_text()) rewrap(0);
    }

    void rewrap(int32_t afrom_lineno) {
        if (renderer()) {
            renderer()->recalculate_displaylns(ffont_tag, fcanvas, fmemo, ftheme, frect, afrom_lineno);
        } else if (afrom_lineno <= 0) {
            fmemo.calculate_line_extents(fcanvas, tvelmor_render_memo_standard::wrap_width(frect));
        } else {
            fmemo.calculate_line_extents_fromline(fcanvas, tvelmor_render_memo_standard::wrap_width(frect),
                                                  afrom_lineno);
        }
    }

    // Typing over a memo shown all selected replaces its whole text.
    bool clear_selection() {
        if (!fmemo.selectedall) return false;
        fmemo.set_text(u"");
        rewrap(0);
        return true;
    }

    // aedit changes the text at the caret, which then lies adelta characters further on.
    template <typename F>
    void change(int32_t adelta, F aedit) {
        if (freadonly) return;
        ensure_wrapped();
        const int32_t count_before = fmemo.line_count();
        const bool cleared = clear_selection();
        const int32_t from = fmemo.cursor_lineno;
        int32_t index = fmemo.get_caret_index();
        if (aedit()) index += adelta;
        else if (!cleared) return;
        rewrap(from);
        redraw_after(from, fmemo.place_caret(index), count_before);
    }

    // After a change from line afrom_lineno: the lines from there to the last one shown; all shown
    // lines when the memo scrolled; the whole memo when lines went away, so no stale row stays.
    void redraw_after(int32_t afrom_lineno, bool as_scrolled, int32_t acount_before) {
        if (!renderer()) return;
        if (fmemo.line_count() < acount_before) {
            renderer()->draw_memo(ffont_tag, fcanvas, fmemo, ftheme, frect);
            return;
        }
        redraw_from(as_scrolled ? fmemo.line_top : std::max(afrom_lineno, fmemo.line_top));
    }

    void redraw_from(int32_t afrom_lineno) {
        apply_font();
        const int32_t last = std::min(fmemo.line_top + fmemo.line_count_visible, fmemo.line_count()) - 1;
        for (int32_t k = afrom_lineno; k <= last; ++k) renderer()->redraw_line(fcanvas, fmemo, ftheme, frect, k);
    }

    void update_lines(tdraw_update aupdate, int32_t aold_line, int32_t aold_pos) {
        apply_font();
        switch (aupdate) {
        case du_redraw_line: renderer()->redraw_line(fcanvas, fmemo, ftheme, frect, fmemo.cursor_lineno); break;
        case du_redraw_line_move_left:
            renderer()->redraw_cursor_pos(fcanvas, fmemo, ftheme, frect, true, aold_pos - fmemo.cursor_pos);
            break;
        case du_redraw_line_move_right:
            renderer()->redraw_cursor_pos(fcanvas, fmemo, ftheme, frect, false, fmemo.cursor_pos - aold_pos);
            break;
        case du_redraw_line2:
            renderer()->redraw_line(fcanvas, fmemo, ftheme, frect, aold_line);
            renderer()->redraw_line(fcanvas, fmemo, ftheme, frect, fmemo.cursor_lineno);
            break;
        case du_redraw_lines: redraw_from(fmemo.line_top); break;
        case du_none: break;
        }
    }

    int32_t& ffont_tag;
    tcanvas& fcanvas;
    tvelmor_memo& fmemo;
    tvelmor_theme_memo* ftheme;
    trect frect;
    bool freadonly;
};

void focus(tvelmor_memo& amemo, thandler_command acommand) {
    if (amemo.owner) amemo.owner->execute_command2(acommand);
}

bool ctrl_key(tmemo_edit& aedit, uint16_t akey) {
    switch (akey) {
    case tvk::enter: aedit.newline(); return true;
    case tvk::end: aedit.move(cm_ctrl_end); return true;
    case tvk::home: aedit.move(cm_ctrl_home); return true;
    case tvk::left: aedit.move(cm_ctrl_left); return true;
    case tvk::right: aedit.move(cm_ctrl_right); return true;
    default: return false;
    }
}

bool shift_key(tmemo_edit& aedit, tvelmor_memo& amemo, uint16_t akey) {
    if (akey == tvk::tab) {
        focus(amemo, cn_focus_prior);
        return true;
    }
    if (!types_a_character(akey, false)) return false;
    aedit.type(tvelmor_keyboard::translate_key(akey, true, tvelmor_keyboard::caps_for(akey)));
    return true;
}

bool plain_key(tmemo_edit& aedit, tvelmor_memo& amemo, uint16_t akey) {
    switch (akey) {
    case tvk::back: aedit.backspace(); return true;
    case tvk::tab:
    case tvk::enter: focus(amemo, cn_focus_next); return true;
    case tvk::end: aedit.move(cm_end); return true;
    case tvk::home: aedit.move(cm_home); return true;
    case tvk::left: aedit.move(cm_left); return true;
    case tvk::up: aedit.move(cm_up); return true;
    case tvk::right: aedit.move(cm_right); return true;
    case tvk::down: aedit.move(cm_down); return true;
    case tvk::del: aedit.del(); return true;
    default: break;
    }
    if (!types_a_character(akey, true)) return false;
    aedit.type(tvelmor_keyboard::translate_key(akey, false, tvelmor_keyboard::caps_for(akey)));
    return true;
}

}  // namespace

bool tvelmor_controller_memo::handle_keydown(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol,
                                             tvelmor_theme* atheme, const trect& arect, bool as_readonly,
                                             uint16_t akey, tshift_state ashift, bool as_keyup,
                                             tvalidator_generic*) {
    if (as_keyup) return false;
    tmemo_edit edit(afont_tag, acanvas, acontrol, atheme, arect, as_readonly);
    switch (ashift) {
    case ss_ctrl: return ctrl_key(edit, akey);
    case ss_shift: return shift_key(edit, acontrol, akey);
    case 0: return plain_key(edit, acontrol, akey);
    default: return false;
    }
}

bool tvelmor_controller_memo::handle_character(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol,
                                               tvelmor_theme* atheme, const trect& arect, bool as_readonly,
                                               char16_t ach, tvalidator_generic* avalidator) {
    if (!tvelmor_keyboard::is_typeable(ach)) return false;
    if (avalidator && !as_readonly && !avalidator->can_accept_character(ach)) return false;
    tmemo_edit(afont_tag, acanvas, acontrol, atheme, arect, as_readonly).type(ach);
    return true;
}
