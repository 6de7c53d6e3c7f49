// The bill item list (page 30): the bill items that are not deleted, opened in the bill item
// editor (page 31), added with the header plus and marked deleted with the header minus after a
// question. Coming back from the editor reloads the list on the item last opened.
#pragma once

#include <cstdint>
#include <vector>

#include "pages/handlermodule_page.h"
#include "property/datamodule_bill_item.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_list_billitem : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 30;
    static constexpr int32_t tag_grid_header = 102;
    static constexpr int32_t tag_grid = 103;
    static constexpr int32_t tag_ontop_delete = 9101;
    static constexpr int32_t task_load = 101;
    static constexpr int32_t ejt_bill_item = 331;

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_list_billitem"; }
    // Form Tform_page_list_billitem, record tparams_launch2 (kept after creation).
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void run_task(int32_t atag, int32_t aparam) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    tvelmor_grid& grid();
    int32_t line_count() const { return static_cast<int32_t>(flist_lines.size()); }

    std::vector<trecord_billitem> flist_lines;
    int16_t flaunch_page = 0;
    int32_t flaunch_id = 0;
    int32_t fdeleting_id = 0;

private:
    void load_lines();
    void open_line();
    void ask_delete();
    void delete_item();

    bool flaid_out = false;
};
