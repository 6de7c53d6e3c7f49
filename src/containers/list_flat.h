// Lists and stacks of fixed-size records held inline (queue entries, list rows): add hands out a
// zeroed record to fill in place. A reference stays valid only until the next add or insert.
#pragma once

#include "containers/container_generic.h"

template <typename T>
class tcontainer_flat : public tcontainer_generic<T> {
public:
    const char* class_name() const override { return "tcontainer_flat"; }
};

template <typename T>
class tlist_flat : public tcontainer_flat<T> {
public:
    const char* class_name() const override { return "tlist_flat"; }

    // Appends a zeroed record.
    T& add() { return this->fitems.emplace_back(); }
    // Inserts a zeroed record before aindex (aindex = count appends).
    T& add(int32_t aindex) {
        size_t position = this->checked_insert(aindex, "add");
        return *this->fitems.emplace(this->fitems.begin() + static_cast<std::ptrdiff_t>(position));
    }
    using tcontainer_generic<T>::delete_item;
    using tcontainer_generic<T>::sort;
};

template <typename T>
class tstack_flat : public tcontainer_flat<T> {
public:
    const char* class_name() const override { return "tstack_flat"; }

    // Pushes a zeroed record and returns it to be filled.
    T& push() { return this->fitems.emplace_back(); }
    T& peek() { return this->top(); }
    T pop() { return this->pop_top(); }
};
