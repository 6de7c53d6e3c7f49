#include "database/datamodule_database_customers.h"
#include "database/procs_querys.h"
#include "pages/handlermodule_generic.h"
#include "property/datamodule_cp_site.h"

namespace {

// Per meter (1 water, 2 power) the two newest readings: the newest must be unbilled and the one
// before it billed. One row per meter: count1 readings seen, the newest reading's date, and for
// two readings the days and units between them. A meter breaking the rule ends the block, so it
// and the meters after it give no row.
const char* const sqltext_load_unit_billable_qtys =
    "EXECUTE BLOCK (\r\n"
    "  id_unit INTEGER = :id_unit )\r\n"
    "RETURNS (\r\n"
    "  error SMALLINT,\r\n"
    "  count1 SMALLINT,\r\n"
    "  bill_type SMALLINT,\r\n"
    "  date_this_reading INTEGER,\r\n"
    "  qty_days INTEGER,\r\n"
    "  qty_units BIGINT )\r\n"
    "AS\r\n"
    "  DECLARE VARIABLE lbilled SMALLINT;\r\n"
    "  DECLARE VARIABLE ldate_read INTEGER;\r\n"
    "  DECLARE VARIABLE lreading BIGINT;\r\n"
    "BEGIN\r\n"
    "  error = 0;\r\n"
    "\r\n"
    "  bill_type = 0;\r\n"
    "  WHILE ( bill_type <= 1 ) DO\r\n"
    "  BEGIN\r\n"
    "    bill_type = bill_type +1;\r\n"
    "    count1 = 0;\r\n"
    "\r\n"
    "    FOR SELECT billed, date_read, reading\r\n"
    "    FROM cp_unit_reading\r\n"
    "    WHERE id_unit = :id_unit\r\n"
    "    AND bill_type = :bill_type\r\n"
    "    ORDER BY date_read DESC\r\n"
    "    ROWS 2\r\n"
    "    INTO :lbilled, :ldate_read, :lreading\r\n"
    "    DO\r\n"
    "    BEGIN\r\n"
    "      IF ( count1 <> lbilled ) THEN\r\n"
    "      BEGIN\r\n"
    "        error = 1;\r\n"
    "        EXIT;\r\n"
    "      END\r\n"
    "\r\n"
    "      IF ( count1 = 0 ) THEN\r\n"
    "      BEGIN\r\n"
    "        date_this_reading = ldate_read;\r\n"
    "        qty_units = lreading;\r\n"
    "      END ELSE\r\n"
    "      BEGIN\r\n"
    "        qty_days = date_this_reading -ldate_read;\r\n"
    "        qty_units = qty_units -lreading;\r\n"
    "      END\r\n"
    "\r\n"
    "      count1= count1 +1;\r\n"
    "    END\r\n"
    "\r\n"
    "    SUSPEND;\r\n"
    "  END\r\n"
    "END";

}  // namespace

void Tdatamodule_cp_site::load_unit_billable_qtys(Thandlermodule_generic& ahandlermodule, int32_t atag,
                                                  int32_t aid_unit, tdatarecord2* arecord) {
    // The statement pool closes the statement however the rows end.
    tprocs_querys::load_sql_proc(sqltext_load_unit_billable_qtys, {"id_unit"}, {tcondition_value::integer(aid_unit)},
                                 [&](tfb_query& aquery) {
                                     if (aquery.FieldByName("error").as_integer() != 0)
                                         throw tvelmor_exception(
                                             "Error loading unit billable qtys in %s.load_unit_billable_qtys();",
                                             class_name());
                                     ahandlermodule.load_data(&aquery, atag, arecord);
                                 });
}
