#include "controls/label_bevel_registration.h"

#include "controls/bevel_renderers.h"
#include "controls/label_renderers.h"
#include "controls/theme.h"

void register_label_bevel_renderers() {
    static const tvelmor_render_label_standard label_standard;
    static const tvelmor_render_label_beveled label_beveled;
    static const tvelmor_render_bevel_standard bevel_standard;
    static const tvelmor_render_bevel_classic bevel_classic;
    trenderer_table& table = trenderer_table::global();
    table.label[classrender_label_standard] = &label_standard;
    table.label[classrender_label_beveled] = &label_beveled;
    table.bevel[classrender_bevel_standard] = &bevel_standard;
    table.bevel[classrender_bevel_classic] = &bevel_classic;
}
