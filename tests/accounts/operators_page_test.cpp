// The operators page over a copy of the demo database (five operators): the list, the details,
// new operators, deletion with its question, and the list fetched in helpings.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "accounts/handlermodule_editlist_operator.h"
#include "support/accounts_fixture.h"
#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "database/datamodule_ejt.h"
#include "pages/handlermodule_dialog.h"

namespace {

constexpr uint16_t key_y = 'Y', key_n = 'N';
constexpr int32_t tag_first_name = 305;

class OperatorsPage : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        if (HasFatalFailure()) return;
        fejt = std::make_unique<Tdatamodule_ejt>(*fdatabase);
    }
    void TearDown() override {
        fcontroller.reset();
        fejt.reset();
        taccounts_page_test::TearDown();
    }
    // The accounts menu, then the operators page over it, laid out and painted.
    void open() {
        start();
        fcontroller->page_enter(Thandlermodule_editlist_operator::pageno, false);
        fcontroller->handle_resize(ht_main, false);
        run_queue();
    }
    Thandlermodule_editlist_operator& page() { return main_page<Thandlermodule_editlist_operator>(); }
    tvelmor_grid& grid() { return page().grid(); }
    bool press(uint16_t akey, tshift_state ashift = 0) {
        const bool used = fcontroller->handle_keydown(akey, ashift, false);
        fcontroller->handle_keydown(akey, ashift, true);
        run_queue();
        return used;
    }
    // What an edit does when the user leaves it after typing.
    void type_into(int32_t atag, const char* afield, const std::u16string& avalue) {
        page().frecord->set_asunicodestring1(page().frecord->get_field_index1(afield), avalue);
        fcontroller->get_handler_main()->callback_message(nullptr, atag, tmsg_code::edit_changed);
        run_queue();
    }
    void header_button(int32_t atag) {
        page().callback_message(nullptr, atag, tmsg_code::button_pressed);
        run_queue();
    }
    bool panel_visible(int32_t atag) { return page().fcontrols->get_panel(atag)->visible; }
    Thandlermodule_dialog* dialog() { return dynamic_cast<Thandlermodule_dialog*>(fcontroller->get_handler_ontop()); }
    std::u16string stored(int32_t aid, const char* acolumn) {
        tdbrecord_operator2 r;
        if (!page().fmodule.get_operator(r, aid)) return u"(none)";
        return r.get_asunicodestring1(r.get_field_index1(acolumn));
    }
    std::u16string line_name(int32_t arow) { return page().flines.at(static_cast<size_t>(arow)).ffirst_name; }
    // More operators than one helping holds.
    void add_operators(int32_t acount) {
        execute("EXECUTE BLOCK AS DECLARE i INTEGER = 0; BEGIN WHILE (i < " + std::to_string(acount) +
                ") DO BEGIN INSERT INTO operator (first_name, last_name, deleted) VALUES ('Extra', 'Operator', 0); "
                "i = i + 1; END END");
    }
    std::set<int32_t> distinct_ids() {
        std::set<int32_t> ids;
        for (const auto& line : page().flines) ids.insert(line.fid);
        return ids;
    }

    std::unique_ptr<Tdatamodule_ejt> fejt;
};

}  // namespace

