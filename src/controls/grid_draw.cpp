// How the grids draw their rows: cells are painted by the handler, through the grid renderers.
#include "controls/grid_controls.h"

#include "controls/geometry.h"

trect tvelmor_grid::translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow, int32_t acol) {
    return tvelmor_customgrid::translate_draw_row_cellrect(atheme, aarea, arow, acol);
}
void tvelmor_grid::draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) {
    tvelmor_customgrid::draw_row(atheme, aarea, acol, arow);
}
void tvelmor_grid::draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) {
    tvelmor_customgrid::draw_rows(atheme, aarea, arow_from);
}
trect tvelmor_grid_controls::translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow,
                                                         int32_t acol) {
    return tvelmor_customgrid::translate_draw_row_cellrect(atheme, aarea, arow, acol);
}
void tvelmor_grid_controls::draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) {
    tvelmor_customgrid::draw_row(atheme, aarea, acol, arow);
}
void tvelmor_grid_controls::draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) {
    tvelmor_customgrid::draw_rows(atheme, aarea, arow_from);
}
