// Merges several sorted result sets into one list, a few rows at a time: the compare event picks
// which dataset's current row comes next, the add event takes that row.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/fb_query.h"

class tdatablock_container : public tvelmor_object {
public:
    const char* class_name() const override { return "tdatablock_container"; }

    void open_datasets();
    void close_datasets();
    // Adds up to arecordcount rows; true when at least one was added. When every dataset is at
    // its end the container is finished and closes them.
    bool add_records(int32_t arecordcount);
    bool finished() const { return ffinished; }
    // Resolves the names of the form's "datasets" list through the owner's components; a
    // component that is not a dataset (statement) is refused.
    void afterconstruction(const std::vector<std::string>& adataset_names,
                           const std::function<tvelmor_object*(const std::string&)>& afind_component);

    std::vector<tfb_query*> fdatasets;  // not owned
    bool floaded = false;
    // Given two dataset indexes, returns the one whose current row comes first.
    std::function<int32_t(int32_t, int32_t)> fon_compare_dataset;
    // Given a dataset index, takes its current row.
    std::function<void(int32_t)> fon_add_record;
    bool ffinished = false;
};
