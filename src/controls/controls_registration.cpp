#include "controls/controls_registration.h"

#include "controls/bevel_renderers.h"
#include "controls/button_renderers.h"
#include "controls/checkbox_renderer.h"
#include "controls/combobox_renderer.h"
#include "controls/dfm_elements.h"
#include "controls/dfm_miscobjects.h"
#include "controls/dfm_themes.h"
#include "controls/dfm_values.h"
#include "controls/edit_renderer.h"
#include "controls/grid_renderers.h"
#include "controls/label_renderers.h"
#include "controls/memo_renderer.h"
#include "controls/scrollbar_renderer.h"
#include "controls/theme.h"

void register_controls_classes() {
    const tclass_info* const classes[] = {
        &tdfm_form::static_class(),
        &tdfmelement_panel::static_class(),
        &tdfmelement_viewport::static_class(),
        &tdfmelement_align::static_class(),
        &tdfmelement_label::static_class(),
        &tdfmelement_labelvalue::static_class(),
        &tdfmelement_edit::static_class(),
        &tdfmelement_memo::static_class(),
        &tdfmelement_combobox::static_class(),
        &tdfmelement_checkbox::static_class(),
        &tdfmelement_bevel::static_class(),
        &tdfmelement_grid::static_class(),
        &tdfmelement_grid_controls::static_class(),
        &tdfmelement_dbgrid::static_class(),
        &tdfmelement_button_bitbtn::static_class(),
        &tdfmelement_button_bmp::static_class(),
        &tdfmelement_icon::static_class(),
        &tdfmelement_paintbox::static_class(),
        &tdfmelement_scrollbar::static_class(),
        &tdfmelement_themes::static_class(),
        &tdfmelement_theme_edit::static_class(),
        &tdfmelement_theme_memo::static_class(),
        &tdfmelement_theme_label::static_class(),
        &tdfmelement_theme_button::static_class(),
        &tdfmelement_theme_bevel::static_class(),
        &tdfmelement_theme_grid::static_class(),
        &tdfmelement_theme_grid_brief::static_class(),
        &tdfmelement_theme_combobox::static_class(),
        &tdfmelement_theme_scrollbar::static_class(),
        &tdfmelement_theme_checkbox::static_class(),
        &tdfmelement_miscobjects::static_class(),
        &tdfmelement_miscobject_fieldlinks::static_class(),
        &tdfmelement_miscobject_gridcolumns::static_class(),
        &tdfmelement_miscobject_listrows::static_class(),
        &tdfmelement_miscobject_value::static_class(),
        &tdfmelement_miscobject_textlines::static_class(),
        &tdfmelement_miscobject_screenparams::static_class(),
        &tdfmelement_messagelines::static_class(),
        &tdfmelement_miscobject_datafields::static_class(),
        &tdfmelement_value_longint::static_class(),
        &tdfmelement_value_currency::static_class(),
        &tdfmelement_validated_currency::static_class(),
        &tdfmelement_formatted_currency::static_class(),
        &tdfmelement_value_unicodestring::static_class(),
        &tdfmelement_formatted_daycount::static_class(),
        &tdfmelement_value_array::static_class(),
        &tdfmelement_value_custom::static_class(),
    };
    tclass_registry& registry = tclass_registry::global();
    for (const tclass_info* c : classes)
        if (!registry.find(c->name())) registry.add(*c);
}

void register_renderers() {
    static const tvelmor_render_grid_standard grid_standard;
    static const tvelmor_render_grid_tabs grid_tabs;
    static const tvelmor_render_grid_tabs2 grid_tabs2;
    static const tvelmor_render_grid_header grid_header;
    static const tvelmor_render_grid_menu grid_menu;
    static const tvelmor_render_bevel_standard bevel_standard;
    static const tvelmor_render_bevel_classic bevel_classic;
    static const tvelmor_render_label_standard label_standard;
    static const tvelmor_render_label_beveled label_beveled;
    static const tvelmor_render_button_standard button_standard;
    static const tvelmor_render_button_bmp button_bmp;
    static const tvelmor_render_button_speed button_speed;
    static const tvelmor_render_edit_standard edit_standard;
    static const tvelmor_render_memo_standard memo_standard;
    static const tvelmor_render_combobox_standard combobox_standard;
    static const tvelmor_render_checkbox_standard checkbox_standard;
    static const tvelmor_render_scrollbar_standard scrollbar_standard;
    trenderer_table& table = trenderer_table::global();
    table.grid[classrender_grid_standard] = &grid_standard;
    table.grid[classrender_grid_tabs] = &grid_tabs;
    table.grid[classrender_grid_tabs2] = &grid_tabs2;
    table.grid[classrender_grid_header] = &grid_header;
    table.grid[classrender_grid_menu] = &grid_menu;
    table.bevel[classrender_bevel_standard] = &bevel_standard;
    table.bevel[classrender_bevel_classic] = &bevel_classic;
    table.label[classrender_label_standard] = &label_standard;
    table.label[classrender_label_beveled] = &label_beveled;
    table.button[classrender_button_standard] = &button_standard;
    table.button[classrender_button_bmp] = &button_bmp;
    table.button[classrender_button_speed] = &button_speed;
    table.edit = &edit_standard;
    table.memo = &memo_standard;
    table.combobox = &combobox_standard;
    table.checkbox = &checkbox_standard;
    table.scrollbar = &scrollbar_standard;
}
