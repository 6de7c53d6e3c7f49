// The base of the system's small lists and stacks: items held in a std::vector, a count, and
// access by index that raises on an index outside the list. tarray_basic is the plain array.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "containers/comparable.h"

// Raises "IndexOutOfRange in <class>.<operation>();" unless 0 <= aindex < acount.
inline size_t checked_container_index(const tvelmor_object& aowner, int64_t aindex, size_t acount,
                                      const char* aoperation) {
    if (aindex < 0 || static_cast<uint64_t>(aindex) >= acount)
        throw tvelmor_exception("IndexOutOfRange in %s.%s();", aowner.class_name(), aoperation);
    return static_cast<size_t>(aindex);
}

template <typename T>
class tcontainer_generic : public tvelmor_object {
public:
    using tcompare = std::function<tcompare_result(const T&, const T&)>;

    const char* class_name() const override { return "tcontainer_generic"; }

    int32_t get_count() const { return static_cast<int32_t>(fitems.size()); }
    bool is_empty() const { return fitems.empty(); }
    T& get_item(int32_t aindex) { return fitems[checked(aindex, "get_item")]; }
    const T& get_item(int32_t aindex) const { return fitems[checked(aindex, "get_item")]; }
    void clear() { fitems.clear(); }

    auto begin() { return fitems.begin(); }
    auto end() { return fitems.end(); }
    auto begin() const { return fitems.begin(); }
    auto end() const { return fitems.end(); }

protected:
    size_t checked(int32_t aindex, const char* aoperation) const {
        return checked_container_index(*this, aindex, fitems.size(), aoperation);
    }
    // Inserting may also append: aindex may equal the count.
    size_t checked_insert(int32_t aindex, const char* aoperation) const {
        return checked_container_index(*this, aindex, fitems.size() + 1, aoperation);
    }

    void delete_item(int32_t aindex) {
        fitems.erase(fitems.begin() + static_cast<std::ptrdiff_t>(checked(aindex, "delete")));
    }
    // Stable, so that records that compare equal keep their order.
    void sort(const tcompare& acompare) {
        std::stable_sort(fitems.begin(), fitems.end(), [&](const T& a, const T& b) {
            return checked_compare_result(acompare(a, b)) == cr_lessthan;
        });
    }

    // The top of a stack is the last item.
    T& top() {
        if (fitems.empty()) throw tvelmor_exception("Illegal Last(); call on empty list in %s.last();", class_name());
        return fitems.back();
    }
    T pop_top() {
        if (fitems.empty()) throw tvelmor_exception("Illegal pop(); on empty stack in %s.pop();", class_name());
        T item = std::move(fitems.back());
        fitems.pop_back();
        return item;
    }

    std::vector<T> fitems;
};

// A fixed-length array of values; new items are zeroed.
template <typename T>
class tarray_basic : public tcontainer_generic<T> {
public:
    explicit tarray_basic(int32_t acount = 0) { set_count(acount); }
    const char* class_name() const override { return "tarray_basic"; }

    void set_count(int32_t acount) { this->fitems.resize(static_cast<size_t>(std::max(acount, 0))); }
    void set_item(int32_t aindex, const T& avalue) { this->fitems[this->checked(aindex, "set_item")] = avalue; }
};
