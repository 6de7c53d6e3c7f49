#include <gtest/gtest.h>

#include <algorithm>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_registration.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_textlines.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "page_fixture.h"
#include "pages/handlermodule_big_edit.h"
#include "pages/handlermodule_combobox.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_menu.h"

[[maybe_unused]] static void PrintTo(const trect& arect, std::ostream* aout) {
    *aout << "(" << arect.left << ", " << arect.top << ", " << arect.right << ", " << arect.bottom << ")";
}

namespace {

using tstrings = std::vector<std::string>;

constexpr uint16_t key_tab = 9;
constexpr uint16_t key_enter = 13;
constexpr uint16_t key_escape = 27;
constexpr uint16_t key_down = 40;

// The page the overlays open over (on a 770 x 589 main surface): combo box 101 at (100, 200) -
// (370, 226) over the three choices of list 102, label 102 below it, and the page menu 101.
const Tform_page2 form_host("Tform_page_test_host", R"(
object form_host: Tform_page2
  ClientWidth = 770
  ClientHeight = 589
  object panel_root: tdfmelement_panel
    Tag = 2101
    visible = True
    object combo_meter: tdfmelement_combobox
      Tag = 101
      tag_theme = 901
      focus_order = 0
      header = 102
    end
    object label_notes: tdfmelement_label
      Tag = 102
      tag_theme = 902
      caption = 'Notes'
    end
  end
  object viewport_root: tdfmelement_viewport
    Tag = 2101
    tag_control_first = 101
    object align_combo: tdfmelement_align
      align = alTop
      margins_left = 100
      margins_top = 200
      margins_right = 400
      dimension = 26
    end
    object align_notes: tdfmelement_align
      align = alTop
      margins_left = 100
      margins_top = 20
      margins_right = 300
      dimension = 24
    end
  end
  object themes: tdfmelement_themes
    object theme_combo: tdfmelement_theme_combobox
      tag_theme = 901
      classrender = classrender_combobox_standard
      font = 'arial;11'
      color = clWhite
      color_focused = 14733472
      color_selected = clNavy
    end
    object theme_label: tdfmelement_theme_label
      tag_theme = 902
      font = 'tahoma;10'
      color = 13160660
    end
  end
  object miscobjects: tdfmelement_miscobjects
    object menu: tdfmelement_miscobject_textlines
      Tag = 101
      textlines = <
        item
          caption = 'Print'
        end
        item
          caption = 'Delete'
        end>
    end
    object choices: tdfmelement_miscobject_textlines
      Tag = 102
      textlines = <
        item
          caption = 'Mains Meter'
        end
        item
          caption = 'Sub Deduction Meter'
        end
        item
          caption = 'Check Meter'
        end>
    end
  end
end
)");

// Logs the keys it gets and the overlay and combo box messages.
class Thandlermodule_host : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_host"; }

    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override {
        if (amsg == tmsg_code::ontop_closed)
            log_event("page 1107 tag " + std::to_string(atag) + " result " +
                      std::to_string(static_cast<tmsg_params_ontop_result*>(aparams)->result));
        // The menu's second entry asks before it deletes.
        if (amsg == tmsg_code::ontop_closed && atag == 9201 && fask_on_delete &&
            static_cast<tmsg_params_ontop_result*>(aparams)->result == 1)
            run_dialog(9102, u"Delete ?");
        if (amsg == tmsg_code::combobox_changed)
            log_event("page 1109 tag " + std::to_string(atag) + " index " +
                      std::to_string(static_cast<tmsg_params_item_index*>(aparams)->item_index));
        return false;
    }
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override {
        log_event("page key " + std::to_string(akey));
        return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    }
    bool get_readonly() const override { return freadonly; }

    tvelmor_combobox& combobox() { return static_cast<tvelmor_combobox&>(*fcontrols->get_control(101)); }
    tmiscobject_textlines& textlines(int32_t atag) {
        return static_cast<tmiscobject_textlines&>(*fcontrols->get_miscobject(atag));
    }

    bool freadonly = false;
    bool fask_on_delete = false;
};

const thandler_class& host_page() {
    static const thandler_class c("Thandlermodule_host", &handler_factory_of<Thandlermodule_host>, &form_host,
                                  &tparams_null::static_class());
    return c;
}

