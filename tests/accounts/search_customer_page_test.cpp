#include <gtest/gtest.h>

#include "accounts/handlermodule_search_customer.h"
#include "support/accounts_fixture.h"
#include "pages/handlermodule_edit_generic.h"
#include "controls/grid_controls.h"
#include "controls/text_controls.h"
#include "database/fb_query.h"
#include "values/params_generic.h"

namespace {

constexpr uint16_t key_enter = 13;
constexpr uint16_t key_escape = 27;
constexpr uint16_t key_down = 40;
constexpr uint16_t key_delete = 46;
constexpr uint16_t key_insert = 45;
constexpr uint16_t key_back = 8;
constexpr uint16_t key_y = 89;

class SearchCustomerPage : public taccounts_page_test {
protected:
    // Enters the search from the accounts menu, as the user does.
    void open_search() {
        start();
        ASSERT_TRUE(key(key_enter));
        ASSERT_EQ(2, fcontroller->get_pageno());
    }
    Thandlermodule_search_customer& page() {
        auto* p = dynamic_cast<Thandlermodule_search_customer*>(fcontroller->get_handler_main());
        if (!p) throw std::runtime_error("the customer search is not the main page");
        return *p;
    }
    tvelmor_grid& grid() { return page().grid(); }
    bool key(uint16_t akey) { return fcontroller->handle_keydown(akey, 0, false); }
    void type(const std::string& atext) {
        for (char c : atext) key(static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c))));
    }
};

TEST_F(SearchCustomerPage, entering_from_the_menu_shows_the_first_helping_of_all_contacts_with_the_edit_focused) {
    open_search();
    EXPECT_EQ(u"Search Customer", header().ftitle);
    EXPECT_EQ(Thandlermodule_search_customer::tag_edit, page().ffocused_tag);
    const int32_t visible = grid().row_count_visible;
    ASSERT_GT(visible, 0);
    EXPECT_EQ(2 * visible, grid().rowcount);
    EXPECT_EQ(page().module().line_count(), grid().rowcount);
    EXPECT_EQ(0, grid().row);
    // The grid's cells are the module's lines.
    const auto& cells = fgrid_renderer.fcells;
    const auto first = std::find_if(cells.begin(), cells.end(), [](const tpainted_cell& c) { return c.row == 0 && c.col == 0; });
    ASSERT_NE(cells.end(), first);
    EXPECT_EQ(utf16_to_utf8(page().module().get_cell_text(0, 0)), first->text);
    EXPECT_FALSE(first->text.empty());
}

TEST_F(SearchCustomerPage, typing_searches_at_once_and_clearing_the_text_lists_all_contacts_again) {
    open_search();
    type("ma");
    EXPECT_EQ(u"ma", page().fsearch);
    const int32_t found = grid().rowcount;
    EXPECT_EQ(page().module().line_count(), found);
    EXPECT_GT(found, 0);
    for (int32_t i = 0; i < found; ++i) {
        bool matched = false;
        for (int16_t col : {0, 1, 3})
            matched = matched || compare_search_text(page().module().get_cell_text(i, col).substr(0, 2), u"MA") == 0;
        EXPECT_TRUE(matched) << i;
    }
    key(key_back);
    key(key_back);
    EXPECT_EQ(u"", page().fsearch);
    EXPECT_EQ(2 * grid().row_count_visible, grid().rowcount);
    for (int32_t i = 0; i < grid().rowcount; ++i) EXPECT_EQ(0, page().module().line_record_type(i));
}

