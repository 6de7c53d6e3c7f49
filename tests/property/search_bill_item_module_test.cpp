// The bill-item search module: code prefixes in code order, deleted items left out, empty cells
// outside the lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "property/datamodule_search_bill_item.h"
#include "support/search_module_fixture.h"

namespace {

class SearchModules : public tsearch_module_test {};

TEST_F(SearchModules, bill_items_match_code_prefixes_in_code_order_ignoring_case) {
    struct tcase {
        const char* name;
        std::u16string search;
        std::vector<std::string> codes;
    } cases[] = {
        {"no text: every item", u"",
         {"ADMIN", "GAS", "LINES", "METER", "POWER-D", "POWER-N", "RUBBISH", "SECURITY", "WASTE", "WATER"}},
        {"one letter", u"W", {"WASTE", "WATER"}},
        {"lower case, up to the dash", u"power-", {"POWER-D", "POWER-N"}},
        {"a code in full", u"GAS", {"GAS"}},
        {"the middle of a code does not match", u"ATER", {}},
        {"nothing starts so", u"Z", {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tdatamodule_search_bill_item module(*fdatabase);
        module.update_search(c.search, 2, -1);
        EXPECT_EQ(std::min<size_t>(4, c.codes.size()), static_cast<size_t>(module.line_count()));
        load_all(module);
        std::vector<std::string> codes;
        for (int32_t i = 0; i < module.line_count(); ++i) {
            codes.push_back(utf16_to_utf8(module.get_cell_text(i, 0)));
            EXPECT_EQ(module.line_code(i), module.get_cell_text(i, 0));
            EXPECT_EQ(number("SELECT id FROM bill_item WHERE code = '" + codes.back() + "'"), module.line_id(i));
        }
        EXPECT_EQ(c.codes, codes);
        EXPECT_FALSE(module.is_loading_idle());
    }
}

TEST_F(SearchModules, deleted_bill_items_are_not_offered) {
    execute("UPDATE bill_item SET deleted = 1 WHERE code IN ('GAS', 'WATER')");
    for (auto [search, codes] : {std::pair<std::u16string, std::vector<std::string>>{u"GAS", {}},
                                 {u"W", {"WASTE"}}}) {
        Tdatamodule_search_bill_item module(*fdatabase);
        module.update_search(search, 10, -1);
        load_all(module);
        std::vector<std::string> found;
        for (int32_t i = 0; i < module.line_count(); ++i) found.push_back(utf16_to_utf8(module.get_cell_text(i, 0)));
        EXPECT_EQ(codes, found) << utf16_to_utf8(search);
    }
}

TEST_F(SearchModules, bill_item_cells_outside_the_lines_and_columns_are_empty) {
    Tdatamodule_search_bill_item items(*fdatabase);
    items.update_search(u"W", 10, -1);
    ASSERT_EQ(2, items.line_count());
    for (auto [row, col] : {std::pair{-1, 0}, {2, 0}, {0, -1}}) {
        SCOPED_TRACE(std::to_string(row) + "," + std::to_string(col));
        EXPECT_EQ(u"", items.get_cell_text(row, static_cast<int16_t>(col)));
    }
    EXPECT_EQ(u"", items.get_cell_text(0, 1));
}

}  // namespace
