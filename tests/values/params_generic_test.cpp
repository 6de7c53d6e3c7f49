#include "values/params_generic.h"

#include <gtest/gtest.h>

#include "containers/stack_stream.h"
#include "values/test_helpers.h"


TEST(ParamsRecords, ConstructionGivesDeclaredDefaultsAndZeroElsewhere) {
    tparams_id id;
    EXPECT_EQ(-1, id.fid);
    EXPECT_EQ(dp_once_created, id.fdrop_point);
    tparams_edit_cpinvoice_billitem billitem(dp_never);
    EXPECT_EQ(-1, billitem.flineno);
    EXPECT_EQ(0, billitem.fid_cpinvoice);
    EXPECT_EQ(dp_never, billitem.fdrop_point);
    tparams_launch2 launch2;
    EXPECT_EQ(0, launch2.flaunch_page);
    EXPECT_EQ(-1, launch2.flaunch_id);
}

TEST(ParamsRecords, SearchRecordsAreAlwaysKept) {
    EXPECT_EQ(dp_never, tparams_search_customer(dp_once_created).fdrop_point);
    EXPECT_EQ(dp_never, tparams_search_plu().fdrop_point);
}

TEST(ParamsRecords, PropertiesListInheritedOnesFirstWithTheirKinds) {
    const tclass_info& c = tparams_launch2::static_class();
    ASSERT_EQ(2, c.property_count());
    EXPECT_STREQ("launch_page", c.property(0).fname);
    EXPECT_EQ(tproperty_kind::pk_smallint, c.property(0).fkind);
    EXPECT_STREQ("launch_id", c.property(1).fname);
    EXPECT_EQ(tproperty_kind::pk_longint, c.property(1).fkind);
    const tclass_info& contact = tparams_edit_contact::static_class();
    EXPECT_EQ(tproperty_kind::pk_boolean, contact.property(1).fkind);
    EXPECT_EQ(0, tparams_null::static_class().property_count());
}

TEST(ParamsRecords, ValuesFillPropertiesInOrderAndLeaveTheRestAtDefaults) {
    tparams_launch2 p;
    const tparam_value one[] = {int64_t{21}};
    p.assign_values(one);
    EXPECT_EQ(21, p.flaunch_page);
    EXPECT_EQ(-1, p.flaunch_id);

    tparams_search_customer s;
    const tparam_value two[] = {int64_t{7}, std::u16string(u"smi")};
    s.assign_values(two);
    EXPECT_EQ(7, s.frow_start);
    EXPECT_EQ(u"smi", s.fsearch);
}

TEST(ParamsRecords, ValuesThatDoNotFitAreRefusedByName) {
    tparams_edit_contact p;
    const tparam_value three[] = {int64_t{1}, true, int64_t{2}};
    EXPECT_EQ("Extra parameters in toperate_rtti_class.get_params_data();", message_of([&] { p.assign_values(three); }));
    const tparam_value text_for_bool[] = {int64_t{1}, std::u16string(u"x")};
    EXPECT_EQ("Field [param_is_newrecord] type boolean not implemented in tparams_edit_contact.push_params_data();",
              message_of([&] { p.assign_values(text_for_bool); }));
    tparams_launch l;
    const tparam_value too_big[] = {int64_t{40000}};
    EXPECT_EQ("Field [launch_page] type smallint not implemented in tparams_launch.push_params_data();",
              message_of([&] { l.assign_values(too_big); }));
    EXPECT_EQ(0, l.flaunch_page);
}

TEST(ParamsRecords, RegistryKnowsEveryParameterClass) {
    tclass_registry r;
    register_params_classes(r);
    EXPECT_EQ(15u, r.count());
    std::unique_ptr<treflected_object> p = r.get("TPARAMS_ID").create();
    EXPECT_EQ(-1, static_cast<tparams_id&>(*p).fid);
}

TEST(ParamsRecords, PushedRecordComesBackFromTheStackIncludingEmptyText) {
    tstack_stream stack;
    tparams_search_plu out;
    out.frow_start = 12;
    out.fsearch = u"";
    tparams_edit_contact contact;
    contact.fid_record = 77;
    contact.fparam_is_newrecord = true;
    {
        twriter_stack_stream writer(stack);
        out.push_data(writer);
        contact.push_data(writer);
    }
    // An int32, a bool; then an int32 and an empty text (its length alone).
    EXPECT_EQ(4 + 4 + 4 + 1, stack.get_count());
    treader_stack_stream reader(stack);
    tparams_edit_contact contact_back;
    contact_back.pop_data(reader);
    EXPECT_EQ(77, contact_back.fid_record);
    EXPECT_TRUE(contact_back.fparam_is_newrecord);
    tparams_search_plu back;
    back.fsearch = u"stale";
    back.pop_data(reader);
    EXPECT_EQ(12, back.frow_start);
    EXPECT_EQ(u"", back.fsearch);
    EXPECT_TRUE(stack.is_empty());
}

TEST(ParamsRecords, DefaultsSurviveARoundTrip) {
    tstack_stream stack;
    tparams_edit_cpinvoice_billitem out;
    twriter_stack_stream writer(stack);
    out.push_data(writer);
    tparams_edit_cpinvoice_billitem back;
    back.flineno = 5;
    treader_stack_stream reader(stack);
    back.pop_data(reader);
    EXPECT_EQ(-1, back.flineno);
}

namespace {
// A record with a property kind the page stacks cannot carry.
class tparams_amount : public tparams_generic {
public:
    static const tclass_info& static_class() {
        return describe_class<tparams_amount, tparams_generic>("tparams_amount", {prop<&tparams_amount::famount>("amount")});
    }
    const tclass_info& get_class() const override { return static_class(); }
    tcurrency famount;
};
}  // namespace

TEST(ParamsRecords, UnsupportedPropertyKindIsRefusedOnBothStackDirections) {
    tstack_stream stack;
    tparams_amount p;
    twriter_stack_stream writer(stack);
    EXPECT_EQ("Field [amount] type currency not implemented in tparams_amount.push_data();",
              message_of([&] { p.push_data(writer); }));
    treader_stack_stream reader(stack);
    EXPECT_EQ("Field [amount] type currency not implemented in tparams_amount.pop_data();",
              message_of([&] { p.pop_data(reader); }));
    EXPECT_TRUE(stack.is_empty());
}
