// The invoice template editor (page 29): the template's details (name, supplier, GST inclusive)
// on one tab, saved through journal 351, and its lines on the other, edited in the template-line
// editor (page 18) and deleted through journal 362 after a question. Tabs switch, and lines are
// opened, added or deleted, only while the details are not being edited: the page is rebuilt
// when the line editor returns, so edits still open would be lost.
#pragma once

#include <cstdint>
#include <vector>

#include "pages/handlermodule_edit_generic.h"
#include "property/datamodule_bill_item.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_edit_cpinvoice : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 29;
    static constexpr int32_t tag_panel_lines = 2103;
    static constexpr int32_t tag_label_title = 102;
    static constexpr int32_t tag_grid_tabs = 104;
    static constexpr int32_t tag_edit_name = 203;
    static constexpr int32_t tag_checkbox_gst = 209;
    static constexpr int32_t tag_button_edit = 304;
    static constexpr int32_t tag_button_delete = 305;
    static constexpr int32_t tag_button_add = 306;
    static constexpr int32_t tag_grid_lines = 308;
    static constexpr int32_t tag_ontop_delete = 9102;
    static constexpr int32_t task_load = 101;
    static constexpr int32_t task_load_lines = 102;
    static constexpr int32_t ejt_cpinvoice = 351;
    static constexpr int32_t ejt_line_delete = 362;

    Thandlermodule_edit_cpinvoice(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                  tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_edit_cpinvoice"; }
    // Form Tform_page_edit_cpinvoice, record tparams_edit_cpunit (kept until taken).
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void run_task(int32_t atag, int32_t aparam) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    void show_debug101() override;
    void save_changes() override;

    // Shows tab 0 (details) or 1 (lines); false when it is already shown or out of range.
    bool set_tabpageno(int16_t atabpageno, bool as_draw);
    tvelmor_grid& grid_lines();
    int32_t template_id() const;
    // The text of a line's second cell: the item's code, " x " and the quantity type's caption.
    static std::u16string line_text(const trecord_bill_line& aline);

    std::vector<trecord_bill_line> flist_bill_lines;
    int16_t ftabpageno = 0;
    int16_t fdeleting_lineno = -1;

private:
    void load_template();
    void load_lines();
    void open_selected();
    void open_line(int16_t alineno);
    void ask_delete();
    void delete_line();
    const trecord_bill_line* selected_line();

    bool floaded = false;
};
