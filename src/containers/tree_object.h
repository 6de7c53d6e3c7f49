// An ordered search tree of owned nodes without duplicates. Every node has an index that stays
// valid until the node is deleted; lookups answer with that index and in-order walks go from
// index to index (tprocs_iterate_tree). Built on std::set ordered through the nodes' compare.
#pragma once

#include <cstdint>
#include <iterator>
#include <memory>
#include <set>
#include <type_traits>
#include <vector>

#include "containers/comparable.h"

template <typename T = tcomparable>
class ttree_object : public tvelmor_object {
public:
    ttree_object() = default;
    // The tree orders through acompare instead of the nodes' own compare.
    explicit ttree_object(std::unique_ptr<towning_compare<T>> acompare) : fcompare(std::move(acompare)) {}
    ttree_object(const ttree_object&) = delete;
    ttree_object& operator=(const ttree_object&) = delete;
    const char* class_name() const override { return "ttree_object"; }

    // Adds anode and returns true with its index; when an equal node is present the new node is
    // released, aindex names the existing node and the result is false.
    bool add(std::unique_ptr<T> anode, int32_t& aindex) {
        auto position = forder.lower_bound(anode.get());
        if (position != forder.end() && !less(*anode, node(*position))) {
            aindex = *position;
            return false;
        }
        aindex = take_slot(std::move(anode));
        try {
            fslots[static_cast<size_t>(aindex)].fposition = forder.emplace_hint(position, aindex);
        } catch (...) {
            release_slot(aindex);
            throw;
        }
        return true;
    }

    // The index of the node equal to anode, -1 (and false) when there is none.
    bool find(const T& anode, int32_t& aindex) const { return answer(forder.find(&anode), aindex); }
    // The index of the smallest node greater than anode, -1 (and false) when there is none.
    bool find_first_greaterthan(const T& anode, int32_t& aindex) const {
        return answer(forder.upper_bound(&anode), aindex);
    }

    T* get_node(int32_t aindex) const { return fslots[checked(aindex, "get_node")].fnode.get(); }

    // Removes and frees the node; its index may be reused by a later add.
    void delete_item(int32_t aindex) {
        size_t slot = checked(aindex, "delete");
        forder.erase(fslots[slot].fposition);
        release_slot(aindex);
    }

    int32_t get_count() const { return static_cast<int32_t>(forder.size()); }

    void clear() {
        forder.clear();
        fslots.clear();
        ffree.clear();
    }

    // In-order steps from index to index; false (and -1) past either end.
    bool first_index(int32_t& aindex) const { return answer(forder.begin(), aindex); }
    bool last_index(int32_t& aindex) const {
        return forder.empty() ? answer(forder.end(), aindex) : answer(std::prev(forder.end()), aindex);
    }
    bool next_index(int32_t& aindex) const {
        return answer(std::next(fslots[checked(aindex, "next")].fposition), aindex);
    }

private:
    // Orders slot indexes, and a slot index against a probe node that is not (yet) in the tree.
    struct tless {
        using is_transparent = void;
        const ttree_object* ftree;
        bool operator()(int32_t a, int32_t b) const { return ftree->less(ftree->node(a), ftree->node(b)); }
        bool operator()(int32_t a, const T* b) const { return ftree->less(ftree->node(a), *b); }
        bool operator()(const T* a, int32_t b) const { return ftree->less(*a, ftree->node(b)); }
    };
    using torder = std::set<int32_t, tless>;

    struct tslot {
        std::unique_ptr<T> fnode;
        typename torder::iterator fposition;
    };

    bool less(const T& a, const T& b) const { return compare(a, b) == cr_lessthan; }

    tcompare_result compare(const T& a, const T& b) const {
        if (fcompare) return checked_compare_result(fcompare->compare(a, b));
        if constexpr (std::is_base_of_v<tcomparable, T>) {
            return checked_compare_result(a.compare(b));
        } else {
            throw tvelmor_exception("%s.compare(); not implemented.", class_name());
        }
    }

    const T& node(int32_t aindex) const { return *fslots[static_cast<size_t>(aindex)].fnode; }

    size_t checked(int32_t aindex, const char* aoperation) const {
        if (aindex < 0 || static_cast<size_t>(aindex) >= fslots.size() || !fslots[static_cast<size_t>(aindex)].fnode)
            throw tvelmor_exception("Index out of range in %s.%s( %d );", class_name(), aoperation, aindex);
        return static_cast<size_t>(aindex);
    }

    bool answer(typename torder::const_iterator aposition, int32_t& aindex) const {
        aindex = aposition == forder.end() ? -1 : *aposition;
        return aindex >= 0;
    }

    int32_t take_slot(std::unique_ptr<T> anode) {
        if (ffree.empty()) {
            fslots.push_back(tslot{std::move(anode), forder.end()});
            return static_cast<int32_t>(fslots.size() - 1);
        }
        int32_t index = ffree.back();
        ffree.pop_back();
        fslots[static_cast<size_t>(index)].fnode = std::move(anode);
        return index;
    }

    void release_slot(int32_t aindex) {
        fslots[static_cast<size_t>(aindex)].fnode.reset();
        ffree.push_back(aindex);
    }

    std::unique_ptr<towning_compare<T>> fcompare;
    std::vector<tslot> fslots;
    std::vector<int32_t> ffree;
    torder forder{tless{this}};
};

// In-order walks over a tree by node index.
class tprocs_iterate_tree {
public:
    template <typename T>
    static bool first(const ttree_object<T>& atree, int32_t& aindex) { return atree.first_index(aindex); }
    template <typename T>
    static bool next(const ttree_object<T>& atree, int32_t& aindex) { return atree.next_index(aindex); }
    template <typename T>
    static bool last(const ttree_object<T>& atree, int32_t& aindex) { return atree.last_index(aindex); }
};
