#include "pages/page_form_editable.h"

#include <set>

#include "controls/dfm_component.h"
#include "controls/dfm_themes.h"
#include "controls/form_reader.h"
#include "controls/platform.h"

namespace {

const char* const base_form_name = "form_page_editable_generic";

tdfm_component* find_themes(tdfm_form& aform) {
    for (auto& child : aform.children)
        if (dynamic_cast<tdfmelement_themes*>(child.get())) return child.get();
    return nullptr;
}

}  // namespace

Tform_page_editable_generic::Tform_page_editable_generic(const char* aname, std::string_view atext)
    : Tform_page2(aname, atext), fpage_text(atext) {
    register_form_class("Tform_page_editable_generic");
}

void Tform_page_editable_generic::load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const {
    const std::unique_ptr<tdfm_form> form = tform_reader::read(fpage_text, std::string(class_name()) + ".form");
    const std::unique_ptr<tdfm_form> base =
        tform_reader::read(Tform_page2::embedded_text(base_form_name), std::string(base_form_name) + ".form");
    tdfm_component* themes = find_themes(*form);
    if (!themes) {
        form->children.push_back(std::make_unique<tdfmelement_themes>());
        themes = form->children.back().get();
    }
    std::set<int32_t> declared;
    for (const auto& child : themes->children)
        if (const auto* theme = dynamic_cast<const tdfmelement_theme*>(child.get())) declared.insert(theme->tag_theme);
    // Only the shared looks: the preview's panel and viewport are the base form's own.
    for (auto& child : find_themes(*base)->children)
        if (const auto* theme = dynamic_cast<const tdfmelement_theme*>(child.get()))
            if (!declared.count(theme->tag_theme)) themes->children.push_back(std::move(child));
    create_components(*form, avelmor_handler);
    if (aform) aform->set_main_clientsize(form->ClientWidth, form->ClientHeight);
}
