#include <gtest/gtest.h>

#include "procs/velmor_exception.h"

TEST(MessageFormat, PlaceholdersProduceTheSystemTexts) {
    struct tcase { const char* name; std::string got; std::string want; };
    const tcase cases[] = {
        {"text and integer", tprocs_message::format("Field [%s] not found in %s; %d", {"a", "b", 7}), "Field [a] not found in b; 7"},
        {"padded", tprocs_message::format("%.2d/%.4d/%.8d", {5, 42, 123}), "05/0042/00000123"},
        {"padding never cuts", tprocs_message::format("%.2d", {12345}), "12345"},
        {"negative padded", tprocs_message::format("%.4d", {-42}), "-0042"},
        {"hex", tprocs_message::format("%%%.2x [%s]", {0x1f, "x"}), "%1f [x]"},
        {"hex4", tprocs_message::format("%.4x.jpg", {0xab}), "00ab.jpg"},
        {"indexed again", tprocs_message::format("WHERE %0:s = :%0:s", {"recno"}), "WHERE recno = :recno"},
        {"money", tprocs_message::format("%m", {tcurrency(12345000)}), "$1,234.50"},
        {"negative money", tprocs_message::format("%m", {tcurrency(-5000)}), "-$0.50"},
        {"wide text", tprocs_message::format("\"%s\"", {std::u16string(u"Zo\u00eb")}), "\"Zo\xc3\xab\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(MessageFormat, MismatchedPlaceholdersRaiseInsteadOfMisbehaving) {
    EXPECT_THROW(tprocs_message::format("%s", {}), std::logic_error);
    EXPECT_THROW(tprocs_message::format("%d", {"text"}), std::logic_error);
    EXPECT_THROW(tprocs_message::format("%q", {1}), std::logic_error);
    EXPECT_THROW(tprocs_message::format("50%", {}), std::logic_error);
    EXPECT_THROW(tprocs_message::format("%s", {"a", "b"}), std::logic_error);
}

TEST(MessageFormat, ExceptionCarriesTheFormattedMessage) {
    try {
        throw tvelmor_exception("%s.handle_paint(); not implemented.", "Thandlermodule_page");
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ(e.what(), "Thandlermodule_page.handle_paint(); not implemented.");
    }
}

TEST(Utf, RoundTripsAndReplacesMalformedInput) {
    std::u16string wide = u"a\u00e9\u4e2d\U0001F600";
    EXPECT_EQ(utf8_to_utf16(utf16_to_utf8(wide)), wide);
    EXPECT_EQ(utf8_to_utf16("\xe4\xb8"), u"\uFFFD");
    EXPECT_EQ(utf8_to_utf16("a\xffz"), u"a\uFFFDz");
    EXPECT_EQ(utf16_to_utf8(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
}
