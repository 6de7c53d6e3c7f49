#include "accounts/datamodule_search_account.h"

#include "database/datamodule_database_customers.h"

Tdatamodule_search_account::Tdatamodule_search_account(Tdatamodule_database_customers& adatabase)
    : transaction_search(adatabase.database_customers, tfb_transaction_kind::read_only),
      query_account(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit) {
    query_account.add_sql_line("SELECT id, name, phone");
    query_account.add_sql_line("FROM account");
    query_account.add_sql_line("WHERE name STARTING WITH :search");
    query_account.add_sql_line("OR phone STARTING WITH :search");
}

Tdatamodule_search_account::~Tdatamodule_search_account() { timer_addrecords.stop(); }

void Tdatamodule_search_account::close() {
    query_account.close();
    flist_lines.clear();
    ffinished = true;
}

void Tdatamodule_search_account::update_search(const std::u16string& asearch, int32_t arowcount_visible,
                                               int32_t arow_start) {
    fsearch = trim_search_text(asearch);
    query_account.close();
    query_account.ParamByName("search").set_aswidestring(fsearch);
    query_account.execute();
    ffinished = false;
    flist_lines.clear();
    fetch(arow_start == -1 ? 2 * arowcount_visible : arowcount_visible + arow_start);
}

bool Tdatamodule_search_account::fetch(int32_t acount) {
    return fetch_query(query_account, ffinished, acount, [this] {
        flist_lines.push_back({query_account.FieldByName("id").as_integer(),
                               query_account.FieldByName("name").as_widestring(),
                               query_account.FieldByName("phone").as_widestring()});
    });
}

std::u16string Tdatamodule_search_account::get_cell_text(int32_t arow, int16_t acol) {
    if (arow < 0 || arow >= line_count()) return {};
    const trecord_line& line = flist_lines[static_cast<size_t>(arow)];
    if (acol == 0) return line.fname;
    if (acol == 1) return line.fphone;
    return {};
}

bool Tdatamodule_search_account::add_records_arrowdown(int32_t acount_visible) {
    return arrowdown(acount_visible, [this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

bool Tdatamodule_search_account::add_records_pagedown(int32_t acount_visible) {
    return pagedown(acount_visible, [this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

void Tdatamodule_search_account::timer_addrecords_timer() {
    tick([this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}
