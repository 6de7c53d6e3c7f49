// The customer search (page 2): a search edit and a grid of the contacts and accounts whose
// names, last names or emails start with the text; Enter opens the line's editor.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "accounts/datamodule_search_customer.h"
#include "pages/csv_export.h"
#include "pages/handlermodule_page.h"
#include "pages/search_grid_link.h"

class thandler_class;
class tvelmor_grid;
class tvelmor_edit;

class Thandlermodule_search_customer : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 2;
    static constexpr int16_t pageno_contact = 4;
    static constexpr int16_t pageno_account = 5;
    static constexpr int32_t tag_edit = 103;
    static constexpr int32_t tag_grid = 104;
    static constexpr int32_t tag_ontop_delete = 9101;
    static constexpr int32_t tag_ontop_menu = 9201;

    Thandlermodule_search_customer(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                   tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_search_customer"; }
    // Form Tform_page_search_customer, record tparams_search_customer.
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_draw(int32_t atag) override;
    // The steps of an export to CSV.
    void run_task(int32_t atag, int32_t aparam) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    tvelmor_grid& grid();
    tvelmor_edit& edit();
    Tdatamodule_search_customer& module() { return *fmodule; }
    // The export under way ("Export to CSV..." of the page menu), if any.
    std::unique_ptr<tcsv_export> fexport;

    std::u16string fsearch;
    int32_t frow = -1;
    int32_t fdebug_count = 0;

protected:
    void once_laid_out() override;

private:
    void enter_current_line();
    void ask_delete();
    void delete_line();

    std::unique_ptr<Tdatamodule_search_customer> fmodule;
    tsearch_grid_link flink;
};
