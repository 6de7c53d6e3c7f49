#include "xml/class_id_index.h"

#include <algorithm>

void tclass_id_index::clear() {
    flist_adds.clear();
    flist.clear();
    findex_first = 0;
    findex_last = -1;
    ffinalized = false;
    fis_unbalanced = false;
}

void tclass_id_index::add(int32_t aindex, int32_t avalue) {
    if (ffinalized) throw tvelmor_exception("Illegal %s.add(); after finalized.", class_name());
    flist_adds.emplace_back(aindex, avalue);
}

void tclass_id_index::finish_adds() {
    if (ffinalized) throw tvelmor_exception("Illegal %s.finish_adds(); after finalized.", class_name());
    if (!flist_adds.empty()) {
        auto [lo, hi] = std::minmax_element(flist_adds.begin(), flist_adds.end());
        findex_first = lo->first;
        findex_last = hi->first;
        flist.assign(static_cast<size_t>(int64_t{findex_last} - findex_first + 1), -1);
        for (const auto& [index, value] : flist_adds) {
            int32_t& slot = flist[static_cast<size_t>(index - findex_first)];
            if (slot != -1) throw tvelmor_exception("Illegal assignment to occupied element in %s.finish_adds();", class_name());
            slot = value;
        }
        fis_unbalanced = flist_adds.size() > 10 && flist_adds.size() * 4 < flist.size();
    }
    flist_adds.clear();
    ffinalized = true;
}

int32_t tclass_id_index::get_item(int32_t aindex) const {
    if (!ffinalized) throw tvelmor_exception("Illegal %s.get_item(); without being finalized.", class_name());
    if (!in_range(aindex)) throw tvelmor_exception("Index out of range in %s.get_item( %d );", class_name(), aindex);
    return flist[static_cast<size_t>(aindex - findex_first)];
}