TEST_F(OperatorsPage, ListsTheOperatorsNotDeletedInIdOrderUnderTheHeaderRow) {
    fdatabase->open_database(0);
    const int32_t hidden = static_cast<int32_t>(number("SELECT MIN(id) FROM operator"));
    execute("UPDATE operator SET deleted = 1 WHERE id = " + std::to_string(hidden));
    open();
    EXPECT_EQ(u"Operators", header().ftitle);
    // The list tab shows no footer legends.
    EXPECT_EQ(2 + 4 + 64 + 256, footer().fbuttons_invisible);
    ASSERT_EQ(4, page().line_count());
    EXPECT_EQ(4, grid().rowcount);
    EXPECT_EQ(page().flist_lines.size(), page().flines.size());
    for (int32_t row = 1; row < 4; ++row) EXPECT_LT(page().flines[row - 1].fid, page().flines[row].fid);
    EXPECT_GT(page().flines[0].fid, hidden);
    EXPECT_TRUE(panel_visible(2102));
    EXPECT_FALSE(panel_visible(2103));
    EXPECT_EQ(203, page().ffocused_tag);

    const auto painted = [&](const std::string& atext, int32_t arow, int32_t acol) {
        for (const tpainted_cell& c : fgrid_renderer.fcells)
            if (c.text == atext && c.row == arow && c.col == acol) return true;
        return false;
    };
    EXPECT_TRUE(painted("Id", 0, 0));
    EXPECT_TRUE(painted("First Name", 0, 1));
    EXPECT_TRUE(painted("Last Name", 0, 2));
    const auto& first = page().flines[0];
    EXPECT_TRUE(painted(std::to_string(first.fid), 0, 0));
    EXPECT_TRUE(painted(utf16_to_utf8(first.ffirst_name), 0, 1));
    EXPECT_TRUE(painted(utf16_to_utf8(first.flast_name), 0, 2));
}

TEST_F(OperatorsPage, EnterOpensTheDetailsWhereF3EditsAndF2SavesBackToTheList) {
    open();
    grid().row = 1;
    const int32_t id = page().flines[1].fid;
    EXPECT_TRUE(press(tvk::enter));
    EXPECT_EQ(1, page().ftabpageno);
    EXPECT_FALSE(panel_visible(2102));
    EXPECT_TRUE(panel_visible(2103));
    EXPECT_EQ(tag_first_name, page().ffocused_tag);
    EXPECT_FALSE(page().fmode_editing);
    EXPECT_EQ(line_name(1), page().frecord->get_asunicodestring1(1));
    // The details show F2, F3 and F9; F7 stays hidden.
    EXPECT_EQ(64, footer().fbuttons_invisible);
    EXPECT_EQ(4 + 64 + 256, footer().fbuttons_enabled);

    press(tvk::f3);
    EXPECT_TRUE(page().fmode_editing);
    type_into(tag_first_name, "first_name", u"Renamed");
    type_into(311, "email", u"renamed@velmor.example");
    press(tvk::f2);
    EXPECT_EQ(0, page().ftabpageno);
    EXPECT_TRUE(panel_visible(2102));
    EXPECT_EQ(203, page().ffocused_tag);
    EXPECT_EQ(u"Renamed", line_name(1));
    EXPECT_EQ(u"Renamed", stored(id, "first_name"));
    EXPECT_EQ(u"renamed@velmor.example", stored(id, "email"));
}

TEST_F(OperatorsPage, EscOnTheDetailsAsksOnlyWhenModifiedAndTheAnswerDecides) {
    struct tcase {
        const char* name;
        uint16_t answer;
        int16_t tab_after;
        bool stored;
    };
    const tcase cases[] = {
        {"yes saves and returns to the list", key_y, 0, true},
        {"no restores the loaded names and stays", key_n, 1, false},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const int32_t id = page().flines[0].fid;
        const std::u16string loaded = line_name(0);
        press(tvk::enter);
        // Unchanged: Esc returns to the list without a question.
        press(tvk::escape);
        EXPECT_EQ(0, page().ftabpageno);
        press(tvk::enter);
        press(tvk::f3);
        type_into(tag_first_name, "first_name", u"Asked");
        press(tvk::escape);
        ASSERT_NE(nullptr, dialog());
        EXPECT_EQ(Thandlermodule_dialog::tag_ontop_save_changes, dialog()->ftag_ontop);
        press(c.answer);
        EXPECT_EQ(nullptr, dialog());
        EXPECT_EQ(c.tab_after, page().ftabpageno);
        EXPECT_EQ(c.stored ? u"Asked" : loaded, stored(id, "first_name"));
        EXPECT_EQ(c.stored ? u"Asked" : loaded, line_name(0));
        fcontroller.reset();
    }
}

