// The job search module: part-number prefixes or text in the description or notes, every line of
// every account, the statement built again for another account, empty cells outside the lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "jobs/datamodule_search_job.h"
#include "support/search_module_fixture.h"

namespace {

class SearchModules : public tsearch_module_test {};

TEST_F(SearchModules, job_cells_outside_the_lines_and_columns_are_empty) {
    Tdatamodule_search_job jobs(*fdatabase);
    jobs.initialize_search(Tdatamodule_search_job::all_accounts);
    jobs.update_search(u"", 1, -1);
    ASSERT_EQ(2, jobs.line_count());
    for (auto [row, col] : {std::pair{-1, 0}, {2, 0}, {0, -1}}) {
        SCOPED_TRACE(std::to_string(row) + "," + std::to_string(col));
        EXPECT_EQ(u"", jobs.get_cell_text(row, static_cast<int16_t>(col)));
    }
    EXPECT_EQ(u"", jobs.get_cell_text(0, 3));
}

class SearchJob : public SearchModules {
protected:
    void SetUp() override {
        SearchModules::SetUp();
        // Two jobs of accounts that have no other jobs, with texts the demo data never uses.
        for (const char* sql : {
                 "INSERT INTO job_hdr (id, account, lineno_last) VALUES (90001, 800001, 4)",
                 "INSERT INTO job_hdr (id, account, lineno_last) VALUES (90002, 800002, 1)",
                 "INSERT INTO job_lns (job, lineno, partno, description, notes) VALUES (90001, 1, 'ZQ-100', 'Fit tap', '')",
                 "INSERT INTO job_lns (job, lineno, partno, description, notes)"
                 " VALUES (90001, 2, 'AB-1', 'Paint the quokka enclosure', NULL)",
                 "INSERT INTO job_lns (job, lineno, partno, description, notes)"
                 " VALUES (90001, 3, 'CD-1', 'Other', 'ask for the QUOKKA key')",
                 "INSERT INTO job_lns (job, lineno, partno, description, notes) VALUES (90001, 4, 'EF-1', 'Tidy up', NULL)",
                 "INSERT INTO job_lns (job, lineno, partno, description, notes) VALUES (90002, 1, 'zq-200', 'Clean', NULL)",
             })
            fdatabase->execute_query(sql, true);
    }
    using tline = std::pair<int32_t, int16_t>;  // job, line number
    static std::vector<tline> lines_of(Tdatamodule_search_job& amodule) {
        std::vector<tline> lines;
        for (int32_t i = 0; i < amodule.line_count(); ++i)
            lines.emplace_back(amodule.line_id(i), amodule.line_lineno(i));
        return lines;
    }
};

TEST_F(SearchJob, lines_match_a_part_number_prefix_or_text_in_the_description_or_notes) {
    struct tcase {
        const char* name;
        int32_t account;
        std::u16string search;
        std::vector<tline> lines;
    } cases[] = {
        {"all accounts, part prefix in any case", Tdatamodule_search_job::all_accounts, u"zq", {{90001, 1}, {90002, 1}}},
        {"all accounts, description or notes", Tdatamodule_search_job::all_accounts, u"Quokka", {{90001, 2}, {90001, 3}}},
        {"one account", 800001, u"ZQ", {{90001, 1}}},
        {"the other account", 800002, u"ZQ", {{90002, 1}}},
        {"one account, no text: all its lines", 800001, u"", {{90001, 1}, {90001, 2}, {90001, 3}, {90001, 4}}},
        {"one account, contained in the notes", 800001, u"key", {{90001, 3}}},
        {"an account without jobs", 800003, u"", {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tdatamodule_search_job module(*fdatabase);
        module.initialize_search(c.account);
        module.update_search(c.search, 10, -1);
        load_all(module);
        std::vector<tline> lines = lines_of(module);
        // Lines of one job come in no stated order.
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(c.lines, lines);
    }
}

TEST_F(SearchJob, all_accounts_list_every_line_in_job_order_and_the_cells_show_job_part_and_description) {
    Tdatamodule_search_job module(*fdatabase);
    module.initialize_search(Tdatamodule_search_job::all_accounts);
    module.update_search(u"", 10, -1);
    EXPECT_EQ(20, module.line_count());
    EXPECT_TRUE(module.is_loading_idle());
    load_all(module);
    ASSERT_EQ(number("SELECT COUNT(*) FROM job_lns"), module.line_count());
    for (int32_t i = 1; i < module.line_count(); ++i) EXPECT_LE(module.line_id(i - 1), module.line_id(i)) << i;
    const int32_t last = module.line_count() - 1;
    EXPECT_EQ(90002, module.line_id(last));
    EXPECT_EQ(u"90002", module.get_cell_text(last, 0));
    EXPECT_EQ(u"zq-200", module.get_cell_text(last, 1));
    EXPECT_EQ(u"zq-200", module.line_partno(last));
    EXPECT_EQ(u"Clean", module.get_cell_text(last, 2));
}

TEST_F(SearchJob, the_statement_can_be_built_again_for_another_account_and_a_search_needs_one) {
    Tdatamodule_search_job module(*fdatabase);
    EXPECT_EQ("Search not initialized in Tdatamodule_search_job.update_search();",
              message_of([&] { module.update_search(u"", 10, -1); }));
    module.initialize_search(800001);
    module.update_search(u"zq", 10, -1);
    ASSERT_EQ(1, module.line_count());
    module.initialize_search(Tdatamodule_search_job::all_accounts);
    module.update_search(u"zq", 10, -1);
    EXPECT_EQ(2, module.line_count());
    module.close();
    EXPECT_EQ(0, module.line_count());
    EXPECT_FALSE(module.is_loading_idle());
}

}  // namespace
