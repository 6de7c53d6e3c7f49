// The button, check box and combo box controllers over a small page read from a form, with
// redraws and what the handler hears written to one log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/controllers.h"
#include "controls/controls_registration.h"
#include "controls/form_components.h"
#include "controls/form_reader.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/theme.h"
#include "input_controller_fixture.h"

using namespace input_test;

namespace {

const char* const page_form = R"(
object f: Tform_page2
  object p1: tdfmelement_panel
    Tag = 2101
    visible = True
    object ok: tdfmelement_button_bitbtn
      Tag = 101
      tag_theme = 901
      kind = bk_ok
    end
    object flag: tdfmelement_checkbox
      Tag = 102
      tag_theme = 902
      header = 104
      fieldno = 0
    end
    object choice: tdfmelement_combobox
      Tag = 103
      tag_theme = 903
      header = 105
    end
  end
  object v1: tdfmelement_viewport
    Tag = 2101
    tag_control_first = 101
    object a1: tdfmelement_align
      align = alTop
      dimension = 24
    end
    object a2: tdfmelement_align
      align = alTop
      dimension = 24
    end
    object a3: tdfmelement_align
      align = alTop
      dimension = 24
    end
  end
  object t: tdfmelement_themes
    object b: tdfmelement_theme_button
      tag_theme = 901
    end
    object c: tdfmelement_theme_checkbox
      tag_theme = 902
    end
    object cb: tdfmelement_theme_combobox
      tag_theme = 903
    end
    object c2: tdfmelement_theme_checkbox
      tag_theme = 904
    end
  end
  object m: tdfmelement_miscobjects
    object links: tdfmelement_miscobject_fieldlinks
      Tag = 104
      fieldlinks = <
        item
          fieldname = 'is_gst_inclusive'
          fieldtype = fs_hardlink
          value_type = vf_boolean
        end>
    end
    object choices: tdfmelement_miscobject_textlines
      Tag = 105
      textlines = <
        item
          caption = 'Cash'
        end>
    end
  end
end
)";

// A record with one Boolean field.
class tflag_record : public tvalue_generic2 {
public:
    int32_t get_field_count() const override { return 1; }
    std::string get_field_name(int32_t) const override { return "is_gst_inclusive"; }
    bool get_field_index(int32_t& aindex, std::string_view aname) const override {
        aindex = 0;
        return aname == "is_gst_inclusive";
    }
    bool get_field_is_assigned(int32_t) const override { return true; }
    bool get_asboolean1(int32_t) const override { return value; }
    void set_asboolean1(int32_t, bool avalue) override { value = avalue; }
    bool value = false;
};

class trecording_button_renderer : public tvelmor_render_button_generic {
public:
    explicit trecording_button_renderer(tlog& alog) : flog(alog) {}
    void draw_button(tcanvas&, int32_t&, tvelmor_theme_button*, tvelmor_button& abutton,
                     const trect&) const override {
        flog.push_back(abutton.pushed ? "button down" : "button up");
    }

private:
    tlog& flog;
};

class trecording_checkbox_renderer : public tvelmor_render_checkbox_generic {
public:
    explicit trecording_checkbox_renderer(tlog& alog) : flog(alog) {}
    void draw_checkbox(tcanvas&, const trect& arect, tvelmor_checkbox& acheckbox,
                       tvelmor_theme_checkbox* atheme) const override {
        flog.push_back(std::string(acheckbox.checked ? "ticked" : "empty") + " box at " + std::to_string(arect.top) +
                       " theme " + std::to_string(atheme->tag_theme));
    }

private:
    tlog& flog;
};

class trecording_combobox_renderer : public tvelmor_render_combobox_generic {
public:
    explicit trecording_combobox_renderer(tlog& alog) : flog(alog) {}
    void draw_button(tcanvas&, const trect& arect, bool as_pressed) const override {
        flog.push_back(std::string(as_pressed ? "drop button pressed" : "drop button up") + " at " +
                       std::to_string(arect.top));
    }

private:
    tlog& flog;
};

// One step of a key or mouse sequence on the button.
struct tbutton_step {
    enum tkind { key_down, key_up, mouse_down, mouse_up, mouse_move } kind;
    uint16_t key = key_enter;
    int32_t x = 0, y = 0;
};

// A sequence of steps with the result of each, what the log shows and the pushed state at the end.
struct tbutton_case {
    const char* name;
    bool enabled;
    std::vector<tbutton_step> steps;
    std::vector<bool> used;
    tlog heard;
    bool pushed_after = false;
};

