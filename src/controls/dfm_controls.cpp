// Property tables and runtime controls of the concrete control declarations.
#include "controls/control_kinds.h"
#include "controls/dfm_elements.h"
#include "controls/grid_controls.h"
#include "controls/text_controls.h"

namespace {
const char* const alignment_names[] = {"al_left_bottom", "al_left_top",      "al_left_center",
                                       "al_right_bottom", "al_right_top",   "al_right_center",
                                       "al_center_bottom", "al_center_top", "al_center_center"};
const char* const edit_option_names[] = {"eo_listen_text_changes", "eo_password"};
const char* const grid_option_names[] = {"go_select_cell", "go_listen_data_requests", "go_can_select_cell"};
const char* const button_kind_names[] = {"bk_yes", "bk_no", "bk_ok", "bk_cancel", "bk_close", "bk_go"};
}  // namespace

const char* const frameedges_names[16] = {
    "frameedges_none",          "frameedges_left",          "frameedges_top",           "frameedges_lefttop",
    "frameedges_right",         "frameedges_rightleft",     "frameedges_righttop",      "frameedges_rightlefttop",
    "frameedges_bottom",        "frameedges_bottomleft",    "frameedges_bottomtop",     "frameedges_bottomlefttop",
    "frameedges_bottomright",   "frameedges_bottomrightleft", "frameedges_bottomrighttop", "frameedges_all"};

const tclass_info& tdfmelement_customlabel::static_class() {
    static const tproperty_info props[] = {
        prop_enum<&tdfmelement_customlabel::alignment>("alignment", alignment_names),
        prop<&tdfmelement_customlabel::enabled>("enabled").def(1),
    };
    static const tclass_info info("tdfmelement_customlabel", &tdfmelement_base::static_class(), nullptr, props);
    return info;
}

const tclass_info& tdfmelement_customgrid::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_customgrid::header>("header"),
        prop<&tdfmelement_customgrid::header2>("header2"),
        prop<&tdfmelement_customgrid::header_draw>("header_draw"),
        prop<&tdfmelement_customgrid::tag_scrollbar>("tag_scrollbar"),
        prop<&tdfmelement_customgrid::rowcount>("rowcount"),
        prop<&tdfmelement_customgrid::rowheight>("rowheight"),
        prop<&tdfmelement_customgrid::colwidths>("colwidths"),
        prop_set<&tdfmelement_customgrid::grid_options>("grid_options", grid_option_names),
        prop<&tdfmelement_customgrid::enabled>("enabled").def(1),
    };
    static const tclass_info info("tdfmelement_customgrid", &tdfmelement_focusable::static_class(), nullptr, props);
    return info;
}

void tdfmelement_customgrid::copy_grid(tvelmor_control& acontrol) const {
    auto& g = static_cast<tvelmor_customgrid&>(acontrol);
    g.header = header;
    g.header2 = header2;
    g.header_draw = header_draw;
    g.tag_scrollbar = tag_scrollbar;
    g.rowcount = rowcount;
    g.row_height = rowheight;
    g.set_colwidths(colwidths);
    g.grid_options = enum_set_from_bits<tvelmor_grid_option>(grid_options);
    g.enabled = enabled;
}

const tclass_info& tdfmelement_label::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_label::caption>("caption"),
        prop<&tdfmelement_label::header>("header"),
        prop<&tdfmelement_label::fieldno>("fieldno"),
    };
    return declared_class<tdfmelement_label>("tdfmelement_label", tdfmelement_customlabel::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_label::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_label>(aowner);
    c->alignment = alignment;
    c->enabled = enabled;
    c->caption = caption;
    c->header = header;
    c->fieldno = fieldno;
    return c;
}

const tclass_info& tdfmelement_labelvalue::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_labelvalue::header>("header"),
        prop<&tdfmelement_labelvalue::fieldno>("fieldno"),
    };
    return declared_class<tdfmelement_labelvalue>("tdfmelement_labelvalue", tdfmelement_customlabel::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_labelvalue::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_labelvalue>(aowner);
    c->alignment = alignment;
    c->enabled = enabled;
    c->header = header;
    c->fieldno = fieldno;
    return c;
}

const tclass_info& tdfmelement_edit::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_edit::header>("header"),
        prop<&tdfmelement_edit::fieldno>("fieldno"),
        prop_set<&tdfmelement_edit::edit_options>("edit_options", edit_option_names),
        prop<&tdfmelement_edit::enabled>("enabled").def(1),
    };
    return declared_class<tdfmelement_edit>("tdfmelement_edit", tdfmelement_focusable::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_edit::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_edit>(aowner);
    c->header = header;
    c->fieldno = fieldno;
    c->edit_options = enum_set_from_bits<tvelmor_edit_option>(edit_options);
    c->enabled = enabled;
    return c;
}

