#include "property/handlermodule_edit_cpunit.h"

#include "accounts/datamodule_search_account.h"
#include "pages/page_support.h"
#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/miscobject_textlines.h"
#include "controls/panel.h"
#include "controls/procs_drawing.h"
#include "controls/procs_velmor.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "database/datamodule_database_customers.h"
#include "database/ejt_class.h"
#include "database/ejt_generic.h"
#include "database/datamodule_ejt.h"
#include "database/procs_querys.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "pages/page_hooks.h"
#include "pages/search_grid_link.h"
#include "property/datamodule_cp_site.h"
#include "property/site_params.h"
#include "values/params_generic.h"
#include "values/procs_datarecord2.h"

namespace {

constexpr int32_t tag_header_plus = 9901;
constexpr int32_t tag_header_minus = 9902;
constexpr int32_t answer_yes = 6;
constexpr int32_t answer_no = 7;
constexpr int16_t priority_task = 301;
constexpr int32_t font_cells = 26378;  // verdana 10
constexpr int32_t tag_links = 101;

// The panel and first control of each tab.
constexpr int32_t tab_panels[3] = {2102, 2103, 2104};
constexpr int32_t tab_first_controls[3] = {203, 303, 403};
constexpr const char16_t* tab_captions[3] = {u"Details", u"Water", u"Power"};

const Tform_page_editable_generic& unit_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_cpunit",
                                                  Tform_page2::embedded_text("form_page_edit_cpunit"));
    return form;
}

}  // namespace

Thandlermodule_edit_cpunit::Thandlermodule_edit_cpunit(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                       tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_cp_site>(Tdatamodule_database_customers::instance())),
      fsearch(std::make_unique<Tdatamodule_search_account>(Tdatamodule_database_customers::instance())),
      fsearch_link(std::make_unique<tsearch_grid_link>(*this, *fsearch, tag_grid_search)) {
    // Lines that come while the search is hidden wait for the next search.
    fsearch->fon_lines_added = [this] {
        if (fshowing_search_account) fsearch_link->lines_added();
    };
    frecord = std::make_unique<tdbrecord_cp_unit2>();
    frecord0 = std::make_unique<tdbrecord_cp_unit2>();
}

Thandlermodule_edit_cpunit::~Thandlermodule_edit_cpunit() = default;

const thandler_class& Thandlermodule_edit_cpunit::handler_class() {
    static const thandler_class c("Thandlermodule_edit_cpunit", &handler_factory_of<Thandlermodule_edit_cpunit>,
                                  &unit_form(), &tparams_id::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_edit_cpunit::grid(int32_t atag) { return control<tvelmor_grid>(atag); }

int32_t Thandlermodule_edit_cpunit::unit_id() const {
    const int32_t index = frecord->get_field_index1("id");
    return frecord->get_field_is_assigned(index) ? frecord->get_aslongint1(index) : -1;
}

void Thandlermodule_edit_cpunit::save_params(tparams_generic& aparams) {
    save_site_id(aparams, fid_site);
}

void Thandlermodule_edit_cpunit::once_laid_out() {
    fid_site = take_site_id(*this);
    get_messages().add_task(priority_task, jt_run_task, fhandler_type, task_load_units, mp_overwrite, -1);
    get_messages().add_task(priority_task, jt_run_task, fhandler_type, task_load_templates, mp_none, 0);
    Thandlermodule_edit_generic::once_laid_out();
}

void Thandlermodule_edit_cpunit::run_task(int32_t atag, int32_t aparam) {
    if (atag == task_load_units)
        load_units(aparam);
    else if (atag == task_load_templates)
        load_templates();
    else
        Thandlermodule_edit_generic::run_task(atag, aparam);
}

void Thandlermodule_edit_cpunit::load_units(int32_t aid_select) {
    flist_units.clear();
    tprocs_querys::load_table_list(flist_units, dben_table_cp_unit, {}, {"id_site"}, {tcondition_value::integer(fid_site)});
    tvelmor_grid& units = grid(tag_grid_units);
    const int32_t count = flist_units.get_count();
    if (count > 0) {
        int32_t row = count - 1;
        while (row >= 0 && flist_units.get_item(row).fid != aid_select) --row;
        if (row < 0) row = 0;
        load_unit_row(row, false);
        units.set_rowcount(count);
        units.row_setfull(row);
        set_details_enabled(true);
        set_minus_enabled(true);
        set_focused_tag(ftabpageno == 0 ? tag_edit_name : tab_first_controls[ftabpageno], true);
    } else {
        load_unit_row(-1, false);
        set_tabpageno(0);
        set_focused_tag(0, true);
        set_details_enabled(false);
        set_minus_enabled(false);
        units.set_rowcount(0);
    }
    get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_units);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, tab_panels[ftabpageno]);
}