// The button lies at (0, 0)-(200, 24), the check box at (0, 25)-(200, 49), the combo box below.
class SmallControllers : public ::testing::Test {
protected:
    void SetUp() override {
        register_controls_classes();
        create_form_components(*tform_reader::read(page_form, "page.form"), page.controls, &page);
        page.controls.calculate_viewports(font_tag, canvas, {0, 0, 200, 100});
        static_cast<tvelmor_theme_button*>(page.controls.get_theme_by_tag(901))->classrender = &buttons;
        static_cast<tvelmor_theme_checkbox*>(page.controls.get_theme_by_tag(902))->classrender = &boxes;
        static_cast<tvelmor_theme_checkbox*>(page.controls.get_theme_by_tag(904))->classrender = &boxes;
        static_cast<tvelmor_theme_combobox*>(page.controls.get_theme_by_tag(903))->classrender = &combos;
        static_cast<tmiscobject_fieldlinks_record*>(page.controls.get_miscobject(104))->setup_data1(&record);
    }
    bool key(int32_t atag, uint16_t akey, tshift_state ashift = 0, bool as_keyup = false, bool as_readonly = false) {
        return page.controls.send_key(atag, canvas, font_tag, as_readonly, akey, ashift, as_keyup);
    }
    bool mouse(int32_t ax, int32_t ay, bool as_mouseup) {
        return page.controls.handle_mousedown(canvas, font_tag, mb_left, 0, ax, ay, as_mouseup);
    }
    bool move(int32_t ax, int32_t ay) { return page.controls.handle_mousemove(canvas, font_tag, 0, ax, ay); }
    tvelmor_button& button() { return *static_cast<tvelmor_button*>(page.controls.get_control(101)); }
    tvelmor_checkbox& checkbox() { return *static_cast<tvelmor_checkbox*>(page.controls.get_control(102)); }
    void run(const tbutton_case& acase);

    tinput_owner page;
    trecording_button_renderer buttons{page.log};
    trecording_checkbox_renderer boxes{page.log};
    trecording_combobox_renderer combos{page.log};
    tflag_record record;
    trecording_canvas canvas;
    int32_t font_tag = 0;
};

void SmallControllers::run(const tbutton_case& acase) {
    SCOPED_TRACE(acase.name);
    button().pushed = false;
    button().enabled = acase.enabled;
    page.log.clear();
    std::vector<bool> used;
    for (const tbutton_step& step : acase.steps) {
        switch (step.kind) {
        case tbutton_step::key_down:
        case tbutton_step::key_up: used.push_back(key(101, step.key, 0, step.kind == tbutton_step::key_up)); break;
        case tbutton_step::mouse_move: used.push_back(move(step.x, step.y)); break;
        default: used.push_back(mouse(step.x, step.y, step.kind == tbutton_step::mouse_up)); break;
        }
    }
    EXPECT_EQ(acase.used, used);
    EXPECT_EQ(acase.heard, page.log);
    EXPECT_EQ(acase.pushed_after, button().pushed);
}

}  // namespace

TEST_F(SmallControllers, EnterPushesTheButtonAndItsReleaseClicksAndMovesTheFocus) {
    using s = tbutton_step;
    const tbutton_case cases[] = {
        {"down then up", true, {{s::key_down}, {s::key_up}}, {true, true},
         {"button down", "button up", "focus next", "1103 from 101"}},
        {"a repeated key-down changes nothing", true, {{s::key_down}, {s::key_down}}, {true, false}, {"button down"},
         true},
        {"a key-up without a push", true, {{s::key_up}}, {false}, {}},
        {"Space is no button key", true, {{s::key_down, key_space}, {s::key_up, key_space}}, {false, false}, {}},
        {"not enabled", false, {{s::key_down}, {s::key_up}}, {false, false}, {}},
    };
    for (const tbutton_case& c : cases) run(c);
}

