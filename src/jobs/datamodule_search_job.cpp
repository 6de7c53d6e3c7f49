#include "jobs/datamodule_search_job.h"

#include "database/datamodule_database_customers.h"
#include "procs/message_format.h"

Tdatamodule_search_job::Tdatamodule_search_job(Tdatamodule_database_customers& adatabase)
    : Tdatamodule_search_query(adatabase),
      query_job(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit) {}

void Tdatamodule_search_job::initialize_search(int32_t aaccount) {
    query_job.close();
    query_job.clear_sql();
    if (aaccount == all_accounts) {
        query_job.add_sql_line("SELECT job, lineno, partno, description");
        query_job.add_sql_line("FROM job_lns");
        query_job.add_sql_line("WHERE partno STARTS WITH :search");
        query_job.add_sql_line("OR description CONTAINING :search");
        query_job.add_sql_line("OR notes CONTAINING :search");
        query_job.add_sql_line("ORDER BY job");
        return;
    }
    query_job.add_sql_line("SELECT job_lns.job, job_lns.lineno, job_lns.partno, job_lns.description");
    query_job.add_sql_line("FROM job_lns");
    query_job.add_sql_line("INNER JOIN job_hdr");
    query_job.add_sql_line("ON ( job_lns.job = job_hdr.id )");
    query_job.add_sql_line("WHERE job_hdr.account = :account");
    query_job.add_sql_line("AND ( partno STARTS WITH :search");
    query_job.add_sql_line("      OR description CONTAINING :search");
    query_job.add_sql_line("      OR notes CONTAINING :search )");
    query_job.ParamByName("account").set_asinteger(aaccount);
}

void Tdatamodule_search_job::update_search(const std::u16string& asearch, int32_t arowcount_visible,
                                           int32_t arow_start) {
    if (query_job.sql().empty())
        throw tvelmor_exception("Search not initialized in %s.update_search();", class_name());
    query_job.close();
    query_job.ParamByName("search").set_aswidestring(asearch);
    run_query(arowcount_visible, arow_start);
}

void Tdatamodule_search_job::add_line() {
    flist_lines.push_back({query_job.FieldByName("job").as_integer(), query_job.FieldByName("lineno").as_smallint(),
                           query_job.FieldByName("partno").as_widestring(),
                           query_job.FieldByName("description").as_widestring()});
}

std::u16string Tdatamodule_search_job::get_cell_text(int32_t arow, int16_t acol) {
    if (arow < 0 || arow >= line_count()) return {};
    const trecord_line& line = flist_lines[static_cast<size_t>(arow)];
    switch (acol) {
        case 0: return utf8_to_utf16(std::to_string(line.fjob));
        case 1: return line.fpartno;
        case 2: return line.fdescription;
        default: return {};
    }
}
