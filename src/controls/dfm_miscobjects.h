// Declarations of a page's misc objects: the misc-objects collection and one declaration per
// misc object kind, with the items of their collection properties.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_types.h"
#include "controls/dfm_component.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/miscobjects.h"

class tdfmelement_miscobjects : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    void add_child(std::unique_ptr<tdfm_component> achild) override;
};

class tdfmelement_miscobject : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    virtual std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const;
};

// Collection items.
struct tdfm_fieldlink_item : public treflected_object {
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::string fieldname;
    tfieldlink_type fieldtype = fs_validator;
    tvelmor_value_type_extended value_type = vf_longint;
    int16_t precision = 0;
    int16_t scale = 0;
};

struct tdfm_gridcolumn_item : public treflected_object {
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    TAlignment alignment = taLeftJustify;
    std::string fontname;
    int16_t margin = 0;
};

struct tdfm_listrowfield_item : public treflected_object {
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::string fieldname;
    tvelmor_value_type_extended value_type = vf_longint;
};

struct tdfm_textline_item : public treflected_object {
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::u16string caption;
};

struct tdfm_footer_button_item : public treflected_object {
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tfooter_button footer_button = fb_f2;
    std::u16string caption;
};

struct tdfm_field_item : public treflected_object {
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::string fieldname;
};

class tdfmelement_miscobject_fieldlinks : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    treflected_object* add_collection_item(std::string_view aproperty) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    tlinks_instance links_instance = li_record;
    int32_t tag_grid = 0;
    tdfm_collection<tdfm_fieldlink_item> fieldlinks;
};

class tdfmelement_miscobject_gridcolumns : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    treflected_object* add_collection_item(std::string_view aproperty) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    tdfm_collection<tdfm_gridcolumn_item> gridcolumns;
};

class tdfmelement_miscobject_listrows : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    treflected_object* add_collection_item(std::string_view aproperty) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    tdfm_collection<tdfm_listrowfield_item> listrowfields;
};

// Holds one value declaration.
class tdfmelement_miscobject_value : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    void add_child(std::unique_ptr<tdfm_component> achild) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
};

class tdfmelement_miscobject_textlines : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    treflected_object* add_collection_item(std::string_view aproperty) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    tdfm_collection<tdfm_textline_item> textlines;
};

class tdfmelement_miscobject_screenparams : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    treflected_object* add_collection_item(std::string_view aproperty) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    bool footer_visible = false;
    bool header_visible = false;
    std::u16string header_caption;
    int16_t header_caption_width = 220;
    int16_t header_buttons_visible = 0;
    int16_t header_buttons_disabled = 0;
    int16_t footer_buttons_invisible = 0;
    int16_t footer_buttons_enabled = 0;
    tdfm_collection<tdfm_footer_button_item> footer_buttons;
};

class tdfmelement_messagelines : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    tvelmor_messagelines_type messagelines_type = ml_messagelines_grid;
    int32_t tag_control = 0;
};

class tdfmelement_miscobject_datafields : public tdfmelement_miscobject {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    treflected_object* add_collection_item(std::string_view aproperty) override;
    std::unique_ptr<tvelmor_miscobject> create_control(icontrols_owner* aowner) const override;
    tdfm_collection<tdfm_field_item> fields;
};
