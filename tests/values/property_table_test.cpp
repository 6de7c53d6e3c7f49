#include "values/property_table.h"

#include <gtest/gtest.h>

namespace {

enum class tshape { sh_box, sh_circle, sh_line };
constexpr const char* shape_names[] = {"sh_box", "sh_circle", "sh_line"};

class tsample_base : public treflected_object {
public:
    int32_t fwidth = 0;
    std::u16string fcaption;
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
};

class tsample : public tsample_base {
public:
    int16_t fheight = 0;
    tshape fshape = tshape::sh_box;
    uint32_t fborders = 0;
    tcurrency famount;
    std::unique_ptr<tsample> fchild;  // owned
    tsample_base* fbuddy = nullptr;    // referenced
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
};

const tclass_info& tsample_base::static_class() {
    static const tproperty_info props[] = {
        prop<&tsample_base::fwidth>("width").def(80),
        prop<&tsample_base::fcaption>("caption"),
    };
    static const tclass_info info("tsample_base", &treflected_object::static_class(), nullptr, props);
    return info;
}

const tclass_info& tsample::static_class() {
    static const tproperty_info props[] = {
        prop<&tsample::fheight>("height").def(-1),
        prop_enum<&tsample::fshape>("shape", shape_names),
        prop_set<&tsample::fborders>("borders", shape_names),
        prop<&tsample::famount>("amount"),
        prop<&tsample::fchild>("child"),
        prop<&tsample::fbuddy>("buddy"),
    };
    static const tclass_info info("tsample", &tsample_base::static_class(), factory_of<tsample>, props);
    return info;
}

}  // namespace

TEST(PropertyTable, InheritedPropertiesComeFirstInDeclarationOrder) {
    const tclass_info& c = tsample::static_class();
    ASSERT_EQ(8, c.property_count());
    const char* expected[] = {"width", "caption", "height", "shape", "borders", "amount", "child", "buddy"};
    for (int32_t i = 0; i < c.property_count(); ++i) EXPECT_STREQ(expected[i], c.property(i).fname);
    EXPECT_EQ(tproperty_kind::pk_longint, c.property(0).fkind);
    EXPECT_EQ(tproperty_kind::pk_unicodestring, c.property(1).fkind);
    EXPECT_EQ(tproperty_kind::pk_smallint, c.property(2).fkind);
    EXPECT_EQ(tproperty_kind::pk_currency, c.property(5).fkind);
    EXPECT_EQ(tproperty_kind::pk_object, c.property(6).fkind);
    EXPECT_EQ(&tsample::static_class(), c.property(6).object_class());
    EXPECT_EQ(&tsample_base::static_class(), c.property(7).object_class());
    EXPECT_EQ(2, tsample_base::static_class().property_count());
}

TEST(PropertyTable, LookupByNameIgnoresCaseAndReportsAbsence) {
    const tclass_info& c = tsample::static_class();
    EXPECT_EQ(3, c.property_index("SHAPE"));
    EXPECT_EQ(nullptr, c.find_property("nosuch"));
    EXPECT_EQ(-1, c.property_index("nosuch"));
    EXPECT_EQ(2, c.property(3).value_index("SH_LINE"));
    EXPECT_EQ(-1, c.property(3).value_index("sh_star"));
}

TEST(PropertyTable, DefaultsRangesAndDomainsAreDeclared) {
    const tclass_info& c = tsample::static_class();
    EXPECT_EQ(80, c.property(0).domain());
    EXPECT_EQ(-1, c.property(2).domain());
    EXPECT_EQ(0, c.property(1).domain());
    EXPECT_TRUE(c.property(2).in_range(-32768));
    EXPECT_FALSE(c.property(2).in_range(32768));
    EXPECT_FALSE(c.property(3).in_range(3));
    EXPECT_EQ(7, c.property(4).fmax);
}

TEST(PropertyTable, AccessorsReadAndWriteTheMembersOfAnInstance) {
    std::unique_ptr<treflected_object> o = tsample::static_class().create();
    auto& s = static_cast<tsample&>(*o);
    const tclass_info& c = o->get_class();
    EXPECT_STREQ("tsample", o->class_name());
    c.property(0).set(s, int64_t{120});
    c.property(1).set(s, std::u16string(u"Ab"));
    c.property(2).set(s, int64_t{-7});
    c.property(3).set(s, int64_t{2});
    c.property(4).set(s, int64_t{5});
    c.property(5).set(s, tcurrency(12345));
    EXPECT_EQ(120, s.fwidth);
    EXPECT_EQ(u"Ab", s.fcaption);
    EXPECT_EQ(-7, s.fheight);
    EXPECT_EQ(tshape::sh_line, s.fshape);
    EXPECT_EQ(5u, s.fborders);
    EXPECT_EQ(tcurrency(12345), s.famount);
    EXPECT_EQ(-7, c.property(2).get_integer(s));
    EXPECT_EQ(u"Ab", std::get<std::u16string>(c.property(1).get(s)));
}

TEST(PropertyTable, OwnedObjectPropertyTakesOverAndReferencedOneOnlyPoints) {
    tsample s;
    tsample other;
    const tclass_info& c = tsample::static_class();
    c.property(6).set(s, static_cast<treflected_object*>(new tsample));
    c.property(7).set(s, static_cast<treflected_object*>(&other));
    EXPECT_NE(nullptr, s.fchild.get());
    EXPECT_EQ(&other, s.fbuddy);
    EXPECT_EQ(s.fchild.get(), std::get<treflected_object*>(c.property(6).get(s)));

    // An object of an unrelated class is refused; the caller keeps it and the member is unchanged.
    tsample_base base;
    treflected_object unrelated;
    try {
        c.property(6).set(s, static_cast<treflected_object*>(&base));
        FAIL() << "no exception";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("Class Mismatch [tsample_base] on property child of tsample;", e.what());
    }
    EXPECT_NE(nullptr, s.fchild.get());
    EXPECT_THROW(c.property(7).set(s, &unrelated), tvelmor_exception);
    EXPECT_EQ(&other, s.fbuddy);
}

TEST(PropertyTable, AbstractClassRefusesToCreate) {
    EXPECT_FALSE(tsample_base::static_class().can_create());
    try {
        tsample_base::static_class().create();
        FAIL() << "no exception";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("tsample_base.create(); not implemented.", e.what());
    }
}

TEST(PropertyTable, RegistryFindsClassesByNameWithoutRegardToCase) {
    tclass_registry r;
    r.add(tsample::static_class());
    r.add(tsample::static_class());  // adding the same class again is harmless
    EXPECT_EQ(&tsample::static_class(), r.find("TSample"));
    EXPECT_EQ(nullptr, r.find("tnone"));
    try {
        r.get("tnone");
        FAIL() << "no exception";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ("Class tnone not registered in tclass_registry.get();", e.what());
    }
    EXPECT_TRUE(tsample::static_class().inherits_from(tsample_base::static_class()));
    EXPECT_FALSE(tsample_base::static_class().inherits_from(tsample::static_class()));
}