// A dialog that says when it is freed.
class tlogged_dialog : public Thandlermodule_dialog {
public:
    tlogged_dialog(tpage_controller_generic* aowner, const char* aname)
        : Thandlermodule_dialog(aowner, tag_ontop_other, u"Question"), fname(aname) {}
    ~tlogged_dialog() override { log_event(std::string(fname) + " freed"); }
    const char* fname;
};

class Overlays : public ::testing::Test {
protected:
    void SetUp() override {
        register_controls_classes();
        register_renderers();
        event_log().clear();
        fprevious_platform = tplatform::set_instance(&fplatform);
        auto boxes = std::make_unique<tgraphboxes>();
        for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
            boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
        fcontroller = std::make_unique<tpage_controller_generic>(std::move(boxes), fmessages, &test_header(),
                                                                 &test_footer());
        fcontroller->register_page(1, host_page());
        fcontroller->register_pages_finish();
        fcontroller->page_enter(int16_t{1}, true);
        event_log().clear();
    }
    void TearDown() override {
        fcontroller.reset();
        tplatform::set_instance(fprevious_platform);
    }

    Thandlermodule_host& host() { return static_cast<Thandlermodule_host&>(*fcontroller->get_handler_main()); }
    Thandlermodule_ontop* overlay() { return fcontroller->get_handler_ontop(); }
    tfake_surface& ontop_surface() {
        return static_cast<tfake_surface&>(*fcontroller->get_graphboxes().get_graphbox(ht_ontop));
    }
    bool press(uint16_t akey, tshift_state ashift = 0, bool as_keyup = false) {
        return fcontroller->handle_keydown(akey, ashift, as_keyup);
    }
    // What the page was told, in order.
    tstrings page_messages() const {
        tstrings out;
        for (const std::string& line : event_log())
            if (line.rfind("page 110", 0) == 0) out.push_back(line);
        return out;
    }
    // The texts written on the overlay surface, in order.
    tstrings overlay_texts() {
        tstrings out;
        for (const std::string& line : ontop_surface().fcanvas.lines())
            if (line.rfind("text_rect", 0) == 0) out.push_back(line.substr(line.find('"')));
        return out;
    }

    tfake_platform fplatform;
    tplatform* fprevious_platform = nullptr;
    Tdatamodule_messages fmessages;
    std::unique_ptr<tpage_controller_generic> fcontroller;
};

}  // namespace

TEST_F(Overlays, TheMenuIsTwoHundredWideAtTheTopRightWhateverItsEntries) {
    struct tcase {
        const char* name;
        std::vector<std::u16string> entries;
        trect bounds;
        int32_t rows_shown;
    };
    const tcase cases[] = {
        {"two short entries", {u"Print", u"Delete"}, {564, 6, 764, 66}, 2},
        {"entries far wider than the menu",
         {std::u16string(80, u'W'), std::u16string(120, u'W')},
         {564, 6, 764, 66},
         2},
        {"more entries than the page is high", std::vector<std::u16string>(30, u"Entry"), {564, 6, 764, 583}, 23},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tmiscobject_textlines entries(&host(), 101);
        for (const std::u16string& entry : c.entries) entries.add_textline(entry);
        fcontroller->run_ontop(std::make_unique<Thandlermodule_menu>(fcontroller.get(), 9201, &entries));
        EXPECT_EQ(c.bounds, ontop_surface().fbounds);
        EXPECT_TRUE(ontop_surface().fvisible);
        fcontroller->handle_resize(ht_ontop, true);
        auto& menu = static_cast<Thandlermodule_menu&>(*overlay());
        EXPECT_EQ(c.rows_shown, menu.grid().row_count_visible);
        EXPECT_EQ(&entries, menu.get_miscobject(101));
        EXPECT_EQ(nullptr, menu.get_miscobject(102));
        fcontroller->close_ontop();
    }
}

