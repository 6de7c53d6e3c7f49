// The program's reflection: each reflected class describes itself once (name, parent, factory and
// an ordered table of declared properties); readers, writers and pages reach properties by name or index.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "procs/currency.h"
#include "procs/velmor_exception.h"

class tclass_info;

// Root of every class whose properties are reached by name or index. The class name in messages
// always comes from the descriptor, so a subclass cannot report a stale name.
class treflected_object : public tvelmor_object {
public:
    virtual const tclass_info& get_class() const;
    const char* class_name() const final;
    static const tclass_info& static_class();
};

enum class tproperty_kind : uint8_t {
    pk_smallint,       // int16_t
    pk_longint,        // int32_t
    pk_int64,          // int64_t
    pk_boolean,        // bool
    pk_currency,       // tcurrency
    pk_double,         // double
    pk_ansistring,     // std::string
    pk_unicodestring,  // std::u16string
    pk_object,         // treflected_object* (owned or referenced, as the member says)
    pk_enumeration,    // ordinal of an enumeration with named values
    pk_set,            // bit i set = enumeration value i is in the set
    pk_integer_list,   // std::vector<int32_t>
};

const char* property_kind_name(tproperty_kind akind);
bool property_kind_is_integer(tproperty_kind akind);  // smallint, longint, int64

// One property value in transit. Integers, enumeration ordinals and set masks travel as int64_t.
using tproperty_value = std::variant<int64_t, bool, tcurrency, double, std::string, std::u16string,
                                     treflected_object*, std::vector<int32_t>>;

struct tproperty_info;
using tproperty_getter = tproperty_value (*)(const treflected_object&, const tproperty_info&);
using tproperty_setter = void (*)(treflected_object&, const tproperty_info&, tproperty_value&&);

// The descriptor of one declared property.
struct tproperty_info {
    const char* fname = "";
    tproperty_kind fkind = tproperty_kind::pk_longint;
    bool fhas_default = false;
    int64_t fdefault = 0;   // declared default; for records also the field domain
    int64_t fmin = 0;       // declared range of integer, enumeration and set properties
    int64_t fmax = 0;
    int32_t ftag = 0;       // free for the accessors (records keep the field index here)
    std::span<const char* const> fvalue_names;  // enumeration and set value names
    // The class an object property refers to; a function so a class may refer to itself.
    const tclass_info& (*fobject_class)() = nullptr;
    tproperty_getter fget = nullptr;
    tproperty_setter fset = nullptr;

    // Declaration helpers, chained after the builders below.
    tproperty_info def(int64_t adefault) const {
        tproperty_info r = *this;
        r.fhas_default = true;
        r.fdefault = adefault;
        return r;
    }
    tproperty_info range(int64_t amin, int64_t amax) const {
        tproperty_info r = *this;
        r.fmin = amin;
        r.fmax = amax;
        return r;
    }
    tproperty_info tag(int32_t atag) const {
        tproperty_info r = *this;
        r.ftag = atag;
        return r;
    }

    const tclass_info* object_class() const { return fobject_class ? &fobject_class() : nullptr; }
    int64_t domain() const { return fhas_default ? fdefault : 0; }
    bool in_range(int64_t avalue) const { return avalue >= fmin && avalue <= fmax; }
    // Index of an enumeration value name (case-insensitive), -1 when absent.
    int32_t value_index(std::string_view aname) const;

    tproperty_value get(const treflected_object& ainstance) const { return fget(ainstance, *this); }
    void set(treflected_object& ainstance, tproperty_value avalue) const { fset(ainstance, *this, std::move(avalue)); }
    // Typed shortcuts; the caller has checked the kind.
    int64_t get_integer(const treflected_object& ainstance) const { return std::get<int64_t>(get(ainstance)); }
    void set_integer(treflected_object& ainstance, int64_t avalue) const { set(ainstance, avalue); }
};

using tfactory = std::unique_ptr<treflected_object> (*)();

// The descriptor of one reflected class: its own properties follow the inherited ones.
class tclass_info {
public:
    tclass_info(const char* aname, const tclass_info* aparent, tfactory afactory = nullptr,
                std::span<const tproperty_info> aproperties = {});
    tclass_info(const tclass_info&) = delete;
    tclass_info& operator=(const tclass_info&) = delete;

