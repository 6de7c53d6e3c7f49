#include "controls/procs_velmor.h"

#include <optional>

#include "controls/controls_iterator.h"
#include "controls/element.h"
#include "controls/grid_controls.h"
#include "controls/panel.h"
#include "controls/theme.h"

namespace {

// A focus candidate is focusable, willing, reachable and not a twin of where focus comes from.
std::optional<int32_t> candidate_order(const tvelmor_control* acontrol, int32_t aorder_from) {
    auto* c = dynamic_cast<const tvelmor_control_focusable*>(acontrol);
    if (!c || !c->can_focus() || c->focus_order == -1 || c->focus_order == aorder_from) return std::nullopt;
    return c->focus_order;
}

// Tracks the best (tag, order) seen; only a strictly better order replaces it.
struct tbest {
    int32_t tag = 0;
    int32_t order = 0;
    bool found = false;
    template <typename Better>
    void offer(int32_t atag, int32_t aorder, Better abetter) {
        if (!found || abetter(aorder, order)) {
            tag = atag;
            order = aorder;
            found = true;
        }
    }
};

}  // namespace

tvelmor_focus_order tprocs_velmor::get_next_focus_control(int32_t& atag_next, icontrols_iterator& aiterable,
                                                          int32_t aorder_from) {
    tbest overall, greater;
    auto less = [](int32_t a, int32_t b) { return a < b; };
    for (aiterable.first(); !aiterable.eof(); aiterable.next()) {
        tvelmor_control* c = aiterable.item();
        std::optional<int32_t> order = candidate_order(c, aorder_from);
        if (!order) continue;
        overall.offer(c->tag, *order, less);
        if (*order > aorder_from) greater.offer(c->tag, *order, less);
    }
    if (greater.found) {
        atag_next = greater.tag;
        return fo_greaterthan;
    }
    if (overall.found) {
        atag_next = overall.tag;
        return fo_lessthan;
    }
    return fo_none;
}

bool tprocs_velmor::get_prior_focus_control(int32_t& atag_next, icontrols_iterator& aiterable, int32_t aorder_from) {
    tbest overall, smaller;
    auto more = [](int32_t a, int32_t b) { return a > b; };
    for (aiterable.first(); !aiterable.eof(); aiterable.next()) {
        tvelmor_control* c = aiterable.item();
        std::optional<int32_t> order = candidate_order(c, aorder_from);
        if (!order) continue;
        overall.offer(c->tag, *order, more);
        if (*order < aorder_from) smaller.offer(c->tag, *order, more);
    }
    const tbest& pick = smaller.found ? smaller : overall;
    if (pick.found) atag_next = pick.tag;
    return pick.found;
}

bool tprocs_velmor::get_next_focus_panel(int32_t& atag_next, tvelmor_iterate_panels& aiterable, int32_t aorder_from) {
    tbest overall, greater;
    auto less = [](int32_t a, int32_t b) { return a < b; };
    for (aiterable.first(); !aiterable.eof(); aiterable.next()) {
        tvelmor_panel* p = aiterable.item();
        if (!p->visible || p->focus_order == -1 || p->focus_order == aorder_from) continue;
        overall.offer(p->tag, p->focus_order, less);
        if (p->focus_order > aorder_from) greater.offer(p->tag, p->focus_order, less);
    }
    const tbest& pick = greater.found ? greater : overall;
    if (pick.found) atag_next = pick.tag;
    return pick.found;
}

void tprocs_velmor::set_grid_cell_colors(tcanvas& acanvas, const tvelmor_customgrid& agrid, int32_t arow,
                                         int32_t acol, const tvelmor_theme* atheme) {
    const auto* theme = dynamic_cast<const tvelmor_theme_grid*>(atheme);
    if (!theme) {
        acanvas.set_brush_color(color_page_background);
        acanvas.set_text_color(color_black);
        return;
    }
    const int index = (agrid.is_focused ? 1 : 0) + (agrid.is_cell_selected(arow, acol) ? 2 : 0);
    const tcolor brush[] = {theme->color, theme->color_focused, theme->color_selected, theme->color_selected_focused};
    const tcolor font[] = {theme->color_font, theme->color_font_focused, theme->color_font_selected,
                           theme->color_font_selected_focused};
    acanvas.set_brush_color(brush[index]);
    acanvas.set_text_color(font[index]);
}
