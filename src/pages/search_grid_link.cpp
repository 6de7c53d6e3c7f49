#include "pages/search_grid_link.h"

#include "pages/datamodule_search_grid.h"
#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "pages/miscobject_cell_source.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller_generic.h"

tsearch_grid_link::tsearch_grid_link(Thandlermodule_page& apage, Tdatamodule_search_grid& amodule, int32_t atag_grid,
                                     int32_t atag_lines, int32_t acolumns)
    : fpage(apage), fmodule(amodule), ftag_grid(atag_grid), ftag_lines(atag_lines), fcolumns(acolumns) {}

void tsearch_grid_link::install() {
    tmiscobject_cell_source::install(
        fpage, ftag_lines, fcolumns, [this] { return fmodule.line_count(); },
        [this](int32_t arow, int32_t acol) { return fmodule.get_cell_text(arow, static_cast<int16_t>(acol)); });
}

tvelmor_grid& tsearch_grid_link::grid() const { return page_grid(fpage, ftag_grid); }

bool tsearch_grid_link::has_line(int32_t arow) const { return arow >= 0 && arow < fmodule.line_count(); }

void tsearch_grid_link::search(const std::u16string& atext) {
    fmodule.update_search_grid(atext, grid());
    redraw();
}

void tsearch_grid_link::redraw() {
    fpage.fowner->get_messages().add_message(501, jt_draw_control, fpage.fhandler_type, ftag_grid);
}

void tsearch_grid_link::data_request(uint8_t ahow) {
    tvelmor_grid& g = grid();
    if (g.row < g.rowcount - 2 * g.row_count_visible) return;
    if (ahow != gmv_row_down && ahow != gmv_page_down) return;
    if (!fmodule.is_loading_idle()) return;
    const bool added = ahow == gmv_row_down ? fmodule.add_records_arrowdown(g.row_count_visible)
                                            : fmodule.add_records_pagedown(g.row_count_visible);
    if (added) lines_added();
}

void tsearch_grid_link::lines_added() {
    tvelmor_grid& g = grid();
    const int32_t before = g.rowcount;
    g.set_rowcount(fmodule.line_count());
    // A move draws before it asks for lines, and a tick comes later still: new lines that land in
    // the rows shown would stay blank.
    if (g.rowcount > before && before < g.row_top + g.row_count_visible) redraw();
}

bool tsearch_grid_link::paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                              int32_t acol) {
    if (!acontrol || acontrol->tag != ftag_grid) return false;
    paint_grid_cell_text(fpage, acontrol, atheme, arect, arow, acol,
                         fmodule.get_cell_text(arow, static_cast<int16_t>(acol)));
    return true;
}
