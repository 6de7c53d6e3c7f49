// The base of every object a page form declares: it has a Name and a Tag, keeps its nested
// objects in file order, and may hold collections of items (< item ... end >).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "values/property_table.h"

class tdfm_component : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    // Takes a nested object; declarations that accept only some children raise here.
    virtual void add_child(std::unique_ptr<tdfm_component> achild);
    // A new item of the collection property aproperty, owned by this object; nullptr when this
    // class has no such collection.
    virtual treflected_object* add_collection_item(std::string_view aproperty);

    std::string Name;
    int32_t Tag = 0;
    tdfm_component* parent_component = nullptr;  // the object this one is nested in
    std::vector<std::unique_ptr<tdfm_component>> children;
};

// A collection of items of class T, for add_collection_item.
template <typename T>
class tdfm_collection {
public:
    T* add() {
        fitems.push_back(std::make_unique<T>());
        return fitems.back().get();
    }
    const std::vector<std::unique_ptr<T>>& items() const { return fitems; }
    size_t size() const { return fitems.size(); }

private:
    std::vector<std::unique_ptr<T>> fitems;
};

// The descriptor of a concrete declaration class C (one per class: the static lives in the
// template's instantiation for C).
template <typename C>
const tclass_info& declared_class(const char* aname, const tclass_info& aparent,
                                  std::span<const tproperty_info> aprops = {}) {
    static const tclass_info info(aname, &aparent, factory_of<C>, aprops);
    return info;
}

// The root object of a page form: its designed client size and its components in file order.
class tdfm_form : public tdfm_component {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return fclass ? *fclass : static_class(); }
    // Forms of pages are told their own class, so a form names its page's form class.
    void set_class(const tclass_info* aclass) { fclass = aclass; }

    int32_t ClientWidth = 0;
    int32_t ClientHeight = 0;

private:
    const tclass_info* fclass = nullptr;
};

// Registers a page form class (for example "Tform_page_accounts_menu"): a form whose root names
// that class. The name must stay alive for the life of the program (a literal).
const tclass_info& register_form_class(const char* aname);
// The same for a root class named like a page form ("Tform_..."); other names are left alone, so
// the reader still reports them.
void register_form_class_if_page(const char* aname);
