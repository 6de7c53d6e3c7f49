// Formats the system's messages. Placeholders: %s, %d (next argument), %.Nd (integer with at least
// N digits), %.Nx (lower-case hexadecimal with at least N digits), %m (currency amount),
// %N:s (argument N again, and the next argument is N+1), %% (a percent sign).
// An unknown placeholder or an argument of the wrong kind is a programming error and raises.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "procs/currency.h"

// One argument of a message: an integer, a text (8-bit or UTF-16, stored as UTF-8) or a currency.
class tformat_arg {
public:
    enum class tkind { integer, text, currency };

    template <typename T>
        requires std::is_integral_v<T> && (!std::is_same_v<T, bool>)
    tformat_arg(T avalue) : fkind(tkind::integer), finteger(static_cast<int64_t>(avalue)) {}
    tformat_arg(bool avalue) : fkind(tkind::integer), finteger(avalue ? 1 : 0) {}
    tformat_arg(const char* avalue) : fkind(tkind::text), ftext(avalue ? avalue : "") {}
    tformat_arg(std::string_view avalue) : fkind(tkind::text), ftext(avalue) {}
    tformat_arg(const std::string& avalue) : fkind(tkind::text), ftext(avalue) {}
    tformat_arg(const std::u16string& avalue);
    tformat_arg(const char16_t* avalue);
    tformat_arg(tcurrency avalue) : fkind(tkind::currency), finteger(avalue.value) {}

    tkind kind() const { return fkind; }
    int64_t integer() const { return finteger; }
    const std::string& text() const { return ftext; }

private:
    tkind fkind;
    int64_t finteger = 0;
    std::string ftext;
};

class tprocs_message {
public:
    static std::string format(std::string_view aformat, std::initializer_list<tformat_arg> args);
};

// UTF-16 <-> UTF-8 conversion used wherever user text meets 8-bit text (messages, SQL parameters).
// Unpaired surrogates become U+FFFD; malformed UTF-8 bytes become U+FFFD.
std::string utf16_to_utf8(std::u16string_view atext);
std::u16string utf8_to_utf16(std::string_view atext);