void Thandlermodule_edit_cpunit::load_templates() {
    auto* templates = dynamic_cast<tmiscobject_textlines*>(fcontrols->get_miscobject(tag_templates));
    if (!templates) throw tvelmor_exception("Template list %d not found in %s.load_templates();", tag_templates, class_name());
    tprocs_querys::load_sql_proc("SELECT id, name FROM cp_invoice ORDER BY id", {}, {}, [&](tfb_query& aquery) {
        templates->add_textline(aquery.field(0).as_integer(), aquery.field(1).as_widestring());
    });
    templates->finish_adds();
    for (int32_t tag : {306, 406}) fcontrols->update_header_controls(tag_links, tag);
    if (ftabpageno != 0) get_messages().add_message(501, jt_draw_panel, fhandler_type, tab_panels[ftabpageno]);
}

void Thandlermodule_edit_cpunit::load_unit_row(int32_t arow, bool as_draw) {
    findex_water = -1;
    findex_power = -1;
    frecord->clear();
    if (arow >= 0 && arow < flist_units.get_count()) {
        frecord->set_aslongint1(frecord->get_field_index1("id"), flist_units.get_item(arow).fid);
        tprocs_querys::load_record_bypk(*frecord, dben_table_cp_unit);
    }
    take_copy();
    fis_newrecord = false;
    show_account_name();
    refresh_controls();
    if (as_draw) get_messages().add_message(501, jt_draw_panel, fhandler_type, tab_panels[ftabpageno]);
}

void Thandlermodule_edit_cpunit::set_details_enabled(bool aenabled) {
    for (int32_t tag : {tag_edit_name, tag_edit_account})
        control<tvelmor_edit>(tag).set_enabled(aenabled);
    for (int32_t tag : {202, 205})
        control<tvelmor_customlabel>(tag).enabled = aenabled;
    grid(tag_grid_tabs).enabled = aenabled;
}

void Thandlermodule_edit_cpunit::set_minus_enabled(bool aenabled) {
    if (auto* header = page_header(*this)) header->set_header_param(ph_button_minus_enabled, aenabled, true);
}

bool Thandlermodule_edit_cpunit::is_record_changed() const {
    if (!fmode_editing) return false;
    if (fis_newrecord) return fmodified;
    return !tprocs_datarecord2::is_equal(*frecord, *frecord0);
}

void Thandlermodule_edit_cpunit::finish_editing_then(tafter_question aafter) {
    // A text typed into the focused edit counts as if the edit had been left.
    if (fmode_editing && !accept_focused_edit()) return;
    if (is_record_changed()) {
        fafter_question = aafter;
        run_dialog(tag_save_changes, u"Save changes ?");
        return;
    }
    if (fmode_editing) drop_edit();
    after_question(aafter);
}

void Thandlermodule_edit_cpunit::after_question(tafter_question aafter) {
    switch (aafter) {
        case aq_select_unit: {
            tvelmor_grid& units = grid(tag_grid_units);
            units.row_setfull(frow_unit_selecting);
            load_unit_row(frow_unit_selecting, true);
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_units);
            break;
        }
        case aq_leave:
            if (fowner) fowner->page_exit();
            break;
        case aq_pictures: goto_pictures(); break;
        case aq_none: break;
    }
}

void Thandlermodule_edit_cpunit::goto_pictures() {
    if (!fowner) return;
    const thandler_class* pictures = fowner->get_page_table().find(pageno_pictures);
    if (!pictures)
        throw tvelmor_exception("Page handler class not assigned in tpage_controller.get_handlerclass_pageno();");
    const tparam_value params[] = {int64_t{fid_site}};
    fowner->page_enter(*pictures, params, true);
}

void Thandlermodule_edit_cpunit::save_changes() {
    save_record_ejt(321, *frecord, *frecord0, fis_newrecord, class_name());
    fis_newrecord = false;
}

