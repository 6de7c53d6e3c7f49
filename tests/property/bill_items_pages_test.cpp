// The bill item list (page 30), the bill item editor (page 31) and the older list-and-details
// page (page 17) over a copy of the demo database (ten bill items of one supplier).
#include <gtest/gtest.h>

#include "billing_pages_support.h"
#include "pages/handlermodule_header.h"
#include "property/handlermodule_edit_billitem.h"
#include "property/handlermodule_edit_cpinvoice.h"
#include "property/handlermodule_editlist_billitem.h"
#include "property/handlermodule_list_billitem.h"

namespace {

class BillItemPages : public tbilling_pages_test {
protected:
    Thandlermodule_list_billitem& list() { return page<Thandlermodule_list_billitem>(); }
    Thandlermodule_edit_billitem& editor() { return page<Thandlermodule_edit_billitem>(); }
    Thandlermodule_editlist_billitem& older() { return page<Thandlermodule_editlist_billitem>(); }
    void open_list() {
        start_property();
        enter(Thandlermodule_list_billitem::pageno);
        ASSERT_EQ(30, pageno());
    }
    int32_t current_id() { return list().current_line() ? list().current_line()->fid : -1; }
    std::vector<std::u16string> older_texts() {
        std::vector<std::u16string> texts;
        for (const auto& line : older().flines) texts.push_back(Thandlermodule_editlist_billitem::line_text(line));
        return texts;
    }
};

TEST_F(BillItemPages, ADeletedItemLeavesTheListButKeepsItsRowAndTheTemplateLinesNamingIt) {
    open_list();
    const int32_t items = list().line_count();
    ASSERT_EQ(count("SELECT COUNT(*) FROM bill_item WHERE deleted = 0"), items);
    ASSERT_EQ(u"WATER", list().current_line()->ftext);
    const int32_t water = current_id();

    press(tvk::del);
    EXPECT_EQ("Delete Bill Item [WATER] ?", question());
    answer(false);
    EXPECT_EQ(items, list().line_count());
    EXPECT_EQ(0, count("SELECT deleted FROM bill_item WHERE id = " + std::to_string(water)));

    button(Thandlermodule_header::tag_main_minus);
    answer(true);
    EXPECT_EQ(items - 1, list().line_count());
    for (const auto& line : list().flines) EXPECT_NE(water, line.fid);
    EXPECT_EQ(1, count("SELECT deleted FROM bill_item WHERE id = " + std::to_string(water)));

    // The template whose first line bills water still shows the item's code.
    enter(Thandlermodule_edit_cpinvoice::handler_class(), {int64_t{1}, int64_t{1}});
    auto& templ = page<Thandlermodule_edit_cpinvoice>();
    ASSERT_FALSE(templ.flist_bill_lines.empty());
    EXPECT_EQ(water, templ.flist_bill_lines[0].fbill_item);
    EXPECT_EQ(u"WATER x Ratio Metered Qty", Thandlermodule_edit_cpinvoice::line_text(templ.flist_bill_lines[0]));
}

TEST_F(BillItemPages, ComingBackFromTheEditorSelectsTheItemLastOpenedAlsoAfterANewItem) {
    open_list();
    press(tvk::down);
    press(tvk::down);
    press(tvk::down);
    const int32_t fourth = current_id();
    press(tvk::enter);
    ASSERT_EQ(31, pageno());
    EXPECT_EQ(fourth, editor().item_id());
    press(tvk::escape);
    ASSERT_EQ(30, pageno());
    EXPECT_EQ(fourth, current_id());

    // A new item: it is saved, joins the list, and the item last opened stays selected.
    button(Thandlermodule_header::tag_main_plus);
    ASSERT_EQ(31, pageno());
    EXPECT_TRUE(editor().fmode_editing);
    type_keys("TRASH");
    press(tvk::enter);
    type_keys("Skip hire");
    press(tvk::enter);
    press(tvk::f2);
    EXPECT_FALSE(editor().fmode_editing);
    const int32_t added = editor().item_id();
    EXPECT_EQ("skip hire", text("SELECT description FROM bill_item WHERE code = 'TRASH'"));
    press(tvk::escape);
    ASSERT_EQ(30, pageno());
    EXPECT_EQ(fourth, current_id());
    bool listed = false;
    for (const auto& line : list().flines) listed = listed || line.fid == added;
    EXPECT_TRUE(listed);

    // Ctrl+Page Down opens too; an item gone meanwhile leaves the first line selected.
    press(tvk::next, ss_ctrl);
    ASSERT_EQ(31, pageno());
    execute("UPDATE bill_item SET deleted = 1 WHERE id = " + std::to_string(fourth));
    press(tvk::escape);
    ASSERT_EQ(30, pageno());
    EXPECT_EQ(list().flines.front().fid, current_id());
}

TEST_F(BillItemPages, TheEditorSavesAChangedFieldAndAsksBeforeDroppingOne) {
    open_list();
    const int32_t id = current_id();
    button(Thandlermodule_header::tag_main_edit);
    ASSERT_EQ(31, pageno());
    EXPECT_EQ("WATER", edit_text(Thandlermodule_edit_billitem::tag_edit_code));
    EXPECT_EQ("2.85", edit_text(Thandlermodule_edit_billitem::tag_edit_price));
    press(tvk::f3);
    press(tvk::enter);  // on to the description
    key(tvk::home, ss_ctrl);
    type_keys("Town water");
    press(tvk::enter);
    press(tvk::f2);
    EXPECT_EQ("town water", text("SELECT description FROM bill_item WHERE id = " + std::to_string(id)));
    EXPECT_EQ("WATER", text("SELECT code FROM bill_item WHERE id = " + std::to_string(id)));
    // Ctrl+Page Up leaves like Esc: with a change typed it asks first.
    press(tvk::f3);
    key(tvk::home, ss_ctrl);
    type_keys("WET");
    press(tvk::prior, ss_ctrl);
    EXPECT_EQ("Save changes ?", question());
    answer(false);
    EXPECT_EQ("WATER", text("SELECT code FROM bill_item WHERE id = " + std::to_string(id)));
}

TEST_F(BillItemPages, TheEditorWithoutParametersSaysSo) {
    start_property();
    EXPECT_EQ("Unassigned params in Thandlermodule_edit_billitem.handle_resize();",
              message_of([&] { fcontroller->page_enter(Thandlermodule_edit_billitem::pageno, false); }));
}

TEST_F(BillItemPages, TheOlderPageSortsBySupplierThenCodeAndShowsASupplierlessItemByItsCode) {
    start_property();
    execute("INSERT INTO bill_item ( code, supplier, deleted ) VALUES ( 'aqua', 'harbour city utilities', 0 )");
    execute("INSERT INTO bill_item ( code, supplier, deleted ) VALUES ( 'LOOSE', '', 0 )");
    execute("INSERT INTO bill_item ( code, supplier, deleted ) VALUES ( 'GONE', 'Abel', 1 )");
    execute("INSERT INTO bill_item ( code, supplier, deleted ) VALUES ( 'Zinc', 'Abel', 0 )");
    enter(Thandlermodule_editlist_billitem::pageno);
    ASSERT_EQ(17, pageno());
    const std::vector<std::u16string> texts = older_texts();
    ASSERT_EQ(13u, texts.size());
    EXPECT_EQ(u"LOOSE", texts[0]);
    EXPECT_EQ(u"Abel - Zinc", texts[1]);
    // Letters compare without case: "aqua" sits between "ADMIN" and "GAS".
    EXPECT_EQ(u"Harbour City Utilities - ADMIN", texts[2]);
    EXPECT_EQ(u"harbour city utilities - aqua", texts[3]);
    EXPECT_EQ(u"Harbour City Utilities - GAS", texts[4]);
}

TEST_F(BillItemPages, TheOlderPageAsksWithTheTextsThatAreThereAndDeletesWithY) {
    struct tcase {
        const char* name;
        std::u16string supplier, code;
        const char* question;
    } cases[] = {{"both", u"Harbour", u"WATER", "Delete Bill Item -\r\n    Harbour - WATER ?"},
                 {"no supplier", u"", u"WATER", "Delete Bill Item -\r\n    WATER ?"},
                 {"no code", u"Harbour", u" ", "Delete Bill Item -\r\n    Harbour ?"}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        trecord_bill_item line;
        line.fsupplier = c.supplier;
        line.fcode = c.code;
        EXPECT_EQ(c.question, utf16_to_utf8(Thandlermodule_editlist_billitem::delete_question(line)));
    }

    start_property();
    execute("INSERT INTO bill_item ( code, supplier, deleted ) VALUES ( 'LOOSE', '', 0 )");
    enter(Thandlermodule_editlist_billitem::pageno);
    const int32_t rows = older().line_count();
    const int32_t loose = older().flines[0].fid;
    tmsg_params_ontop_result delete_entry{1};
    older().callback_message(&delete_entry, Thandlermodule_editlist_billitem::tag_ontop_menu, tmsg_code::ontop_closed);
    run_queue();
    EXPECT_EQ("Delete Bill Item -    LOOSE ?", question());  // the dialog's lines, joined
    answer(true);
    EXPECT_EQ(rows - 1, older().line_count());
    EXPECT_EQ(rows - 1, older().grid().rowcount);
    EXPECT_EQ(1, count("SELECT deleted FROM bill_item WHERE id = " + std::to_string(loose)));
}

TEST_F(BillItemPages, TheOlderPageAddsASavedItemInItsSortedPlace) {
    start_property();
    enter(Thandlermodule_editlist_billitem::pageno);
    tmsg_params_ontop_result first{0};
    older().callback_message(&first, Thandlermodule_editlist_billitem::tag_ontop_menu, tmsg_code::ontop_closed);
    run_queue();
    ASSERT_EQ(1, older().ftabpageno);
    EXPECT_TRUE(older().fmode_editing);
    type_keys("Aardvark Water");
    press(tvk::enter);
    type_keys("TAP");
    press(tvk::enter);
    press(tvk::f2);
    ASSERT_EQ(0, older().ftabpageno);
    EXPECT_EQ(u"aardvark water - tap", Thandlermodule_editlist_billitem::line_text(older().flines[0]));
    EXPECT_EQ(0, older().grid().row);
    EXPECT_EQ(1, count("SELECT COUNT(*) FROM bill_item WHERE code = 'TAP' AND supplier = 'aardvark water'"));
    EXPECT_EQ("Invalid tabpageno 3 in Thandlermodule_editlist_billitem.get_tabpage_panel();",
              message_of([&] { older().get_tabpage_panel(3); }));
}

}  // namespace
