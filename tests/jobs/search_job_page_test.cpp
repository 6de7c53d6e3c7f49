#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "controls/panel.h"
#include "job_pages_support.h"

namespace {

using SearchJobPage = tjob_pages_test;

bool visible(Thandlermodule_page& apage, int32_t atag) { return apage.fcontrols->get_control(atag)->visible; }
bool panel_visible(Thandlermodule_page& apage, int32_t atag) { return apage.fcontrols->get_panel(atag)->visible; }

std::string upper(std::string a) {
    for (char& c : a) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return a;
}

TEST_F(SearchJobPage, TabListsEveryJobLineOfEveryAccountInJobOrderAndShiftTabGoesBack) {
    open_search();
    EXPECT_EQ(u"Search Jobs", header().ftitle);
    EXPECT_EQ(0, search().ftabno);
    EXPECT_EQ(Thandlermodule_search_job::tag_edit_account, search().ffocused_tag);
    EXPECT_TRUE(panel_visible(search(), Thandlermodule_search_job::tag_panel_accounts));
    EXPECT_FALSE(panel_visible(search(), Thandlermodule_search_job::tag_panel_jobs));
    // An empty account text lists accounts from the first layout on.
    EXPECT_GT(search().accounts().grid().rowcount, 0);

    key(tvk::tab);
    EXPECT_EQ(1, search().ftabno);
    EXPECT_EQ(Tdatamodule_search_job::all_accounts, search().faccount);
    EXPECT_EQ(Thandlermodule_search_job::tag_edit_job, search().ffocused_tag);
    EXPECT_FALSE(visible(search(), Thandlermodule_search_job::tag_edit_account));
    EXPECT_TRUE(visible(search(), Thandlermodule_search_job::tag_label_account));
    EXPECT_EQ(u"", search().account_caption());
    EXPECT_FALSE(panel_visible(search(), Thandlermodule_search_job::tag_panel_accounts));
    EXPECT_TRUE(panel_visible(search(), Thandlermodule_search_job::tag_panel_jobs));
    // The first helping fills two screens; the account search is closed.
    tvelmor_grid& grid = search().jobs().grid();
    EXPECT_EQ(2 * grid.row_count_visible, grid.rowcount);
    EXPECT_EQ(0, grid.row);
    EXPECT_EQ(0, search().accounts().grid().rowcount);
    EXPECT_EQ(cell(107, 0, 0), std::to_string(job_module().line_id(0)));

    const std::vector<tline_key> lines = all_search_lines();
    EXPECT_EQ(account_lines(-1), as_set(lines));
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(),
                               [](const tline_key& a, const tline_key& b) { return a.first < b.first; }));

    key(tvk::tab, ss_shift);
    EXPECT_EQ(0, search().ftabno);
    EXPECT_TRUE(visible(search(), Thandlermodule_search_job::tag_edit_account));
    EXPECT_FALSE(visible(search(), Thandlermodule_search_job::tag_label_account));
    EXPECT_EQ("", edit_text(Thandlermodule_search_job::tag_edit_account));
    EXPECT_EQ(Thandlermodule_search_job::tag_edit_account, search().ffocused_tag);
    EXPECT_TRUE(panel_visible(search(), Thandlermodule_search_job::tag_panel_accounts));
    EXPECT_FALSE(panel_visible(search(), Thandlermodule_search_job::tag_panel_jobs));
    EXPECT_EQ(0, job_module().line_count());
    EXPECT_GT(search().accounts().grid().rowcount, 0);
    // Shift+Tab in step 0 and Tab in step 1 go nowhere.
    key(tvk::tab, ss_shift);
    EXPECT_EQ(0, search().ftabno);
    run_queue();
}

TEST_F(SearchJobPage, EnterOnAnAccountListsOnlyThatAccountsLines) {
    open_search();
    const int32_t account = account_with_jobs();
    auto& accounts = static_cast<Tdatamodule_search_account&>(search().accounts().module());
    while (accounts.add_records_pagedown(50)) {
    }
    const auto it = std::find_if(accounts.flist_lines.begin(), accounts.flist_lines.end(),
                                 [&](const auto& l) { return l.fid == account; });
    ASSERT_NE(it, accounts.flist_lines.end());
    const int32_t row = static_cast<int32_t>(it - accounts.flist_lines.begin());
    search().accounts().grid().set_rowcount(accounts.line_count());
    search().accounts().grid().row_setfull(row);
    key(tvk::enter);

    EXPECT_EQ(1, search().ftabno);
    EXPECT_EQ(account, search().faccount);
    EXPECT_EQ(text("SELECT name FROM account WHERE id = " + std::to_string(account)),
              utf16_to_utf8(search().account_caption()));
    ASSERT_GT(account_lines(account).size(), 1u);
    EXPECT_EQ(account_lines(account), as_set(all_search_lines()));
    run_queue();
}

