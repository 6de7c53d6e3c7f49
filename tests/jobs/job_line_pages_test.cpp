#include <gtest/gtest.h>

#include "controls/panel.h"
#include "controls/text_controls.h"
#include "job_pages_support.h"

namespace {

class JobLinePages : public tjob_pages_test {
protected:
    // The first line of the job with the most lines, opened on the line view over the menu.
    void open_line(int16_t alineno = 1) {
        start_jobs();
        fjob = static_cast<int32_t>(number("SELECT FIRST 1 job FROM job_lns GROUP BY job ORDER BY COUNT(*) DESC, job"));
        const tparam_value params[] = {int64_t{fjob}, int64_t{alineno}};
        fcontroller->page_enter(Thandlermodule_edit_job2::handler_class(), params, false);
        run_queue();
    }
    Thandlermodule_edit_job2& line() { return page<Thandlermodule_edit_job2>(); }
    Thandlermodule_edit_jobhdr& order() { return page<Thandlermodule_edit_jobhdr>(); }
    std::string column(const std::string& acolumn, int16_t alineno) {
        return text("SELECT CAST( " + acolumn + " AS VARCHAR(1000) ) FROM job_lns WHERE job = " + std::to_string(fjob) +
                    " AND lineno = " + std::to_string(alineno));
    }
    std::string account_name(int32_t aid) { return text("SELECT name FROM account WHERE id = " + std::to_string(aid)); }
    int32_t job_account() { return static_cast<int32_t>(number("SELECT account FROM job_hdr WHERE id = " + std::to_string(fjob))); }
    tvelmor_memo& notes() {
        return *dynamic_cast<tvelmor_memo*>(line().fcontrols->get_control(Thandlermodule_edit_job2::tag_memo_notes));
    }

