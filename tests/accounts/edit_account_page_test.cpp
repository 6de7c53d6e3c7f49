// The account editor over a copy of the demo database, through the product's page controller.
#include <gtest/gtest.h>

#include "controls/grid_controls.h"
#include "support/edit_pages_support.h"

namespace {

constexpr int32_t tag_name = Thandlermodule_edit_account::tag_edit_name;
constexpr int32_t tag_grid = Thandlermodule_edit_account::tag_grid_contacts;
constexpr int32_t tag_rows = Thandlermodule_edit_account::tag_listrows;

class EditAccountPage : public tedit_pages_test {
protected:
    int32_t contact_id_at(int32_t arow) { return account_page().flist_contacts.at<trecord_contact>(arow).fid; }
    void press_minus() { fcontroller->get_handler_main()->callback_message(nullptr, 9902, 1103); }
};

TEST_F(EditAccountPage, opens_the_account_viewing_with_its_contacts_and_the_name_edit_focused) {
    const int32_t id = account_with_contacts(2);
    ASSERT_GT(id, 0);
    open_account(id);
    ASSERT_EQ(5, fcontroller->get_pageno());
    EXPECT_EQ(u"Edit Account", header().ftitle);
    EXPECT_FALSE(account_page().fmode_editing);
    EXPECT_FALSE(account_page().fis_newrecord);
    EXPECT_EQ(tag_name, account_page().ffocused_tag);
    EXPECT_EQ(text("SELECT name FROM account WHERE id = " + std::to_string(id)), edit_text(tag_name));
    EXPECT_EQ(contact_count(id), account_page().grid_contacts().rowcount);
    EXPECT_EQ(text("SELECT first_name FROM contact WHERE id = " + std::to_string(contact_id_at(0))), cell(tag_rows, 0, 0));
    // Viewing: typing changes nothing, and the minus button is off until the grid has the focus.
    type("x");
    EXPECT_EQ(text("SELECT name FROM account WHERE id = " + std::to_string(id)), edit_text(tag_name));
    EXPECT_FALSE(header().fminus_enabled);
    ctrl_tab();
    EXPECT_EQ(tag_grid, account_page().ffocused_tag);
    EXPECT_TRUE(header().fminus_enabled);
    key(tvk::next, ss_ctrl);
    EXPECT_EQ(tag_name, account_page().ffocused_tag);
    EXPECT_FALSE(header().fminus_enabled);
}

TEST_F(EditAccountPage, the_delete_question_names_the_contact_without_a_stray_space) {
    struct tcase {
        const char* first;
        const char* last;
        const char* name;
    };
    const tcase cases[] = {{"Ann", "Lee", "Ann Lee"}, {"", "Lee", "Lee"}, {"Ann", "", "Ann"}};
    const int32_t id = account_with_contacts(1);
    const std::string contact = std::to_string(number(
        "SELECT FIRST 1 id FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account = " + std::to_string(id) +
        " ORDER BY id"));
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        sql(std::string("UPDATE contact SET first_name = '") + c.first + "', last_name = '" + c.last +
            "' WHERE id = " + contact);
        open_account(id);
        ctrl_tab();
        const auto& rows = account_page().flist_contacts;
        int32_t row = 0;
        while (row < rows.count() && std::to_string(rows.at<trecord_contact>(row).fid) != contact) ++row;
        ASSERT_LT(row, rows.count());
        account_page().grid_contacts().row_setfull(row);
        key(tvk::del);
        EXPECT_EQ(std::string("Delete Contact [") + c.name + "] ?    ( Y / N )", question());
        key('N');
        EXPECT_EQ(0, number("SELECT COALESCE( deleted, 0 ) FROM contact WHERE id = " + contact));
    }
}

TEST_F(EditAccountPage, deleting_the_last_contact_empties_the_grid_and_the_minus_button_goes_off) {
    const int32_t id = account_with_contacts(1);
    // Leave the account one contact.
    const int64_t kept = number("SELECT MIN( id ) FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account = " +
                                std::to_string(id));
    sql("UPDATE contact SET deleted = 1 WHERE id_account = " + std::to_string(id) + " AND id <> " + std::to_string(kept));
    open_account(id);
    ASSERT_EQ(1, account_page().grid_contacts().rowcount);
    ctrl_tab();
    ASSERT_TRUE(header().fminus_enabled);
    key(tvk::del);
    key('Y');
    EXPECT_EQ(1, number("SELECT deleted FROM contact WHERE id = " + std::to_string(kept)));
    EXPECT_EQ(0, account_page().grid_contacts().rowcount);
    EXPECT_EQ(0, account_page().flist_contacts.count());
    // Nothing more to delete or open.
    key(tvk::del);
    key(tvk::enter);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    EXPECT_EQ(5, fcontroller->get_pageno());
    ctrl_tab();
    ctrl_tab();
    EXPECT_EQ(tag_grid, account_page().ffocused_tag);
    EXPECT_FALSE(header().fminus_enabled);
}

