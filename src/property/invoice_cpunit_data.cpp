#include "property/invoice_cpunit_data.h"

#include <string>

#include "database/procs_querys.h"

namespace {

// The outputs are as wide as the columns they take (a narrower one fails on a longer name).
// The unit with its account's name, its site's address (non-empty lines joined by ", ", at most
// 120 characters) and its templates' suppliers and GST flags. The flags are kept as 0 or 1, so
// they are returned as such: a BOOLEAN output refuses them.
const char* const sqltext_load_unit =
    "EXECUTE BLOCK RETURNS(\r\n"
    "    unit1 INTEGER,\r\n"
    "    unit2 VARCHAR(60),\r\n"
    "    account1 VARCHAR(120),\r\n"
    "    id_site INTEGER,\r\n"
    "    site1 VARCHAR(120),\r\n"
    "    cpinvoice1 INTEGER,\r\n"
    "    cpinvoice2 INTEGER,\r\n"
    "    supplier_water VARCHAR(100),\r\n"
    "    supplier_power VARCHAR(100),\r\n"
    "    gst_inclusive0 SMALLINT,\r\n"
    "    gst_inclusive1 SMALLINT )\r\n"
    "AS\r\n"
    "  DECLARE VARIABLE ii SMALLINT;\r\n"
    "  DECLARE VARIABLE llen SMALLINT;\r\n"
    "  DECLARE VARIABLE laddress VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress1 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress2 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress3 VARCHAR(120);\r\n"
    "  DECLARE VARIABLE laddress4 VARCHAR(120);\r\n"
    "BEGIN\r\n"
    "  FOR SELECT cp_unit.id AS unit1, cp_unit.name, account.name AS account1, cp_unit.id_site, cp_unit.cpinvoice1, "
    "cp_unit.cpinvoice2\r\n"
    "  FROM cp_unit\r\n"
    "  LEFT JOIN account\r\n"
    "  ON ( cp_unit.account = account.id )\r\n"
    "  WHERE cp_unit.id = $id\r\n"
    "  INTO :unit1, :unit2, :account1, :id_site, :cpinvoice1, :cpinvoice2\r\n"
    "  DO\r\n"
    "  BEGIN\r\n"
    "    site1 = '';\r\n"
    "    FOR SELECT address1, address2, address3, address4\r\n"
    "    FROM cp_site\r\n"
    "    WHERE id = :id_site\r\n"
    "    INTO :laddress1, :laddress2, :laddress3, :laddress4\r\n"
    "    DO\r\n"
    "    BEGIN\r\n"
    "      ii = 1;\r\n"
    "      WHILE ( ii <= 4 ) DO\r\n"
    "      BEGIN\r\n"
    "        llen = 120 -CHAR_LENGTH( site1 ) -2;\r\n"
    "        IF ( llen <= 0 ) THEN\r\n"
    "        LEAVE;\r\n"
    "\r\n"
    "        laddress = DECODE( ii, 1, laddress1, 2, laddress2, 3, laddress3, 4, laddress4 );\r\n"
    "\r\n"
    "        IF ( ( site1 <> '' ) AND ( laddress <> '' ) ) THEN\r\n"
    "        site1 = site1 || ', ';\r\n"
    "\r\n"
    "        site1 = site1 || SUBSTRING( laddress FROM 1 FOR llen );\r\n"
    "\r\n"
    "        ii = ii +1;\r\n"
    "      END\r\n"
    "    END\r\n"
    "\r\n"
    "    supplier_water = '';\r\n"
    "    SELECT supplier, is_gst_inclusive\r\n"
    "    FROM cp_invoice\r\n"
    "    WHERE id = :cpinvoice1\r\n"
    "    INTO :supplier_water, :gst_inclusive0;\r\n"
    "\r\n"
    "    supplier_power = '';\r\n"
    "    SELECT supplier, is_gst_inclusive\r\n"
    "    FROM cp_invoice\r\n"
    "    WHERE id = :cpinvoice2\r\n"
    "    INTO :supplier_power, :gst_inclusive1;\r\n"
    "\r\n"
    "    SUSPEND;\r\n"
    "  END\r\n"
    "END\r\n";

// The lines of both templates, each with its bill item's description, group, units and price.
const char* const sqltext_load_template =
    "EXECUTE BLOCK RETURNS (\r\n"
    "  id INTEGER,\r\n"
    "  lineno SMALLINT,\r\n"
    "  bill_item INTEGER,\r\n"
    "  bill_qty_type SMALLINT,\r\n"
    "  bill_qty_ratio CURRENCY18P8,\r\n"
    "  description VARCHAR(200),\r\n"
    "  group1 VARCHAR(60),\r\n"
    "  denote_units_qty VARCHAR(20),\r\n"
    "  denote_units_price VARCHAR(20),\r\n"
    "  price CURRENCY18P8 )\r\n"
    "AS\r\n"
    "BEGIN\r\n"
    "  FOR SELECT id, lineno, bill_item, bill_qty_type, bill_qty_ratio\r\n"
    "  FROM cp_invoice_billitem\r\n"
    "  WHERE id IN ( $cpinvoice1, $cpinvoice2 )\r\n"
    "  INTO :id, :lineno, :bill_item, :bill_qty_type, :bill_qty_ratio\r\n"
    "  DO\r\n"
    "  BEGIN\r\n"
    "    description = '';\r\n"
    "    group1 = '';\r\n"
    "\r\n"
    "    SELECT description, group1, price, denote_units_qty, denote_units_price\r\n"
    "    FROM bill_item\r\n"
    "    WHERE id = :bill_item\r\n"
    "    INTO :description, :group1, :price, :denote_units_qty, :denote_units_price;\r\n"
    "\r\n"
    "    SUSPEND;\r\n"
    "  END\r\n"
    "END";

// An eight-decimal column as its scaled integer.
int64_t decimal8(const tfb_xsqlvar& afield) {
    if (afield.is_null()) return 0;
    const std::string text = afield.as_string();
    int64_t whole = 0, fraction = 0, scale = tinvoice_cpunit::one;
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    for (; i < text.size() && text[i] != '.'; ++i) whole = whole * 10 + (text[i] - '0');
    if (i < text.size()) ++i;
    for (; i < text.size() && scale > 1; ++i) {
        scale /= 10;
        fraction += (text[i] - '0') * scale;
    }
    const int64_t value = whole * tinvoice_cpunit::one + fraction;
    return negative ? -value : value;
}

}  // namespace

