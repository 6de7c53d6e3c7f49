#include <gtest/gtest.h>

#include "temp_folder.h"
#include "xml/dataset_list.h"

namespace {

class tperson : public treflected_object {
public:
    static const tclass_info& static_class() {
        static const tproperty_info properties[] = {prop<&tperson::fname>("name"), prop<&tperson::fage>("age"),
                                                    prop<&tperson::fnote>("note")};
        static const tclass_info info("tperson", &treflected_object::static_class(), factory_of<tperson>, properties);
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
    std::string fname;
    int32_t fage = 0;
    std::u16string fnote;
};

// Shares "NAME" and "age" with tperson; its "note" has another kind and is left alone.
class tcontact : public treflected_object {
public:
    static const tclass_info& static_class() {
        static const tproperty_info properties[] = {prop<&tcontact::fname>("NAME"), prop<&tcontact::fage>("age"),
                                                    prop<&tcontact::fnote>("note"), prop<&tcontact::fphone>("phone")};
        static const tclass_info info("tcontact", &treflected_object::static_class(), factory_of<tcontact>, properties);
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
    std::string fname;
    int32_t fage = 0;
    std::string fnote = "unchanged";
    std::string fphone = "none";
};

tlist_reflected people(std::initializer_list<std::pair<const char*, int32_t>> arows) {
    tlist_reflected list;
    for (const auto& [name, age] : arows) {
        auto p = std::make_unique<tperson>();
        p->fname = name;
        p->fage = age;
        list.push_back(std::move(p));
    }
    return list;
}

}  // namespace

TEST(DatasetList, StepsThroughTheListAndEndsAfterTheLastRow) {
    tlist_reflected list = people({{"Ann", 30}, {"Bob", 40}});
    tdataset_list_object dataset(list, tperson::static_class());
    std::vector<std::string> names;
    for (dataset.first(); !dataset.feof; dataset.next()) names.push_back(static_cast<tperson&>(dataset.get_data_row()).fname);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(message_of([&] { dataset.get_data_row(); }), "No current row in tdataset_list_object.get_data_row();");

    tlist_reflected empty;
    tdataset_list_object none(empty, tperson::static_class());
    none.first();
    EXPECT_TRUE(none.feof);
    none.append();
    EXPECT_FALSE(none.feof);
    EXPECT_EQ(empty.size(), 1u);
    EXPECT_EQ(&none.get_data_row(), empty[0].get());
}

TEST(DatasetList, CopyDataAppendsARowPerSourceRowWithTheSharedFields) {
    tlist_reflected source_list = people({{"Ann", 30}, {"Bob", 40}});
    tlist_reflected dest_list;
    tdataset_list_object source(source_list, tperson::static_class());
    tdataset_list_object dest(dest_list, tcontact::static_class());
    tprocs_dataset::copy_data(dest, source);
    ASSERT_EQ(dest_list.size(), 2u);
    const auto& bob = static_cast<const tcontact&>(*dest_list[1]);
    EXPECT_EQ(bob.fname, "Bob");
    EXPECT_EQ(bob.fage, 40);
    EXPECT_EQ(bob.fnote, "unchanged");
    EXPECT_EQ(bob.fphone, "none");
}

TEST(DatasetList, TheAbstractDatasetRaisesForEveryOperation) {
    tprototype_dataset dataset;
    EXPECT_EQ(message_of([&] { dataset.first(); }), "tprototype_dataset.first(); not implemented.");
    EXPECT_EQ(message_of([&] { dataset.next(); }), "tprototype_dataset.next(); not implemented.");
    EXPECT_EQ(message_of([&] { dataset.append(); }), "tprototype_dataset.append(); not implemented.");
    EXPECT_EQ(message_of([&] { dataset.get_data_row(); }), "tprototype_dataset.get_data_row(); not implemented.");
}
