#include "database/ejt_generic.h"

#include "values/property_table.h"

std::string tejt_record_update::get_script(int32_t) {
    return fwith_pkvalues ? tejt_procs::update_script(frecord->dben_table(), *frecord)
                          : tejt_procs::insert_script(frecord->dben_table(), *frecord);
}

int32_t tejt_record_update::get_script_count() const {
    if (!fwith_pkvalues)
        return 1;
    for (int32_t i = get_pk_count(); i < frecord->get_field_count(); ++i)
        if (frecord->get_field_is_assigned(i))
            return 1;
    return 0;
}

void tejt_record_update::before_execute(tejt_list*) { fwith_pkvalues = get_has_pk_values(); }

void tejt_record_update::after_execute(tfb_query& aquery) {
    if (fwith_pkvalues)
        return;
    for (int32_t k = 0; k < get_pk_count(); ++k) {
        if (!frecord->get_field_is_assigned(k))
            continue;
        tfb_xsqlvar* column = aquery.FindField(frecord->get_field_name(k));
        if (!column)
            continue;
        switch (tvalue_type2 type = frecord->get_field_type(k)) {
        case vt_smallint: frecord->set_assmallint1(k, column->as_smallint()); break;
        case vt_longint: frecord->set_aslongint1(k, column->as_integer()); break;
        case vt_unicodestring: frecord->set_asunicodestring1(k, column->as_widestring()); break;
        default: throw tvelmor_exception("Unsupported FieldType[%s] in %s.assign();", value_type_name(type), class_name());
        }
    }
}

void tejt_record_update::assign_insert(const tdatarecord2& arecord) {
    if (arecord.get_field_count() != frecord->get_field_count())
        throw tvelmor_exception("FieldCount Mismatch in %s.assign_insert();", class_name());
    for (int32_t i = 0; i < arecord.get_field_count(); ++i)
        if (!same_text_nocase(arecord.get_field_name(i), frecord->get_field_name(i)))
            throw tvelmor_exception("FieldName Mismatch in %s.assign_insert();", class_name());
    for (int32_t i = 0; i < arecord.get_field_count(); ++i)
        if (arecord.get_field_is_assigned(i))
            tejt_procs::copy_field(*frecord, i, arecord, i, class_name(), "assign_field");
}

namespace {

// Whether a field's value differs between two records of the same class (text with case).
bool field_differs(const tdatarecord2& a, const tdatarecord2& b, int32_t i, const char* aclass_name) {
    switch (tvalue_type2 type = a.get_field_type(i)) {
    case vt_smallint: return a.get_assmallint1(i) != b.get_assmallint1(i);
    case vt_longint: return a.get_aslongint1(i) != b.get_aslongint1(i);
    case vt_boolean: return a.get_asboolean1(i) != b.get_asboolean1(i);
    case vt_int64: return a.get_asint64_1(i) != b.get_asint64_1(i);
    case vt_currency: return a.get_ascurrency1(i) != b.get_ascurrency1(i);
    case vt_unicodestring: return a.get_asunicodestring1(i) != b.get_asunicodestring1(i);
    default: throw tvelmor_exception("Unsupported FieldType[%s] in %s.assign_field();", value_type_name(type), aclass_name);
    }
}

}  // namespace

void tejt_record_update::assign_update(const tdatarecord2& arecord, const tdatarecord2& arecord0) {
    if (&arecord.get_class() != &arecord0.get_class())
        throw tvelmor_exception("Value Mismatch in %s.assign_update();", class_name());
    if (frecord->get_field_count() != arecord.get_field_count())
        throw tvelmor_exception("FieldCount Mismatch in %s.assign_update();", class_name());
    for (int32_t i = 0; i < arecord.get_field_count(); ++i) {
        if (!same_text_nocase(frecord->get_field_name(i), arecord.get_field_name(i)))
            throw tvelmor_exception("FieldName Mismatch in %s.assign_update();", class_name());
        bool now = arecord.get_field_is_assigned(i), before = arecord0.get_field_is_assigned(i);
        if (before && !now)
            throw tvelmor_exception("Field Assigned Mismatch %s.assign_update();", class_name());
        if (!now)
            continue;
        if (i < arecord.count_pkfields() || !before || field_differs(arecord, arecord0, i, class_name()))
            tejt_procs::copy_field(*frecord, i, arecord, i, class_name(), "assign_field");
    }
}

void tejt_record_update::copy_pkvalues(tdatarecord2& arecord) const {
    for (int32_t k = 0; k < get_pk_count(); ++k) {
        std::string name = frecord->get_field_name(k);
        int32_t dest = -1;
        if (!arecord.get_field_index(dest, name))
            throw tvelmor_exception("PKField[%s] not found in %s.copy_pkvalues();", name, class_name());
        switch (tvalue_type2 type = frecord->get_field_type(k)) {
        case vt_smallint: arecord.set_assmallint1(dest, frecord->get_assmallint1(k)); break;
        case vt_longint: arecord.set_aslongint1(dest, frecord->get_aslongint1(k)); break;
        case vt_unicodestring: arecord.set_asunicodestring1(dest, frecord->get_asunicodestring1(k)); break;
        default:
            throw tvelmor_exception("Unsupported FieldType[%s] in %s.copy_pkvalues();", value_type_name(type), class_name());
        }
    }
}
