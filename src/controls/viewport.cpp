#include "controls/viewport.h"

#include "procs/message_format.h"

const char* align_name(TAlign aalign) {
    static const char* const names[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
    return aalign <= alCustom ? names[aalign] : "alUnknown";
}

// The cut is deliberately asymmetric, and pages are laid out against it: a top cell leaves its
// bottom margin plus one pixel, a bottom or right cell one pixel and no margin, a left cell
// neither; the margin on the far side of a left, right or bottom cell never moves the free edge.
trect telement_align::cut(trect& afree) const {
    trect r = afree;
    switch (align) {
    case alTop:
        r.left += margins_left;
        r.right -= margins_right;
        r.top = afree.top + margins_top;
        r.bottom = r.top + dimension;
        afree.top = r.bottom + margins_bottom + 1;
        break;
    case alBottom:
        r.left += margins_left;
        r.right -= margins_right;
        r.bottom = afree.bottom - margins_bottom;
        r.top = r.bottom - dimension;
        afree.bottom = r.top - 1;
        break;
    case alLeft:
        r.left = afree.left + margins_left;
        r.top += margins_top;
        r.bottom -= margins_bottom;
        r.right = r.left + dimension;
        afree.left = r.right;
        break;
    case alRight:
        r.right = afree.right - margins_right;
        r.top += margins_top;
        r.bottom -= margins_bottom;
        r.left = r.right - dimension;
        afree.right = r.left - 1;
        break;
    case alClient:
        r.left += margins_left;
        r.top += margins_top;
        r.right -= margins_right;
        r.bottom -= margins_bottom;
        break;
    default:
        throw tvelmor_exception("%s.calculate_rect_values( %s ) not implemented.", class_name(), align_name(align));
    }
    return r;
}

void tvelmor_viewport2::add_align(int32_t aindex_parent, TAlign aalign, int16_t amargins_left, int16_t amargins_top,
                                  int16_t amargins_right, int16_t amargins_bottom, int16_t adimension, bool askip) {
    auto a = std::make_unique<telement_align>();
    a->index_parent = aindex_parent;
    a->align = aalign;
    a->margins_left = amargins_left;
    a->margins_top = amargins_top;
    a->margins_right = amargins_right;
    a->margins_bottom = amargins_bottom;
    a->dimension = adimension;
    a->skip = askip;
    list_aligns.push_back(std::move(a));
}

void tvelmor_viewport2::finish_adds() {
    rect_values.assign(list_aligns.size(), trect{});
    // Depth d attaches to the latest entry of depth d - 1.
    std::vector<int32_t> parents{-1};
    std::vector<int32_t> last_child(list_aligns.size(), -1);
    for (int32_t p = 0; p < count(); ++p) {
        telement_align& a = align_at(p);
        while (a.index_parent < static_cast<int32_t>(parents.size()) - 1 && parents.size() > 1) parents.pop_back();
        a.index_parent2 = parents.back();
        parents.push_back(p);
        a.index_next_sibling = -1;
        if (a.index_parent2 != -1) {
            int32_t& last = last_child[static_cast<size_t>(a.index_parent2)];
            if (last != -1) align_at(last).index_next_sibling = p;
            last = p;
        }
    }
}

int32_t tvelmor_viewport2::after_subtree(int32_t askipped) const {
    int32_t depth = list_aligns[static_cast<size_t>(askipped)]->index_parent;
    int32_t p = askipped + 1;
    while (p < count() && list_aligns[static_cast<size_t>(p)]->index_parent > depth) ++p;
    return p;
}

void tvelmor_viewport2::layout(int32_t afirst, int32_t abase_depth, const trect& arect) {
    std::vector<trect> stack{arect};
    int32_t p = afirst;
    while (p < count()) {
        const telement_align& a = *list_aligns[static_cast<size_t>(p)];
        if (a.index_parent < abase_depth) break;  // left the subtree being laid out
        if (a.skip) {
            p = after_subtree(p);
            continue;
        }
        int32_t d = a.index_parent - abase_depth;
        if (d < 0 || d > static_cast<int32_t>(stack.size()) - 1)
            throw tvelmor_exception("Illegal Parent Index Value %d in %s.calculate_rect_values();", a.index_parent,
                                    class_name());
        trect free;
        while (static_cast<int32_t>(stack.size()) > d) {
            free = stack.back();
            stack.pop_back();
        }
        trect r = a.cut(free);
        rect_values[static_cast<size_t>(p)] = r;
        stack.push_back(free);
        stack.push_back(r);
        ++p;
    }
}

void tvelmor_viewport2::calculate_rect_values(const trect& arect_total) { layout(0, 0, arect_total); }

void tvelmor_viewport2::recalculate_rect_values_from(int32_t atag) {
    int32_t p = position_of(atag, "recalculate_rect_values_from");
    layout(p + 1, list_aligns[static_cast<size_t>(p)]->index_parent + 1, rect_values[static_cast<size_t>(p)]);
}

int32_t tvelmor_viewport2::position_of(int32_t atag, const char* aoperation) const {
    int32_t p = atag - tag_control_first;
    if (p < 0 || p >= count()) {
        std::string format = std::string("Index out of range in %s.") + aoperation + "( %d );";
        throw tvelmor_exception(format.c_str(), class_name(), p);
    }
    return p;
}

void tvelmor_viewport2::get_rect_value(trect& arect, int32_t atag) const {
    arect = rect_values[static_cast<size_t>(position_of(atag, "get_rect_value"))];
}

void tvelmor_viewport2::set_skip(int32_t atag, bool avalue) {
    list_aligns[static_cast<size_t>(position_of(atag, "set_skip"))]->skip = avalue;
}

bool tvelmor_viewport2::get_skip(int32_t atag) const {
    return list_aligns[static_cast<size_t>(position_of(atag, "get_skip"))]->skip;
}

bool tvelmor_viewport2::set_align_value(int32_t atag, tparams_align aparam, int32_t avalue) {
    telement_align& a = *list_aligns[static_cast<size_t>(position_of(atag, "set_align_value"))];
    int16_t* field = nullptr;
    switch (aparam) {
    case pa_marginleft: field = &a.margins_left; break;
    case pa_margintop: field = &a.margins_top; break;
    case pa_marginright: field = &a.margins_right; break;
    case pa_marginbottom: field = &a.margins_bottom; break;
    case pa_dimension: field = &a.dimension; break;
    default: return false;
    }
    int16_t value = static_cast<int16_t>(avalue);
    bool changed = *field != value;
    *field = value;
    return changed;
}

void tvelmor_viewport2::get_debug_line(std::string& amsgtext, int32_t aindex) const {
    const telement_align& a = *list_aligns.at(static_cast<size_t>(aindex));
    const trect& r = rect_values.at(static_cast<size_t>(aindex));
    amsgtext += tprocs_message::format(
        "[%d] tag %d depth %d parent %d next %d %s margins %d,%d,%d,%d dimension %d skip %d rect (%d, %d, %d, %d)\n",
        {aindex, tag_control_first + aindex, a.index_parent, a.index_parent2, a.index_next_sibling,
         align_name(a.align), a.margins_left, a.margins_top, a.margins_right, a.margins_bottom, a.dimension,
         a.skip, r.left, r.top, r.right, r.bottom});
}