TEST_F(Overlays, TheMenuAnswersEnterWithItsCurrentRowAndEscWithMinusOne) {
    struct tcase {
        const char* name;
        std::vector<uint16_t> keys;
        int32_t result;
    };
    const tcase cases[] = {
        {"Enter on the first entry", {key_enter}, 0},
        {"Down, Enter", {key_down, key_enter}, 1},
        {"Down past the last entry, Enter", {key_down, key_down, key_down, key_enter}, 1},
        {"Esc", {key_escape}, -1},
        {"Down, Esc", {key_down, key_escape}, -1},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        fcontroller->run_menu(true);
        ASSERT_NE(nullptr, dynamic_cast<Thandlermodule_menu*>(overlay()));
        EXPECT_EQ(9201, overlay()->ftag_ontop);
        event_log().clear();
        for (uint16_t key : c.keys) EXPECT_TRUE(press(key));
        EXPECT_EQ(nullptr, overlay());
        EXPECT_FALSE(ontop_surface().fvisible);
        const tstrings expected{"header 4 = false drawn", "page 1107 tag 9201 result " + std::to_string(c.result)};
        EXPECT_EQ(expected, event_log());
    }
}

TEST_F(Overlays, WhileAnOverlayIsOpenEveryKeyGoesToIt) {
    fcontroller->run_menu(false);
    // Letters, Shift+Enter and Tab go to the menu's list, not to the page, and close nothing.
    press('A');
    press(key_enter, ss_shift);
    press(key_tab);
    ASSERT_NE(nullptr, overlay());
    EXPECT_EQ(tstrings{}, page_messages());
    EXPECT_EQ(0u, std::count_if(event_log().begin(), event_log().end(),
                                [](const std::string& aline) { return aline.rfind("page key", 0) == 0; }));
    press(key_escape);
    press('A');
    EXPECT_EQ((tstrings{"page 1107 tag 9201 result -1"}), page_messages());
    EXPECT_EQ("page key 65", event_log().back());
}

TEST_F(Overlays, TheDialogAndTheTextViewerCloseOnlyOnTheirOwnKeys) {
    struct tcase {
        const char* name;
        tvelmor_ontop kind;
        uint16_t key;
        tshift_state shift;
        bool keyup;
        int32_t result;  // -1: the key is not used and the overlay stays open
    };
    const tcase cases[] = {
        {"dialog: Y (a lower-case y has the same key code)", ho_dialog, 'Y', 0, false, 6},
        {"dialog: N", ho_dialog, 'N', 0, false, 7},
        {"dialog: Esc", ho_dialog, key_escape, 0, false, 2},
        {"dialog: Tab", ho_dialog, key_tab, 0, false, -1},
        {"dialog: Enter", ho_dialog, key_enter, 0, false, -1},
        {"dialog: Shift+Y", ho_dialog, 'Y', ss_shift, false, -1},
        {"dialog: Ctrl+N", ho_dialog, 'N', ss_ctrl, false, -1},
        {"dialog: Y released", ho_dialog, 'Y', 0, true, -1},
        {"viewer: Enter", ho_bigedit, key_enter, 0, false, 1},
        {"viewer: Esc", ho_bigedit, key_escape, 0, false, 2},
        {"viewer: Tab", ho_bigedit, key_tab, 0, false, -1},
        {"viewer: a letter", ho_bigedit, 'A', 0, false, -1},
        {"viewer: Alt+Enter", ho_bigedit, key_enter, ss_alt, false, -1},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.kind == ho_dialog)
            host().run_dialog(9101, u"Save changes ?");
        else
            host().run_big_edit(9102, 102, u"A long note");
        event_log().clear();
        EXPECT_EQ(c.result != -1, press(c.key, c.shift, c.keyup));
        if (c.result == -1) {
            EXPECT_NE(nullptr, overlay());
            EXPECT_EQ(tstrings{}, event_log());
            fcontroller->close_ontop();
        } else {
            EXPECT_EQ(nullptr, overlay());
            const int32_t tag = c.kind == ho_dialog ? 9101 : 9102;
            EXPECT_EQ((tstrings{"page 1107 tag " + std::to_string(tag) + " result " + std::to_string(c.result)}),
                      page_messages());
        }
    }
}

