#include <gtest/gtest.h>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_registration.h"
#include "page_fixture.h"
#include "pages/handlermodule_footer.h"
#include "pages/handlermodule_header.h"

// Rectangles print as their four edges.
[[maybe_unused]] static void PrintTo(const trect& arect, std::ostream* aout) {
    *aout << "(" << arect.left << ", " << arect.top << ", " << arect.right << ", " << arect.bottom << ")";
}

namespace {

using tstrings = std::vector<std::string>;

// Two pages read from real forms: "customers" renames F2 and shows every header button;
// "sites" hides F2 and F9 and shows only the menu and plus buttons.
const Tform_page2 form_customers("Tform_page_test_customers", R"(
object form_customers: Tform_page2
  ClientWidth = 1090
  ClientHeight = 860
  object panel_root: tdfmelement_panel
    Tag = 2101
    visible = True
    object label_name: tdfmelement_label
      Tag = 101
      tag_theme = 901
      caption = 'Name'
    end
  end
  object viewport_root: tdfmelement_viewport
    Tag = 2101
    tag_control_first = 101
    object align_name: tdfmelement_align
      align = alTop
      dimension = 24
    end
  end
  object themes: tdfmelement_themes
    object theme_label: tdfmelement_theme_label
      tag_theme = 901
      font = 'tahoma;10'
      color = 13160660
    end
  end
  object miscobjects: tdfmelement_miscobjects
    object screen: tdfmelement_miscobject_screenparams
      Tag = 101
      footer_visible = True
      footer_buttons_enabled = 326
      header_visible = True
      header_caption = 'Customers'
      header_caption_width = 300
      header_buttons_visible = 15
      footer_buttons = <
        item
          footer_button = fb_f2
          caption = 'Post'
        end>
    end
  end
end
)");

const Tform_page2 form_sites("Tform_page_test_sites", R"(
object form_sites: Tform_page2
  ClientWidth = 1090
  ClientHeight = 860
  object miscobjects: tdfmelement_miscobjects
    object screen: tdfmelement_miscobject_screenparams
      Tag = 101
      footer_visible = True
      footer_buttons_invisible = 258
      footer_buttons_enabled = 68
      header_visible = True
      header_caption = 'Sites'
      header_buttons_visible = 3
    end
  end
end
)");

const thandler_class& page_customers() {
    static const thandler_class c("Thandlermodule_customers", &handler_factory_of<Thandlermodule_page>,
                                  &form_customers, &tparams_null::static_class());
    return c;
}

const thandler_class& page_sites() {
    static const thandler_class c("Thandlermodule_sites", &handler_factory_of<Thandlermodule_page>, &form_sites,
                                  &tparams_null::static_class());
    return c;
}

// The controller with the real header and footer; its page menu only logs that it was asked for.
class tmenu_logging_controller : public tpage_controller_generic {
public:
    using tpage_controller_generic::tpage_controller_generic;

protected:
    std::unique_ptr<Thandlermodule_ontop> create_menu(tvelmor_miscobject*) override {
        log_event("menu opened");
        return nullptr;
    }
};

class HeaderFooter : public ::testing::Test {
protected:
    void SetUp() override {
        register_controls_classes();
        register_renderers();
        event_log().clear();
        Thandlermodule_test::fnext_screen_params = nullptr;
        fprevious_platform = tplatform::set_instance(&fplatform);
        auto boxes = std::make_unique<tgraphboxes>();
        for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
            boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
        fheader_box = static_cast<tfake_surface*>(boxes->get_graphbox(ht_header));
        ffooter_box = static_cast<tfake_surface*>(boxes->get_graphbox(ht_footer));
        fheader_box->fbounds = {0, 0, 1090, 54};
        ffooter_box->fbounds = {0, 0, 1090, 67};
        fcontroller = std::make_unique<tmenu_logging_controller>(std::move(boxes), fmessages, &header_handler_class(),
                                                                 &footer_handler_class());
        fcontroller->register_page(1, page_customers());
        fcontroller->register_page(2, page_sites());
        fcontroller->register_page(3, test_page_a());
        fcontroller->register_pages_finish();
    }
    void TearDown() override {
        fcontroller.reset();
        tplatform::set_instance(fprevious_platform);
    }

