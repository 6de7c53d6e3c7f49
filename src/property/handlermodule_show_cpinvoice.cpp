#include "property/handlermodule_show_cpinvoice.h"

#include "controls/canvas.h"
#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/procs_drawing.h"
#include "controls/procs_velmor.h"
#include "database/procs_querys.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "procs/procs_daycount.h"
#include "property/datamodule_cp_site.h"
#include "property/site_params.h"
#include "values/params_generic.h"

namespace {

constexpr int32_t font_cells = 103 * 256 + 10;  // verdana 10
constexpr tcolor color_first_reading = 4255872;
constexpr int32_t text_line = 32;
constexpr int32_t value_indent = 30;

// For every unit of the account, water then power: the newest reading and, when it is not
// billed, the one before it; a meter without readings gives one row with recno null and -1.
const char* const sqltext_load_account_readings =
    "EXECUTE BLOCK RETURNS (\r\n"
    "    id_unit INTEGER,\r\n"
    "    name_unit VARCHAR(60),\r\n"
    "    date_read INTEGER,\r\n"
    "    bill_type SMALLINT,\r\n"
    "    recno INTEGER,\r\n"
    "    reading BIGINT,\r\n"
    "    billed SMALLINT )\r\n"
    "AS\r\n"
    "  DECLARE VARIABLE lcount SMALLINT;\r\n"
    "BEGIN\r\n"
    "  FOR SELECT id, name\r\n"
    "  FROM cp_unit\r\n"
    "  WHERE account = $id_account\r\n"
    "  ORDER BY id_site, id\r\n"
    "  INTO :id_unit, :name_unit\r\n"
    "  DO\r\n"
    "  BEGIN\r\n"
    "    bill_type = 1;\r\n"
    "    WHILE ( bill_type <= 2 ) DO\r\n"
    "    BEGIN\r\n"
    "      lcount = 0;\r\n"
    "      FOR SELECT recno, date_read, reading, billed\r\n"
    "      FROM cp_unit_reading\r\n"
    "      WHERE id_unit = :id_unit\r\n"
    "      AND bill_type = :bill_type\r\n"
    "      ORDER BY date_read DESC\r\n"
    "      ROWS 2\r\n"
    "      INTO :recno, :date_read, :reading, :billed\r\n"
    "      DO\r\n"
    "      BEGIN\r\n"
    "        SUSPEND;\r\n"
    "\r\n"
    "        lcount = lcount +1;\r\n"
    "\r\n"
    "        IF ( :billed = 1 ) THEN\r\n"
    "        LEAVE;\r\n"
    "      END\r\n"
    "\r\n"
    "      IF ( lcount = 0 ) THEN\r\n"
    "      BEGIN\r\n"
    "        recno = NULL;\r\n"
    "        date_read = -1;\r\n"
    "        reading = -1;\r\n"
    "        billed = -1;\r\n"
    "        SUSPEND;\r\n"
    "      END\r\n"
    "\r\n"
    "      bill_type = bill_type +1;\r\n"
    "    END\r\n"
    "  END\r\n"
    "END";

const Tform_page2& readings_form() {
    static const Tform_page2 form("Tform_page_show_cpinvoice", Tform_page2::embedded_text("form_page_show_cpinvoice"));
    return form;
}

std::u16string date_text(int32_t adate) {
    return adate == -1 ? u"" : tprocs_daycount::to_text(std::u16string_view(u"DD/MM/YYYY"), adate);
}

std::u16string value_text(int64_t avalue) { return utf8_to_utf16(tprocs_message::format("%.8d", {avalue})); }

}  // namespace

