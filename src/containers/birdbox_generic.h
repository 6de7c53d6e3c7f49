// What both range tables share: the two phases (collect pairs, then a fixed dense range) with
// their errors, and the range of indexes with its bounds checks.
#pragma once

#include <cstdint>
#include <vector>

#include "procs/velmor_exception.h"

class tbirdbox_generic : public tvelmor_object {
public:
    bool is_finalized() const { return ffinalized; }
    bool is_empty() const { return fis_empty; }
    bool allow_out_of_range() const { return fallow_out_of_range; }
    int32_t index_first() const { return findex_first; }
    int32_t index_last() const { return findex_last; }
    // last - first + 1, holes included; 0 for an empty table.
    int32_t get_count() const;

protected:
    explicit tbirdbox_generic(bool as_allow_out_of_range) : fallow_out_of_range(as_allow_out_of_range) {}

    // Raise the phase errors: add after finish_adds, a lookup before it.
    void check_adding() const;
    void check_finalized(const char* aoperation) const;
    bool in_range(int32_t aindex) const { return aindex >= findex_first && aindex <= findex_last; }
    // Raises "Index out of range in %s.<aoperation>( %d );" for an index outside the range.
    void check_index(int32_t aindex, const char* aoperation) const;
    // Whether a lookup at aindex finds a slot; false only when out of range and that is allowed.
    bool locate(int32_t aindex, bool as_allow_out_of_range) const;
    size_t position(int32_t aindex) const { return static_cast<size_t>(int64_t{aindex} - findex_first); }

    // Fixes the range from the pending indexes, raising (and changing nothing) when finish_adds
    // was already called or an index occurs twice. The caller then fills the dense array.
    void fix_range(const std::vector<int32_t>& aindexes);
    size_t range_length() const { return static_cast<size_t>(int64_t{findex_last} - findex_first + 1); }
    // Back to the collecting phase with an empty range.
    void reset_range();

private:
    bool ffinalized = false;
    int32_t findex_first = 0;
    int32_t findex_last = -1;
    bool fallow_out_of_range;
    bool fis_empty = true;
};