    Thandlermodule_header& header() { return static_cast<Thandlermodule_header&>(*fcontroller->get_handler_header()); }
    Thandlermodule_footer& footer() { return static_cast<Thandlermodule_footer&>(*fcontroller->get_handler_footer()); }
    trect header_cell(int32_t atag) {
        trect r;
        header().fcontrols->get_viewport(atag, r);
        return r;
    }
    // The texts written on a surface's canvas, in order.
    static tstrings texts(const tfake_surface& asurface) {
        tstrings out;
        for (const std::string& line : asurface.fcanvas.lines())
            if (line.rfind("text_rect", 0) == 0 && line.find('"') != std::string::npos)
                out.push_back(line.substr(line.find('"')));
        return out;
    }
    std::vector<tmsg_queued> pending_jobs() {
        std::vector<tmsg_queued> jobs;
        tmsg_queued msg;
        while (fmessages.has_messages_available())
            if (fmessages.pull_next_message(msg)) jobs.push_back(msg);
        return jobs;
    }

    tfake_platform fplatform;
    tplatform* fprevious_platform = nullptr;
    Tdatamodule_messages fmessages;
    std::unique_ptr<tpage_controller_generic> fcontroller;
    tfake_surface* fheader_box = nullptr;
    tfake_surface* ffooter_box = nullptr;
};

}  // namespace

TEST_F(HeaderFooter, TheStripsStartWithTheirDeclaredCaptionsAndF2Disabled) {
    EXPECT_EQ(u"Screen Title", header().title().caption);
    const std::pair<tfooter_button, std::u16string> expected[] = {
        {fb_f2, u"F2 - Save"}, {fb_f3, u"F3 - Edit"}, {fb_f7, u"F7 - Menu"}, {fb_f9, u"F9 - Cancel"}};
    for (const auto& [button, caption] : expected) {
        SCOPED_TRACE(utf16_to_utf8(caption));
        EXPECT_EQ(caption, footer().label(button).caption);
        EXPECT_EQ(button != fb_f2, footer().label(button).enabled);
    }
    for (int32_t tag : {203, 205, 206, 207}) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(tag == 203 ? 5 : 8, header().button(tag).icon_set);
    }
    EXPECT_EQ(0, header().button(203).icon);
    EXPECT_EQ(9, header().button(205).icon);
    EXPECT_EQ(6, header().button(206).icon);
    EXPECT_EQ(3, header().button(207).icon);
}

TEST_F(HeaderFooter, APageThatRenamedF2IsReplacedAndTheNextPageShowsSaveAgain) {
    fcontroller->page_enter(1, true);
    EXPECT_EQ(u"F2 - Post", footer().label(fb_f2).caption);
    EXPECT_EQ(2, footer().fbutton_caption_set);

    fcontroller->page_enter(2, false);
    EXPECT_EQ(u"F2 - Save", footer().label(fb_f2).caption);
    EXPECT_EQ(0, footer().fbutton_caption_set);

    // Back on the renaming page its form renames F2 again.
    fcontroller->page_exit();
    EXPECT_EQ(u"F2 - Post", footer().label(fb_f2).caption);
}

TEST_F(HeaderFooter, InvisibleBitsTwoAnd256LeaveOnlyF3AndF7OnTheFooter) {
    fcontroller->page_enter(1, true);
    fcontroller->page_enter(2, false);
    EXPECT_FALSE(footer().label(fb_f2).visible);
    EXPECT_TRUE(footer().label(fb_f3).visible);
    EXPECT_TRUE(footer().label(fb_f7).visible);
    EXPECT_FALSE(footer().label(fb_f9).visible);

    ffooter_box->fcanvas.clear();
    footer().handle_paint();
    EXPECT_EQ((tstrings{"\"F3 - Edit\"", "\"F7 - Menu\""}), texts(*ffooter_box));
}

TEST_F(HeaderFooter, TheFooterStripIsRepaintedOnEveryPageSwitchItStaysVisibleFor) {
    fcontroller->page_enter(1, true);
    const int32_t before = ffooter_box->finvalidated;
    fcontroller->page_enter(2, false);
    EXPECT_TRUE(ffooter_box->fvisible);
    EXPECT_EQ(before + 1, ffooter_box->finvalidated);
}

