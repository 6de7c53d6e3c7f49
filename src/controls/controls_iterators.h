// The container's control lists: every control in panel-tree order (101), one panel's controls
// (102) and a panel subtree (103). Each takes its snapshot of the controls at first().
#pragma once

#include <cstdint>
#include <vector>

#include "controls/control_types.h"
#include "controls/controls_iterator.h"
#include "controls/element.h"
#include "controls/panel.h"
#include "controls/tag_box.h"

using tcontrol_box = ttag_box<tvelmor_control>;
using tcontrol_boxes = ttag_box<tcontrol_box>;

class tinterface_controls_snapshot : public icontrols_iterator, public tvelmor_object {
public:
    void next() override { ++fposition; }
    bool eof() const override { return fposition >= fitems.size(); }
    tvelmor_control* item() const override { return eof() ? nullptr : fitems[fposition]; }

protected:
    // Appends the controls of one panel's box in tag order whose kind passes the filter.
    void add_panel(const tcontrol_boxes& aboxes, int32_t atag_panel, tvelmor_control_types atypes);
    void restart() {
        fitems.clear();
        fposition = 0;
    }
    std::vector<tvelmor_control*> fitems;
    size_t fposition = 0;
};

class tinterface_controls_list : public tinterface_controls_snapshot {
public:
    tinterface_controls_list(const ttag_box<tvelmor_panel>& apanels, const tcontrol_boxes& aboxes)
        : fpanels(apanels), fboxes(aboxes) {}
    const char* class_name() const override { return "tinterface_controls_list"; }
    void first() override;

private:
    const ttag_box<tvelmor_panel>& fpanels;
    const tcontrol_boxes& fboxes;
};

class tinterface_controls_list_panel : public tinterface_controls_snapshot {
public:
    tinterface_controls_list_panel(const tcontrol_boxes& aboxes, int32_t atag_panel, tvelmor_control_types atypes)
        : fboxes(aboxes), ftag_panel(atag_panel), ftypes(atypes) {}
    const char* class_name() const override { return "tinterface_controls_list_panel"; }
    void first() override;

private:
    const tcontrol_boxes& fboxes;
    int32_t ftag_panel;
    tvelmor_control_types ftypes;
};

class tinterface_controls_list_panel2 : public tinterface_controls_snapshot {
public:
    tinterface_controls_list_panel2(const ttag_box<tvelmor_panel>& apanels, const tcontrol_boxes& aboxes,
                                    int32_t atag_panel, tvelmor_control_types atypes,
                                    tvelmor_iterate_options aoptions)
        : fpanels(apanels), fboxes(aboxes), ftag_panel(atag_panel), ftypes(atypes), foptions(aoptions) {}
    const char* class_name() const override { return "tinterface_controls_list_panel2"; }
    void first() override;
    void next() override;

private:
    void add_subtree(int32_t atag_panel);
    const ttag_box<tvelmor_panel>& fpanels;
    const tcontrol_boxes& fboxes;
    int32_t ftag_panel;
    tvelmor_control_types ftypes;
    tvelmor_iterate_options foptions;
};
