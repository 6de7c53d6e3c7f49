// The customer data module over a copy of the demo database: records by key and the light lists.
#include <gtest/gtest.h>

#include "accounts/datamodule_customers.h"
#include "accounts/records_customers.h"
#include "support/edit_pages_support.h"

namespace {

class DatamoduleCustomers : public tedit_pages_test {
protected:
    void SetUp() override {
        tedit_pages_test::SetUp();
        fdatabase->open_database(0);
        fmodule = std::make_unique<Tdatamodule_customers>(*fdatabase);
    }
    void TearDown() override {
        fmodule.reset();
        tedit_pages_test::TearDown();
    }
    std::unique_ptr<Tdatamodule_customers> fmodule;
};

TEST_F(DatamoduleCustomers, a_missing_key_leaves_the_record_cleared_and_answers_false) {
    tdbrecord_account2 account;
    const int32_t id = account_with_contacts(1);
    ASSERT_TRUE(fmodule->get_account(account, id));
    EXPECT_EQ(id, account.get_aslongint3("id"));
    EXPECT_FALSE(fmodule->get_account(account, -5));
    for (int32_t i = 0; i < account.get_field_count(); ++i) EXPECT_FALSE(account.get_field_is_assigned(i)) << i;
    tdbrecord_contact2 contact;
    EXPECT_FALSE(fmodule->get_contact(contact, -5));
}

TEST_F(DatamoduleCustomers, the_lists_select_the_row_class_columns_and_skip_deleted_contacts) {
    const int32_t account = account_with_contacts(2);
    const int64_t gone = number("SELECT MIN( id ) FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account = " +
                                std::to_string(account));
    sql("UPDATE contact SET deleted = 1 WHERE id = " + std::to_string(gone));
    tlist_reflected contacts;
    fmodule->get_account_contacts(contacts, trecord_contact::static_class(), account);
    ASSERT_EQ(contact_count(account), static_cast<int32_t>(contacts.size()));
    for (const auto& item : contacts) {
        const auto& c = static_cast<const trecord_contact&>(*item);
        EXPECT_NE(gone, c.fid);
        EXPECT_EQ(text("SELECT last_name FROM contact WHERE id = " + std::to_string(c.fid)), utf16_to_utf8(c.flast_name));
    }
    const std::string name = text("SELECT name FROM account WHERE id = " + std::to_string(account));
    tlist_reflected by_key, of_contact;
    fmodule->get_accounts(by_key, trecord_customer::static_class(), account);
    fmodule->get_contact_accounts(of_contact, trecord_customer::static_class(),
                                  static_cast<const trecord_contact&>(*contacts[0]).fid);
    for (const tlist_reflected* list : {&by_key, &of_contact}) {
        ASSERT_EQ(1u, list->size());
        EXPECT_EQ(account, static_cast<const trecord_customer&>(*list->front()).fid);
        EXPECT_EQ(name, utf16_to_utf8(static_cast<const trecord_customer&>(*list->front()).fname));
    }
}

TEST_F(DatamoduleCustomers, a_list_that_cannot_be_read_stays_empty_quietly_and_the_next_reads_work) {
    const int32_t account = account_with_contacts(1);
    // Contacts have no column "name": the statement fails.
    tlist_reflected broken;
    EXPECT_NO_THROW(fmodule->get_account_contacts(broken, trecord_customer::static_class(), account));
    EXPECT_TRUE(broken.empty());
    EXPECT_FALSE(fdatabase->Transaction1.active());
    // The module's reading transaction starts again with the next read.
    tlist_reflected contacts;
    fmodule->get_account_contacts(contacts, trecord_contact::static_class(), account);
    EXPECT_EQ(contact_count(account), static_cast<int32_t>(contacts.size()));
    tdbrecord_account2 record;
    EXPECT_TRUE(fmodule->get_account(record, account));
}

}  // namespace
