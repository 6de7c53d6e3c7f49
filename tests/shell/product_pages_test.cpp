// The program's own page registration, entered page by page: a page whose form class or handler
// was left out of the registration fails here, not when a user first opens it. A few pages'
// drawings are held against recorded dumps in tests/data/expected/; VELMOR_REWRITE_EXPECTED=1
// rewrites them (check the difference before committing it).
#include "shell/product_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <span>
#include <sstream>
#include <string>

#include "pages/handler_class.h"
#include "pages/page_table.h"
#include "support/accounts_fixture.h"

namespace {

class ProductPages : public taccounts_page_test {
protected:
    // The main page's drawing and the grid cells it painted, once the queued jobs have run.
    std::string drawing() {
        run_queue();
        std::ostringstream out;
        out << surface(ht_main).fcanvas.text();
        for (const tpainted_cell& c : fgrid_renderer.fcells)
            out << "cell " << c.row << "," << c.col << " font " << c.font << " '" << c.text << "'\n";
        return out.str();
    }
    void clear_drawing() {
        surface(ht_main).fcanvas.clear();
        fgrid_renderer.fcells.clear();
    }
};

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// Pages whose parameter defaults name no record are given the demo data's first one, as the
// script driver's enter-page N ID does: the invoice template editor and the unit invoice.
TEST_F(ProductPages, EveryRegisteredPageIsEnteredWithItsParameterDefaults) {
    const std::map<int16_t, int64_t> first_record = {{29, 1}, {32, 1}};
    start_registered(register_product_pages);
    const tpage_table& table = fcontroller->get_page_table();
    int entered = 0;
    for (int16_t pageno = 0; pageno < 1000; ++pageno) {
        const thandler_class* page = table.find(pageno);
        if (!page) continue;
        SCOPED_TRACE("page " + std::to_string(pageno) + " " + page->name());
        fplatform.flast_message.clear();
        try {
            clear_drawing();
            const auto record = first_record.find(pageno);
            const tparam_value id[] = {record == first_record.end() ? int64_t{0} : record->second};
            fcontroller->page_enter(*page, std::span<const tparam_value>(id, record == first_record.end() ? 0 : 1),
                                    true);
            EXPECT_NE("", drawing());
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        ASSERT_NE(nullptr, fcontroller->get_handler_main());
        EXPECT_STREQ(page->name(), fcontroller->get_handler_main()->class_name());
        EXPECT_EQ(u"", fplatform.flast_message);
        ++entered;
    }
    EXPECT_GE(entered, 30);
}

// Pages whose drawing depends on nothing but the shipped demo data.
TEST_F(ProductPages, PagesDrawAsRecorded) {
    const struct tcase {
        int16_t pageno;
        const char* name;
    } cases[] = {{1, "menu_accounts"}, {2, "search_customer"}, {7, "menu_maintenance"}, {30, "list_billitem"}};
    const bool rewrite = std::getenv("VELMOR_REWRITE_EXPECTED") != nullptr;
    start_registered(register_product_pages);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        clear_drawing();
        const thandler_class* page = fcontroller->get_page_table().find(c.pageno);
        ASSERT_NE(nullptr, page);
        fcontroller->page_enter(*page, {}, true);
        const std::string path = std::string(VELMOR_TEST_DATA) + "/expected/" + c.name + ".txt";
        const std::string actual = drawing();
        if (rewrite) std::ofstream(path, std::ios::binary) << actual;
        EXPECT_EQ(read_file(path), actual) << "rewrite with VELMOR_REWRITE_EXPECTED=1 when the change is meant";
    }
}
