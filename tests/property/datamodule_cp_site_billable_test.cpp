// The billable-quantity rule over a copy of the demo database: per meter the newest reading must
// be unbilled and the one before it billed.
#include <gtest/gtest.h>

#include "database/fb_query.h"
#include "invoice_pages_support.h"
#include "property/datamodule_cp_site.h"

namespace {

struct trow {
    int16_t count1, bill_type;
    int32_t date, days;
    int64_t units;
    bool operator==(const trow&) const = default;
};
void PrintTo(const trow& r, std::ostream* os) {
    *os << "{" << r.count1 << ", " << r.bill_type << ", " << r.date << ", " << r.days << ", " << r.units << "}";
}

// Collects the rows the data module hands over.
class trows_handler : public Thandlermodule_generic {
public:
    void load_data(tfb_query* aquery, int32_t atag, tdatarecord2*) override {
        EXPECT_EQ(101, atag);
        frows.push_back({aquery->FieldByName("count1").as_smallint(), aquery->FieldByName("bill_type").as_smallint(),
                         aquery->FieldByName("date_this_reading").as_integer(),
                         aquery->FieldByName("qty_days").as_integer(), aquery->FieldByName("qty_units").as_int64()});
    }
    std::vector<trow> frows;
};

class DatamoduleCpSiteBillable : public tinvoice_page_test {};

TEST_F(DatamoduleCpSiteBillable, the_rows_of_each_reading_case) {
    using R = treading;
    struct tcase {
        const char* name;
        std::vector<R> readings;
        std::vector<trow> rows;
    };
    const tcase cases[] = {
        {"unbilled over billed on both meters",
         {{1, 1, 1200, true}, {1, 28, 1500, false}, {2, 3, 50000, true}, {2, 27, 50900, false}},
         {{2, 1, day(28), 27, 300}, {2, 2, day(27), 24, 900}}},
        {"a single unbilled water reading",
         {{1, 10, 1500, false}, {2, 3, 50000, true}, {2, 27, 50900, false}},
         {{1, 1, day(10), 0, 1500}, {2, 2, day(27), 24, 900}}},
        {"newest water reading billed: no row, and none for power", {{1, 1, 1200, false}, {1, 28, 1500, true}, {2, 3, 50000, true}, {2, 27, 50900, false}}, {}},
        {"both newest water readings unbilled", {{1, 1, 1200, false}, {1, 28, 1500, false}, {2, 3, 50000, true}, {2, 27, 50900, false}}, {}},
        {"power breaking the rule after a billable water meter",
         {{1, 1, 1200, true}, {1, 28, 1500, false}, {2, 27, 50900, true}},
         {{2, 1, day(28), 27, 300}}},
    };
    Tdatamodule_cp_site module(*fdatabase);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        set_readings(funit, c.readings);
        trows_handler handler;
        module.load_unit_billable_qtys(handler, 101, funit, nullptr);
        EXPECT_EQ(c.rows, handler.frows);
    }
    // Without readings both meters answer count1 0 (the other columns are not to be read).
    set_readings(funit, {});
    trows_handler handler;
    module.load_unit_billable_qtys(handler, 101, funit, nullptr);
    ASSERT_EQ(2u, handler.frows.size());
    EXPECT_EQ(0, handler.frows[0].count1);
    EXPECT_EQ(1, handler.frows[0].bill_type);
    EXPECT_EQ(0, handler.frows[1].count1);
    EXPECT_EQ(2, handler.frows[1].bill_type);
}

}  // namespace
