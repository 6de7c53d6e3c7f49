#include "controls/dfm_miscobjects.h"

#include "controls/controls_owner.h"
#include "controls/dfm_values.h"
#include "controls/font_code.h"
#include "controls/miscobject_textlines.h"

namespace {

const char* const fieldlink_type_names[] = {"fs_validator", "fs_hardlink"};
const char* const value_type_names[] = {"vf_longint", "vf_unicodestring", "vf_currency", "vf_ansistring", "vf_int64",
                                        "vf_date",    "vf_decimal",       "vf_boolean",  "vf_smallint"};
const char* const links_instance_names[] = {"li_record", "li_record_grid"};
const char* const talignment_names[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const footer_button_names[] = {"fb_f2", "fb_f3", "fb_f7", "fb_f9"};
const char* const messagelines_type_names[] = {"ml_messagelines_grid"};

template <typename C>
const tclass_info& item_class(const char* aname, std::span<const tproperty_info> aprops) {
    static const tclass_info info(aname, &treflected_object::static_class(), factory_of<C>, aprops);
    return info;
}

template <typename T>
treflected_object* item_of(std::string_view aproperty, const char* aname, tdfm_collection<T>& acollection) {
    return same_text_nocase(aproperty, aname) ? acollection.add() : nullptr;
}

}  // namespace

const tclass_info& tdfmelement_miscobjects::static_class() {
    static const tclass_info info("tdfmelement_miscobjects", &tdfm_component::static_class(),
                                  factory_of<tdfmelement_miscobjects>);
    return info;
}

void tdfmelement_miscobjects::add_child(std::unique_ptr<tdfm_component> achild) {
    if (!dynamic_cast<tdfmelement_miscobject*>(achild.get()))
        throw tvelmor_exception("%s cannot hold %s in %s.add_child();", Name, achild->class_name(), class_name());
    tdfm_component::add_child(std::move(achild));
}

const tclass_info& tdfmelement_miscobject::static_class() {
    static const tclass_info info("tdfmelement_miscobject", &tdfm_component::static_class());
    return info;
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject::create_control(icontrols_owner*) const {
    throw tvelmor_exception("%s.create_control(); not implemented.", class_name());
}

// ---- Items ----

const tclass_info& tdfm_fieldlink_item::static_class() {
    using C = tdfm_fieldlink_item;
    static const tproperty_info props[] = {
        prop<&C::fieldname>("fieldname"), prop_enum<&C::fieldtype>("fieldtype", fieldlink_type_names),
        prop_enum<&C::value_type>("value_type", value_type_names), prop<&C::precision>("precision"),
        prop<&C::scale>("scale")};
    return item_class<C>("tfieldlink_item", props);
}

const tclass_info& tdfm_gridcolumn_item::static_class() {
    using C = tdfm_gridcolumn_item;
    static const tproperty_info props[] = {prop_enum<&C::alignment>("alignment", talignment_names),
                                           prop<&C::fontname>("fontname"), prop<&C::margin>("margin")};
    return item_class<C>("tgridcolumn_item", props);
}

const tclass_info& tdfm_listrowfield_item::static_class() {
    using C = tdfm_listrowfield_item;
    static const tproperty_info props[] = {prop<&C::fieldname>("fieldname"),
                                           prop_enum<&C::value_type>("value_type", value_type_names)};
    return item_class<C>("tlistrowfield_item", props);
}

const tclass_info& tdfm_textline_item::static_class() {
    static const tproperty_info props[] = {prop<&tdfm_textline_item::caption>("caption")};
    return item_class<tdfm_textline_item>("ttextline_item", props);
}

const tclass_info& tdfm_footer_button_item::static_class() {
    using C = tdfm_footer_button_item;
    static const tproperty_info props[] = {prop_enum<&C::footer_button>("footer_button", footer_button_names),
                                           prop<&C::caption>("caption")};
    return item_class<C>("tfooter_button_item", props);
}

const tclass_info& tdfm_field_item::static_class() {
    static const tproperty_info props[] = {prop<&tdfm_field_item::fieldname>("fieldname")};
    return item_class<tdfm_field_item>("tfield_item", props);
}

// ---- Field links ----

const tclass_info& tdfmelement_miscobject_fieldlinks::static_class() {
    using C = tdfmelement_miscobject_fieldlinks;
    static const tproperty_info props[] = {prop_enum<&C::links_instance>("links_instance", links_instance_names),
                                           prop<&C::tag_grid>("tag_grid")};
    return declared_class<C>("tdfmelement_miscobject_fieldlinks", tdfmelement_miscobject::static_class(), props);
}

treflected_object* tdfmelement_miscobject_fieldlinks::add_collection_item(std::string_view aproperty) {
    return item_of(aproperty, "fieldlinks", fieldlinks);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_fieldlinks::create_control(icontrols_owner* aowner) const {
    std::unique_ptr<tmiscobject_fieldlinks> links;
    if (links_instance == li_record) {
        links = std::make_unique<tmiscobject_fieldlinks_record>(aowner, Tag);
    } else if (links_instance == li_record_grid) {
        auto rows = std::make_unique<tmiscobject_fieldlinks_rows>(aowner, Tag);
        rows->tag_grid = tag_grid;
        links = std::move(rows);
    } else {
        throw tvelmor_exception("Unsupported links_instance[%d] in %s.create_control();",
                                static_cast<int32_t>(links_instance), class_name());
    }
    for (const auto& item : fieldlinks.items()) {
        if (item->fieldtype == fs_validator)
            links->add_field_validator(item->fieldname, item->value_type, item->precision, item->scale);
        else
            links->add_field_hardlink(item->fieldname, item->value_type);
    }
    links->finish_adds();
    return links;
}

// ---- Grid columns, list rows, text lines ----

const tclass_info& tdfmelement_miscobject_gridcolumns::static_class() {
    return declared_class<tdfmelement_miscobject_gridcolumns>("tdfmelement_miscobject_gridcolumns",
                                                          tdfmelement_miscobject::static_class());
}

treflected_object* tdfmelement_miscobject_gridcolumns::add_collection_item(std::string_view aproperty) {
    return item_of(aproperty, "gridcolumns", gridcolumns);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_gridcolumns::create_control(icontrols_owner* aowner) const {
    auto columns = std::make_unique<tmiscobject_gridcolumns>(aowner, Tag);
    for (const auto& item : gridcolumns.items())
        columns->add_column(item->alignment, font_code_from_text(item->fontname), item->margin);
    return columns;
}

const tclass_info& tdfmelement_miscobject_listrows::static_class() {
    return declared_class<tdfmelement_miscobject_listrows>("tdfmelement_miscobject_listrows",
                                                       tdfmelement_miscobject::static_class());
}

treflected_object* tdfmelement_miscobject_listrows::add_collection_item(std::string_view aproperty) {
    return item_of(aproperty, "listrowfields", listrowfields);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_listrows::create_control(icontrols_owner* aowner) const {
    auto rows = std::make_unique<tmiscobject_listrows>(aowner, Tag, static_cast<int32_t>(listrowfields.size()));
    for (const auto& item : listrowfields.items()) rows->add_field(item->fieldname, item->value_type);
    return rows;
}

const tclass_info& tdfmelement_miscobject_textlines::static_class() {
    return declared_class<tdfmelement_miscobject_textlines>("tdfmelement_miscobject_textlines",
                                                        tdfmelement_miscobject::static_class());
}

treflected_object* tdfmelement_miscobject_textlines::add_collection_item(std::string_view aproperty) {
    return item_of(aproperty, "textlines", textlines);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_textlines::create_control(icontrols_owner* aowner) const {
    auto lines = std::make_unique<tmiscobject_textlines>(aowner, Tag);
    for (const auto& item : textlines.items()) lines->add_textline(item->caption);
    lines->finish_adds();
    return lines;
}

// ---- Value holder ----

const tclass_info& tdfmelement_miscobject_value::static_class() {
    return declared_class<tdfmelement_miscobject_value>("tdfmelement_miscobject_value",
                                                    tdfmelement_miscobject::static_class());
}

void tdfmelement_miscobject_value::add_child(std::unique_ptr<tdfm_component> achild) {
    if (!children.empty())
        throw tvelmor_exception("Too many child values set on %s in %s.add_child_value();", Name, class_name());
    if (!dynamic_cast<tdfmelement_value*>(achild.get()))
        throw tvelmor_exception("%s cannot hold %s in %s.add_child();", Name, achild->class_name(), class_name());
    tdfm_component::add_child(std::move(achild));
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_value::create_control(icontrols_owner* aowner) const {
    std::unique_ptr<tvalue_generic2> value;
    if (!children.empty()) value = static_cast<const tdfmelement_value&>(*children.front()).create_value();
    return std::make_unique<tmiscobject_value>(aowner, Tag, std::move(value));
}

// ---- Screen parameters ----

const tclass_info& tdfmelement_miscobject_screenparams::static_class() {
    using C = tdfmelement_miscobject_screenparams;
    static const tproperty_info props[] = {
        prop<&C::footer_visible>("footer_visible"),
        prop<&C::header_visible>("header_visible"),
        prop<&C::header_caption>("header_caption"),
        prop<&C::header_caption_width>("header_caption_width").def(220),
        prop<&C::header_buttons_visible>("header_buttons_visible"),
        prop<&C::header_buttons_disabled>("header_buttons_disabled"),
        prop<&C::footer_buttons_invisible>("footer_buttons_invisible"),
        prop<&C::footer_buttons_enabled>("footer_buttons_enabled"),
    };
    return declared_class<C>("tdfmelement_miscobject_screenparams", tdfmelement_miscobject::static_class(), props);
}

treflected_object* tdfmelement_miscobject_screenparams::add_collection_item(std::string_view aproperty) {
    return item_of(aproperty, "footer_buttons", footer_buttons);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_screenparams::create_control(icontrols_owner* aowner) const {
    auto p = std::make_unique<tmiscobject_screenparams>(aowner, Tag);
    p->footer_visible = footer_visible;
    p->header_visible = header_visible;
    p->header_caption = header_caption;
    p->header_caption_width = header_caption_width;
    p->header_buttons_visible = header_buttons_visible;
    p->header_buttons_disabled = header_buttons_disabled;
    p->footer_buttons_invisible = footer_buttons_invisible;
    p->footer_buttons_enabled = footer_buttons_enabled;
    if (aowner) {
        for (const auto& item : footer_buttons.items())
            if (!item->caption.empty()) aowner->set_footer_button_param(item->footer_button, item->caption);
    }
    return p;
}

// ---- Message lines, data fields ----

const tclass_info& tdfmelement_messagelines::static_class() {
    using C = tdfmelement_messagelines;
    static const tproperty_info props[] = {
        prop_enum<&C::messagelines_type>("messagelines_type", messagelines_type_names),
        prop<&C::tag_control>("tag_control")};
    return declared_class<C>("tdfmelement_messagelines", tdfmelement_miscobject::static_class(), props);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_messagelines::create_control(icontrols_owner* aowner) const {
    if (messagelines_type != ml_messagelines_grid)
        throw tvelmor_exception("messagelines_type( %d ) not supported in %s.create_control();",
                                static_cast<int32_t>(messagelines_type), class_name());
    return std::make_unique<tvelmor_messagelines_grid>(aowner, Tag, tag_control);
}

const tclass_info& tdfmelement_miscobject_datafields::static_class() {
    return declared_class<tdfmelement_miscobject_datafields>("tdfmelement_miscobject_datafields",
                                                         tdfmelement_miscobject::static_class());
}

treflected_object* tdfmelement_miscobject_datafields::add_collection_item(std::string_view aproperty) {
    return item_of(aproperty, "fields", fields);
}

std::unique_ptr<tvelmor_miscobject> tdfmelement_miscobject_datafields::create_control(icontrols_owner* aowner) const {
    auto d = std::make_unique<tmiscobject_datafields>(aowner, Tag);
    std::vector<std::string> names;
    for (const auto& item : fields.items()) names.push_back(item->fieldname);
    d->set_fields(names);
    return d;
}
