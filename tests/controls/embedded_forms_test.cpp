#include "controls/embedded_forms.h"

#include <gtest/gtest.h>

#include "controls/controls_registration.h"
#include "controls/form_components.h"
#include "controls/form_reader.h"
#include "controls/recording_canvas.h"
#include "controls_test_support.h"
#include "page_fixture.h"

// Every form built into the program reads, loads into a container and lays out at its own size.
TEST(EmbeddedForms, EveryFormOfTheProgramLoadsAndLaysOut) {
    register_controls_classes();
    tuse_test_grid_renderer grids;
    for (const tembedded_form& f : embedded_forms()) {
        SCOPED_TRACE(f.path);
        register_form_class_if_page(f.root_class);
        std::unique_ptr<tdfm_form> form = tform_reader::read(f.text, f.path);
        ttest_owner page;
        create_form_components(*form, page.controls, &page);
        trecording_canvas canvas;
        int32_t font_tag = 0;
        page.controls.calculate_viewports(font_tag, canvas, {0, 0, form->ClientWidth, form->ClientHeight});
    }
}

TEST(EmbeddedForms, AMissingFormIsReportedByName) {
    EXPECT_EQ(nullptr, find_embedded_form("form_page_nowhere"));
    expect_raises("Form form_page_nowhere is not in the program.", [] { read_embedded_form("form_page_nowhere"); });
}
