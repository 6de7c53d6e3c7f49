// A list and a stack of records passed by value.
#pragma once

#include "containers/container_generic.h"

template <typename T>
class tlist_record : public tcontainer_generic<T> {
public:
    const char* class_name() const override { return "tlist_record"; }

    // Appends and returns the new record's index.
    int32_t add(const T& arecord) {
        this->fitems.push_back(arecord);
        return this->get_count() - 1;
    }
    // Inserts before aindex (aindex = count appends).
    void insert(int32_t aindex, const T& arecord) {
        size_t position = this->checked_insert(aindex, "insert");
        this->fitems.insert(this->fitems.begin() + static_cast<std::ptrdiff_t>(position), arecord);
    }
    void set_item(int32_t aindex, const T& arecord) { this->fitems[this->checked(aindex, "set_item")] = arecord; }
    using tcontainer_generic<T>::delete_item;
    using tcontainer_generic<T>::sort;
};

template <typename T>
class tstack_record : public tcontainer_generic<T> {
public:
    const char* class_name() const override { return "tstack_record"; }

    void push(const T& arecord) { this->fitems.push_back(arecord); }
    T& peek() { return this->top(); }
    T pop() { return this->pop_top(); }
};
