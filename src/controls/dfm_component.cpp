#include "controls/dfm_component.h"

#include <deque>

const tclass_info& tdfm_component::static_class() {
    static const tproperty_info props[] = {prop<&tdfm_component::Tag>("Tag")};
    static const tclass_info info("TComponent", &treflected_object::static_class(), nullptr, props);
    return info;
}

void tdfm_component::add_child(std::unique_ptr<tdfm_component> achild) {
    achild->parent_component = this;
    children.push_back(std::move(achild));
}

treflected_object* tdfm_component::add_collection_item(std::string_view) { return nullptr; }

const tclass_info& tdfm_form::static_class() {
    static const tproperty_info props[] = {prop<&tdfm_form::ClientWidth>("ClientWidth"),
                                           prop<&tdfm_form::ClientHeight>("ClientHeight")};
    static const tclass_info info("Tform_page2", &tdfm_component::static_class(), factory_of<tdfm_form>, props);
    return info;
}

const tclass_info& register_form_class(const char* aname) {
    static std::deque<tclass_info> classes;
    if (const tclass_info* known = tclass_registry::global().find(aname)) return *known;
    const tclass_info& info = classes.emplace_back(aname, &tdfm_form::static_class(), factory_of<tdfm_form>);
    tclass_registry::global().add(info);
    return info;
}

void register_form_class_if_page(const char* aname) {
    if (std::string_view(aname).starts_with("Tform_")) register_form_class(aname);
}
