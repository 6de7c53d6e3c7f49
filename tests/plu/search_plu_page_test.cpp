#include <gtest/gtest.h>

#include <filesystem>

#include "accounts/handlermodule_menu_accounts.h"
#include "controls/grid_controls.h"
#include "plu_pages_support.h"

namespace {

using SearchPluPage = tplu_pages_test;

TEST_F(SearchPluPage, ALowerCaseWordFindsTheSameAsUpperCaseAndEachLineGetsItsCodeAndProduct) {
    open_search();
    EXPECT_EQ(u"Search PLUs", header().ftitle);
    EXPECT_EQ(Thandlermodule_search_plu::tag_edit, search().ffocused_tag);
    type("hinge");
    EXPECT_EQ(u"HINGE", search().fsearch);
    deliver();
    const int32_t visible = search().grid().row_count_visible;
    ASSERT_GT(visible, 0);
    std::vector<int32_t> all = index_ids("HINGE");
    ASSERT_GT(static_cast<int32_t>(all.size()), visible);
    all.resize(static_cast<size_t>(visible));
    EXPECT_EQ(line_ids(), all);
    EXPECT_EQ(visible, search().grid().rowcount);
    for (int32_t row = 0; row < visible; ++row) {
        SCOPED_TRACE(row);
        const auto& line = search().flist_lines[static_cast<size_t>(row)];
        EXPECT_TRUE(line.floaded);
        EXPECT_EQ(text("SELECT code FROM plu WHERE id = " + std::to_string(line.fid)), utf16_to_utf8(search().get_cell_text(row, 0)));
        EXPECT_EQ(text("SELECT product FROM plu WHERE id = " + std::to_string(line.fid)),
                  utf16_to_utf8(search().get_cell_text(row, 1)));
    }
}

TEST_F(SearchPluPage, FewerMatchesThanRowsFillTheGridWithAllOfThemThenLoadTheirTexts) {
    open_search();
    type("p100007");
    // The messages of the searches for "p", "p1", ... come first and do nothing.
    while (!fposting.fqueue.empty() && fposting.fqueue.front().wparam != search().fsearch_update_id) deliver(1);
    EXPECT_TRUE(search().flist_lines.empty());
    // The current search's 1024 messages take the ids; the grid shows the lines before their
    // texts are read.
    while (!fposting.fqueue.empty() && fposting.fqueue.front().msg == tprivate_message::wm_user) deliver(1);
    EXPECT_EQ(1, search().grid().rowcount);
    EXPECT_EQ(u"", search().get_cell_text(0, 0));
    deliver();
    EXPECT_EQ(u"P100007", search().get_cell_text(0, 0));
    EXPECT_TRUE(fposting.fqueue.empty());
}

TEST_F(SearchPluPage, ASecondLetterTypedWhileTheFirstSearchFillsStopsTheFirst) {
    open_search();
    type("ha");
    deliver(1);  // the first screen of "HA" is under way
    const int32_t first_search = search().fsearch_update_id;
    type("m");
    EXPECT_EQ(first_search + 1, search().fsearch_update_id);
    EXPECT_TRUE(search().flist_lines.empty());
    deliver();
    std::vector<int32_t> expected = index_ids("HAM");
    expected.resize(std::min(expected.size(), static_cast<size_t>(search().grid().row_count_visible)));
    EXPECT_EQ(line_ids(), expected);
}

TEST_F(SearchPluPage, PageDownNearTheEndBringsFurtherIdsCompletedOneLinePerMessage) {
    open_search();
    type("st");
    deliver();
    tvelmor_grid& grid = search().grid();
    const int32_t visible = grid.row_count_visible;
    ASSERT_EQ(visible, grid.rowcount);
    key(tvk::next);
    EXPECT_EQ(2 * visible, grid.rowcount);
    EXPECT_FALSE(search().flist_lines.back().floaded);
    EXPECT_EQ(visible, deliver());
    EXPECT_TRUE(search().flist_lines.back().floaded);
    // Down at the end brings more as well; the lines keep the index's order.
    for (int32_t i = 0; i < visible; ++i) key(tvk::down);
    EXPECT_GT(grid.rowcount, 2 * visible);
    deliver();
    std::vector<int32_t> expected = index_ids("ST");
    expected.resize(search().flist_lines.size());
    EXPECT_EQ(line_ids(), expected);
}

TEST_F(SearchPluPage, ReturningFromTheEditorRestoresTheTextAndTheRowOnceTheLinesAreLoaded) {
    open_search();
    type("bolt");
    deliver();
    for (int32_t i = 0; i < 3; ++i) key(tvk::down);
    const int32_t id = search().flist_lines[3].fid;
    key(tvk::enter);
    ASSERT_EQ(6, fcontroller->get_pageno());
    EXPECT_EQ(id, editor().plu_id());
    EXPECT_EQ(u"Edit PLU", header().ftitle);
    key(tvk::escape);
    ASSERT_EQ(3, fcontroller->get_pageno());
    EXPECT_EQ(u"BOLT", search().edit().get_text());  // the search in force, as it was upper-cased
    deliver();
    EXPECT_EQ(3, search().grid().row);
    EXPECT_EQ(id, search().flist_lines[3].fid);
    // A new search starts at its first row.
    type("washer");
    deliver();
    EXPECT_EQ(0, search().grid().row);
}

TEST_F(SearchPluPage, TypingBeforeTheRememberedRowIsRestoredForgetsIt) {
    open_search();
    type("bolt");
    deliver();
    for (int32_t i = 0; i < 5; ++i) key(tvk::down);
    key(tvk::enter);
    key(tvk::escape);
    ASSERT_EQ(3, fcontroller->get_pageno());
    deliver(3);  // the remembered search is still filling
    type("washer");  // over the restored text, which stands selected
    deliver();
    EXPECT_EQ(0, search().grid().row);
    EXPECT_EQ(u"WASHER", search().fsearch);
}

TEST_F(SearchPluPage, AMissingIndexIsSaidOnceAndThePageStaysUsable) {
    open_search(false);
    deliver();
    EXPECT_EQ(std::vector<std::u16string>{Thandlermodule_search_plu::message_index_missing}, fposting.fboxes);
    type("bolt");
    deliver();
    EXPECT_EQ(0, search().grid().rowcount);
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(SearchPluPage, TheMaintenanceMenusRebuildMakesAMissingIndexSearchable) {
    open_search(false);
    deliver();
    key(tvk::escape);
    ASSERT_EQ(1, fcontroller->get_pageno());
    // Maintenance, then its "Rebuild PLU Index" row, as the user does.
    fcontroller->handle_keydown(tvk::down, 0, false);
    fcontroller->handle_keydown(tvk::down, 0, false);
    key(tvk::enter);
    ASSERT_EQ(7, fcontroller->get_pageno());
    fcontroller->handle_keydown(tvk::down, 0, false);
    fcontroller->handle_keydown(tvk::down, 0, false);
    fposting.fboxes.clear();
    key(tvk::enter);
    ASSERT_EQ(1u, fposting.fboxes.size());
    EXPECT_EQ(0u, fposting.fboxes[0].rfind(u"The PLU index was rebuilt: ", 0));
    EXPECT_TRUE(std::filesystem::exists(fdatabase->database_path() + "wordhdr.idx"));
    key(tvk::escape);
    ASSERT_EQ(1, fcontroller->get_pageno());
    page<Thandlermodule_menu_accounts>().grid().row = 1;  // "PLUs"
    key(tvk::enter);
    ASSERT_EQ(3, fcontroller->get_pageno());
    type("bolt");
    deliver();
    EXPECT_GT(search().grid().rowcount, 0);
}

TEST_F(SearchPluPage, ABlockThatCannotBeReadIsSaidOnceAndThePageStaysUsable) {
    open_search();
    std::filesystem::resize_file(fdatabase->database_path() + "plu.idx", 100);
    type("bolt");
    deliver();
    EXPECT_EQ(std::vector<std::u16string>{u"Unable to read file in Tdatamodule_word_index2.load_from_file();"},
              fposting.fboxes);
    EXPECT_EQ(0, search().grid().rowcount);
    type("s");
    deliver();
    EXPECT_EQ(1u, fposting.fboxes.size());
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

}  // namespace
