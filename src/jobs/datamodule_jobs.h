// What the job pages read: a job's header, one line with its job's account, all lines of a job,
// and an account's name. Reads run in a read-only transaction of the module's own; nothing here
// writes.
#pragma once

#include <cstdint>
#include <string>

#include "containers/list_flat.h"
#include "database/fb_query.h"
#include "jobs/records_jobs.h"
#include "values/datarecord.h"

class Tdatamodule_database_customers;

class Tdatamodule_jobs : public tvelmor_object {
public:
    explicit Tdatamodule_jobs(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_jobs"; }

    // Each clears the record first and tells whether the row was found (a missing one leaves the
    // record empty).
    bool get_job_hdr(tdbrecord_job_hdr& arecord, int32_t aid);
    bool get_job_detail(tdbconstruct_job& arecord, int32_t aid, int16_t alineno);
    // Every line of job aid, by line number.
    void get_job_lines(tlist_flat<trecord_jobln>& alist, int32_t aid);
    // The account's name; empty when there is no such account.
    std::u16string get_account_name(int32_t aid);

    tfb_transaction transaction_read;
    tfb_query query_get_job_hdr;
    tfb_query query_get_job_detail;

private:
    bool load_one(tfb_query& aquery, tdatarecord& arecord);
};
