#include "controls/form_reader.h"

#include <charconv>
#include <map>
#include <vector>

#include "controls/form_tokenizer.h"
#include "procs/message_format.h"

namespace {

// Colour names a declaration may write in place of a number (system colour 15 is the button face).
bool named_color(std::string_view aname, int64_t& avalue) {
    static const std::pair<const char*, int64_t> colors[] = {{"clBtnFace", static_cast<int32_t>(0xFF00000Fu)},
                                                             {"clBlack", 0},
                                                             {"clWhite", 16777215},
                                                             {"clNavy", 8388608},
                                                             {"clAqua", 16776960}};
    for (const auto& [name, value] : colors) {
        if (same_text_nocase(name, aname)) {
            avalue = value;
            return true;
        }
    }
    return false;
}

// Deeper nesting than any page needs: a hostile file must not exhaust the stack.
constexpr int32_t max_nesting = 64;

// Digits (an optional minus first) into an integer; false when they do not fit.
bool parse_integer(std::string_view adigits, int64_t& avalue) {
    const char* end = adigits.data() + adigits.size();
    auto [at, error] = std::from_chars(adigits.data(), end, avalue);
    return error == std::errc() && at == end;
}

std::string lower(std::string_view a) {
    std::string r(a);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

class tform_parser {
public:
    tform_parser(std::string_view atext, const std::string& afilename) : ftokens(atext, afilename) { advance(); }

    std::unique_ptr<tdfm_form> read() {
        std::unique_ptr<tdfm_component> root = parse_object();
        auto* form = dynamic_cast<tdfm_form*>(root.get());
        if (!form) ftokens.fail(froot_class_at, std::string("the form's root class ") + root->class_name() + " is not a page form");
        if (fcurrent.kind != tform_token_kind::end) ftokens.fail(fcurrent, "text after the form's last end");
        resolve_references();
        root.release();
        return std::unique_ptr<tdfm_form>(form);
    }

private:
    struct treference {
        treflected_object* object;
        const tproperty_info* property;
        tform_token at;
    };

    void advance() { fcurrent = ftokens.next(); }
    tform_token take() {
        tform_token t = fcurrent;
        advance();
        return t;
    }
    tform_token expect_name(const char* awhat) {
        if (fcurrent.kind != tform_token_kind::name) ftokens.fail(fcurrent, std::string(awhat) + " expected");
        return take();
    }
    void expect_symbol(char asymbol) {
        if (!fcurrent.is_symbol(asymbol)) ftokens.fail(fcurrent, std::string("'") + asymbol + "' expected");
        advance();
    }
    void expect_keyword(const char* akeyword) {
        if (!fcurrent.is_name(akeyword)) ftokens.fail(fcurrent, std::string("'") + akeyword + "' expected");
        advance();
    }

    // Counts one level of nesting for the life of the object or collection being read.
    class tnesting {
    public:
        tnesting(tform_parser& aparser, const tform_token& aat) : fparser(aparser) {
            if (++fparser.fdepth > max_nesting) fparser.ftokens.fail(aat, "nesting deeper than 64 levels");
        }
        ~tnesting() { --fparser.fdepth; }
        tnesting(const tnesting&) = delete;
        tnesting& operator=(const tnesting&) = delete;

    private:
        tform_parser& fparser;
    };

    std::unique_ptr<tdfm_component> parse_object() {
        tnesting nesting(*this, fcurrent);
        expect_keyword("object");
        tform_token name = expect_name("object name");
        expect_symbol(':');
        tform_token class_name = expect_name("class name");
        const tclass_info* info = tclass_registry::global().find(class_name.text);
        if (!info || !info->can_create()) ftokens.fail(class_name, "unknown class \"" + class_name.text + "\"");
        std::unique_ptr<treflected_object> created = info->create();
        auto* component = dynamic_cast<tdfm_component*>(created.get());
        if (!component) ftokens.fail(class_name, "class \"" + class_name.text + "\" cannot be declared in a form");
        created.release();
        std::unique_ptr<tdfm_component> object(component);
        if (auto* form = dynamic_cast<tdfm_form*>(component)) form->set_class(info);
        if (froot_class_at.kind == tform_token_kind::end) froot_class_at = class_name;
        object->Name = name.text;
        if (!fnames.emplace(lower(name.text), component).second)
            ftokens.fail(name, "a second object named \"" + name.text + "\"");
        while (!fcurrent.is_name("end")) {
            if (fcurrent.kind == tform_token_kind::end) ftokens.fail(fcurrent, "'end' expected");
            if (fcurrent.is_name("object")) {
                object->add_child(parse_object());
            } else {
                parse_property(*object);
            }
        }
        advance();
        return object;
    }

    void parse_property(treflected_object& aobject) {
        tform_token name = expect_name("property name");
        expect_symbol('=');
        if (fcurrent.is_symbol('<')) return parse_collection(aobject, name);
        const tproperty_info* property = aobject.get_class().find_property(name.text);
        if (!property)
            ftokens.fail(name, "unknown property \"" + name.text + "\" of class " + aobject.class_name());
        parse_value(aobject, *property);
    }

    void parse_collection(treflected_object& aobject, const tform_token& aname) {
        auto* component = dynamic_cast<tdfm_component*>(&aobject);
        tnesting nesting(*this, fcurrent);
        advance();
        while (!fcurrent.is_symbol('>')) {
            tform_token at = fcurrent;
            expect_keyword("item");
            treflected_object* item = component ? component->add_collection_item(aname.text) : nullptr;
            if (!item)
                ftokens.fail(aname, "unknown collection \"" + aname.text + "\" of class " + aobject.class_name());
            while (!fcurrent.is_name("end")) {
                if (fcurrent.kind == tform_token_kind::end) ftokens.fail(at, "'end' of the item expected");
                parse_property(*item);
            }
            advance();
        }
        advance();
    }

    [[noreturn]] void bad_value(const tform_token& aat, const tproperty_info& aproperty, const std::string& awhy) {
        ftokens.fail(aat, awhy + " for property \"" + aproperty.fname + "\"");
    }

    int64_t integer_value(const tproperty_info& aproperty) {
        tform_token t = take();
        int64_t v = 0;
        if (t.kind == tform_token_kind::integer) {
            v = t.integer;
        } else if (!(t.kind == tform_token_kind::name && named_color(t.text, v))) {
            bad_value(t, aproperty, "integer expected");
        }
        if (!aproperty.in_range(v)) bad_value(t, aproperty, "value " + t.text + " out of range");
        return v;
    }

    int64_t enum_value(const tproperty_info& aproperty) {
        tform_token t = take();
        int32_t index = t.kind == tform_token_kind::name ? aproperty.value_index(t.text) : -1;
        if (index < 0) bad_value(t, aproperty, "unknown value \"" + t.text + "\"");
        return index;
    }

    tcurrency currency_value(const tproperty_info& aproperty) {
        tform_token t = take();
        if (t.kind != tform_token_kind::integer && t.kind != tform_token_kind::decimal)
            bad_value(t, aproperty, "amount expected");
        std::string digits = t.text;
        size_t point = digits.find('.');
        std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
        if (fraction.size() > 4) bad_value(t, aproperty, "more than four decimals");
        std::string whole = point == std::string::npos ? digits : digits.substr(0, point);
        fraction.resize(4, '0');
        bool negative = !whole.empty() && whole[0] == '-';
        int64_t units = 0, parts = 0, value = 0;
        if (!parse_integer(whole, units) || !parse_integer(fraction, parts) ||
            __builtin_mul_overflow(units, int64_t{10000}, &value) ||
            __builtin_add_overflow(value, negative ? -parts : parts, &value))
            bad_value(t, aproperty, "amount " + t.text + " out of range");
        return tcurrency(value);
    }

    // [a, b]: bit i stands for value i.
    int64_t set_value(const tproperty_info& aproperty) {
        expect_symbol('[');
        int64_t mask = 0;
        while (!fcurrent.is_symbol(']')) {
            tform_token at = fcurrent;
            int64_t index = enum_value(aproperty);
            if (index >= 64) bad_value(at, aproperty, "value \"" + at.text + "\" cannot be in a set");
            mask |= int64_t{1} << index;
            if (!fcurrent.is_symbol(']')) expect_symbol(',');
        }
        advance();
        return mask;
    }

    // (180, 220)
    std::vector<int32_t> integer_list(const tproperty_info& aproperty) {
        expect_symbol('(');
        std::vector<int32_t> list;
        while (!fcurrent.is_symbol(')')) {
            tform_token t = take();
            if (t.kind != tform_token_kind::integer || t.integer < INT32_MIN || t.integer > INT32_MAX)
                bad_value(t, aproperty, "integer expected");
            list.push_back(static_cast<int32_t>(t.integer));
            if (fcurrent.is_symbol(',')) advance();
        }
        advance();
        return list;
    }

    void parse_value(treflected_object& aobject, const tproperty_info& aproperty) {
        tform_token at = fcurrent;
        switch (aproperty.fkind) {
        case tproperty_kind::pk_smallint:
        case tproperty_kind::pk_longint:
        case tproperty_kind::pk_int64: aproperty.set(aobject, integer_value(aproperty)); break;
        case tproperty_kind::pk_boolean: {
            tform_token t = take();
            if (!t.is_name("True") && !t.is_name("False")) bad_value(t, aproperty, "True or False expected");
            aproperty.set(aobject, t.is_name("True"));
            break;
        }
        case tproperty_kind::pk_currency: aproperty.set(aobject, currency_value(aproperty)); break;
        case tproperty_kind::pk_double: {
            tform_token t = take();
            if (t.kind != tform_token_kind::integer && t.kind != tform_token_kind::decimal)
                bad_value(t, aproperty, "number expected");
            double value = 0;
            auto [end, error] = std::from_chars(t.text.data(), t.text.data() + t.text.size(), value);
            if (error != std::errc() || end != t.text.data() + t.text.size())
                bad_value(t, aproperty, "number " + t.text + " out of range");
            aproperty.set(aobject, value);
            break;
        }
        case tproperty_kind::pk_ansistring:
        case tproperty_kind::pk_unicodestring: {
            tform_token t = take();
            if (t.kind != tform_token_kind::text) bad_value(t, aproperty, "quoted text expected");
            if (aproperty.fkind == tproperty_kind::pk_ansistring) aproperty.set(aobject, t.text);
            else aproperty.set(aobject, utf8_to_utf16(t.text));
            break;
        }
        case tproperty_kind::pk_enumeration: aproperty.set(aobject, enum_value(aproperty)); break;
        case tproperty_kind::pk_set: aproperty.set(aobject, set_value(aproperty)); break;
        case tproperty_kind::pk_integer_list: aproperty.set(aobject, integer_list(aproperty)); break;
        case tproperty_kind::pk_object: {
            tform_token t = expect_name("object name");
            freferences.push_back({&aobject, &aproperty, t});
            break;
        }
        default: bad_value(at, aproperty, "no value can be written");
        }
    }

    // References may name objects declared further down, so they are resolved at the end.
    void resolve_references() {
        for (const treference& r : freferences) {
            auto found = fnames.find(lower(r.at.text));
            if (found == fnames.end()) ftokens.fail(r.at, "unknown reference \"" + r.at.text + "\"");
            const tclass_info* wanted = r.property->object_class();
            if (wanted && !found->second->get_class().inherits_from(*wanted))
                ftokens.fail(r.at, "\"" + r.at.text + "\" is not a " + wanted->name());
            r.property->set(*r.object, static_cast<treflected_object*>(found->second));
        }
    }

    tform_tokenizer ftokens;
    int32_t fdepth = 0;
    tform_token fcurrent;
    tform_token froot_class_at;
    std::map<std::string, tdfm_component*> fnames;
    std::vector<treference> freferences;
};

}  // namespace

std::unique_ptr<tdfm_form> tform_reader::read(std::string_view atext, const std::string& afilename) {
    return tform_parser(atext, afilename).read();
}

std::string tform_reader::root_class(std::string_view atext) {
    std::string name = "root";
    tform_tokenizer tokens(atext, name);
    try {
        tform_token keyword = tokens.next(), object = tokens.next(), colon = tokens.next(), cls = tokens.next();
        if (keyword.is_name("object") && object.kind == tform_token_kind::name && colon.is_symbol(':') &&
            cls.kind == tform_token_kind::name)
            return cls.text;
    } catch (const tvelmor_exception&) {
    }
    return "";
}
