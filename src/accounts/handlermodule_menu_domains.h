// The domains menu (page 0): the domains of the settings file by name, then "Exit". Enter on a
// domain opens its database and enters the accounts menu over it; the database stays open until
// this page is shown again. The first page when the settings file names more than one domain.
#pragma once

#include <cstdint>

#include "pages/handlermodule_page.h"
#include "xml/dataset_list.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_menu_domains : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 0;
    static constexpr int16_t pageno_accounts = 1;
    static constexpr int32_t tag_grid = 201;

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_menu_domains"; }
    // Form Tform_page_menu_domains, record tparams_gridrow (neither read nor filled).
    static const thandler_class& handler_class();

    // Closes the open database and reads the domains afresh, each time the page is built.
    void once_created() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    void show_debug101() override;

    tvelmor_grid& grid();

    // Of telement_domain: the domains in file order, then "Exit" with an empty path.
    tlist_reflected flist_domains;

private:
    void choose_current_row();
};
