#include "containers/stack_stream.h"

#include <gtest/gtest.h>

#include "containers/test_support.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using tbytes = std::vector<uint8_t>;

tbytes contents(const tstack_stream& astack) {
    return tbytes(astack.get_data(), astack.get_data() + astack.get_count());
}

struct tencoding_case {
    const char* name;
    std::function<void(twriter_stack_stream&)> write;
    tbytes bytes;
};

TEST(StackStreamEncoding, EachValueTypeIsPushedAsTheDocumentedBytes) {
    const std::vector<tencoding_case> cases = {
        {"byte", [](auto& w) { w.write_byte(0xAB); }, {0xAB}},
        {"false", [](auto& w) { w.write_boolean(false); }, {0}},
        {"true", [](auto& w) { w.write_boolean(true); }, {1}},
        {"longint", [](auto& w) { w.write_longint(0x12345678); }, {0x78, 0x56, 0x34, 0x12}},
        {"negative longint", [](auto& w) { w.write_longint(-2); }, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"smallint", [](auto& w) { w.write_smallint(-32768); }, {0x00, 0x80}},
        {"currency 1.5", [](auto& w) { w.write_currency(tcurrency(15000)); }, {0x98, 0x3A, 0, 0, 0, 0, 0, 0}},
        {"negative currency", [](auto& w) { w.write_currency(tcurrency(-1)); }, tbytes(8, 0xFF)},
        {"short string", [](auto& w) { w.write_shortstring("ab"); }, {'a', 'b', 2}},
        {"empty short string", [](auto& w) { w.write_shortstring(""); }, {0}},
        {"8-bit string", [](auto& w) { w.write_ansistring("xyz"); }, {'x', 'y', 'z', 3, 0, 0, 0}},
        {"empty 8-bit string", [](auto& w) { w.write_ansistring(""); }, {0, 0, 0, 0}},
        {"unicode string", [](auto& w) { w.write_unicodestring(u"abc"); }, {'a', 0, 'b', 0, 'c', 0, 3, 0, 0, 0}},
        {"unicode beyond latin", [](auto& w) { w.write_unicodestring(u"\u20ac"); }, {0xAC, 0x20, 1, 0, 0, 0}},
        {"empty unicode string", [](auto& w) { w.write_unicodestring(u""); }, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tstack_stream stack;
        twriter_stack_stream writer(stack);
        c.write(writer);
        EXPECT_EQ(c.bytes, contents(stack));
    }
}

TEST(StackStreamEncoding, ValuesComeBackInReverseOrderAndLeaveTheStackEmpty) {
    tstack_stream stack;
    {
        twriter_stack_stream writer(stack);
        writer.write_smallint(-1234);
        writer.write_unicodestring(u"Grüße \u20ac");
        writer.write_boolean(true);
        writer.write_longint(-2147483647 - 1);
        writer.write_currency(tcurrency(-922337203685477580));
        writer.write_ansistring(std::string("a\0b", 3));
        writer.write_shortstring(std::string(255, 'z'));
        writer.write_byte(255);
        writer.write_unicodestring(u"");
    }
    treader_stack_stream reader(stack);
    EXPECT_EQ(u"", reader.read_unicodestring());
    EXPECT_EQ(255, reader.read_byte());
    EXPECT_EQ(std::string(255, 'z'), reader.read_shortstring());
    EXPECT_EQ(std::string("a\0b", 3), reader.read_ansistring());
    EXPECT_EQ(tcurrency(-922337203685477580), reader.read_currency());
    EXPECT_EQ(-2147483647 - 1, reader.read_longint());
    EXPECT_TRUE(reader.read_boolean());
    EXPECT_EQ(u"Grüße \u20ac", reader.read_unicodestring());
    EXPECT_EQ(-1234, reader.read_smallint());
    EXPECT_TRUE(stack.is_empty());
}

TEST(StackStreamEncoding, ShortStringLongerThan255IsRefusedAndNothingIsPushed) {
    tstack_stream stack;
    twriter_stack_stream writer(stack);
    EXPECT_EQ("Illegal twriter_stack_stream.write_shortstring(); 256 characters, at most 255 allowed.",
              message_of([&] { writer.write_shortstring(std::string(256, 'x')); }));
    EXPECT_TRUE(stack.is_empty());
}

struct tunderrun_case {
    const char* name;
    tbytes initial;
    std::function<void(treader_generic&)> read;
};

// Each case leaves too few bytes for the value asked for; the reader must raise and leave every
// byte in place, the peeker must raise its own error.
TEST(StackStreamUnderrun, ReadingMoreThanIsPresentRaisesAndRemovesNothing) {
    const std::vector<tunderrun_case> cases = {
        {"byte from empty", {}, [](auto& r) { r.read_byte(); }},
        {"boolean from empty", {}, [](auto& r) { r.read_boolean(); }},
        {"longint from 3 bytes", {1, 2, 3}, [](auto& r) { r.read_longint(); }},
        {"smallint from 1 byte", {1}, [](auto& r) { r.read_smallint(); }},
        {"currency from 7 bytes", tbytes(7, 1), [](auto& r) { r.read_currency(); }},
        {"8-bit string length only partly there", {0, 0, 0}, [](auto& r) { r.read_ansistring(); }},
        {"8-bit string characters missing", {'a', 3, 0, 0, 0}, [](auto& r) { r.read_ansistring(); }},
        {"negative 8-bit length", {'a', 'b', 0xFF, 0xFF, 0xFF, 0xFF}, [](auto& r) { r.read_ansistring(); }},
        {"unicode string characters missing", {'a', 0, 'b', 2, 0, 0, 0}, [](auto& r) { r.read_unicodestring(); }},
        {"short string characters missing", {'a', 2}, [](auto& r) { r.read_shortstring(); }},
        {"short string from empty", {}, [](auto& r) { r.read_shortstring(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tstack_stream stack;
        stack.push(c.initial.data(), static_cast<int32_t>(c.initial.size()));
        treader_stack_stream reader(stack);
        EXPECT_EQ("Illegal tstack_stream.pop(); beyond beginning of stream.", message_of([&] { c.read(reader); }));
        EXPECT_EQ(c.initial, contents(stack));
        tpeeker_stack_stream peeker(stack);
        EXPECT_EQ("Illegal tstack_stream.peek(); beyond beginning of stream.", message_of([&] { c.read(peeker); }));
        EXPECT_EQ(c.initial, contents(stack));
    }
}

TEST(StackStreamPeeker, PeekingReadsTheTopValueTwiceAndLeavesTheStackUnchanged) {
    tstack_stream stack;
    twriter_stack_stream writer(stack);
    writer.write_longint(7);
    writer.write_unicodestring(u"abc");
    const tbytes before = contents(stack);

    tpeeker_stack_stream peeker(stack);
    EXPECT_EQ(u"abc", peeker.read_unicodestring());
    EXPECT_EQ(u"abc", peeker.read_unicodestring());
    EXPECT_EQ(before, contents(stack));

    treader_stack_stream reader(stack);
    reader.read_unicodestring();
    EXPECT_EQ(7, peeker.read_longint());
    EXPECT_EQ(7, peeker.read_longint());
    EXPECT_EQ(4, stack.get_count());

    writer.write_shortstring("hi");
    EXPECT_EQ("hi", peeker.read_shortstring());
    writer.write_ansistring("ansi");
    EXPECT_EQ("ansi", peeker.read_ansistring());
    writer.write_currency(tcurrency(-5));
    EXPECT_EQ(tcurrency(-5), peeker.read_currency());
    writer.write_smallint(-3);
    EXPECT_EQ(-3, peeker.read_smallint());
    writer.write_boolean(true);
    EXPECT_TRUE(peeker.read_boolean());
}

TEST(StackStream, PopReturnsBytesInPushedOrderAndPeekReachesBelowTheTop) {
    tstack_stream stack;
    const uint8_t pushed[] = {1, 2, 3, 4, 5};
    stack.push(pushed, 5);

    uint8_t two[2] = {};
    stack.peek(two, 2, 1);
    EXPECT_EQ(3, two[0]);
    EXPECT_EQ(4, two[1]);
    EXPECT_EQ("Illegal tstack_stream.peek(); beyond beginning of stream.",
              message_of([&] { stack.peek(two, 2, 4); }));

    uint8_t three[3] = {};
    stack.pop(three, 3);
    EXPECT_EQ(3, three[0]);
    EXPECT_EQ(5, three[2]);
    EXPECT_EQ(2, stack.get_count());
    EXPECT_EQ("Illegal tstack_stream.pop(); beyond beginning of stream.", message_of([&] { stack.pop(three, 3); }));
    EXPECT_EQ(2, stack.get_count());
}

TEST(ContainerStream, CapacityGrowsByHalfAgainWhatIsNeeded) {
    tcontainer_stream buffer;
    const char bytes[16] = "0123456789abcde";
    buffer.add(bytes, 10);
    EXPECT_EQ(15, buffer.get_capacity());
    buffer.add(bytes + 10, 5);
    EXPECT_EQ(15, buffer.get_capacity());
    buffer.add(bytes + 15, 1);
    EXPECT_EQ(24, buffer.get_capacity());
    EXPECT_EQ(16, buffer.get_count());
    EXPECT_EQ(0, std::memcmp(buffer.get_data(), bytes, 16));
}

TEST(ContainerStream, SetCapacityBelowCountRaisesAndEqualKeepsContent) {
    tcontainer_stream buffer;
    buffer.add("abcdef", 6);
    EXPECT_EQ("Illegal tcontainer_stream.set_capacity( 5 ) less than count.",
              message_of([&] { buffer.set_capacity(5); }));
    EXPECT_EQ(9, buffer.get_capacity());
    buffer.set_capacity(6);
    EXPECT_EQ(6, buffer.get_capacity());
    EXPECT_EQ(0, std::memcmp(buffer.get_data(), "abcdef", 6));

    tstack_stream stack;
    stack.push("x", 1);
    EXPECT_EQ("Illegal tstack_stream.set_capacity( 0 ) less than count.", message_of([&] { stack.set_capacity(0); }));
}

TEST(ContainerStream, ClearReleasesTheMemory) {
    tstack_stream stack;
    stack.push("abc", 3);
    stack.clear();
    EXPECT_TRUE(stack.is_empty());
    EXPECT_EQ(0, stack.get_capacity());
    EXPECT_EQ(nullptr, stack.get_data());
}

TEST(ReaderWriterGeneric, BaseAndDoubleOperationsRaiseNotImplementedNamingTheClass) {
    tstack_stream stack;
    twriter_stack_stream writer(stack);
    treader_stack_stream reader(stack);
    tpeeker_stack_stream peeker(stack);
    twriter_generic base_writer;
    treader_generic base_reader;
    EXPECT_EQ("twriter_stack_stream.write_double(); not implemented.", message_of([&] { writer.write_double(1.0); }));
    EXPECT_EQ("treader_stack_stream.read_double(); not implemented.", message_of([&] { reader.read_double(); }));
    EXPECT_EQ("tpeeker_stack_stream.read_double(); not implemented.", message_of([&] { peeker.read_double(); }));
    EXPECT_EQ("twriter_generic.write_unicodestring(); not implemented.",
              message_of([&] { base_writer.write_unicodestring(u"x"); }));
    EXPECT_EQ("twriter_generic.write_byte(); not implemented.", message_of([&] { base_writer.write_byte(1); }));
    EXPECT_EQ("treader_generic.read_shortstring(); not implemented.", message_of([&] { base_reader.read_shortstring(); }));
    EXPECT_EQ("treader_generic.read_currency(); not implemented.", message_of([&] { base_reader.read_currency(); }));
    EXPECT_TRUE(stack.is_empty());
}

}  // namespace