// Moving down near the end of the loaded lines brings two more and schedules the timer, whose
// ticks bring the rest a little at a time; the grid's row count follows every addition.
TEST_F(SearchJobPage, MovingDownNearTheEndLoadsMoreLinesAndTheTimerBringsTheRest) {
    open_search();
    key(tvk::tab);
    tvelmor_grid& grid = search().jobs().grid();
    const int32_t first = grid.rowcount;
    ASSERT_EQ(2 * grid.row_count_visible, first);
    for (int32_t i = 0; i < grid.row_count_visible + 1; ++i) key(tvk::down);
    EXPECT_EQ(first + 2, grid.rowcount);
    EXPECT_FALSE(job_module().is_loading_idle());
    int32_t ticks = 0;
    while (fplatform.tick_timers()) {
        ++ticks;
        EXPECT_EQ(job_module().line_count(), grid.rowcount);
    }
    EXPECT_GT(ticks, 0);
    EXPECT_GT(grid.rowcount, first + 2);
    // Page Down near the end brings a screen at once.
    const int32_t before = grid.rowcount;
    for (int32_t i = 0; i < 3; ++i) key(tvk::next);
    EXPECT_GE(grid.rowcount, before + grid.row_count_visible);
    run_queue();
}

TEST_F(SearchJobPage, EnterOnAnEmptyAccountGridTakesAllAccounts) {
    open_search();
    type("qqqzz");
    ASSERT_EQ(0, search().accounts().grid().rowcount);
    key(tvk::enter);
    EXPECT_EQ(1, search().ftabno);
    EXPECT_EQ(Tdatamodule_search_job::all_accounts, search().faccount);
}

// Part numbers match from their start, descriptions and notes anywhere, all without regard to
// the case of the letters; the expectation is worked out here from the table's rows.
TEST_F(SearchJobPage, PartNumbersMatchByPrefixDescriptionsAndNotesAnywhere) {
    open_search();
    key(tvk::tab);
    const std::vector<tdb_job_line> rows = db_lines();
    auto expected_for = [&](const std::string& atext) {
        std::vector<tline_key> keys;
        const std::string t = upper(atext);
        for (const tdb_job_line& l : rows)
            if (upper(l.partno).rfind(t, 0) == 0 || upper(l.description).find(t) != std::string::npos ||
                upper(l.notes).find(t) != std::string::npos)
                keys.emplace_back(l.job, l.lineno);
        return keys;
    };
    const char* searches[] = {"scr", "Scr-8", "812", "gutter", "UTTE", "On Site", "zzzz"};
    for (const char* text : searches) {
        SCOPED_TRACE(text);
        search().jobs().search(utf8_to_utf16(text));
        EXPECT_EQ(as_set(expected_for(text)), as_set(all_search_lines()));
    }
    // A part number's middle is no match, notes are.
    EXPECT_TRUE(expected_for("812").empty());
    EXPECT_GT(expected_for("on site").size(), 10u);
    // Typed into the job edit, the text runs the search (trimmed).
    type(" gutter ");
    EXPECT_EQ(as_set(expected_for("gutter")), as_set(all_search_lines()));
    EXPECT_EQ(0, search().jobs().grid().row);
}

TEST_F(SearchJobPage, EnterOnALineOpensTheLineViewInPlaceOfTheSearch) {
    open_search();
    key(tvk::tab);
    key(tvk::down);
    const int32_t job = job_module().line_id(1);
    const int16_t lineno = job_module().line_lineno(1);
    key(tvk::enter);
    ASSERT_EQ(13, fcontroller->get_pageno());
    auto& line = page<Thandlermodule_edit_job2>();
    EXPECT_EQ(job, line.job_id());
    EXPECT_EQ(lineno, line.job_lineno());
    // The search is not beneath: Esc goes back to the menu.
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(SearchJobPage, JobsOnTheAccountEditorsMenuSearchesThatAccountsLinesAtOnce) {
    const int32_t account = account_with_jobs();
    start_jobs();
    const tparam_value params[] = {int64_t{account}};
    fcontroller->page_enter(Thandlermodule_edit_account::handler_class(), params, false);
    key(tvk::f7);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key(tvk::down);
    key(tvk::enter);
    ASSERT_EQ(11, fcontroller->get_pageno());
    EXPECT_EQ(1, search().ftabno);
    EXPECT_EQ(account, search().faccount);
    EXPECT_EQ(text("SELECT name FROM account WHERE id = " + std::to_string(account)),
              utf16_to_utf8(search().account_caption()));
    EXPECT_EQ(account_lines(account), as_set(all_search_lines()));
    run_queue();
    // Shift+Tab offers the other accounts; Esc goes back to the account.
    key(tvk::tab, ss_shift);
    EXPECT_EQ(0, search().ftabno);
    key(tvk::escape);
    EXPECT_EQ(5, fcontroller->get_pageno());
}

}  // namespace
