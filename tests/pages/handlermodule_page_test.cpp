#include <gtest/gtest.h>

#include <sstream>

#include "controls/grid_controls.h"
#include "controls/miscobject.h"
#include "expect_error.h"
#include "page_fixture.h"

using tstrings = std::vector<std::string>;

class HandlerModule : public tpage_fixture {
protected:
    void SetUp() override {
        tpage_fixture::SetUp();
        fcontroller->page_enter(int16_t{1}, true);
        event_log().clear();
    }
    // The draws waiting in the queue, in order.
    std::vector<int32_t> queued_draws() {
        std::vector<int32_t> tags;
        while (fmessages.has_messages_available()) {
            tmessage_lock_scope lock(fmessages);
            tmsg_queued msg;
            if (fmessages.pull_next_message(msg)) {
                EXPECT_EQ(jt_draw_control, msg.fjob);
                EXPECT_EQ(ht_main, msg.fhandler);
                tags.push_back(msg.ftag);
            }
        }
        return tags;
    }
    bool focused(int32_t atag) {
        return static_cast<tvelmor_control_focusable*>(main_page().fcontrols->get_control(atag))->is_focused;
    }
};

TEST_F(HandlerModule, MovingTheFocusAsksThePageAndQueuesDrawsOfBothControls) {
    Thandlermodule_test& page = main_page();
    page.set_focused_tag(101, false);
    page.set_focused_tag(102, false);
    EXPECT_EQ(102, page.ffocused_tag);
    EXPECT_FALSE(focused(101));
    EXPECT_TRUE(focused(102));
    EXPECT_EQ((std::vector<int32_t>{101, 102}), queued_draws());
    EXPECT_EQ((tstrings{"Thandlermodule_test_a message 1108 tag 101", "Thandlermodule_test_a message 1108 tag 102"}),
              event_log());

    // The same tag again: no question, no draw.
    page.set_focused_tag(102, false);
    EXPECT_EQ(2u, event_log().size());
    EXPECT_FALSE(fmessages.has_messages_available());
}

TEST_F(HandlerModule, AVetoKeepsTheFocusAndQueuesNothing) {
    Thandlermodule_test& page = main_page();
    page.set_focused_tag(101, true);
    page.fveto_tag = 103;
    page.set_focused_tag(103, false);
    EXPECT_EQ(101, page.ffocused_tag);
    EXPECT_TRUE(focused(101));
    EXPECT_FALSE(focused(103));
    EXPECT_EQ(0, fmessages.get_pending_count());
}

TEST_F(HandlerModule, FocusToTagZeroRemovesItAndSkipDrawQueuesNothing) {
    Thandlermodule_test& page = main_page();
    page.set_focused_tag(101, true);
    EXPECT_EQ(0, fmessages.get_pending_count());
    page.set_focused_tag(0, false);
    EXPECT_EQ(0, page.ffocused_tag);
    EXPECT_FALSE(focused(101));
    EXPECT_EQ((std::vector<int32_t>{101}), queued_draws());
}

TEST_F(HandlerModule, FocusCommandsMoveAlongTheFocusOrder) {
    struct tcase {
        const char* name;
        int32_t from;
        thandler_command command;
        int32_t expected;
    };
    const tcase cases[] = {
        {"next", 101, cn_focus_next, 102},
        {"next from the last wraps", 201, cn_focus_next, 101},
        {"prior", 102, cn_focus_prior, 101},
        {"prior from the first stays", 101, cn_focus_prior, 101},
        {"next panel", 102, cn_focus_next_panel, 201},
        {"off moves on", 102, cn_focus_off, 103},
        {"off from the last leaves none", 201, cn_focus_off, 0},
        {"next without focus does nothing", 0, cn_focus_next, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Thandlermodule_test& page = main_page();
        page.set_focused_tag(c.from, true);
        page.execute_command2(c.command);
        EXPECT_EQ(c.expected, page.ffocused_tag);
    }
    EXPECT_VELMOR_ERROR(main_page().execute_command(nullptr, cn_focus_off),
                        "Thandlermodule_test_a.execute_command( cn_focus_off ); not implemented.");
}

TEST_F(HandlerModule, KeysReachTheFocusedControlOnly) {
    Thandlermodule_test& page = main_page();
    EXPECT_FALSE(fcontroller->handle_keydown(40, 0, false));
    page.set_focused_tag(102, true);
    EXPECT_TRUE(fcontroller->handle_keydown(40, 0, true));
    EXPECT_EQ((tstrings{"Thandlermodule_test_a keydown 40", "Thandlermodule_test_a message 1108 tag 102",
                        "Thandlermodule_test_a keydown 40", "Thandlermodule_test_a key 40 up to 102"}),
              event_log());
}

TEST_F(HandlerModule, ViewportHelpersAdjustTheRectangleByTheDeflateFlags) {
    // Control 101's viewport is (10, 20, 110, 40).
    struct tcase {
        const char* name;
        int32_t deflate;
        trect expected;
    };
    const tcase cases[] = {
        {"amount 0 ignores the flags", 0xFF00, {10, 20, 110, 40}},
        {"all edges inward by 2", 0x0F02, {12, 22, 108, 38}},
        {"all edges outward by 3", 0xF003, {7, 17, 113, 43}},
        {"left in, bottom out by 1", 0x8101, {11, 20, 110, 41}},
    };
    tfake_surface& main = surface(ht_main);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        main.finvalidated_rects.clear();
        main.fcanvas.clear();
        main_page().invalidate_viewport(101, c.deflate);
        ASSERT_EQ(1u, main.finvalidated_rects.size());
        EXPECT_EQ(c.expected, main.finvalidated_rects[0]);
        main_page().erase_viewport(101, c.deflate);
        std::ostringstream fill;
        fill << "fill_rect " << c.expected.left << ' ' << c.expected.top << ' ' << c.expected.right + 1 << ' '
             << c.expected.bottom + 1;
        EXPECT_EQ(fill.str(), main.fcanvas.lines().back());
    }
}

