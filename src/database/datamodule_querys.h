// The statement pool: statements bound to the program's connection and transaction, each named
// by a handle (its slot number plus 101); the SELECT-by-key builder over the schema catalogue;
// and the loaders' reads: statements prepared once per text and kept, run in a read-only
// transaction the module keeps open (or in the unit of work when one is running).
#pragma once

#include <map>
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

    // Where the loaders read: the unit of work while one runs on the main transaction (so that
    // it sees its own writes), else the module's read-only transaction, kept open.
    tfb_transaction& read_transaction();
    // The kept statement of asql on read_transaction(), prepared on first use, its parameters
    // NULL; nullptr while that statement is already in use (a loader called from one of its rows).
    tfb_query* take_prepared(const std::string& asql);
    void give_back_prepared(tfb_query& aquery);

    Tdatamodule_database_customers& fdatabase;
    std::vector<std::unique_ptr<tfb_query>> flist_querys;
    tfb_transaction fread_transaction;

private:
    struct tprepared {
        std::unique_ptr<tfb_query> fquery;
        bool fbusy = false;
    };
    std::map<std::pair<const tfb_transaction*, std::string>, tprepared> fprepared;
};

// A loader's statement for one operation: the kept prepared one for its text, or a statement of
// its own when that one is busy. Closed on every path.
class tread_query {
public:
    explicit tread_query(const std::string& asql);
    ~tread_query();
    tread_query(const tread_query&) = delete;
    tread_query& operator=(const tread_query&) = delete;
    tfb_query& query() { return *fquery; }

private:
    std::unique_ptr<tfb_query> fown;
    tfb_query* fquery;
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
