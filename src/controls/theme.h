// Themes: how a control looks (renderer, fonts, colours, margin, frame edges). Controls name their
// theme by tag; several controls share one. The renderer tables say which renderer each
// declared renderer name stands for.
#pragma once

#include <cstdint>
#include <string>

#include "controls/canvas.h"
#include "controls/control_types.h"
#include "controls/renderers.h"
#include "procs/velmor_exception.h"

enum tvelmor_theme_type : uint8_t {
    at_edit, at_memo, at_label, at_button, at_bevel, at_grid, at_grid_brief, at_combobox, at_scrollbar, at_checkbox
};

enum tclassrender_grid : uint8_t {
    classrender_grid_standard, classrender_grid_tabs, classrender_grid_tabs2, classrender_grid_header,
    classrender_grid_menu
};
enum tclassrender_bevel : uint8_t { classrender_bevel_standard, classrender_bevel_classic };
enum tclassrender_label : uint8_t { classrender_label_standard, classrender_label_beveled };
enum tclassrender_button : uint8_t { classrender_button_standard, classrender_button_bmp, classrender_button_speed };
enum tclassrender_edit : uint8_t { classrender_edit_standard };
enum tclassrender_memo : uint8_t { classrender_memo_standard };
enum tclassrender_combobox : uint8_t { classrender_combobox_standard };
enum tclassrender_checkbox : uint8_t { classrender_checkbox_standard };
enum tclassrender_scrollbar : uint8_t { classrender_scrollbar_standard };

// The renderer behind each renderer name. Until a concrete renderer is registered the family's
// abstract base stands in, so drawing raises its "not implemented" message.
struct trenderer_table {
    static trenderer_table& global();
    const tvelmor_render_grid_generic* grid[5];
    const tvelmor_render_bevel_generic* bevel[2];
    const tvelmor_render_label_generic* label[2];
    const tvelmor_render_button_generic* button[3];
    const tvelmor_render_edit_generic* edit;
    const tvelmor_render_memo_generic* memo;
    const tvelmor_render_combobox_generic* combobox;
    const tvelmor_render_checkbox_generic* checkbox;
    const tvelmor_render_scrollbar_generic* scrollbar;
};

class tvelmor_theme : public tvelmor_object {
public:
    explicit tvelmor_theme(tvelmor_theme_type aid) : id(aid) {}
    const char* class_name() const override { return "tvelmor_theme"; }
    virtual void save_as_text(std::string& amsgtext) const;
    // The renderer's class name for dumps; empty for the base.
    virtual const char* renderclass_name() const { return ""; }

    tvelmor_theme_type id;
    int32_t tag_theme = 0;
};

// A theme of one renderer family R.
template <typename R>
class tvelmor_theme_of : public tvelmor_theme {
public:
    using tvelmor_theme::tvelmor_theme;
    const char* renderclass_name() const override { return classrender ? classrender->class_name() : "NIL"; }
    const R* classrender = nullptr;
};

class tvelmor_theme_edit : public tvelmor_theme_of<tvelmor_render_edit_generic> {
public:
    tvelmor_theme_edit() : tvelmor_theme_of(at_edit) {}
    const char* class_name() const override { return "tvelmor_theme_edit"; }
    int32_t font = 0;
    tcolor color = 0, color_focused = 0, color_selected = 0;
};

class tvelmor_theme_memo : public tvelmor_theme_of<tvelmor_render_memo_generic> {
public:
    tvelmor_theme_memo() : tvelmor_theme_of(at_memo) {}
    const char* class_name() const override { return "tvelmor_theme_memo"; }
    int32_t font = 0;
    tcolor color = 0, color_focused = 0, color_selected = 0;
};

class tvelmor_theme_label : public tvelmor_theme_of<tvelmor_render_label_generic> {
public:
    tvelmor_theme_label() : tvelmor_theme_of(at_label) {}
    const char* class_name() const override { return "tvelmor_theme_label"; }
    tcolor color = 0;
    int32_t font = 0;
    int16_t margin = 0;
    tframeedges frameedges = frameedges_none;
};

class tvelmor_theme_button : public tvelmor_theme_of<tvelmor_render_button_generic> {
public:
    tvelmor_theme_button() : tvelmor_theme_of(at_button) {}
    const char* class_name() const override { return "tvelmor_theme_button"; }
    int32_t font = 0;
};

class tvelmor_theme_bevel : public tvelmor_theme_of<tvelmor_render_bevel_generic> {
public:
    tvelmor_theme_bevel() : tvelmor_theme_of(at_bevel) {}
    const char* class_name() const override { return "tvelmor_theme_bevel"; }
    tcolor color = 0;
};

class tvelmor_theme_grid_brief : public tvelmor_theme_of<tvelmor_render_grid_generic> {
public:
    tvelmor_theme_grid_brief() : tvelmor_theme_of(at_grid_brief) {}
    const char* class_name() const override { return "tvelmor_theme_grid_brief"; }
    bool no_draw_frame = false;
    int16_t margin = 0;

protected:
    explicit tvelmor_theme_grid_brief(tvelmor_theme_type aid) : tvelmor_theme_of(aid) {}
};

class tvelmor_theme_grid : public tvelmor_theme_grid_brief {
public:
    tvelmor_theme_grid() : tvelmor_theme_grid_brief(at_grid) {}
    const char* class_name() const override { return "tvelmor_theme_grid"; }
    tcolor color = 0, color_focused = 0, color_selected = 0, color_selected_focused = 0;
    tcolor color_font = 0, color_font_focused = 0, color_font_selected = 0, color_font_selected_focused = 0;
};

class tvelmor_theme_combobox : public tvelmor_theme_of<tvelmor_render_combobox_generic> {
public:
    tvelmor_theme_combobox() : tvelmor_theme_of(at_combobox) {}
    const char* class_name() const override { return "tvelmor_theme_combobox"; }
    int32_t font = 0;
    tcolor color = 0, color_focused = 0, color_selected = 0;
};

class tvelmor_theme_scrollbar : public tvelmor_theme_of<tvelmor_render_scrollbar_generic> {
public:
    tvelmor_theme_scrollbar() : tvelmor_theme_of(at_scrollbar) {}
    const char* class_name() const override { return "tvelmor_theme_scrollbar"; }
};

class tvelmor_theme_checkbox : public tvelmor_theme_of<tvelmor_render_checkbox_generic> {
public:
    tvelmor_theme_checkbox() : tvelmor_theme_of(at_checkbox) {}
    const char* class_name() const override { return "tvelmor_theme_checkbox"; }
    tcolor color = 0, color_focused = 0;
};