TEST_F(HandlerModule, ErasePanelMovesTheEdgesByItsParameter) {
    // Panel 2101 is (0, 0, 300, 200).
    struct tcase {
        const char* name;
        int32_t param;
        const char* fill;
    };
    const tcase cases[] = {
        {"0 moves the left edge in", 0, "fill_rect 1 0 300 200"},
        {"1 moves right and bottom out", 1, "fill_rect 0 0 301 201"},
        {"2 fills the panel exactly", 2, "fill_rect 0 0 300 200"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        main_page().erase_panel(2101, c.param);
        const auto& lines = surface(ht_main).fcanvas.lines();
        EXPECT_EQ(c.fill, lines.back());
        EXPECT_EQ("brush_color 13160660", lines[lines.size() - 2]);
    }
}

TEST(HandlerModuleBase, OperationsAPageMustOverrideRaiseNamingTheClass) {
    class Thandlermodule_bare : public Thandlermodule_generic {
    public:
        const char* class_name() const override { return "Thandlermodule_bare"; }
    } bare;
    EXPECT_VELMOR_ERROR(bare.handle_paint(), "Thandlermodule_bare.handle_paint(); not implemented.");
    EXPECT_VELMOR_ERROR(bare.handle_mousemove(0, 1, 1), "Thandlermodule_bare.handle_mousemove(); not implemented");
    EXPECT_VELMOR_ERROR(bare.run_task(1, 0), "Thandlermodule_bare.run_task(); not implemented");
    EXPECT_VELMOR_ERROR(bare.finish_adds(1), "Thandlermodule_bare.finish_adds(); not implemented.");
    EXPECT_FALSE(bare.handle_keydown(13, 0, false));
    EXPECT_FALSE(bare.callback_message2(101, 1103));

    Thandlermodule_page page(nullptr, ht_main, nullptr);
    EXPECT_VELMOR_ERROR(page.show_debug101(), "Thandlermodule_page.show_debug101(); not implemented.");
    EXPECT_VELMOR_ERROR(page.run_task(1, 0), "Thandlermodule_page.run_task(); not implemented");
}

namespace {
class tmiscobject_test_render : public tmiscobject_render {
public:
    tmiscobject_test_render() : tmiscobject_render(nullptr, 501, am_gridcolumns) {}
    void control_paint(int32_t&, tcanvas&, tvelmor_control*, tvelmor_theme*, const std::u16string& atext,
                       const trect&, int32_t arow, int32_t acol) override {
        log_event("paint " + std::to_string(arow) + "," + std::to_string(acol) + " '" + utf16_to_utf8(atext) + "'");
    }
};

// Cell texts "r<row>c<col>"; row 9 has none.
class tmiscobject_test_source : public tvelmor_miscobject {
public:
    tmiscobject_test_source() : tvelmor_miscobject(nullptr, 502, am_listrows) {}
    bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) override {
        if (arow == 9) return false;
        atext = utf8_to_utf16("r" + std::to_string(arow) + "c" + std::to_string(acol));
        return true;
    }
};
}  // namespace

