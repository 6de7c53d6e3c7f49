#include "pages/datamodule_search_query.h"

#include "database/datamodule_database_customers.h"

Tdatamodule_search_query::Tdatamodule_search_query(Tdatamodule_database_customers& adatabase)
    : transaction_search(adatabase.database_customers, tfb_transaction_kind::read_only) {}

Tdatamodule_search_query::~Tdatamodule_search_query() { timer_addrecords.stop(); }

void Tdatamodule_search_query::close() {
    query().close();
    clear_lines();
    ffinished = true;
}

void Tdatamodule_search_query::run_query(int32_t arowcount_visible, int32_t arow_start) {
    query().execute();
    ffinished = false;
    clear_lines();
    fetch(arow_start == -1 ? 2 * arowcount_visible : arowcount_visible + arow_start);
}

bool Tdatamodule_search_query::fetch(int32_t acount) {
    return fetch_query(query(), ffinished, acount, [this] { add_line(); });
}

bool Tdatamodule_search_query::add_records_arrowdown(int32_t acount_visible) {
    return arrowdown(acount_visible, [this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

bool Tdatamodule_search_query::add_records_pagedown(int32_t acount_visible) {
    return pagedown(acount_visible, [this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

void Tdatamodule_search_query::timer_addrecords_timer() {
    tick([this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}
