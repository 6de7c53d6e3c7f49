// The job search used by the job pages: job lines whose part number starts with the text or whose
// description or notes contain it, over all accounts (in job order) or over one account's jobs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "accounts/datamodule_search_grid.h"
#include "database/fb_query.h"

class Tdatamodule_database_customers;

class Tdatamodule_search_job : public Tdatamodule_search_grid {
public:
    static constexpr int32_t all_accounts = -1;

    struct trecord_line {
        int32_t fjob = 0;
        int16_t flineno = 0;
        std::u16string fpartno;
        std::u16string fdescription;
    };

    explicit Tdatamodule_search_job(Tdatamodule_database_customers& adatabase);
    ~Tdatamodule_search_job() override;
    const char* class_name() const override { return "Tdatamodule_search_job"; }

    // Builds the statement for all accounts (aaccount -1) or for the jobs of one account; must
    // come before the first search.
    void initialize_search(int32_t aaccount);

    void close() override;
    void update_search(const std::u16string& asearch, int32_t arowcount_visible, int32_t arow_start) override;
    // Columns: 0 the job id as decimal text, 1 the part number, 2 the description.
    std::u16string get_cell_text(int32_t arow, int16_t acol) override;
    bool is_loading_idle() override { return !timer_addrecords.enabled() && !ffinished; }
    bool add_records_arrowdown(int32_t acount_visible) override;
    bool add_records_pagedown(int32_t acount_visible) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }
    void timer_addrecords_timer() override;

    // The line's fields; aline must be a line of the list. line_id is the job's id.
    int32_t line_id(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fjob; }
    int16_t line_lineno(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).flineno; }
    std::u16string line_partno(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fpartno; }

    std::vector<trecord_line> flist_lines;
    // Its own read transaction: the query stays open between helpings.
    tfb_transaction transaction_search;
    tfb_query query_job;
    tsearch_timer timer_addrecords{20};
    int32_t fcount_addrecords = 0;
    bool ffinished = true;

private:
    bool fetch(int32_t acount);
};
