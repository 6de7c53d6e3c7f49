#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "accounts/handlermodule_search_customer.h"
#include "support/accounts_fixture.h"
#include "controls/key_codes.h"
#include "controls/text_controls.h"
#include "database/fb_query.h"
#include "pages/csv_export.h"
#include "procs/csv_writer.h"
#include "support/csv_reader.h"

namespace fs = std::filesystem;

namespace {

using trows = std::vector<std::vector<std::string>>;

// Names a spreadsheet must get back exactly: separators, quotes, line breaks, accents.
const char* const awkward_contacts[][4] = {
    {"Zqa, Comma", "Last \"Quoted\"", "555 0101", "zqa@example.com"},
    {"Zqb\r\nTwo Lines", "Zqb Line\nFeed", "", "zqb@example.com"},
    {"Zqé Àccent", "Ünïcode Straße", "+61 2 555", "zqe@example.com"},
    {"Zqd \"\"", ",", "\"", "zqd,odd@example.com"},
};

class CsvExport : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        ffile = ffolder + "/export.csv";
    }
    void insert_contact(int32_t aid, const std::string& afirst, const std::string& alast, const std::string& aphone,
                        const std::string& aemail) {
        tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
        q.set_sql("INSERT INTO contact (id, first_name, last_name, phone, email) VALUES (:id, :f, :l, :p, :e)");
        q.ParamByName("id").set_asinteger(aid);
        q.ParamByName("f").set_aswidestring(utf8_to_utf16(afirst));
        q.ParamByName("l").set_aswidestring(utf8_to_utf16(alast));
        q.ParamByName("p").set_aswidestring(utf8_to_utf16(aphone));
        q.ParamByName("e").set_aswidestring(utf8_to_utf16(aemail));
        q.execute();
        q.close();
    }
    // The rows a query gives, every column as text.
    trows query_rows(const std::string& asql) {
        tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
        q.set_sql(asql);
        q.execute();
        trows rows;
        for (; !q.eof(); q.next()) {
            std::vector<std::string> row;
            for (int32_t i = 0; i < q.field_count(); ++i) row.push_back(utf16_to_utf8(q.field(i).as_widestring()));
            rows.push_back(row);
        }
        q.close();
        return rows;
    }
    Thandlermodule_search_customer& page() { return main_page<Thandlermodule_search_customer>(); }
    bool key(uint16_t akey) { return fcontroller->handle_keydown(akey, 0, false); }
    // The accounts menu over the demo database with the awkward names added, then the search.
    void open_search(const std::string& atext) {
        start();
        if (number("SELECT COUNT(*) FROM account WHERE id = 900101") == 0) {
            int32_t id = 900001;
            for (const auto& c : awkward_contacts) insert_contact(id++, c[0], c[1], c[2], c[3]);
            execute("INSERT INTO account (id, name, phone) VALUES (900101, 'Zqz, Account \"One\"', '555 0199')");
        }
        key(tvk::enter);
        ASSERT_EQ(2, fcontroller->get_pageno());
        for (char c : atext) key(static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c))));
    }
    // "Export to CSV..." of the page menu (Insert), the file dialog answering ffile.
    void choose_export() {
        fplatform.fanswer_file = utf8_to_utf16(ffile);
        key(tvk::insert);
        ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
        key(tvk::down);
        key(tvk::down);
        key(tvk::enter);
    }
    static trows sorted(trows arows) {
        std::sort(arows.begin(), arows.end());
        return arows;
    }

    std::string ffile;
};