TEST_F(Overlays, TheDialogGrowsALineAtATimeAndWidensForALongLine) {
    // The question is measured in tahoma 11 (15 pixels, so 7 per character on the test canvas).
    struct tcase {
        const char* name;
        std::u16string question;
        trect bounds;
    };
    const tcase cases[] = {
        {"one line", u"Save changes ?", {100, 40, 440, 142}},
        {"two lines", u"Delete this unit ?\r\nIts readings go with it.", {100, 40, 440, 166}},
        {"an empty last line", u"Delete ?\r\n", {100, 40, 440, 166}},
        {"a line of 60 characters", std::u16string(60, u'x'), {100, 40, 620, 142}},
        {"the widest of three lines", u"short\r\n" + std::u16string(50, u'x') + u"\r\nshort", {100, 40, 550, 190}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        host().run_dialog(9102, c.question);
        EXPECT_EQ(c.bounds, ontop_surface().fbounds);
        fcontroller->close_ontop();
    }
}

TEST_F(Overlays, TheDialogShowsItsLinesBesideTheQuestionMarkAndYesNoButtons) {
    host().run_dialog(9101, u"Delete this unit ?\r\nIts readings go with it.");
    auto& dialog = static_cast<Thandlermodule_dialog&>(*overlay());
    EXPECT_EQ((std::vector<std::u16string>{u"Delete this unit ?", u"Its readings go with it."}), dialog.flines);
    ontop_surface().fcanvas.clear();
    fcontroller->handle_resize(ht_ontop, false);

    const tstrings texts = overlay_texts();
    const tstrings expected{"\"No\"", "\"Yes\"", "\"Delete this unit ?\"", "\"Its readings go with it.\""};
    EXPECT_EQ(expected, texts);
    const tstrings& lines = ontop_surface().fcanvas.lines();
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "icon set 3 #0 at 12 8"));

    // The rows area below the lines is erased in the page background.
    auto& grid = static_cast<tvelmor_grid&>(*dialog.fcontrols->get_control(Thandlermodule_dialog::tag_lines));
    ontop_surface().fcanvas.clear();
    dialog.control_paint(&grid, nullptr, {68, 62, 330, 100}, -1, -1);
    dialog.control_paint(&grid, nullptr, {68, 62, 330, 100}, 2, 0);
    EXPECT_EQ((tstrings{"brush_style solid", "brush_color 13160660", "fill_rect 68 62 330 100"}),
              ontop_surface().fcanvas.lines());
}

TEST_F(Overlays, TheDropDownOpensBelowItsComboBoxOnTheCurrentChoice) {
    tvelmor_combobox& box = host().combobox();
    box.item_index = 2;
    host().run_combobox_list(box);
    auto* list = dynamic_cast<Thandlermodule_combobox*>(overlay());
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(101, list->ftag_ontop);
    EXPECT_EQ((trect{120, 226, 390, 310}), ontop_surface().fbounds);
    EXPECT_EQ(2, list->grid().row);
    EXPECT_EQ(&host().textlines(102), list->get_miscobject(101));

    ontop_surface().fcanvas.clear();
    fcontroller->handle_resize(ht_ontop, false);
    EXPECT_EQ((tstrings{"\"Mains Meter\"", "\"Sub Deduction Meter\"", "\"Check Meter\""}), overlay_texts());
}