void Thandlermodule_edit_cpunit::commit_edit() {
    const bool was_new = fis_newrecord;
    Thandlermodule_edit_generic::commit_edit();
    reset_meter_looks();
    if (!was_new) {
        // The list shows the name.
        const int32_t row = grid(tag_grid_units).row;
        if (row >= 0 && row < flist_units.get_count())
            flist_units.get_item(row).fname = frecord->get_asunicodestring1(frecord->get_field_index1("name"));
        get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_units);
        return;
    }
    get_messages().add_task(priority_task, jt_run_task, fhandler_type, task_load_units, mp_overwrite, unit_id());
    set_minus_enabled(true);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_units);
}

// Leaving editing resets the looks of the details panel only; the meter tabs' combo boxes must
// not keep their modified look either, and the account edit shows the account again rather than
// a search text that was never chosen.
void Thandlermodule_edit_cpunit::reset_meter_looks() {
    for (int32_t tag : {303, 306, 403, 406})
        control<tvelmor_control>(tag).tag_theme = 924;
    if (fshowing_search_account) show_search(false);
    show_account_name();
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_edit_account);
}

void Thandlermodule_edit_cpunit::show_account_name() {
    const int32_t account = frecord->get_field_index1("account");
    control<tvelmor_edit>(tag_edit_account)
        .set_text(frecord->get_field_is_assigned(account)
                      ? Tdatamodule_cp_site::lookup_account_name(frecord->get_aslongint1(account))
                      : std::u16string());
}

// Back to viewing without saving: the unit as it was stored (a new one is dropped for the unit
// of the list's current row).
void Thandlermodule_edit_cpunit::drop_edit() {
    if (fis_newrecord) {
        load_unit_row(grid(tag_grid_units).row, true);
        cancel_edit(true);
        // A site without units has nothing to show again.
        if (flist_units.is_empty()) {
            set_details_enabled(false);
            get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_units);
        }
    } else
        cancel_edit(false);
    reset_meter_looks();
}

bool Thandlermodule_edit_cpunit::set_tabpageno(int16_t atabpageno) {
    if (atabpageno < 0 || atabpageno > 2 || atabpageno == ftabpageno) return false;
    const int32_t panel_old = tab_panels[ftabpageno], panel_new = tab_panels[atabpageno];
    if (fshowing_search_account) show_search(false);
    fcontrols->get_panel(panel_old)->visible = false;
    fcontrols->get_panel(panel_new)->visible = true;
    ftabpageno = atabpageno;
    tvelmor_grid& tabs = grid(tag_grid_tabs);
    tabs.cell_setsimple(0, atabpageno);
    const int32_t first = tab_first_controls[atabpageno];
    if (atabpageno != 0 || unit_id() != -1 || fis_newrecord)
        set_focused_tag(first, true);
    get_messages().add_message(501, jt_erase_panel, fhandler_type, panel_old, 0);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, panel_new);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_tabs);
    return true;
}

bool Thandlermodule_edit_cpunit::can_select_unit(int32_t arow) {
    if (arow == grid(tag_grid_units).row || arow < 0 || arow >= flist_units.get_count()) return false;
    if (fshowing_search_account) show_search(false);
    if (fmode_editing && !accept_focused_edit()) return false;
    if (is_record_changed()) {
        frow_unit_selecting = arow;
        fafter_question = aq_select_unit;
        run_dialog(tag_save_changes, u"Save changes ?");
        return false;
    }
    if (fmode_editing) leave_editing();
    return true;
}

// Ctrl+Up and Ctrl+Down (off a combo box): the unit list cannot take the focus, so these keys
// move in it.
void Thandlermodule_edit_cpunit::select_unit_by_key(int32_t adelta) {
    tvelmor_grid& units = grid(tag_grid_units);
    const int32_t row = units.row + adelta;
    if (!can_select_unit(row)) return;
    units.row_setfull(row);
    load_unit_row(row, true);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_units);
}

