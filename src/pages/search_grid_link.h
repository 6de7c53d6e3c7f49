// A search grid of a page tied to its lines: the search runs into the grid, the grid's data
// requests and the module's timer bring more lines, cells are painted through the one cell
// painter from the lines, and the grid's text source (if it names one) answers them too. The
// lines come from a search module, or from the page itself where it loads them its own way.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/geometry.h"

class Thandlermodule_page;
class Tdatamodule_search_grid;
class tvelmor_control;
class tvelmor_grid;
class tvelmor_theme;

class tsearch_grid_link {
public:
    using tcount = std::function<int32_t()>;
    using tcell = std::function<std::u16string(int32_t arow, int32_t acol)>;

    // A grid fed by amodule. atag_lines: the misc object the grid names as its text source
    // (header2), 0 for none; acolumns: how many columns the module answers there. The module's
    // fon_lines_added becomes lines_added; a page that follows the lines only at times sets its
    // own hook calling lines_added, and a data request's lines go through that hook as well.
    tsearch_grid_link(Thandlermodule_page& apage, Tdatamodule_search_grid& amodule, int32_t atag_grid,
                      int32_t atag_lines = 0, int32_t acolumns = 0);
    // A grid whose lines the page loads itself: aline_count and acell answer them; searching and
    // data requests stay the page's (wants_lines tells when a move asks for more).
    tsearch_grid_link(Thandlermodule_page& apage, tcount aline_count, tcell acell, int32_t atag_grid,
                      int32_t atag_lines, int32_t acolumns);
    tsearch_grid_link(const tsearch_grid_link&) = delete;
    tsearch_grid_link& operator=(const tsearch_grid_link&) = delete;

    // Puts the grid's text source in place (none without atag_lines); the page's controls must exist.
    void install();
    tvelmor_grid& grid() const;
    bool has_line(int32_t arow) const;
    // Runs the module's search with the grid's visible rows into the grid, without queuing a
    // draw (for the first layout, which paints the page): the grid shows from arow_start, a
    // remembered row, when that holds a line, else from its first row.
    void fill(const std::u16string& atext, int32_t arow_start = -1);
    // fill from the first row, and the grid's redraw queued.
    void search(const std::u16string& atext);
    // True when a grid move (message 1101) down or a page down comes near the end of the lines.
    bool wants_lines(uint8_t ahow) const;
    // A grid move: more lines from the module when it wants them and the module is idle.
    void data_request(uint8_t ahow);
    // The grid's row count follows the lines; rows shown that were empty are redrawn.
    void lines_added();
    // True when acontrol is this grid (and the cell was painted).
    bool paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow, int32_t acol);
    void redraw();

    Tdatamodule_search_grid& module() const;
    int32_t tag_grid() const { return ftag_grid; }

private:
    Thandlermodule_page& fpage;
    Tdatamodule_search_grid* fmodule;
    tcount fline_count;
    tcell fcell;
    int32_t ftag_grid;
    int32_t ftag_lines;
    int32_t fcolumns;
};
