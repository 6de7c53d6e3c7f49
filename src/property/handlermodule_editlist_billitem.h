// The older bill item page (page 17): a list tab with the bill items that are not deleted, sorted
// by supplier and code, and a details tab editing one item's supplier, code, group and price
// through journal 331. Its page menu starts a new item or deletes the current one after a question.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/handlermodule_editlist_generic.h"
#include "property/datamodule_bill_item.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_editlist_billitem : public Thandlermodule_editlist_generic {
public:
    static constexpr int16_t pageno = 17;
    static constexpr int32_t tag_panel_root = 2101;
    static constexpr int32_t tag_panel_list = 2102;
    static constexpr int32_t tag_grid_header = 202;
    static constexpr int32_t tag_edit_supplier = 308;
    static constexpr int32_t tag_ontop_delete = 9102;
    static constexpr int32_t tag_ontop_menu = 9201;
    static constexpr int32_t ejt_bill_item = 331;

    Thandlermodule_editlist_billitem(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                     tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_editlist_billitem"; }
    // Form Tform_page_editlist_billitem, record tparams_null.
    static const thandler_class& handler_class();

    void once_created() override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    int32_t get_ejt_id() override { return ejt_bill_item; }
    void load_record() override;
    bool set_tabpageno(int16_t atabpageno, bool arefresh) override;

    // 2102 the list, 2103 the details, 2101 the page itself.
    int32_t get_tabpage_panel(int16_t atabpageno) const;
    tvelmor_grid& grid();
    int32_t line_count() const { return static_cast<int32_t>(flines.size()); }
    // The list's order: supplier, then code, by character code with ASCII letters taken without case.
    static void sort_lines(std::vector<trecord_bill_item>& alines);
    // Column 1: the supplier, " - " when it is not empty, and the code.
    static std::u16string line_text(const trecord_bill_item& aline);
    static std::u16string delete_question(const trecord_bill_item& aline);

    std::vector<trecord_bill_item> flines;

protected:
    void once_laid_out() override;

private:
    void set_lines(std::vector<trecord_bill_item> alines, int32_t aselect_id);
    void new_item();
    void ask_delete();
    void delete_line();
    void refresh_line();

    int32_t fdeleting_row = -1;
};
