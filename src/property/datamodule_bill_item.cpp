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

template <typename R>
bool load_bykey(R& arecord, tdben_table atable, std::initializer_list<std::pair<const char*, int32_t>> akeys) {
    arecord.clear();
    for (const auto& [name, value] : akeys) {
        const int32_t index = arecord.get_field_index1(name);
        if (arecord.get_field_type(index) == vt_smallint)
            arecord.set_assmallint1(index, static_cast<int16_t>(value));
        else
            arecord.set_aslongint1(index, value);
    }
    return tprocs_querys::load_record_bypk(arecord, atable);
}

}  // namespace

bool Tdatamodule_bill_item::get_bill_item(tdbrecord_bill_item2& arecord, int32_t aid) {
    return load_bykey(arecord, dben_table_bill_item, {{"id", aid}});
}

bool Tdatamodule_bill_item::get_cpinvoice(tdbrecord_cp_invoice2& arecord, int32_t aid) {
    return load_bykey(arecord, dben_table_cp_invoice, {{"id", aid}});
}

bool Tdatamodule_bill_item::get_cpinvoice_billitem(tdbrecord_cp_invoice_billitem2& arecord, int32_t aid,
                                                   int16_t alineno) {
    return load_bykey(arecord, dben_table_cp_invoice_billitem, {{"id", aid}, {"lineno", alineno}});
}
