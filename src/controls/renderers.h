// The abstract bases of the renderer families. Renderers are stateless singletons reached through
// the reference a theme holds; each base raises "not implemented" from what a concrete renderer
// must provide. The concrete renderers live beside the themes' drawing code.
#pragma once

#include <cstdint>
#include <string>

#include "controls/canvas.h"
#include "controls/control_types.h"
#include "controls/geometry.h"
#include "procs/velmor_exception.h"

class tvelmor_control;
class tvelmor_customgrid;
class tvelmor_customlabel;
class tvelmor_button;
class tvelmor_bevel;
class tvelmor_edit;
class tvelmor_memo;
class tvelmor_combobox;
class tvelmor_checkbox;
class tvelmor_scrollbar;
class tvelmor_theme;
class tvelmor_theme_grid_brief;
class tvelmor_theme_label;
class tvelmor_theme_edit;
class tvelmor_theme_memo;
class tvelmor_theme_button;
class tvelmor_theme_bevel;
class tvelmor_theme_combobox;
class tvelmor_theme_checkbox;
class tvelmor_theme_scrollbar;

class tvelmor_render_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tvelmor_render_generic"; }
    // Fills (Left, Top, Right + 1, Bottom + 1) with the page background.
    void erase_control(tcanvas& acanvas, const trect& arect) const;

protected:
    [[noreturn]] void raise(const char* aformat) const { throw tvelmor_exception(aformat, class_name()); }
};

class tvelmor_render_grid_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_grid_generic"; }
    virtual int32_t get_gap_x() const;
    virtual int32_t get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol, const trect& arect) const;
    virtual trect get_cell_rect(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                                int32_t arow, int32_t acol) const;
    virtual void draw_cell2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                            int32_t arow1, int32_t acol1, int32_t arow2, int32_t acol2) const;
    virtual void draw_row2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                           int32_t arow1, int32_t arow2) const;
    virtual void draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                           int32_t arow_from) const;
    virtual bool get_pt_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& acontrol, const trect& arect,
                             int32_t ax, int32_t ay) const;
    virtual void draw_grid(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                           tvelmor_theme_grid_brief* atheme, const trect& arect) const;
    virtual void erase_rows(tcanvas& acanvas, tvelmor_customgrid& acontrol, const trect& arect) const;
    virtual void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                               tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext,
                               int32_t arow, int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                               int32_t aalignment_margin) const;
    // Stores the maximum visible row count for the rectangle into the grid.
    void set_visible_rowcount(tvelmor_customgrid& acontrol, const trect& arect) const;
};

class tvelmor_render_label_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_label_generic"; }
    virtual void draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                            int32_t afont_tag_new, bool aenabled, tvelmor_alignment aalignment,
                            tframeedges aframeedges, int32_t aalignment_margin) const;
    virtual void draw_label(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, tvelmor_customlabel& acontrol,
                            tvelmor_theme_label* atheme) const;
};

class tvelmor_render_edit_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_edit_generic"; }
    virtual void clear_characters(tcanvas& acanvas, const trect& arect, tvelmor_edit& acontrol,
                                  tvelmor_theme_edit* atheme) const;
    virtual void draw_single_char(tcanvas& acanvas, const trect& arect, tvelmor_edit& acontrol, char16_t achar,
                                  tvelmor_theme_edit* atheme) const;
    virtual void draw_line(tcanvas& acanvas, tvelmor_edit& acontrol, const trect& arect,
                           tvelmor_theme_edit* atheme) const;
    virtual void draw_edit(tcanvas& acanvas, int32_t& afont_tag, tvelmor_edit& acontrol, const trect& arect,
                           tvelmor_theme_edit* atheme) const;
};

class tvelmor_render_memo_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_memo_generic"; }
    virtual int32_t get_maximum_visible_linecount(const tvelmor_memo& acontrol, const trect& arect) const;
    virtual void redraw_cursor_pos(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                                   const trect& arect, bool as_move_left, int32_t alen) const;
    virtual void clear_characters(tcanvas& acanvas, const trect& arect, tvelmor_memo& acontrol,
                                  tvelmor_theme_memo* atheme) const;
    virtual void draw_single_char(tcanvas& acanvas, const trect& arect, tvelmor_memo& acontrol, char16_t achar,
                                  tvelmor_theme_memo* atheme) const;
    virtual void redraw_line(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                             const trect& arect, int32_t alineno) const;
    virtual void draw_line(tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme, const trect& arect,
                           int32_t alineno) const;
    virtual void recalculate_displaylns(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol,
                                        tvelmor_theme_memo* atheme, const trect& arect, int32_t afrom_lineno) const;
    virtual void draw_memo(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                           const trect& arect) const;
    // Re-wraps the memo's lines for a new rectangle.
    void handle_resize(int32_t& afont_tag, tcanvas& acanvas, tvelmor_memo& acontrol, tvelmor_theme_memo* atheme,
                       const trect& arect) const;
};

class tvelmor_render_button_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_button_generic"; }
    virtual bool get_pt_button(const tvelmor_button& acontrol, const trect& arect, int32_t ax, int32_t ay) const;
    virtual void draw_button(tcanvas& acanvas, int32_t& afont_tag, const trect& arect, const std::u16string& acaption,
                             int32_t afont_tag_new, bool apushed, bool aenabled, bool afocused, int32_t aicon_set,
                             int32_t aicon) const;
    virtual void draw_button(tcanvas& acanvas, int32_t& afont_tag, tvelmor_theme_button* atheme,
                             tvelmor_button& acontrol, const trect& arect) const;
};

class tvelmor_render_combobox_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_combobox_generic"; }
    virtual void draw_button(tcanvas& acanvas, const trect& arect, bool as_pressed) const;
    virtual void draw_combobox(tcanvas& acanvas, int32_t& afont_tag, tvelmor_combobox& acontrol, const trect& arect,
                               tvelmor_theme_combobox* atheme) const;
};

class tvelmor_render_scrollbar_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_scrollbar_generic"; }
    virtual void redraw_scrollbar_position(tcanvas& acanvas, const trect& arect, int32_t arange, int32_t aposition1,
                                           int32_t aposition2) const;
    virtual void draw_scrollbar2(tcanvas& acanvas, const trect& arect, int32_t arange, int32_t aposition) const;
    void draw_scrollbar(tcanvas& acanvas, const trect& arect, const tvelmor_scrollbar& acontrol,
                        tvelmor_theme_scrollbar* atheme) const;
};

class tvelmor_render_checkbox_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_checkbox_generic"; }
    virtual void draw_checkbox(tcanvas& acanvas, const trect& arect, tvelmor_checkbox& acontrol,
                               tvelmor_theme_checkbox* atheme) const;
};

class tvelmor_render_bevel_generic : public tvelmor_render_generic {
public:
    const char* class_name() const override { return "tvelmor_render_bevel_generic"; }
    virtual void draw_bevel(tcanvas& acanvas, tvelmor_bevel& acontrol, tvelmor_theme_bevel* atheme,
                            const trect& arect, bool as_erase) const;
};
