#include "controls/container_controls_generic.h"

#include <gtest/gtest.h>

#include <functional>

#include "controls/geometry.h"
#include "controls/recording_canvas.h"

namespace {

class tcontainer_test_named : public tcontainer_controls_generic {
public:
    const char* class_name() const override { return "tcontainer_test_named"; }
};

struct tcase {
    const char* name;
    std::function<void(tcontainer_controls_generic&)> call;
    const char* message;
};

}  // namespace

TEST(ContainerControlsGeneric, EveryOpenOperationRaisesItsNotImplementedMessageWithTheRunTimeClass) {
    trect rect;
    trecording_canvas canvas;
    int32_t font_tag = 0, tag = 0;
    const tcase cases[] = {
        {"get_panel", [&](auto& c) { c.get_panel(2101); }, "tcontainer_test_named.get_panel(); not implemented."},
        {"finish_adds", [&](auto& c) { c.finish_adds(1); }, "tcontainer_test_named.finish_adds(); not implemented."},
        {"get_viewport", [&](auto& c) { c.get_viewport(101, rect); },
         "tcontainer_test_named.get_viewport(); not implemented."},
        {"handle_mousedown", [&](auto& c) { c.handle_mousedown(canvas, font_tag, mb_left, 0, 1, 1, false); },
         "tcontainer_test_named.handle_mousedown(); not implemented"},
        {"handle_mousemove", [&](auto& c) { c.handle_mousemove(canvas, font_tag, 0, 1, 1); },
         "tcontainer_test_named.handle_mousemove(); not implemented"},
        {"set_align_value", [&](auto& c) { c.set_align_value(101, pa_dimension, 3); },
         "tcontainer_test_named.set_align_value(); not implemented"},
        {"get_panel_viewport", [&](auto& c) { c.get_panel_viewport(2102, rect); },
         "tcontainer_test_named.get_panel_viewport(); not implemented"},
        {"update_header_controls", [&](auto& c) { c.update_header_controls(101, -1); },
         "tcontainer_test_named.update_header_controls(); not implemented"},
        {"draw_controls", [&](auto& c) { c.draw_controls(canvas, font_tag); },
         "tcontainer_test_named.draw_controls(); not implemented."},
        {"can_get_next_focus_panel", [&](auto& c) { c.can_get_next_focus_panel(tag, 101); },
         "tcontainer_test_named.can_get_next_focus_panel(); not implemented."},
        {"send_key", [&](auto& c) { c.send_key(101, canvas, font_tag, false, 13, 0, false); },
         "tcontainer_test_named.send_key(); not implemented."},
    };
    tcontainer_test_named container;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call(container);
            ADD_FAILURE() << "no exception";
        } catch (const tvelmor_exception& e) {
            EXPECT_EQ(std::string(c.message), e.what());
        }
    }
}

TEST(ContainerControlsGeneric, FreshContainerHasNoScreenParamsAndNoMenuUntilOneIsSet) {
    tcontainer_test_named container;
    EXPECT_EQ(-1, container.tag_screenparams);
    EXPECT_EQ(0, container.tag_menuitems);
    container.set_menuitems(105);
    EXPECT_EQ(105, container.tag_menuitems);
    EXPECT_FALSE(container.has_calculate_viewports);
}
