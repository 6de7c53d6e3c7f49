#include "property/handlermodule_list_cpinvoicing.h"

#include "pages/grid_cell_text.h"
#include "controls/grid_controls.h"
#include "database/procs_querys.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

namespace {

// Every account one of whose units has a reading not yet billed, with its name.
const char* const sqltext_load_cpinvoicing_accounts =
    "EXECUTE BLOCK RETURNS (\r\n"
    "    account INTEGER,\r\n"
    "    name VARCHAR(120) )\r\n"
    "AS\r\n"
    "BEGIN\r\n"
    "  FOR SELECT distinct account.id\r\n"
    "  FROM cp_unit_reading\r\n"
    "  INNER JOIN cp_unit\r\n"
    "  ON ( cp_unit_reading.id_unit = cp_unit.id )\r\n"
    "  INNER JOIN account\r\n"
    "  ON ( cp_unit.account = account.id )\r\n"
    "  WHERE cp_unit_reading.billed <> 1\r\n"
    "  INTO :account\r\n"
    "  DO\r\n"
    "  BEGIN\r\n"
    "    name = '';\r\n"
    "    SELECT name\r\n"
    "    FROM account\r\n"
    "    WHERE id = :account\r\n"
    "    INTO :name;\r\n"
    "\r\n"
    "    SUSPEND;\r\n"
    "  END\r\n"
    "END";

const Tform_page2& list_form() {
    static const Tform_page2 form("Tform_page_list_cpinvoicing", Tform_page2::embedded_text("form_page_list_cpinvoicing"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_list_cpinvoicing::handler_class() {
    static const thandler_class c("Thandlermodule_list_cpinvoicing",
                                  &handler_factory_of<Thandlermodule_list_cpinvoicing>, &list_form(),
                                  &tparams_null::static_class());
    return c;
}

std::u16string Thandlermodule_list_cpinvoicing::get_header_caption(int32_t acol) const {
    return acol == 0 ? u"Id" : acol == 1 ? u"Account" : u"";
}

void Thandlermodule_list_cpinvoicing::load_lines() {
    flist_lines.clear();
    tprocs_querys::load_sql_proc(sqltext_load_cpinvoicing_accounts, {}, {}, [&](tfb_query& aquery) {
        flist_lines.push_back({aquery.FieldByName("account").as_integer(), aquery.FieldByName("name").as_widestring()});
    });
    grid().set_rowcount(line_count());
}

void Thandlermodule_list_cpinvoicing::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                    const trect& arect, int32_t arow, int32_t acol) {
    if (paint_header(acontrol, atheme, arect, arow, acol) || acontrol->tag != tag_grid) return;
    std::u16string text;
    if (arow >= 0 && arow < line_count()) {
        const trecord_account& line = flist_lines[static_cast<size_t>(arow)];
        text = acol == 0 ? utf8_to_utf16(std::to_string(line.faccount)) : acol == 1 ? line.fname : u"";
    }
    paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, text);
}
