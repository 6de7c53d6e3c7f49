// A handler stand-in that owns a control container, records the messages its controls send and
// the cells it is asked to paint, plus a builder for small pages of panels, viewports and controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/container_controls.h"
#include "controls/controls_owner.h"
#include "controls/element.h"

struct tsent_message {
    int32_t tag;
    int32_t msg;
    bool operator==(const tsent_message&) const = default;
};

class ttest_owner : public icontrols_owner {
public:
    ttest_owner() : controls(this) {}

    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override {
        messages.push_back({atag, amsg});
        return answer ? answer(aparams, atag, amsg) : false;
    }
    tvelmor_miscobject* get_miscobject(int32_t atag) override {
        return parent_miscobjects ? parent_miscobjects->get_miscobject(atag) : nullptr;
    }
    void control_paint(tvelmor_control* acontrol, tvelmor_theme*, const trect&, int32_t arow, int32_t acol) override {
        painted.push_back(std::to_string(acontrol->tag) + ":" + std::to_string(arow) + "," + std::to_string(acol));
    }
    void control_paint_default(tvelmor_control*, tvelmor_theme*, const trect&, int32_t, int32_t) override {}
    void execute_command2(thandler_command) override {}
    tcontainer_controls_generic* get_controls() override { return &controls; }

    tcontainer_controls2 controls;
    std::vector<tsent_message> messages;
    std::vector<std::string> painted;
    std::function<bool(void*, int32_t, int32_t)> answer;
    tcontainer_controls_generic* parent_miscobjects = nullptr;
};

// Adds a panel to the container (stage 1).
inline tvelmor_panel* add_test_panel(tcontainer_controls2& acontrols, int32_t atag, int32_t aparent = 0,
                                     int16_t afocus_order = 0, tvelmor_panel_options aoptions = {}) {
    auto p = std::make_unique<tvelmor_panel>();
    p->tag = atag;
    p->tag_parent = aparent;
    p->focus_order = afocus_order;
    p->panel_options = aoptions;
    tvelmor_panel* raw = p.get();
    acontrols.add_element(std::move(p));
    return raw;
}

// Adds a control of class T to a panel (stage 2).
template <typename T>
T* add_test_control(ttest_owner& aowner, int32_t atag, int32_t atag_panel, int32_t atag_theme = 0) {
    auto c = std::make_unique<T>(&aowner);
    c->tag = atag;
    c->tag_panel = atag_panel;
    c->tag_theme = atag_theme;
    T* raw = c.get();
    aowner.controls.add_control(std::move(c));
    return raw;
}

template <typename T>
T* add_focusable(ttest_owner& aowner, int32_t atag, int32_t atag_panel, int16_t afocus_order) {
    T* c = add_test_control<T>(aowner, atag, atag_panel);
    c->focus_order = afocus_order;
    return c;
}
