// The template-line editor (page 18): a template line's bill item, found by typing the start of
// its code (the bill item search shows in place of the details until a line is taken with Enter),
// its quantity type and, for the ratio type only, its ratio. Saved through journal 361; a new
// line (number -1) gets its number from the database when it is inserted.
#pragma once

#include <cstdint>
#include <memory>

#include "property/datamodule_search_bill_item.h"
#include "pages/handlermodule_edit_generic.h"

class thandler_class;
class tvelmor_edit;
class tvelmor_grid;
class tsearch_grid_link;

class Thandlermodule_edit_cpinvoice_billitem : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 18;
    static constexpr int32_t tag_label_id = 105;
    static constexpr int32_t tag_edit_bill_item = 108;
    static constexpr int32_t tag_combobox_qty_type = 203;
    static constexpr int32_t tag_panel_search = 2103;
    static constexpr int32_t tag_panel_ratio = 2104;
    static constexpr int32_t tag_grid_search = 301;
    static constexpr int32_t tag_edit_ratio = 402;
    static constexpr int32_t ejt_line = 361;
    // The quantity type that takes a ratio.
    static constexpr int16_t qty_type_ratio = 1;

    Thandlermodule_edit_cpinvoice_billitem(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                           tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_cpinvoice_billitem() override;
    const char* class_name() const override { return "Thandlermodule_edit_cpinvoice_billitem"; }
    // Form Tform_page_edit_cpinvoice_billitem, record tparams_edit_cpinvoice_billitem (kept until
    // taken).
    static const thandler_class& handler_class();

    void once_created() override;
    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    void show_debug101() override;
    void save_changes() override;
    // A saved line goes back to the template editor.
    void commit_edit() override;

    tvelmor_grid& grid_search();
    tvelmor_edit& edit_bill_item();
    int16_t bill_qty_type() const;

    // 0 details, 1 the bill item search.
    int16_t fsubtabpageno = 0;
    bool fvisible_bill_qty_ratio = false;
    std::unique_ptr<Tdatamodule_search_bill_item> fsearch;

private:
    void load_line();
    void set_subtabpageno(int16_t asubtabpageno);
    void show_ratio(bool avisible, bool as_draw);
    void take_search_line();

    std::unique_ptr<tsearch_grid_link> fsearch_link;
    bool floaded = false;
};
