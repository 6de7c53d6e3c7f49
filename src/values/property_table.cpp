#include "values/property_table.h"

#include <cctype>

// Names are ASCII: folding A to Z by hand spares a locale lookup per character (column and
// property names are matched this way for every row loaded).
bool same_text_nocase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

static std::string lower_text(std::string_view a) {
    std::string r(a);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

const tclass_info& treflected_object::static_class() {
    static const tclass_info info("tobject", nullptr);
    return info;
}

const tclass_info& treflected_object::get_class() const { return static_class(); }

const char* treflected_object::class_name() const { return get_class().name(); }

const char* property_kind_name(tproperty_kind akind) {
    switch (akind) {
    case tproperty_kind::pk_smallint: return "smallint";
    case tproperty_kind::pk_longint: return "longint";
    case tproperty_kind::pk_int64: return "int64";
    case tproperty_kind::pk_boolean: return "boolean";
    case tproperty_kind::pk_currency: return "currency";
    case tproperty_kind::pk_double: return "double";
    case tproperty_kind::pk_ansistring: return "ansistring";
    case tproperty_kind::pk_unicodestring: return "unicodestring";
    case tproperty_kind::pk_object: return "object";
    case tproperty_kind::pk_enumeration: return "enumeration";
    case tproperty_kind::pk_set: return "set";
    case tproperty_kind::pk_integer_list: return "integer list";
    }
    return "unknown";
}

bool property_kind_is_integer(tproperty_kind akind) {
    return akind == tproperty_kind::pk_smallint || akind == tproperty_kind::pk_longint ||
           akind == tproperty_kind::pk_int64;
}

int32_t tproperty_info::value_index(std::string_view aname) const {
    for (size_t i = 0; i < fvalue_names.size(); ++i) {
        if (same_text_nocase(fvalue_names[i], aname)) return static_cast<int32_t>(i);
    }
    return -1;
}

tclass_info::tclass_info(const char* aname, const tclass_info* aparent, tfactory afactory,
                         std::span<const tproperty_info> aproperties)
    : fname(aname), fparent(aparent), ffactory(afactory), fown(aproperties.begin(), aproperties.end()) {
    if (fparent) fall = fparent->fall;
    for (const tproperty_info& p : fown) fall.push_back(&p);
}

bool tclass_info::inherits_from(const tclass_info& aancestor) const {
    for (const tclass_info* c = this; c; c = c->fparent) {
        if (c == &aancestor) return true;
    }
    return false;
}

std::unique_ptr<treflected_object> tclass_info::create() const {
    if (!ffactory) throw tvelmor_exception("%s.create(); not implemented.", fname);
    return ffactory();
}

int32_t tclass_info::property_index(std::string_view aname) const {
    for (size_t i = 0; i < fall.size(); ++i) {
        if (same_text_nocase(fall[i]->fname, aname)) return static_cast<int32_t>(i);
    }
    return -1;
}

const tproperty_info* tclass_info::find_property(std::string_view aname) const {
    int32_t i = property_index(aname);
    return i < 0 ? nullptr : fall[static_cast<size_t>(i)];
}

tclass_registry& tclass_registry::global() {
    static tclass_registry registry;
    return registry;
}

void tclass_registry::add(const tclass_info& ainfo) {
    auto [it, added] = fclasses.emplace(lower_text(ainfo.name()), &ainfo);
    if (!added && it->second != &ainfo)
        throw tvelmor_exception("Class %s registered twice in %s.add();", ainfo.name(), class_name());
}

const tclass_info* tclass_registry::find(std::string_view aname) const {
    auto it = fclasses.find(lower_text(aname));
    return it == fclasses.end() ? nullptr : it->second;
}

const tclass_info& tclass_registry::get(std::string_view aname) const {
    const tclass_info* c = find(aname);
    if (!c) throw tvelmor_exception("Class %s not registered in %s.get();", std::string(aname), class_name());
    return *c;
}
