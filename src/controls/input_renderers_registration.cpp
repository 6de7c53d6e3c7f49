#include "controls/input_renderers_registration.h"

#include "controls/button_renderers.h"
#include "controls/checkbox_renderer.h"
#include "controls/combobox_renderer.h"
#include "controls/scrollbar_renderer.h"
#include "controls/theme.h"

void register_input_renderers() {
    static const tvelmor_render_button_standard button_standard;
    static const tvelmor_render_button_bmp button_bmp;
    static const tvelmor_render_button_speed button_speed;
    static const tvelmor_render_combobox_standard combobox_standard;
    static const tvelmor_render_checkbox_standard checkbox_standard;
    static const tvelmor_render_scrollbar_standard scrollbar_standard;
    trenderer_table& table = trenderer_table::global();
    table.button[classrender_button_standard] = &button_standard;
    table.button[classrender_button_bmp] = &button_bmp;
    table.button[classrender_button_speed] = &button_speed;
    table.combobox = &combobox_standard;
    table.checkbox = &checkbox_standard;
    table.scrollbar = &scrollbar_standard;
}