TEST_F(SmallControllers, TheMouseClicksAButtonOnlyWhenReleasedOverItAfterAPushThere) {
    using s = tbutton_step;
    const tbutton_case cases[] = {
        {"down and up on the button", true, {{s::mouse_down, 0, 10, 10}, {s::mouse_up, 0, 10, 10}}, {true, true},
         {"button down", "button up", "1103 from 101"}},
        {"the edges belong to the button", true, {{s::mouse_down, 0, 200, 24}, {s::mouse_up, 0, 0, 0}}, {true, true},
         {"button down", "button up", "1103 from 101"}},
        {"moved away and released outside: no click", true,
         {{s::mouse_down, 0, 10, 10}, {s::mouse_move, 0, 10, 90}, {s::mouse_up, 0, 10, 90}}, {true, false, false},
         {"button down", "button up"}},
        {"moved away and back before the release: no click", true,
         {{s::mouse_down, 0, 10, 10}, {s::mouse_move, 0, 10, 90}, {s::mouse_up, 0, 10, 10}}, {true, false, true},
         {"button down", "button up"}},
        {"moving over the pushed button keeps it pushed", true,
         {{s::mouse_down, 0, 10, 10}, {s::mouse_move, 0, 20, 12}}, {true, true}, {"button down"}, true},
        {"let go elsewhere without a move: released, no click", true,
         {{s::mouse_down, 0, 10, 10}, {s::mouse_up, 0, 10, 90}}, {true, false}, {"button down", "button up"}},
        {"a move over a button not pushed", true, {{s::mouse_move, 0, 10, 10}}, {false}, {}},
        {"not enabled: the click is taken but does nothing", false,
         {{s::mouse_down, 0, 10, 10}, {s::mouse_up, 0, 10, 10}}, {true, true}, {}},
    };
    for (const tbutton_case& c : cases) run(c);
}

TEST_F(SmallControllers, SpaceTogglesTheCheckBoxIntoItsFieldAndRedrawsItOnceTheHandlerKnows) {
    // The handler marks a changed check box with another theme, as an edit page does.
    page.answer = [this](void* aparams, int32_t atag, int32_t amsg) {
        const bool checked = static_cast<tmsg_params_checked*>(aparams)->checked;
        page.log.push_back(std::to_string(amsg) + " from " + std::to_string(atag) + (checked ? " checked" : " unchecked") +
                           (record.value == checked ? ", field set" : ", field not set"));
        checkbox().tag_theme = 904;
        return true;
    };
    EXPECT_TRUE(key(102, key_space));
    EXPECT_TRUE(checkbox().checked);
    EXPECT_TRUE(key(102, key_space));
    EXPECT_FALSE(record.value);
    EXPECT_EQ((tlog{"1113 from 102 checked, field set", "ticked box at 25 theme 904",
                    "1113 from 102 unchecked, field set", "empty box at 25 theme 904"}),
              page.log);
}

TEST_F(SmallControllers, CheckBoxKeysByShiftStateAndPage) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool keyup, readonly;
        bool used;
        tlog heard;
        bool checked;
    };
    const tcase cases[] = {
        {"Space on a read-only page is taken without a toggle", key_space, 0, false, true, true, {}, false},
        {"key-up", key_space, 0, true, false, false, {}, false},
        {"Shift+Space", key_space, ss_shift, false, false, false, {}, false},
        {"Tab", key_tab, 0, false, false, true, {"focus next"}, false},
        {"Enter", key_enter, 0, false, true, true, {"focus next"}, false},
        {"Shift+Tab", key_tab, ss_shift, false, false, true, {"focus prior"}, false},
        {"Ctrl+Tab", key_tab, ss_ctrl, false, false, false, {}, false},
        {"a letter", key_x, 0, false, false, false, {}, false},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        page.log.clear();
        EXPECT_EQ(c.used, key(102, c.key, c.shift, c.keyup, c.readonly));
        EXPECT_EQ(c.heard, page.log);
        EXPECT_EQ(c.checked, checkbox().checked);
    }
}

TEST_F(SmallControllers, CtrlDownAsksTheHandlerToOpenTheComboBoxListOnAnEditingPage) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool keyup, readonly;
        int32_t header;
        bool used;
        tlog heard;
    };
    const tcase cases[] = {
        {"Ctrl+Down", key_down, ss_ctrl, false, false, 105, true, {"drop button pressed at 50", "list for 103"}},
        {"Ctrl+Down without choices: nothing to open", key_down, ss_ctrl, false, false, 0, true, {}},
        {"Ctrl+Down on a read-only page", key_down, ss_ctrl, false, true, 105, false, {}},
        {"Down alone", key_down, 0, false, false, 105, false, {}},
        {"key-up", key_down, ss_ctrl, true, false, 105, false, {}},
        {"Enter", key_enter, 0, false, true, 105, true, {"focus next"}},
        {"Tab", key_tab, 0, false, false, 105, true, {"focus next"}},
        {"Shift+Tab", key_tab, ss_shift, false, false, 105, true, {"focus prior"}},
        {"Shift+Enter", key_enter, ss_shift, false, false, 105, false, {}},
    };
    auto& combo = *static_cast<tvelmor_combobox*>(page.controls.get_control(103));
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        combo.header = c.header;
        page.log.clear();
        EXPECT_EQ(c.used, key(103, c.key, c.shift, c.keyup, c.readonly));
        EXPECT_EQ(c.heard, page.log);
    }
}
