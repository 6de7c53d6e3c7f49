#include "controls/controls_registration.h"

#include "controls/dfm_elements.h"
#include "controls/dfm_miscobjects.h"
#include "controls/dfm_themes.h"
#include "controls/dfm_values.h"

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
