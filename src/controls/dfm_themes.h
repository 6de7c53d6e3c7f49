// Declarations of a page's themes: the themes collection and one declaration per theme kind,
// each creating its theme with the renderer its renderer name stands for.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/dfm_component.h"
#include "controls/theme.h"

class tdfmelement_themes : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    void add_child(std::unique_ptr<tdfm_component> achild) override;
};

class tdfmelement_theme : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    virtual std::unique_ptr<tvelmor_theme> create_control() const;
    int32_t tag_theme = 0;
};

class tdfmelement_theme_edit : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_edit classrender = classrender_edit_standard;
    std::string font;
    int32_t color = 0, color_focused = 0, color_selected = 0;
};

class tdfmelement_theme_memo : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_memo classrender = classrender_memo_standard;
    std::string font;
    int32_t color = 0, color_focused = 0, color_selected = 0;
};

class tdfmelement_theme_label : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_label classrender = classrender_label_standard;
    int32_t color = 0;
    std::string font;
    int16_t margin = 0;
    tframeedges frameedges = frameedges_none;
};

class tdfmelement_theme_button : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_button classrender = classrender_button_standard;
    std::string font;
};

class tdfmelement_theme_bevel : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_bevel classrender = classrender_bevel_standard;
    int32_t color = 0;
};

class tdfmelement_theme_grid_brief : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_grid classrender = classrender_grid_standard;
    bool no_draw_frame = false;
    int16_t margin = 0;
};

class tdfmelement_theme_grid : public tdfmelement_theme_grid_brief {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    int32_t color = 0, color_focused = 0, color_selected = 0, color_selected_focused = 0;
    int32_t color_font = 0, color_font_focused = 0, color_font_selected = 0, color_font_selected_focused = 0;
};

class tdfmelement_theme_combobox : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_combobox classrender = classrender_combobox_standard;
    std::string font;
    int32_t color = 0, color_focused = 0, color_selected = 0;
};

class tdfmelement_theme_scrollbar : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_scrollbar classrender = classrender_scrollbar_standard;
};

class tdfmelement_theme_checkbox : public tdfmelement_theme {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_theme> create_control() const override;
    tclassrender_checkbox classrender = classrender_checkbox_standard;
    int32_t color = 0, color_focused = 0;
};
