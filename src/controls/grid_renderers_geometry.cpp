#include "controls/grid_renderers_geometry.h"

#include <algorithm>

#include "controls/grid_controls.h"
#include "controls/procs_drawing.h"
#include "controls/theme.h"

int32_t tgrid_geometry::column_width(const tvelmor_customgrid& agrid, const trect& aarea, int32_t acol) {
    const int32_t w = agrid.get_colwidth(acol);
    return w >= 0 ? w : -(aarea.width() * w) / 100;
}

int32_t tgrid_geometry::column_start(const tvelmor_customgrid& agrid, const trect& aarea, int32_t acol) {
    int32_t x = aarea.left;
    for (int32_t i = 0; i < acol; ++i) x += column_width(agrid, aarea, i);
    return x;
}

int32_t tgrid_geometry::row_y(const tvelmor_customgrid& agrid, const trect& aarea, int32_t arow) {
    return aarea.top + (arow - agrid.row_top) * agrid.row_height;
}

int32_t tgrid_geometry::last_row_bottom(const tvelmor_customgrid& agrid, const trect& aarea) {
    return row_y(agrid, aarea, agrid.last_row_showing() + 1) - 1;
}

trect tgrid_geometry::cell_rect(const tvelmor_customgrid& agrid, const trect& aarea, int32_t arow, int32_t acol,
                                int32_t agap) {
    const int32_t start = column_start(agrid, aarea, acol);
    const int32_t top = row_y(agrid, aarea, arow);
    const int32_t right = std::min(start + column_width(agrid, aarea, acol) - agap, aarea.right - 1);
    return {start, top, right, top + agrid.row_height - 1};
}

bool tgrid_geometry::hit_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& agrid, const trect& aarea,
                              int32_t ax, int32_t ay) {
    if (!tprocs_rect::contains_pt(aarea, ax, ay) || agrid.row_height <= 0) return false;
    const int32_t row = agrid.row_top + (ay - aarea.top) / agrid.row_height;
    // An empty slot below the last row holds nothing a click could select.
    if (row >= agrid.row_top + agrid.row_count_visible || row >= agrid.rowcount) return false;
    int32_t start = aarea.left;
    for (int32_t col = 0; col < agrid.colcount; ++col) {
        start += column_width(agrid, aarea, col);
        if (start > ax) {
            arow = row;
            acol = col;
            return true;
        }
    }
    return false;
}

int32_t tgrid_geometry::gap_of(const tvelmor_theme* atheme) {
    const auto* theme = dynamic_cast<const tvelmor_theme_grid_brief*>(atheme);
    return theme && theme->classrender ? theme->classrender->get_gap_x() : 1;
}
