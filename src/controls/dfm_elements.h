// Declarations of a page's panels, viewports with their align entries, and controls, as read
// from its form. Each creates its runtime object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_types.h"
#include "controls/dfm_component.h"
#include "controls/viewport.h"

class icontrols_owner;
class tvelmor_control;
class tvelmor_panel;

enum tdfmelement_type : uint8_t {
    de_none, de_label, de_labelvalue, de_edit, de_memo, de_bevel, de_grid, de_dbgrid, de_button_bitbtn,
    de_button_bmp, de_icon, de_paintbox, de_combobox, de_grid_controls, de_scrollbar, de_checkbox
};
const char* dfmelement_type_name(tdfmelement_type akind);
// Names of the frame-edge values, in value order.
extern const char* const frameedges_names[16];

class tdfmelement_panel : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_panel> create_control() const;
    // A panel holds control declarations only.
    void add_child(std::unique_ptr<tdfm_component> achild) override;

    tdfmelement_panel* parent = nullptr;
    bool visible = false;
    bool enabled = true;
    int16_t focus_order = 0;
    uint32_t panel_options = 0;
    bool calculated_viewports = false;
};

class tdfmelement_align : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    int16_t index_parent = 0;
    TAlign align = alNone;
    int16_t margins_left = 0, margins_top = 0, margins_right = 0, margins_bottom = 0;
    int16_t dimension = 0;
    bool skip = false;
};

class tdfmelement_viewport : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    void add_child(std::unique_ptr<tdfm_component> achild) override;
    std::unique_ptr<tvelmor_viewport2> create_control() const;

    int32_t tag_control_parent = 0;
    int32_t tag_control_first = 0;
};

// The base of control declarations; the panel a declaration is nested in holds its control.
class tdfmelement_base : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    virtual tdfmelement_type kind() const { return de_none; }
    std::unique_ptr<tvelmor_control> create_control(icontrols_owner* aowner) const;

    int32_t tag_theme = 0;
    bool visible = true;

protected:
    virtual std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const;
    int32_t panel_tag() const;
};

class tdfmelement_focusable : public tdfmelement_base {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int16_t focus_order = 0;
};

class tdfmelement_customlabel : public tdfmelement_base {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tvelmor_alignment alignment = al_left_bottom;
    bool enabled = true;
};

class tdfmelement_customgrid : public tdfmelement_focusable {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    int32_t header = 0;
    int32_t header2 = 0;
    bool header_draw = false;
    int32_t tag_scrollbar = 0;
    int32_t rowcount = 0;
    int16_t rowheight = 0;
    std::vector<int32_t> colwidths;
    uint32_t grid_options = 0;
    bool enabled = true;

protected:
    void copy_grid(tvelmor_control& acontrol) const;
};

class tdfmelement_button : public tdfmelement_focusable {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    bool enabled = true;
};

class tdfmelement_label : public tdfmelement_customlabel {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_label; }
    std::u16string caption;
    int32_t header = 0;
    int16_t fieldno = 0;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_labelvalue : public tdfmelement_customlabel {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_labelvalue; }
    int32_t header = 0;
    int16_t fieldno = 0;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_edit : public tdfmelement_focusable {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_edit; }
    int32_t header = 0;
    int16_t fieldno = 0;
    uint32_t edit_options = 0;
    bool enabled = true;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_memo : public tdfmelement_focusable {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_memo; }
    int32_t header = 0;
    int16_t fieldno = 0;
    uint32_t edit_options = 0;
    int16_t row_height = 0;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_combobox : public tdfmelement_focusable {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_combobox; }
    int32_t header = 0;
    int32_t header2 = 0;
    int16_t fieldno = 0;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_checkbox : public tdfmelement_focusable {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_checkbox; }
    int32_t header = 0;
    int16_t fieldno = 0;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_bevel : public tdfmelement_base {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_bevel; }
    tframeedges frameedges = frameedges_all;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_grid : public tdfmelement_customgrid {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_grid; }
    bool transpose = false;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_grid_controls : public tdfmelement_customgrid {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_grid_controls; }

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_dbgrid : public tdfmelement_customgrid {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_dbgrid; }

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_button_bitbtn : public tdfmelement_button {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_button_bitbtn; }
    tbutton_kind button_kind = bk_yes;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_button_bmp : public tdfmelement_button {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_button_bmp; }
    int16_t icon_set = 0;
    int16_t icon = 0;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_icon : public tdfmelement_base {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_icon; }
    int16_t icon_set = 0;
    int16_t icon = 0;
    bool erase = false;

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_paintbox : public tdfmelement_base {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_paintbox; }

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};

class tdfmelement_scrollbar : public tdfmelement_base {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdfmelement_type kind() const override { return de_scrollbar; }

protected:
    std::unique_ptr<tvelmor_control> make_control(icontrols_owner* aowner) const override;
};