TEST_F(SearchCustomerPage, enter_opens_the_lines_editor_with_its_key_and_the_page_comes_back_with_its_text_and_row) {
    open_search();
    // A contact found by "m", and an account found by the start of its name.
    std::string account_name;
    {
        tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
        q.set_sql("SELECT FIRST 1 name FROM account WHERE COALESCE( deleted, 0 ) <> 1 AND name SIMILAR TO '[A-Za-z]{4}%' ORDER BY id");
        q.execute();
        account_name = utf16_to_utf8(q.field(0).as_widestring()).substr(0, 4);
        for (char& ch : account_name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        q.close();
    }
    struct tcase {
        std::string search;
        int16_t record_type;
        int16_t pageno;
    };
    for (const tcase& c : {tcase{"m", 0, 4}, tcase{account_name, 1, 5}}) {
        SCOPED_TRACE(c.search);
        for (size_t i = 0; i < page().fsearch.size(); ++i) key(key_back);
        type(c.search);
        int32_t row = -1;
        for (int32_t i = 0; i < page().module().line_count() && row < 0; ++i)
            if (page().module().line_record_type(i) == c.record_type && (c.record_type == 1 || i >= 3)) row = i;
        ASSERT_GE(row, 0);
        grid().row_setfull(row);
        const int32_t id = page().module().line_id(row);
        key(key_enter);
        ASSERT_EQ(c.pageno, fcontroller->get_pageno());
        auto* editor = dynamic_cast<Thandlermodule_edit_generic*>(fcontroller->get_handler_main());
        ASSERT_NE(nullptr, editor);
        EXPECT_FALSE(editor->fis_newrecord);
        EXPECT_EQ(id, editor->frecord->get_aslongint3("id"));
        key(key_escape);
        ASSERT_EQ(2, fcontroller->get_pageno());
        EXPECT_EQ(utf8_to_utf16(c.search), page().fsearch);
        EXPECT_EQ(utf8_to_utf16(c.search), page().edit().get_text());
        EXPECT_EQ(row, grid().row);
        EXPECT_EQ(page().module().line_count(), grid().rowcount);
        EXPECT_EQ(nullptr, page().fparams);  // used once, then freed
    }
}

TEST_F(SearchCustomerPage, the_page_menu_opens_a_new_account_or_a_new_contact_without_an_account) {
    for (int32_t entry : {0, 1}) {
        SCOPED_TRACE(entry);
        open_search();
        key(key_insert);
        ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
        if (entry == 1) key(key_down);
        key(key_enter);
        ASSERT_EQ(entry == 0 ? 5 : 4, fcontroller->get_pageno());
        auto* editor = dynamic_cast<Thandlermodule_edit_generic*>(fcontroller->get_handler_main());
        ASSERT_NE(nullptr, editor);
        EXPECT_TRUE(editor->fis_newrecord);
        EXPECT_TRUE(editor->fmode_editing);
        if (entry == 1) {
            EXPECT_EQ(-1, editor->frecord->get_aslongint3("id_account"));
        }
        // Nothing typed: Esc leaves without asking.
        key(key_escape);
        EXPECT_EQ(2, fcontroller->get_pageno());
    }
}

TEST_F(SearchCustomerPage, a_remembered_row_at_or_past_the_lines_selects_the_first_row) {
    start();
    const tparam_value params[] = {int64_t{5000}, std::u16string(u"  zzzz  ")};
    fcontroller->page_enter(Thandlermodule_search_customer::handler_class(), params, false);
    ASSERT_EQ(2, fcontroller->get_pageno());
    EXPECT_EQ(u"zzzz", page().fsearch);
    EXPECT_EQ(0, grid().rowcount);
    EXPECT_EQ(0, grid().row);
    // Nothing to open.
    EXPECT_TRUE(key(key_enter));
    EXPECT_EQ(2, fcontroller->get_pageno());
}

TEST_F(SearchCustomerPage, moving_down_near_the_end_loads_two_more_rows_and_timer_ticks_extend_the_grid) {
    open_search();
    const int32_t rows = grid().rowcount;
    grid().row_setfull(rows - 2);
    key(key_down);
    EXPECT_EQ(rows + 2, grid().rowcount);
    EXPECT_TRUE(page().module().timer_addrecords.enabled());
    const int32_t ticks = page().module().fcount_addrecords;
    EXPECT_GT(ticks, 0);
    for (int32_t i = 0; i < ticks; ++i) page().module().timer_addrecords_timer();
    EXPECT_EQ(rows + 2 + 2 * ticks, grid().rowcount);
    EXPECT_FALSE(page().module().timer_addrecords.enabled());
}

TEST_F(SearchCustomerPage, deleting_a_line_marks_its_record_deleted_and_takes_it_out_of_the_grid) {
    open_search();
    const int32_t rows = grid().rowcount;
    grid().row_setfull(1);
    const int32_t id = page().module().line_id(1);
    ASSERT_EQ(0, page().module().line_record_type(1));
    key(key_delete);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key(key_y);
    EXPECT_EQ(1, number("SELECT deleted FROM contact WHERE id = " + std::to_string(id)));
    EXPECT_EQ(rows - 1, grid().rowcount);
    EXPECT_NE(id, page().module().line_id(1));
    key(key_escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

}  // namespace
