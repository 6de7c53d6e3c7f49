#include "controls/panel.h"

void tvelmor_iterate_panels::first() {
    fstack.clear();
    fitem = nullptr;
    if (fpanels.empty()) return;
    fitem = fpanels.get_item2(fpanels.index_first(), true);
    if (fitem) fstack.push_back({fitem->tag, 0});
}

void tvelmor_iterate_panels::next() {
    // The current panel's children are only entered when it is visible.
    if (fitem && !fitem->visible && !fstack.empty() && fstack.back().tag == fitem->tag) fstack.pop_back();
    fitem = nullptr;
    while (!fstack.empty()) {
        tlevel& top = fstack.back();
        tvelmor_panel* parent = fpanels.get_item2(top.tag, true);
        if (!parent || top.next_child >= parent->count_children) {
            fstack.pop_back();
            continue;
        }
        int32_t child_tag = parent->get_children(top.next_child++);
        tvelmor_panel* child = fpanels.get_item2(child_tag, true);
        if (!child) continue;
        fitem = child;
        fstack.push_back({child->tag, 0});
        return;
    }
}
