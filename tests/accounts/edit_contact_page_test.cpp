// The contact editor over a copy of the demo database, through the product's page controller.
#include <gtest/gtest.h>

#include "accounts/handlermodule_search_customer.h"
#include "controls/grid_controls.h"
#include "support/edit_pages_support.h"

namespace {

constexpr int32_t tag_first_name = Thandlermodule_edit_contact::tag_edit_first_name;
constexpr int32_t tag_last_name = 208;
constexpr int32_t tag_rows = Thandlermodule_edit_contact::tag_listrows;

class EditContactPage : public tedit_pages_test {};

TEST_F(EditContactPage, entered_without_parameters_it_raises_its_message) {
    start();
    EXPECT_EQ("Unassigned params in Thandlermodule_edit_contact.once_created();",
              message_of([&] { fcontroller->page_enter(int16_t{4}, false); }));
}

TEST_F(EditContactPage, opens_the_contact_viewing_with_its_account_and_saves_a_change_that_survives_a_reopen) {
    const int32_t account = account_with_contacts(1);
    const int32_t id = static_cast<int32_t>(
        number("SELECT FIRST 1 id FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account = " +
               std::to_string(account) + " ORDER BY id"));
    open_contact(id, false);
    ASSERT_EQ(4, fcontroller->get_pageno());
    EXPECT_EQ(u"Edit Contact", header().ftitle);
    EXPECT_EQ(tag_first_name, contact_page().ffocused_tag);
    EXPECT_FALSE(contact_page().fmode_editing);
    EXPECT_EQ(text("SELECT last_name FROM contact WHERE id = " + std::to_string(id)), edit_text(tag_last_name));
    ASSERT_EQ(1, contact_page().grid_account().rowcount);
    EXPECT_EQ(text("SELECT name FROM account WHERE id = " + std::to_string(account)), cell(tag_rows, 0, 0));

    key(tvk::f3);
    key(tvk::enter);  // on to the last name
    retype("newlast");
    key(tvk::f2);
    EXPECT_FALSE(contact_page().fmode_editing);
    reopen_database();
    tdbrecord_contact2 saved;
    Tdatamodule_customers module(*fdatabase);
    ASSERT_TRUE(module.get_contact(saved, id));
    EXPECT_EQ(u"newlast", saved.get_asunicodestring3("last_name"));
    EXPECT_EQ(account, saved.get_aslongint3("id_account"));
}

TEST_F(EditContactPage, a_new_contact_from_the_account_editor_carries_the_account_and_is_listed_there_once_saved) {
    const int32_t account = account_with_contacts(1);
    const int32_t before = contact_count(account);
    open_account(account);
    key(tvk::insert);
    ASSERT_EQ(4, fcontroller->get_pageno());
    EXPECT_EQ(u"Enter New Contact", header().ftitle);
    EXPECT_TRUE(contact_page().fis_newrecord);
    EXPECT_TRUE(contact_page().fmode_editing);
    // Before anything is saved the contact already names its account and shows it.
    EXPECT_EQ(account, contact_page().frecord->get_aslongint3("id_account"));
    ASSERT_EQ(1, contact_page().grid_account().rowcount);
    EXPECT_EQ(text("SELECT name FROM account WHERE id = " + std::to_string(account)), cell(tag_rows, 0, 0));

    type("zoe");
    key(tvk::enter);
    key(tvk::f2);
    const int32_t id = contact_page().frecord->get_aslongint3("id");
    ASSERT_GT(id, 0);
    key(tvk::escape);
    ASSERT_EQ(5, fcontroller->get_pageno());
    EXPECT_EQ(before + 1, account_page().grid_contacts().rowcount);
    bool listed = false;
    for (int32_t row = 0; row < account_page().flist_contacts.count(); ++row)
        listed = listed || account_page().flist_contacts.at<trecord_contact>(row).fid == id;
    EXPECT_TRUE(listed);
    reopen_database();
    EXPECT_EQ(account, number("SELECT id_account FROM contact WHERE id = " + std::to_string(id)));
    EXPECT_EQ("zoe", text("SELECT first_name FROM contact WHERE id = " + std::to_string(id)));
}

TEST_F(EditContactPage, enter_on_the_account_row_goes_back_to_the_account_editor_beneath_instead_of_opening_another) {
    const int32_t account = account_with_contacts(1);
    open_account(account);
    ctrl_tab();
    key(tvk::enter);
    ASSERT_EQ(4, fcontroller->get_pageno());
    ctrl_tab();
    ASSERT_EQ(Thandlermodule_edit_contact::tag_grid_account, contact_page().ffocused_tag);
    key(tvk::enter);
    ASSERT_EQ(5, fcontroller->get_pageno());
    EXPECT_EQ(account, account_page().account_id());
    // Only the menu lies beneath: one Esc reaches it.
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(EditContactPage, from_the_search_the_account_row_opens_the_account_editor_in_place_of_the_contact) {
    const int32_t account = account_with_contacts(1);
    const int32_t id = static_cast<int32_t>(number(
        "SELECT FIRST 1 id FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account = " + std::to_string(account)));
    start();
    key(tvk::enter);
    ASSERT_EQ(2, fcontroller->get_pageno());
    const tparam_value params[] = {int64_t{id}, false};
    fcontroller->page_enter(Thandlermodule_edit_contact::handler_class(), params, false);
    ctrl_tab();
    key(tvk::enter);
    ASSERT_EQ(5, fcontroller->get_pageno());
    EXPECT_EQ(account, account_page().account_id());
    key(tvk::escape);
    EXPECT_EQ(2, fcontroller->get_pageno());
}

}  // namespace
