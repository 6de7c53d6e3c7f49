// Base of the search data modules: the lines a search grid shows, loaded a helping at a time
// (first helping, more when the user nears the end, the rest by a 20 ms timer).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "procs/velmor_exception.h"

class tfb_query;
class tvelmor_customgrid;

// A platform timer that can be started and stopped repeatedly; stopped when destroyed.
class tsearch_timer {
public:
    explicit tsearch_timer(int32_t ainterval_ms) : finterval(ainterval_ms) {}
    ~tsearch_timer() { stop(); }
    tsearch_timer(const tsearch_timer&) = delete;
    tsearch_timer& operator=(const tsearch_timer&) = delete;
    void start(std::function<void()> aontimer);
    void stop();
    bool enabled() const { return fid != 0; }
    int32_t interval() const { return finterval; }

private:
    int32_t finterval;
    int32_t fid = 0;
};

// The search text without the blanks and control characters around it.
std::u16string trim_search_text(const std::u16string& atext);

class Tdatamodule_search_grid : public tvelmor_object {
public:
    const char* class_name() const override { return "Tdatamodule_search_grid"; }

    virtual void close();
    virtual void update_search(const std::u16string& asearch, int32_t arowcount_visible, int32_t arow_start);
    virtual std::u16string get_cell_text(int32_t arow, int16_t acol);
    virtual bool is_loading_idle();
    virtual bool add_records_arrowdown(int32_t acount_visible);
    virtual bool add_records_pagedown(int32_t acount_visible);
    virtual int32_t line_count() const { return 0; }

    // The 20 ms timer's event: two more lines per tick while ticks are scheduled.
    virtual void timer_addrecords_timer() {}

    // Searches with the grid's count of visible rows; the grid then holds the lines and shows
    // them from row arow_start (a remembered row, loaded with one screen below it) when that
    // holds a line, else from its first row.
    void update_search_grid(const std::u16string& asearch, tvelmor_customgrid& agrid, int32_t arow_start = -1);

    // Told when a tick added lines, so the grid's row count can follow.
    std::function<void()> fon_lines_added;

protected:
    // The single-query modules' step: up to acount rows of the open query become lines through
    // aadd_line (which reads the current row); afinished tells whether the query ran out, and
    // a query that ran out is closed. True when a line was added.
    static bool fetch_query(tfb_query& aquery, bool& afinished, int32_t acount, const std::function<void()>& aadd_line);
    // The arrow-down rule shared by the modules: afetch(n) appends up to n lines. When lines
    // were added and acount_visible is not -1, ticks are scheduled and the timer started.
    bool arrowdown(int32_t acount_visible, const std::function<bool(int32_t)>& afetch,
                   tsearch_timer& atimer, int32_t& acount_addrecords);
    bool pagedown(int32_t acount_visible, const std::function<bool(int32_t)>& afetch, tsearch_timer& atimer,
                  int32_t& acount_addrecords);
    // One timer tick: two more lines; the timer stops when the ticks run out or nothing came.
    void tick(const std::function<bool(int32_t)>& afetch, tsearch_timer& atimer, int32_t& acount_addrecords);
};
