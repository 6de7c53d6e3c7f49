#include "property/handlermodule_list_cpinvoicing2.h"

#include "controls/canvas.h"
#include "controls/grid_controls.h"
#include "controls/procs_drawing.h"
#include "controls/theme.h"
#include "database/datamodule_database_customers.h"
#include "database/procs_querys.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "procs/procs_daycount.h"
#include "values/params_generic.h"

namespace {

constexpr int16_t priority_tasks = 301;
constexpr int32_t font_rows = 102 * 256 + 10;  // arial 10
constexpr int32_t caption_width = 90;
constexpr int32_t text_line_height = 24;

// For every unit with an unbilled reading three rows (a deleted unit's readings stay in the
// table; without the join its row showed the previous unit's site and account): 1 the unit, 2 its site with the site's
// non-empty address lines joined by ", " (within 120 characters), 3 its account.
const char* const sqltext_load_cpinvoicing =
    "EXECUTE BLOCK RETURNS (\r\n"
    "    linetype SMALLINT,\r\n"
    "    id INTEGER,\r\n"
    "    name VARCHAR(120) )\r\n"
    "AS\r\n"
    "  DECLARE VARIABLE ii SMALLINT;\r\n"
    "  DECLARE VARIABLE llen SMALLINT;\r\n"
    "  DECLARE VARIABLE laddress VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress1 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress2 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress3 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress4 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE lid_site INTEGER;\r\n"
    "  DECLARE VARIABLE laccount INTEGER;\r\n"
    "  DECLARE VARIABLE lid_unit INTEGER;\r\n"
    "BEGIN\r\n"
    "  FOR SELECT DISTINCT cp_unit_reading.id_unit\r\n"
    "  FROM cp_unit_reading\r\n"
    "  INNER JOIN cp_unit\r\n"
    "  ON ( cp_unit.id = cp_unit_reading.id_unit )\r\n"
    "  WHERE cp_unit_reading.billed = 0\r\n"
    "  INTO :lid_unit\r\n"
    "  DO\r\n"
    "  BEGIN\r\n"
    "    name = '';\r\n"
    "    SELECT id_site, name, account\r\n"
    "    FROM cp_unit\r\n"
    "    WHERE id = :lid_unit\r\n"
    "    INTO :lid_site, :name, :laccount;\r\n"
    "\r\n"
    "    linetype = 1;\r\n"
    "    id = lid_unit;\r\n"
    "    SUSPEND;\r\n"
    "\r\n"
    "    name = '';\r\n"
    "    FOR SELECT address1, address2, address3, address4\r\n"
    "    FROM cp_site\r\n"
    "    WHERE id = :lid_site\r\n"
    "    INTO :laddress1, :laddress2, :laddress3, :laddress4\r\n"
    "    DO\r\n"
    "    BEGIN\r\n"
    "      ii = 1;\r\n"
    "      WHILE ( ii <= 4 ) DO\r\n"
    "      BEGIN\r\n"
    "        llen = 120 -CHAR_LENGTH( name ) -2;\r\n"
    "        IF ( llen <= 0 ) THEN\r\n"
    "        LEAVE;\r\n"
    "\r\n"
    "        laddress = DECODE( ii, 1, laddress1, 2, laddress2, 3, laddress3, 4, laddress4 );\r\n"
    "\r\n"
    "        IF ( ( name <> '' ) AND ( laddress <> '' ) ) THEN\r\n"
    "        name = name || ', ';\r\n"
    "\r\n"
    "        name = name || SUBSTRING( laddress FROM 1 FOR llen );\r\n"
    "\r\n"
    "        ii = ii +1;\r\n"
    "      END\r\n"
    "    END\r\n"
    "\r\n"
    "    linetype = 2;\r\n"
    "    id = lid_site;\r\n"
    "    SUSPEND;\r\n"
    "\r\n"
    "    name = '';\r\n"
    "    SELECT name\r\n"
    "    FROM account\r\n"
    "    WHERE id = :laccount\r\n"
    "    INTO :name;\r\n"
    "\r\n"
    "    linetype = 3;\r\n"
    "    id = laccount;\r\n"
    "    SUSPEND;\r\n"
    "  END\r\n"
    "END";

const Tform_page2& list_form() {
    static const Tform_page2 form("Tform_page_list_cpinvoicing2", Tform_page2::embedded_text("form_page_list_cpinvoicing2"));
    return form;
}

}  // namespace

Thandlermodule_list_cpinvoicing2::Thandlermodule_list_cpinvoicing2(tpage_controller_generic* aowner,
                                                                   thandler_type ahandler_type,
                                                                   tgraphbox_generic* agraphbox)
    : Thandlermodule_list_cpinvoicing_generic(aowner, ahandler_type, agraphbox),
      fmodule(Tdatamodule_database_customers::instance()) {}

const thandler_class& Thandlermodule_list_cpinvoicing2::handler_class() {
    static const thandler_class c("Thandlermodule_list_cpinvoicing2",
                                  &handler_factory_of<Thandlermodule_list_cpinvoicing2>, &list_form(),
                                  &tparams_null::static_class());
    return c;
}

std::u16string Thandlermodule_list_cpinvoicing2::get_header_caption(int32_t acol) const {
    return acol == 0 ? u"Units with readings to bill" : u"";
}

void Thandlermodule_list_cpinvoicing2::load_lines() {
    get_messages().add_message(priority_tasks, jt_run_task, fhandler_type, task_lines);
}