TEST_F(Overlays, AChoiceInTheDropDownReachesTheComboBoxAndThePage) {
    struct tcase {
        const char* name;
        std::vector<uint16_t> keys;
        int32_t index;
        tstrings messages;
    };
    const tcase cases[] = {
        {"Down, Enter", {key_down, key_enter}, 2, {"page 1109 tag 101 index 2", "page 1107 tag 101 result 2"}},
        {"Enter on the current choice", {key_enter}, 1, {"page 1107 tag 101 result 1"}},
        {"Esc", {key_down, key_escape}, 1, {"page 1107 tag 101 result -1"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_combobox& box = host().combobox();
        box.item_index = 1;
        host().run_combobox_list(box);
        event_log().clear();
        for (uint16_t key : c.keys) press(key);
        EXPECT_EQ(nullptr, overlay());
        EXPECT_EQ(c.index, box.item_index);
        EXPECT_EQ(c.messages, page_messages());
    }
}

TEST_F(Overlays, NoDropDownOnAReadOnlyPageOrForAComboBoxWithoutChoices) {
    tvelmor_combobox& box = host().combobox();
    host().freadonly = true;
    host().run_combobox_list(box);
    EXPECT_EQ(nullptr, overlay());

    host().freadonly = false;
    box.header = 0;
    host().run_combobox_list(box);
    EXPECT_EQ(nullptr, overlay());

    box.header = 555;
    EXPECT_VELMOR_ERROR(host().run_combobox_list(box),
                        "Combo box 101 names no list of choices (555) in Thandlermodule_host.run_combobox_list();");
    EXPECT_EQ(nullptr, overlay());
}

TEST_F(Overlays, TheTextViewerOpensOverItsControlWithTheTextAllSelected) {
    host().run_big_edit(9102, 101, u"First line\r\nSecond line");
    auto* viewer = dynamic_cast<Thandlermodule_big_edit*>(overlay());
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ((trect{100, 200, 370, 226}), viewer->frect);
    tvelmor_memo& memo = viewer->memo();
    EXPECT_EQ(u"First line\r\nSecond line", memo.text);
    EXPECT_TRUE(memo.visible);
    EXPECT_TRUE(memo.selectedall);
    EXPECT_EQ(Thandlermodule_big_edit::tag_memo, viewer->ffocused_tag);

    // 180 wider than the control and 500 high, moved up as far as the page's bottom asks.
    struct tcase {
        const char* name;
        trect control;
        trect bounds;
    };
    const tcase cases[] = {
        {"high on the page", {10, 20, 300, 44}, {10, 20, 480, 520}},
        {"low on the page", {100, 247, 470, 271}, {100, 89, 650, 589}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        fcontroller->run_ontop(std::make_unique<Thandlermodule_big_edit>(fcontroller.get(), 9102, c.control, u"x"));
        EXPECT_EQ(c.bounds, ontop_surface().fbounds);
    }
}

TEST_F(Overlays, OpeningASecondOverlayFreesTheFirst) {
    fcontroller->run_ontop(std::make_unique<tlogged_dialog>(fcontroller.get(), "first"));
    fcontroller->run_ontop(std::make_unique<tlogged_dialog>(fcontroller.get(), "second"));
    EXPECT_EQ("second", static_cast<tlogged_dialog*>(overlay())->fname);
    // Freed at the latest once the next event has returned; the page hears nothing of it.
    press('A');
    EXPECT_EQ((tstrings{"first freed"}), event_log());
    press('Y');
    EXPECT_EQ((tstrings{"first freed", "page 1107 tag 9102 result 6", "second freed"}), event_log());
}

TEST_F(Overlays, AMenuEntryCanOpenADialogFromTheMenusAnswer) {
    host().fask_on_delete = true;
    fcontroller->run_menu(true);
    press(key_down);
    press(key_enter);
    auto* dialog = dynamic_cast<Thandlermodule_dialog*>(overlay());
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(9102, dialog->ftag_ontop);
    EXPECT_TRUE(ontop_surface().fvisible);
    EXPECT_EQ((trect{100, 40, 440, 142}), ontop_surface().fbounds);
    press('N');
    EXPECT_EQ(nullptr, overlay());
    EXPECT_EQ((tstrings{"page 1107 tag 9201 result 1", "page 1107 tag 9102 result 7"}), page_messages());
}

TEST_F(Overlays, AnOverlayGoesWithThePageItWasOpenedOver) {
    // A page change while a drop-down is open (a header button, a queued task): the list and the
    // combo box it works on belong to the page being left.
    host().run_combobox_list(host().combobox());
    ASSERT_NE(nullptr, overlay());
    fcontroller->page_enter(int16_t{1}, false);
    EXPECT_EQ(nullptr, overlay());
    EXPECT_FALSE(ontop_surface().fvisible);
    press(key_escape);
    EXPECT_EQ(tstrings{}, page_messages());
    EXPECT_EQ("page key 27", event_log().back());
}

TEST_F(Overlays, CtrlDownOnTheFocusedComboBoxOpensItsList) {
    host().set_focused_tag(101, true);
    EXPECT_TRUE(press(key_down, ss_ctrl));
    auto* list = dynamic_cast<Thandlermodule_combobox*>(overlay());
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(101, list->ftag_ontop);
    press(key_down);
    press(key_enter);
    EXPECT_EQ(1, host().combobox().item_index);
    EXPECT_EQ((tstrings{"page 1109 tag 101 index 1", "page 1107 tag 101 result 1"}), page_messages());
}
