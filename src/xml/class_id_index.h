// A dense table from class id to class entry position, filled by pairs and then fixed; holes hold
// -1. It follows the integer range table of the containers layer, messages included.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "procs/velmor_exception.h"

class tclass_id_index : public tvelmor_object {
public:
    void clear();
    void add(int32_t aindex, int32_t avalue);
    // Raises on a second pair for one index; sets fis_unbalanced when more than 10 pairs fill less
    // than a quarter of the range.
    void finish_adds();
    bool is_finalized() const { return ffinalized; }
    bool in_range(int32_t aindex) const { return aindex >= findex_first && aindex <= findex_last; }
    int32_t get_item(int32_t aindex) const;
    const char* class_name() const override { return "tbirdbox_longint"; }

    bool fis_unbalanced = false;

private:
    std::vector<std::pair<int32_t, int32_t>> flist_adds;
    std::vector<int32_t> flist;
    int32_t findex_first = 0;
    int32_t findex_last = -1;
    bool ffinalized = false;
};