void Thandlermodule_edit_cpunit::new_unit() {
    // A pending edit would be dropped without a word.
    if (is_record_changed()) return;
    frecord->clear();
    frecord->set_aslongint1(frecord->get_field_index1("id_site"), fid_site);
    take_copy();
    fis_newrecord = true;
    control<tvelmor_edit>(tag_edit_account).set_text(u"");
    set_details_enabled(true);
    set_tabpageno(0);
    refresh_controls();
    set_modified(false, -1);
    set_mode_editing(true, tag_panel_edit, 0);
    set_focused_tag(tag_edit_name, false);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_edit);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_tabs);
}

void Thandlermodule_edit_cpunit::ask_delete() {
    if (unit_id() == -1 || fis_newrecord) return;
    run_dialog(tag_ontop_delete,
               u"Delete Unit [" + frecord->get_asunicodestring1(frecord->get_field_index1("name")) + u"] ?");
}

void Thandlermodule_edit_cpunit::delete_unit() {
    const int32_t id = unit_id();
    if (id == -1) return;
    std::unique_ptr<tejt_generic> ejt = tejt_database::create_ejt(322);
    auto& remove = dynamic_cast<tejt_record_delete&>(*ejt);
    remove.frecord->set_aslongint1(remove.frecord->get_field_index1("id"), id);
    Tdatamodule_ejt::instance().send_ejt_record(*ejt, nullptr);
    if (fmode_editing) leave_editing();
    frecord->clear();
    take_copy();
    refresh_controls();
    get_messages().add_task(priority_task, jt_run_task, fhandler_type, task_load_units, mp_overwrite, -1);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_units);
}

void Thandlermodule_edit_cpunit::show_search(bool ashow) {
    if (fshowing_search_account == ashow) return;
    fshowing_search_account = ashow;
    fcontrols->get_panel(tag_panel_search)->visible = ashow;
    if (ashow) {
        get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_search);
    } else {
        fsearch->close();
        get_messages().add_message(501, jt_erase_panel, fhandler_type, tag_panel_search, 0);
    }
}

void Thandlermodule_edit_cpunit::run_search() {
    show_search(true);
    fsearch_link->search(control<tvelmor_edit>(tag_edit_account).get_text());
}

void Thandlermodule_edit_cpunit::pick_search_line() {
    const int32_t row = grid(tag_grid_search).row;
    if (row < 0 || row >= fsearch->line_count()) return;
    control<tvelmor_edit>(tag_edit_account).set_text(fsearch->line_name(row));
    frecord->set_aslongint1(frecord->get_field_index1("account"), fsearch->line_id(row));
    set_modified(true, tag_edit_account);
    show_search(false);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_edit_account);
}

bool Thandlermodule_edit_cpunit::keydown_search(uint16_t akey) {
    switch (akey) {
        case tvk::prior:
        case tvk::next:
        case tvk::up:
        case tvk::down:
            fcontrols->send_key(tag_grid_search, canvas(), fgraphbox->ffont_tag, false, akey, 0, false);
            return true;
        case tvk::enter: pick_search_line(); return true;
        case tvk::escape: show_search(false); return true;
        default: return false;
    }
}

