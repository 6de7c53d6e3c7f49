// Drawing, mouse, key and notification dispatch of the container over a page read from a form.
#include <gtest/gtest.h>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controls_registration.h"
#include "controls/form_components.h"
#include "controls/form_reader.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/recording_canvas.h"
#include "controls/surface.h"
#include "controls_test_support.h"
#include "page_fixture.h"
#include "values/datarecord2.h"

namespace {

const char* const page_form = R"(
object f: Tform_page2
  object p1: tdfmelement_panel
    Tag = 2101
    visible = True
    object icon: tdfmelement_icon
      Tag = 101
      icon_set = 6
      icon = 3
      erase = True
    end
    object paint: tdfmelement_paintbox
      Tag = 102
    end
    object label: tdfmelement_label
      Tag = 103
      header = 107
      fieldno = 0
    end
    object grid: tdfmelement_grid
      Tag = 104
      tag_theme = 903
      focus_order = -1
      rowheight = 10
      tag_scrollbar = 106
    end
    object combo: tdfmelement_combobox
      Tag = 105
      header = 108
      header2 = 107
      fieldno = 1
    end
    object bar: tdfmelement_scrollbar
      Tag = 106
      tag_theme = 904
    end
  end
  object p2: tdfmelement_panel
    Tag = 2102
    parent = p1
    visible = True
    calculated_viewports = True
    object free: tdfmelement_label
      Tag = 201
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
      dimension = 20
    end
    object a3: tdfmelement_align
      align = alTop
      dimension = 20
    end
    object a4: tdfmelement_align
      align = alClient
      margins_right = 20
    end
    object a5: tdfmelement_align
      align = alLeft
      dimension = 100
    end
    object a6: tdfmelement_align
      align = alRight
      dimension = 16
    end
  end
  object t: tdfmelement_themes
    object g: tdfmelement_theme_grid
      tag_theme = 903
    end
    object s: tdfmelement_theme_scrollbar
      tag_theme = 904
    end
  end
  object m: tdfmelement_miscobjects
    object links: tdfmelement_miscobject_fieldlinks
      Tag = 107
      fieldlinks = <
        item
          fieldname = 'name'
          value_type = vf_unicodestring
        end
        item
          fieldname = 'kind'
          fieldtype = fs_hardlink
          value_type = vf_longint
        end>
    end
    object choices: tdfmelement_miscobject_textlines
      Tag = 108
      textlines = <
        item
          caption = 'Cash'
        end
        item
          caption = 'Account'
        end>
    end
  end
end
)";

// A record with a text field and an integer field, as the field links expect.
class tcontact_record : public tvalue_generic2 {
public:
    int32_t get_field_count() const override { return 2; }
    std::string get_field_name(int32_t aindex) const override { return aindex == 0 ? "name" : "kind"; }
    bool get_field_index(int32_t& aindex, std::string_view aname) const override {
        for (aindex = 0; aindex < 2; ++aindex)
            if (same_text_nocase(get_field_name(aindex), aname)) return true;
        return false;
    }
    bool get_field_is_assigned(int32_t aindex) const override { return assigned[aindex]; }
    std::u16string get_asunicodestring1(int32_t) const override { return name; }
    void set_asunicodestring1(int32_t, const std::u16string& avalue) override {
        name = avalue;
        assigned[0] = true;
    }
    int32_t get_aslongint1(int32_t) const override { return kind; }
    void set_aslongint1(int32_t, int32_t avalue) override {
        kind = avalue;
        assigned[1] = true;
    }
    std::u16string name;
    int32_t kind = 0;
    bool assigned[2] = {false, false};
};

// Notes the thumb moves it is asked to draw.
class tnoting_scrollbar_renderer : public tvelmor_render_scrollbar_generic {
public:
    void redraw_scrollbar_position(tcanvas&, const trect& arect, int32_t arange, int32_t aposition1,
                                   int32_t aposition2) const override {
        moves.push_back(std::to_string(arect.left) + ": " + std::to_string(arange) + " " + std::to_string(aposition1) +
                        "->" + std::to_string(aposition2));
    }
    mutable std::vector<std::string> moves;
};

// A surface over a recording canvas.
class trecording_surface : public tgraphbox_generic {
public:
    tcanvas* get_canvas() override { return &canvas; }
    trecording_canvas canvas;
};

class ContainerDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        register_controls_classes();
        create_form_components(*tform_reader::read(page_form, "page.form"), page.controls, &page);
        page.controls.calculate_viewports(font_tag, canvas, {0, 0, 300, 200});
        canvas.clear();
    }
    tuse_test_grid_renderer grids;
    ttest_owner page;
    trecording_canvas canvas;
    int32_t font_tag = 0;
};

}  // namespace

