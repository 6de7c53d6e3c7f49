#include "property/handlermodule_enter_cpunit_readings.h"

#include <ctime>

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controllers.h"
#include "controls/grid_controls.h"
#include "controls/grid_renderers_geometry.h"
#include "controls/key_codes.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/procs_drawing.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "database/procs_querys.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_edit_generic.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "procs/procs_daycount.h"
#include "property/datamodule_cp_site.h"
#include "property/site_params.h"
#include "values/dbrecords2.h"
#include "values/params_generic.h"

// The unit name is as wide as the column, so that no unit of the site makes the block fail.
const char* const Thandlermodule_enter_cpunit_readings::sqltext_load_cpunit_readings =
    "EXECUTE BLOCK RETURNS (\n"
    "    id_unit INTEGER,\n"
    "    name_unit VARCHAR(60),\n"
    "    date_read INTEGER,\n"
    "    bill_type SMALLINT,\n"
    "    recno INTEGER,\n"
    "    reading BIGINT,\n"
    "    billed SMALLINT )\n"
    "AS\n"
    "  DECLARE VARIABLE lcount SMALLINT;\n"
    "BEGIN\n"
    "  FOR SELECT id, name\n"
    "  FROM cp_unit\n"
    "  WHERE id_site = $id_site\n"
    "  INTO :id_unit, :name_unit\n"
    "  DO\n"
    "  BEGIN\n"
    "    bill_type = 1;\n"
    "    WHILE ( bill_type <= 2 ) DO\n"
    "    BEGIN\n"
    "      lcount = 0;\n"
    "      FOR SELECT recno, date_read, reading, billed\n"
    "      FROM cp_unit_reading\n"
    "      WHERE id_unit = :id_unit\n"
    "      AND bill_type = :bill_type\n"
    "      ORDER BY date_read DESC\n"
    "      ROWS 2\n"
    "      INTO :recno, :date_read, :reading, :billed\n"
    "      DO\n"
    "      BEGIN\n"
    "        SUSPEND;\n"
    "\n"
    "        lcount = lcount +1;\n"
    "\n"
    "        IF ( :billed = 1 ) THEN\n"
    "        LEAVE;\n"
    "      END\n"
    "\n"
    "      IF ( lcount = 0 ) THEN\n"
    "      BEGIN\n"
    "        recno = NULL;\n"
    "        date_read = -1;\n"
    "        reading = -1;\n"
    "        billed = -1;\n"
    "        SUSPEND;\n"
    "      END\n"
    "\n"
    "      bill_type = bill_type +1;\n"
    "    END\n"
    "  END\n"
    "END";

namespace {

constexpr int32_t font_cells = 26378;  // verdana 10
constexpr int32_t line_height = 32;
constexpr int32_t edit_indent = 30;
constexpr tcolor color_button_face = system_color(15);

const Tform_page2& readings_form() {
    static const Tform_page2 form("Tform_page_enter_cpunit_readings",
                                  Tform_page2::embedded_text("form_page_enter_cpunit_readings"));
    return form;
}

}  // namespace

int32_t Thandlermodule_enter_cpunit_readings::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return tprocs_daycount::encode(static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint16_t>(local.tm_mon + 1),
                                   static_cast<uint16_t>(local.tm_mday));
}

