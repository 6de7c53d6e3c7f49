// Lists of objects, owning them by default: an owning list frees an object when it is deleted,
// when the list is cleared and when the list is destroyed.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "containers/container_generic.h"
#include "containers/owned_ptr.h"

template <typename T>
class tcontainer_object : public tvelmor_object {
public:
    using tcompare = std::function<tcompare_result(const T&, const T&)>;

    explicit tcontainer_object(bool aownsobjects = true) : fownsobjects(aownsobjects) {}
    const char* class_name() const override { return "tcontainer_object"; }

    bool owns_objects() const { return fownsobjects; }
    int32_t get_count() const { return static_cast<int32_t>(fitems.size()); }
    T* get_item(int32_t aindex) const { return fitems[checked(aindex, "get_item")].get(); }

    // Appends and returns the index; an owning list takes the object at once.
    int32_t add(T* aobject) {
        fitems.push_back(wrap(aobject));
        return get_count() - 1;
    }
    int32_t add(std::unique_ptr<T> aobject) { return add(aobject.release()); }
    // Inserts before aindex (aindex = count appends).
    void insert(int32_t aindex, T* aobject) {
        towned_ptr<T> object = wrap(aobject);
        size_t position = checked_container_index(*this, aindex, fitems.size() + 1, "insert");
        fitems.insert(fitems.begin() + static_cast<std::ptrdiff_t>(position), std::move(object));
    }
    void delete_item(int32_t aindex) {
        fitems.erase(fitems.begin() + static_cast<std::ptrdiff_t>(checked(aindex, "delete")));
    }
    // The index of aobject, -1 when it is not in the list.
    int32_t index_of(const T* aobject) const {
        auto found = std::find_if(fitems.begin(), fitems.end(), [&](const auto& item) { return item.get() == aobject; });
        return found == fitems.end() ? -1 : static_cast<int32_t>(found - fitems.begin());
    }
    void sort(const tcompare& acompare) {
        std::stable_sort(fitems.begin(), fitems.end(), [&](const auto& a, const auto& b) {
            return checked_compare_result(acompare(*a, *b)) == cr_lessthan;
        });
    }
    void clear() { fitems.clear(); }

private:
    size_t checked(int32_t aindex, const char* aoperation) const {
        return checked_container_index(*this, aindex, fitems.size(), aoperation);
    }
    towned_ptr<T> wrap(T* aobject) const { return towned_ptr<T>(aobject, toptional_delete<T>{fownsobjects}); }

    bool fownsobjects;
    std::vector<towned_ptr<T>> fitems;
};

template <typename T>
class tlist_object : public tcontainer_object<T> {
public:
    using tcontainer_object<T>::tcontainer_object;
    const char* class_name() const override { return "tlist_object"; }
};