bool tinvoice_cpunit_data::load_unit(tinvoice_unit& aunit, int32_t aid_unit) {
    bool found = false;
    const std::string sql =
        tprocs_querys::sql_assign_param_values(sqltext_load_unit, {"id"}, {tcondition_value::integer(aid_unit)});
    tprocs_querys::load_sql_proc(sql, {}, {}, [&](tfb_query& q) {
        found = true;
        aunit.funit1 = q.FieldByName("unit1").as_integer();
        aunit.funit2 = q.FieldByName("unit2").as_widestring();
        aunit.faccount1 = q.FieldByName("account1").as_widestring();
        aunit.fsite1 = q.FieldByName("site1").as_widestring();
        aunit.fcpinvoice1 = q.FieldByName("cpinvoice1").as_integer();
        aunit.fcpinvoice2 = q.FieldByName("cpinvoice2").as_integer();
        aunit.fsupplier_water = q.FieldByName("supplier_water").as_widestring();
        aunit.fsupplier_power = q.FieldByName("supplier_power").as_widestring();
        aunit.fcpinvoice_gst_inclusive[0] = q.FieldByName("gst_inclusive0").as_boolean();
        aunit.fcpinvoice_gst_inclusive[1] = q.FieldByName("gst_inclusive1").as_boolean();
    });
    if (!found) return false;
    // The statement names the account; the posted invoice needs its key.
    tprocs_querys::load_sql_proc("SELECT account FROM cp_unit WHERE id = :id", {"id"},
                                 {tcondition_value::integer(aid_unit)},
                                 [&](tfb_query& q) { aunit.faccount = q.field(0).as_integer(); });
    return true;
}

std::vector<tline_template> tinvoice_cpunit_data::load_template(const tinvoice_unit& aunit) {
    std::vector<tline_template> lines;
    const std::string sql = tprocs_querys::sql_assign_param_values(
        sqltext_load_template, {"cpinvoice1", "cpinvoice2"},
        {tcondition_value::integer(aunit.fcpinvoice1), tcondition_value::integer(aunit.fcpinvoice2)});
    tprocs_querys::load_sql_proc(sql, {}, {}, [&](tfb_query& q) {
        tline_template line;
        line.fid = q.FieldByName("id").as_integer();
        line.flineno = q.FieldByName("lineno").as_smallint();
        line.fbill_item = q.FieldByName("bill_item").as_integer();
        line.fbill_qty_type = q.FieldByName("bill_qty_type").as_smallint();
        line.fbill_qty_ratio = decimal8(q.FieldByName("bill_qty_ratio"));
        line.fdescription = q.FieldByName("description").as_widestring();
        line.fgroup1 = q.FieldByName("group1").as_widestring();
        line.fdenote_units_qty = q.FieldByName("denote_units_qty").as_widestring();
        line.fdenote_units_price = q.FieldByName("denote_units_price").as_widestring();
        line.fprice = decimal8(q.FieldByName("price"));
        lines.push_back(std::move(line));
    });
    return lines;
}

int16_t tinvoice_cpunit_data::read_billable_row(tfb_query& aquery, tinvoice_unit& aunit) {
    const int16_t bill_type = aquery.FieldByName("bill_type").as_smallint();
    if (bill_type != 1 && bill_type != 2) return bill_type;
    tinvoice_meter& meter = aunit.fmeters[bill_type - 1];
    meter.fstatus = aquery.FieldByName("count1").as_smallint();
    meter.fdate_this_reading = aquery.FieldByName("date_this_reading").as_integer();
    meter.fdays = aquery.FieldByName("qty_days").as_integer();
    meter.funits = aquery.FieldByName("qty_units").as_int64();
    return bill_type;
}

std::vector<tmeter_reading> tinvoice_cpunit_data::load_newest_readings(int32_t aid_unit, int16_t abill_type) {
    std::vector<tmeter_reading> readings;
    tprocs_querys::load_sql_proc(
        "SELECT recno, date_read, reading, billed FROM cp_unit_reading\r\n"
        "WHERE id_unit = :id_unit AND bill_type = :bill_type\r\n"
        "ORDER BY date_read DESC\r\n"
        "ROWS 2",
        {"id_unit", "bill_type"}, {tcondition_value::integer(aid_unit), tcondition_value::integer(abill_type)},
        [&](tfb_query& q) {
            readings.push_back({q.field(0).as_integer(), q.field(1).as_integer(), q.field(2).as_int64(),
                                q.field(3).as_boolean()});
        });
    return readings;
}
