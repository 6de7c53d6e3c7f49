// The grid renderers: the standard list grid, column headers, menus, and two kinds of tab strip.
// They draw the frame and decorations; the grid control has the handler paint its cells, and the
// handler's painters come back to control_paint here with the cell's text and format.
#pragma once

#include "controls/renderers.h"

class tvelmor_render_grid_standard : public tvelmor_render_grid_generic {
public:
    const char* class_name() const override { return "tvelmor_render_grid_standard"; }
    int32_t get_gap_x() const override { return 1; }
    // (Bottom - Top - 2) div row_height; 0 for a grid without a row height.
    int32_t get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol, const trect& arect) const override;
    trect get_cell_rect(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                        int32_t arow, int32_t acol) const override;
    void draw_cell2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                    int32_t arow1, int32_t acol1, int32_t arow2, int32_t acol2) const override;
    void draw_row2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                   int32_t arow1, int32_t arow2) const override;
    void draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                   int32_t arow_from) const override;
    bool get_pt_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& acontrol, const trect& arect,
                     int32_t ax, int32_t ay) const override;
    // The black frame unless the theme says not to, then all rows.
    void draw_grid(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                   tvelmor_theme_grid_brief* atheme, const trect& arect) const override;
    void erase_rows(tcanvas& acanvas, tvelmor_customgrid& acontrol, const trect& arect) const override;
    // The cell in its colours, the text clipped to it with the background filled.
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext,
                       int32_t arow, int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override;

protected:
    // Where a cell's text goes: its reference point at the bottom of the text, ainset pixels from
    // the aligned side (the middle when centred), alift pixels above the cell's bottom.
    struct ttext_spot {
        ttext_halign halign;
        int32_t x;
        int32_t y;
    };
    static ttext_spot text_spot(const trect& acell, TAlignment aalignment, int32_t ainset, int32_t alift);
    // The text clipped to the cell at a spot, its background filled when the brush is solid.
    static void write_text(tcanvas& acanvas, const trect& acell, const std::u16string& atext, const ttext_spot& aspot);
    static void prepare_pen(tcanvas& acanvas);
    static void vertical_line(tcanvas& acanvas, tcolor acolor, int32_t ax, int32_t atop, int32_t abottom);
    static void draw_frame(tcanvas& acanvas, const trect& arect);
};

// Column headers: black on the page background with an etched line right of each cell.
class tvelmor_render_grid_header : public tvelmor_render_grid_standard {
public:
    const char* class_name() const override { return "tvelmor_render_grid_header"; }
    // Always from the first row shown.
    void draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                   int32_t arow_from) const override;
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext,
                       int32_t arow, int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override;
};

// Menu entries: a strip in the focused colour above each entry's text.
class tvelmor_render_grid_menu : public tvelmor_render_grid_standard {
public:
    const char* class_name() const override { return "tvelmor_render_grid_menu"; }
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext,
                       int32_t arow, int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override;
};

// A tab strip: etched column boundaries, the chosen tab sunken.
class tvelmor_render_grid_tabs : public tvelmor_render_grid_standard {
public:
    const char* class_name() const override { return "tvelmor_render_grid_tabs"; }
    int32_t get_gap_x() const override { return 5; }
    void draw_grid(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                   tvelmor_theme_grid_brief* atheme, const trect& arect) const override;
    // Always from the first row shown.
    void draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                   int32_t arow_from) const override;
    // Ignores the theme's colours and the declared margin.
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext,
                       int32_t arow, int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override;

private:
    static void draw_sunken_border(tcanvas& acanvas, const trect& acell);
};

// Flat tabs separated by etched lines, the chosen one marked by a blue bar; embossed grey text
// when the grid is not enabled.
class tvelmor_render_grid_tabs2 : public tvelmor_render_grid_standard {
public:
    const char* class_name() const override { return "tvelmor_render_grid_tabs2"; }
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext,
                       int32_t arow, int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override;

private:
    static void write_disabled_text(tcanvas& acanvas, const trect& aarea, const std::u16string& atext,
                                    TAlignment aalignment, int32_t amargin);
};
