// Record headers describe fixed-size record types kept in flat lists: plain records by their size,
// and records declared as a class with properties by the position, type and sub-type of each
// property's value after the leading header reference.
#pragma once

#include <vector>

#include "values/property_table.h"
#include "values/value_types.h"

class theader_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "theader_generic"; }
    int32_t record_size() const { return frecord_size; }

protected:
    int32_t frecord_size = 0;
};

class theader_record : public theader_generic {
public:
    const char* class_name() const override { return "theader_record"; }
};

// Plain records described by their size alone.
class theader_record_standard : public theader_record {
public:
    explicit theader_record_standard(int32_t arecord_size) { frecord_size = arecord_size; }
    const char* class_name() const override { return "theader_record_standard"; }
};

// A record type declared as a class: a reference to the header, then the property values packed in
// declaration order.
class theader_class : public theader_record {
public:
    explicit theader_class(const tclass_info& aclass);
    const char* class_name() const override { return "theader_class"; }

    const tclass_info& record_class() const { return *fclass; }
    int32_t count() const { return static_cast<int32_t>(ffield_index.size()); }
    int32_t field_index(int32_t aindex) const { return ffield_index[static_cast<size_t>(aindex)]; }
    tvalue_type2 field_type(int32_t aindex) const { return ffield_type[static_cast<size_t>(aindex)]; }
    tsubtype field_subtype(int32_t aindex) const { return ffield_subtype[static_cast<size_t>(aindex)]; }

    static constexpr int32_t header_reference_size = sizeof(void*);

private:
    const tclass_info* fclass;
    std::vector<int32_t> ffield_index;  // byte position of each property's value
    std::vector<tvalue_type2> ffield_type;
    std::vector<tsubtype> ffield_subtype;
};
