// Test support for the job pages: the accounts page fixture with the jobs pages registered, the
// job lines of the database read by the tests' own statements, and the pages as the user reaches
// them.
#pragma once

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/edit_pages_support.h"
#include "controls/grid_controls.h"
#include "jobs/handlermodule_edit_job.h"
#include "jobs/handlermodule_edit_job2.h"
#include "jobs/handlermodule_edit_jobhdr.h"
#include "jobs/handlermodule_search_job.h"
#include "jobs/jobs_pages.h"

// A job line as the database holds it.
struct tdb_job_line {
    int32_t job = 0;
    int16_t lineno = 0;
    int32_t account = 0;
    std::string partno, description, notes;
};

using tline_key = std::pair<int32_t, int16_t>;

class tjob_pages_test : public tedit_pages_test {
protected:
    void start_jobs() {
        start([](tpage_controller_generic& c) { register_jobs_pages(c); });
    }
    // "Jobs" on the accounts menu (the fourth entry), as the user does.
    void open_search() {
        start_jobs();
        // "Jobs" is the entry before "Exit".
        for (int i = 0; i < 4; ++i) key(tvk::down);
        key(tvk::enter);
        ASSERT_EQ(11, fcontroller->get_pageno());
    }
    Thandlermodule_search_job& search() { return page<Thandlermodule_search_job>(); }
    Tdatamodule_search_job& job_module() { return static_cast<Tdatamodule_search_job&>(search().jobs().module()); }

    // Every line the job search has found, after loading the rest of its result.
    std::vector<tline_key> all_search_lines() {
        Tdatamodule_search_job& m = job_module();
        while (m.add_records_pagedown(50)) {
        }
        std::vector<tline_key> keys;
        for (const auto& line : m.flist_lines) keys.emplace_back(line.fjob, line.flineno);
        return keys;
    }

    std::vector<tdb_job_line> db_lines() {
        std::vector<tdb_job_line> lines;
        fdatabase->run_transaction([&] {
            tfb_query q(fdatabase->database_customers, fdatabase->Transaction1);
            q.set_sql("SELECT l.job, l.lineno, h.account, l.partno, l.description, l.notes FROM job_lns l "
                      "JOIN job_hdr h ON h.id = l.job");
            for (q.execute(); !q.eof(); q.next())
                lines.push_back({q.field(0).as_integer(), q.field(1).as_smallint(), q.field(2).as_integer(),
                                 utf16_to_utf8(q.field(3).as_widestring()), utf16_to_utf8(q.field(4).as_widestring()),
                                 utf16_to_utf8(q.field(5).as_widestring())});
            q.close();
        });
        return lines;
    }

    // The lines of the jobs of aaccount, or of every job for -1.
    std::multiset<tline_key> account_lines(int32_t aaccount) {
        std::multiset<tline_key> keys;
        for (const tdb_job_line& l : db_lines())
            if (aaccount == -1 || l.account == aaccount) keys.emplace(l.job, l.lineno);
        return keys;
    }

    static std::multiset<tline_key> as_set(const std::vector<tline_key>& akeys) { return {akeys.begin(), akeys.end()}; }

    // The account with the most jobs.
    int32_t account_with_jobs() {
        fdatabase->open_database(0);  // the menu opens it too; a second open does nothing
        return static_cast<int32_t>(number(
            "SELECT FIRST 1 account FROM job_hdr GROUP BY account ORDER BY COUNT(*) DESC, account"));
    }
};