    const char* name() const { return fname; }
    const tclass_info* parent() const { return fparent; }
    bool inherits_from(const tclass_info& aancestor) const;  // true for the class itself too
    bool can_create() const { return ffactory != nullptr; }
    // Raises when the class is abstract.
    std::unique_ptr<treflected_object> create() const;

    int32_t property_count() const { return static_cast<int32_t>(fall.size()); }
    const tproperty_info& property(int32_t aindex) const { return *fall[static_cast<size_t>(aindex)]; }
    // Case-insensitive; -1 / nullptr when absent.
    int32_t property_index(std::string_view aname) const;
    const tproperty_info* find_property(std::string_view aname) const;

private:
    const char* fname;
    const tclass_info* fparent;
    tfactory ffactory;
    std::vector<tproperty_info> fown;
    std::vector<const tproperty_info*> fall;
};

// Class descriptors by class name, filled by one explicit registration function per library.
class tclass_registry : public tvelmor_object {
public:
    static tclass_registry& global();
    const char* class_name() const override { return "tclass_registry"; }

    void add(const tclass_info& ainfo);
    const tclass_info* find(std::string_view aname) const;  // case-insensitive
    const tclass_info& get(std::string_view aname) const;   // raises when absent
    size_t count() const { return fclasses.size(); }

private:
    std::map<std::string, const tclass_info*> fclasses;  // key: lower-case name
};

bool same_text_nocase(std::string_view a, std::string_view b);

// ---- Builders: one entry per declared property, over a member pointer of the class. ----

namespace property_detail {

template <typename T> struct member_traits;
template <typename C, typename T> struct member_traits<T C::*> {
    using owner = C;
    using type = T;
};

template <typename T> struct is_unique_ptr : std::false_type {};
template <typename T> struct is_unique_ptr<std::unique_ptr<T>> : std::true_type {};

template <typename T> constexpr tproperty_kind kind_of() {
    if constexpr (std::is_same_v<T, int16_t>) return tproperty_kind::pk_smallint;
    else if constexpr (std::is_same_v<T, int32_t>) return tproperty_kind::pk_longint;
    else if constexpr (std::is_same_v<T, int64_t>) return tproperty_kind::pk_int64;
    else if constexpr (std::is_same_v<T, bool>) return tproperty_kind::pk_boolean;
    else if constexpr (std::is_same_v<T, tcurrency>) return tproperty_kind::pk_currency;
    else if constexpr (std::is_same_v<T, double>) return tproperty_kind::pk_double;
    else if constexpr (std::is_same_v<T, std::string>) return tproperty_kind::pk_ansistring;
    else if constexpr (std::is_same_v<T, std::u16string>) return tproperty_kind::pk_unicodestring;
    else if constexpr (std::is_same_v<T, std::vector<int32_t>>) return tproperty_kind::pk_integer_list;
    else if constexpr (std::is_pointer_v<T> || is_unique_ptr<T>::value) return tproperty_kind::pk_object;
    else static_assert(sizeof(T) == 0, "no property kind for this member type");
}

template <typename T> constexpr void limits_of(int64_t& amin, int64_t& amax) {
    if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
        amin = static_cast<int64_t>(std::numeric_limits<T>::min());
        amax = static_cast<int64_t>(std::numeric_limits<T>::max());
    }
}

template <auto M> auto& member_of(const treflected_object& ainstance) {
    using owner = typename member_traits<decltype(M)>::owner;
    return static_cast<const owner&>(ainstance).*M;
}
template <auto M> auto& member_of(treflected_object& ainstance) {
    using owner = typename member_traits<decltype(M)>::owner;
    return static_cast<owner&>(ainstance).*M;
}

template <auto M> tproperty_value get_member(const treflected_object& ainstance, const tproperty_info&) {
    using T = typename member_traits<decltype(M)>::type;
    const T& v = member_of<M>(ainstance);
    if constexpr (std::is_enum_v<T>) return static_cast<int64_t>(v);
    else if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) return static_cast<int64_t>(v);
    else if constexpr (std::is_pointer_v<T>) return static_cast<treflected_object*>(v);
    else if constexpr (is_unique_ptr<T>::value) return static_cast<treflected_object*>(v.get());
    else return v;
}

// An object of another class than the property's is refused, never stored as a null reference.
template <typename P>
P object_for(const treflected_object& ainstance, const tproperty_info& ainfo, treflected_object* aobject) {
    P p = dynamic_cast<P>(aobject);
    if (aobject && !p)
        throw tvelmor_exception("Class Mismatch [%s] on property %s of %s;", aobject->class_name(), ainfo.fname,
                                ainstance.class_name());
    return p;
}

