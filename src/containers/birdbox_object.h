// The range table of objects addressed by tag (controls, panels, themes, class ids): pairs are
// collected by add, fixed by finish_adds into a dense array from the lowest to the highest index,
// then looked up, replaced or swapped. By default the table owns its objects.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "containers/birdbox_generic.h"
#include "containers/owned_ptr.h"
#include "containers/prototype_iterable.h"

template <typename T>
class tbirdbox_object : public tbirdbox_generic {
public:
    tbirdbox_object() : tbirdbox_object(true, false) {}
    explicit tbirdbox_object(bool aownsobjects, bool as_allow_out_of_range = false)
        : tbirdbox_generic(as_allow_out_of_range), fownsobjects(aownsobjects) {}
    const char* class_name() const override { return "tbirdbox_object"; }

    bool owns_objects() const { return fownsobjects; }

    // An owning table takes the object at once, so it is freed even when add raises.
    void add(int32_t aindex, T* avalue) {
        towned_ptr<T> value = wrap(avalue);
        check_adding();
        flist_adds.emplace_back(aindex, std::move(value));
    }
    void add(int32_t aindex, std::unique_ptr<T> avalue) { add(aindex, avalue.release()); }

    void finish_adds() {
        std::vector<int32_t> indexes;
        indexes.reserve(flist_adds.size());
        for (const auto& pair : flist_adds) indexes.push_back(pair.first);
        fix_range(indexes);
        flist.clear();
        flist.resize(range_length());
        for (auto& slot : flist) slot = wrap(nullptr);
        for (auto& [index, value] : flist_adds) flist[position(index)] = std::move(value);
        flist_adds.clear();
    }

    // The object at aindex, nullptr for a hole (or out of range when that is allowed).
    T* get_item(int32_t aindex) const { return get_item2(aindex, allow_out_of_range()); }
    T* get_item2(int32_t aindex, bool as_allow_out_of_range) const {
        return locate(aindex, as_allow_out_of_range) ? flist[position(aindex)].get() : nullptr;
    }

    // Replaces the object at aindex; an owning table frees the one it replaces.
    void set_item(int32_t aindex, T* avalue) {
        towned_ptr<T> value = wrap(avalue);
        check_finalized("set_item");
        check_index(aindex, "set_item");
        flist[position(aindex)] = std::move(value);
    }

    void exchange(int32_t aindex1, int32_t aindex2) {
        check_finalized("exchange");
        if (!in_range(aindex1) || !in_range(aindex2))
            throw tvelmor_exception("Index out of range in %s.exchange( %d, %d );", class_name(), aindex1, aindex2);
        std::swap(flist[position(aindex1)], flist[position(aindex2)]);
    }

    // Frees owned objects, pending ones included, and returns to collecting pairs.
    void clear() {
        flist_adds.clear();
        flist.clear();
        reset_range();
    }

private:
    towned_ptr<T> wrap(T* avalue) const { return towned_ptr<T>(avalue, toptional_delete<T>{fownsobjects}); }

    std::vector<std::pair<int32_t, towned_ptr<T>>> flist_adds;
    bool fownsobjects;
    std::vector<towned_ptr<T>> flist;
};

// Visits the objects of a finished table in index order, skipping holes; an unfinished table
// yields nothing.
template <typename T>
class titerate_birdbox_object : public tprototype_iterable<T> {
public:
    explicit titerate_birdbox_object(const tbirdbox_object<T>& aowner) : fowner(aowner) {}
    const char* class_name() const override { return "titerate_birdbox_object"; }

    void first() override {
        findex = int64_t{fowner.index_first()} - 1;
        next();
    }
    void next() override {
        fitem = nullptr;
        if (!fowner.is_finalized()) return;
        while (fitem == nullptr && findex < fowner.index_last()) fitem = fowner.get_item(static_cast<int32_t>(++findex));
    }
    bool eof() const override { return fitem == nullptr; }
    T* item() const override { return fitem; }

private:
    const tbirdbox_object<T>& fowner;
    int64_t findex = 0;
    T* fitem = nullptr;
};