TEST_F(OperatorsPage, InsertHeaderPlusAndTheMenuStartANewOperatorThatIsAddedToTheList) {
    struct tcase {
        const char* name;
        std::function<void()> start_new;
    };
    const tcase cases[] = {
        {"Insert", [&] { press(tvk::insert); }},
        {"header plus", [&] { header_button(9901); }},
        {"page menu, first entry", [&] {
             press(tvk::f7);
             ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
             press(tvk::enter);
         }},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const int32_t before = page().line_count();
        c.start_new();
        EXPECT_EQ(1, page().ftabpageno);
        EXPECT_TRUE(page().fis_newrecord);
        EXPECT_TRUE(page().fmode_editing);
        type_into(tag_first_name, "first_name", u"Nova");
        type_into(308, "last_name", u"Keller");
        press(tvk::f2);
        EXPECT_EQ(0, page().ftabpageno);
        ASSERT_EQ(before + 1, page().line_count());
        EXPECT_EQ(page().line_count(), grid().rowcount);
        const auto& added = page().flines.back();
        EXPECT_EQ(u"Nova", added.ffirst_name);
        EXPECT_EQ(u"Keller", added.flast_name);
        EXPECT_EQ(before, grid().row);
        EXPECT_EQ(u"Keller", stored(added.fid, "last_name"));
        fcontroller.reset();
    }
}

TEST_F(OperatorsPage, ANewOperatorLeftWithoutSavingWritesNothing) {
    open();
    const int64_t count = number("SELECT COUNT(*) FROM operator");
    press(tvk::insert);
    type_into(tag_first_name, "first_name", u"Half");
    press(tvk::escape);
    ASSERT_NE(nullptr, dialog());
    // No: the typed names are dropped (the untouched copy of a new record has no values).
    press(key_n);
    EXPECT_EQ(1, page().ftabpageno);
    EXPECT_FALSE(page().fmode_editing);
    EXPECT_FALSE(page().frecord->get_field_is_assigned(1));
    press(tvk::escape);
    EXPECT_EQ(0, page().ftabpageno);
    EXPECT_EQ(count, number("SELECT COUNT(*) FROM operator"));
    EXPECT_EQ(5, page().line_count());
}

