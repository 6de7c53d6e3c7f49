#include "accounts/datamodule_customers.h"

#include "database/datamodule_database_customers.h"
#include "database/procs_fibplus.h"
#include "procs/message_format.h"
#include "values/operate_rtti2.h"
#include "values/procs_database.h"

Tdatamodule_customers::Tdatamodule_customers(Tdatamodule_database_customers& adatabase)
    : fdatabase(adatabase),
      transaction_read(adatabase.database_customers, tfb_transaction_kind::read_only),
      query_get_account(adatabase.database_customers, transaction_read, qoStartTransaction),
      query_get_contact(adatabase.database_customers, transaction_read, qoStartTransaction),
      query_work(adatabase.database_customers, transaction_read, qoStartTransaction) {
    query_get_account.add_sql_line("SELECT *");
    query_get_account.add_sql_line("FROM account");
    query_get_account.add_sql_line("WHERE id = :id");
    query_get_contact.add_sql_line("SELECT *");
    query_get_contact.add_sql_line("FROM contact");
    query_get_contact.add_sql_line("WHERE id = :id");
}

bool Tdatamodule_customers::get_record(tfb_query& aquery, tdatarecord2& arecord, int32_t aid) {
    arecord.clear();
    aquery.ParamByName("id").set_asinteger(aid);
    try {
        aquery.execute();
        const bool found = !aquery.eof();
        if (found) tprocs_fibplus::record_load(arecord, aquery);
        aquery.close();
        return found;
    } catch (...) {
        end_failed_read(aquery);
        throw;
    }
}

void Tdatamodule_customers::end_failed_read(tfb_query& aquery) {
    aquery.close();
    try {
        if (transaction_read.active()) transaction_read.rollback();
    } catch (const std::exception&) {
    }
}

bool Tdatamodule_customers::get_account(tdbrecord_account2& arecord, int32_t aid) {
    return get_record(query_get_account, arecord, aid);
}

bool Tdatamodule_customers::get_contact(tdbrecord_contact2& arecord, int32_t aid) {
    return get_record(query_get_contact, arecord, aid);
}

void Tdatamodule_customers::load_list(tlist_reflected& alist, const tclass_info& aclass,
                                      std::initializer_list<const char*> alines, int32_t aid) {
    toperate_rtti_class2 operate(aclass);
    const std::string columns = tprocs_database::get_record_fieldlist(operate);
    query_work.close();
    query_work.clear_sql();
    bool first = true;
    for (const char* line : alines) {
        // The first line takes the columns, the one with %d the key.
        const std::string text(line);
        if (first)
            query_work.add_sql_line(tprocs_message::format(line, {columns}));
        else if (text.find("%d") != std::string::npos)
            query_work.add_sql_line(tprocs_message::format(line, {aid}));
        else
            query_work.add_sql_line(text);
        first = false;
    }
    try {
        query_work.execute();
        tprocs_fibplus::records_load(alist, operate, aclass, query_work);
        query_work.close();
    } catch (const std::exception&) {
        // A list that cannot be read stays as far as it was read; the page shows what it has.
        end_failed_read(query_work);
    }
}

void Tdatamodule_customers::get_account_contacts(tlist_reflected& alist, const tclass_info& aclass,
                                                 int32_t aid_account) {
    load_list(alist, aclass,
              {"SELECT %s", "FROM contact", "WHERE id_account = %d", "AND COALESCE( deleted, 0 ) <> 1"}, aid_account);
}

void Tdatamodule_customers::get_accounts(tlist_reflected& alist, const tclass_info& aclass, int32_t aid_account) {
    load_list(alist, aclass, {"SELECT %s", "FROM account", "WHERE id = %d"}, aid_account);
}

void Tdatamodule_customers::get_contact_accounts(tlist_reflected& alist, const tclass_info& aclass,
                                                 int32_t aid_contact) {
    load_list(alist, aclass,
              {"SELECT %s", "FROM account", "WHERE id = (", "    SELECT id_account", "    FROM contact",
               "    WHERE id = %d )"},
              aid_contact);
}