TEST_F(ContainerDispatch, IconsErasePaintBoxesGoToTheHandlerAndOtherKindsNeedATheme) {
    page.controls.draw_control(canvas, font_tag, 101);
    ASSERT_EQ(4u, canvas.lines().size());
    EXPECT_EQ("fill_rect 0 0 300 24", canvas.lines()[2]);
    EXPECT_EQ("icon set 6 #3 at 0 0", canvas.lines()[3]);
    page.controls.draw_control(canvas, font_tag, 102);
    EXPECT_EQ((std::vector<std::string>{"102:-1,-1"}), page.painted);
    expect_raises("Unassigned theme in tcontainer_controls2.draw_control( 103, tvelmor_label );",
                  [&] { page.controls.draw_control(canvas, font_tag, 103); });
    expect_raises("Unassigned control in tcontainer_controls2.draw_control( 199 );",
                  [&] { page.controls.draw_control(canvas, font_tag, 199); });
    page.controls.get_control(103)->visible = false;
    page.controls.draw_control(canvas, font_tag, 103);  // an invisible control is not drawn
    expect_raises("drawtype 0 not supported in tcontainer_controls2.draw_control_specific();",
                  [&] { page.controls.draw_control_specific(canvas, font_tag, 105, dt_grid_from_row, 0); });
}

// A hidden panel's place is another panel's (a tab shown in its stead): its controls, and those
// of the panels under it, draw nothing, however they are asked to.
TEST_F(ContainerDispatch, ControlsOfAHiddenPanelOrOfAPanelUnderOneDrawNothing) {
    page.controls.get_panel(2102)->visible = false;
    page.controls.draw_control(canvas, font_tag, 201);  // themeless: a draw would raise
    page.controls.get_panel(2102)->visible = true;
    page.controls.get_panel(2101)->visible = false;
    page.controls.draw_control(canvas, font_tag, 101);
    page.controls.draw_control(canvas, font_tag, 102);
    page.controls.draw_panel_controls(canvas, font_tag, 2101);
    page.controls.draw_panel_controls(canvas, font_tag, 2102);
    EXPECT_TRUE(canvas.lines().empty());
    EXPECT_TRUE(page.painted.empty());
    page.controls.get_panel(2101)->visible = true;
    page.controls.draw_control(canvas, font_tag, 101);
    EXPECT_FALSE(canvas.lines().empty());
}

TEST_F(ContainerDispatch, CalculatedViewportsAskTheHandlerWithMessage1111) {
    page.answer = [](void* aparams, int32_t, int32_t amsg) {
        if (amsg == tmsg_code::control_rect) *static_cast<trect*>(aparams) = trect{5, 6, 7, 8};
        return true;
    };
    trect r;
    page.controls.get_viewport(201, r);
    EXPECT_EQ((trect{5, 6, 7, 8}), r);
    EXPECT_EQ((std::vector<tsent_message>{{201, 1111}}), page.messages);
    page.controls.get_panel(2102)->calculated_viewports = false;
    expect_raises("Read on unassigned viewport[201] in tcontainer_controls2.get_viewport();",
                  [&] { page.controls.get_viewport(201, r); });
}

TEST_F(ContainerDispatch, AGridOutOfTheFocusOrderStillTakesMouseClicks) {
    auto* grid = static_cast<tvelmor_grid*>(page.controls.get_control(104));
    grid->set_rowcount(5);
    EXPECT_TRUE(page.controls.handle_mousedown(canvas, font_tag, mb_left, 0, 10, 84, false));
    EXPECT_EQ((std::vector<int32_t>{104}), grids.renderer.hit_tested);
    EXPECT_EQ((std::vector<tsent_message>{{104, tmsg_code::grid_moved}}), page.messages);
    EXPECT_EQ(1, grid->row);
    grid->row = 0;
    grid->enabled = false;
    EXPECT_FALSE(page.controls.handle_mousedown(canvas, font_tag, mb_left, 0, 10, 70, false));
    grid->enabled = true;
    page.controls.get_panel(2101)->enabled = false;
    EXPECT_FALSE(page.controls.handle_mousedown(canvas, font_tag, mb_left, 0, 10, 70, false));
}

// A click whose message leaves the page frees the container in the middle of its walk; the walk
// must stop there (the sanitizer build catches a touch of the freed container).
TEST_F(ContainerDispatch, AClickThatFreesThePageEndsTheWalkAtOnce) {
    auto doomed = std::make_unique<ttest_owner>();
    create_form_components(*tform_reader::read(page_form, "page.form"), doomed->controls, doomed.get());
    doomed->controls.calculate_viewports(font_tag, canvas, {0, 0, 300, 200});
    static_cast<tvelmor_grid*>(doomed->controls.get_control(104))->set_rowcount(5);
    bool freed = false;
    doomed->answer = [&](void*, int32_t, int32_t amsg) {
        if (amsg == tmsg_code::grid_moved) {
            freed = true;
            doomed.reset();
        }
        return true;
    };
    tcontainer_controls2& controls = doomed->controls;
    EXPECT_TRUE(controls.handle_mousedown(canvas, font_tag, mb_left, 0, 10, 84, false));
    EXPECT_TRUE(freed);
}