TEST_F(HeaderFooter, EnabledBitsFollowThePageAndChangesAreDrawnOnlyWhenAsked) {
    fcontroller->page_enter(1, true);  // 326: all four enabled
    for (tfooter_button button : {fb_f2, fb_f3, fb_f7, fb_f9}) EXPECT_TRUE(footer().label(button).enabled);

    ffooter_box->fcanvas.clear();
    footer().set_buttons_enabled(4, true);
    EXPECT_FALSE(footer().label(fb_f2).enabled);
    EXPECT_TRUE(texts(*ffooter_box).empty());

    // F2 enabled again and drawn; F3, F7 and F9 unchanged, so not drawn.
    footer().set_buttons_enabled(2 | 4, false);
    EXPECT_EQ((tstrings{"\"F2 - Post\""}), texts(*ffooter_box));
}

TEST_F(HeaderFooter, AHiddenLegendIsErasedAtOnceUnlessTheDrawIsSkipped) {
    fcontroller->page_enter(1, true);
    fcontroller->handle_resize(ht_footer, true);
    trect f3;
    footer().fcontrols->get_viewport(203, f3);
    EXPECT_EQ((trect{140, 20, 260, 47}), f3);

    ffooter_box->fcanvas.clear();
    footer().set_buttons_invisible(4, true);
    EXPECT_TRUE(ffooter_box->fcanvas.lines().empty());

    footer().set_buttons_invisible(0, false);
    footer().set_buttons_invisible(4, false);
    const tstrings& lines = ffooter_box->fcanvas.lines();
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "fill_rect 140 20 261 48"))
        << ffooter_box->fcanvas.text();
}

TEST_F(HeaderFooter, FooterButtonParamsWriteKeyDashCaptionAndRememberTheButton) {
    footer().set_footer_button_param(fb_f9, u"Close");
    footer().set_footer_button_param(fb_f7, u"");
    EXPECT_EQ(u"F9 - Close", footer().label(fb_f9).caption);
    EXPECT_EQ(u"F7 - ", footer().label(fb_f7).caption);
    EXPECT_EQ(256 | 64, footer().fbutton_caption_set);
    footer().default_button_captions();
    EXPECT_EQ(u"F9 - Cancel", footer().label(fb_f9).caption);
    EXPECT_EQ(u"F7 - Menu", footer().label(fb_f7).caption);
    EXPECT_VELMOR_ERROR(footer().label(static_cast<tfooter_button>(4)),
                        "Footer button 4 not supported in Thandlermodule_footer.label();");
}

TEST_F(HeaderFooter, ThePageSwitchGivesTheHeaderItsTitleWidthAndButtons) {
    fcontroller->page_enter(1, true);
    EXPECT_EQ(u"Customers", header().title().caption);
    EXPECT_EQ((trect{70, 5, 370, 43}), header_cell(202));
    for (int32_t tag : {203, 205, 206, 207}) EXPECT_TRUE(header().button(tag).visible) << tag;
    EXPECT_EQ((trect{6, 5, 58, 49}), header_cell(203));
    EXPECT_EQ((trect{1033, 5, 1085, 49}), header_cell(205));
    EXPECT_EQ((trect{976, 5, 1028, 49}), header_cell(206));
    EXPECT_EQ((trect{919, 5, 971, 49}), header_cell(207));

    // Only menu and plus: the plus button closes up to the right edge; the title's width falls
    // back to the declared default.
    fcontroller->page_enter(2, false);
    EXPECT_EQ(u"Sites", header().title().caption);
    EXPECT_FALSE(header().button(205).visible);
    EXPECT_FALSE(header().button(206).visible);
    EXPECT_TRUE(header().button(203).visible);
    EXPECT_EQ((trect{1033, 5, 1085, 49}), header_cell(207));
    EXPECT_EQ((trect{70, 5, 290, 43}), header_cell(202));
}

TEST_F(HeaderFooter, TheTitleWidthReportsWhetherItChanged) {
    EXPECT_TRUE(header().set_header_param(ph_title_caption_width, int16_t{300}));
    EXPECT_FALSE(header().set_header_param(ph_title_caption_width, int16_t{300}));
    EXPECT_FALSE(header().set_header_param(ph_menu_visible, int16_t{0}));
    header().set_header_param(ph_menu_visible, u"ignored");
    EXPECT_EQ(u"Screen Title", header().title().caption);
    header().set_header_param(ph_title_caption, u"Operators");
    EXPECT_EQ(u"Operators", header().title().caption);
}

