// The operators page (page 10): a list tab with the operators that are not deleted and a details
// tab editing one operator's names and email. New operators are added with Insert or the header
// plus; Delete or the header minus marks one deleted after a question.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "accounts/datamodule_operator.h"
#include "database/datablock_container.h"
#include "database/fb_query.h"
#include "pages/handlermodule_editlist_generic.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_editlist_operator : public Thandlermodule_editlist_generic {
public:
    static constexpr int16_t pageno = 10;
    static constexpr int32_t tag_panel_list = 2102;
    static constexpr int32_t tag_grid_header = 202;
    static constexpr int32_t tag_edit_first_name = 305;
    static constexpr int32_t tag_ontop_delete = 9102;
    static constexpr int32_t tag_ontop_menu = 9201;
    static constexpr int32_t ejt_operator_update = 301;

    struct trecord_line {
        int32_t fid = 0;
        std::u16string ffirst_name;
        std::u16string flast_name;
    };

    Thandlermodule_editlist_operator(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                     tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_editlist_operator"; }
    // Form Tform_page_editlist_operator, record tparams_null.
    static const thandler_class& handler_class();

    void once_created() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    int32_t get_ejt_id() override { return ejt_operator_update; }
    void load_record() override;
    bool set_tabpageno(int16_t atabpageno, bool arefresh) override;

    // The panel of a tab: 2102 the list, 2103 the details.
    int32_t get_tabpage_panel(int16_t atabpageno) const;
    // The delete question for a line: the names that are not blank, then "?".
    static std::u16string delete_question(const trecord_line& aline);
    tvelmor_grid& grid();
    int32_t line_count() const { return static_cast<int32_t>(flines.size()); }

    // The shown lines, in list order; the base's flist_lines holds their ids.
    std::vector<trecord_line> flines;
    // The list reads in a transaction of its own: its dataset stays open between helpings while
    // the journaled writes use the main transaction.
    tfb_transaction transaction_operators;
    tfb_query dataset_operators;
    tdatablock_container datablock_operators;
    Tdatamodule_operator fmodule;
    // The row chosen for deletion.
    int32_t frow = -1;

protected:
    void once_laid_out() override;

private:
    void add_dataset_line();
    void fetch_lines(int32_t acount);
    void data_request(uint8_t ahow);
    void grid_follows_lines(int32_t arowcount_before);
    void new_operator();
    void ask_delete();
    void delete_line();
    void refresh_line();
    std::u16string cell_text(int32_t atag, int32_t arow, int32_t acol) const;

};
