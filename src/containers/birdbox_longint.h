// The range table of 32-bit integers addressed by index (class ids and the like): collected by
// add, fixed by finish_adds into a dense array; a hole holds -1.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "containers/birdbox_generic.h"

class tbirdbox_longint : public tbirdbox_generic {
public:
    static constexpr int32_t hole = -1;

    // Out-of-range lookups, when allowed, give -1 like a hole.
    explicit tbirdbox_longint(bool as_allow_out_of_range = false) : tbirdbox_generic(as_allow_out_of_range) {}
    const char* class_name() const override { return "tbirdbox_longint"; }

    void add(int32_t aindex, int32_t avalue);
    void finish_adds();
    int32_t get_item(int32_t aindex) const { return get_item2(aindex, allow_out_of_range()); }
    int32_t get_item2(int32_t aindex, bool as_allow_out_of_range) const;
    void clear();

    // More than 10 pairs filling less than a quarter of the range: a dense array wastes memory.
    bool is_unbalanced() const { return fis_unbalanced; }

private:
    std::vector<std::pair<int32_t, int32_t>> flist_adds;
    std::vector<int32_t> flist;
    bool fis_unbalanced = false;
};
