// A range table of owned objects addressed by tag: pairs are collected by add, fixed by
// finish_adds into a dense array from the lowest to the highest tag (holes stay empty).
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "procs/velmor_exception.h"

template <typename T>
class ttag_box : public tvelmor_object {
public:
    explicit ttag_box(bool as_allow_out_of_range = false) : fallow_out_of_range(as_allow_out_of_range) {}
    const char* class_name() const override { return "tbirdbox_object"; }

    void add(int32_t aindex, std::unique_ptr<T> aobject) {
        if (ffinalized) throw tvelmor_exception("Illegal %s.add(); after finalized.", class_name());
        fadds.emplace_back(aindex, std::move(aobject));
    }

    void finish_adds() {
        if (ffinalized) throw tvelmor_exception("Illegal %s.finish_adds(); after finalized.", class_name());
        findex_first = 0;
        findex_last = -1;
        if (!fadds.empty()) {
            findex_first = findex_last = fadds.front().first;
            for (const auto& [index, object] : fadds) {
                findex_first = std::min(findex_first, index);
                findex_last = std::max(findex_last, index);
            }
        }
        flist.clear();
        flist.resize(static_cast<size_t>(int64_t{findex_last} - findex_first + 1));
        for (auto& [index, object] : fadds) {
            auto& slot = flist[static_cast<size_t>(index - findex_first)];
            if (slot) throw tvelmor_exception("Illegal assignment to occupied element in %s.finish_adds();", class_name());
            slot = std::move(object);
        }
        fadds.clear();
        ffinalized = true;
    }

    T* get_item(int32_t aindex) const { return get_item2(aindex, fallow_out_of_range); }

    T* get_item2(int32_t aindex, bool as_allow_out_of_range) const {
        if (!ffinalized) throw tvelmor_exception("Illegal %s.get_item(); without being finalized.", class_name());
        if (!in_range(aindex)) {
            if (as_allow_out_of_range) return nullptr;
            throw tvelmor_exception("Index out of range in %s.get_item( %d );", class_name(), aindex);
        }
        return flist[static_cast<size_t>(aindex - findex_first)].get();
    }

    void exchange(int32_t aindex1, int32_t aindex2) {
        if (!ffinalized) throw tvelmor_exception("Illegal %s.exchange(); without being finalized.", class_name());
        if (!in_range(aindex1) || !in_range(aindex2))
            throw tvelmor_exception("Index out of range in %s.exchange( %d, %d );", class_name(), aindex1, aindex2);
        std::swap(flist[static_cast<size_t>(aindex1 - findex_first)], flist[static_cast<size_t>(aindex2 - findex_first)]);
    }

    int32_t get_count() const {
        if (!ffinalized) throw tvelmor_exception("Illegal %s.get_count(); without being finalized.", class_name());
        return findex_last - findex_first + 1;
    }
    bool finalized() const { return ffinalized; }
    bool empty() const { return findex_last < findex_first; }
    int32_t index_first() const { return findex_first; }
    int32_t index_last() const { return findex_last; }

    // Visits the stored objects in tag order, holes skipped; usable before finish_adds too.
    template <typename F>
    void for_each(F afunction) const {
        if (!ffinalized) {
            for (const auto& [index, object] : fadds) afunction(object.get());
            return;
        }
        for (const auto& object : flist)
            if (object) afunction(object.get());
    }

private:
    bool in_range(int32_t aindex) const { return aindex >= findex_first && aindex <= findex_last; }

    std::vector<std::pair<int32_t, std::unique_ptr<T>>> fadds;
    std::vector<std::unique_ptr<T>> flist;
    int32_t findex_first = 0;
    int32_t findex_last = -1;
    bool fallow_out_of_range;
    bool ffinalized = false;
};
