#include "plu/datamodule_plu.h"

#include "database/datamodule_database_customers.h"

Tdatamodule_plu::Tdatamodule_plu(Tdatamodule_database_customers& adatabase)
    : fdatabase(adatabase), transaction_read(adatabase.database_customers, tfb_transaction_kind::read_only),
      query_get_plu(adatabase.database_customers, transaction_read, qoStartTransaction) {
    query_get_plu.add_sql_line("SELECT *");
    query_get_plu.add_sql_line("FROM plu");
    query_get_plu.add_sql_line("WHERE id = :id");
}

bool Tdatamodule_plu::get_plu(tdbrecord_plu2& arecord, int32_t aid) {
    arecord.clear();
    query_get_plu.ParamByName("id").set_asinteger(aid);
    return fdatabase.load_record(query_get_plu, arecord);
}