namespace {

std::u16string reading_text(int64_t avalue) { return utf8_to_utf16(tprocs_message::format("%.8d", {avalue})); }

std::u16string date_text(int32_t aday) {
    // Day 0 (a new reading not yet typed) is no date of the calendar either.
    return aday <= 0 ? std::u16string() : tprocs_daycount::to_text(u"DD/MM/YYYY", aday);
}

// Unit names compare without case in the ASCII letters only.
bool same_name(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

Thandlermodule_enter_cpunit_readings::Thandlermodule_enter_cpunit_readings(tpage_controller_generic* aowner,
                                                                           thandler_type ahandler_type,
                                                                           tgraphbox_generic* agraphbox)
    : Thandlermodule_editable_generic(aowner, ahandler_type, agraphbox) {
    // Readings are entered at once: the page never only views.
    fmode_editing = true;
}

const thandler_class& Thandlermodule_enter_cpunit_readings::handler_class() {
    static const thandler_class c("Thandlermodule_enter_cpunit_readings",
                                  &handler_factory_of<Thandlermodule_enter_cpunit_readings>, &readings_form(),
                                  &tparams_id::static_class(), true);
    return c;
}

tvelmor_grid_controls& Thandlermodule_enter_cpunit_readings::grid() { return control<tvelmor_grid_controls>(tag_grid); }

tvelmor_edit& Thandlermodule_enter_cpunit_readings::edit(int32_t atag) { return control<tvelmor_edit>(atag); }

void Thandlermodule_enter_cpunit_readings::save_params(tparams_generic& aparams) {
    save_site_id(aparams, fid_site);
}

void Thandlermodule_enter_cpunit_readings::once_laid_out() {
    fid_site = take_site_id(*this);
    set_modified(false, -1);
    fheader.fdate = today();
    if (auto* links = dynamic_cast<tmiscobject_fieldlinks_record*>(fcontrols->get_miscobject(tag_links_header)))
        links->setup_data2(&fheader);
    fcontrols->update_header_controls(tag_links_header, tag_edit_date);
    control<tvelmor_label>(tag_label_address).caption = Tdatamodule_cp_site::lookup_site_address(fid_site);
    load_lines();
    grid().set_rowcount(flist_lines.get_count());
    edit(tag_edit_reading).is_focused = true;
    set_focused_tag(tag_edit_date, true);
    grid().cell_setsimple(0, 0);
}

void Thandlermodule_enter_cpunit_readings::load_lines() {
    flist_lines.clear();
    const std::string sql = tprocs_querys::sql_assign_param_values(sqltext_load_cpunit_readings, {"id_site"},
                                                                   {tcondition_value::integer(fid_site)});
    tprocs_querys::load_sql_proc(sql, {}, {}, [this](tfb_query& aquery) {
        treading_row row;
        row.fid_unit = aquery.FieldByName("id_unit").as_integer();
        row.fname_unit = aquery.FieldByName("name_unit").as_widestring();
        row.fbill_type = aquery.FieldByName("bill_type").as_smallint();
        row.frecno_null = aquery.FieldByName("recno").is_null();
        if (!row.frecno_null) row.frecno = aquery.FieldByName("recno").as_integer();
        row.fdate_read = aquery.FieldByName("date_read").as_integer();
        row.freading = aquery.FieldByName("reading").as_int64();
        row.fbilled = aquery.FieldByName("billed").as_smallint();
        merge_row(row);
    });
}

// Rows of one meter follow each other. Two units of a site may share a name, so the unit's key
// decides which line a row belongs to, together with the name and bill type.
void Thandlermodule_enter_cpunit_readings::merge_row(const treading_row& arow) {
    trecord_reading* line = nullptr;
    if (!flist_lines.is_empty()) {
        trecord_reading& last = flist_lines.get_item(flist_lines.get_count() - 1);
        if (last.fid_unit == arow.fid_unit && same_name(last.fname_unit, arow.fname_unit) &&
            last.fbill_type == arow.fbill_type)
            line = &last;
    }
    if (!line) {
        line = &flist_lines.add();
        line->fid_unit = arow.fid_unit;
        line->fname_unit = arow.fname_unit;
        line->fbill_type = arow.fbill_type;
        line->freading_is_first = true;
    }
    if (arow.fbilled == 1) {
        line->freading_last_date = arow.fdate_read;
        line->freading_last = arow.freading;
        line->freading_is_first = false;
        return;
    }
    if (!arow.frecno_null) {
        line->frecno = arow.frecno;
        line->frecno_set = true;
    }
    line->freading_this_date = arow.fdate_read;
    line->freading_this = arow.freading;
    line->freading_this0 = arow.freading;
}

bool Thandlermodule_enter_cpunit_readings::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    const tshift_state mods = ashift & (ss_shift | ss_ctrl | ss_alt);
    if (mods == 0 && (akey == tvk::escape || akey == tvk::f2)) {
        if (as_keyup) return true;
        if (akey == tvk::escape) {
            if (fowner) fowner->page_exit();
        } else if (save_readings() && fowner)
            fowner->page_exit();
        return true;
    }
    if (mods == ss_ctrl && akey == tvk::home) {
        if (!as_keyup) set_focused_tag(tag_edit_date, false);
        return true;
    }
    if (Thandlermodule_editable_generic::handle_keydown(akey, ashift, as_keyup)) return true;
    if (ffocused_tag == tag_grid && fediting_cell)
        return fcontrols->send_key(tag_edit_reading, canvas(), fgraphbox->ffont_tag, false, akey, ashift, as_keyup);
    return false;
}

bool Thandlermodule_enter_cpunit_readings::handle_character(char16_t ach) {
    if (ffocused_tag == tag_grid && fediting_cell)
        return fcontrols->send_character(tag_edit_reading, canvas(), fgraphbox->ffont_tag, false, ach);
    return Thandlermodule_editable_generic::handle_character(ach);
}

bool Thandlermodule_enter_cpunit_readings::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    switch (amsg) {
        case tmsg_code::grid_controls_focus:
            if (atag == tag_grid && aparams)
                move_in_grid(static_cast<tmsg_params_grid_controls_focus*>(aparams)->event);
            return true;
        case tmsg_code::edit_changed:
            if (atag == tag_edit_reading) {
                const int32_t row = grid().row;
                if (row >= 0 && row < flist_lines.get_count())
                    flist_lines.get_item(row).freading_this_date = fheader.fdate;
                set_modified(true, -1);
                get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
                return true;
            }
            // The date edit writes through its field link; nothing else to do.
            return true;
        case tmsg_code::control_rect:
            if (aparams && (atag == tag_edit_reading || atag == tag_edit_value))
                *static_cast<trect*>(aparams) = reading_edit_rect(grid().row);
            return true;
        default: return Thandlermodule_editable_generic::callback_message(aparams, atag, amsg);
    }
}

