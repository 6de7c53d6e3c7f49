#include "values/record_header.h"

#include <gtest/gtest.h>

#include "values/test_helpers.h"
#include "values/valueelement_generic.h"

namespace {
struct tmessage_line : treflected_object {
    static const tclass_info& static_class() {
        return describe_class<tmessage_line, treflected_object>(
            "tmessage_line", {prop<&tmessage_line::fcode>("code"), prop<&tmessage_line::fbold>("bold"),
                              prop<&tmessage_line::ftext>("text"), prop<&tmessage_line::famount>("amount")});
    }
    const tclass_info& get_class() const override { return static_class(); }
    int16_t fcode = 0;
    bool fbold = false;
    std::u16string ftext;
    tcurrency famount;
};
}  // namespace

TEST(RecordHeaders, ClassHeaderPacksValuesAfterTheHeaderReference) {
    theader_class h(tmessage_line::static_class());
    const int32_t r = theader_class::header_reference_size;
    ASSERT_EQ(4, h.count());
    EXPECT_EQ(r, h.field_index(0));
    EXPECT_EQ(r + 2, h.field_index(1));
    EXPECT_EQ(r + 3, h.field_index(2));
    EXPECT_EQ(r + 3 + static_cast<int32_t>(sizeof(void*)), h.field_index(3));
    EXPECT_EQ(h.field_index(3) + 8, h.record_size());
    EXPECT_EQ(vt_boolean, h.field_type(1));
    EXPECT_EQ(st_boolean, h.field_subtype(1));
    EXPECT_EQ(st_none, h.field_subtype(0));
    EXPECT_EQ(12, theader_record_standard(12).record_size());
}

TEST(ValueElements, BaseRaisesWithoutTheSemicolon) {
    tvalueelement_generic e(vb_longint, 101);
    EXPECT_EQ(101, e.tag());
    EXPECT_EQ("tvalueelement_generic.get_astext() not implemented.", message_of([&] { e.get_astext(); }));
    EXPECT_EQ("tvalueelement_generic.set_ascurrency() not implemented.", message_of([&] { e.set_ascurrency(tcurrency()); }));
    EXPECT_EQ("tvalueelement_generic.get_asvalueelement() not implemented.", message_of([&] { e.get_asvalueelement(0); }));
}
