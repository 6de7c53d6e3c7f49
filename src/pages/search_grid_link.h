// A search grid of a job page tied to its search module: the search runs into the grid, the
// grid's data requests and the module's timer bring more lines, cells are painted through the
// grid's column format from the module's lines, and the grid's text source answers them too.
#pragma once

#include <cstdint>
#include <string>

#include "controls/geometry.h"

class Thandlermodule_page;
class Tdatamodule_search_grid;
class tvelmor_control;
class tvelmor_grid;
class tvelmor_theme;

class tsearch_grid_link {
public:
    // atag_lines: the misc object the grid names as its text source (header2); acolumns: how
    // many columns the module answers.
    tsearch_grid_link(Thandlermodule_page& apage, Tdatamodule_search_grid& amodule, int32_t atag_grid,
                      int32_t atag_lines, int32_t acolumns);
    tsearch_grid_link(const tsearch_grid_link&) = delete;
    tsearch_grid_link& operator=(const tsearch_grid_link&) = delete;

    // Puts the grid's text source in place; the page's controls must exist.
    void install();
    tvelmor_grid& grid() const;
    bool has_line(int32_t arow) const;
    // Runs the search with the grid's visible rows, selects the first row and queues its redraw.
    void search(const std::u16string& atext);
    // A grid move (message 1101): more lines near the end of the grid.
    void data_request(uint8_t ahow);
    // The grid's row count follows the lines; rows shown that were empty are redrawn.
    void lines_added();
    // True when acontrol is this grid (and the cell was painted).
    bool paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow, int32_t acol);
    void redraw();

    Tdatamodule_search_grid& module() const { return fmodule; }
    int32_t tag_grid() const { return ftag_grid; }

private:
    Thandlermodule_page& fpage;
    Tdatamodule_search_grid& fmodule;
    int32_t ftag_grid;
    int32_t ftag_lines;
    int32_t fcolumns;
};
