#include "values/procs_datarecord2.h"

static void check_same_shape(const tdatarecord2& a, const tdatarecord2& b, const char* aop) {
    if (&a.get_class() != &b.get_class())
        throw tvelmor_exception("Argument Mismatch in %s.%s();", tprocs_datarecord2::class_name(), aop);
    if (a.get_field_count() != b.get_field_count())
        throw tvelmor_exception("Record Mismatch in %s.assign();", tprocs_datarecord2::class_name());
}

[[noreturn]] static void unsupported(const tdatarecord2& arecord, tvalue_type2 atype) {
    throw tvelmor_exception("Unsupported FieldType[%s] in %s.assign();", value_type_name(atype), arecord.class_name());
}

void tprocs_datarecord2::assign(tdatarecord2& adest, const tdatarecord2& asource) {
    check_same_shape(adest, asource, "assign");
    for (int32_t i = 0; i < adest.get_field_count(); ++i) {
        if (!asource.get_field_is_assigned(i)) {
            if (adest.get_field_is_assigned(i))
                throw tvelmor_exception("illegal assign from unassigned value in %s.assign();", adest.class_name());
            continue;
        }
        tvalue_type2 t = adest.get_field_type(i);
        switch (t) {
        case vt_smallint: adest.set_assmallint1(i, asource.get_assmallint1(i)); break;
        case vt_longint: adest.set_aslongint1(i, asource.get_aslongint1(i)); break;
        case vt_unicodestring: adest.set_asunicodestring1(i, asource.get_asunicodestring1(i)); break;
        case vt_boolean: adest.set_asboolean1(i, asource.get_asboolean1(i)); break;
        case vt_int64: adest.set_asint64_1(i, asource.get_asint64_1(i)); break;
        case vt_currency: adest.set_ascurrency1(i, asource.get_ascurrency1(i)); break;
        default: unsupported(adest, t);
        }
    }
}

static bool field_equal(const tdatarecord2& a, const tdatarecord2& b, int32_t i) {
    tvalue_type2 t = a.get_field_type(i);
    switch (t) {
    case vt_smallint: return a.get_assmallint1(i) == b.get_assmallint1(i);
    case vt_longint: return a.get_aslongint1(i) == b.get_aslongint1(i);
    case vt_unicodestring: return a.get_asunicodestring1(i) == b.get_asunicodestring1(i);
    case vt_boolean: return a.get_asboolean1(i) == b.get_asboolean1(i);
    case vt_int64: return a.get_asint64_1(i) == b.get_asint64_1(i);
    case vt_currency: return a.get_ascurrency1(i) == b.get_ascurrency1(i);
    default: unsupported(a, t);
    }
}

bool tprocs_datarecord2::is_equal(const tdatarecord2& avalue1, const tdatarecord2& avalue2) {
    check_same_shape(avalue1, avalue2, "is_equal");
    for (int32_t i = 0; i < avalue1.get_field_count(); ++i) {
        bool assigned1 = avalue1.get_field_is_assigned(i);
        if (assigned1 != avalue2.get_field_is_assigned(i)) return false;
        if (assigned1 && !field_equal(avalue1, avalue2, i)) return false;
    }
    return true;
}

bool tprocs_datarecord2::is_pk_assigned(const tdatarecord2& arecord) {
    for (int32_t i = 0; i < arecord.count_pkfields(); ++i) {
        if (!arecord.get_field_is_assigned(i)) return false;
    }
    return true;
}