TEST_F(EditAccountPage, delete_on_an_edit_asks_nothing_while_the_minus_button_deletes_the_current_contact) {
    const int32_t id = account_with_contacts(2);
    open_account(id);
    const int32_t count = account_page().flist_contacts.count();
    ASSERT_EQ(tag_name, account_page().ffocused_tag);
    key(tvk::del);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    account_page().grid_contacts().row_setfull(1);
    const int32_t contact = contact_id_at(1);
    press_minus();
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key('Y');
    EXPECT_EQ(1, number("SELECT deleted FROM contact WHERE id = " + std::to_string(contact)));
    EXPECT_EQ(count - 1, account_page().grid_contacts().rowcount);
    // The rest of the account is untouched.
    EXPECT_EQ(count - 1, contact_count(id));
}

TEST_F(EditAccountPage, a_new_account_is_saved_with_its_generated_key_and_survives_a_reopen) {
    open_account(-1);
    EXPECT_EQ(u"Enter New Account", header().ftitle);
    ASSERT_TRUE(account_page().fmode_editing);
    EXPECT_EQ(-1, account_page().account_id());
    // No contact can belong to an account that is not saved.
    key(tvk::insert);
    EXPECT_EQ(5, fcontroller->get_pageno());
    type("Harbour Tools");
    key(tvk::enter);
    type("HT1");
    key(tvk::enter);
    key(tvk::f2);
    EXPECT_FALSE(account_page().fmode_editing);
    const int32_t id = account_page().account_id();
    ASSERT_GT(id, 0);
    reopen_database();
    tdbrecord_account2 saved;
    Tdatamodule_customers module(*fdatabase);
    ASSERT_TRUE(module.get_account(saved, id));
    EXPECT_EQ(u"harbour tools", saved.get_asunicodestring3("name"));
    EXPECT_EQ(u"ht1", saved.get_asunicodestring3("code"));
}

TEST_F(EditAccountPage, a_change_is_saved_and_coming_back_from_a_contact_reloads_the_account) {
    const int32_t id = account_with_contacts(1);
    open_account(id);
    key(tvk::f3);
    retype("renamed");
    // While editing, neither a contact nor a new one is opened: the change would be lost.
    ctrl_tab();
    key(tvk::enter);
    key(tvk::insert);
    EXPECT_EQ(5, fcontroller->get_pageno());
    ctrl_tab();
    key(tvk::f2);
    EXPECT_FALSE(account_page().fmode_editing);
    EXPECT_EQ("renamed", text("SELECT name FROM account WHERE id = " + std::to_string(id)));
    // Open the first contact; meanwhile the account changes; coming back shows it as it is now.
    ctrl_tab();
    const int32_t first = contact_id_at(0);
    key(tvk::enter);
    ASSERT_EQ(4, fcontroller->get_pageno());
    EXPECT_EQ(first, contact_page().frecord->get_aslongint3("id"));
    sql("UPDATE account SET name = 'changed meanwhile' WHERE id = " + std::to_string(id));
    key(tvk::escape);
    ASSERT_EQ(5, fcontroller->get_pageno());
    EXPECT_EQ("changed meanwhile", edit_text(tag_name));
    EXPECT_EQ(id, account_page().account_id());
    reopen_database();
    EXPECT_EQ("changed meanwhile", text("SELECT name FROM account WHERE id = " + std::to_string(id)));
}

TEST_F(EditAccountPage, text_still_in_the_edit_counts_when_f2_or_esc_come_first) {
    const int32_t id = account_with_contacts(1);
    const std::string where = " FROM account WHERE id = " + std::to_string(id);
    const std::string name = text("SELECT name" + where);
    open_account(id);
    // Esc with the typed text still in the edit asks, and "no" restores the saved name.
    key(tvk::f3);
    key(tvk::home, ss_ctrl);
    type("typed");
    key(tvk::escape);
    EXPECT_EQ("Save changes ?", question());
    key('N');
    EXPECT_FALSE(account_page().fmode_editing);
    EXPECT_EQ(name, edit_text(tag_name));
    // F2 right after typing saves what was typed.
    key(tvk::f3);
    key(tvk::home, ss_ctrl);
    type("typed");
    key(tvk::f2);
    EXPECT_FALSE(account_page().fmode_editing);
    EXPECT_EQ("typed", text("SELECT name" + where));
}

}  // namespace
