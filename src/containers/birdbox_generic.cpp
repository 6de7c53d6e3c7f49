#include "containers/birdbox_generic.h"

#include <algorithm>

int32_t tbirdbox_generic::get_count() const {
    check_finalized("get_count");
    return static_cast<int32_t>(range_length());
}

void tbirdbox_generic::check_adding() const {
    if (ffinalized) throw tvelmor_exception("Illegal %s.add(); after finalized.", class_name());
}

void tbirdbox_generic::check_finalized(const char* aoperation) const {
    if (!ffinalized) throw tvelmor_exception("Illegal %s.%s(); without being finalized.", class_name(), aoperation);
}

void tbirdbox_generic::check_index(int32_t aindex, const char* aoperation) const {
    if (!in_range(aindex)) throw tvelmor_exception("Index out of range in %s.%s( %d );", class_name(), aoperation, aindex);
}

bool tbirdbox_generic::locate(int32_t aindex, bool as_allow_out_of_range) const {
    check_finalized("get_item");
    if (in_range(aindex)) return true;
    if (as_allow_out_of_range) return false;
    throw tvelmor_exception("Index out of range in %s.get_item( %d );", class_name(), aindex);
}

void tbirdbox_generic::fix_range(const std::vector<int32_t>& aindexes) {
    if (ffinalized) throw tvelmor_exception("Illegal %s.finish_adds(); after finalized.", class_name());
    int32_t first = 0;
    int32_t last = -1;
    if (!aindexes.empty()) {
        auto [lowest, highest] = std::minmax_element(aindexes.begin(), aindexes.end());
        first = *lowest;
        last = *highest;
    }
    std::vector<int32_t> sorted(aindexes);
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        throw tvelmor_exception("Illegal assignment to occupied element in %s.finish_adds();", class_name());
    findex_first = first;
    findex_last = last;
    fis_empty = aindexes.empty();
    ffinalized = true;
}

void tbirdbox_generic::reset_range() {
    ffinalized = false;
    findex_first = 0;
    findex_last = -1;
    fis_empty = true;
}