bool Thandlermodule_edit_cpunit::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    const tshift_state mods = ashift & (ss_shift | ss_ctrl | ss_alt);
    if (mods == ss_ctrl || mods == (ss_ctrl | ss_shift)) {
        if (as_keyup) return true;
        const bool shift = mods & ss_shift;
        if (akey == tvk::tab) {
            if (grid(tag_grid_tabs).enabled) set_tabpageno(static_cast<int16_t>(ftabpageno + (shift ? -1 : 1)));
            return true;
        }
        if (!shift && akey == tvk::prior) {
            finish_editing_then(aq_pictures);
            return true;
        }
        // Ctrl+Down on a combo box drops its list down.
        const tvelmor_control* focused = fcontrols->get_control(ffocused_tag);
        if (!shift && (akey == tvk::up || akey == tvk::down) && !(focused && focused->id == ac_combobox)) {
            if (!fshowing_search_account) select_unit_by_key(akey == tvk::up ? -1 : 1);
            return true;
        }
    }
    if (mods == 0) {
        if (fshowing_search_account && keydown_search(akey)) return true;
        switch (akey) {
            case tvk::escape:
                if (!as_keyup) finish_editing_then(aq_leave);
                return true;
            case tvk::f2:
                if (!as_keyup && fmode_editing && accept_focused_edit() && (fmodified || fis_newrecord)) commit_edit();
                return true;
            case tvk::f3:
                if (!as_keyup && !fmode_editing && unit_id() != -1) set_mode_editing(true, tag_panel_edit, 0);
                return true;
            // F9 cancels editing, or leaves as on the other edit pages.
            case tvk::f9:
                if (!as_keyup && fmode_editing)
                    drop_edit();
                else if (!as_keyup && fowner)
                    fowner->page_exit();
                return true;
            case tvk::f11:
                if (!as_keyup) show_record_dump(*this);
                return true;
            // The header's plus button from the keyboard, as Insert adds on the other pages.
            case tvk::insert:
                if (!as_keyup) new_unit();
                return true;
            default: break;
        }
    }
    return Thandlermodule_editable_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_cpunit::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    switch (amsg) {
        case tmsg_code::grid_can_select: {
            const auto* cell = static_cast<const tmsg_params_cell*>(aparams);
            if (atag == tag_grid_units) return cell && can_select_unit(cell->row);
            if (atag == tag_grid_tabs) return grid(tag_grid_tabs).enabled;
            return true;
        }
        case tmsg_code::grid_moved:
            if (atag == tag_grid_search && aparams)
                fsearch_link->data_request(static_cast<tmsg_params_grid_moved*>(aparams)->how);
            if (atag == tag_grid_units) load_unit_row(grid(tag_grid_units).row, true);
            if (atag == tag_grid_tabs) set_tabpageno(static_cast<int16_t>(grid(tag_grid_tabs).col));
            return true;
        case tmsg_code::edit_text_changed:
            if (atag == tag_edit_account) run_search();
            return true;
        case tmsg_code::button_pressed:
            if (atag == tag_header_plus) new_unit();
            if (atag == tag_header_minus) ask_delete();
            return true;
        case tmsg_code::ontop_closed: {
            const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
            if (atag == tag_ontop_delete) {
                if (result == answer_yes) delete_unit();
                return true;
            }
            if (atag == tag_save_changes) {
                const tafter_question after = fafter_question;
                fafter_question = aq_none;
                if (result == answer_yes)
                    commit_edit();
                else if (result == answer_no)
                    drop_edit();
                else
                    return true;
                after_question(after);
                return true;
            }
            break;
        }
        default: break;
    }
    return Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_cpunit::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                               int32_t arow, int32_t acol) {
    if (!acontrol) return;
    if (acontrol->tag == tag_grid_units) {
        paint_unit_cell(atheme, arect, arow);
    } else if (acontrol->tag == tag_grid_tabs) {
        auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(atheme);
        if (!theme || !theme->classrender || acol < 0 || acol > 2) return;
        theme->classrender->control_paint(fgraphbox->ffont_tag, canvas(), static_cast<tvelmor_customgrid&>(*acontrol),
                                          theme, arect, tab_captions[acol], arow, acol, font_cells, taCenter, 0);
    } else {
        fsearch_link->paint(acontrol, atheme, arect, arow, acol);
    }
}

// Two lines 24 high: "Unit:" and below it the unit's name.
void Thandlermodule_edit_cpunit::paint_unit_cell(tvelmor_theme* atheme, const trect& arect, int32_t arow) {
    tcanvas& c = canvas();
    auto& units = grid(tag_grid_units);
    c.set_brush_style(tbrush_style::bs_solid);
    if (arow < 0 || arow >= flist_units.get_count()) {
        c.set_brush_color(color_white);
        c.fill_rect(arect);
        return;
    }
    tprocs_velmor::set_grid_cell_colors(c, units, arow, 0, atheme);
    c.fill_rect(arect);
    tprocs_font::set_font(c, fgraphbox->ffont_tag, font_cells);
    c.set_text_align(ttext_halign::left, ttext_valign::bottom);
    // Each line is clipped (and its background filled) to its own 24 pixels.
    const trect first{arect.left, arect.top, arect.right, arect.top + 24};
    const trect second{arect.left, arect.top + 24, arect.right, arect.bottom};
    c.text_rect(first, first.left + 4, first.top + 20, u"Unit:");
    c.text_rect(second, second.left + 4, second.top + 20, flist_units.get_item(arow).fname);
}

// The copy may hold fields the working record no longer has (after a clear): it starts empty.
void Thandlermodule_edit_cpunit::take_copy() {
    frecord0->clear();
    tprocs_datarecord2::assign(*frecord0, *frecord);
}
