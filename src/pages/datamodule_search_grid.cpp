#include "pages/datamodule_search_grid.h"

#include "controls/grid_controls.h"
#include "controls/platform.h"
#include "database/fb_query.h"

std::u16string trim_search_text(const std::u16string& atext) {
    size_t first = 0;
    size_t last = atext.size();
    while (first < last && atext[first] <= u' ') ++first;
    while (last > first && atext[last - 1] <= u' ') --last;
    return atext.substr(first, last - first);
}

void tsearch_timer::start(std::function<void()> aontimer) {
    if (fid != 0) return;
    fid = tplatform::instance().start_timer(finterval, std::move(aontimer));
}

void tsearch_timer::stop() {
    if (fid == 0) return;
    const int32_t id = fid;
    fid = 0;
    tplatform::instance().stop_timer(id);
}

void Tdatamodule_search_grid::close() {
    throw tvelmor_exception("%s.close(); not implemented", class_name());
}

void Tdatamodule_search_grid::update_search(const std::u16string&, int32_t, int32_t) {
    throw tvelmor_exception("%s.update_search(); not implemented", class_name());
}

std::u16string Tdatamodule_search_grid::get_cell_text(int32_t, int16_t) {
    throw tvelmor_exception("%s.get_cell_text(); not implemented", class_name());
}

bool Tdatamodule_search_grid::is_loading_idle() {
    throw tvelmor_exception("%s.is_loading_idle(); not implemented", class_name());
}

bool Tdatamodule_search_grid::add_records_arrowdown(int32_t) {
    throw tvelmor_exception("%s.add_records_arrowdown(); not implemented", class_name());
}

bool Tdatamodule_search_grid::add_records_pagedown(int32_t) {
    throw tvelmor_exception("%s.add_records_pagedown(); not implemented", class_name());
}

bool Tdatamodule_search_grid::arrowdown(int32_t acount_visible, const std::function<bool(int32_t)>& afetch,
                                        tsearch_timer& atimer, int32_t& acount_addrecords) {
    const int32_t before = line_count();
    const bool added = afetch(2);
    if (added && acount_visible > 0) {
        acount_addrecords += before % acount_visible < 4 ? acount_visible / 2 : (acount_visible - 2) / 2;
        if (acount_addrecords > 0)
            atimer.start([this] { timer_addrecords_timer(); });
    }
    return added;
}

bool Tdatamodule_search_grid::pagedown(int32_t acount_visible, const std::function<bool(int32_t)>& afetch,
                                       tsearch_timer& atimer, int32_t& acount_addrecords) {
    const bool added = acount_visible > 0 && afetch(acount_visible);
    if (added) {
        acount_addrecords = 0;
        atimer.stop();
    }
    return added;
}

void Tdatamodule_search_grid::tick(const std::function<bool(int32_t)>& afetch, tsearch_timer& atimer,
                                   int32_t& acount_addrecords) {
    if (afetch(2)) {
        if (--acount_addrecords <= 0) {
            acount_addrecords = 0;
            atimer.stop();
        }
        if (fon_lines_added) fon_lines_added();
    } else {
        acount_addrecords = 0;
        atimer.stop();
    }
}

bool Tdatamodule_search_grid::fetch_query(tfb_query& aquery, bool& afinished, int32_t acount,
                                          const std::function<void()>& aadd_line) {
    if (afinished) return false;
    int32_t added = 0;
    while (added < acount && !aquery.eof()) {
        aadd_line();
        aquery.next();
        ++added;
    }
    afinished = aquery.eof();
    if (afinished) aquery.close();
    return added > 0;
}

void Tdatamodule_search_grid::update_search_grid(const std::u16string& asearch, tvelmor_customgrid& agrid,
                                                 int32_t arow_start) {
    if (arow_start < 0) arow_start = -1;
    update_search(asearch, agrid.row_count_visible, arow_start);
    agrid.set_rowcount(line_count());
    agrid.row_setfull(arow_start >= 0 && arow_start < line_count() ? arow_start : 0);
}
