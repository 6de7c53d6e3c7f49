// The library's one registration: every renderer name resolves to its concrete renderer.
#include "controls/controls_registration.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/renderers.h"
#include "controls/theme.h"

TEST(ControlsRegistration, EveryRendererNameResolvesToItsConcreteRenderer) {
    trenderer_table& table = trenderer_table::global();
    const trenderer_table saved = table;
    register_renderers();
    const trenderer_table installed = table;
    table = saved;  // other tests in this program expect the abstract stand-ins
    struct tcase {
        const tvelmor_render_generic* renderer;
        std::string expected;
    };
    const tcase cases[] = {
        {installed.grid[classrender_grid_standard], "tvelmor_render_grid_standard"},
        {installed.grid[classrender_grid_tabs], "tvelmor_render_grid_tabs"},
        {installed.grid[classrender_grid_tabs2], "tvelmor_render_grid_tabs2"},
        {installed.grid[classrender_grid_header], "tvelmor_render_grid_header"},
        {installed.grid[classrender_grid_menu], "tvelmor_render_grid_menu"},
        {installed.bevel[classrender_bevel_standard], "tvelmor_render_bevel_standard"},
        {installed.bevel[classrender_bevel_classic], "tvelmor_render_bevel_classic"},
        {installed.label[classrender_label_standard], "tvelmor_render_label_standard"},
        {installed.label[classrender_label_beveled], "tvelmor_render_label_beveled"},
        {installed.button[classrender_button_standard], "tvelmor_render_button_standard"},
        {installed.button[classrender_button_bmp], "tvelmor_render_button_bmp"},
        {installed.button[classrender_button_speed], "tvelmor_render_button_speed"},
        {installed.edit, "tvelmor_render_edit_standard"},
        {installed.memo, "tvelmor_render_memo_standard"},
        {installed.combobox, "tvelmor_render_combobox_standard"},
        {installed.checkbox, "tvelmor_render_checkbox_standard"},
        {installed.scrollbar, "tvelmor_render_scrollbar_standard"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.expected);
        ASSERT_NE(nullptr, c.renderer);
        EXPECT_EQ(c.expected, c.renderer->class_name());
    }
}
