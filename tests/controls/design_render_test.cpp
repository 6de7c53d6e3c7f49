#include "controls/design_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "controls/controls_registration.h"
#include "controls/form_reader.h"
#include "controls/control_kinds.h"
#include "controls/recording_canvas.h"
#include "controls_test_support.h"

namespace {

std::unique_ptr<tdfm_form> sample_form() {
    register_controls_classes();
    std::string path = std::string(VELMOR_TEST_DATA) + "/forms/form_sample_contact.form";
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return tform_reader::read(s.str(), path);
}

// Labels are drawn by their renderer; this one only notes the label it was given.
class tnoting_label_renderer : public tvelmor_render_label_generic {
public:
    void draw_label(tcanvas& acanvas, int32_t&, const trect&, tvelmor_customlabel& acontrol,
                    tvelmor_theme_label*) const override {
        acanvas.text_out(0, 0, u"label " + utf8_to_utf16(std::to_string(acontrol.tag)));
    }
};

class tnoting_bevel_renderer : public tvelmor_render_bevel_generic {
public:
    void draw_bevel(tcanvas& acanvas, tvelmor_bevel& acontrol, tvelmor_theme_bevel*, const trect&, bool) const override {
        acanvas.text_out(0, 0, u"bevel " + utf8_to_utf16(std::to_string(acontrol.tag)));
    }
};

bool has_line(const trecording_canvas& acanvas, const std::string& aline) {
    return std::find(acanvas.lines().begin(), acanvas.lines().end(), aline) != acanvas.lines().end();
}

}  // namespace

TEST(DesignRender, ViewportModeOutlinesEveryCellOfEveryVisiblePanelWithItsTag) {
    std::unique_ptr<tdfm_form> form = sample_form();
    tvelmor_design_render2 preview(*form, rm_viewport);
    trecording_canvas canvas;
    preview.draw(canvas, 800, 600);
    std::string text = canvas.text();
    SCOPED_TRACE(text);
    EXPECT_TRUE(has_line(canvas, "rectangle 10 10 790 40"));
    EXPECT_NE(std::string::npos, text.find("\"P2101.101\""));
    EXPECT_NE(std::string::npos, text.find("\"P2102.203\""));
    EXPECT_TRUE(has_line(canvas, "rectangle 4 101 796 600"));  // the grid's cell inside the nested panel
}

TEST(DesignRender, ControlClassModeNamesTheControlOfEachCell) {
    std::unique_ptr<tdfm_form> form = sample_form();
    tvelmor_design_render2 preview(*form, rm_controlclass);
    trecording_canvas canvas;
    preview.draw(canvas, 800, 600);
    std::string text = canvas.text();
    EXPECT_NE(std::string::npos, text.find("\"202: tvelmor_edit.\"")) << text;
    EXPECT_NE(std::string::npos, text.find("\"103: NIL.\"")) << text;
}

TEST(DesignRender, ControlModeDrawsEditsAsBoxesAndUnthemedCellsCrossed) {
    tnoting_label_renderer labels;
    tnoting_bevel_renderer bevels;
    auto& table = trenderer_table::global();
    trenderer_table saved = table;
    table.label[0] = &labels;
    table.bevel[0] = &bevels;
    std::unique_ptr<tdfm_form> form = sample_form();
    tvelmor_design_render2 preview(*form, rm_control);
    table = saved;
    trecording_canvas canvas;
    preview.draw(canvas, 800, 600);
    std::string text = canvas.text();
    EXPECT_NE(std::string::npos, text.find("\"edit.202\"")) << text;
    EXPECT_TRUE(has_line(canvas, "rectangle 0 51 800 600")) << text;  // cell 103 holds no control
    EXPECT_TRUE(has_line(canvas, "line_to 799 599")) << text;
    EXPECT_NE(std::string::npos, text.find("label 201")) << text;
    EXPECT_NE(std::string::npos, text.find("bevel 102")) << text;
}

TEST(DesignRender, TheFirstViewportMustBeTheRoot) {
    register_controls_classes();
    std::unique_ptr<tdfm_form> form = tform_reader::read(
        "object f: Tform_page2\n  object p: tdfmelement_panel\n    Tag = 2101\n    visible = True\n  end\n"
        "  object v: tdfmelement_viewport\n    Tag = 2101\n    tag_control_parent = 105\n  end\nend\n",
        "root.form");
    tvelmor_design_render2 preview(*form);
    trecording_canvas canvas;
    expect_raises("First Viewport must be root in tvelmor_design_render2.calculate_viewport_rects();",
                  [&] { preview.draw(canvas, 100, 100); });
}