template <auto M> void set_member(treflected_object& ainstance, const tproperty_info& ainfo, tproperty_value&& avalue) {
    using T = typename member_traits<decltype(M)>::type;
    T& v = member_of<M>(ainstance);
    if constexpr (std::is_enum_v<T> || (std::is_integral_v<T> && !std::is_same_v<T, bool>)) {
        v = static_cast<T>(std::get<int64_t>(avalue));
    } else if constexpr (std::is_pointer_v<T>) {
        v = object_for<T>(ainstance, ainfo, std::get<treflected_object*>(avalue));
    } else if constexpr (is_unique_ptr<T>::value) {
        // An owning member takes over the object it is given.
        v.reset(object_for<typename T::pointer>(ainstance, ainfo, std::get<treflected_object*>(avalue)));
    } else {
        v = std::move(std::get<T>(avalue));
    }
}

template <typename T> auto target_class_of() -> const tclass_info& (*)() {
    if constexpr (std::is_pointer_v<T>) return &std::remove_pointer_t<T>::static_class;
    else if constexpr (is_unique_ptr<T>::value) return &T::element_type::static_class;
    else return nullptr;
}

}  // namespace property_detail

// A property stored in member M; the kind follows the member's type.
template <auto M> tproperty_info prop(const char* aname) {
    using T = typename property_detail::member_traits<decltype(M)>::type;
    tproperty_info r;
    r.fname = aname;
    r.fkind = property_detail::kind_of<T>();
    property_detail::limits_of<T>(r.fmin, r.fmax);
    r.fobject_class = property_detail::target_class_of<T>();
    r.fget = &property_detail::get_member<M>;
    r.fset = &property_detail::set_member<M>;
    return r;
}

// An enumeration property over an enum (class) member with its value names in ordinal order.
template <auto M> tproperty_info prop_enum(const char* aname, std::span<const char* const> avalue_names) {
    tproperty_info r;
    r.fname = aname;
    r.fkind = tproperty_kind::pk_enumeration;
    r.fmin = 0;
    r.fmax = static_cast<int64_t>(avalue_names.size()) - 1;
    r.fvalue_names = avalue_names;
    r.fget = &property_detail::get_member<M>;
    r.fset = &property_detail::set_member<M>;
    return r;
}

// A set property over an unsigned integer member: bit i stands for value name i.
template <auto M> tproperty_info prop_set(const char* aname, std::span<const char* const> avalue_names) {
    tproperty_info r = prop_enum<M>(aname, avalue_names);
    r.fkind = tproperty_kind::pk_set;
    r.fmax = avalue_names.size() >= 63 ? std::numeric_limits<int64_t>::max()
                                       : (int64_t{1} << avalue_names.size()) - 1;
    return r;
}

// A property reached through accessors instead of a member (for example a record field by index).
inline tproperty_info prop_access(const char* aname, tproperty_kind akind, tproperty_getter aget,
                                  tproperty_setter aset) {
    tproperty_info r;
    r.fname = aname;
    r.fkind = akind;
    switch (akind) {
    case tproperty_kind::pk_smallint: property_detail::limits_of<int16_t>(r.fmin, r.fmax); break;
    case tproperty_kind::pk_longint: property_detail::limits_of<int32_t>(r.fmin, r.fmax); break;
    case tproperty_kind::pk_int64: property_detail::limits_of<int64_t>(r.fmin, r.fmax); break;
    default: break;
    }
    r.fget = aget;
    r.fset = aset;
    return r;
}

// The factory of a concrete class, for tclass_info.
template <typename T> std::unique_ptr<treflected_object> factory_of() { return std::make_unique<T>(); }

// The descriptor of class T (derived from Parent), made once on first use. Usage in T's .cpp:
//   const tclass_info& T::static_class() {
//       return describe_class<T, Parent>("t...", {prop<&T::fx>("x").def(-1), ...});
//   }
template <typename T, typename Parent>
const tclass_info& describe_class(const char* aname, std::initializer_list<tproperty_info> aproperties = {}) {
    tfactory factory = nullptr;
    if constexpr (!std::is_abstract_v<T> && std::is_default_constructible_v<T>) factory = factory_of<T>;
    static const tclass_info info(aname, &Parent::static_class(), factory,
                                  std::span<const tproperty_info>(aproperties.begin(), aproperties.size()));
    return info;
}
