// Journaled writes: one object per save holds exactly the fields to write, makes its UPDATE,
// INSERT or DELETE statement from the schema catalogue and binds the fields as named parameters.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/fb_query.h"
#include "values/dbrecords2.h"

enum tejt_option : uint8_t { eo_no_params = 1 };
using tejt_options = uint8_t;

class tejt_generic;
using tejt_list = std::vector<tejt_generic*>;

class tejt_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tejt_generic"; }

    virtual std::string get_script(int32_t aindex);
    virtual int32_t get_script_count() const { return 1; }
    virtual treflected_object& get_record();
    virtual tvalue_generic2& get_value();
    virtual bool get_has_pk_values() const;
    virtual int32_t get_pk_count() const;
    virtual void before_execute(tejt_list* alines_ejt);
    virtual void after_execute(tfb_query& aquery);
    virtual void assign_params(tfb_query& aquery);
    // Key values of the main write into this line's unassigned leading key fields.
    virtual void assign_pkvalues_unassigned(tvalue_generic2& avalue, int32_t apk_count);
    // Key values the database produced, from the executed statement's result.
    virtual void assign_pkvalues_unassigned(tfb_query& aquery);

    int32_t fejt_id = 0;
    tejt_options fejt_options = 0;
};

// Statement texts and binding shared by the record and class writes.
class tejt_procs {
public:
    static std::string update_script(tdben_table atable, const tvalue_generic2& avalue);
    static std::string insert_script(tdben_table atable, const tvalue_generic2& avalue);
    static std::string delete_script(tdben_table atable);
    static void assign_params(const tvalue_generic2& avalue, tfb_query& aquery, const char* aclass_name);
    static void assign_pkvalues_from_query(tvalue_generic2& avalue, int32_t apk_count, tfb_query& aquery);
    static void assign_pkvalues_to_line(tvalue_generic2& aline, int32_t aline_pk_count, const tvalue_generic2& amain,
                                        int32_t apk_count, const char* aclass_name);
    // Copies one field (same type on both sides); other types raise with aoperation's name.
    static void copy_field(tvalue_generic2& adest, int32_t adest_index, const tvalue_generic2& asource,
                           int32_t asource_index, const char* aclass_name, const char* aoperation);
};

// A write over a database record of one table; the record is owned.
class tejt_record : public tejt_generic {
public:
    explicit tejt_record(std::unique_ptr<tdbrecord_generic2> arecord) : frecord(std::move(arecord)) {}
    const char* class_name() const override { return "tejt_record"; }

    treflected_object& get_record() override { return *frecord; }
    tvalue_generic2& get_value() override { return *frecord; }
    bool get_has_pk_values() const override;
    int32_t get_pk_count() const override;
    void assign_params(tfb_query& aquery) override;
    void assign_pkvalues_unassigned(tvalue_generic2& avalue, int32_t apk_count) override;
    void assign_pkvalues_unassigned(tfb_query& aquery) override;

    std::unique_ptr<tdbrecord_generic2> frecord;
};

// UPDATE of the changed fields when the key is known, else INSERT ... RETURNING the key.
class tejt_record_update : public tejt_record {
public:
    using tejt_record::tejt_record;
    const char* class_name() const override { return "tejt_record_update"; }

    std::string get_script(int32_t aindex) override;
    // None for an update without a changed field: there is nothing to write, and an empty SET
    // list is not a statement the database takes.
    int32_t get_script_count() const override;
    void before_execute(tejt_list* alines_ejt) override;
    void after_execute(tfb_query& aquery) override;

    void assign_insert(const tdatarecord2& arecord);
    void assign_update(const tdatarecord2& arecord, const tdatarecord2& arecord0);
    void copy_pkvalues(tdatarecord2& arecord) const;

    bool fwith_pkvalues = false;
};

// DELETE of the one row whose key fields equal the record's.
class tejt_record_delete : public tejt_record {
public:
    using tejt_record::tejt_record;
    const char* class_name() const override { return "tejt_record_delete"; }

    std::string get_script(int32_t aindex) override;
    void assign_delete(const tdatarecord2& arecord);
};
