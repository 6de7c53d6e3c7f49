#include "values/record_header.h"

theader_class::theader_class(const tclass_info& aclass) : fclass(&aclass) {
    int32_t position = header_reference_size;
    for (int32_t i = 0; i < aclass.property_count(); ++i) {
        const tproperty_info& p = aclass.property(i);
        tvalue_type2 type = vt_none;
        int32_t size = 0;
        switch (p.fkind) {
        case tproperty_kind::pk_smallint: type = vt_smallint; size = 2; break;
        case tproperty_kind::pk_longint: type = vt_longint; size = 4; break;
        case tproperty_kind::pk_boolean: type = vt_boolean; size = 1; break;
        case tproperty_kind::pk_int64: type = vt_int64; size = 8; break;
        case tproperty_kind::pk_currency: type = vt_currency; size = 8; break;
        case tproperty_kind::pk_double: type = vt_double; size = 8; break;
        case tproperty_kind::pk_unicodestring: type = vt_unicodestring; size = sizeof(void*); break;
        case tproperty_kind::pk_ansistring: type = vt_ansistring; size = sizeof(void*); break;
        default:
            throw tvelmor_exception("Unsupported FieldType[%s] in %s.create();", property_kind_name(p.fkind),
                                    class_name());
        }
        ffield_index.push_back(position);
        ffield_type.push_back(type);
        ffield_subtype.push_back(p.fkind == tproperty_kind::pk_boolean ? st_boolean : st_none);
        position += size;
    }
    frecord_size = position;
}