const tclass_info& tdfmelement_memo::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_memo::header>("header"),
        prop<&tdfmelement_memo::fieldno>("fieldno"),
        prop_set<&tdfmelement_memo::edit_options>("edit_options", edit_option_names),
        prop<&tdfmelement_memo::row_height>("row_height"),
    };
    return declared_class<tdfmelement_memo>("tdfmelement_memo", tdfmelement_focusable::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_memo::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_memo>(aowner);
    c->header = header;
    c->fieldno = fieldno;
    c->edit_options = enum_set_from_bits<tvelmor_edit_option>(edit_options);
    c->row_height = row_height;
    return c;
}

const tclass_info& tdfmelement_combobox::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_combobox::header>("header"),
        prop<&tdfmelement_combobox::header2>("header2"),
        prop<&tdfmelement_combobox::fieldno>("fieldno"),
    };
    return declared_class<tdfmelement_combobox>("tdfmelement_combobox", tdfmelement_focusable::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_combobox::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_combobox>(aowner);
    c->header = header;
    c->header2 = header2;
    c->fieldno = fieldno;
    return c;
}

const tclass_info& tdfmelement_checkbox::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_checkbox::header>("header"),
        prop<&tdfmelement_checkbox::fieldno>("fieldno"),
    };
    return declared_class<tdfmelement_checkbox>("tdfmelement_checkbox", tdfmelement_focusable::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_checkbox::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_checkbox>(aowner);
    c->header = header;
    c->fieldno = fieldno;
    return c;
}

const tclass_info& tdfmelement_bevel::static_class() {
    static const tproperty_info props[] = {
        prop_enum<&tdfmelement_bevel::frameedges>("frameedges", frameedges_names).def(frameedges_all)};
    return declared_class<tdfmelement_bevel>("tdfmelement_bevel", tdfmelement_base::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_bevel::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_bevel>(aowner);
    c->frameedges = frameedges;
    return c;
}

const tclass_info& tdfmelement_grid::static_class() {
    static const tproperty_info props[] = {prop<&tdfmelement_grid::transpose>("transpose")};
    return declared_class<tdfmelement_grid>("tdfmelement_grid", tdfmelement_customgrid::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_grid::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_grid>(aowner);
    copy_grid(*c);
    c->transpose = transpose;
    return c;
}

const tclass_info& tdfmelement_grid_controls::static_class() {
    return declared_class<tdfmelement_grid_controls>("tdfmelement_grid_controls", tdfmelement_customgrid::static_class());
}

std::unique_ptr<tvelmor_control> tdfmelement_grid_controls::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_grid_controls>(aowner);
    copy_grid(*c);
    return c;
}

const tclass_info& tdfmelement_dbgrid::static_class() {
    return declared_class<tdfmelement_dbgrid>("tdfmelement_dbgrid", tdfmelement_customgrid::static_class());
}

std::unique_ptr<tvelmor_control> tdfmelement_dbgrid::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_dbgrid>(aowner);
    copy_grid(*c);
    return c;
}

const tclass_info& tdfmelement_button_bitbtn::static_class() {
    static const tproperty_info props[] = {
        prop_enum<&tdfmelement_button_bitbtn::button_kind>("kind", button_kind_names)};
    return declared_class<tdfmelement_button_bitbtn>("tdfmelement_button_bitbtn", tdfmelement_button::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_button_bitbtn::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_button_bitbtn>(aowner);
    c->enabled = enabled;
    c->kind = button_kind;
    return c;
}

const tclass_info& tdfmelement_button_bmp::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_button_bmp::icon_set>("icon_set"),
        prop<&tdfmelement_button_bmp::icon>("icon"),
    };
    return declared_class<tdfmelement_button_bmp>("tdfmelement_button_bmp", tdfmelement_button::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_button_bmp::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_button_bmp>(aowner);
    c->enabled = enabled;
    c->icon_set = icon_set;
    c->icon = icon;
    return c;
}

const tclass_info& tdfmelement_icon::static_class() {
    static const tproperty_info props[] = {
        prop<&tdfmelement_icon::icon_set>("icon_set"),
        prop<&tdfmelement_icon::icon>("icon"),
        prop<&tdfmelement_icon::erase>("erase"),
    };
    return declared_class<tdfmelement_icon>("tdfmelement_icon", tdfmelement_base::static_class(), props);
}

std::unique_ptr<tvelmor_control> tdfmelement_icon::make_control(icontrols_owner* aowner) const {
    auto c = std::make_unique<tvelmor_icon>(aowner);
    c->icon_set = icon_set;
    c->icon = icon;
    c->erase = erase;
    return c;
}

const tclass_info& tdfmelement_paintbox::static_class() {
    return declared_class<tdfmelement_paintbox>("tdfmelement_paintbox", tdfmelement_base::static_class());
}

std::unique_ptr<tvelmor_control> tdfmelement_paintbox::make_control(icontrols_owner* aowner) const {
    return std::make_unique<tvelmor_paintbox>(aowner);
}

const tclass_info& tdfmelement_scrollbar::static_class() {
    return declared_class<tdfmelement_scrollbar>("tdfmelement_scrollbar", tdfmelement_base::static_class());
}

std::unique_ptr<tvelmor_control> tdfmelement_scrollbar::make_control(icontrols_owner* aowner) const {
    return std::make_unique<tvelmor_scrollbar>(aowner);
}
