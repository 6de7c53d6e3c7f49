// The statement pool: statements bound to the program's connection and transaction, each named
// by a handle (its slot number plus 101); the SELECT-by-key builder over the schema catalogue.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "database/datamodule_database_customers.h"
#include "values/dben_catalogue.h"

class Tdatamodule_querys : public tvelmor_object {
public:
    // The first module made is the process's.
    explicit Tdatamodule_querys(Tdatamodule_database_customers& adatabase);
    ~Tdatamodule_querys() override;
    const char* class_name() const override { return "Tdatamodule_querys"; }
    static Tdatamodule_querys& instance();

    // A new statement with qoStartTransaction and qoAutoCommit, in the first empty slot.
    int32_t allocate_query();
    tfb_query& get_query(int32_t aindex);
    void deallocate_query(int32_t& aindex);
    // "SELECT <names or *>", "FROM <table>", then "WHERE k = :k" / "AND k = :k" per key field.
    void build_query(int32_t aindex, tdben_table atable, const std::vector<std::string>& afieldnames);

    Tdatamodule_database_customers& fdatabase;
    std::vector<std::unique_ptr<tfb_query>> flist_querys;
};

// A pooled statement for one operation, returned to the pool on every path.
class tpooled_query {
public:
    tpooled_query() : fhandle(Tdatamodule_querys::instance().allocate_query()) {}
    ~tpooled_query() { Tdatamodule_querys::instance().deallocate_query(fhandle); }
    tpooled_query(const tpooled_query&) = delete;
    tpooled_query& operator=(const tpooled_query&) = delete;
    tfb_query& query() { return Tdatamodule_querys::instance().get_query(fhandle); }

private:
    int32_t fhandle;
};