void Thandlermodule_enter_cpunit_readings::move_in_grid(uint8_t aevent) {
    tvelmor_grid_controls& g = grid();
    if (aevent == gcf_focused) {
        // Leaving the grid sends the same event as entering it.
        if (!g.is_focused) {
            fediting_cell = false;
            return;
        }
        focus_cell(0);
        return;
    }
    if (!accept_reading()) return;
    const int32_t row = g.row + (aevent == gcf_shift_tab ? -1 : 1);
    if (row < 0 || row >= flist_lines.get_count()) {
        fediting_cell = false;
        execute_command2(aevent == gcf_shift_tab ? cn_focus_prior : cn_focus_next);
        get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
        return;
    }
    focus_cell(row);
}

bool Thandlermodule_enter_cpunit_readings::accept_reading() {
    if (!fediting_cell) return true;
    tvelmor_edit& e = edit(tag_edit_reading);
    tvelmor_miscobject* links = fcontrols->get_miscobject(tag_links_reading);
    tvalidator_generic* validator = links ? links->get_validator(0) : nullptr;
    return !validator || tvelmor_controller_edit::validate_edit(e, *validator);
}

void Thandlermodule_enter_cpunit_readings::focus_cell(int32_t arow) {
    if (arow < 0 || arow >= flist_lines.get_count()) {
        fediting_cell = false;
        return;
    }
    tvelmor_grid_controls& g = grid();
    g.row_setfull(arow);
    g.cell_setsimple(arow, col_reading);
    trecord_reading& line = flist_lines.get_item(arow);
    if (auto* links = dynamic_cast<tmiscobject_fieldlinks_record*>(fcontrols->get_miscobject(tag_links_reading)))
        links->setup_data2(&line);
    tvelmor_edit& e = edit(tag_edit_reading);
    e.set_text(reading_text(line.freading_this));
    e.set_selectedall(true);
    fediting_cell = true;
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

bool Thandlermodule_enter_cpunit_readings::save_readings() {
    if (ffocused_tag == tag_grid && !accept_reading()) return false;
    for (trecord_reading& line : flist_lines)
        if (line.freading_this != line.freading_this0) send_line(line);
    set_modified(false, -1);
    return true;
}

// Each line is its own write. A line that went through is marked as stored at once (a new
// reading keeps the number the database gave it), so a later failure and a second F2 never
// write it twice.
void Thandlermodule_enter_cpunit_readings::send_line(trecord_reading& aline) {
    tdbrecord_cp_unit_reading2 record, record0;
    const bool as_new = !aline.frecno_set;
    for (tdbrecord_cp_unit_reading2* r : {&record, &record0}) {
        r->set_aslongint1(r->get_field_index1("id_unit"), aline.fid_unit);
        r->set_assmallint1(r->get_field_index1("bill_type"), aline.fbill_type);
        if (!as_new) r->set_aslongint1(r->get_field_index1("recno"), aline.frecno);
    }
    record.set_aslongint1(record.get_field_index1("date_read"), aline.freading_this_date);
    record.set_asint64_1(record.get_field_index1("reading"), aline.freading_this);
    save_record_ejt(371, record, record0, as_new, class_name());
    const int32_t recno = record.get_field_index1("recno");
    if (as_new && record.get_field_is_assigned(recno)) {
        aline.frecno = record.get_aslongint1(recno);
        aline.frecno_set = true;
    }
    aline.freading_this0 = aline.freading_this;
}

// The current cell with its left edge 30 further right, its top 65 lower and its bottom 1 lower.
trect Thandlermodule_enter_cpunit_readings::reading_edit_rect(int32_t arow) {
    tvelmor_grid_controls& g = grid();
    trect area;
    fcontrols->get_viewport(tag_grid, area);
    trect r = g.translate_draw_row_cellrect(fcontrols->get_theme(&g), tgrid_geometry::row_area(area), arow, col_reading);
    return {r.left + edit_indent, r.top + 65, r.right, r.bottom + 1};
}

void Thandlermodule_enter_cpunit_readings::control_paint(tvelmor_control* acontrol, tvelmor_theme*, const trect& arect,
                                                         int32_t arow, int32_t acol) {
    if (!acontrol || acontrol->tag != tag_grid) return;
    paint_cell(arect, arow, acol);
}

void Thandlermodule_enter_cpunit_readings::paint_cell(const trect& arect, int32_t arow, int32_t acol) {
    tcanvas& c = canvas();
    c.set_brush_style(tbrush_style::bs_solid);
    c.set_brush_color(color_button_face);
    c.fill_rect(arect);
    if (arow < 0 || arow >= flist_lines.get_count() || acol < 0 || acol > 2) return;
    const trecord_reading& line = flist_lines.get_item(arow);
    tprocs_font::set_font(c, fgraphbox->ffont_tag, font_cells);
    c.set_text_color(color_black);
    auto line_rect = [&](int32_t k) { return trect{arect.left, arect.top + k * line_height, arect.right,
                                                   arect.top + (k + 1) * line_height}; };
    auto write = [&](int32_t k, const std::u16string& atext, bool aright) {
        const trect r = line_rect(k);
        c.set_text_align(aright ? ttext_halign::right : ttext_halign::left, ttext_valign::bottom);
        c.text_rect(r, aright ? r.right - 6 : r.left + 6, r.bottom - 6, atext);
    };
    if (acol == 0) {
        write(0, u"Unit " + line.fname_unit + u":", true);
        write(1, line.fbill_type == 1 ? u"Water Meter" : line.fbill_type == 2 ? u"Power Meter" : u"??", true);
        return;
    }
    if (acol == 1) {
        if (line.freading_is_first) return;
        write(0, u"Last Reading:", false);
        write(1, date_text(line.freading_last_date), false);
        write(2, reading_text(line.freading_last), false);
        return;
    }
    if (line.freading_is_first) {
        c.set_brush_color(static_cast<tcolor>(color_first_reading));
        c.fill_rect(line_rect(0));
        write(0, u"First Reading", false);
        c.set_brush_color(color_button_face);
    } else
        write(0, u"This Reading:", false);
    write(1, date_text(line.freading_this_date), false);
    paint_reading_edit(arow);
}

// The live edit in the cell being entered, else the drawing edit; a changed value has its own look.
void Thandlermodule_enter_cpunit_readings::paint_reading_edit(int32_t arow) {
    const trecord_reading& line = flist_lines.get_item(arow);
    const bool live = fediting_cell && grid().is_focused && arow == grid().row;
    tvelmor_edit& e = edit(live ? tag_edit_reading : tag_edit_value);
    if (!live) e.set_text(reading_text(line.freading_this));
    const int32_t theme_tag = line.freading_this == line.freading_this0 ? 909 : 910;
    e.tag_theme = theme_tag;
    auto* theme = dynamic_cast<tvelmor_theme_edit*>(fcontrols->get_theme_by_tag(theme_tag));
    if (!theme || !theme->classrender) return;
    theme->classrender->draw_edit(canvas(), fgraphbox->ffont_tag, e, reading_edit_rect(arow), theme);
}
