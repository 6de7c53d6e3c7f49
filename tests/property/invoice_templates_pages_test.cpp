// The invoice template list (page 28), the template editor (page 29) and the template-line
// editor (page 18) over a copy of the demo database (three templates of three lines each).
#include <gtest/gtest.h>

#include "billing_pages_support.h"
#include "controls/control_kinds.h"
#include "controls/panel.h"
#include "controls/text_controls.h"
#include "pages/handlermodule_header.h"
#include "property/handlermodule_edit_cpinvoice.h"
#include "property/handlermodule_edit_cpinvoice_billitem.h"
#include "property/handlermodule_list_cpinvoice.h"

namespace {

using tline_editor = Thandlermodule_edit_cpinvoice_billitem;

class InvoiceTemplatePages : public tbilling_pages_test {
protected:
    Thandlermodule_edit_cpinvoice& templ() { return page<Thandlermodule_edit_cpinvoice>(); }
    tline_editor& line_editor() { return page<tline_editor>(); }
    // The template editor on template aid, over the template list, on tab atab.
    void open_template(int32_t aid, int16_t atab = 0) {
        start_property();
        enter(Thandlermodule_list_cpinvoice::pageno);
        enter(Thandlermodule_edit_cpinvoice::handler_class(), {int64_t{aid}, int64_t{atab}});
        ASSERT_EQ(29, pageno());
    }
    bool visible(int32_t apanel) { return fcontroller->get_handler_main()->fcontrols->get_panel(apanel)->visible; }
    std::vector<int16_t> stored_linenos(int32_t aid) {
        std::vector<int16_t> linenos;
        for (const auto& line : Tdatamodule_bill_item::load_bill_lines(aid)) linenos.push_back(line.flineno);
        return linenos;
    }
    std::vector<std::u16string> shown_lines() {
        std::vector<std::u16string> texts;
        for (const auto& line : templ().flist_bill_lines)
            texts.push_back(utf8_to_utf16(std::to_string(line.flineno)) + u" " + Thandlermodule_edit_cpinvoice::line_text(line));
        return texts;
    }
    void choose_qty_type(int32_t aindex) {
        auto* combo = dynamic_cast<tvelmor_combobox*>(line_editor().fcontrols->get_control(tline_editor::tag_combobox_qty_type));
        ASSERT_NE(nullptr, combo);
        tmsg_params_item_index params{aindex};
        combo->send_message(&params, tmsg_code::combobox_changed);
        run_queue();
    }
};

TEST_F(InvoiceTemplatePages, TheListOpensATemplateAndComesBackToIt) {
    start_property();
    enter(Thandlermodule_list_cpinvoice::pageno);
    auto& list = page<Thandlermodule_list_cpinvoice>();
    ASSERT_EQ(3, list.line_count());
    EXPECT_EQ(u"Electricity", list.flines[1].ftext);
    press(tvk::down);
    press(tvk::next, ss_ctrl);  // does nothing here
    ASSERT_EQ(28, pageno());
    press(tvk::enter);
    ASSERT_EQ(29, pageno());
    EXPECT_EQ(2, templ().template_id());
    EXPECT_EQ("electricity", [&] {
        std::string s = edit_text(Thandlermodule_edit_cpinvoice::tag_edit_name);
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }());
    press(tvk::escape);
    ASSERT_EQ(28, pageno());
    EXPECT_EQ(2, page<Thandlermodule_list_cpinvoice>().current_line()->fid);
}

TEST_F(InvoiceTemplatePages, TheLinesTabShowsEachLineAndTypesOutsideTheKnownOnesAsQuestionMarks) {
    start_property();
    execute("INSERT INTO cp_invoice_billitem ( id, lineno, bill_item, bill_qty_type, bill_qty_ratio ) "
            "VALUES ( 1, 7, 9, 7, 1 )");
    execute("INSERT INTO cp_invoice_billitem ( id, lineno, bill_item, bill_qty_type, bill_qty_ratio ) "
            "VALUES ( 1, 5, 5, 3, 1 )");
    enter(Thandlermodule_edit_cpinvoice::handler_class(), {int64_t{1}, int64_t{0}});
    EXPECT_TRUE(visible(2102));
    EXPECT_FALSE(visible(2103));
    press(tvk::tab, ss_ctrl);
    EXPECT_EQ(1, templ().ftabpageno);
    EXPECT_FALSE(visible(2102));
    EXPECT_TRUE(visible(2103));
    const std::vector<std::u16string> expected = {u"1 WATER x Ratio Metered Qty", u"2 WASTE x Ratio Metered Qty",
                                                  u"3 METER x Days per Annum Qty", u"5 LINES x Days per Annum Qty",
                                                  u"7 GAS x ??"};
    EXPECT_EQ(expected, shown_lines());
    EXPECT_EQ(5, templ().grid_lines().rowcount);
    // No wrap past the last tab; back with Ctrl+Shift+Tab.
    press(tvk::tab, ss_ctrl);
    EXPECT_EQ(1, templ().ftabpageno);
    press(tvk::tab, ss_ctrl | ss_shift);
    EXPECT_EQ(0, templ().ftabpageno);
    // A click on a tab switches to it.
    templ().control<tvelmor_grid>(Thandlermodule_edit_cpinvoice::tag_grid_tabs).col = 1;
    tmsg_params_grid_moved click{gmv_cell_by_mouse};
    templ().callback_message(&click, Thandlermodule_edit_cpinvoice::tag_grid_tabs, tmsg_code::grid_moved);
    run_queue();
    EXPECT_EQ(1, templ().ftabpageno);
    press(tvk::tab, ss_ctrl | ss_shift);
    // While the details are edited the tabs stay where they are.
    press(tvk::f3);
    press(tvk::tab, ss_ctrl);
    EXPECT_EQ(0, templ().ftabpageno);
}

TEST_F(InvoiceTemplatePages, ASavedTemplateKeepsItsNewNameAndGstFlag) {
    open_template(3);
    press(tvk::f3);
    key(tvk::home, ss_ctrl);
    type_keys("Outgoings 2027");
    press(tvk::enter);  // on to the supplier
    press(tvk::enter);  // on to the check box
    press(tvk::space);  // GST inclusive off
    press(tvk::f2);
    EXPECT_FALSE(templ().fmode_editing);
    EXPECT_EQ("outgoings 2027", text("SELECT name FROM cp_invoice WHERE id = 3"));
    EXPECT_EQ(0, count("SELECT is_gst_inclusive FROM cp_invoice WHERE id = 3"));
    EXPECT_EQ("Harbour City Utilities", text("SELECT supplier FROM cp_invoice WHERE id = 3"));
}

TEST_F(InvoiceTemplatePages, ALineAddedWithAnItemFoundByItsCodeIsNumberedPastTheHighestLine) {
    start_property();
    execute("INSERT INTO cp_invoice_billitem ( id, lineno, bill_item, bill_qty_type, bill_qty_ratio ) "
            "VALUES ( 2, 9, 1, 0, 1 )");
    enter(Thandlermodule_list_cpinvoice::pageno);
    enter(Thandlermodule_edit_cpinvoice::handler_class(), {int64_t{2}, int64_t{1}});
    press(tvk::insert);
    ASSERT_EQ(18, pageno());
    EXPECT_TRUE(line_editor().fis_newrecord);
    EXPECT_TRUE(line_editor().fmode_editing);
    EXPECT_FALSE(visible(tline_editor::tag_panel_search));
    type_keys("se");
    EXPECT_TRUE(visible(tline_editor::tag_panel_search));
    EXPECT_FALSE(visible(Thandlermodule_edit_generic::tag_panel_edit));
    ASSERT_EQ(1, line_editor().fsearch->line_count());
    EXPECT_EQ(u"SECURITY", line_editor().fsearch->line_code(0));
    press(tvk::enter);
    EXPECT_FALSE(visible(tline_editor::tag_panel_search));
    EXPECT_EQ("SECURITY", edit_text(tline_editor::tag_edit_bill_item));
    press(tvk::f2);
    // Saved, and back on the template's lines.
    ASSERT_EQ(29, pageno());
    EXPECT_EQ(1, templ().ftabpageno);
    EXPECT_EQ((std::vector<int16_t>{1, 2, 3, 9, 10}), stored_linenos(2));
    EXPECT_EQ(u"10 SECURITY x Metered Qty", shown_lines().back());
    EXPECT_EQ(10, count("SELECT bill_item FROM cp_invoice_billitem WHERE id = 2 AND lineno = 10"));
}

TEST_F(InvoiceTemplatePages, ANewLineWithoutABillItemIsRefusedAndNothingIsStored) {
    open_template(2, 1);
    button(Thandlermodule_edit_cpinvoice::tag_button_add);
    ASSERT_EQ(18, pageno());
    choose_qty_type(2);
    EXPECT_EQ("Choose the line's bill item: type the start of its code and take it with Enter.",
              message_of([&] { press(tvk::f2); }));
    EXPECT_EQ(18, pageno());
    EXPECT_EQ(3, count("SELECT COUNT(*) FROM cp_invoice_billitem WHERE id = 2"));
}

TEST_F(InvoiceTemplatePages, ALineIsDeletedOnlyWithY) {
    open_template(1, 1);
    press(tvk::down);
    press(tvk::del);
    EXPECT_EQ("Delete Template Line [WASTE] ?", question());
    answer(false);
    EXPECT_EQ((std::vector<int16_t>{1, 2, 3}), stored_linenos(1));
    button(Thandlermodule_header::tag_main_minus);
    EXPECT_EQ("Delete Template Line [WASTE] ?", question());
    answer(true);
    EXPECT_EQ((std::vector<int16_t>{1, 3}), stored_linenos(1));
    EXPECT_EQ(2, templ().grid_lines().rowcount);
    // Nothing was shown before the write: the dumps belong to the debug mode.
    EXPECT_TRUE(fboxes.fboxes.empty());
}

TEST_F(InvoiceTemplatePages, TheDebugChordShowsTheWriteAndItsStatementBeforeItIsSent) {
    open_template(1, 1);
    templ().show_debug101();
    ASSERT_EQ(1u, fboxes.fboxes.size());
    EXPECT_TRUE(tdebug_dumps::enabled());
    button(Thandlermodule_edit_cpinvoice::tag_button_delete);
    answer(true);
    ASSERT_EQ(3u, fboxes.fboxes.size());
    EXPECT_NE(std::u16string::npos, fboxes.fboxes[1].find(u"lineno"));
    EXPECT_EQ(u"DELETE FROM cp_invoice_billitem\r\nWHERE id = :id\r\nAND lineno = :lineno;\r\n", fboxes.fboxes[2]);
    EXPECT_EQ((std::vector<int16_t>{2, 3}), stored_linenos(1));
    templ().show_debug101();
    EXPECT_FALSE(tdebug_dumps::enabled());
}

TEST_F(InvoiceTemplatePages, TheRatioShowsExactlyForTheRatioType) {
    open_template(1, 1);
    press(tvk::enter);  // line 1: water by ratio
    ASSERT_EQ(18, pageno());
    EXPECT_EQ("WATER", edit_text(tline_editor::tag_edit_bill_item));
    EXPECT_TRUE(visible(tline_editor::tag_panel_ratio));
    press(tvk::f3);
    for (int32_t type : {0, 1, 2, 3, 1}) {
        SCOPED_TRACE(type);
        choose_qty_type(type);
        EXPECT_EQ(type, line_editor().bill_qty_type());
        EXPECT_EQ(type == 1, visible(tline_editor::tag_panel_ratio));
        EXPECT_EQ(type == 1, line_editor().fvisible_bill_qty_ratio);
    }
    choose_qty_type(3);
    press(tvk::f2);
    ASSERT_EQ(29, pageno());
    EXPECT_EQ(3, count("SELECT bill_qty_type FROM cp_invoice_billitem WHERE id = 1 AND lineno = 1"));
    EXPECT_EQ(u"1 WATER x Days per Annum Qty", shown_lines().front());
}

TEST_F(InvoiceTemplatePages, PagesEnteredWithoutParametersSaySo) {
    struct tcase {
        int16_t pageno;
        const char* message;
    } cases[] = {{29, "Unassigned Params in Thandlermodule_edit_cpinvoice.handle_resize();"},
                 {18, "Unassigned params in Thandlermodule_edit_cpinvoice_billitem.handle_resize();"}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.pageno);
        start_property();
        EXPECT_EQ(c.message, message_of([&] { fcontroller->page_enter(c.pageno, false); }));
    }
}

}  // namespace
