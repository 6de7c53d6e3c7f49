#include "controls/miscobject_fieldlinks.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/controls_owner.h"
#include "controls/grid_controls.h"
#include "controls/miscobject_textlines.h"
#include "controls/text_controls.h"
#include "procs/message_format.h"
#include "values/operate_rtti2.h"

namespace {

tfield_value_type stored_type(tvelmor_value_type_extended avalue_type) {
    switch (avalue_type) {
    case vf_longint:
    case vf_date: return va_longint;
    case vf_unicodestring: return va_unicodestring;
    case vf_currency: return va_currency;
    case vf_ansistring: return va_ansistring;
    case vf_int64:
    case vf_decimal: return va_int64;
    case vf_boolean: return va_boolean;
    case vf_smallint: return va_smallint;
    }
    return va_longint;
}

}  // namespace

// ---- A link's typed reads and writes ----

const tclass_info& tfield_link::static_class() {
    static const tclass_info info("tfield_link", &tvalue_generic2::static_class());
    return info;
}

void tfield_link::check_type(tfield_value_type atype, const char* aoperation) const {
    if (value_type != atype) {
        std::string format = std::string("Invalid ValueType[%d] in %s.") + aoperation + "();";
        throw tvelmor_exception(format.c_str(), static_cast<int32_t>(value_type), class_name());
    }
}

tvalue_generic2* tfield_link::readable() const {
    tvalue_generic2* row = owner->get_reference_row();
    if (!row || index_value < 0) return nullptr;
    if (!owner->is_rows && !row->get_field_is_assigned(index_value)) return nullptr;
    return row;
}

tvalue_generic2* tfield_link::writable() const {
    tvalue_generic2* row = owner->get_reference_row();
    return row && index_value >= 0 ? row : nullptr;
}

bool tfield_link::get_asboolean() const {
    check_type(va_boolean, "get_asboolean");
    tvalue_generic2* r = readable();
    return r ? r->get_asboolean1(index_value) : false;
}

int16_t tfield_link::get_assmallint() const {
    check_type(va_smallint, "get_assmallint");
    tvalue_generic2* r = readable();
    return r ? r->get_assmallint1(index_value) : 0;
}

int32_t tfield_link::get_aslongint() const {
    check_type(va_longint, "get_aslongint");
    tvalue_generic2* r = readable();
    return r ? r->get_aslongint1(index_value) : 0;
}

int64_t tfield_link::get_asint64() const {
    check_type(va_int64, "get_asint64");
    tvalue_generic2* r = readable();
    return r ? r->get_asint64_1(index_value) : 0;
}

tcurrency tfield_link::get_ascurrency() const {
    check_type(va_currency, "get_ascurrency");
    tvalue_generic2* r = readable();
    return r ? r->get_ascurrency1(index_value) : tcurrency{};
}

std::u16string tfield_link::get_asunicodestring() const {
    check_type(va_unicodestring, "get_asunicodestring");
    tvalue_generic2* r = readable();
    return r ? r->get_asunicodestring1(index_value) : u"";
}

void tfield_link::set_asboolean(bool avalue) {
    check_type(va_boolean, "set_asboolean");
    if (tvalue_generic2* r = writable()) r->set_asboolean1(index_value, avalue);
}

void tfield_link::set_assmallint(int16_t avalue) {
    check_type(va_smallint, "set_assmallint");
    if (tvalue_generic2* r = writable()) r->set_assmallint1(index_value, avalue);
}

void tfield_link::set_aslongint(int32_t avalue) {
    check_type(va_longint, "set_aslongint");
    if (tvalue_generic2* r = writable()) r->set_aslongint1(index_value, avalue);
}

void tfield_link::set_asint64(int64_t avalue) {
    check_type(va_int64, "set_int64");
    if (tvalue_generic2* r = writable()) r->set_asint64_1(index_value, avalue);
}

void tfield_link::set_ascurrency(tcurrency avalue) {
    check_type(va_currency, "set_ascurrency");
    if (tvalue_generic2* r = writable()) r->set_ascurrency1(index_value, avalue);
}

void tfield_link::set_asunicodestring(const std::u16string& avalue) {
    check_type(va_unicodestring, "set_asunicodestring");
    if (tvalue_generic2* r = writable()) r->set_asunicodestring1(index_value, avalue);
}

// ---- The links ----

void tmiscobject_fieldlinks::add_field_validator(const std::string& afieldname,
                                                 tvelmor_value_type_extended avalue_type, int16_t aprecision,
                                                 int16_t ascale) {
    auto link = std::make_unique<tfield_link>(*this, fl_validator, afieldname, stored_type(avalue_type));
    switch (avalue_type) {
    case vf_longint: link->validator = std::make_unique<tvalidator_longint>(*link); break;
    case vf_unicodestring: link->validator = std::make_unique<tvalidator_unicodestring>(*link); break;
    case vf_currency: link->validator = std::make_unique<tvalidator_currency>(*link); break;
    case vf_int64: link->validator = std::make_unique<tvalidator_int64>(*link); break;
    case vf_date: link->validator = std::make_unique<tvalidator_date>(*link); break;
    case vf_decimal: link->validator = std::make_unique<tvalidator_decimal>(*link, aprecision, ascale); break;
    default:
        throw tvelmor_exception("Unsupported value type %d in %s.create();", static_cast<int32_t>(avalue_type),
                                link->class_name());
    }
    link->default_longint = 0;
    fieldlinks.push_back(std::move(link));
}

void tmiscobject_fieldlinks::add_field_hardlink(const std::string& afieldname, tvelmor_value_type_extended avalue_type) {
    fieldlinks.push_back(std::make_unique<tfield_link>(*this, fl_hardlink, afieldname, stored_type(avalue_type)));
}

