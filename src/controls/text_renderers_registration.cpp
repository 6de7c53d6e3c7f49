#include "controls/text_renderers_registration.h"

#include "controls/edit_renderer.h"
#include "controls/memo_renderer.h"
#include "controls/theme.h"

void register_text_renderers() {
    static const tvelmor_render_edit_standard edit_standard;
    static const tvelmor_render_memo_standard memo_standard;
    trenderer_table& table = trenderer_table::global();
    table.edit = &edit_standard;
    table.memo = &memo_standard;
}
