#include "accounts/handlermodule_menu_domains.h"

#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/datamodule_database_customers.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "values/params_generic.h"
#include "xml/datamodule_inifile.h"

namespace {

const Tform_page2& domains_form() {
    static const Tform_page2 form("Tform_page_menu_domains", Tform_page2::embedded_text("form_page_menu_domains"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_menu_domains::handler_class() {
    static const thandler_class c("Thandlermodule_menu_domains", &handler_factory_of<Thandlermodule_menu_domains>,
                                  &domains_form(), &tparams_gridrow::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_menu_domains::grid() { return control<tvelmor_grid>(tag_grid); }

void Thandlermodule_menu_domains::once_created() {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    database.close_database();
    flist_domains.clear();
    if (!database.finifile)
        throw tvelmor_exception("Settings module not assigned in %s.once_created();", class_name());
    // Both row sources are freed on every path; on an error the rows copied so far stay.
    std::unique_ptr<tprototype_dataset> source = database.finifile->create_interface(Tdatamodule_inifile::interface_domains);
    tdataset_list_object dest(flist_domains, telement_domain::static_class());
    tprocs_dataset::copy_data(dest, *source);
    auto exit = std::make_unique<telement_domain>();
    exit->fname = "Exit";
    flist_domains.push_back(std::move(exit));
    tvelmor_grid& g = grid();
    g.set_rowcount(static_cast<int32_t>(flist_domains.size()));
    set_focused_tag(tag_grid, true);
}

bool Thandlermodule_menu_domains::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == 0) {
        if (akey == tvk::enter) {
            choose_current_row();
            return true;
        }
        if (akey == tvk::escape) {
            fowner->page_exit();
            return true;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_menu_domains::choose_current_row() {
    const int32_t row = grid().row;
    const int32_t count = static_cast<int32_t>(flist_domains.size());
    if (row < 0 || row >= count) return;
    if (row == count - 1) {
        fowner->page_exit();
        return;
    }
    // A domain that cannot be opened raises here: the menu stays.
    Tdatamodule_database_customers::instance().open_database(static_cast<int16_t>(row));
    fowner->page_enter(pageno_accounts, false);
}

void Thandlermodule_menu_domains::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                                int32_t arow, int32_t acol) {
    if (acontrol->tag != tag_grid) return;
    std::u16string text;
    if (arow >= 0 && arow < static_cast<int32_t>(flist_domains.size()) && acol == 0)
        text = utf8_to_utf16(static_cast<const telement_domain&>(*flist_domains[static_cast<size_t>(arow)]).fname);
    paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, text);
}

void Thandlermodule_menu_domains::show_debug101() {
    if (fowner && fowner->get_handler_header()) fowner->get_handler_header()->show_debug101();
}
