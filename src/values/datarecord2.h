// A data record: named, typed fields that are each assigned or unassigned, built from a table of
// the schema catalogue. Every read checks type and assigned state.
#pragma once

#include <string>
#include <vector>

#include "values/dben_catalogue.h"
#include "values/stream_record.h"
#include "values/value_generic2.h"
#include "values/value_object.h"

class tdatarecord2 : public tvalue_generic2, public ivalue_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    tdatarecord2() = default;
    tdatarecord2(tdben_table adben_table, bool as_pk_only) { create(adben_table, as_pk_only); }

    // Takes every field of the table, or only its key fields; all fields unassigned.
    void create(tdben_table adben_table, bool as_pk_only);
    void clear();

    int16_t count_pkfields() const { return fcount_pkfields; }
    const tstream_record& field_values() const { return fstore.values(); }

    std::string get_debug_text(int32_t aindent) const override;
    int32_t get_field_count() const override { return fcount; }
    std::string get_field_name(int32_t aindex) const override;
    tvalue_type2 get_field_type(int32_t aindex) const override;
    bool get_field_is_assigned(int32_t aindex) const override;
    int32_t get_field_domain(int32_t aindex) const override;
    bool get_field_index(int32_t& aindex, std::string_view afieldname) const override;

    bool get_asboolean1(int32_t aindex) const override;
    int16_t get_assmallint1(int32_t aindex) const override;
    int32_t get_aslongint1(int32_t aindex) const override;
    int64_t get_asint64_1(int32_t aindex) const override;
    tcurrency get_ascurrency1(int32_t aindex) const override;
    std::u16string get_asunicodestring1(int32_t aindex) const override;
    double get_asdouble1(int32_t aindex) const override;
    treflected_object* get_asobject1(int32_t aindex) const override;
    void set_asboolean1(int32_t aindex, bool avalue) override;
    void set_assmallint1(int32_t aindex, int16_t avalue) override;
    void set_aslongint1(int32_t aindex, int32_t avalue) override;
    void set_asint64_1(int32_t aindex, int64_t avalue) override;
    void set_ascurrency1(int32_t aindex, tcurrency avalue) override;
    void set_asunicodestring1(int32_t aindex, const std::u16string& avalue) override;
    void set_asdouble1(int32_t aindex, double avalue) override;
    // The record owns the object from now on and frees the one it replaces; when the write is
    // refused the object stays with the caller.
    void set_asobject1(int32_t aindex, treflected_object* avalue) override;

protected:
    // Define the fields directly (for records not built from the catalogue).
    void define_fields(std::vector<std::string> anames, std::vector<tvalue_type2> atypes,
                       std::vector<int32_t> adomains, int16_t acount_pkfields);

private:
    // How a type's messages are worded.
    struct taccess {
        tvalue_type2 ftype;
        const char* fop;
        bool findexed_mismatch;     // "FieldType Mismatch[%d]" or "FieldType Mismatch"
        bool fno_unassigned_check;  // writes
    };
    void check_index(int32_t aindex, const char* aop) const;
    void check_access(int32_t aindex, const taccess& aaccess) const;

    int16_t fcount = 0;
    int16_t fcount_pkfields = 0;
    std::vector<tvalue_type2> ffield_types;
    std::vector<std::string> ffield_names;
    std::vector<int32_t> ffield_domains;
    tfield_store fstore;
};
