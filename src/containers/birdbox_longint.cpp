#include "containers/birdbox_longint.h"

void tbirdbox_longint::add(int32_t aindex, int32_t avalue) {
    check_adding();
    flist_adds.emplace_back(aindex, avalue);
}

void tbirdbox_longint::finish_adds() {
    std::vector<int32_t> indexes;
    indexes.reserve(flist_adds.size());
    for (const auto& pair : flist_adds) indexes.push_back(pair.first);
    fix_range(indexes);
    flist.assign(range_length(), hole);
    for (const auto& [index, value] : flist_adds) flist[position(index)] = value;
    int64_t pairs = static_cast<int64_t>(flist_adds.size());
    fis_unbalanced = pairs > 10 && pairs * 4 < static_cast<int64_t>(range_length());
    flist_adds.clear();
}

int32_t tbirdbox_longint::get_item2(int32_t aindex, bool as_allow_out_of_range) const {
    return locate(aindex, as_allow_out_of_range) ? flist[position(aindex)] : hole;
}

void tbirdbox_longint::clear() {
    flist_adds.clear();
    flist.clear();
    fis_unbalanced = false;
    reset_range();
}
