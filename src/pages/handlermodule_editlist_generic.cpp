#include "pages/handlermodule_editlist_generic.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controllers.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/surface.h"
#include "controls/text_controls.h"
#include "controls/panel.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_edit_generic.h"
#include "pages/handlermodule_header.h"
#include "pages/page_hooks.h"
#include "pages/page_controller_generic.h"
#include "values/procs_datarecord2.h"

namespace {
constexpr int32_t tag_footer_save = 202, tag_footer_edit = 203, tag_footer_menu = 205;
constexpr int32_t tag_save_changes = 9101;
constexpr int32_t theme_viewing = 909, theme_editing = 910, theme_modified = 911;
// Footer legends: F2 2, F3 4, F7 64, F9 256.
constexpr uint16_t footer_all = 2 + 4 + 64 + 256;
constexpr uint16_t footer_f2 = 2, footer_f3 = 4, footer_f7 = 64, footer_f9 = 256;
}  // namespace

void Thandlermodule_editlist_generic::bind_data() {
    auto* links = dynamic_cast<tmiscobject_fieldlinks_record*>(fcontrols->get_miscobject(tag_fieldlinks));
    if (!links) throw tvelmor_exception("Field links %d not found in %s.bind_data();", tag_fieldlinks, class_name());
    links->setup_data1(frecord.get());
}

int32_t Thandlermodule_editlist_generic::get_ejt_id() {
    throw tvelmor_exception("%s.get_ejt_id(); not implemented", class_name());
}

void Thandlermodule_editlist_generic::load_record() {
    throw tvelmor_exception("%s.load_record(); not implemented", class_name());
}

bool Thandlermodule_editlist_generic::set_tabpageno(int16_t, bool) {
    throw tvelmor_exception("%s.set_tabpageno(); not implemented", class_name());
}

bool Thandlermodule_editlist_generic::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ftabpageno == 0) return keydown_list(akey, ashift, as_keyup);
    if (ftabpageno == 1) return keydown_detail(akey, ashift, as_keyup);
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_editlist_generic::keydown_list(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == 0) switch (akey) {
        case tvk::enter:
            if (!as_keyup) open_row();
            return true;
        case tvk::escape:
            if (!as_keyup && fowner) fowner->page_exit();
            return true;
        case tvk::prior:
        case tvk::next:
        case tvk::up:
        case tvk::down: return send_grid_key(akey, ashift, as_keyup);
        case tvk::f7:
            if (!as_keyup && fowner) fowner->run_menu(true);
            return true;
        default: break;
        }
    if (ashift == ss_ctrl && (akey == tvk::end || akey == tvk::home)) return send_grid_key(akey, ashift, as_keyup);
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_editlist_generic::keydown_detail(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == 0) switch (akey) {
        case tvk::escape:
        case tvk::f9:
            if (as_keyup) return true;
            if (fmodified)
                run_dialog(tag_save_changes, u"Save changes ?");
            else
                set_tabpageno(0, false);
            return true;
        case tvk::f2:
            if (!as_keyup && fmode_editing && fmodified) commit_edit(false);
            return true;
        case tvk::f3:
            if (!as_keyup) set_mode_editing(true, false);
            return true;
        default: break;
        }
    if (ashift == ss_ctrl && akey == tvk::next) return as_keyup || set_tabpageno(2, false);
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_editlist_generic::open_row() {
    frow_operate = control<tvelmor_customgrid>(tag_grid).row;
    if (frow_operate < 0 || frow_operate >= static_cast<int32_t>(flist_lines.size())) return;
    fis_newrecord = false;
    load_record();
    tprocs_datarecord2::assign(*frecord0, *frecord);
    fcontrols->update_header_controls(tag_fieldlinks, -1);
    set_tabpageno(1, false);
}

bool Thandlermodule_editlist_generic::send_grid_key(uint16_t akey, tshift_state ashift, bool as_keyup) {
    return fcontrols->send_key(tag_grid, canvas(), fgraphbox->ffont_tag, false, akey, ashift, as_keyup);
}

bool Thandlermodule_editlist_generic::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (ftabpageno != 1) return false;
    if (amsg == tmsg_code::ontop_closed && atag == tag_save_changes) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
        if (result == 6)
            commit_edit(false);
        else if (result == 7)
            cancel_edit();
        return true;
    }
    if (amsg != tmsg_code::edit_changed) return false;
    auto* edit = dynamic_cast<tvelmor_edit*>(&control<tvelmor_control>(atag));
    if (edit && edit->header == tag_fieldlinks) {
        set_modified(true);
        edit->tag_theme = theme_modified;
    }
    return true;
}

