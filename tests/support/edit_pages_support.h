// Test support for the account and contact editors: keys and typing through the controller, the
// texts of edits and list-row grids, the open dialog's question, and records read back after the
// database file was closed and opened again.
#pragma once

#include <cctype>
#include <string>

#include "accounts/datamodule_customers.h"
#include "accounts/handlermodule_edit_account.h"
#include "accounts/handlermodule_edit_contact.h"
#include "support/accounts_fixture.h"
#include "controls/container_controls_generic.h"
#include "controls/key_codes.h"
#include "controls/miscobject.h"
#include "controls/text_controls.h"
#include "pages/handlermodule_dialog.h"
#include "procs/procs_string.h"
#include "values/params_generic.h"

class tedit_pages_test : public taccounts_page_test {
protected:
    bool key(uint16_t akey, tshift_state ashift = 0) { return fcontroller->handle_keydown(akey, ashift, false); }
    void ctrl_tab() { key(tvk::tab, ss_ctrl); }
    void type(const std::string& atext) {
        for (char c : atext) key(static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c))));
    }
    // Select all of the focused edit and type over it, then leave it with Enter (which accepts).
    void retype(const std::string& atext) {
        key(tvk::home, ss_ctrl);
        type(atext);
        key(tvk::enter);
    }

    template <typename T>
    T& page() {
        auto* p = dynamic_cast<T*>(fcontroller->get_handler_main());
        if (!p) throw std::runtime_error(std::string("the main page is not ") + typeid(T).name());
        return *p;
    }
    Thandlermodule_edit_account& account_page() { return page<Thandlermodule_edit_account>(); }
    Thandlermodule_edit_contact& contact_page() { return page<Thandlermodule_edit_contact>(); }

    // Enters an editor over the accounts menu, as a page of the search would.
    void open_account(int32_t aid) {
        start();
        const tparam_value params[] = {int64_t{aid}};
        fcontroller->page_enter(Thandlermodule_edit_account::handler_class(), params, false);
    }
    void open_contact(int32_t aid, bool as_new) {
        start();
        const tparam_value params[] = {int64_t{aid}, as_new};
        fcontroller->page_enter(Thandlermodule_edit_contact::handler_class(), params, false);
    }

    std::string edit_text(int32_t atag) {
        auto* e = dynamic_cast<tvelmor_edit*>(fcontroller->get_handler_main()->fcontrols->get_control(atag));
        return e ? utf16_to_utf8(e->get_text()) : "(no edit)";
    }
    // The text a list-rows grid of the main page shows in a cell.
    std::string cell(int32_t alistrows, int32_t arow, int32_t acol) {
        std::u16string text;
        tvelmor_miscobject* rows = fcontroller->get_handler_main()->fcontrols->get_miscobject(alistrows);
        if (!rows || !rows->get_textvalue_rowcol(text, arow, acol)) return "(no cell)";
        return utf16_to_utf8(text);
    }
    std::string question() {
        auto* dialog = dynamic_cast<Thandlermodule_dialog*>(fcontroller->get_handler_ontop());
        if (!dialog) return "(no dialog)";
        std::u16string text;
        for (const auto& line : dialog->flines) text += line;
        return utf16_to_utf8(text);
    }

    std::string text(const std::string& asql) {
        std::string result;
        fdatabase->run_transaction([&] {
            tfb_query q(fdatabase->database_customers, fdatabase->Transaction1);
            q.set_sql(asql);
            q.execute();
            result = q.eof() ? "(no row)" : utf16_to_utf8(q.field(0).as_widestring());
            q.close();
        });
        return result;
    }
    void sql(const std::string& asql) {
        fdatabase->open_database(0);
        fdatabase->execute_query(asql, true);
    }

    // Leaves the pages, closes the database file and opens it again.
    void reopen_database() {
        fcontroller.reset();
        fdatabase->close_database();
        fdatabase->open_database(0);
    }

    // An account with at least acount contacts that are not deleted.
    int32_t account_with_contacts(int32_t acount) {
        fdatabase->open_database(0);  // the menu opens it too; a second open does nothing
        return static_cast<int32_t>(number(
            "SELECT FIRST 1 id_account FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account > 0 "
            "GROUP BY id_account HAVING COUNT(*) >= " + std::to_string(acount) + " ORDER BY id_account"));
    }
    int32_t contact_count(int32_t aid_account) {
        return static_cast<int32_t>(number("SELECT COUNT(*) FROM contact WHERE COALESCE( deleted, 0 ) <> 1 AND id_account = " +
                                           std::to_string(aid_account)));
    }
};
