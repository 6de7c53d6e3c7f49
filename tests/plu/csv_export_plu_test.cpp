#include <gtest/gtest.h>

#include <filesystem>

#include "database/fb_query.h"
#include "plu/plu_word_index.h"
#include "plu_pages_support.h"
#include "support/csv_reader.h"

namespace {

using SearchPluExport = tplu_pages_test;

// The export lists every PLU the index finds for the text, in the page's order (more than the grid
// holds), each with the database's values, an awkward product text among them.
TEST_F(SearchPluExport, every_plu_of_the_search_comes_back_from_the_file_as_the_database_holds_it) {
    start_plu(false);
    execute("INSERT INTO plu (id, code, product, subtitle, manufacturer, price) VALUES (990001, 'HX-1', "
            "'Hinge, \"Brass\"' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Zweite Zeile für Türen', 'Ünï', 'A, B', 12.5)");
    rebuild_plu_index_of_open_domain();
    fcontroller->handle_keydown(tvk::down, 0, false);
    key(tvk::enter);
    ASSERT_EQ(3, fcontroller->get_pageno());
    type("hinge");
    deliver();
    const std::string file = ffolder + "/plus.csv";
    fposting.fanswer_file = utf8_to_utf16(file);
    key(tvk::f7);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key(tvk::enter);
    ASSERT_NE(nullptr, search().fexport);
    run_queue();
    EXPECT_EQ(nullptr, search().fexport);
    auto rows = read_csv_texts(file);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ((std::vector<std::string>{"Id", "Code", "Product", "Subtitle", "Manufacturer", "Price"}), rows.front());
    rows.erase(rows.begin());
    const std::vector<int32_t> ids = index_ids("HINGE");
    ASSERT_GT(ids.size(), search().flist_lines.size());
    ASSERT_EQ(ids.size(), rows.size());
    bool awkward_seen = false;
    for (size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE(i);
        tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
        q.set_sql("SELECT id, code, product, subtitle, manufacturer, price FROM plu WHERE id = " + std::to_string(ids[i]));
        q.execute();
        std::vector<std::string> expected;
        for (int32_t c = 0; c < q.field_count(); ++c) expected.push_back(utf16_to_utf8(q.field(c).as_widestring()));
        q.close();
        EXPECT_EQ(expected, rows[i]);
        if (ids[i] == 990001) {
            awkward_seen = true;
            EXPECT_EQ("Hinge, \"Brass\"\r\nZweite Zeile für Türen", rows[i][2]);
        }
    }
    EXPECT_TRUE(awkward_seen);
}

}  // namespace
