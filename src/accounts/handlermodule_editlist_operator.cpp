#include "accounts/handlermodule_editlist_operator.h"

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "database/datamodule_database_customers.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "pages/page_hooks.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

namespace {

constexpr int32_t tag_header_plus = Thandlermodule_header::tag_main_plus;
constexpr int32_t tag_header_minus = Thandlermodule_header::tag_main_minus;
constexpr int32_t answer_yes = Thandlermodule_dialog::result_yes;
// Fetching everything left of the list, a helping at a time.
constexpr int32_t helping_rest = 500;

const char16_t* const header_captions[] = {u"Id", u"First Name", u"Last Name"};

const Tform_page2& operator_form() {
    static const Tform_page2 form("Tform_page_editlist_operator",
                                  Tform_page2::embedded_text("form_page_editlist_operator"));
    return form;
}

bool is_blank(const std::u16string& atext) { return atext.find_first_not_of(u" \t") == std::u16string::npos; }

// A name field of the record; a field never given a value reads as empty.
std::u16string text_of(const tdbrecord_generic2& arecord, std::string_view afield) {
    const int32_t index = arecord.get_field_index1(afield);
    return arecord.get_field_is_assigned(index) ? arecord.get_asunicodestring1(index) : std::u16string();
}

}  // namespace

Thandlermodule_editlist_operator::Thandlermodule_editlist_operator(tpage_controller_generic* aowner,
                                                                   thandler_type ahandler_type,
                                                                   tgraphbox_generic* agraphbox)
    : Thandlermodule_editlist_generic(aowner, ahandler_type, agraphbox),
      transaction_operators(Tdatamodule_database_customers::instance().database_customers, tfb_transaction_kind::read_only),
      dataset_operators(Tdatamodule_database_customers::instance().database_customers, transaction_operators,
                        qoStartTransaction | qoAutoCommit),
      fmodule(Tdatamodule_database_customers::instance()) {
    frecord = std::make_unique<tdbrecord_operator2>();
    frecord0 = std::make_unique<tdbrecord_operator2>();
    dataset_operators.add_sql_line("SELECT id, first_name, last_name");
    dataset_operators.add_sql_line("FROM operator");
    dataset_operators.add_sql_line("WHERE COALESCE( deleted, 0 ) <> 1");
    dataset_operators.add_sql_line("ORDER BY 1");
    datablock_operators.afterconstruction({"dataset_operators"}, [this](const std::string& aname) -> tvelmor_object* {
        return aname == "dataset_operators" ? &dataset_operators : nullptr;
    });
    datablock_operators.fon_add_record = [this](int32_t) { add_dataset_line(); };
    // Nothing is read before the first layout.
    datablock_operators.ffinished = true;
}

const thandler_class& Thandlermodule_editlist_operator::handler_class() {
    static const thandler_class c("Thandlermodule_editlist_operator",
                                  &handler_factory_of<Thandlermodule_editlist_operator>, &operator_form(),
                                  &tparams_null::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_editlist_operator::grid() { return control<tvelmor_grid>(tag_grid); }

int32_t Thandlermodule_editlist_operator::get_tabpage_panel(int16_t atabpageno) const {
    switch (atabpageno) {
        case 0: return tag_panel_list;
        case 1: return tag_panel_detail;
        default: throw tvelmor_exception("Invalid tabpageno %d in %s.get_tabpage_panel();", atabpageno, class_name());
    }
}

void Thandlermodule_editlist_operator::once_created() {
    control<tvelmor_grid>(tag_grid_header).set_rowcount(1);
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_editlist_operator::once_laid_out() {
    tvelmor_grid& g = grid();
    datablock_operators.open_datasets();
    fetch_lines(2 * g.row_count_visible);
    g.set_rowcount(line_count());
}

void Thandlermodule_editlist_operator::add_dataset_line() {
    trecord_line line;
    line.fid = dataset_operators.FieldByName("id").as_integer();
    line.ffirst_name = dataset_operators.FieldByName("first_name").as_widestring();
    line.flast_name = dataset_operators.FieldByName("last_name").as_widestring();
    flist_lines.push_back(line.fid);
    flines.push_back(std::move(line));
}

void Thandlermodule_editlist_operator::fetch_lines(int32_t acount) {
    if (acount > 0 && !datablock_operators.finished()) datablock_operators.add_records(acount);
}

bool Thandlermodule_editlist_operator::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ftabpageno == 0) {
        // On the list a key with a modifier does nothing.
        if (ashift != 0) return false;
        if (akey == tvk::insert) {
            if (!as_keyup) new_operator();
            return true;
        }
        if (akey == tvk::del) {
            if (!as_keyup) ask_delete();
            return true;
        }
    }
    return Thandlermodule_editlist_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_editlist_operator::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::grid_moved && atag == tag_grid) {
        data_request(static_cast<tmsg_params_grid_moved*>(aparams)->how);
        return true;
    }
    if (ftabpageno == 0 && amsg == tmsg_code::button_pressed && (atag == tag_header_plus || atag == tag_header_minus)) {
        if (atag == tag_header_plus) new_operator();
        else ask_delete();
        return true;
    }
    if (amsg == tmsg_code::ontop_closed && (atag == tag_ontop_delete || atag == tag_ontop_menu)) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : -1;
        if (atag == tag_ontop_delete && result == answer_yes) delete_line();
        // The page menu: "New Operator...", "Delete Operator...".
        if (atag == tag_ontop_menu && result == 0) new_operator();
        if (atag == tag_ontop_menu && result == 1) ask_delete();
        return true;
    }
    return Thandlermodule_editlist_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_editlist_operator::data_request(uint8_t ahow) {
    tvelmor_grid& g = grid();
    if (g.row < g.rowcount - 2 * g.row_count_visible) return;
    if ((ahow != gmv_row_down && ahow != gmv_page_down) || datablock_operators.finished()) return;
    const int32_t before = g.rowcount;
    fetch_lines(ahow == gmv_row_down ? 2 : g.row_count_visible);
    grid_follows_lines(before);
}