void Thandlermodule_editlist_generic::commit_edit(bool as_stay) {
    struct tsaving_scope {
        bool& fflag;
        ~tsaving_scope() { fflag = false; }
    } saving{fsaving_new};
    fsaving_new = fis_newrecord;
    bool written = false;
    if (!tprocs_datarecord2::is_equal(*frecord, *frecord0)) {
        save_record_ejt(get_ejt_id(), *frecord, *frecord0, fis_newrecord, class_name());
        fis_newrecord = false;
        tprocs_datarecord2::assign(*frecord0, *frecord);
        written = true;
    }
    set_modified(false);
    set_mode_editing(false, as_stay);
    if (!as_stay) set_tabpageno(0, written);
}

void Thandlermodule_editlist_generic::cancel_edit() {
    // A new record's untouched copy has no values: copying it back over typed ones is refused.
    if (fis_newrecord)
        frecord->clear();
    else
        tprocs_datarecord2::assign(*frecord, *frecord0);
    fcontrols->update_header_controls(tag_fieldlinks, -1);
    set_modified(false);
    set_mode_editing(false, false);
}

void Thandlermodule_editlist_generic::set_footer_enabled(int32_t atag, bool aenabled, bool as_skip_draw) {
    Thandlermodule_page* footer = fowner ? fowner->get_handler_footer() : nullptr;
    // The footer the page runs under may lack the legend.
    auto* label = footer ? footer->find_control<tvelmor_customlabel>(atag) : nullptr;
    if (!label || label->enabled == aenabled) return;
    label->enabled = aenabled;
    if (!as_skip_draw) footer->draw_control(atag, false);
}

void Thandlermodule_editlist_generic::set_modified(bool amodified) {
    if (amodified == fmodified) return;
    fmodified = amodified;
    set_footer_enabled(tag_footer_save, fmodified, false);
}

void Thandlermodule_editlist_generic::set_mode_editing(bool amode_editing, bool as_skip_draw) {
    if (amode_editing == fmode_editing) return;
    fmode_editing = amode_editing;
    set_footer_enabled(tag_footer_edit, !fmode_editing, as_skip_draw);
    set_footer_enabled(tag_footer_menu, !fmode_editing, as_skip_draw);
    fcontrols->themes_exchange(theme_viewing, theme_editing);
    tvelmor_control_types edits;
    edits.include(ac_edit);
    tvelmor_iterate_options all;
    all.include(ai_include_invisible);
    auto list = fcontrols->create_interface_iterate(103, tag_panel_detail, edits, all);
    for (list->first(); !list->eof(); list->next()) {
        list->item()->tag_theme = theme_viewing;
        if (!as_skip_draw && list->item()->visible) draw_control(list->item(), false);
    }
}

void Thandlermodule_editlist_generic::show_tab(int16_t atabpageno, int32_t apanel_old, int32_t apanel_new,
                                               int32_t afocus_tag) {
    fcontrols->get_panel(apanel_old)->visible = false;
    fcontrols->get_panel(apanel_new)->visible = true;
    ftabpageno = atabpageno;
    if (atabpageno == 1) {
        set_mode_editing(fis_newrecord, true);
        set_modified(false);
    }
    set_focused_tag(afocus_tag, true);
    show_tab_bars(atabpageno);
    get_messages().add_message(501, jt_erase_panel, fhandler_type, apanel_old, 0);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, apanel_new);
}

void Thandlermodule_editlist_generic::show_tab_bars(int16_t atabpageno) {
    if (!fowner) return;
    if (auto* footer = dynamic_cast<ifooter_settings*>(fowner->get_handler_footer())) {
        uint16_t enabled = footer_f9;
        if (fmodified) enabled |= footer_f2;
        if (!fmode_editing) enabled |= footer_f3 | footer_f7;
        footer->set_buttons_invisible(atabpageno == 1 ? footer_f7 : footer_all, false);
        footer->set_buttons_enabled(enabled, false);
    }
    // The header draws a change of the minus button itself, not of the plus or the menu.
    if (auto* header = dynamic_cast<iheader_settings*>(fowner->get_handler_header())) {
        for (tparams_header param : {ph_menu_enabled, ph_button_plus_enabled, ph_button_minus_enabled})
            header->set_header_param(param, atabpageno == 0, false);
        get_messages().add_message(501, jt_draw_control, ht_header, Thandlermodule_header::tag_plus);
        get_messages().add_message(501, jt_draw_control, ht_header, Thandlermodule_header::tag_menu);
    }
}
