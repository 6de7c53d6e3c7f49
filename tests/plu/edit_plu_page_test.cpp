#include <gtest/gtest.h>

#include "pages/handlermodule_big_edit.h"
#include "plu_pages_support.h"

namespace {

using EditPluPage = tplu_pages_test;

TEST_F(EditPluPage, ASavedProductIsInTheDatabaseAndTheSearchFindsItByItsNewWordAtOnce) {
    open_search();
    type("p100012");
    deliver();
    ASSERT_EQ(1, search().grid().rowcount);
    key(tvk::enter);
    ASSERT_EQ(6, fcontroller->get_pageno());
    const int32_t id = editor().plu_id();
    EXPECT_EQ("P100012", edit_text(Thandlermodule_edit_plu::tag_edit_code));
    key(tvk::f3);
    key(tvk::enter);  // code accepted, on to the product
    retype("zebrawood lamp");
    key(tvk::f2);
    EXPECT_FALSE(editor().fmode_editing);
    EXPECT_TRUE(fposting.fboxes.empty());
    EXPECT_EQ("zebrawood lamp", text("SELECT product FROM plu WHERE id = " + std::to_string(id)));
    EXPECT_EQ(std::vector<int32_t>{id}, index_ids("ZEBRAW"));
    key(tvk::escape);
    ASSERT_EQ(3, fcontroller->get_pageno());
    key(tvk::home, ss_ctrl);
    type("zebra");
    deliver();
    ASSERT_EQ(1, search().grid().rowcount);
    EXPECT_EQ(u"zebrawood lamp", search().get_cell_text(0, 1));
    // The saved change survives closing and opening the database file.
    reopen_database();
    EXPECT_EQ("zebrawood lamp", text("SELECT product FROM plu WHERE id = " + std::to_string(id)));
}

TEST_F(EditPluPage, MovingOntoTheDescriptionOpensTheViewerAndEnterThereMovesOn) {
    start_plu();
    const tparam_value params[] = {int64_t{5}};
    fcontroller->page_enter(Thandlermodule_edit_plu::handler_class(), params, false);
    ASSERT_EQ(Thandlermodule_edit_plu::tag_edit_code, editor().ffocused_tag);
    for (int i = 0; i < 3; ++i) key(tvk::tab);
    // The move is not vetoed: the description edit has the focus under the viewer.
    EXPECT_EQ(Thandlermodule_edit_plu::tag_edit_description, editor().ffocused_tag);
    auto* viewer = dynamic_cast<Thandlermodule_big_edit*>(fcontroller->get_handler_ontop());
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ(Thandlermodule_edit_plu::tag_ontop_description, viewer->ftag_ontop);
    EXPECT_EQ(text("SELECT description FROM plu WHERE id = 5"), utf16_to_utf8(viewer->fvalue));
    key(tvk::enter);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    EXPECT_EQ(Thandlermodule_edit_plu::tag_edit_description + 3, editor().ffocused_tag);
    // Esc in the viewer leaves the focus on the description.
    key(tvk::tab, ss_shift);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key(tvk::escape);
    EXPECT_EQ(Thandlermodule_edit_plu::tag_edit_description, editor().ffocused_tag);
}

TEST_F(EditPluPage, AnIndexThatCannotBeRebuiltIsSaidAndTheSaveStands) {
    start_plu();
    // A folder where the index files cannot be written: the save must still go through.
    const std::string folder = fdatabase->database_path();
    std::filesystem::create_directory(folder + "wordhdr.idx.new");
    std::filesystem::create_directory(folder + "wordhdr.idx.new/x");
    const tparam_value params[] = {int64_t{7}};
    fcontroller->page_enter(Thandlermodule_edit_plu::handler_class(), params, false);
    key(tvk::f3);
    key(tvk::enter);
    retype("quokka");
    key(tvk::f2);
    EXPECT_FALSE(editor().fmode_editing);
    EXPECT_EQ("quokka", text("SELECT product FROM plu WHERE id = 7"));
    ASSERT_EQ(1u, fposting.fboxes.size());
    EXPECT_EQ(0u, utf16_to_utf8(fposting.fboxes[0]).find("The PLU was saved, but the PLU index could not be rebuilt: "));
}

}  // namespace