TEST_F(HandlerModule, DefaultCellPaintingTakesTheTextFromTheGridsSource) {
    tmiscobject_test_render render;
    tmiscobject_test_source source;
    main_page().container().fmiscobjects = {{501, &render}, {502, &source}};
    struct tcase {
        const char* name;
        int32_t header, header2;
        bool transpose;
        int32_t row, col;
        tstrings expected;
    };
    const tcase cases[] = {
        {"text of the cell", 501, 502, false, 2, 1, {"paint 2,1 'r2c1'"}},
        {"transposed grid exchanges row and column", 501, 502, true, 2, 1, {"paint 2,1 'r1c2'"}},
        {"no text available paints nothing", 501, 502, false, 9, 0, {}},
        {"without a text source the cell has no text", 501, 0, false, 3, 0, {"paint 3,0 ''"}},
        {"without a header nothing is painted", 0, 502, false, 1, 1, {}},
        {"a header that does not paint is ignored", 502, 502, false, 1, 1, {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_grid grid(&main_page());
        grid.header = c.header;
        grid.header2 = c.header2;
        grid.transpose = c.transpose;
        event_log().clear();
        main_page().control_paint_default(&grid, nullptr, trect{0, 0, 50, 20}, c.row, c.col);
        EXPECT_EQ(c.expected, event_log());
    }
    tvelmor_control_focusable edit(&main_page(), ac_edit);
    EXPECT_VELMOR_ERROR(main_page().control_paint_default(&edit, nullptr, trect{}, 0, 0),
                        "Thandlermodule_test_a.control_paint_default( ac_edit ) not implmented.");
}

TEST_F(HandlerModule, AnInvisibleControlIsErasedOnlyWhenAskedTo) {
    auto& control = *main_page().fcontrols->get_control(102);
    control.visible = false;
    tfake_surface& main = surface(ht_main);
    main.fcanvas.clear();
    main_page().draw_control(102, false);
    EXPECT_TRUE(main.fcanvas.lines().empty());
    main_page().draw_control(102, true);
    EXPECT_EQ("fill_rect 10 20 111 41", main.fcanvas.lines().back());
    control.visible = true;
    main_page().draw_control(102, true);
    EXPECT_EQ((tstrings{"Thandlermodule_test_a draw 102"}), event_log());
}

// A page on the fake container that logs its first-layout hook, to see when the base calls it.
class Thandlermodule_laid_out : public Thandlermodule_page {
public:
    explicit Thandlermodule_laid_out(tgraphbox_generic* agraphbox)
        : Thandlermodule_page(nullptr, ht_main, agraphbox, std::make_unique<tfake_container>()) {
        static_cast<tfake_container&>(*fcontrols).fname = "laid_out";
    }

protected:
    void once_laid_out() override {
        log_event(std::string("once_laid_out, laid out ") + (is_laid_out() ? "yes" : "no"));
    }
};

TEST_F(HandlerModule, TheFirstLayoutAloneCallsTheHookBetweenLayoutAndPaint) {
    Thandlermodule_laid_out page(main_page().fgraphbox);
    EXPECT_FALSE(page.is_laid_out());
    page.handle_resize(false);
    page.handle_resize(true);
    page.handle_resize(false);
    const std::string layout = event_log().front();
    EXPECT_EQ((tstrings{layout, "once_laid_out, laid out yes", "laid_out paint", layout, layout, "laid_out paint"}),
              event_log());
}

TEST_F(HandlerModule, AControlByTagIsOfTheKindAskedForOrTheLookupSaysWhatIsWrong) {
    Thandlermodule_test& page = main_page();
    EXPECT_EQ(page.fcontrols->get_control(101), &page.control<tvelmor_control_focusable>(101));
    EXPECT_EQ(page.fcontrols->get_control(102), page.find_control<tvelmor_control>(102));
    EXPECT_EQ(nullptr, page.find_control<tvelmor_grid>(999));
    const std::string in_page = std::string(" in ") + page.class_name() + ".control();";
    EXPECT_VELMOR_ERROR(page.control<tvelmor_grid>(999), ("Control 999 (tvelmor_grid) not found" + in_page).c_str());
    // Another kind under the tag is a fault of the form, missing or not.
    const std::string wrong_kind = "Control 101 is a tvelmor_control_focusable, not a tvelmor_grid," + in_page;
    EXPECT_VELMOR_ERROR(page.control<tvelmor_grid>(101), wrong_kind.c_str());
    EXPECT_VELMOR_ERROR(page.find_control<tvelmor_grid>(101), wrong_kind.c_str());
}
