#include "controls/dfm_themes.h"

#include "controls/dfm_elements.h"
#include "controls/font_code.h"

namespace {

const char* const grid_names[] = {"classrender_grid_standard", "classrender_grid_tabs", "classrender_grid_tabs2",
                                  "classrender_grid_header", "classrender_grid_menu"};
const char* const bevel_names[] = {"classrender_bevel_standard", "classrender_bevel_classic"};
const char* const label_names[] = {"classrender_label_standard", "classrender_label_beveled"};
const char* const button_names[] = {"classrender_button_standard", "classrender_button_bmp",
                                    "classrender_button_speed"};
const char* const edit_names[] = {"classrender_edit_standard"};
const char* const memo_names[] = {"classrender_memo_standard"};
const char* const combobox_names[] = {"classrender_combobox_standard"};
const char* const checkbox_names[] = {"classrender_checkbox_standard"};
const char* const scrollbar_names[] = {"classrender_scrollbar_standard"};

tcolor color_of(int32_t avalue) { return static_cast<tcolor>(avalue); }

template <typename T>
std::unique_ptr<T> new_theme(int32_t atag_theme) {
    auto t = std::make_unique<T>();
    t->tag_theme = atag_theme;
    return t;
}

}  // namespace

const tclass_info& tdfmelement_themes::static_class() {
    static const tclass_info info("tdfmelement_themes", &tdfm_component::static_class(),
                                  factory_of<tdfmelement_themes>);
    return info;
}

void tdfmelement_themes::add_child(std::unique_ptr<tdfm_component> achild) {
    if (!dynamic_cast<tdfmelement_theme*>(achild.get()))
        throw tvelmor_exception("%s cannot hold %s in %s.add_child();", Name, achild->class_name(), class_name());
    tdfm_component::add_child(std::move(achild));
}

const tclass_info& tdfmelement_theme::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_theme::tag_theme>("tag_theme")};
    static const tclass_info info("tdfmelement_theme", &tdfm_component::static_class(), nullptr, props);
    return info;
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme::create_control() const {
    throw tvelmor_exception("%s.create_control( %s ) not implemented.", class_name(), class_name());
}

