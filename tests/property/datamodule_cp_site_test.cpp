// The site data module over a copy of the demo database.
#include <gtest/gtest.h>

#include "accounts/accounts_fixture.h"
#include "property/datamodule_cp_site.h"

namespace {

class DatamoduleCpSite : public taccounts_page_test {
protected:
    void SetUp() override {
        taccounts_page_test::SetUp();
        fdatabase->open_database(0);
    }
};

TEST_F(DatamoduleCpSite, lookups_by_key_join_the_site_address_and_answer_empty_for_an_unknown_key) {
    execute("INSERT INTO cp_site ( id, address1, address2, address3, address4, pics ) "
            "VALUES ( 900001, 'Unit Block A', '', '12 Quay Street', 'Nelson', 0 )");
    EXPECT_EQ(u"Unit Block A, 12 Quay Street, Nelson", Tdatamodule_cp_site::lookup_site_address(900001));
    EXPECT_EQ(u"", Tdatamodule_cp_site::lookup_site_address(-7));
    const int64_t account = number("SELECT MIN( id ) FROM account");
    EXPECT_FALSE(Tdatamodule_cp_site::lookup_account_name(static_cast<int32_t>(account)).empty());
    EXPECT_EQ(u"", Tdatamodule_cp_site::lookup_account_name(-7));
    const int64_t item = number("SELECT MIN( id ) FROM bill_item");
    EXPECT_FALSE(Tdatamodule_cp_site::lookup_bill_item_code(static_cast<int32_t>(item)).empty());
    EXPECT_EQ(u"", Tdatamodule_cp_site::lookup_bill_item_code(-7));
}

}  // namespace
