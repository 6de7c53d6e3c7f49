// The account search used inside other pages: accounts whose name or phone starts with the text
// (deleted ones included), in the order the database gives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/datamodule_search_grid.h"
#include "database/fb_query.h"

class Tdatamodule_database_customers;

class Tdatamodule_search_account : public Tdatamodule_search_grid {
public:
    struct trecord_line {
        int32_t fid = 0;
        std::u16string fname;
        std::u16string fphone;
    };

    explicit Tdatamodule_search_account(Tdatamodule_database_customers& adatabase);
    ~Tdatamodule_search_account() override;
    const char* class_name() const override { return "Tdatamodule_search_account"; }

    void close() override;
    void update_search(const std::u16string& asearch, int32_t arowcount_visible, int32_t arow_start) override;
    std::u16string get_cell_text(int32_t arow, int16_t acol) override;
    bool is_loading_idle() override { return !timer_addrecords.enabled() && !ffinished; }
    bool add_records_arrowdown(int32_t acount_visible) override;
    bool add_records_pagedown(int32_t acount_visible) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }
    void timer_addrecords_timer() override;

    int32_t line_id(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fid; }
    std::u16string line_name(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fname; }

    std::vector<trecord_line> flist_lines;
    // Its own read transaction (read-only, kept open), like the customer search: the query stays
    // open between helpings.
    tfb_transaction transaction_search;
    tfb_query query_account;
    tsearch_timer timer_addrecords{20};
    int32_t fcount_addrecords = 0;
    bool ffinished = true;
    std::u16string fsearch;

private:
    bool fetch(int32_t acount);
};
