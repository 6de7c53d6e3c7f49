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
    : fpage(apage),
      fmodule(&amodule),
      fline_count([&amodule] { return amodule.line_count(); }),
      fcell([&amodule](int32_t arow, int32_t acol) { return amodule.get_cell_text(arow, static_cast<int16_t>(acol)); }),
      ftag_grid(atag_grid),
      ftag_lines(atag_lines),
      fcolumns(acolumns) {
    amodule.fon_lines_added = [this] { lines_added(); };
}

tsearch_grid_link::tsearch_grid_link(Thandlermodule_page& apage, tcount aline_count, tcell acell, int32_t atag_grid,
                                     int32_t atag_lines, int32_t acolumns)
    : fpage(apage),
      fmodule(nullptr),
      fline_count(std::move(aline_count)),
      fcell(std::move(acell)),
      ftag_grid(atag_grid),
      ftag_lines(atag_lines),
      fcolumns(acolumns) {}

void tsearch_grid_link::install() {
    if (ftag_lines != 0) tmiscobject_cell_source::install(fpage, ftag_lines, fcolumns, fline_count, fcell);
}

Tdatamodule_search_grid& tsearch_grid_link::module() const {
    if (!fmodule) throw tvelmor_exception("Grid %d of %s has no search module;", ftag_grid, fpage.class_name());
    return *fmodule;
}

tvelmor_grid& tsearch_grid_link::grid() const { return fpage.control<tvelmor_grid>(ftag_grid); }

bool tsearch_grid_link::has_line(int32_t arow) const { return arow >= 0 && arow < fline_count(); }

void tsearch_grid_link::fill(const std::u16string& atext, int32_t arow_start) {
    module().update_search_grid(atext, grid(), arow_start);
}

void tsearch_grid_link::search(const std::u16string& atext) {
    fill(atext);
    redraw();
}

void tsearch_grid_link::redraw() {
    fpage.fowner->get_messages().add_message(501, jt_draw_control, fpage.fhandler_type, ftag_grid);
}

bool tsearch_grid_link::wants_lines(uint8_t ahow) const {
    if (ahow != gmv_row_down && ahow != gmv_page_down) return false;
    const tvelmor_grid& g = grid();
    return g.row >= g.rowcount - 2 * g.row_count_visible;
}

void tsearch_grid_link::data_request(uint8_t ahow) {
    Tdatamodule_search_grid& m = module();
    if (!wants_lines(ahow) || !m.is_loading_idle()) return;
    const int32_t visible = grid().row_count_visible;
    const bool added = ahow == gmv_row_down ? m.add_records_arrowdown(visible) : m.add_records_pagedown(visible);
    if (added && m.fon_lines_added) m.fon_lines_added();
}

void tsearch_grid_link::lines_added() {
    // A tick after the page's controls went finds nothing to follow.
    if (!fpage.fcontrols) return;
    tvelmor_grid& g = grid();
    const int32_t before = g.rowcount;
    g.set_rowcount(fline_count());
    // A move draws before it asks for lines, and a tick comes later still: new lines that land in
    // the rows shown would stay blank.
    if (g.rowcount > before && before < g.row_top + g.row_count_visible) redraw();
}

bool tsearch_grid_link::paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                              int32_t acol) {
    if (!acontrol || acontrol->tag != ftag_grid) return false;
    paint_grid_cell_text(fpage, acontrol, atheme, arect, arow, acol, fcell(arow, acol));
    return true;
}
