// The first-generation data record: fields typed by the catalogue's field types, each assigned or
// not, read and written by index or by name; built from a catalogue table or from the declared
// properties of its own class.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "values/dben_catalogue.h"
#include "values/stream_record.h"
#include "values/value_object.h"

class tdataobject : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
};

// Says which fields hold a value, so reflective views (field links) show an unassigned field as
// empty instead of raising.
class tdatarecord : public tdataobject, public ivalue_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    int16_t count() const { return fcount; }
    int16_t count_pkfields() const { return fcount_pkfields; }
    std::string get_field_name(int32_t aindex) const;
    tdben_fieldtype get_field_type(int32_t aindex) const;
    bool get_is_field_assigned(int32_t aindex) const;
    bool get_field_is_assigned(int32_t aindex) const override { return get_is_field_assigned(aindex); }
    int32_t get_field_index(std::string_view aname) const;  // -1 when absent
    void clear() { fstore.clear(); }

    bool get_field_asb(int32_t aindex) const;
    int16_t get_field_ass(int32_t aindex) const;
    int32_t get_field_asl(int32_t aindex) const;
    tcurrency get_field_asm(int32_t aindex) const;
    int64_t get_field_asint64(int32_t aindex) const;
    std::u16string get_field_asu(int32_t aindex) const;
    void set_field_asb(int32_t aindex, bool avalue);
    void set_field_ass(int32_t aindex, int16_t avalue);
    void set_field_asl(int32_t aindex, int32_t avalue);
    void set_field_asm(int32_t aindex, tcurrency avalue);
    void set_field_asint64(int32_t aindex, int64_t avalue);
    void set_field_asu(int32_t aindex, const std::u16string& avalue);

    bool get_fieldbyname_asb(std::string_view aname) const { return get_field_asb(by_name(aname, "get_fieldbyname_asb")); }
    int16_t get_fieldbyname_ass(std::string_view aname) const { return get_field_ass(by_name(aname, "get_fieldbyname_ass")); }
    int32_t get_fieldbyname_asl(std::string_view aname) const { return get_field_asl(by_name(aname, "get_fieldbyname_asl")); }
    tcurrency get_fieldbyname_asm(std::string_view aname) const { return get_field_asm(by_name(aname, "get_fieldbyname_asm")); }
    int64_t get_fieldbyname_asint64(std::string_view aname) const {
        return get_field_asint64(by_name(aname, "get_fieldbyname_asint64"));
    }
    std::u16string get_fieldbyname_asu(std::string_view aname) const {
        return get_field_asu(by_name(aname, "get_fieldbyname_asu"));
    }
    void set_fieldbyname_asb(std::string_view aname, bool avalue) { set_field_asb(by_name(aname, "set_fieldbyname_asb"), avalue); }
    void set_fieldbyname_ass(std::string_view aname, int16_t avalue) {
        set_field_ass(by_name(aname, "set_fieldbyname_ass"), avalue);
    }
    void set_fieldbyname_asl(std::string_view aname, int32_t avalue) {
        set_field_asl(by_name(aname, "set_fieldbyname_asl"), avalue);
    }
    void set_fieldbyname_asm(std::string_view aname, tcurrency avalue) {
        set_field_asm(by_name(aname, "set_fieldbyname_asm"), avalue);
    }
    void set_fieldbyname_asint64(std::string_view aname, int64_t avalue) {
        set_field_asint64(by_name(aname, "set_fieldbyname_asint64"), avalue);
    }
    void set_fieldbyname_asu(std::string_view aname, const std::u16string& avalue) {
        set_field_asu(by_name(aname, "set_fieldbyname_asu"), avalue);
    }

protected:
    void define_fields(std::vector<std::string> anames, std::vector<tdben_fieldtype> atypes, int16_t acount_pkfields);

private:
    int32_t by_name(std::string_view aname, const char* aop) const;
    // Raises unless the field exists, has one of the types and (for reads) is assigned.
    void check(int32_t aindex, std::initializer_list<tdben_fieldtype> atypes, const char* aop, bool aread) const;

    int16_t fcount = 0;
    int16_t fcount_pkfields = 0;
    std::vector<tdben_fieldtype> ffield_types;
    std::vector<std::string> ffield_names;
    tfield_store fstore;
};

class tdatarecord_table : public tdatarecord {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdatarecord_table(tdben_table adben_table, bool as_pk_only = false);
    tdben_table dben_table() const { return fdben_table; }

private:
    tdben_table fdben_table;
};

class tdbrecord_generic : public tdatarecord_table {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    using tdatarecord_table::tdatarecord_table;
};

class tdbrecord_job_hdr : public tdbrecord_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tdbrecord_job_hdr(bool as_pk_only = false) : tdbrecord_generic(dben_table_job_hdr, as_pk_only) {}
};

class tdbrecord_cp_unit : public tdbrecord_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tdbrecord_cp_unit(bool as_pk_only = false) : tdbrecord_generic(dben_table_cp_unit, as_pk_only) {}
};

// A record whose fields are the declared properties of its class (16/32-bit integers, currency,
// wide text); each concrete class calls create() in its constructor.
class tdatarecord_class : public tdatarecord {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    void create();
};

// A property of a tdatarecord_class that lives in the record's field aindex.
tproperty_info record_field(const char* aname, tproperty_kind akind, int32_t aindex);

class tdbconstruct_job : public tdatarecord_class {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    tdbconstruct_job() { create(); }
};
