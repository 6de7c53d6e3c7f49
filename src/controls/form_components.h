// Hands a read page form to whatever builds the page (a handler module or the control container
// directly), in the two passes the container needs: panels, viewports, themes and misc objects,
// then finish_adds(1); then every panel's controls, then finish_adds(2).
#pragma once

#include <memory>

#include "controls/dfm_elements.h"
#include "controls/dfm_miscobjects.h"
#include "controls/dfm_themes.h"

// ABuild offers add_element, add_control and finish_adds taking the runtime objects.
template <typename ABuild>
void create_form_components(const tdfm_form& aform, ABuild& abuild, icontrols_owner* aowner) {
    for (const auto& component : aform.children) {
        if (auto* panel = dynamic_cast<const tdfmelement_panel*>(component.get())) {
            abuild.add_element(panel->create_control());
        } else if (auto* viewport = dynamic_cast<const tdfmelement_viewport*>(component.get())) {
            abuild.add_element(viewport->create_control());
        } else if (dynamic_cast<const tdfmelement_themes*>(component.get())) {
            for (const auto& theme : component->children)
                abuild.add_element(static_cast<const tdfmelement_theme&>(*theme).create_control());
        } else if (dynamic_cast<const tdfmelement_miscobjects*>(component.get())) {
            for (const auto& misc : component->children)
                abuild.add_element(static_cast<const tdfmelement_miscobject&>(*misc).create_control(aowner));
        }
    }
    abuild.finish_adds(1);
    for (const auto& component : aform.children) {
        if (!dynamic_cast<const tdfmelement_panel*>(component.get())) continue;
        for (const auto& control : component->children) {
            if (auto* declaration = dynamic_cast<const tdfmelement_base*>(control.get()))
                abuild.add_control(declaration->create_control(aowner));
        }
    }
    abuild.finish_adds(2);
}
