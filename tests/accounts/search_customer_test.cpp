#include <gtest/gtest.h>

#include <algorithm>

#include "accounts/datamodule_search_account.h"
#include "accounts/datamodule_search_customer.h"
#include "support/accounts_fixture.h"
#include "database/datablock_container.h"
#include "database/fb_query.h"
#include "procs/message_format.h"

namespace {

class SearchCustomer : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        fdatabase->open_database(0);
        fmodule = std::make_unique<Tdatamodule_search_customer>(*fdatabase);
    }
    void TearDown() override {
        fmodule.reset();
        taccounts_page_test::TearDown();
    }
    // Loads everything that is left, a screen at a time.
    void load_all() {
        while (fmodule->add_records_pagedown(10)) {
        }
    }
    std::unique_ptr<Tdatamodule_search_customer> fmodule;
};

TEST_F(SearchCustomer, the_base_module_refuses_every_operation_it_leaves_to_its_subclasses) {
    Tdatamodule_search_grid base;
    EXPECT_EQ("Tdatamodule_search_grid.close(); not implemented", message_of([&] { base.close(); }));
    EXPECT_EQ("Tdatamodule_search_grid.update_search(); not implemented",
              message_of([&] { base.update_search(u"a", 10, -1); }));
    EXPECT_EQ("Tdatamodule_search_grid.get_cell_text(); not implemented", message_of([&] { base.get_cell_text(0, 0); }));
    EXPECT_EQ("Tdatamodule_search_grid.is_loading_idle(); not implemented", message_of([&] { base.is_loading_idle(); }));
    EXPECT_EQ("Tdatamodule_search_grid.add_records_arrowdown(); not implemented",
              message_of([&] { base.add_records_arrowdown(10); }));
    EXPECT_EQ("Tdatamodule_search_grid.add_records_pagedown(); not implemented",
              message_of([&] { base.add_records_pagedown(10); }));
}

TEST_F(SearchCustomer, the_first_helping_is_two_screens_or_the_remembered_row_plus_one_screen) {
    const int64_t contacts = number("SELECT COUNT(*) FROM contact WHERE COALESCE( deleted, 0 ) <> 1");
    ASSERT_GT(contacts, 40);
    struct tcase {
        const char* name;
        int32_t visible;
        int32_t row_start;
        int64_t expected;
    } cases[] = {
        {"no remembered row", 10, -1, 20},
        {"remembered row", 10, 15, 25},
        {"remembered row at the top", 10, 0, 10},
        {"more than there is", 10, static_cast<int32_t>(contacts), contacts},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        fmodule->update_search(u"", c.visible, c.row_start);
        EXPECT_EQ(c.expected, fmodule->line_count());
    }
}

TEST_F(SearchCustomer, an_empty_search_lists_every_contact_not_deleted_by_first_name_and_no_accounts) {
    fdatabase->execute_query("UPDATE contact SET deleted = 1 WHERE id = (SELECT MIN(id) FROM contact)", true);
    const int64_t contacts = number("SELECT COUNT(*) FROM contact WHERE COALESCE( deleted, 0 ) <> 1");
    const int64_t deleted_id = number("SELECT MIN(id) FROM contact");
    fmodule->update_search(u"", 10, -1);
    load_all();
    ASSERT_EQ(contacts, fmodule->line_count());
    for (int32_t i = 0; i < fmodule->line_count(); ++i) {
        EXPECT_EQ(0, fmodule->line_record_type(i));
        EXPECT_NE(deleted_id, fmodule->line_id(i));
    }
    EXPECT_FALSE(fmodule->is_loading_idle());  // exhausted
}

TEST_F(SearchCustomer, a_word_merges_contacts_and_accounts_by_the_matched_text_ignoring_case) {
    // A letter that starts names of both kinds in the demo data.
    const std::string word = "m";
    const std::string where = " STARTING WITH '" + word + "' AND COALESCE( deleted, 0 ) <> 1";
    const int64_t expected = number("SELECT COUNT(*) FROM contact WHERE first_name" + where) +
                             number("SELECT COUNT(*) FROM contact WHERE last_name" + where) +
                             number("SELECT COUNT(*) FROM contact WHERE email" + where) +
                             number("SELECT COUNT(*) FROM account WHERE name" + where);
    fmodule->update_search(u"m", 10, -1);
    load_all();
    ASSERT_EQ(expected, fmodule->line_count());
    int32_t accounts = 0;
    for (int32_t i = 0; i < fmodule->line_count(); ++i) {
        accounts += fmodule->line_record_type(i);
        // Every line matches the word on its name, last name or email, whatever the case.
        bool matched = false;
        for (int16_t col : {0, 1, 3}) {
            const std::u16string text = fmodule->get_cell_text(i, col);
            matched = matched || (!text.empty() && compare_search_text(text.substr(0, 1), u"M") == 0);
        }
        EXPECT_TRUE(matched) << "line " << i;
    }
    EXPECT_GT(accounts, 0);
    EXPECT_LT(accounts, fmodule->line_count());
}

