#include "controls/embedded_forms.h"

#include <gtest/gtest.h>

#include "controls/controls_registration.h"
#include "controls/form_components.h"
#include "controls/form_reader.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"
#include "controls_test_support.h"
#include "page_fixture.h"

namespace {

// The program's renderers for one test; the table goes back to what it was afterwards.
struct tuse_program_renderers {
    tuse_program_renderers() { register_renderers(); }
    ~tuse_program_renderers() { trenderer_table::global() = fsaved; }
    trenderer_table fsaved = trenderer_table::global();
};

}  // namespace

// Every form built into the program reads, loads into a container, lays out at its own size and
// paints through the program's renderers.
TEST(EmbeddedForms, EveryFormOfTheProgramLoadsLaysOutAndPaints) {
    register_controls_classes();
    tuse_program_renderers renderers;
    ASSERT_NE(nullptr, find_embedded_form("form_page_menu_accounts"));
    ASSERT_NE(nullptr, find_embedded_form("form_page_big_edit"));
    for (const tembedded_form& f : embedded_forms()) {
        SCOPED_TRACE(f.path);
        register_form_class_if_page(f.root_class);
        std::unique_ptr<tdfm_form> form = tform_reader::read(f.text, f.path);
        ttest_owner page;
        create_form_components(*form, page.controls, &page);
        trecording_canvas canvas;
        int32_t font_tag = 0;
        page.controls.calculate_viewports(font_tag, canvas, {0, 0, form->ClientWidth, form->ClientHeight});
        page.controls.draw_controls(canvas, font_tag);
        EXPECT_FALSE(canvas.lines().empty());
    }
}

TEST(EmbeddedForms, AMissingFormIsReportedByName) {
    EXPECT_EQ(nullptr, find_embedded_form("form_page_nowhere"));
    expect_raises("Form form_page_nowhere is not in the program.", [] { read_embedded_form("form_page_nowhere"); });
}
