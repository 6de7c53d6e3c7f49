// Journal-record writes: a write whose values are the declared properties of a journal record
// class (always an INSERT), the invoice post that totals its lines, and the factory of every
// write kind.
#pragma once

#include <memory>

#include "database/ejt_generic.h"
#include "values/operate_rtti2.h"

class tejtrecord_generic : public treflected_object, public ivalue_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    virtual void create();
    bool get_field_is_assigned(int32_t aindex) const override;
    virtual void before_execute(tejt_list* alines_ejt);

    tdben_table fdben_table = dben_table_invoice;
};

// An invoice with its lines: date1 becomes today and total the sum of the 411 line totals.
class tejtrecord_invoice_post : public tejtrecord_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    tejtrecord_invoice_post() { create(); }
    void create() override { fdben_table = dben_table_invoice; }
    bool get_field_is_assigned(int32_t aindex) const override { return aindex != 0; }
    void before_execute(tejt_list* alines_ejt) override;

    int32_t fid = 0;
    int32_t fdate1 = 0;
    int32_t faccount = 0;
    tcurrency ftotal;
    tcurrency fgst;
};

class tejt_class : public tejt_generic {
public:
    explicit tejt_class(std::unique_ptr<tejtrecord_generic> arecord)
        : frecord(std::move(arecord)), foperate(*frecord, frecord.get()) {}
    const char* class_name() const override { return "tejt_class"; }

    std::string get_script(int32_t aindex) override;
    treflected_object& get_record() override { return *frecord; }
    tvalue_generic2& get_value() override { return foperate; }
    bool get_has_pk_values() const override;
    int32_t get_pk_count() const override { return dben_table_info(frecord->fdben_table).fcount_pkfields; }
    void before_execute(tejt_list* alines_ejt) override { frecord->before_execute(alines_ejt); }
    void assign_params(tfb_query& aquery) override { tejt_procs::assign_params(foperate, aquery, class_name()); }
    void assign_pkvalues_unassigned(tvalue_generic2& avalue, int32_t apk_count) override;
    void assign_pkvalues_unassigned(tfb_query& aquery) override;

    std::unique_ptr<tejtrecord_generic> frecord;
    toperate_rtti_object2 foperate;
};

class tejt_database {
public:
    static constexpr const char* class_name() { return "tejt_generic"; }
    static std::unique_ptr<tejt_generic> create_ejt(int32_t aejt_id);
};