// The statements search through each name's key (the name in upper case, kept by the database)
// so that a prefix with accents reads only the names it lists. The lines must be those the plain
// prefix statements find when the engine judges every row (without the name's index, whose range
// leaves out "ılker" for "I", which the row's own comparison takes), each dataset in the order of
// the name in upper case by character code, then the key, merged: checked on names with accents,
// apostrophes, mixed case, a decomposed letter and letters whose upper case is special.
TEST_F(SearchCustomer, searching_through_the_keys_lists_what_the_plain_prefix_statements_find) {
    const char* const contacts[][3] = {
        {"\u00c5sa", "\u00d6stlund", "asa@example.nz"},      {"\u00e5sa", "\u00e5ngstr\u00f6m", "\u00c5sa.o@example.nz"},
        {"Asa", "O'Brien", "o'brien@example.nz"},             {"ASA", "o'neill", "ob@example.nz"},
        {"\u00c9mile", "Eva", "\u00e9mile@example.nz"},      {"eva", "EMILE", "eve@example.nz"},
        {"Zo\u00eb", "Zolt\u00e1n", "zoe@example.nz"},        {"zolt\u00e1n", "ZO\u00cb", "z@example.nz"},
        {"M\u00fcller", "MUELLER", "m\u00fc@example.nz"},    {"A\u030asa", "Lef\u00e8vre", "lef@example.nz"},
        {"\u00dfen", "SSEN", "ss@example.nz"},                {"\u00d1u\u00f1o", "n\u00fa\u00f1ez", "n@example.nz"},
        {"\u0141ukasz", "\u0142\u00f3d\u017a", "l@example.nz"}, {"O'Brien", "D'Arcy", "d'arcy@example.nz"},
        {"\u0131lker", "Inan", "ilker@example.nz"}};
    const auto quoted = [](std::string atext) {
        for (size_t at = atext.find('\''); at != std::string::npos; at = atext.find('\'', at + 2)) atext.insert(at, 1, '\'');
        return "'" + atext + "'";
    };
    for (const auto& c : contacts)
        fdatabase->execute_query("INSERT INTO contact (first_name, last_name, email) VALUES (" + quoted(c[0]) + ", " +
                                     quoted(c[1]) + ", " + quoted(c[2]) + ")",
                                 true);
    for (const char* name : {"\u00c5kesson Ltd", "akesson traders", "O'Connor & Co", "\u00c9mile Caf\u00e9",
                             "zo\u00eb holdings"})
        fdatabase->execute_query("INSERT INTO account (name) VALUES (" + quoted(name) + ")", true);

    const std::string contacts_select = "SELECT 0 AS record_type, id, first_name, last_name, phone, email FROM contact ";
    const auto filter = [](const char* atable) {
        return std::string(" STARTING WITH :search AND COALESCE( deleted, 0 ) <> 1 PLAN ( ") + atable + " NATURAL ) ORDER BY ";
    };
    const auto by_upper = [](const char* acolumn) {
        return std::string("CAST( UPPER( ") + acolumn + " ) AS VARCHAR(200) ) COLLATE UCS_BASIC, id";
    };
    const std::string plain[4] = {
        contacts_select + "WHERE first_name" + filter("contact") + by_upper("first_name"),
        contacts_select + "WHERE last_name" + filter("contact") + by_upper("last_name"),
        contacts_select + "WHERE email" + filter("contact") + by_upper("email"),
        "SELECT 1 AS record_type, id, name AS first_name, '' AS last_name, phone, '' AS email FROM account "
        "WHERE name" + filter("account") + by_upper("name")};
    const char* const sort_column[4] = {"first_name", "last_name", "email", "first_name"};
    tfb_transaction reading(fdatabase->database_customers, tfb_transaction_kind::read_only);
    std::vector<std::unique_ptr<tfb_query>> queries;
    tdatablock_container block;
    for (const std::string& sql : plain) {
        queries.push_back(std::make_unique<tfb_query>(fdatabase->database_customers, reading, qoStartTransaction));
        queries.back()->set_sql(sql);
        block.fdatasets.push_back(queries.back().get());
    }
    std::vector<std::pair<int32_t, int32_t>> expected;
    block.fon_compare_dataset = [&](int32_t a, int32_t b) {
        const auto text = [&](int32_t i) { return queries[static_cast<size_t>(i)]->FieldByName(sort_column[i]).as_widestring(); };
        return compare_search_text(text(std::max(a, b)), text(std::min(a, b))) < 0 ? std::max(a, b) : std::min(a, b);
    };
    block.fon_add_record = [&](int32_t i) {
        const tfb_query& q = *queries[static_cast<size_t>(i)];
        expected.emplace_back(q.FieldByName("record_type").as_integer(), q.FieldByName("id").as_integer());
    };

    for (const char16_t* search :
         {u"\u00c5", u"\u00e5", u"A", u"a", u"\u00c5s", u"A\u030a", u"O'", u"o'b", u"\u00c9", u"\u00e9", u"E", u"e",
          u"Zo", u"ZO\u00cb", u"zol", u"M\u00fc", u"MU", u"\u00df", u"ss", u"\u00d1", u"\u00f1u", u"\u0141", u"\u0142",
          u"D'", u"\u00c9mile C", u"I", u"\u0131", u"x", u"Ma", u"\u00c5ng", u"Lef\u00e8", u"n\u00fa\u00f1"}) {
        SCOPED_TRACE(utf16_to_utf8(search));
        for (auto& q : queries) q->ParamByName("search").set_aswidestring(search);
        expected.clear();
        block.open_datasets();
        while (block.add_records(100)) {
        }
        fmodule->update_search(search, 10, -1);
        load_all();
        std::vector<std::pair<int32_t, int32_t>> lines;
        for (int32_t i = 0; i < fmodule->line_count(); ++i) lines.emplace_back(fmodule->line_record_type(i), fmodule->line_id(i));
        EXPECT_EQ(expected, lines);
    }
}