void Thandlermodule_list_cpinvoicing2::run_task(int32_t atag, int32_t aparam) {
    if (atag == task_lines) {
        flist_lines.clear();
        tprocs_querys::load_sql_proc(sqltext_load_cpinvoicing, {}, {},
                                     [&](tfb_query& aquery) { load_data(&aquery, 102, nullptr); });
        grid().set_rowcount(line_count());
        get_messages().add_message(priority_tasks, jt_run_task, fhandler_type, task_billable);
        return;
    }
    if (atag == task_billable) {
        for (fline_loading = 0; fline_loading < flist_lines.size(); ++fline_loading)
            fmodule.load_unit_billable_qtys(*this, 101, flist_lines[fline_loading].fid_unit, nullptr);
        get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
        return;
    }
    Thandlermodule_list_cpinvoicing_generic::run_task(atag, aparam);
}

void Thandlermodule_list_cpinvoicing2::load_data(tfb_query* aquery, int32_t atag, tdatarecord2* arecord) {
    if (!aquery || (atag != 101 && atag != 102)) {
        Thandlermodule_list_cpinvoicing_generic::load_data(aquery, atag, arecord);
        return;
    }
    if (atag == 102) {
        const int16_t linetype = aquery->FieldByName("linetype").as_smallint();
        const int32_t id = aquery->FieldByName("id").as_integer();
        const std::u16string name = aquery->FieldByName("name").as_widestring();
        if (linetype == 1) {
            trecord_unit line;
            line.fid_unit = id;
            line.fname_unit = name;
            flist_lines.push_back(std::move(line));
        }
        if (flist_lines.empty()) return;
        trecord_unit& last = flist_lines.back();
        if (linetype == 2) {
            last.fid_site = id;
            last.fname_site = name;
        }
        if (linetype == 3) {
            last.fid_account = id;
            last.fname_account = name;
        }
        return;
    }
    trecord_unit& line = flist_lines[fline_loading];
    const int16_t bill_type = aquery->FieldByName("bill_type").as_smallint();
    if (bill_type != 1 && bill_type != 2)
        throw tvelmor_exception("Invalid bill_type[%d] in %s.load_data();", bill_type, class_name());
    const size_t meter = static_cast<size_t>(bill_type - 1);
    line.fstatus_reading[meter] = aquery->FieldByName("count1").as_smallint();
    line.fqty_days[meter] = aquery->FieldByName("qty_days").as_integer();
    line.fqty_units[meter] = aquery->FieldByName("qty_units").as_int64();
    line.fdate_reading[meter] = aquery->FieldByName("date_this_reading").as_integer();
}

std::u16string Thandlermodule_list_cpinvoicing2::get_caption_billline(const trecord_unit& aline, int32_t ameter) const {
    const size_t m = static_cast<size_t>(ameter);
    switch (aline.fstatus_reading[m]) {
        case 0: return u"No Records";
        case 1:
            return utf8_to_utf16(tprocs_message::format(
                "First Reading %s %d",
                {tprocs_daycount::to_text(std::string_view("DD/MM/YYYY"), aline.fdate_reading[m]), aline.fqty_units[m]}));
        case 2:
            return utf8_to_utf16(tprocs_message::format("Billable %d Days, %d Units",
                                                        {aline.fqty_days[m], aline.fqty_units[m]}));
        default:
            throw tvelmor_exception("Invalid Status Reading[%d] in %s.get_caption_billline();", aline.fstatus_reading[m],
                                    class_name());
    }
}

void Thandlermodule_list_cpinvoicing2::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                     const trect& arect, int32_t arow, int32_t acol) {
    if (paint_header(acontrol, atheme, arect, arow, acol) || acontrol->tag != tag_grid) return;
    tcanvas& c = canvas();
    tprocs_font::set_font(c, fgraphbox->ffont_tag, font_rows);
    const auto* colours = dynamic_cast<const tvelmor_theme_grid*>(atheme);
    const tcolor normal = colours ? colours->color : color_white;
    const tcolor selected = colours ? colours->color_selected : rgb_color(0, 0, 128);
    const bool has_line = arow >= 0 && arow < line_count();
    const auto& g = static_cast<const tvelmor_customgrid&>(*acontrol);
    c.set_brush_style(tbrush_style::bs_solid);
    if (!has_line) {
        // The slots below the last unit hold no row: they show the page, as the other grids do.
        c.set_brush_color(color_page_background);
        c.fill_rect(arect);
        return;
    }
    const trecord_unit& line = flist_lines[static_cast<size_t>(arow)];
    const std::u16string values[5] = {line.fname_site, line.fname_unit, line.fname_account,
                                      get_caption_billline(line, 0), get_caption_billline(line, 1)};
    static const char16_t* const captions[5] = {u"Site:", u"Unit:", u"Account:", u"Water:", u"Power:"};
    for (int32_t i = 0; i < 5; ++i) {
        const int32_t top = arect.top + i * text_line_height;
        const trect band{arect.left, top, arect.right, std::min(top + text_line_height - (i == 4 ? 1 : 0), arect.bottom)};
        // Only the site line of the selected row wears the selection.
        const bool lit = i == 0 && arow == g.row;
        c.set_brush_color(lit ? selected : normal);
        c.set_text_color(lit ? color_white : color_black);
        c.fill_rect(band);
        const trect caption{band.left, band.top, band.left + caption_width, band.bottom};
        c.set_text_align(ttext_halign::right, ttext_valign::bottom);
        c.text_rect(caption, caption.right - 4, caption.bottom - 4, captions[i]);
        const trect value{caption.right, band.top, band.right, band.bottom};
        c.set_text_align(ttext_halign::left, ttext_valign::bottom);
        c.text_rect(value, value.left + 4, value.bottom - 4, values[i]);
    }
    if (arect.top + 5 * text_line_height < arect.bottom) {
        c.set_brush_color(normal);
        c.fill_rect({arect.left, arect.top + 5 * text_line_height, arect.right, arect.bottom});
    }
}
