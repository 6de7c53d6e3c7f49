// The grid controls' state: geometry and cursor of list grids, grids of controls and data grids.
// Cell contents are painted by the handler; the grid renderers draw through draw_row/draw_rows.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/element.h"

struct trect;
class tvelmor_theme;
class idbgrid_datalink;

// What a cursor move did: nothing, moved within the rows shown, or changed the first row shown.
enum tgrid_move_type : uint8_t { gm_none, gm_row_changed, gm_page_changed };

class tvelmor_customgrid : public tvelmor_control_focusable {
public:
    using tvelmor_control_focusable::tvelmor_control_focusable;
    const char* class_name() const override { return "tvelmor_customgrid"; }
    void save_as_text(std::string& amsgtext) const override;

    void set_rowcount(int32_t avalue);
    void set_rowcount_visible(int32_t avalue) { row_count_visible = avalue; }
    void set_colwidths(const std::vector<int32_t>& awidths);
    int16_t get_colwidth(int32_t aindex) const;
    void set_colwidth(int32_t aindex, int16_t avalue);
    bool is_cell_selected(int32_t arow, int32_t acol) const;
    bool is_row_visible(int32_t arow) const;
    int32_t last_row_showing() const;

    // Cursor moves (grid_moves.cpp). Moves that change row_top tell the coupled scroll bar.
    int16_t col_first(bool as_last);
    tgrid_move_type row_first(bool as_last);
    tgrid_move_type row_pagedown(bool as_pageup);
    tgrid_move_type row_increment(bool as_decrement);
    tgrid_move_type row_setfull(int32_t avalue);
    bool row_setsimple(int32_t avalue);
    bool col_increment(bool as_decrement);
    bool cell_setsimple(int32_t arow, int32_t acol);

    virtual trect translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow, int32_t acol);
    virtual void draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow);
    virtual void draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from);

protected:
    // Sends the new row_top to the coupled scroll bar (message 1112).
    void notify_scrollbar();

public:

    int32_t header = 0;
    int32_t header2 = 0;
    bool header_draw = false;
    int32_t tag_scrollbar = 0;
    int32_t rowcount = 0;
    int32_t colcount = 0;
    int16_t row_height = 0;
    int32_t row = 0;
    int32_t col = 0;
    int32_t row_top = 0;
    std::vector<int16_t> colwidths;
    int32_t row_count_visible = 0;
    tvelmor_grid_options grid_options;
    bool enabled = true;
};

class tvelmor_grid : public tvelmor_customgrid {
public:
    explicit tvelmor_grid(icontrols_owner* aowner) : tvelmor_customgrid(aowner, ac_grid) {}
    const char* class_name() const override { return "tvelmor_grid"; }
    bool transpose = false;  // the default painter exchanges row and column

    // Cells are painted by the handler (grid_draw.cpp).
    trect translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow, int32_t acol) override;
    void draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) override;
    void draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) override;
};

class tvelmor_grid_controls : public tvelmor_customgrid {
public:
    explicit tvelmor_grid_controls(icontrols_owner* aowner) : tvelmor_customgrid(aowner, ac_grid_controls) {}
    const char* class_name() const override { return "tvelmor_grid_controls"; }
    // Taking or losing the focus tells the handler (message 1110 with 0).
    void set_focused(bool avalue) override;

    // Always painted by the handler's control_paint, always from row_top (grid_draw.cpp).
    trect translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow, int32_t acol) override;
    void draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) override;
    void draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) override;
};

// A grid over a data source of the database layer; no page declares one.
class tvelmor_dbgrid : public tvelmor_customgrid {
public:
    explicit tvelmor_dbgrid(icontrols_owner* aowner) : tvelmor_customgrid(aowner, ac_dbgrid) {}
    const char* class_name() const override { return "tvelmor_dbgrid"; }
    idbgrid_datalink* datalink = nullptr;  // the data set, not owned
    int32_t first_record = 0;

    // Cells are painted by the handler as for a list grid (grid_draw.cpp).
    trect translate_draw_row_cellrect(tvelmor_theme* atheme, const trect& aarea, int32_t arow, int32_t acol) override;
    void draw_row(tvelmor_theme* atheme, const trect& aarea, int32_t acol, int32_t arow) override;
    void draw_rows(tvelmor_theme* atheme, const trect& aarea, int32_t arow_from) override;
};
