// Fixed-layout records: the declared properties of the class packed without padding into one
// block (every field always assigned), and the data objects stored that way in a binary column.
#pragma once

#include <memory>
#include <vector>

#include "values/value_generic2.h"

class tdatarecord3 : public tvalue_generic2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    int32_t get_field_count() const override { return fcount; }
    std::string get_field_name(int32_t aindex) const override;
    tvalue_type2 get_field_type(int32_t aindex) const override;
    bool get_field_is_assigned(int32_t aindex) const override;
    bool get_field_index(int32_t& aindex, std::string_view afieldname) const override;

    int16_t get_assmallint1(int32_t aindex) const override;
    int32_t get_aslongint1(int32_t aindex) const override;
    int64_t get_asint64_1(int32_t aindex) const override;
    void set_assmallint1(int32_t aindex, int16_t avalue) override;
    void set_aslongint1(int32_t aindex, int32_t avalue) override;
    void set_asint64_1(int32_t aindex, int64_t avalue) override;

    int32_t size() const { return fsize; }

protected:
    // Lays the fields out from the class's properties; each concrete class calls it in its constructor.
    void create();
    const uint8_t* block() const { return ffield_values.get(); }
    uint8_t* block() { return ffield_values.get(); }

private:
    int32_t field_size(tproperty_kind akind) const;
    void check(int32_t aindex, tvalue_type2 atype, const char* aop, bool aindexed_message) const;

    int32_t fcount = 0;
    std::vector<int32_t> ffields;  // byte offset of each field
    std::vector<tvalue_type2> ffield_types;
    std::unique_ptr<uint8_t[]> ffield_values;
    int32_t fsize = 0;
};

// A field property of a tdatarecord3, reaching its field by index through the typed accessors.
tproperty_info block_field(const char* aname, tproperty_kind akind, int32_t aindex);

class tdbdata_generic : public tdatarecord3 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tdbdata_generic(int32_t aid) : fid(aid) {}

    int32_t id() const { return fid; }
    // The raw block, as stored in the binary column.
    std::string get_data_value() const;
    // Exactly size() bytes, else it raises and nothing changes.
    void set_data_value(const std::string& avalue);

private:
    int32_t fid;
};

// Two meter readings with their day counts; id 101, 24 bytes little-endian.
class tdbdata_cpunit_reading : public tdbdata_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    static constexpr int32_t dbdata_id = 101;
    tdbdata_cpunit_reading() : tdbdata_generic(dbdata_id) { create(); }
};

class tdbdata_database {
public:
    static constexpr const char* class_name() { return "tdbdata_database"; }
    // The data object of kind aid; only 101 exists.
    static std::unique_ptr<tdbdata_generic> create_dbdata(int32_t aid);
};
