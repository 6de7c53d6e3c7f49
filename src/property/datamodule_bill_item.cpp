#include "property/datamodule_bill_item.h"

#include <algorithm>

#include "database/procs_querys.h"

std::u16string bill_qty_caption(int16_t abill_qty_type) {
    static const char16_t* const captions[bill_qty_type_count] = {u"Metered Qty", u"Ratio Metered Qty", u"Days Qty",
                                                                  u"Days per Annum Qty"};
    if (abill_qty_type < 0 || abill_qty_type >= bill_qty_type_count) return u"??";
    return captions[abill_qty_type];
}

std::vector<trecord_billitem> Tdatamodule_bill_item::load_bill_items() {
    std::vector<trecord_billitem> lines;
    tprocs_querys::load_sql_proc("SELECT id, supplier, code, price FROM bill_item WHERE COALESCE( deleted, 0 ) <> :deleted "
                                 "ORDER BY id",
                                 {"deleted"}, {tcondition_value::boolean(true)}, [&](tfb_query& aquery) {
                                     lines.push_back({aquery.field(0).as_integer(), aquery.field(1).as_widestring(),
                                                      aquery.field(2).as_widestring(), aquery.field(3).as_currency()});
                                 });
    return lines;
}

std::vector<trecord_cpinvoice> Tdatamodule_bill_item::load_cpinvoices() {
    std::vector<trecord_cpinvoice> lines;
    tprocs_querys::load_sql_proc("SELECT id, name FROM cp_invoice ORDER BY id", {}, {}, [&](tfb_query& aquery) {
        lines.push_back({aquery.field(0).as_integer(), aquery.field(1).as_widestring()});
    });
    return lines;
}

std::vector<trecord_bill_line> Tdatamodule_bill_item::load_bill_lines(int32_t aid) {
    std::vector<trecord_bill_line> lines;
    tprocs_querys::load_sql_proc(
        "SELECT cp_invoice_billitem.id, cp_invoice_billitem.lineno, cp_invoice_billitem.bill_item,\r\n"
        "    cp_invoice_billitem.bill_qty_type,\r\n"
        "    CAST( cp_invoice_billitem.bill_qty_ratio * 100000000 AS BIGINT ) AS bill_qty_ratio,\r\n"
        "    ( SELECT code FROM bill_item WHERE id = cp_invoice_billitem.bill_item ) AS bill_item1\r\n"
        "FROM cp_invoice_billitem\r\n"
        "WHERE id = :id",
        {"id"}, {tcondition_value::integer(aid)}, [&](tfb_query& aquery) {
            trecord_bill_line line;
            line.flineno = aquery.FieldByName("lineno").as_smallint();
            line.fbill_item = aquery.FieldByName("bill_item").as_integer();
            line.fbill_item1 = aquery.FieldByName("bill_item1").as_widestring();
            line.fbill_qty_type = aquery.FieldByName("bill_qty_type").as_smallint();
            line.fbill_qty_ratio = aquery.FieldByName("bill_qty_ratio").as_int64();
            lines.push_back(std::move(line));
        });
    std::stable_sort(lines.begin(), lines.end(),
                     [](const trecord_bill_line& a, const trecord_bill_line& b) { return a.flineno < b.flineno; });
    return lines;
}

namespace {

bool load_byid(tdbrecord_generic2& arecord, tdben_table atable, int32_t aid) {
    arecord.clear();
    arecord.set_aslongint1(arecord.get_field_index1("id"), aid);
    return tprocs_querys::load_record_bypk(arecord, atable);
}

}  // namespace

bool Tdatamodule_bill_item::get_bill_item(tdbrecord_bill_item2& arecord, int32_t aid) {
    return load_byid(arecord, dben_table_bill_item, aid);
}

bool Tdatamodule_bill_item::get_cpinvoice(tdbrecord_cp_invoice2& arecord, int32_t aid) {
    return load_byid(arecord, dben_table_cp_invoice, aid);
}

bool Tdatamodule_bill_item::get_cpinvoice_billitem(tdbrecord_cp_invoice_billitem2& arecord, int32_t aid,
                                                   int16_t alineno) {
    // The line number is a 16-bit key, which the by-key loaders do not bind: the keys go in as
    // condition values.
    arecord.clear();
    return tprocs_querys::load_sql_record(arecord,
                                          "SELECT id, lineno, bill_item, bill_qty_type, bill_qty_ratio\r\n"
                                          "FROM cp_invoice_billitem\r\n"
                                          "WHERE id = :id AND lineno = :lineno",
                                          {"id", "lineno"},
                                          {tcondition_value::integer(aid), tcondition_value::integer(alineno)});
}
