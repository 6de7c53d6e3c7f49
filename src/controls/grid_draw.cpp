// How the grids draw their rows: the cells are painted by the handler (its own painter, or the
// default painter that reads the grid's header misc objects), cell by cell into the row area,
// and an empty area below the last row is handed over once with row and column -1.
#include <algorithm>

#include "controls/controls_owner.h"
#include "controls/geometry.h"
#include "controls/grid_controls.h"
#include "controls/grid_renderers_geometry.h"

namespace {

using tcell_painter = void (icontrols_owner::*)(tvelmor_control*, tvelmor_theme*, const trect&, int32_t, int32_t);

// Paints the cells of rows afirst..last showing into the area, column by column. After the first
// column (or at once without columns) the area below the last row is passed to the painter if a
// visible slot holds no row.
void paint_rows(tvelmor_customgrid& agrid, tcell_painter apainter, tvelmor_theme* atheme, const trect& aarea,
                int32_t afirst) {
    icontrols_owner* owner = agrid.owner;
    if (!owner) return;
    const int32_t gap = tgrid_geometry::gap_of(atheme);
    const int32_t last = std::min(agrid.rowcount - 1, agrid.row_top + agrid.row_count_visible - 1);
    const int32_t next = std::max(afirst, last + 1);
    auto pass_empty_area = [&] {
        if (next >= agrid.row_top + agrid.row_count_visible) return;
        const trect empty{aarea.left, tgrid_geometry::row_y(agrid, aarea, next), aarea.right, aarea.bottom};
        (owner->*apainter)(&agrid, atheme, empty, -1, -1);
    };
    for (int32_t col = 0; col < agrid.colcount; ++col) {
        if (tgrid_geometry::column_start(agrid, aarea, col) > aarea.right) break;
        for (int32_t row = afirst; row <= last; ++row)
            (owner->*apainter)(&agrid, atheme, tgrid_geometry::cell_rect(agrid, aarea, row, col, gap), row, col);
        if (col == 0) pass_empty_area();
    }
    if (agrid.colcount == 0) pass_empty_area();
}

// Paints one row (all columns, or only acol) if the row is showing.
void paint_row(tvelmor_customgrid& agrid, tcell_painter apainter, tvelmor_theme* atheme, const trect& aarea,
               int32_t acol, int32_t arow) {
    icontrols_owner* owner = agrid.owner;
    if (!owner || !agrid.is_row_visible(arow)) return;
    const int32_t gap = tgrid_geometry::gap_of(atheme);
    const int32_t from = acol == -1 ? 0 : acol;
    const int32_t to = acol == -1 ? agrid.colcount - 1 : std::min(acol, agrid.colcount - 1);
    for (int32_t col = std::max(from, 0); col <= to; ++col) {
        if (tgrid_geometry::column_start(agrid, aarea, col) > aarea.right) break;
        (owner->*apainter)(&agrid, atheme, tgrid_geometry::cell_rect(agrid, aarea, arow, col, gap), arow, col);
    }
}

// Rows before the first one shown would land above the grid.
int32_t first_row(const tvelmor_customgrid& agrid, int32_t arow_from) {
    return arow_from == -1 ? agrid.row_top : std::max(arow_from, agrid.row_top);
}

tcell_painter grid_painter(const tvelmor_customgrid& agrid) {
    return agrid.header != 0 && agrid.header_draw ? &icontrols_owner::control_paint_default
                                                  : &icontrols_owner::control_paint;
}

}  // namespace

trect tvelmor_grid::translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow, int32_t acol) {
    return tgrid_geometry::cell_rect(*this, aarea, arow, acol, tgrid_geometry::gap_of(atheme));
}

void tvelmor_grid::draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) {
    paint_row(*this, grid_painter(*this), atheme, aarea, acol, arow);
}

void tvelmor_grid::draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) {
    paint_rows(*this, grid_painter(*this), atheme, aarea, first_row(*this, arow_from));
}

trect tvelmor_grid_controls::translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow,
                                                         int32_t acol) {
    return tgrid_geometry::cell_rect(*this, aarea, arow, acol, tgrid_geometry::gap_of(atheme));
}

void tvelmor_grid_controls::draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) {
    paint_row(*this, &icontrols_owner::control_paint, atheme, aarea, acol, arow);
}

// The handler paints its own small controls in the cells, always from the first row shown.
void tvelmor_grid_controls::draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t) {
    paint_rows(*this, &icontrols_owner::control_paint, atheme, aarea, row_top);
}

trect tvelmor_dbgrid::translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow,
                                                  int32_t acol) {
    return tgrid_geometry::cell_rect(*this, aarea, arow, acol, tgrid_geometry::gap_of(atheme));
}

void tvelmor_dbgrid::draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) {
    paint_row(*this, grid_painter(*this), atheme, aarea, acol, arow);
}

void tvelmor_dbgrid::draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) {
    paint_rows(*this, grid_painter(*this), atheme, aarea, first_row(*this, arow_from));
}
