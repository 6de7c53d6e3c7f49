#include <gtest/gtest.h>

#include <functional>

#include "controls/control_messages.h"
#include "controls/control_kinds.h"
#include "page_fixture.h"

using tstrings = std::vector<std::string>;

namespace {
tstrings operator+(tstrings a, const tstrings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

namespace {
std::vector<tparam_value> pair_values(std::u16string acaption, int64_t acount) {
    return {tparam_value{std::move(acaption)}, tparam_value{acount}};
}
}  // namespace

class PageController : public tpage_fixture {};

TEST_F(PageController, ParametersComeBackUnchangedAfterAPushAndAPop) {
    struct tcase {
        const char* name;
        std::u16string caption;
        int64_t count;
    };
    const tcase cases[] = {
        {"plain text", u"Smith & Sons", 12},
        {"accents, CJK and a surrogate pair", u"Grüße – 東京 \U0001F600", -5},
        {"empty string", u"", 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        fcontroller->page_enter(test_page_a(), pair_values(c.caption, c.count), true);
        EXPECT_EQ(c.caption, main_page().fcaption);
        fcontroller->page_enter(test_page_b(), pair_values(u"other", 1), false);
        EXPECT_TRUE(fcontroller->is_toppage(1));
        fcontroller->page_exit();
        ASSERT_EQ(1, fcontroller->get_pageno());
        EXPECT_EQ(c.caption, main_page().fcaption);
        EXPECT_EQ(c.count, main_page().fcount);
        // The record was released after once_created.
        EXPECT_EQ(nullptr, main_page().fparams);
    }
}

TEST_F(PageController, FewerValuesLeaveDefaultsAndUnsavedParametersComeBackAsDefaults) {
    fcontroller->page_enter(test_page_a(), std::vector<tparam_value>{tparam_value{std::u16string(u"x")}}, true);
    EXPECT_EQ(7, main_page().fcount);

    // Page C keeps nothing in save_params, so its id comes back as the declared -1.
    fcontroller->page_enter(test_page_c(), std::vector<tparam_value>{tparam_value{int64_t{42}}}, false);
    fcontroller->page_enter(test_page_b(), {}, false);
    fcontroller->page_exit();
    EXPECT_EQ((tstrings{"Thandlermodule_test_c once_created id 42", "Thandlermodule_test_c once_created id -1"}),
              events("Thandlermodule_test_c once_created"));
}

TEST_F(PageController, RefusedParametersRaiseAndLeaveTheControllerUsable) {
    fcontroller->page_enter(test_page_a(), pair_values(u"start", 1), true);
    struct tcase {
        const char* name;
        std::vector<tparam_value> values;
        const char* message;
    };
    const tcase cases[] = {
        {"three values into two parameters",
         {tparam_value{std::u16string(u"a")}, tparam_value{int64_t{1}}, tparam_value{true}},
         "Extra parameters in toperate_rtti_class.get_params_data();"},
        {"an integer into a string parameter",
         {tparam_value{int64_t{1}}},
         "Field [caption] type unicodestring not implemented in tparams_test_pair.push_params_data();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_VELMOR_ERROR(fcontroller->page_enter(test_page_b(), c.values, false), c.message);
        EXPECT_EQ(1, fcontroller->get_pageno());
        EXPECT_FALSE(fcontroller->is_locked());
        EXPECT_FALSE(fcontroller->is_toppage(1));
    }
    EXPECT_VELMOR_ERROR(fcontroller->page_enter(test_page_unregistered(), {}, false),
                        "Application request on unregistered handler class Thandlermodule_test_x in "
                        "tpage_controller_generic.get_pageno_handlerclass();");
    // Nothing was left on the entry stack: the next change works.
    fcontroller->page_enter(test_page_b(), pair_values(u"next", 2), false);
    EXPECT_EQ(2, fcontroller->get_pageno());
    EXPECT_TRUE(fcontroller->is_toppage(1));
}

TEST_F(PageController, UnknownPagesAndPagesWithoutARecordRaiseTheirMessages) {
    EXPECT_VELMOR_ERROR(fcontroller->page_enter(int16_t{9}, true),
                        "Page handler class not assigned in tpage_controller_generic.get_handlerclass_pageno();");
    EXPECT_FALSE(fcontroller->is_locked());

    fcontroller->page_enter(int16_t{4}, true);
    EXPECT_VELMOR_ERROR(fcontroller->page_enter(int16_t{1}, false),
                        "Thandlermodule_test_d.get_params_class() not implemented.");
    EXPECT_EQ(4, fcontroller->get_pageno());

    // Refused before anything moves: the page stays, and nothing was pushed beneath it.
    EXPECT_VELMOR_ERROR(fcontroller->page_enter(int16_t{9}, false),
                        "Page handler class not assigned in tpage_controller_generic.get_handlerclass_pageno();");
    EXPECT_EQ(4, fcontroller->get_pageno());
    ASSERT_NE(nullptr, fcontroller->get_handler_main());
    EXPECT_FALSE(fcontroller->is_locked());
    fcontroller->page_exit();
    EXPECT_TRUE(fplatform.fclosed);

    EXPECT_VELMOR_ERROR(fcontroller->register_page(5, test_page_a()),
                        "Page 5 registered after the page table was closed in tpage_table.register_page();");
}

TEST_F(PageController, ARecordTheStackCannotCarryLeavesThePageStackAsItWas) {
    fcontroller->page_enter(test_page_a(), pair_values(u"kept", 3), true);
    fcontroller->page_enter(int16_t{5}, false);
    EXPECT_VELMOR_ERROR(fcontroller->page_enter(int16_t{2}, false),
                        "Field [big] type int64 not implemented in tparams_test_bad.push_data();");
    EXPECT_EQ(5, fcontroller->get_pageno());
    fcontroller->page_exit();
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(u"kept", main_page().fcaption);
    EXPECT_EQ(3, main_page().fcount);
}

TEST_F(PageController, JumpThenExitReturnsPastTheJumpedFromPage) {
    fcontroller->page_enter(test_page_a(), pair_values(u"first", 1), true);
    fcontroller->page_enter(test_page_b(), pair_values(u"second", 2), false);
    fcontroller->page_enter(test_page_c(), {}, true);
    EXPECT_TRUE(fcontroller->is_toppage(1));
    EXPECT_TRUE(fcontroller->is_toppage(1));  // asking does not pop
    fcontroller->page_exit();
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(u"first", main_page().fcaption);
    EXPECT_FALSE(fplatform.fclosed);
    EXPECT_FALSE(fcontroller->is_toppage(1));
}

TEST_F(PageController, APageThatLeavesFromItsOwnKeyLivesUntilTheKeyHasReturned) {
    fcontroller->page_enter(int16_t{1}, true);
    // The page switches in its own key handling and then goes on using its own members, as the
    // menus and searches do; each way of leaving frees it only once the key has returned.
    const std::function<void()> leaves[] = {[&] { fcontroller->page_enter(int16_t{2}, false); },
                                            [&] { fcontroller->page_exit(); },
                                            [&] { fcontroller->page_enter(int16_t{2}, true); }};
    Thandlermodule_test::flog_freed = true;
    for (const auto& leave : leaves) {
        Thandlermodule_test::fon_key = [&](Thandlermodule_test& apage) {
            Thandlermodule_test::fon_key = nullptr;
            leave();
            apage.fcount = 42;
            log_event(std::string(apage.fname) + " after leaving " + std::to_string(apage.fcount));
        };
        const std::string name = main_page().fname;
        event_log().clear();
        fcontroller->handle_keydown(65, 0, false);
        EXPECT_EQ((tstrings{name + " keydown 65", name + " after leaving 42", name + " freed"}), events(name));
        EXPECT_NE(name, main_page().fname);
    }
}

TEST_F(PageController, ExitFromTheFirstPageClosesTheMainWindow) {
    fcontroller->page_enter(int16_t{1}, true);
    fcontroller->page_exit();
    EXPECT_TRUE(fplatform.fclosed);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(PageController, EnteringRunsTheLifeCycleAndOneResizePass) {
    surface(ht_footer).fvisible = false;
    fcontroller->page_enter(int16_t{1}, true);
    EXPECT_EQ((tstrings{"Thandlermodule_test_a bind_data", "Thandlermodule_test_a once_created",
                        "Thandlermodule_test_a resize"}),
              events("Thandlermodule_test_a"));
    // The main window took the size of the page's form.
    EXPECT_EQ((tsize{1090, 860}), fplatform.fclient);
    EXPECT_EQ(1, surface(ht_main).finvalidated);
}

TEST_F(PageController, AResizeDuringAPageChangeIsIgnored) {
    Thandlermodule_test::fresize_while_created = true;
    fcontroller->page_enter(int16_t{1}, true);
    // Only the resize pass after the change reached the page.
    EXPECT_EQ((tstrings{"Thandlermodule_test_a resize"}), events("Thandlermodule_test_a resize"));
    fcontroller->handle_resize(ht_main, true);
    EXPECT_EQ(2u, events("Thandlermodule_test_a resize").size());
}

TEST_F(PageController, KeysGoToTheOverlayWhileOneIsOpen) {
    fcontroller->page_enter(int16_t{1}, true);
    main_page().set_focused_tag(101, true);
    event_log().clear();

    fcontroller->run_ontop(std::make_unique<Thandlermodule_test_ontop>(fcontroller.get(), ho_dialog, 9102));
    EXPECT_TRUE(surface(ht_ontop).fvisible);
    EXPECT_EQ((trect{564, 6, 764, 100}), surface(ht_ontop).fbounds);
    fcontroller->handle_keydown(65, 0, false);
    fcontroller->handle_keydown(13, 0, false);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    EXPECT_FALSE(surface(ht_ontop).fvisible);
    fcontroller->handle_keydown(66, 0, false);
    const tstrings expected{"ontop keydown 65",
                            "ontop keydown 13",
                            "Thandlermodule_test_a message 1107 tag 9102 result 1",
                            "ontop closed itself, result 1",
                            "Thandlermodule_test_a keydown 66",
                            "Thandlermodule_test_a key 66 down to 101"};
    EXPECT_EQ(expected, event_log());
}

TEST_F(PageController, AnOverlayOfTheSameSizeStillGetsItsLayout) {
    fcontroller->page_enter(int16_t{1}, true);
    fcontroller->run_ontop(std::make_unique<Thandlermodule_test_ontop>(fcontroller.get(), ho_dialog, 9102));
    EXPECT_EQ(0, surface(ht_ontop).fposted_resizes);
    fcontroller->close_ontop();
    fcontroller->run_ontop(std::make_unique<Thandlermodule_test_ontop>(fcontroller.get(), ho_dialog, 9102));
    EXPECT_EQ(1, surface(ht_ontop).fposted_resizes);
}

TEST_F(PageController, EachRunOfTheQueueRunsExactlyOneJobAndReleasesTheLockOnError) {
    fcontroller->page_enter(int16_t{1}, true);
    event_log().clear();
    fmessages.add_message(501, jt_draw_control, ht_main, 101);
    fmessages.add_message(301, jt_run_task, ht_main, 666);
    fmessages.add_message(401, jt_erase_panel, ht_main, 2101, 1);

    EXPECT_VELMOR_ERROR(fcontroller->run_next_queued_message(), "Task 666 failed");
    EXPECT_TRUE(fmessages.has_messages_available());
    EXPECT_EQ(1u, event_log().size());
    EXPECT_TRUE(fcontroller->run_next_queued_message());
    EXPECT_TRUE(fcontroller->run_next_queued_message());
    EXPECT_FALSE(fcontroller->run_next_queued_message());
    EXPECT_EQ((tstrings{"Thandlermodule_test_a task 666 param 0", "Thandlermodule_test_a draw 101"}), event_log());
    // The erase filled the panel, moved out by one pixel at the right and bottom.
    EXPECT_EQ("fill_rect 0 0 301 201", surface(ht_main).fcanvas.lines().back());
}

TEST_F(PageController, JobsOfAReplacedPageNeverReachTheNextPage) {
    fcontroller->page_enter(int16_t{1}, true);
    fmessages.add_message(301, jt_run_task, ht_main, 101);
    fmessages.add_message(501, jt_draw_control, ht_main, 103);
    fcontroller->page_enter(test_page_b(), {}, false);
    event_log().clear();
    while (fcontroller->run_next_queued_message()) {
    }
    EXPECT_EQ(tstrings{}, event_log());

    // The new page's own jobs run.
    fmessages.add_message(301, jt_run_task, ht_main, 101);
    fcontroller->run_next_queued_message();
    fcontroller->run_next_queued_message();
    EXPECT_EQ((tstrings{"Thandlermodule_test_b task 101 param 0"}), event_log());
}

TEST_F(PageController, QueuedJobsForOtherSlotsAndBadSlotsAreRefused) {
    tmsg_queued msg;
    msg.fhandler = ht_ontop;
    EXPECT_VELMOR_ERROR(fcontroller->run_queued_message(msg),
                        "Unsupported handler [3] in tpage_controller_generic.run_queued_message();");
    EXPECT_VELMOR_ERROR(fcontroller->handle_paint(7), "tpage_controller_generic.get_handler( 7 ) not supported");
    // An empty slot takes events without complaint.
    fcontroller->handle_paint(ht_ontop);
    msg.fhandler = ht_main;
    fcontroller->run_queued_message(msg);
}

TEST_F(PageController, ScreenParametersReachTheHeaderAndFooterWithoutDrawing) {
    tscreen_params params;
    params.ffooter_visible = true;
    params.ffooter_buttons_invisible = 2 | 256;
    params.ffooter_buttons_enabled = 4;
    params.fheader_visible = true;
    params.fheader_caption = u"Accounts";
    params.fheader_caption_width = 300;
    params.fheader_buttons_visible = 0b0101;   // menu and minus
    params.fheader_buttons_disabled = 0b0100;  // minus
    Thandlermodule_test::fnext_screen_params = &params;
    surface(ht_footer).fvisible = false;
    fcontroller->page_enter(int16_t{1}, true);

    const tstrings expected{"footer default captions",
                            "footer invisible 258",
                            "footer enabled 4",
                            "header 1 = 300",
                            "header 0 = Accounts",
                            "header 2 = true",
                            "header 3 = true",
                            "header 4 = false",
                            "header 8 = true",
                            "header 9 = false",
                            "header 10 = true",
                            "header 5 = false",
                            "header 6 = true",
                            "header 7 = false"};
    tstrings settings;
    for (const std::string& line : events("footer ") + events("header "))
        if (line.find("resize") == std::string::npos) settings.push_back(line);
    EXPECT_EQ(expected, settings);
    EXPECT_TRUE(surface(ht_footer).fvisible);
    EXPECT_TRUE(surface(ht_header).fvisible);
    // Both visible strips took part in the resize pass, without drawing.
    EXPECT_EQ((tstrings{"header resize skip_draw", "footer resize skip_draw"}), events("header resize") + events("footer resize"));
}

TEST_F(PageController, TheHeaderIsRedrawnAndRelaidOnlyWhenItStaysAndTheWindowKeepsItsSize) {
    tscreen_params params;
    params.fheader_visible = true;
    params.fheader_caption_width = 300;
    Thandlermodule_test::fnext_screen_params = &params;
    fcontroller->page_enter(int16_t{1}, true);  // the window took the form's size
    EXPECT_EQ(0, surface(ht_header).finvalidated);

    params.fheader_caption_width = 250;
    fcontroller->page_enter(int16_t{2}, true);  // same size, new caption width
    EXPECT_EQ(1, surface(ht_header).finvalidated);
    EXPECT_EQ((tstrings{"header layout 770x589"}), events("header layout"));

    fcontroller->page_enter(int16_t{1}, true);  // same width: redrawn, not laid out
    EXPECT_EQ(2, surface(ht_header).finvalidated);
    EXPECT_EQ(1u, events("header layout").size());

    Thandlermodule_test::fnext_screen_params = nullptr;
    fcontroller->page_enter(int16_t{2}, true);
    EXPECT_FALSE(surface(ht_header).fvisible);
    EXPECT_FALSE(surface(ht_footer).fvisible);
}

TEST_F(PageController, ClosingADropDownUpdatesItsComboBoxOnlyWhenTheChoiceChanged) {
    struct tcase {
        const char* name;
        int32_t result;
        int32_t expected_index;
        tstrings expected;
    };
    const tcase cases[] = {
        {"cancelled", -1, 1,
         {"Thandlermodule_test_a draw 301", "Thandlermodule_test_a message 1107 tag 301 result -1"}},
        {"same item", 1, 1,
         {"Thandlermodule_test_a draw 301", "Thandlermodule_test_a message 1107 tag 301 result 1"}},
        {"new item", 3, 3,
         {"Thandlermodule_test_a draw 301", "Thandlermodule_test_a message 1109 tag 301",
          "Thandlermodule_test_a message 1107 tag 301 result 3"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        fcontroller->page_enter(int16_t{1}, true);
        auto combobox = std::make_unique<tvelmor_combobox>(&main_page());
        combobox->tag = 301;
        combobox->item_index = 1;
        tvelmor_combobox& box = *combobox;
        main_page().container().fcontrols.push_back(std::move(combobox));

        fcontroller->run_ontop(std::make_unique<Thandlermodule_test_ontop>(fcontroller.get(), ho_combobox, 301));
        fcontroller->get_handler_ontop()->fmodalresult = c.result;
        event_log().clear();
        fcontroller->close_ontop();
        EXPECT_EQ(c.expected_index, box.item_index);
        EXPECT_EQ(c.expected, event_log());
    }
}

namespace {
// A controller whose page menu is the test overlay.
class tpage_controller_menu : public tpage_controller_generic {
public:
    using tpage_controller_generic::tpage_controller_generic;

protected:
    std::unique_ptr<Thandlermodule_ontop> create_menu(tvelmor_miscobject*) override {
        return std::make_unique<Thandlermodule_test_ontop>(this, ho_menu, 9201);
    }
};
}  // namespace

TEST_F(PageController, ThePageMenuOpensOnlyOnPagesWithMenuItemsAndPushesTheHeaderButton) {
    auto boxes = std::make_unique<tgraphboxes>();
    for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
        boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
    tpage_controller_menu controller(std::move(boxes), fmessages, &test_header(), &test_footer());
    controller.register_page(1, test_page_a());
    controller.page_enter(int16_t{1}, true);

    controller.run_menu(true);
    EXPECT_EQ(nullptr, controller.get_handler_ontop());

    controller.get_handler_main()->fcontrols->set_menuitems(301);
    event_log().clear();
    controller.run_menu(true);
    ASSERT_NE(nullptr, controller.get_handler_ontop());
    controller.handle_keydown(27, 0, false);
    EXPECT_EQ(nullptr, controller.get_handler_ontop());
    const tstrings expected{"header 4 = true drawn", "ontop keydown 27", "header 4 = false drawn",
                            "Thandlermodule_test_a message 1107 tag 9201 result 2", "ontop closed itself, result 2"};
    EXPECT_EQ(expected, event_log());
}

TEST(SurfaceAdapters, ASlotIsFilledOnlyOnce) {
    tgraphboxes boxes;
    boxes.add(ht_footer, std::make_unique<tfake_surface>(103));
    EXPECT_VELMOR_ERROR(boxes.add(ht_footer, std::make_unique<tfake_surface>(103)),
                        "Illegal add to assigned graphbox in tgraphboxes.add();");
    EXPECT_EQ(nullptr, boxes.get_graphbox(ht_header));
}