TEST_F(HeaderFooter, TheTitleIsDrawnWithItsCaption) {
    fcontroller->page_enter(1, true);
    fheader_box->fcanvas.clear();
    header().draw_control(202, false);
    EXPECT_EQ((tstrings{"\"Customers\""}), texts(*fheader_box));
}

TEST_F(HeaderFooter, TheMinusButtonQueuesItsDrawWhilePlusAndEditOnlyChangeState) {
    header().set_header_param(ph_button_plus_enabled, false, false);
    header().set_header_param(ph_button_edit_enabled, false, false);
    EXPECT_FALSE(header().button(207).enabled);
    EXPECT_FALSE(header().button(205).enabled);
    EXPECT_FALSE(fmessages.has_messages_available());

    header().set_header_param(ph_button_minus_enabled, true, false);  // unchanged
    header().set_header_param(ph_button_minus_enabled, false, true);  // skipped
    EXPECT_FALSE(fmessages.has_messages_available());
    bool enabled = true;
    header().get_header_param(enabled, ph_button_minus_enabled);
    EXPECT_FALSE(enabled);

    header().set_header_param(ph_button_minus_enabled, true, false);
    const std::vector<tmsg_queued> jobs = pending_jobs();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(jt_draw_control, jobs[0].fjob);
    EXPECT_EQ(ht_header, jobs[0].fhandler);
    EXPECT_EQ(206, jobs[0].ftag);
    header().get_header_param(enabled, ph_button_minus_enabled);
    EXPECT_TRUE(enabled);

    // Other settings leave the answer alone.
    enabled = false;
    header().get_header_param(enabled, ph_button_plus_enabled);
    EXPECT_FALSE(enabled);
}

TEST_F(HeaderFooter, PushingTheMenuButtonRepaintsItsCellOnlyWhenTheStateChanges) {
    fcontroller->handle_resize(ht_header, true);
    header().set_header_param(ph_menu_pushed, true, false);
    EXPECT_TRUE(header().button(203).pushed);
    header().set_header_param(ph_menu_pushed, true, false);
    header().set_header_param(ph_menu_pushed, false, true);
    EXPECT_FALSE(header().button(203).pushed);
    EXPECT_EQ((std::vector<trect>{{6, 5, 58, 49}}), fheader_box->finvalidated_rects);
}

TEST_F(HeaderFooter, PlusMinusAndEditReachTheMainPageAs1103WithTheirOwnTags) {
    fcontroller->page_enter(3, true);
    struct tcase {
        const char* name;
        int32_t tag;
        const char* expected;
    };
    const tcase cases[] = {{"plus", 207, "Thandlermodule_test_a message 1103 tag 9901"},
                           {"minus", 206, "Thandlermodule_test_a message 1103 tag 9902"},
                           {"edit", 205, "Thandlermodule_test_a message 1103 tag 9903"}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        event_log().clear();
        EXPECT_TRUE(header().callback_message2(c.tag, tmsg_code::button_pressed));
        EXPECT_EQ((tstrings{c.expected}), event_log());
    }
}

TEST_F(HeaderFooter, ADisabledOrHiddenButtonAndOtherMessagesDoNotReachTheMainPage) {
    fcontroller->page_enter(3, true);
    event_log().clear();
    header().set_header_param(ph_button_plus_enabled, false, true);
    header().set_header_param(ph_button_minus_visible, false, true);
    EXPECT_TRUE(header().callback_message2(207, tmsg_code::button_pressed));
    EXPECT_TRUE(header().callback_message2(206, tmsg_code::button_pressed));
    EXPECT_FALSE(header().callback_message2(205, tmsg_code::checkbox_toggled));
    EXPECT_FALSE(header().callback_message2(202, tmsg_code::button_pressed));
    EXPECT_TRUE(event_log().empty()) << event_log().size();
}

TEST_F(HeaderFooter, TheMenuButtonOpensThePageMenuWithoutPushingItself) {
    fcontroller->page_enter(3, true);
    event_log().clear();
    EXPECT_TRUE(header().callback_message2(203, tmsg_code::button_pressed));
    EXPECT_TRUE(event_log().empty()) << "a page without menu items has no menu";

    fcontroller->get_handler_main()->fcontrols->set_menuitems(104);
    event_log().clear();
    EXPECT_TRUE(header().callback_message2(203, tmsg_code::button_pressed));
    EXPECT_EQ((tstrings{"menu opened"}), event_log());
    EXPECT_FALSE(header().button(203).pushed);
}
