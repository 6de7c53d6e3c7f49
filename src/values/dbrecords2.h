// Database records: a data record over one catalogue table. Each concrete class also declares one
// property per field (name, type, domain) so reflective loading can fill it by property.
#pragma once

#include <vector>

#include "values/datarecord2.h"

class tdbrecord_generic2 : public tdatarecord2 {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    using tdatarecord2::create;
    // Each concrete class builds its fields from its own table; the base cannot.
    virtual void create(bool as_pk_only);
    tdben_table dben_table() const { return fdben_table; }

protected:
    void create_table(tdben_table adben_table, bool as_pk_only);

private:
    tdben_table fdben_table = dben_table_account;
};

// The declared properties of the record class of a table: one per field, reaching the field by index.
std::vector<tproperty_info> dbrecord2_properties(tdben_table atable);
const char* dbrecord2_class_name(tdben_table atable);  // "tdbrecord_account2", ...

template <tdben_table T>
class tdbrecord_table2 : public tdbrecord_generic2 {
public:
    explicit tdbrecord_table2(bool as_pk_only = false) { create(as_pk_only); }
    void create(bool as_pk_only) override { create_table(T, as_pk_only); }

    static const tclass_info& static_class() {
        static const tclass_info info(dbrecord2_class_name(T), &tdbrecord_generic2::static_class(),
                                      factory_of<tdbrecord_table2<T>>, dbrecord2_properties(T));
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
};

using tdbrecord_account2 = tdbrecord_table2<dben_table_account>;
using tdbrecord_contact2 = tdbrecord_table2<dben_table_contact>;
using tdbrecord_plu2 = tdbrecord_table2<dben_table_plu>;
using tdbrecord_operator2 = tdbrecord_table2<dben_table_operator>;
using tdbrecord_cp_site2 = tdbrecord_table2<dben_table_cp_site>;
using tdbrecord_cp_unit2 = tdbrecord_table2<dben_table_cp_unit>;
using tdbrecord_bill_item2 = tdbrecord_table2<dben_table_bill_item>;
using tdbrecord_cp_unit_reading2 = tdbrecord_table2<dben_table_cp_unit_reading>;
using tdbrecord_cp_invoice2 = tdbrecord_table2<dben_table_cp_invoice>;
using tdbrecord_cp_invoice_billitem2 = tdbrecord_table2<dben_table_cp_invoice_billitem>;
using tdbrecord_invoice_billitem2 = tdbrecord_table2<dben_table_invoice_billitem>;
using tdbrecord_invoice_data2 = tdbrecord_table2<dben_table_invoice_data>;

void register_dbrecords2(tclass_registry& aregistry);
