#include "accounts/datamodule_operator.h"

#include "database/datamodule_database_customers.h"

Tdatamodule_operator::Tdatamodule_operator(Tdatamodule_database_customers& adatabase)
    : fdatabase(adatabase), transaction_read(adatabase.database_customers, tfb_transaction_kind::read_only),
      query_get_operator(adatabase.database_customers, transaction_read, qoStartTransaction) {
    query_get_operator.add_sql_line("SELECT id, first_name, last_name, email");
    query_get_operator.add_sql_line("FROM operator");
    query_get_operator.add_sql_line("WHERE id = :id");
}

bool Tdatamodule_operator::get_operator(tdbrecord_operator2& arecord, int32_t aid) {
    arecord.clear();
    query_get_operator.ParamByName("id").set_asinteger(aid);
    return fdatabase.load_record(query_get_operator, arecord);
}
