#include "pages/handlermodule_menu_list.h"

#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/miscobject_textlines.h"
#include "pages/page_controller_generic.h"
#include "values/params_generic.h"

tvelmor_grid& Thandlermodule_menu_list::grid() { return control<tvelmor_grid>(tag_grid); }

void Thandlermodule_menu_list::once_created() {
    auto* items = dynamic_cast<tmiscobject_textlines*>(fcontrols->get_miscobject(menu_items_tag()));
    if (!items)
        throw tvelmor_exception("Menu items %d not found in %s.once_created();", menu_items_tag(), class_name());
    tvelmor_grid& g = grid();
    g.header2 = menu_items_tag();
    g.set_rowcount(items->count());
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_menu_list::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_gridrow*>(&aparams)) params->frow_start = grid().row;
}

bool Thandlermodule_menu_list::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == 0) {
        if (akey == tvk::enter) return choose_current_row();
        if (akey == tvk::escape) {
            fowner->page_exit();
            return true;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_menu_list::choose_current_row() {
    const int32_t row = grid().row;
    const std::span<const int16_t> pages = row_pages();
    if (row < 0 || row >= static_cast<int32_t>(pages.size()) || row >= grid().rowcount) return false;
    tpage_controller_generic& controller = *fowner;
    const int16_t target = pages[static_cast<size_t>(row)];
    if (target <= first_action_row)
        run_row_action(target);
    else if (target == page_exit_row)
        controller.page_exit();
    else
        controller.page_enter(target, false);
    return true;
}

void Thandlermodule_menu_list::run_row_action(int16_t acode) {
    throw tvelmor_exception("Unsupported menu action %d in %s.run_row_action();", acode, class_name());
}
