#include "values/dben_catalogue.h"

namespace {

constexpr tdben_fieldtype L = dben_ft_longint, S = dben_ft_smallint, U = dben_ft_unicodestring,
                          B = dben_ft_boolean, I64 = dben_ft_int64, C1 = dben_ft_currency1,
                          C8 = dben_ft_currency8dp, D = dben_ft_double, OBJ = dben_ft_dataobj;
constexpr bool DAY = true;

constexpr tdben_field account[] = {{"id", L},     {"name", U},     {"zipcode", U}, {"country", U}, {"phone", U},
                                   {"fax", U},    {"website", U},  {"code", U},    {"sourceno", L}, {"street", U},
                                   {"street2", U}, {"city", U},    {"state", U},   {"deleted", B}};
constexpr tdben_field contact[] = {{"id", L},      {"first_name", U}, {"last_name", U}, {"email", U},
                                   {"phone", U},   {"sourceno", S},   {"street", U},    {"city", U},
                                   {"state", U},   {"zipcode", U},    {"id_account", L}, {"deleted", B}};
constexpr tdben_field plu[] = {{"id", L},
                               {"code", U},
                               {"product", U},
                               {"subtitle", U},
                               {"description", U},
                               {"manufacturer", U},
                               {"manufacturer_website", U},
                               {"manufacturer_address", U},
                               {"customer_email", U},
                               {"unit_size_color", U},
                               {"currency", U},
                               {"country_of_origin", U},
                               {"price", C1},
                               {"link_url", U}};
constexpr tdben_field word_hdr[] = {{"word", U}, {"id", L}};
constexpr tdben_field word_lns[] = {{"search", S}, {"id", L}, {"id_record", L}};
constexpr tdben_field operator_[] = {{"id", L},    {"first_name", U},         {"last_name", U},
                                     {"email", U}, {"date_of_birth", L, DAY}, {"deleted", B}};
constexpr tdben_field job_hdr[] = {{"id", L}, {"account", L}, {"lineno_last", S}};
constexpr tdben_field job_lns[] = {{"job", L},   {"lineno", S}, {"partno", U},     {"description", U},
                                   {"notes", U}, {"qty", L},    {"line_total", C1}, {"status", S}};
constexpr tdben_field cp_site[] = {{"id", L},       {"address1", U}, {"address2", U},
                                   {"address3", U}, {"address4", U}, {"pics", I64}};
constexpr tdben_field cp_unit[] = {{"id", L},      {"id_site", L},           {"name", U},
                                   {"account", L}, {"meter_connection1", S}, {"meter_connection2", S},
                                   {"cpinvoice1", L}, {"cpinvoice2", L}};
constexpr tdben_field bill_item[] = {{"id", L},     {"code", U},    {"description", U},
                                     {"supplier", U}, {"group1", U}, {"price", C8},
                                     {"denote_units_qty", U}, {"denote_units_price", U}, {"deleted", B}};
constexpr tdben_field cp_unit_reading[] = {{"id_unit", L},        {"bill_type", S}, {"recno", L},
                                           {"date_read", L, DAY}, {"reading", I64}, {"billed", B}};
constexpr tdben_field cp_invoice[] = {{"id", L}, {"name", U}, {"supplier", U}, {"is_gst_inclusive", B}};
constexpr tdben_field cp_invoice_billitem[] = {
    {"id", L}, {"lineno", S}, {"bill_item", L}, {"bill_qty_type", S}, {"bill_qty_ratio", C8}};
constexpr tdben_field invoice[] = {{"id", L}, {"date1", L, DAY}, {"account", L}, {"total", C1}, {"gst", C1}};
constexpr tdben_field invoice_billitem[] = {{"invoice", L},   {"lineno", S},    {"bill_item", L}, {"line_total", C8},
                                            {"qty_units", D}, {"qty_price", D}, {"flags", S}};
constexpr tdben_field invoice_data[] = {{"invoice", L}, {"lineno", S}, {"rec_id", L}, {"rec_data", OBJ}};

const tdben_table_info tables[dben_table_count] = {
    {"account", account, 1},
    {"contact", contact, 1},
    {"plu", plu, 1},
    {"word_hdr", word_hdr, 1},
    {"word_lns", word_lns, 3},
    {"operator", operator_, 1},
    {"job_hdr", job_hdr, 1},
    {"job_lns", job_lns, 2},
    {"cp_site", cp_site, 1},
    {"cp_unit", cp_unit, 1},
    {"bill_item", bill_item, 1},
    {"cp_unit_reading", cp_unit_reading, 3},
    {"cp_invoice", cp_invoice, 1},
    {"cp_invoice_billitem", cp_invoice_billitem, 2},
    {"invoice", invoice, 1},
    {"invoice_billitem", invoice_billitem, 2},
    {"invoice_data", invoice_data, 2},
};

}  // namespace

const tdben_table_info& dben_table_info(tdben_table atable) { return tables[atable]; }

const char* dben_fieldtype_name(tdben_fieldtype atype) {
    static constexpr const char* names[] = {
        "dben_ft_smallint",  "dben_ft_longint",   "dben_ft_int64",     "dben_ft_double",
        "dben_ft_ansistring", "dben_ft_unicodestring", "dben_ft_decimal", "dben_ft_currency1",
        "dben_ft_currency2", "dben_ft_currency8dp", "dben_ft_boolean",  "dben_ft_dataobj"};
    return atype <= dben_ft_dataobj ? names[atype] : "dben_ft_unknown";
}