TEST_F(CsvExport, every_row_of_the_result_comes_back_from_the_file_as_the_database_holds_it) {
    struct tcase {
        const char* name;
        const char* search;
        std::string expected_sql;  // the rows of the result, in the file's columns
    };
    const std::string contacts = "SELECT 'Contact', id, first_name, last_name, phone, email FROM contact "
                                 "WHERE COALESCE(deleted, 0) <> 1";
    const tcase cases[] = {
        // Far more contacts than the grid loads at first.
        {"no search text: every contact", "", contacts},
        // A contact is listed once for each of its names that matches, accounts among them.
        {"a search text", "zq",
         contacts + " AND first_name STARTING WITH 'Zq' UNION ALL " + contacts +
             " AND last_name STARTING WITH 'Zq' UNION ALL " + contacts +
             " AND email STARTING WITH 'zq' UNION ALL SELECT 'Account', id, name, '', phone, '' FROM account "
             "WHERE name STARTING WITH 'Zq' AND COALESCE(deleted, 0) <> 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open_search(c.search);
        const int32_t loaded = page().module().line_count();
        choose_export();
        ASSERT_NE(nullptr, page().fexport);
        run_queue();
        EXPECT_EQ(nullptr, page().fexport);
        ASSERT_TRUE(fs::exists(ffile));
        EXPECT_FALSE(fs::exists(ffile + ".writing"));
        trows file = read_csv_texts(ffile);
        ASSERT_FALSE(file.empty());
        EXPECT_EQ((std::vector<std::string>{"Type", "Id", "Name", "Last Name", "Phone", "Email"}), file.front());
        file.erase(file.begin());
        const trows expected = query_rows(c.expected_sql);
        EXPECT_GT(static_cast<int32_t>(expected.size()), c.search[0] ? 4 : loaded);
        EXPECT_EQ(sorted(expected), sorted(file));
        const std::string status = utf16_to_utf8(footer().fstatus);
        EXPECT_EQ(0u, status.find("Exported ")) << status;
        EXPECT_NE(std::string::npos, status.find(" rows to export.csv.")) << status;
        // The page's grid was left as it was.
        EXPECT_EQ(loaded, page().module().line_count());
        key(tvk::escape);
        fs::remove(ffile);
    }
}

TEST_F(CsvExport, the_file_is_utf8_with_crlf_rows_and_quotes_only_where_needed) {
    open_search("zqa");
    choose_export();
    run_queue();
    std::ifstream in(ffile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    // Found by its first name and by its email: listed twice, as the grid lists it.
    const std::string row = "Contact,900001,\"Zqa, Comma\",\"Last \"\"Quoted\"\"\",555 0101,zqa@example.com\r\n";
    EXPECT_EQ("Type,Id,Name,Last Name,Phone,Email\r\n" + row + row, text.str());
}

TEST_F(CsvExport, esc_cancels_a_running_export_and_leaves_no_file_while_other_keys_wait_for_it) {
    open_search("");
    // An older file of the chosen name stays as it was.
    std::ofstream(ffile) << "older";
    choose_export();
    ASSERT_NE(nullptr, page().fexport);
    ASSERT_TRUE(fs::exists(ffile + ".writing"));
    EXPECT_EQ(u"Exporting to CSV: 0 rows...  (Esc cancels)", footer().fstatus);
    // One helping written; the footer counts it.
    ASSERT_FALSE(page().fexport->run_step(100));
    EXPECT_EQ(u"Exporting to CSV: 100 rows...  (Esc cancels)", footer().fstatus);
    // Typing does not change the result under the export.
    key('X');
    EXPECT_EQ(u"", page().fsearch);
    key(tvk::escape);
    EXPECT_EQ(nullptr, page().fexport);
    EXPECT_EQ(2, fcontroller->get_pageno());
    EXPECT_EQ(u"CSV export cancelled.", footer().fstatus);
    EXPECT_FALSE(fs::exists(ffile + ".writing"));
    std::ifstream in(ffile);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ("older", kept);
    // The queued step finds no export; the page works again.
    run_queue();
    key('X');
    EXPECT_EQ(u"x", page().fsearch);
}

TEST_F(CsvExport, a_file_that_cannot_be_created_is_said_and_nothing_starts) {
    open_search("");
    ffile = ffolder + "/no such folder/export.csv";
    EXPECT_EQ("Unable to Create File \"" + ffile + "\": No such file or directory.",
              message_of([&] { choose_export(); }));
    EXPECT_EQ(nullptr, page().fexport);
    // A cancelled dialog starts nothing either.
    fplatform.fanswer_file.clear();
    key(tvk::insert);
    key(tvk::down);
    key(tvk::down);
    key(tvk::enter);
    EXPECT_EQ(nullptr, page().fexport);
}

TEST(CsvFields, quoting_follows_rfc_4180) {
    struct tcase {
        std::u16string text;
        std::string field;
    };
    const tcase cases[] = {
        {u"", ""},           {u"plain", "plain"},         {u"a,b", "\"a,b\""},      {u"say \"hi\"", "\"say \"\"hi\"\"\""},
        {u"a\r\nb", "\"a\r\nb\""}, {u"a\nb", "\"a\nb\""}, {u"é", "\xC3\xA9"},       {u" lead", " lead"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(c.field, csv_field(c.text));
    }
}

TEST(CsvFields, formulas_are_written_as_text_and_read_back_as_typed) {
    struct tcase {
        std::u16string text;
        std::string field;
    };
    const tcase cases[] = {
        {u"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {u"+61 2 9999", "'+61 2 9999"},
        {u"-2+3", "'-2+3"},
        {u"@SUM(A1)", "'@SUM(A1)"},
        {u"\tcmd", "'\tcmd"},
        {u"'quoted", "''quoted"},
        {u"-12.50", "-12.50"},  // a plain number stays a number
        {u"+5", "+5"},
        {u"a=b", "a=b"},
    };
    const std::string file = testing::TempDir() + "formulas.csv";
    {
        tcsv_file_writer writer(file);
        for (const auto& c : cases) writer.write_row({c.text});
        writer.commit();
    }
    const auto rows = read_csv_texts(file);
    ASSERT_EQ(std::size(cases), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(cases[i].field);
        EXPECT_EQ(cases[i].field, csv_field(cases[i].text));
        EXPECT_EQ(utf16_to_utf8(cases[i].text), rows[i].at(0));
    }
}

}  // namespace