TEST_F(OperatorsPage, TheDeleteQuestionNamesTheNamesThatAreNotBlank) {
    using tline = Thandlermodule_editlist_operator::trecord_line;
    const struct {
        const char* name;
        tline line;
        std::u16string question;
    } cases[] = {
        {"both names", {1, u"Ada", u"Byron"}, u"Delete Operator -\r\n    Ada Byron ?"},
        {"no first name", {1, u"  ", u"Byron"}, u"Delete Operator -\r\n    Byron ?"},
        {"no last name", {1, u"Ada", u""}, u"Delete Operator -\r\n    Ada ?"},
        {"both blank", {1, u"", u" "}, u"Delete Operator -\r\n    ?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.question, Thandlermodule_editlist_operator::delete_question(c.line));
    }
}

TEST_F(OperatorsPage, DeleteAsksAndYesMarksTheOperatorDeletedWhileNoKeepsIt) {
    struct tcase {
        const char* name;
        std::function<void()> ask;
        uint16_t answer;
        bool deleted;
    };
    const tcase cases[] = {
        {"Delete, N", [&] { press(tvk::del); }, key_n, false},
        {"Delete, Y", [&] { press(tvk::del); }, key_y, true},
        {"header minus, Y", [&] { header_button(9902); }, key_y, true},
        {"page menu second entry, Y", [&] {
             press(tvk::f7);
             press(tvk::down);
             press(tvk::enter);
         }, key_y, true},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const int32_t before = page().line_count();
        grid().row = 2;
        const int32_t id = page().flines[2].fid;
        c.ask();
        ASSERT_NE(nullptr, dialog());
        EXPECT_EQ(Thandlermodule_dialog::tag_ontop_other, dialog()->ftag_ontop);
        EXPECT_EQ(2, page().frow);
        press(c.answer);
        EXPECT_EQ(c.deleted ? before - 1 : before, page().line_count());
        EXPECT_EQ(page().line_count(), grid().rowcount);
        EXPECT_EQ(c.deleted ? 0 : 1, distinct_ids().count(id));
        EXPECT_EQ(c.deleted ? 1 : 0, number("SELECT COALESCE(deleted, 0) FROM operator WHERE id = " + std::to_string(id)));
        fcontroller.reset();
    }
}

TEST_F(OperatorsPage, DeletingEveryLineLeavesAnEmptyGridOnWhichDeleteAsksNothing) {
    open();
    grid().row_setfull(page().line_count() - 1);
    while (page().line_count() > 0) {
        press(tvk::del);
        ASSERT_NE(nullptr, dialog());
        press(key_y);
        // The current row follows to the line that is now last.
        EXPECT_EQ(std::max(page().line_count() - 1, 0), grid().row);
    }
    EXPECT_EQ(0, grid().rowcount);
    press(tvk::del);
    EXPECT_EQ(nullptr, dialog());
    // Enter on the empty list opens nothing.
    press(tvk::enter);
    EXPECT_EQ(0, page().ftabpageno);
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM operator WHERE COALESCE(deleted, 0) = 0"));
}

TEST_F(OperatorsPage, KeysWithAModifierOnTheListDoNothingAndTabsAreSwitchedOnlyToTheOtherTab) {
    open();
    const struct {
        const char* name;
        uint16_t key;
        tshift_state shift;
    } cases[] = {{"Shift+Enter", tvk::enter, ss_shift}, {"Ctrl+Delete", tvk::del, ss_ctrl},
                 {"Ctrl+Insert", tvk::insert, ss_ctrl}, {"Alt+Esc", tvk::escape, ss_alt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(press(c.key, c.shift));
        EXPECT_EQ(10, fcontroller->get_pageno());
        EXPECT_EQ(0, page().ftabpageno);
        EXPECT_EQ(nullptr, dialog());
    }
    EXPECT_FALSE(page().set_tabpageno(0, false));
    EXPECT_FALSE(page().set_tabpageno(2, false));
    press(tvk::enter);
    // Ctrl+Page Down asks for a third tab, which the page refuses.
    press(tvk::next, ss_ctrl);
    EXPECT_EQ(1, page().ftabpageno);
    EXPECT_EQ("Invalid tabpageno 2 in Thandlermodule_editlist_operator.get_tabpage_panel();",
              message_of([&] { page().get_tabpage_panel(2); }));
    press(tvk::escape);
    press(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(OperatorsPage, TheListIsFetchedInHelpingsAndANewOperatorSavedMeanwhileAppearsOnce) {
    fdatabase->open_database(0);
    add_operators(200);
    open();
    const int32_t visible = grid().row_count_visible;
    ASSERT_GT(visible, 0);
    EXPECT_EQ(2 * visible, page().line_count());
    EXPECT_EQ(2 * visible, grid().rowcount);
    // Moving near the end, a row down fetches two more lines, a page down one screen more.
    grid().row_setfull(grid().rowcount - 2);
    press(tvk::down);
    EXPECT_EQ(2 * visible + 2, page().line_count());
    press(tvk::next);
    EXPECT_EQ(3 * visible + 2, page().line_count());
    EXPECT_EQ(page().line_count(), grid().rowcount);
    ASSERT_FALSE(page().datablock_operators.finished());

    press(tvk::insert);
    type_into(tag_first_name, "first_name", u"Latecomer");
    press(tvk::f2);
    // The list was completed before the line was added: every operator once, the new one last
    // and reachable.
    EXPECT_EQ(206, page().line_count());
    EXPECT_EQ(206u, distinct_ids().size());
    EXPECT_EQ(u"Latecomer", page().flines.back().ffirst_name);
    EXPECT_EQ(206, grid().rowcount);
    EXPECT_EQ(205, grid().row);
}
