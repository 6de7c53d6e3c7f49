// Where a grid's rows and cells lie: the row area inside the frame, column widths in pixels or as
// a percentage of the row area, cell rectangles and the cell under a point. Shared by the grid
// renderers and the grid controls that paint their rows.
#pragma once

#include <cstdint>

#include "controls/geometry.h"

class tvelmor_customgrid;
class tvelmor_theme;

class tgrid_geometry {
public:
    // The grid's rectangle without its one-pixel frame: Left + 2 and Top + 2.
    static trect row_area(const trect& arect) { return {arect.left + 2, arect.top + 2, arect.right, arect.bottom}; }
    // A width w >= 0 is in pixels; w < 0 is -w percent of the row area's width.
    static int32_t column_width(const tvelmor_customgrid& agrid, const trect& aarea, int32_t acol);
    static int32_t column_start(const tvelmor_customgrid& agrid, const trect& aarea, int32_t acol);
    // The top of a row's band (the row counted from row_top).
    static int32_t row_y(const tvelmor_customgrid& agrid, const trect& aarea, int32_t arow);
    // The bottom of the last row shown; above the area's top when no row is shown.
    static int32_t last_row_bottom(const tvelmor_customgrid& agrid, const trect& aarea);
    // A cell: right edge start + width - gap, never past the area's Right - 1; bottom edge the
    // last pixel of the row band.
    static trect cell_rect(const tvelmor_customgrid& agrid, const trect& aarea, int32_t arow, int32_t acol,
                           int32_t agap);
    // The row and column under a point of the area. A point below the last row, in a visible slot
    // that holds no row, or right of the last column hits nothing.
    static bool hit_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& agrid, const trect& aarea,
                         int32_t ax, int32_t ay);
    // The gap of the theme's grid renderer; 1 (the standard gap) without one.
    static int32_t gap_of(const tvelmor_theme* atheme);
};
