// Page parameter records: a page's parameters are the declared properties of its record class
// (16/32-bit integers, Booleans, wide text), written to and read from the page stacks in order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "values/property_table.h"

class Thandlermodule_page;
class twriter_generic;
class treader_generic;

// When a page's parameter record is released: right after once_created, or with the page.
enum tdrop_point : uint8_t { dp_once_created, dp_never };

// One value passed when a page is entered by class: an integer, a Boolean or a wide text.
using tparam_value = std::variant<int64_t, bool, std::u16string>;

class tparams_generic : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    explicit tparams_generic(tdrop_point adrop_point = dp_once_created) : fdrop_point(adrop_point) {}

    tdrop_point fdrop_point;

    // Hooks around the page's once_created; nothing in the base.
    virtual void before_once_created(Thandlermodule_page& ahandlermodule);
    virtual void after_once_created(Thandlermodule_page& ahandlermodule);

    // Value i goes to property i; fewer values leave the rest at their defaults.
    void assign_values(std::span<const tparam_value> avalues);
    // Every property in declaration order onto the stack / back from it in reverse order.
    void push_data(twriter_generic& awriter) const;
    void pop_data(treader_generic& areader);

protected:
    // Gives every integer property that declares a default that default; each class's
    // constructor calls it, as the base constructor cannot reach the fields of a subclass.
    void apply_defaults();
};

// Hooks that need the page layer are installed by it at start-up (the page layer sits above this one).
using tparams_hook = void (*)(tparams_generic& aparams, Thandlermodule_page& ahandlermodule);

class tparams_null : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_null(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) {}
};

class tparams_gridrow : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_gridrow(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t frow_start = 0;
    // Moves the page's grid to frow_start.
    static inline tparams_hook fon_after_once_created = nullptr;
    void after_once_created(Thandlermodule_page& ahandlermodule) override;
};

class tparams_id : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_id(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fid = 0;
};

class tparams_launch : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_launch(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int16_t flaunch_page = 0;
};

class tparams_launch2 : public tparams_launch {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_launch2(tdrop_point adrop_point = dp_once_created) : tparams_launch(adrop_point) { apply_defaults(); }
    int32_t flaunch_id = 0;
};

class tparams_edit_account : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_account(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fid_account = 0;
};

class tparams_edit_contact : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_contact(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fid_record = 0;
    bool fparam_is_newrecord = false;
};

// The customer search keeps its record while it is shown, whatever the caller asks.
class tparams_search_customer : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_search_customer(tdrop_point = dp_never) : tparams_generic(dp_never) { apply_defaults(); }
    int32_t frow_start = 0;
    std::u16string fsearch;
};

class tparams_search_plu : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_search_plu(tdrop_point = dp_never) : tparams_generic(dp_never) { apply_defaults(); }
    int32_t frow_start = 0;
    std::u16string fsearch;
    // Copies fsearch into the page's search text.
    static inline tparams_hook fon_before_once_created = nullptr;
    void before_once_created(Thandlermodule_page& ahandlermodule) override;
};

class tparams_edit_plu : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_plu(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fid_plu = 0;
};

class tparams_edit_jobhdr : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_jobhdr(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fjob_id = 0;
};

class tparams_edit_job : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_job(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fjob_id = 0;
    int16_t fjob_lineno = 0;
};

class tparams_edit_cpinvoice_billitem : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_cpinvoice_billitem(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) {
        apply_defaults();
    }
    int32_t fid_cpinvoice = 0;
    int16_t flineno = 0;
};

class tparams_edit_cpunit : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_edit_cpunit(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) { apply_defaults(); }
    int32_t fid_cpinvoice = 0;
    int16_t ftabpageno = 0;
};

void register_params_classes(tclass_registry& aregistry);
