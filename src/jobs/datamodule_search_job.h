// The job search used by the job pages: job lines whose part number starts with the text or whose
// description or notes contain it, over all accounts (in job order) or over one account's jobs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/datamodule_search_query.h"

class Tdatamodule_search_job : public Tdatamodule_search_query {
public:
    static constexpr int32_t all_accounts = -1;

    struct trecord_line {
        int32_t fjob = 0;
        int16_t flineno = 0;
        std::u16string fpartno;
        std::u16string fdescription;
    };

    explicit Tdatamodule_search_job(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_search_job"; }

    // Builds the statement for all accounts (aaccount -1) or for the jobs of one account; must
    // come before the first search.
    void initialize_search(int32_t aaccount);

    void update_search(const std::u16string& asearch, int32_t arowcount_visible, int32_t arow_start) override;
    // Columns: 0 the job id as decimal text, 1 the part number, 2 the description.
    std::u16string get_cell_text(int32_t arow, int16_t acol) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }

    // The line's fields; aline must be a line of the list. line_id is the job's id.
    int32_t line_id(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fjob; }
    int16_t line_lineno(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).flineno; }
    std::u16string line_partno(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fpartno; }

    std::vector<trecord_line> flist_lines;
    tfb_query query_job;

protected:
    tfb_query& query() override { return query_job; }
    void add_line() override;
    void clear_lines() override { flist_lines.clear(); }
};
