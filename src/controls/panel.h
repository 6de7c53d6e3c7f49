// The runtime panel (a node of a page's panel tree) and the pre-order walk over the panel tree.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/control_types.h"
#include "controls/tag_box.h"
#include "procs/velmor_exception.h"

class tvelmor_panel : public tvelmor_object {
public:
    const char* class_name() const override { return "tvelmor_panel"; }
    void add_child(int32_t atag) { children.push_back(atag); ++count_children; }
    void finish_adds() { children.resize(static_cast<size_t>(count_children)); children.shrink_to_fit(); }
    int32_t get_children(int32_t aindex) const { return children.at(static_cast<size_t>(aindex)); }

    int32_t tag = 0;
    int32_t tag_parent = 0;  // 0 for the root
    int32_t count_children = 0;
    std::vector<int32_t> children;
    bool visible = true;
    bool enabled = true;
    int16_t focus_order = 0;
    tvelmor_panel_options panel_options;
    bool calculated_viewports = false;  // the handler computes this panel's control rectangles
};

// Pre-order from the lowest-tag panel; an invisible panel is yielded but its children are not.
class tvelmor_iterate_panels : public tvelmor_object {
public:
    explicit tvelmor_iterate_panels(const ttag_box<tvelmor_panel>& apanels) : fpanels(apanels) {}
    const char* class_name() const override { return "tvelmor_iterate_panels"; }
    void first();
    void next();
    bool eof() const { return fitem == nullptr; }
    tvelmor_panel* item() const { return fitem; }
    int32_t tag() const { return fitem ? fitem->tag : 0; }

private:
    struct tlevel {
        int32_t tag;
        int32_t next_child;
    };
    const ttag_box<tvelmor_panel>& fpanels;
    std::vector<tlevel> fstack;
    tvelmor_panel* fitem = nullptr;
};
