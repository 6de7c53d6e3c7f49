// A panel's viewport: it cuts the rectangle it is given into one cell per align entry, docking
// each cell to a side of the space still free (or filling it); cells nest as an outline.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_types.h"
#include "controls/geometry.h"
#include "procs/velmor_exception.h"

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
const char* align_name(TAlign aalign);

class telement_align : public tvelmor_object {
public:
    const char* class_name() const override { return "telement_align"; }
    // Cuts this cell from the free rectangle, which shrinks by the cell (see the .cpp's table).
    trect cut(trect& afree) const;

    int32_t index_parent = 0;        // nesting depth
    int32_t index_parent2 = -1;      // position of the parent cell
    int32_t index_next_sibling = -1;
    TAlign align = alNone;
    int16_t margins_left = 0, margins_top = 0, margins_right = 0, margins_bottom = 0;
    int16_t dimension = 0;  // height of a top/bottom cell, width of a left/right cell
    bool skip = false;      // takes no space; keeps its last rectangle
};

class tvelmor_viewport2 : public tvelmor_object {
public:
    const char* class_name() const override { return "tvelmor_viewport2"; }

    void add_align(int32_t aindex_parent, TAlign aalign, int16_t amargins_left, int16_t amargins_top,
                   int16_t amargins_right, int16_t amargins_bottom, int16_t adimension, bool askip);
    void finish_adds();
    void calculate_rect_values(const trect& arect_total);
    void recalculate_rect_values_from(int32_t atag);
    void get_rect_value(trect& arect, int32_t atag) const;
    void set_skip(int32_t atag, bool avalue);
    bool get_skip(int32_t atag) const;
    bool set_align_value(int32_t atag, tparams_align aparam, int32_t avalue);
    void get_debug_line(std::string& amsgtext, int32_t aindex) const;

    int32_t count() const { return static_cast<int32_t>(list_aligns.size()); }
    int32_t tag_control_last() const { return tag_control_first + count() - 1; }
    telement_align& align_at(int32_t aindex) { return *list_aligns.at(static_cast<size_t>(aindex)); }

    int32_t tag = 0;
    int32_t tag_control_first = 0;
    int32_t tag_control_parent = 0;  // 0 for the page's root viewport
    std::vector<trect> rect_values;
    std::vector<std::unique_ptr<telement_align>> list_aligns;

private:
    int32_t position_of(int32_t atag, const char* aoperation) const;
    // Lays out entries from afirst on whose depth is at least abase_depth, inside arect.
    void layout(int32_t afirst, int32_t abase_depth, const trect& arect);
    // The next entry after askipped that is not nested in it.
    int32_t after_subtree(int32_t askipped) const;
};
