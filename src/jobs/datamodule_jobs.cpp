#include "jobs/datamodule_jobs.h"

#include <algorithm>

#include "database/datamodule_database_customers.h"
#include "database/datamodule_querys.h"
#include "database/fb_xsqlvar.h"
#include "database/procs_querys.h"

Tdatamodule_jobs::Tdatamodule_jobs(Tdatamodule_database_customers& adatabase)
    : transaction_read(adatabase.database_customers, tfb_transaction_kind::read_only),
      query_get_job_hdr(adatabase.database_customers, transaction_read, qoStartTransaction),
      query_get_job_detail(adatabase.database_customers, transaction_read, qoStartTransaction) {
    query_get_job_hdr.add_sql_line("SELECT *");
    query_get_job_hdr.add_sql_line("FROM job_hdr");
    query_get_job_hdr.add_sql_line("WHERE id = :id");
    query_get_job_detail.add_sql_line("SELECT job_hdr.id, job_lns.lineno, job_hdr.account, job_lns.partno,");
    query_get_job_detail.add_sql_line("    job_lns.description, job_lns.notes, job_lns.qty, job_lns.line_total,");
    query_get_job_detail.add_sql_line("    job_lns.status");
    query_get_job_detail.add_sql_line("FROM job_hdr");
    query_get_job_detail.add_sql_line("INNER JOIN job_lns");
    query_get_job_detail.add_sql_line("ON ( job_hdr.id = job_lns.job )");
    query_get_job_detail.add_sql_line("WHERE job_hdr.id = :id");
    query_get_job_detail.add_sql_line("AND job_lns.lineno = :lineno");
}

namespace {

// Each field of the record from the column of its name (a table record has no declared
// properties to load by).
void assign_fields(tdatarecord& arecord, tfb_query& aquery) {
    for (int32_t i = 0; i < arecord.count(); ++i) {
        const tfb_xsqlvar* column = aquery.FindField(arecord.get_field_name(i));
        if (!column) continue;
        switch (arecord.get_field_type(i)) {
            case dben_ft_smallint: arecord.set_field_ass(i, column->as_smallint()); break;
            case dben_ft_longint: arecord.set_field_asl(i, column->as_integer()); break;
            case dben_ft_int64: arecord.set_field_asint64(i, column->as_int64()); break;
            case dben_ft_currency1: arecord.set_field_asm(i, column->as_currency()); break;
            case dben_ft_unicodestring: arecord.set_field_asu(i, column->as_widestring()); break;
            default:
                throw tvelmor_exception("Unsupported field %s in Tdatamodule_jobs.load_one();",
                                        arecord.get_field_name(i));
        }
    }
}

}  // namespace

bool Tdatamodule_jobs::load_one(tfb_query& aquery, tdatarecord& arecord) {
    try {
        aquery.execute();
        const bool found = !aquery.eof();
        if (found) assign_fields(arecord, aquery);
        aquery.close();
        return found;
    } catch (...) {
        // The next read starts the transaction afresh.
        aquery.close();
        if (transaction_read.active()) transaction_read.rollback();
        throw;
    }
}

bool Tdatamodule_jobs::get_job_hdr(tdbrecord_job_hdr& arecord, int32_t aid) {
    arecord.clear();
    query_get_job_hdr.ParamByName("id").set_asinteger(aid);
    return load_one(query_get_job_hdr, arecord);
}

bool Tdatamodule_jobs::get_job_detail(tdbconstruct_job& arecord, int32_t aid, int16_t alineno) {
    arecord.clear();
    query_get_job_detail.ParamByName("id").set_asinteger(aid);
    query_get_job_detail.ParamByName("lineno").set_assmallint(alineno);
    return load_one(query_get_job_detail, arecord);
}

void Tdatamodule_jobs::get_job_lines(tlist_flat<trecord_jobln>& alist, int32_t aid) {
    tprocs_querys::load_table_list(alist, dben_table_job_lns, {false}, {"job"}, {tcondition_value::integer(aid)});
    // The table gives its rows in no promised order; an order reads by line number.
    alist.sort([](const trecord_jobln& a, const trecord_jobln& b) {
        return a.flineno < b.flineno ? cr_lessthan : a.flineno > b.flineno ? cr_greaterthan : cr_equals;
    });
}

std::u16string Tdatamodule_jobs::get_account_name(int32_t aid) {
    tread_query read("SELECT name FROM account WHERE id = :id");
    tfb_query& query = read.query();
    query.ParamByName("id").set_asinteger(aid);
    query.execute();
    return query.eof() ? std::u16string() : query.FieldByName("name").as_widestring();
}