void Thandlermodule_editlist_operator::grid_follows_lines(int32_t arowcount_before) {
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    // A move draws the grid before it asks for lines: new lines in the rows shown are painted now.
    if (g.rowcount > arowcount_before && arowcount_before < g.row_top + g.row_count_visible)
        get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

void Thandlermodule_editlist_operator::new_operator() {
    fis_newrecord = true;
    frecord->clear();
    frecord0->clear();
    fcontrols->update_header_controls(tag_fieldlinks, -1);
    set_tabpageno(1, false);
}

std::u16string Thandlermodule_editlist_operator::delete_question(const trecord_line& aline) {
    std::u16string question = u"Delete Operator -\r\n    ";
    if (!is_blank(aline.ffirst_name)) question += aline.ffirst_name + u" ";
    if (!is_blank(aline.flast_name)) question += aline.flast_name + u" ";
    return question + u"?";
}

void Thandlermodule_editlist_operator::ask_delete() {
    const int32_t row = grid().row;
    if (row < 0 || row >= line_count()) return;
    frow = row;
    run_dialog(tag_ontop_delete, delete_question(flines[static_cast<size_t>(row)]));
}

void Thandlermodule_editlist_operator::delete_line() {
    if (frow < 0 || frow >= line_count()) return;
    send_soft_delete(ejt_operator_update, flines[static_cast<size_t>(frow)].fid);
    flines.erase(flines.begin() + frow);
    flist_lines.erase(flist_lines.begin() + frow);
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    // Deleting the last line moves the current row up to the line that is now last.
    if (g.row >= line_count() && line_count() > 0) g.row_setfull(line_count() - 1);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

void Thandlermodule_editlist_operator::load_record() {
    if (frow_operate < 0 || frow_operate >= line_count())
        throw tvelmor_exception("Invalid row %d in %s.load_record();", frow_operate, class_name());
    const int32_t id = flines[static_cast<size_t>(frow_operate)].fid;
    if (!fmodule.get_operator(static_cast<tdbrecord_operator2&>(*frecord), id))
        throw tvelmor_exception("Operator %d not found in %s.load_record();", id, class_name());
}

bool Thandlermodule_editlist_operator::set_tabpageno(int16_t atabpageno, bool arefresh) {
    if (atabpageno > 1 || atabpageno == ftabpageno) return false;
    const int32_t panel_old = get_tabpage_panel(ftabpageno);
    const int32_t panel_new = get_tabpage_panel(atabpageno);
    if (atabpageno == 0 && arefresh) refresh_line();
    show_tab(atabpageno, panel_old, panel_new, atabpageno == 1 ? tag_edit_first_name : tag_grid);
    return true;
}

// After a save: a new operator gets its line, an edited one its new names.
void Thandlermodule_editlist_operator::refresh_line() {
    trecord_line line;
    line.fid = frecord->get_aslongint1(frecord->get_field_index1("id"));
    line.ffirst_name = text_of(*frecord, "first_name");
    line.flast_name = text_of(*frecord, "last_name");
    tvelmor_grid& g = grid();
    if (!fsaving_new) {
        if (frow_operate < 0 || frow_operate >= line_count() || flines[static_cast<size_t>(frow_operate)].fid != line.fid)
            return;
        flines[static_cast<size_t>(frow_operate)] = std::move(line);
        return;
    }
    // The open list would deliver the new operator again once its fetching reaches it (the
    // reading transaction sees committed rows), so the list is completed first and the line
    // added only when the list does not hold it yet.
    while (!datablock_operators.finished()) datablock_operators.add_records(helping_rest);
    int32_t row = 0;
    while (row < line_count() && flines[static_cast<size_t>(row)].fid != line.fid) ++row;
    if (row == line_count()) {
        flist_lines.push_back(line.fid);
        flines.push_back(std::move(line));
    }
    g.set_rowcount(line_count());
    g.row_setfull(row);
}

std::u16string Thandlermodule_editlist_operator::cell_text(int32_t atag, int32_t arow, int32_t acol) const {
    if (atag == tag_grid_header) return arow == 0 && acol >= 0 && acol < 3 ? header_captions[acol] : u"";
    if (arow < 0 || arow >= line_count()) return {};
    const trecord_line& line = flines[static_cast<size_t>(arow)];
    switch (acol) {
        case 0: return utf8_to_utf16(std::to_string(line.fid));
        case 1: return line.ffirst_name;
        case 2: return line.flast_name;
        default: return {};
    }
}

void Thandlermodule_editlist_operator::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                     const trect& arect, int32_t arow, int32_t acol) {
    if (acontrol->tag == tag_grid || acontrol->tag == tag_grid_header)
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, cell_text(acontrol->tag, arow, acol));
}