    int32_t fjob = 0;
};

TEST_F(JobLinePages, TheLineViewShowsTheLineAndItsAccountAndTypingChangesNothing) {
    open_line(2);
    EXPECT_EQ(u"Job Line", header().ftitle);
    EXPECT_EQ(fjob, line().job_id());
    EXPECT_EQ(2, line().job_lineno());
    EXPECT_EQ(column("partno", 2), edit_text(203));
    EXPECT_EQ(column("description", 2), edit_text(206));
    EXPECT_EQ(column("qty", 2), edit_text(209));
    EXPECT_EQ("", edit_text(215));
    EXPECT_EQ(account_name(job_account()), utf16_to_utf8(line().faccount_text));
    EXPECT_EQ(Thandlermodule_edit_job2::tag_edit_partno, line().ffocused_tag);
    type("xyz");
    EXPECT_EQ(column("partno", 2), edit_text(203));
    EXPECT_EQ(column("partno", 2), utf16_to_utf8(line().frecord.get_fieldbyname_asu("partno")));
}

TEST_F(JobLinePages, CtrlHomeInTheNotesMovesInTheMemoAndElsewhereOpensTheOrder) {
    open_line(1);
    ASSERT_EQ("Customer to be on site", column("notes", 1));
    for (int i = 0; i < 5; ++i) key(tvk::tab);
    ASSERT_EQ(Thandlermodule_edit_job2::tag_memo_notes, line().ffocused_tag);
    key(tvk::end, ss_ctrl);
    EXPECT_EQ(22, notes().get_caret_index());
    key(tvk::home, ss_ctrl);
    ASSERT_EQ(13, fcontroller->get_pageno());
    EXPECT_EQ(0, notes().get_caret_index());

    key(tvk::tab, ss_shift);
    ASSERT_NE(Thandlermodule_edit_job2::tag_memo_notes, line().ffocused_tag);
    key(tvk::home, ss_ctrl);
    ASSERT_EQ(14, fcontroller->get_pageno());
    EXPECT_EQ(u"Job Order", header().ftitle);
    EXPECT_EQ(fjob, order().job_id());
    EXPECT_EQ(account_name(job_account()), utf16_to_utf8(order().faccount_text));
    // The lines by line number, their cells as painted; a row outside the list shows "??".
    const int32_t count = static_cast<int32_t>(number("SELECT COUNT(*) FROM job_lns WHERE job = " + std::to_string(fjob)));
    ASSERT_EQ(count, order().flist_lines.get_count());
    EXPECT_EQ(count, order().control<tvelmor_grid>(Thandlermodule_edit_jobhdr::tag_grid_lines).rowcount);
    for (int16_t row = 0; row < count; ++row) {
        SCOPED_TRACE(row);
        const int16_t lineno = static_cast<int16_t>(row + 1);
        EXPECT_EQ(std::to_string(lineno), cell(107, row, 0));
        EXPECT_EQ(column("partno", lineno), cell(107, row, 1));
        EXPECT_EQ(column("description", lineno), cell(107, row, 2));
        EXPECT_EQ(column("qty", lineno), cell(107, row, 3));
    }
    const int64_t total = number("SELECT CAST( line_total * 100 AS BIGINT ) FROM job_lns WHERE job = " +
                                 std::to_string(fjob) + " AND lineno = 1");
    EXPECT_EQ(std::to_string(total / 100) + "." + (total % 100 < 10 ? "0" : "") + std::to_string(total % 100),
              utf16_to_utf8(order().get_cell_text(0, 4)));
    EXPECT_EQ(u"??", order().get_cell_text(count, 1));

    // Enter on the third line opens it in place of the order; Esc goes back to the menu.
    key(tvk::down);
    key(tvk::down);
    key(tvk::enter);
    ASSERT_EQ(13, fcontroller->get_pageno());
    EXPECT_EQ(3, line().job_lineno());
    run_queue();
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(JobLinePages, AMissingLineOrJobShowsEmptyFields) {
    start_jobs();
    const tparam_value line_params[] = {int64_t{999999}, int64_t{1}};
    fcontroller->page_enter(Thandlermodule_edit_job2::handler_class(), line_params, false);
    EXPECT_EQ(-1, line().job_id());
    for (int32_t tag : {203, 206, 209, 212}) {
        SCOPED_TRACE(tag);
        EXPECT_EQ("", edit_text(tag));
    }
    EXPECT_EQ(u"", line().faccount_text);
    key(tvk::home, ss_ctrl);  // no job to show: the view stays
    EXPECT_EQ(13, fcontroller->get_pageno());
    const tparam_value order_params[] = {int64_t{999999}};
    fcontroller->page_enter(Thandlermodule_edit_jobhdr::handler_class(), order_params, true);
    EXPECT_EQ(0, order().flist_lines.get_count());
    key(tvk::enter);
    EXPECT_EQ(14, fcontroller->get_pageno());
    run_queue();
}

// Choosing another account on the line view with account choice (F7 from the line view) and on
// the order view: the choice stays in the page's record, the database keeps the job's account.
TEST_F(JobLinePages, ChoosingAnAccountChangesOnlyThePagesRecord) {
    struct tcase {
        const char* name;
        std::function<void()> open;
        int32_t tag_edit;
        std::function<int32_t()> record_account;
        std::function<std::u16string()> shown;
        std::function<int16_t()> tabno;
        int32_t focused_after;
    };
    const tcase cases[] = {
        {"line view with account choice", [&] { open_line(1); key(tvk::f7); ASSERT_EQ(12, fcontroller->get_pageno()); },
         Thandlermodule_edit_job::tag_edit_account,
         [&] { return page<Thandlermodule_edit_job>().frecord.get_fieldbyname_asl("account"); },
         [&] { return page<Thandlermodule_edit_job>().faccount_text; }, [&] { return page<Thandlermodule_edit_job>().ftabno; },
         Thandlermodule_edit_job2::tag_edit_partno},
        {"order view", [&] { open_line(1); key(tvk::home, ss_ctrl); ASSERT_EQ(14, fcontroller->get_pageno()); },
         Thandlermodule_edit_jobhdr::tag_edit_account,
         [&] { return order().frecord.get_fieldbyname_asl("account"); }, [&] { return order().faccount_text; },
         [&] { return order().ftabno; }, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        c.open();
        run_queue();
        const int32_t before = job_account();
        const std::string name = account_name(before);
        Thandlermodule_page& p = *fcontroller->get_handler_main();
        key(tvk::home, ss_ctrl);
        ASSERT_EQ(1, c.tabno());
        EXPECT_TRUE(p.fcontrols->get_control(c.tag_edit)->visible);
        EXPECT_EQ(name, edit_text(c.tag_edit));
        EXPECT_EQ(c.tag_edit, p.ffocused_tag);
        EXPECT_TRUE(p.fcontrols->get_panel(2103)->visible);
        // The account search ran with the shown name: the job's account is among its rows.
        EXPECT_EQ(name, cell(c.tag_edit == 104 ? 106 : 108, 0, 0));
        // Esc returns without a change.
        key(tvk::escape);
        EXPECT_EQ(0, c.tabno());
        EXPECT_EQ(before, c.record_account());
        EXPECT_FALSE(p.fcontrols->get_control(c.tag_edit)->visible);
        EXPECT_FALSE(p.fcontrols->get_panel(2103)->visible);
        // Another account: an empty text lists every account; the second row is taken.
        key(tvk::home, ss_ctrl);
        for (size_t i = 0; i < name.size(); ++i) key(tvk::back);
        EXPECT_EQ("", edit_text(c.tag_edit));
        key(tvk::down);
        const std::string other = cell(c.tag_edit == 104 ? 106 : 108, 1, 0);
        key(tvk::enter);
        EXPECT_EQ(0, c.tabno());
        EXPECT_EQ(other, utf16_to_utf8(c.shown()));
        EXPECT_NE(before, c.record_account());
        EXPECT_EQ(other, account_name(c.record_account()));
        EXPECT_EQ(c.focused_after, p.ffocused_tag);
        EXPECT_EQ(before, job_account());
        run_queue();
    }
}

TEST_F(JobLinePages, AStepOtherThanViewingOrChoosingIsRefused) {
    open_line(1);
    key(tvk::f7);
    ASSERT_EQ(12, fcontroller->get_pageno());
    try {
        page<Thandlermodule_edit_job>().next_tab(2);
        FAIL() << "no error";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("Thandlermodule_edit_job.next_tab( 2 ); not implemented", e.what());
    }
    // Esc leaves the view with account choice for the line view beneath.
    key(tvk::escape);
    EXPECT_EQ(13, fcontroller->get_pageno());
    EXPECT_EQ(fjob, line().job_id());
}

}  // namespace
