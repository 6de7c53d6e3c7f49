// Row sources: the abstract dataset that pages step through, the list-backed dataset over a list
// of reflected objects of one class, and copying rows from one dataset into another.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "values/property_table.h"

using tlist_reflected = std::vector<std::unique_ptr<treflected_object>>;

class tprototype_dataset : public tvelmor_object {
public:
    virtual void first();
    virtual void next();
    virtual void append();
    // The current row, its fields reached through its class's property table.
    virtual treflected_object& get_data_row();
    const char* class_name() const override { return "tprototype_dataset"; }

    bool feof = true;
};

// Rows are the objects of a list that the dataset does not own; append adds to that list.
class tdataset_list_object : public tprototype_dataset {
public:
    tdataset_list_object(tlist_reflected& alist, const tclass_info& aclass) : flist(alist), foperate(aclass) {}

    void first() override;
    void next() override;
    void append() override;
    treflected_object& get_data_row() override;
    const char* class_name() const override { return "tdataset_list_object"; }

    tlist_reflected& flist;
    const tclass_info& foperate;
    int32_t fii = -1;
};

class tprocs_dataset {
public:
    // Appends one destination row per source row and copies the fields both rows have (same
    // name, without regard to case, and same kind).
    static void copy_data(tprototype_dataset& adataset_dest, tprototype_dataset& adataset_source);
};
