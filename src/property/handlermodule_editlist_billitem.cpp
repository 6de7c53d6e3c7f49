#include "property/handlermodule_editlist_billitem.h"

#include <algorithm>

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/panel.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "pages/page_hooks.h"
#include "procs/message_format.h"
#include "pages/page_support.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& editlist_billitem_form() {
    static const Tform_page2 form("Tform_page_editlist_billitem",
                                  Tform_page2::embedded_text("form_page_editlist_billitem"));
    return form;
}

bool is_blank(const std::u16string& atext) { return atext.find_first_not_of(u" \t") == std::u16string::npos; }

char16_t fold(char16_t ach) { return ach >= u'a' && ach <= u'z' ? static_cast<char16_t>(ach - u'a' + u'A') : ach; }

int compare_text(const std::u16string& a, const std::u16string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::u16string text_of(const tdbrecord_generic2& arecord, std::string_view afield) {
    const int32_t index = arecord.get_field_index1(afield);
    return arecord.get_field_is_assigned(index) ? arecord.get_asunicodestring1(index) : std::u16string();
}

}  // namespace

Thandlermodule_editlist_billitem::Thandlermodule_editlist_billitem(tpage_controller_generic* aowner,
                                                                   thandler_type ahandler_type,
                                                                   tgraphbox_generic* agraphbox)
    : Thandlermodule_editlist_generic(aowner, ahandler_type, agraphbox) {
    frecord = std::make_unique<tdbrecord_bill_item2>();
    frecord0 = std::make_unique<tdbrecord_bill_item2>();
}

const thandler_class& Thandlermodule_editlist_billitem::handler_class() {
    static const thandler_class c("Thandlermodule_editlist_billitem",
                                  &handler_factory_of<Thandlermodule_editlist_billitem>, &editlist_billitem_form(),
                                  &tparams_null::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_editlist_billitem::grid() { return control<tvelmor_grid>(tag_grid); }

int32_t Thandlermodule_editlist_billitem::get_tabpage_panel(int16_t atabpageno) const {
    switch (atabpageno) {
        case 0: return tag_panel_list;
        case 1: return tag_panel_detail;
        case 2: return tag_panel_root;
        default: throw tvelmor_exception("Invalid tabpageno %d in %s.get_tabpage_panel();", atabpageno, class_name());
    }
}

void Thandlermodule_editlist_billitem::sort_lines(std::vector<trecord_bill_item>& alines) {
    std::stable_sort(alines.begin(), alines.end(), [](const trecord_bill_item& a, const trecord_bill_item& b) {
        const int by_supplier = compare_text(a.fsupplier, b.fsupplier);
        return by_supplier != 0 ? by_supplier < 0 : compare_text(a.fcode, b.fcode) < 0;
    });
}

std::u16string Thandlermodule_editlist_billitem::line_text(const trecord_bill_item& aline) {
    return aline.fsupplier.empty() ? aline.fcode : aline.fsupplier + u" - " + aline.fcode;
}

std::u16string Thandlermodule_editlist_billitem::delete_question(const trecord_bill_item& aline) {
    std::u16string question = u"Delete Bill Item -\r\n    ";
    if (!is_blank(aline.fsupplier)) {
        question += aline.fsupplier;
        if (!is_blank(aline.fcode)) question += u" - ";
    }
    if (!is_blank(aline.fcode)) question += aline.fcode;
    return question + u" ?";
}

void Thandlermodule_editlist_billitem::once_created() {
    control<tvelmor_grid>(tag_grid_header).set_rowcount(1);
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_editlist_billitem::once_laid_out() { set_lines(Tdatamodule_bill_item::load_bill_items(), -1); }

// Sorted, with the current row on item aselect_id (the first line when it is not there).
void Thandlermodule_editlist_billitem::set_lines(std::vector<trecord_bill_item> alines, int32_t aselect_id) {
    sort_lines(alines);
    flines = std::move(alines);
    flist_lines.clear();
    int32_t row = 0;
    for (int32_t i = 0; i < line_count(); ++i) {
        flist_lines.push_back(flines[static_cast<size_t>(i)].fid);
        if (flines[static_cast<size_t>(i)].fid == aselect_id) row = i;
    }
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    if (line_count() > 0) g.row_setfull(row);
}

bool Thandlermodule_editlist_billitem::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::ontop_closed && (atag == tag_ontop_delete || atag == tag_ontop_menu)) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : -1;
        if (atag == tag_ontop_delete && result == Thandlermodule_dialog::result_yes) delete_line();
        // The page menu: "New Bill Item...", "Delete Bill Item...".
        if (atag == tag_ontop_menu && result == 0) new_item();
        if (atag == tag_ontop_menu && result == 1) ask_delete();
        return true;
    }
    return Thandlermodule_editlist_generic::callback_message(aparams, atag, amsg);
}