// The key's bound holds at most the longest name (200 characters); a longer search is no error
// and finds nothing, as no name is that long.
TEST_F(SearchCustomer, searches_as_long_as_the_longest_name_and_longer) {
    const std::string email = std::string(189, 'q') + "@example.nz";  // 200 characters
    fdatabase->execute_query("INSERT INTO contact (first_name, email) VALUES ('Q', '" + email + "')", true);
    const std::u16string text(email.begin(), email.end());
    struct tcase {
        std::u16string search;
        int32_t lines;
    } cases[] = {{text.substr(0, 150), 1}, {text, 1}, {text + u"x", 0}, {std::u16string(300, u'q'), 0},
                 {std::u16string(199, u'q') + u"\U0001f600", 0}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.search.size());
        fmodule->update_search(c.search, 10, -1);
        load_all();
        ASSERT_EQ(c.lines, fmodule->line_count());
        if (c.lines) {
            EXPECT_EQ(u"Q", fmodule->get_cell_text(0, 0));
        }
    }
}

TEST_F(SearchCustomer, the_merge_order_ignores_ascii_case_and_puts_a_prefix_first) {
    EXPECT_EQ(0, compare_search_text(u"smith", u"SMITH"));
    EXPECT_LT(compare_search_text(u"Smi", u"smith"), 0);
    EXPECT_LT(compare_search_text(u"abc", u"ABD"), 0);
    EXPECT_GT(compare_search_text(u"\u00e9", u"z"), 0);  // only a to z fold
}

TEST_F(SearchCustomer, cells_outside_the_lines_are_empty) {
    fmodule->update_search(u"", 10, -1);
    ASSERT_EQ(20, fmodule->line_count());
    EXPECT_FALSE(fmodule->get_cell_text(0, 0).empty());
    for (auto [row, col] : {std::pair{-1, 0}, {20, 0}, {0, 4}, {0, -1}}) {
        SCOPED_TRACE(std::to_string(row) + "," + std::to_string(col));
        EXPECT_EQ(u"", fmodule->get_cell_text(row, static_cast<int16_t>(col)));
    }
}

