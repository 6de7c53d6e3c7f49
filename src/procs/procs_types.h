// Small enumerations and option sets shared by the text, number and date utilities.
#pragma once

#include <cstdint>
#include <initializer_list>

// A set of enumeration values (the values must be below 32), with the set operations callers need.
template <typename E>
class tenum_set {
public:
    constexpr tenum_set() = default;
    constexpr tenum_set(std::initializer_list<E> avalues) {
        for (E v : avalues) include(v);
    }
    constexpr bool contains(E avalue) const { return (fbits & bit(avalue)) != 0; }
    constexpr bool empty() const { return fbits == 0; }
    constexpr tenum_set& include(E avalue) { fbits |= bit(avalue); return *this; }
    constexpr tenum_set& exclude(E avalue) { fbits &= ~bit(avalue); return *this; }
    constexpr bool operator==(const tenum_set&) const = default;

private:
    static constexpr uint32_t bit(E avalue) { return uint32_t{1} << static_cast<uint32_t>(avalue); }
    uint32_t fbits = 0;
};

enum tformat_number_flag : uint8_t { ff_commas };
using tformat_number_flags = tenum_set<tformat_number_flag>;

enum tformat_decimal_option : uint8_t { fd_currency };
using tformat_decimal_options = tenum_set<tformat_decimal_option>;

enum tcompare_result : uint8_t { cr_none, cr_lessthan, cr_equals, cr_greaterthan };

enum tstring_option101 : uint8_t { so_case_insensitive, so_skip_whitespace };
using tstring_options101 = tenum_set<tstring_option101>;

enum tstring_operation101 : uint8_t { sp_lhs_only, sp_rhs_only, sp_include_spaces };
using tstring_operations101 = tenum_set<tstring_operation101>;