void Thandlermodule_editlist_billitem::new_item() {
    if (ftabpageno != 0) return;
    fis_newrecord = true;
    frecord->clear();
    frecord0->clear();
    fcontrols->update_header_controls(tag_fieldlinks, -1);
    set_tabpageno(1, false);
}

void Thandlermodule_editlist_billitem::ask_delete() {
    const int32_t row = grid().row;
    if (ftabpageno != 0 || row < 0 || row >= line_count()) return;
    fdeleting_row = row;
    run_dialog(tag_ontop_delete, delete_question(flines[static_cast<size_t>(row)]));
}

void Thandlermodule_editlist_billitem::delete_line() {
    if (fdeleting_row < 0 || fdeleting_row >= line_count()) return;
    send_soft_delete(331, flines[static_cast<size_t>(fdeleting_row)].fid);
    flines.erase(flines.begin() + fdeleting_row);
    flist_lines.erase(flist_lines.begin() + fdeleting_row);
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    // The current row stays on a line: deleting the last moves it up to the line now last.
    if (g.row >= line_count() && line_count() > 0) g.row_setfull(line_count() - 1);
    fdeleting_row = -1;
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

void Thandlermodule_editlist_billitem::load_record() {
    if (frow_operate < 0 || frow_operate >= line_count())
        throw tvelmor_exception("Invalid row %d in %s.load_record();", frow_operate, class_name());
    const int32_t id = flines[static_cast<size_t>(frow_operate)].fid;
    if (!Tdatamodule_bill_item::get_bill_item(static_cast<tdbrecord_bill_item2&>(*frecord), id))
        throw tvelmor_exception("Bill Item %d not found in %s.load_record();", id, class_name());
}

bool Thandlermodule_editlist_billitem::set_tabpageno(int16_t atabpageno, bool arefresh) {
    if (atabpageno > 1 || atabpageno == ftabpageno) return false;
    const int32_t panel_old = get_tabpage_panel(ftabpageno);
    const int32_t panel_new = get_tabpage_panel(atabpageno);
    if (atabpageno == 0 && arefresh) refresh_line();
    show_tab(atabpageno, panel_old, panel_new, atabpageno == 1 ? tag_edit_supplier : tag_grid);
    return true;
}

// After a save: a new item joins the list, an edited one takes its new texts; the list is sorted
// again and the current row follows the item.
void Thandlermodule_editlist_billitem::refresh_line() {
    trecord_bill_item line;
    line.fid = frecord->get_aslongint1(frecord->get_field_index1("id"));
    line.fsupplier = text_of(*frecord, "supplier");
    line.fcode = text_of(*frecord, "code");
    std::vector<trecord_bill_item> lines = flines;
    auto same = std::find_if(lines.begin(), lines.end(), [&](const trecord_bill_item& l) { return l.fid == line.fid; });
    if (same != lines.end())
        *same = line;
    else if (fsaving_new)
        lines.push_back(line);
    set_lines(std::move(lines), line.fid);
}

void Thandlermodule_editlist_billitem::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                     const trect& arect, int32_t arow, int32_t acol) {
    std::u16string text;
    if (acontrol->tag == tag_grid_header) {
        if (arow == 0) text = acol == 0 ? u"Id" : acol == 1 ? u"Code" : u"";
    } else if (acontrol->tag == tag_grid) {
        if (arow >= 0 && arow < line_count()) {
            const trecord_bill_item& line = flines[static_cast<size_t>(arow)];
            text = acol == 0 ? utf8_to_utf16(std::to_string(line.fid)) : acol == 1 ? line_text(line) : u"";
        }
    } else
        return;
    paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, text);
}
