#include "pages/handlermodule_ontop.h"

#include <algorithm>

#include "controls/dfm_component.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_textlines.h"
#include "pages/graphboxes.h"
#include "pages/page_controller_generic.h"

Thandlermodule_ontop::Thandlermodule_ontop(tpage_controller_generic* aowner, tvelmor_ontop aid, int32_t atag_ontop,
                                           const tform_page_generic* aform,
                                           std::unique_ptr<tcontainer_controls_generic> acontrols)
    : Thandlermodule_page(aowner, ht_ontop, aowner ? aowner->get_graphboxes().get_graphbox(ht_ontop) : nullptr,
                          std::move(acontrols)),
      fid(aid),
      ftag_ontop(atag_ontop),
      fform(aform) {}

trect Thandlermodule_ontop::get_initial_bounds(const trect&) { not_implemented("get_initial_bounds"); }

bool Thandlermodule_ontop::is_plain_press(tshift_state ashift, bool as_keyup) {
    return !as_keyup && (ashift & (ss_shift | ss_ctrl | ss_alt)) == 0;
}

void Thandlermodule_ontop::close_with(int32_t aresult) {
    fmodalresult = aresult;
    if (fowner) fowner->close_ontop();
}

Tform_page2 overlay_form(const char* aclass, const char* aform_name) {
    register_form_class(aclass);
    return Tform_page2(aclass, Tform_page2::embedded_text(aform_name));
}

// ---- the list overlays ----

Thandlermodule_ontop_list::Thandlermodule_ontop_list(tpage_controller_generic* aowner, tvelmor_ontop aid,
                                                     int32_t atag_ontop, const tform_page_generic* aform,
                                                     tmiscobject_textlines* atextlines)
    : Thandlermodule_ontop(aowner, aid, atag_ontop, aform), ftextlines(atextlines) {}

tvelmor_grid& Thandlermodule_ontop_list::grid() { return control<tvelmor_grid>(tag_grid); }

void Thandlermodule_ontop_list::once_created() {
    tvelmor_grid& g = grid();
    g.set_rowcount(ftextlines ? ftextlines->count() : 0);
    const int32_t row = initial_row();
    if (row > 0 && row < g.rowcount) g.row = row;
    set_focused_tag(tag_grid, true);
}

bool Thandlermodule_ontop_list::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (is_plain_press(ashift, as_keyup) && (akey == tvk::enter || akey == tvk::escape)) {
        const tvelmor_grid& g = grid();
        // An empty list has no current row to choose.
        const bool has_row = g.row >= 0 && g.row < g.rowcount;
        close_with(akey == tvk::enter && has_row ? g.row : -1);
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_ontop_list::handle_resize(bool as_skip_draw) {
    Thandlermodule_page::handle_resize(true);
    // The starting row may lie past the rows a cut-down list shows.
    tvelmor_grid& g = grid();
    if (g.row_count_visible > 0 && !g.is_row_visible(g.row)) g.row_top = g.row - g.row % g.row_count_visible;
    if (!as_skip_draw) handle_paint();
}

tvelmor_miscobject* Thandlermodule_ontop_list::get_miscobject(int32_t atag) {
    if (atag == tag_textlines) return ftextlines;
    return nullptr;
}

int32_t Thandlermodule_ontop_list::list_height() {
    const tvelmor_grid& g = grid();
    return g.rowcount * g.row_height + 12;
}

trect Thandlermodule_ontop_list::list_bounds(int32_t aleft, int32_t atop, int32_t aright, int32_t amax_bottom) {
    const int32_t one_row = grid().row_height + 12;
    const int32_t bottom = std::max(std::min(atop + list_height(), amax_bottom), atop + one_row);
    return {aleft, atop, aright, bottom};
}
