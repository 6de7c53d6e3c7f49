#include "controls/controls_iterators.h"

void tinterface_controls_snapshot::add_panel(const tcontrol_boxes& aboxes, int32_t atag_panel,
                                             tvelmor_control_types atypes) {
    if (!aboxes.finalized()) return;
    const tcontrol_box* box = aboxes.get_item2(atag_panel, true);
    if (!box) return;
    box->for_each([&](tvelmor_control* c) {
        if (atypes.empty() || atypes.contains(c->id)) fitems.push_back(c);
    });
}

void tinterface_controls_list::first() {
    restart();
    tvelmor_iterate_panels panels(fpanels);
    for (panels.first(); !panels.eof(); panels.next()) add_panel(fboxes, panels.tag(), {});
}

void tinterface_controls_list_panel::first() {
    restart();
    add_panel(fboxes, ftag_panel, ftypes);
}

void tinterface_controls_list_panel2::first() {
    restart();
    add_subtree(ftag_panel);
}

void tinterface_controls_list_panel2::next() {
    if (eof()) throw tvelmor_exception("Illegal next(); on empty panel stack in %s.next();", class_name());
    tinterface_controls_snapshot::next();
}

void tinterface_controls_list_panel2::add_subtree(int32_t atag_panel) {
    const tvelmor_panel* panel = fpanels.get_item2(atag_panel, true);
    if (!panel) return;
    if (!panel->visible && !foptions.contains(ai_include_invisible)) return;
    add_panel(fboxes, atag_panel, ftypes);
    for (int32_t i = 0; i < panel->count_children; ++i) add_subtree(panel->get_children(i));
}