TEST_F(ContainerDispatch, KeysGoToTheControlsControllerAndAMissingControlIsReported) {
    EXPECT_FALSE(page.controls.send_key(104, canvas, font_tag, false, 40, 0, true));  // grids see key-down only
    EXPECT_FALSE(page.controls.send_key(106, canvas, font_tag, false, 40, 0, false));  // scroll bars take no keys
    expect_raises("Unassigned control in tcontainer_controls2.send_key( 150 );",
                  [&] { page.controls.send_key(150, canvas, font_tag, false, 13, 0, false); });
}

TEST_F(ContainerDispatch, AComboBoxStoresTheChosenItemsIdBeforeTheHandlerHearsOfIt) {
    tcontact_record record;
    static_cast<tmiscobject_fieldlinks_record*>(page.controls.get_miscobject(107))->setup_data1(&record);
    tmsg_params_item_index params{1};
    page.controls.get_control(105)->send_message(&params, tmsg_code::combobox_changed);
    EXPECT_EQ(1, record.kind);
    EXPECT_EQ((std::vector<tsent_message>{{105, 1109}}), page.messages);
}

TEST_F(ContainerDispatch, AScrollBarConsumesTheGridsTopRowAndTheGridSetsItsRange) {
    tnoting_scrollbar_renderer renderer;
    static_cast<tvelmor_theme_scrollbar*>(page.controls.get_theme_by_tag(904))->classrender = &renderer;
    trecording_surface surface;
    page.surface = &surface;
    auto* grid = static_cast<tvelmor_grid*>(page.controls.get_control(104));
    grid->set_rowcount(40);
    auto* bar = static_cast<tvelmor_scrollbar*>(page.controls.get_control(106));
    EXPECT_EQ(40, bar->range);
    tmsg_params_toprow top{12};
    EXPECT_TRUE(bar->send_message(&top, tmsg_code::grid_toprow));
    EXPECT_EQ(12, bar->position);
    EXPECT_TRUE(bar->send_message(&top, tmsg_code::grid_toprow));  // unchanged: no redraw
    EXPECT_EQ((std::vector<std::string>{"284: 40 0->12"}), renderer.moves);
    EXPECT_TRUE(page.messages.empty());
}

TEST_F(ContainerDispatch, HeaderControlsAreRefreshedFromTheirFieldLinks) {
    tcontact_record record;
    auto* links = static_cast<tmiscobject_fieldlinks_record*>(page.controls.get_miscobject(107));
    links->setup_data1(&record);
    auto* label = static_cast<tvelmor_label*>(page.controls.get_control(103));
    label->caption = u"old";
    page.controls.update_header_controls(107, -1);
    EXPECT_EQ(u"", label->caption);  // an unassigned field reads as empty
    record.set_asunicodestring1(0, u"Smith");
    record.set_aslongint1(1, 1);
    page.controls.update_header_controls(107, -1);
    EXPECT_EQ(u"Smith", label->caption);
    EXPECT_EQ(1, static_cast<tvelmor_combobox*>(page.controls.get_control(105))->item_index);
    page.controls.update_header_controls(999, -1);  // no such misc object: nothing happens
}

TEST_F(ContainerDispatch, GridsReportHowManyRowsFitOnlyWithAFullGridTheme) {
    int32_t rows = 0;
    ASSERT_TRUE(page.controls.execute_control_service(&rows, cs_get_grid_maximum_visible_rowcount, 104));
    EXPECT_EQ(13, rows);  // (200 - 67 - 2) div 10
    page.controls.get_control(104)->tag_theme = 904;
    expect_raises("Invalid tvelmor_theme_scrollbar theme in tcontainer_controls2.execute_control_service( "
                  "cs_get_grid_maximum_visible_rowcount );",
                  [&] { page.controls.execute_control_service(&rows, cs_get_grid_maximum_visible_rowcount, 104); });
}

TEST_F(ContainerDispatch, HandlersHideCellsAndChangeDimensionsThroughTheContainer) {
    trect r;
    EXPECT_TRUE(page.controls.set_align_value(102, pa_dimension, 30));
    page.controls.set_viewport_skip(101, true);
    page.controls.calculate_viewports(font_tag, canvas, {0, 0, 300, 200});
    page.controls.get_viewport(102, r);
    EXPECT_EQ((trect{0, 0, 300, 30}), r);  // the hidden icon's cell takes no space
    expect_raises("Read on unassigned viewport[201] in tcontainer_controls2.set_viewport_skip();",
                  [&] { page.controls.set_viewport_skip(201, true); });
}

TEST_F(ContainerDispatch, ALabelValueReadsItsCaptionAndRefusesToBeSet) {
    tvelmor_labelvalue value(&page);
    value.header = 108;
    value.fieldno = 0;
    expect_raises("tmiscobject_textlines.get_textvalue_fieldno(); not implemented.", [&] { value.get_caption(); });
    expect_raises("tvelmor_labelvalue.set_caption() not implemented.", [&] { value.set_caption(u"x"); });
    value.header = 0;
    EXPECT_EQ(u"", value.get_caption());
}