TEST_F(SearchCustomer, an_arrow_down_request_schedules_timer_ticks_from_the_line_count) {
    struct tcase {
        const char* name;
        int32_t row_start;  // the first helping is 10 + row_start lines
        int32_t ticks;
    } cases[] = {{"20 lines: 20 mod 10 below 4", 10, 5}, {"24 lines: 24 mod 10 is 4", 14, 4}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tdatamodule_search_customer module(*fdatabase);
        module.update_search(u"", 10, c.row_start);
        const int32_t before = module.line_count();
        ASSERT_TRUE(module.is_loading_idle());
        ASSERT_TRUE(module.add_records_arrowdown(10));
        EXPECT_EQ(before + 2, module.line_count());
        EXPECT_EQ(c.ticks, module.fcount_addrecords);
        EXPECT_TRUE(module.timer_addrecords.enabled());
        // While the timer runs nothing more is asked for.
        EXPECT_FALSE(module.is_loading_idle());
        int32_t added_events = 0;
        module.fon_lines_added = [&] { ++added_events; };
        for (int32_t i = 0; i < c.ticks; ++i) module.timer_addrecords_timer();
        EXPECT_EQ(before + 2 + 2 * c.ticks, module.line_count());
        EXPECT_EQ(c.ticks, added_events);
        EXPECT_FALSE(module.timer_addrecords.enabled());
        EXPECT_TRUE(module.is_loading_idle());
    }
}

TEST_F(SearchCustomer, a_page_down_request_loads_a_screen_and_cancels_pending_ticks) {
    fmodule->update_search(u"", 10, -1);
    ASSERT_TRUE(fmodule->add_records_arrowdown(10));
    ASSERT_GT(fmodule->fcount_addrecords, 0);
    EXPECT_TRUE(fmodule->add_records_pagedown(10));
    EXPECT_EQ(32, fmodule->line_count());
    EXPECT_EQ(0, fmodule->fcount_addrecords);
    EXPECT_FALSE(fmodule->timer_addrecords.enabled());
}

TEST_F(SearchCustomer, ticks_stop_when_the_result_runs_out) {
    fmodule->update_search(u"", 10, -1);
    load_all();
    const int32_t all = fmodule->line_count();
    fmodule->fcount_addrecords = 3;
    fmodule->timer_addrecords.start([] {});
    fmodule->timer_addrecords_timer();
    EXPECT_EQ(all, fmodule->line_count());
    EXPECT_EQ(0, fmodule->fcount_addrecords);
    EXPECT_FALSE(fmodule->timer_addrecords.enabled());
    EXPECT_FALSE(fmodule->add_records_arrowdown(10));
}

TEST_F(SearchCustomer, a_new_search_starts_from_an_empty_list) {
    fmodule->update_search(u"", 10, 30);
    fmodule->update_search(u"zzzzzz", 10, -1);
    EXPECT_EQ(0, fmodule->line_count());
    EXPECT_FALSE(fmodule->add_records_arrowdown(10));
}

}  // namespace

namespace {

class SearchAccount : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        fdatabase->open_database(0);
    }
};

TEST_F(SearchAccount, name_or_phone_prefixes_match_and_deleted_accounts_are_listed) {
    fdatabase->execute_query("UPDATE account SET deleted = 1 WHERE id = (SELECT MIN(id) FROM account)", true);
    struct tcase {
        const char* name;
        std::u16string search;
        std::string where;
    } cases[] = {
        {"no word: every account", u"", "1 = 1"},
        {"name prefix, trimmed", u"  m ", "name STARTING WITH 'm'"},
        {"phone prefix", u"02", "name STARTING WITH '02' OR phone STARTING WITH '02'"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tdatamodule_search_account module(*fdatabase);
        module.update_search(c.search, 5, -1);
        EXPECT_EQ(std::min<int64_t>(10, number("SELECT COUNT(*) FROM account WHERE " + c.where)), module.line_count());
        while (module.add_records_pagedown(5)) {
        }
        EXPECT_EQ(number("SELECT COUNT(*) FROM account WHERE " + c.where), module.line_count());
        EXPECT_FALSE(module.is_loading_idle());
        EXPECT_EQ(u"", module.get_cell_text(0, 2));
    }
    Tdatamodule_search_account module(*fdatabase);
    module.update_search(u"", 5, -1);
    while (module.add_records_pagedown(5)) {
    }
    bool deleted_listed = false;
    const int64_t deleted_id = number("SELECT MIN(id) FROM account");
    for (int32_t i = 0; i < module.line_count(); ++i) deleted_listed = deleted_listed || module.line_id(i) == deleted_id;
    EXPECT_TRUE(deleted_listed);
}

}  // namespace