const thandler_class& Thandlermodule_show_cpinvoice::handler_class() {
    static const thandler_class c("Thandlermodule_show_cpinvoice", &handler_factory_of<Thandlermodule_show_cpinvoice>,
                                  &readings_form(), &tparams_id::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_show_cpinvoice::grid() { return control<tvelmor_grid>(tag_grid); }

void Thandlermodule_show_cpinvoice::once_laid_out() {
    fid_account = take_params_id(*this, "Unassigned params in %s.handle_resize();");
    control<tvelmor_label>(tag_label_account).set_caption(Tdatamodule_cp_site::lookup_account_name(fid_account));
    load_lines();
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_show_cpinvoice::load_lines() {
    const std::string sql = tprocs_querys::sql_assign_param_values(sqltext_load_account_readings, {"id_account"},
                                                                   {tcondition_value::integer(fid_account)});
    tprocs_querys::load_sql_proc(sql, {}, {}, [&](tfb_query& q) {
        merge_row(q.FieldByName("id_unit").as_integer(), q.FieldByName("name_unit").as_widestring(),
                  q.FieldByName("bill_type").as_smallint(), q.FieldByName("recno").is_null(),
                  q.FieldByName("date_read").as_integer(), q.FieldByName("reading").as_int64(),
                  q.FieldByName("billed").as_smallint());
    });
    grid().set_rowcount(static_cast<int32_t>(flist_lines.size()));
}

void Thandlermodule_show_cpinvoice::merge_row(int32_t aid_unit, const std::u16string& aname, int16_t abill_type,
                                              bool arecno_null, int32_t adate, int64_t areading, int16_t abilled) {
    // Rows of one meter follow each other: a new unit or bill type starts a new line.
    if (flist_lines.empty() || flist_lines.back().fid_unit != aid_unit || flist_lines.back().fbill_type != abill_type) {
        trecord_reading line;
        line.fid_unit = aid_unit;
        line.fname_unit = aname;
        line.fbill_type = abill_type;
        flist_lines.push_back(std::move(line));
    }
    trecord_reading& line = flist_lines.back();
    if (abilled == 1) {
        line.freading_last_date = adate;
        line.freading_last = areading;
        line.freading_is_first = false;
        return;
    }
    // A pending reading, or a meter without readings (value and date -1).
    (void)arecno_null;
    line.freading_this_date = adate;
    line.freading_this = areading;
}

std::vector<std::u16string> Thandlermodule_show_cpinvoice::cell_texts(const trecord_reading& aline, int32_t acol) {
    switch (acol) {
        case 0:
            return {u"Unit " + aline.fname_unit + u":",
                    aline.fbill_type == 1 ? u"Water Meter" : aline.fbill_type == 2 ? u"Power Meter" : u"??", u""};
        case 1:
            if (aline.freading_is_first) return {u"", u"", u""};
            return {u"Last Reading:", date_text(aline.freading_last_date), value_text(aline.freading_last)};
        case 2:
            return {aline.freading_is_first ? u"First Reading" : u"This Reading:", date_text(aline.freading_this_date),
                    value_text(aline.freading_this)};
        default: return {u"", u"", u""};
    }
}

bool Thandlermodule_show_cpinvoice::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == 0 && akey == tvk::escape) {
        if (!as_keyup) fowner->page_exit();
        return true;
    }
    // Nothing here is saved: F2 only leaves the readings as they are.
    if (ashift == 0 && akey == tvk::f2) return true;
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_show_cpinvoice::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                                  int32_t arow, int32_t acol) {
    if (acontrol->tag != tag_grid) return;
    tcanvas& c = canvas();
    tprocs_font::set_font(c, fgraphbox->ffont_tag, font_cells);
    tprocs_velmor::set_grid_cell_colors(c, static_cast<const tvelmor_customgrid&>(*acontrol), arow, acol, atheme);
    c.set_brush_style(tbrush_style::bs_solid);
    c.fill_rect(arect);
    if (arow < 0 || arow >= static_cast<int32_t>(flist_lines.size())) return;
    const trecord_reading& line = flist_lines[static_cast<size_t>(arow)];
    const std::vector<std::u16string> texts = cell_texts(line, acol);
    const tcolor background = c.get_brush_color();
    for (int32_t i = 0; i < 3; ++i) {
        trect band{arect.left, arect.top + i * text_line, arect.right, std::min(arect.top + (i + 1) * text_line, arect.bottom)};
        const bool first_reading = acol == 2 && i == 0 && line.freading_is_first;
        c.set_brush_color(first_reading ? color_first_reading : background);
        const int32_t indent = acol == 2 && i == 2 ? value_indent : 4;
        const bool right = acol == 0 && i == 0;
        c.set_text_align(right ? ttext_halign::right : ttext_halign::left, ttext_valign::bottom);
        c.text_rect(band, right ? band.right - 8 : band.left + indent, band.bottom - 6, texts[static_cast<size_t>(i)]);
    }
    c.set_brush_color(background);
}