const tclass_info& tdfmelement_theme_edit::static_class() {
    using C = tdfmelement_theme_edit;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", edit_names),
                                           prop<&C::font>("font"), prop<&C::color>("color"),
                                           prop<&C::color_focused>("color_focused"),
                                           prop<&C::color_selected>("color_selected")};
    return declared_class<C>("tdfmelement_theme_edit", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_edit::create_control() const {
    auto t = new_theme<tvelmor_theme_edit>(tag_theme);
    t->classrender = trenderer_table::global().edit;
    t->font = font_code_from_text(font);
    t->color = color_of(color);
    t->color_focused = color_of(color_focused);
    t->color_selected = color_of(color_selected);
    return t;
}

const tclass_info& tdfmelement_theme_memo::static_class() {
    using C = tdfmelement_theme_memo;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", memo_names),
                                           prop<&C::font>("font"), prop<&C::color>("color"),
                                           prop<&C::color_focused>("color_focused"),
                                           prop<&C::color_selected>("color_selected")};
    return declared_class<C>("tdfmelement_theme_memo", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_memo::create_control() const {
    auto t = new_theme<tvelmor_theme_memo>(tag_theme);
    t->classrender = trenderer_table::global().memo;
    t->font = font_code_from_text(font);
    t->color = color_of(color);
    t->color_focused = color_of(color_focused);
    t->color_selected = color_of(color_selected);
    return t;
}

const tclass_info& tdfmelement_theme_label::static_class() {
    using C = tdfmelement_theme_label;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", label_names),
                                           prop<&C::color>("color"), prop<&C::font>("font"),
                                           prop<&C::margin>("margin"),
                                           prop_enum<&C::frameedges>("frameedges", frameedges_names)};
    return declared_class<C>("tdfmelement_theme_label", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_label::create_control() const {
    auto t = new_theme<tvelmor_theme_label>(tag_theme);
    t->classrender = trenderer_table::global().label[classrender];
    t->color = color_of(color);
    t->font = font_code_from_text(font);
    t->margin = margin;
    t->frameedges = frameedges;
    return t;
}

const tclass_info& tdfmelement_theme_button::static_class() {
    using C = tdfmelement_theme_button;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", button_names),
                                           prop<&C::font>("font")};
    return declared_class<C>("tdfmelement_theme_button", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_button::create_control() const {
    auto t = new_theme<tvelmor_theme_button>(tag_theme);
    t->classrender = trenderer_table::global().button[classrender];
    t->font = font_code_from_text(font);
    return t;
}

const tclass_info& tdfmelement_theme_bevel::static_class() {
    using C = tdfmelement_theme_bevel;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", bevel_names),
                                           prop<&C::color>("color")};
    return declared_class<C>("tdfmelement_theme_bevel", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_bevel::create_control() const {
    auto t = new_theme<tvelmor_theme_bevel>(tag_theme);
    t->classrender = trenderer_table::global().bevel[classrender];
    t->color = color_of(color);
    return t;
}

const tclass_info& tdfmelement_theme_grid_brief::static_class() {
    using C = tdfmelement_theme_grid_brief;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", grid_names),
                                           prop<&C::no_draw_frame>("no_draw_frame"), prop<&C::margin>("margin")};
    return declared_class<C>("tdfmelement_theme_grid_brief", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_grid_brief::create_control() const {
    auto t = new_theme<tvelmor_theme_grid_brief>(tag_theme);
    t->classrender = trenderer_table::global().grid[classrender];
    t->no_draw_frame = no_draw_frame;
    t->margin = margin;
    return t;
}

const tclass_info& tdfmelement_theme_grid::static_class() {
    using C = tdfmelement_theme_grid;
    static const tproperty_info props[] = {
        prop<&C::color>("color"), prop<&C::color_focused>("color_focused"),
        prop<&C::color_selected>("color_selected"), prop<&C::color_selected_focused>("color_selected_focused"),
        prop<&C::color_font>("color_font"), prop<&C::color_font_focused>("color_font_focused"),
        prop<&C::color_font_selected>("color_font_selected"),
        prop<&C::color_font_selected_focused>("color_font_selected_focused")};
    return declared_class<C>("tdfmelement_theme_grid", tdfmelement_theme_grid_brief::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_grid::create_control() const {
    auto t = new_theme<tvelmor_theme_grid>(tag_theme);
    t->classrender = trenderer_table::global().grid[classrender];
    t->no_draw_frame = no_draw_frame;
    t->margin = margin;
    t->color = color_of(color);
    t->color_focused = color_of(color_focused);
    t->color_selected = color_of(color_selected);
    t->color_selected_focused = color_of(color_selected_focused);
    t->color_font = color_of(color_font);
    t->color_font_focused = color_of(color_font_focused);
    t->color_font_selected = color_of(color_font_selected);
    t->color_font_selected_focused = color_of(color_font_selected_focused);
    return t;
}

const tclass_info& tdfmelement_theme_combobox::static_class() {
    using C = tdfmelement_theme_combobox;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", combobox_names),
                                           prop<&C::font>("font"), prop<&C::color>("color"),
                                           prop<&C::color_focused>("color_focused"),
                                           prop<&C::color_selected>("color_selected")};
    return declared_class<C>("tdfmelement_theme_combobox", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_combobox::create_control() const {
    auto t = new_theme<tvelmor_theme_combobox>(tag_theme);
    t->classrender = trenderer_table::global().combobox;
    t->font = font_code_from_text(font);
    t->color = color_of(color);
    t->color_focused = color_of(color_focused);
    t->color_selected = color_of(color_selected);
    return t;
}

const tclass_info& tdfmelement_theme_scrollbar::static_class() {
    using C = tdfmelement_theme_scrollbar;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", scrollbar_names)};
    return declared_class<C>("tdfmelement_theme_scrollbar", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_scrollbar::create_control() const {
    auto t = new_theme<tvelmor_theme_scrollbar>(tag_theme);
    t->classrender = trenderer_table::global().scrollbar;
    return t;
}

const tclass_info& tdfmelement_theme_checkbox::static_class() {
    using C = tdfmelement_theme_checkbox;
    static const tproperty_info props[] = {prop_enum<&C::classrender>("classrender", checkbox_names),
                                           prop<&C::color>("color"), prop<&C::color_focused>("color_focused")};
    return declared_class<C>("tdfmelement_theme_checkbox", tdfmelement_theme::static_class(), props);
}

std::unique_ptr<tvelmor_theme> tdfmelement_theme_checkbox::create_control() const {
    auto t = new_theme<tvelmor_theme_checkbox>(tag_theme);
    t->classrender = trenderer_table::global().checkbox;
    t->color = color_of(color);
    t->color_focused = color_of(color_focused);
    return t;
}
