#include "accounts/handlermodule_menu_accounts.h"

#include <iterator>
#include <string_view>

#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/miscobject_textlines.h"
#include "database/datamodule_database_customers.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

constexpr int16_t page_exit_row = -1;

// What each row of the shown list leads to, by row: a page number, or leaving the menu.
constexpr int16_t row_pages[] = {2, 3, 7, page_exit_row};

// The form's text is built into the program.
const Tform_page2& menu_form() {
    static const Tform_page2 form("Tform_page_menu_accounts", Tform_page2::embedded_text("form_page_menu_accounts"));
    return form;
}

}  // namespace

Thandlermodule_menu_accounts::Thandlermodule_menu_accounts(tpage_controller_generic* aowner,
                                                           thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox) {}

const thandler_class& Thandlermodule_menu_accounts::handler_class() {
    static const thandler_class c("Thandlermodule_menu_accounts", &handler_factory_of<Thandlermodule_menu_accounts>,
                                  &menu_form(), &tparams_gridrow::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_menu_accounts::grid() {
    auto* g = dynamic_cast<tvelmor_grid*>(fcontrols->get_control(tag_grid));
    if (!g) throw tvelmor_exception("Menu grid %d not found in %s.grid();", tag_grid, class_name());
    return *g;
}

void Thandlermodule_menu_accounts::once_created() {
    Tdatamodule_database_customers::instance().open_database(database_no);
    auto* items = dynamic_cast<tmiscobject_textlines*>(fcontrols->get_miscobject(tag_menu_items));
    if (!items) throw tvelmor_exception("Menu items %d not found in %s.once_created();", tag_menu_items, class_name());
    tvelmor_grid& g = grid();
    g.header2 = tag_menu_items;
    g.set_rowcount(items->count());
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_menu_accounts::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_gridrow*>(&aparams)) params->frow_start = grid().row;
}

bool Thandlermodule_menu_accounts::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == 0) {
        if (akey == tvk::enter) return choose_current_row();
        if (akey == tvk::escape) {
            fowner->page_exit();  // frees this module when another page comes back
            return true;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_menu_accounts::choose_current_row() {
    const int32_t row = grid().row;
    if (row < 0 || row >= static_cast<int32_t>(std::size(row_pages)) || row >= grid().rowcount) return false;
    tpage_controller_generic& controller = *fowner;
    if (row_pages[row] == page_exit_row)
        controller.page_exit();
    else
        // The switch frees this module: nothing of it may be touched afterwards.
        controller.page_enter(row_pages[row], false);
    return true;
}
