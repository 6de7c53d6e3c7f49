// The byte stack that carries page parameters and page records, with its typed writer, the reader
// that pops values and the peeker that reads the top value without removing it. Integers are
// little-endian; strings put their characters first and their length on top.
#pragma once

#include <cstdint>
#include <string>

#include "containers/container_stream.h"
#include "containers/reader_writer_generic.h"

class tstack_stream : public tcontainer_stream {
public:
    const char* class_name() const override { return "tstack_stream"; }

    bool is_empty() const { return get_count() == 0; }
    // Pushes asize bytes on top.
    void push(const void* adata, int32_t asize) { add(adata, asize); }
    // Removes the top asize bytes, copying them out in the order they were pushed; an under-run
    // raises and leaves the stack unchanged.
    void pop(void* adata, int32_t asize);
    // Copies asize bytes that end aoffset bytes below the top, without removing them.
    void peek(void* adata, int32_t asize, int32_t aoffset) const;

    // Raise the pop or peek under-run error when the stack cannot give that many bytes.
    void check_pop(int64_t asize) const;
    void check_peek(int64_t asize, int64_t aoffset) const;
};

// Pushes typed values on a stack it does not own; created around one operation.
class twriter_stack_stream : public twriter_generic {
public:
    explicit twriter_stack_stream(tstack_stream& astack_stream) : fstack_stream(astack_stream) {}
    const char* class_name() const override { return "twriter_stack_stream"; }

    void write_byte(uint8_t avalue) override;
    void write_boolean(bool avalue) override;
    void write_longint(int32_t avalue) override;
    void write_smallint(int16_t avalue) override;
    // At most 255 characters: a longer text raises rather than being cut short.
    void write_shortstring(const std::string& avalue) override;
    void write_currency(tcurrency avalue) override;
    void write_ansistring(const std::string& avalue) override;
    void write_unicodestring(const std::u16string& avalue) override;

private:
    tstack_stream& fstack_stream;
};

// What the reader and the peeker share: decoding the top value of the stack. They differ only in
// whether the bytes are removed (pop) or left in place (peek at offset 0).
class treader_stack_generic : public treader_generic {
public:
    explicit treader_stack_generic(tstack_stream& astack_stream) : fstack_stream(astack_stream) {}

    std::string read_ansistring() override;
    std::u16string read_unicodestring() override;
    bool read_boolean() override;
    uint8_t read_byte() override;
    int32_t read_longint() override;
    int16_t read_smallint() override;
    tcurrency read_currency() override;
    std::string read_shortstring() override;

protected:
    // Raises the under-run error unless asize bytes are present.
    virtual void require(int64_t asize) const = 0;
    // Copies the top asize bytes (already required) in pushed order.
    virtual void take(void* adata, int32_t asize) = 0;

    tstack_stream& fstack_stream;

private:
    template <typename T> T read_integer();
    // The bytes of a string value whose length field of alength_size bytes is on top; the
    // characters are aunit bytes each.
    std::string read_counted(int32_t alength_size, int32_t aunit);
};

// Pops typed values in the reverse order of writing; created around one operation.
class treader_stack_stream : public treader_stack_generic {
public:
    using treader_stack_generic::treader_stack_generic;
    const char* class_name() const override { return "treader_stack_stream"; }

protected:
    void require(int64_t asize) const override { fstack_stream.check_pop(asize); }
    void take(void* adata, int32_t asize) override { fstack_stream.pop(adata, asize); }
};

// Reads the value on top without removing it: reading twice gives the same value.
class tpeeker_stack_stream : public treader_stack_generic {
public:
    using treader_stack_generic::treader_stack_generic;
    const char* class_name() const override { return "tpeeker_stack_stream"; }

protected:
    void require(int64_t asize) const override { fstack_stream.check_peek(asize, 0); }
    void take(void* adata, int32_t asize) override { fstack_stream.peek(adata, asize, 0); }
};
