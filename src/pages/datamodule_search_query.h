// The search modules that read one query: the query stays open between helpings and its rows
// become lines a helping at a time; the subclass names the query and turns a row into a line.
#pragma once

#include <cstdint>

#include "pages/datamodule_search_grid.h"
#include "database/fb_query.h"

class Tdatamodule_database_customers;

class Tdatamodule_search_query : public Tdatamodule_search_grid {
public:
    explicit Tdatamodule_search_query(Tdatamodule_database_customers& adatabase);
    ~Tdatamodule_search_query() override;
    const char* class_name() const override { return "Tdatamodule_search_query"; }

    void close() override;
    bool is_loading_idle() override { return !timer_addrecords.enabled() && !ffinished; }
    bool add_records_arrowdown(int32_t acount_visible) override;
    bool add_records_pagedown(int32_t acount_visible) override;
    void timer_addrecords_timer() override;

    // Its own read transaction: the query stays open between helpings.
    tfb_transaction transaction_search;
    tsearch_timer timer_addrecords{20};
    int32_t fcount_addrecords = 0;
    bool ffinished = true;

protected:
    // Runs the query afresh (its parameters already set), empties the lines and loads the first
    // helping: 2 x the visible rows, or the remembered row plus one screen.
    void run_query(int32_t arowcount_visible, int32_t arow_start);
    virtual tfb_query& query() = 0;
    // Appends one line from the query's current row.
    virtual void add_line() = 0;
    virtual void clear_lines() = 0;

private:
    bool fetch(int32_t acount);
};
