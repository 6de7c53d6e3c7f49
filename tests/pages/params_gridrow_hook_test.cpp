// Pages entered with a grid-row record start on that row of their grid 201.
#include <gtest/gtest.h>

#include <string>

#include "controls/grid_controls.h"
#include "page_fixture.h"
#include "pages/graphboxes.h"
#include "pages/params_gridrow_hook.h"

namespace {

// A menu-like page over the product's container: it remembers its grid's row in its record as
// the menu pages do. Its grid has no theme, so it is not painted (the test looks at the cursor).
class Thandlermodule_test_menu : public Thandlermodule_page {
public:
    Thandlermodule_test_menu(tpage_controller_generic* aowner, thandler_type ahandler_type, tgraphbox_generic* agraphbox)
        : Thandlermodule_page(aowner, ahandler_type, agraphbox) {}
    const char* class_name() const override { return "Thandlermodule_test_menu"; }
    void handle_paint() override {}
    void save_params(tparams_generic& aparams) override {
        if (auto* grid = dynamic_cast<tvelmor_customgrid*>(fcontrols->get_control(201)))
            static_cast<tparams_gridrow&>(aparams).frow_start = grid->row;
    }
};

// A page of two panels whose second panel holds control 201 of class aclass.
std::string two_panel_form(const std::string& aname, const std::string& aclass, const std::string& aproperty = "") {
    return "object " + aname + R"(: Tform_page2
  ClientWidth = 1090
  ClientHeight = 860
  object p1: tdfmelement_panel
    Tag = 2101
    visible = True
  end
  object p2: tdfmelement_panel
    Tag = 2102
    parent = p1
    visible = True
    object c201: )" + aclass + R"(
      Tag = 201
      )" + aproperty + R"(
    end
  end
end
)";
}

const std::string menu_text = two_panel_form("form_menu", "tdfmelement_grid", "rowcount = 12");
const Tform_page2 form_menu("Tform_page_test_menu", menu_text);
// The same record on a page whose control 201 is a label.
const std::string no_grid_text = two_panel_form("form_no_grid", "tdfmelement_label");
const Tform_page2 form_no_grid("Tform_page_test_no_grid", no_grid_text);

const thandler_class& test_menu() {
    static const thandler_class c("Thandlermodule_test_menu", &handler_factory_of<Thandlermodule_test_menu>, &form_menu,
                                  &tparams_gridrow::static_class());
    return c;
}

const thandler_class& test_no_grid() {
    static const thandler_class c("Thandlermodule_test_no_grid", &handler_factory_of<Thandlermodule_test_menu>,
                                  &form_no_grid, &tparams_gridrow::static_class());
    return c;
}

// The page fixture's controller, with the two pages above as pages 1 and 2 and test page A as 3.
class ParamsGridrowHook : public tpage_fixture {
protected:
    void SetUp() override {
        tpage_fixture::SetUp();
        fsaved_hook = tparams_gridrow::fon_after_once_created;
        install_params_gridrow_hook();
        fcontroller.reset();
        auto boxes = std::make_unique<tgraphboxes>();
        for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
            boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
        fcontroller = std::make_unique<tpage_controller_generic>(std::move(boxes), fmessages, &test_header(),
                                                                 &test_footer());
        fcontroller->register_page(1, test_menu());
        fcontroller->register_page(2, test_no_grid());
        fcontroller->register_page(3, test_page_a());
        fcontroller->register_pages_finish();
    }
    void TearDown() override {
        tparams_gridrow::fon_after_once_created = fsaved_hook;
        tpage_fixture::TearDown();
    }
    tvelmor_control* page_control(int32_t atag) { return fcontroller->get_handler_main()->get_controls()->get_control(atag); }
    tvelmor_customgrid& grid() { return dynamic_cast<tvelmor_customgrid&>(*page_control(201)); }

    tparams_hook fsaved_hook = nullptr;
};

}  // namespace

TEST_F(ParamsGridrowHook, APageStartsOnTheRowItsRecordNames) {
    struct tcase {
        const char* name;
        int64_t row_start;
        int32_t row;
    };
    const tcase cases[] = {
        {"a row of the grid", 7, 7},
        {"the last row", 11, 11},
        {"a row past the grid's rows", 12, 0},
        {"a negative row", -1, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<tparam_value> values{tparam_value{c.row_start}};
        fcontroller->page_enter(test_menu(), values, true);
        EXPECT_EQ(c.row, grid().row);
        // Before the first layout no row is shown: the first row shown stays.
        EXPECT_EQ(0, grid().row_top);
    }
}

TEST_F(ParamsGridrowHook, ComingBackToAMenuPagePutsItsGridOnTheRowItWasLeftOn) {
    fcontroller->page_enter(test_menu(), std::vector<tparam_value>{tparam_value{int64_t{4}}}, true);
    fcontroller->page_enter(test_page_a(), {}, false);
    fcontroller->page_exit();
    ASSERT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(4, grid().row);
}

TEST_F(ParamsGridrowHook, APageWithoutAGrid201IsLeftAlone) {
    fcontroller->page_enter(test_no_grid(), std::vector<tparam_value>{tparam_value{int64_t{4}}}, true);
    EXPECT_EQ(ac_label, page_control(201)->id);
}
