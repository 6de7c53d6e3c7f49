#include "pages/page_form.h"

#include "controls/dfm_elements.h"
#include "controls/dfm_miscobjects.h"
#include "controls/dfm_themes.h"
#include "controls/element.h"
#include "controls/embedded_forms.h"
#include "controls/form_reader.h"
#include "controls/miscobject.h"
#include "controls/panel.h"
#include "controls/theme.h"
#include "pages/handlermodule_generic.h"

void tform_page_generic::load_handler(Thandlermodule_generic&, tplatform*) const {
    throw tvelmor_exception("%s.load_handler(); not implemented.", class_name());
}

void tform_page_generic::create_handler(tpage_controller_generic*, tgraphbox_generic*, bool) const {
    throw tvelmor_exception("%s.create_handler(); not implemented.", class_name());
}

void Tform_page2::load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const {
    const std::unique_ptr<tdfm_form> form = tform_reader::read(ftext, std::string(fname) + ".form");
    create_components(*form, avelmor_handler);
    if (aform) aform->set_main_clientsize(form->ClientWidth, form->ClientHeight);
}

void Tform_page2::create_components(const tdfm_form& aform, Thandlermodule_generic& amodule_controls) {
    imodule_controls_build& build = amodule_controls;
    icontrols_owner* owner = &build.as_handler();
    for (const auto& component : aform.children) {
        if (const auto* panel = dynamic_cast<const tdfmelement_panel*>(component.get())) {
            build.add_element(panel->create_control());
        } else if (const auto* viewport = dynamic_cast<const tdfmelement_viewport*>(component.get())) {
            build.add_element(viewport->create_control());
        } else if (dynamic_cast<const tdfmelement_themes*>(component.get())) {
            for (const auto& child : component->children)
                if (const auto* theme = dynamic_cast<const tdfmelement_theme*>(child.get()))
                    build.add_element(theme->create_control());
        } else if (dynamic_cast<const tdfmelement_miscobjects*>(component.get())) {
            for (const auto& child : component->children)
                if (const auto* misc = dynamic_cast<const tdfmelement_miscobject*>(child.get()))
                    build.add_element(misc->create_control(owner));
        }
    }
    build.finish_adds(1);
    for (const auto& component : aform.children) {
        if (!dynamic_cast<const tdfmelement_panel*>(component.get())) continue;
        for (const auto& child : component->children)
            if (const auto* control = dynamic_cast<const tdfmelement_base*>(child.get()))
                build.add_control(control->create_control(owner));
    }
    build.finish_adds(2);
}

std::string_view Tform_page2::embedded_text(const char* aform_name) {
    const tembedded_form* form = find_embedded_form(aform_name);
    if (!form) throw tvelmor_exception("Form %s is not in the program.", aform_name);
    return form->text;
}
