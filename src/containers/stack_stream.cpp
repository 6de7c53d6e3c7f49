#include "containers/stack_stream.h"

#include <array>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

template <typename T>
std::array<uint8_t, sizeof(T)> to_little_endian(T avalue) {
    using U = std::make_unsigned_t<T>;
    U bits = static_cast<U>(avalue);
    std::array<uint8_t, sizeof(T)> bytes{};
    for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
    return bytes;
}

template <typename T>
T from_little_endian(const uint8_t* abytes) {
    using U = std::make_unsigned_t<T>;
    U bits = 0;
    for (size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<U>(static_cast<U>(abytes[i]) << (8 * i));
    return static_cast<T>(bits);
}

template <typename T>
void push_integer(tstack_stream& astack, T avalue) {
    auto bytes = to_little_endian(avalue);
    astack.push(bytes.data(), static_cast<int32_t>(bytes.size()));
}

}  // namespace

// ---- tstack_stream

void tstack_stream::check_pop(int64_t asize) const {
    if (asize < 0 || asize > get_count())
        throw tvelmor_exception("Illegal %s.pop(); beyond beginning of stream.", class_name());
}

void tstack_stream::check_peek(int64_t asize, int64_t aoffset) const {
    if (aoffset < 0) throw tvelmor_exception("Illegal %s.peek(); beyond end of stream.", class_name());
    if (asize < 0 || asize + aoffset > get_count())
        throw tvelmor_exception("Illegal %s.peek(); beyond beginning of stream.", class_name());
}

void tstack_stream::pop(void* adata, int32_t asize) {
    check_pop(asize);
    int32_t start = get_count() - asize;
    if (asize > 0) std::memcpy(adata, get_data() + start, static_cast<size_t>(asize));
    set_count(start);
}

void tstack_stream::peek(void* adata, int32_t asize, int32_t aoffset) const {
    check_peek(asize, aoffset);
    if (asize > 0) std::memcpy(adata, get_data() + (get_count() - aoffset - asize), static_cast<size_t>(asize));
}

// ---- twriter_stack_stream

void twriter_stack_stream::write_byte(uint8_t avalue) { fstack_stream.push(&avalue, 1); }

void twriter_stack_stream::write_boolean(bool avalue) { write_byte(avalue ? 1 : 0); }

void twriter_stack_stream::write_longint(int32_t avalue) { push_integer(fstack_stream, avalue); }

void twriter_stack_stream::write_smallint(int16_t avalue) { push_integer(fstack_stream, avalue); }

void twriter_stack_stream::write_currency(tcurrency avalue) { push_integer(fstack_stream, avalue.value); }

void twriter_stack_stream::write_shortstring(const std::string& avalue) {
    if (avalue.size() > 255)
        throw tvelmor_exception("Illegal %s.write_shortstring(); %d characters, at most 255 allowed.", class_name(),
                                avalue.size());
    fstack_stream.push(avalue.data(), static_cast<int32_t>(avalue.size()));
    write_byte(static_cast<uint8_t>(avalue.size()));
}

void twriter_stack_stream::write_ansistring(const std::string& avalue) {
    if (avalue.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw tvelmor_exception("Illegal %s.write_ansistring(); text too long.", class_name());
    fstack_stream.push(avalue.data(), static_cast<int32_t>(avalue.size()));
    write_longint(static_cast<int32_t>(avalue.size()));
}

void twriter_stack_stream::write_unicodestring(const std::u16string& avalue) {
    if (avalue.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() / 2))
        throw tvelmor_exception("Illegal %s.write_unicodestring(); text too long.", class_name());
    std::string bytes;
    bytes.reserve(avalue.size() * 2);
    for (char16_t unit : avalue) {
        auto le = to_little_endian(static_cast<uint16_t>(unit));
        bytes.append(reinterpret_cast<const char*>(le.data()), le.size());
    }
    fstack_stream.push(bytes.data(), static_cast<int32_t>(bytes.size()));
    write_longint(static_cast<int32_t>(avalue.size()));
}

// ---- treader_stack_generic

template <typename T>
T treader_stack_generic::read_integer() {
    std::array<uint8_t, sizeof(T)> bytes{};
    require(sizeof(T));
    take(bytes.data(), sizeof(T));
    return from_little_endian<T>(bytes.data());
}

std::string treader_stack_generic::read_counted(int32_t alength_size, int32_t aunit) {
    require(alength_size);
    std::array<uint8_t, 4> length_bytes{};
    fstack_stream.peek(length_bytes.data(), alength_size, 0);
    int64_t length = alength_size == 1 ? length_bytes[0] : from_little_endian<int32_t>(length_bytes.data());
    // A negative length only comes from reading with the wrong reader type: report it as an
    // under-run so that nothing is removed.
    int64_t total = length < 0 ? std::numeric_limits<int64_t>::max() : alength_size + length * aunit;
    require(total);
    std::string bytes(static_cast<size_t>(total), '\0');
    take(bytes.data(), static_cast<int32_t>(total));
    bytes.resize(static_cast<size_t>(total - alength_size));
    return bytes;
}

std::string treader_stack_generic::read_ansistring() { return read_counted(4, 1); }

std::string treader_stack_generic::read_shortstring() { return read_counted(1, 1); }

std::u16string treader_stack_generic::read_unicodestring() {
    std::string bytes = read_counted(4, 2);
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(from_little_endian<uint16_t>(reinterpret_cast<const uint8_t*>(bytes.data()) + 2 * i));
    return text;
}

bool treader_stack_generic::read_boolean() { return read_byte() != 0; }

uint8_t treader_stack_generic::read_byte() { return read_integer<uint8_t>(); }

int32_t treader_stack_generic::read_longint() { return read_integer<int32_t>(); }

int16_t treader_stack_generic::read_smallint() { return read_integer<int16_t>(); }

tcurrency treader_stack_generic::read_currency() { return tcurrency(read_integer<int64_t>()); }