tvalue_generic2* tmiscobject_fieldlinks::get_reference_row() const {
    throw tvelmor_exception("%s.get_reference_row(); Not Implemented", class_name());
}

void tmiscobject_fieldlinks::bind_fields(const tvalue_generic2& arecord) {
    for (auto& link : fieldlinks) {
        int32_t index = -1;
        if (!arecord.get_field_index(index, link->fieldname))
            throw tvelmor_exception("Field[%s] not found in %s.setup_data();", link->fieldname, class_name());
        link->index_value = static_cast<int16_t>(index);
    }
}

tfield_link& tmiscobject_fieldlinks::link_at(int32_t aindex, const char* aoperation) const {
    if (aindex < 0 || aindex >= static_cast<int32_t>(fieldlinks.size())) {
        std::string format = std::string("Index %d out of range in %s.") + aoperation + "();";
        throw tvelmor_exception(format.c_str(), aindex, class_name());
    }
    return *fieldlinks[static_cast<size_t>(aindex)];
}

void tmiscobject_fieldlinks::get_debug_text(std::string& amsgtext) const {
    add_dump_line(amsgtext, tprocs_message::format("%s tag = %d.", {class_name(), tag}));
    for (const auto& l : fieldlinks)
        add_dump_line(amsgtext, tprocs_message::format("%s index %d type %d", {l->fieldname, l->index_value,
                                                                               static_cast<int32_t>(l->value_type)}));
}

tvalidator_generic* tmiscobject_fieldlinks::get_validator(int32_t afieldno) {
    if (afieldno < 0 || afieldno >= static_cast<int32_t>(fieldlinks.size())) return nullptr;
    return fieldlinks[static_cast<size_t>(afieldno)]->validator.get();
}

void tmiscobject_fieldlinks::set_hard_value(int32_t afieldno, bool avalue) {
    tfield_link& link = link_at(afieldno, "set_hard_value");
    if (link.id_fieldlink == fl_hardlink) link.set_asboolean(avalue);
}

void tmiscobject_fieldlinks::set_hard_value(int32_t afieldno, int32_t avalue) {
    tfield_link& link = link_at(afieldno, "set_hard_value");
    if (link.id_fieldlink != fl_hardlink) return;
    if (link.value_type == va_smallint) link.set_assmallint(static_cast<int16_t>(avalue));
    else link.set_aslongint(avalue);
}

void tmiscobject_fieldlinks::update_control(tvelmor_control* acontrol) {
    int32_t fieldno = 0;
    switch (acontrol->id) {
    case ac_label: fieldno = static_cast<tvelmor_label*>(acontrol)->fieldno; break;
    case ac_edit: fieldno = static_cast<tvelmor_edit*>(acontrol)->fieldno; break;
    case ac_memo: fieldno = static_cast<tvelmor_memo*>(acontrol)->fieldno; break;
    case ac_combobox: fieldno = static_cast<tvelmor_combobox*>(acontrol)->fieldno; break;
    case ac_checkbox: fieldno = static_cast<tvelmor_checkbox*>(acontrol)->fieldno; break;
    default: return;
    }
    tfield_link& link = link_at(fieldno, "update_control");
    if (link.id_fieldlink == fl_validator) {
        std::u16string text = link.validator->get_text(false);
        if (acontrol->id == ac_label) static_cast<tvelmor_label*>(acontrol)->caption = text;
        else if (acontrol->id == ac_edit) static_cast<tvelmor_edit*>(acontrol)->set_text(text);
        else if (acontrol->id == ac_memo) static_cast<tvelmor_memo*>(acontrol)->text = text;
    } else if (acontrol->id == ac_checkbox) {
        static_cast<tvelmor_checkbox*>(acontrol)->checked = link.get_asboolean();
    } else if (acontrol->id == ac_combobox) {
        auto* combo = static_cast<tvelmor_combobox*>(acontrol);
        int32_t id = link.value_type == va_smallint ? link.get_assmallint() : link.get_aslongint();
        tvelmor_miscobject* m = owner ? owner->get_controls()->get_miscobject(combo->header) : nullptr;
        auto* lines = dynamic_cast<tmiscobject_textlines*>(m);
        combo->item_index = lines ? lines->get_value_index(id) : -1;
    }
}

void tmiscobject_fieldlinks_record::setup_data1(tvalue_generic2* arecord) {
    fowned.reset();
    record = arecord;
    dataobj = arecord;
    if (arecord) bind_fields(*arecord);
}

void tmiscobject_fieldlinks_record::setup_data2(treflected_object* aobject) {
    if (!aobject) {
        setup_data1(nullptr);
        return;
    }
    // Data objects say which fields are assigned; other objects count every field as assigned.
    auto view = std::make_unique<toperate_rtti_object2>(*aobject, dynamic_cast<const ivalue_object*>(aobject));
    setup_data1(view.get());
    fowned = std::move(view);
    dataobj = aobject;
    dataobj_supports_is_field_assigned = dynamic_cast<const ivalue_object*>(aobject) != nullptr;
}

void tmiscobject_fieldlinks_rows::setup_data(const std::vector<tvalue_generic2*>* alist, const tvalue_generic2& alayout) {
    list = alist;
    bind_fields(alayout);
}

tvalue_generic2* tmiscobject_fieldlinks_rows::get_reference_row() const {
    if (!list || !owner) return nullptr;
    auto* grid = dynamic_cast<tvelmor_customgrid*>(owner->get_controls()->get_control(tag_grid));
    if (!grid || grid->row < 0 || grid->row >= static_cast<int32_t>(list->size())) return nullptr;
    return (*list)[static_cast<size_t>(grid->row)];
}
