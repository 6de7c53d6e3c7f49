#include "property/datamodule_search_bill_item.h"

#include "database/datamodule_database_customers.h"

Tdatamodule_search_bill_item::Tdatamodule_search_bill_item(Tdatamodule_database_customers& adatabase)
    : Tdatamodule_search_query(adatabase),
      query_bill_item(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit) {
    query_bill_item.add_sql_line("SELECT id, code");
    query_bill_item.add_sql_line("FROM bill_item");
    // A deleted item stays for the invoices that billed it but is no longer offered.
    query_bill_item.add_sql_line("WHERE code STARTS WITH :code AND COALESCE(deleted, 0) = 0");
    query_bill_item.add_sql_line("ORDER BY code");
}

void Tdatamodule_search_bill_item::update_search(const std::u16string& asearch, int32_t arowcount_visible,
                                                 int32_t arow_start) {
    query_bill_item.close();
    query_bill_item.ParamByName("code").set_aswidestring(asearch);
    run_query(arowcount_visible, arow_start);
}

void Tdatamodule_search_bill_item::add_line() {
    flist_lines.push_back(
        {query_bill_item.FieldByName("id").as_integer(), query_bill_item.FieldByName("code").as_widestring()});
}

std::u16string Tdatamodule_search_bill_item::get_cell_text(int32_t arow, int16_t acol) {
    if (arow < 0 || arow >= line_count() || acol != 0) return {};
    return flist_lines[static_cast<size_t>(arow)].fcode;
}
