#include <gtest/gtest.h>

#include "controls/controls_registration.h"
#include "page_fixture.h"
#include "pages/page_controller.h"

namespace {
class tstartup_test : public istartup_state {
public:
    explicit tstartup_test(bool aloaded) : floaded(aloaded) {}
    bool settings_loaded() override { return floaded; }
    void open_database(int32_t adomain) override { fopened.push_back(adomain); }
    bool floaded;
    std::vector<int32_t> fopened;
};
}  // namespace

TEST(ProductPageController, FirstPageIsSetupWithoutSettingsElseTheMenuWithDomainZeroOpen) {
    struct tcase {
        const char* name;
        bool loaded;
        int16_t expected_page;
        std::vector<int32_t> expected_opened;
    };
    const tcase cases[] = {
        {"no settings file", false, 9, {}},
        {"settings loaded", true, 1, {0}},
    };
    register_controls_classes();
    tfake_platform platform;
    tplatform* previous = tplatform::set_instance(&platform);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tdatamodule_messages messages;
        tstartup_test startup(c.loaded);
        auto boxes = std::make_unique<tgraphboxes>();
        for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
            boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
        tpage_controller controller(std::move(boxes), messages, startup, [](tpage_controller_generic& acontroller) {
            acontroller.register_page(1, test_page_a());
            acontroller.register_page(9, test_page_c());
        });
        EXPECT_TRUE(controller.get_page_table().is_finished());
        controller.page_first(true);
        EXPECT_EQ(c.expected_page, controller.get_pageno());
        EXPECT_EQ(c.expected_opened, startup.fopened);
    }
    tplatform::set_instance(previous);
}
