#include <gtest/gtest.h>

#include "database/fb_script.h"
#include "database/search_keys_upgrade.h"
#include "database_fixture.h"

namespace {

// The search objects of the version before the keys: first-letter columns, their trigger and
// indexes.
const char* const earlier_version =
    "DROP INDEX ix_account_name_key;\n"
    "DROP INDEX ix_contact_first_name_key;\n"
    "DROP INDEX ix_contact_last_name_key;\n"
    "DROP INDEX ix_contact_email_key;\n"
    "DROP TRIGGER tr_account_search_key;\n"
    "DROP TRIGGER tr_contact_search_key;\n"
    "DROP TRIGGER tr_cp_invoice_billitem_lineno;\n"
    "ALTER TABLE account DROP name_key;\n"
    "ALTER TABLE contact DROP first_name_key, DROP last_name_key, DROP email_key;\n"
    "CREATE DOMAIN SEARCHINITIAL AS VARCHAR(1);\n"
    "ALTER TABLE account ADD name_initial SEARCHINITIAL;\n"
    "ALTER TABLE contact ADD first_name_initial SEARCHINITIAL, ADD last_name_initial SEARCHINITIAL,"
    " ADD email_initial SEARCHINITIAL;\n"
    "CREATE INDEX ix_account_name_initial ON account (name_initial, name);\n"
    "CREATE INDEX ix_contact_first_name_initial ON contact (first_name_initial, first_name);\n"
    "SET TERM ^ ;\n"
    "CREATE TRIGGER tr_contact_initial FOR contact BEFORE INSERT OR UPDATE AS\n"
    "BEGIN new.first_name_initial = UPPER(LEFT(new.first_name, 1)); END^\n"
    "SET TERM ; ^\n"
    "INSERT INTO contact (first_name, last_name, email) VALUES ('S\xc3\xb8ren', 'o''Brien', 'soren@example.nz');\n"
    "INSERT INTO contact (first_name, last_name, email) VALUES ('\xc3\xa5sa', NULL, 'ASA@example.nz');\n"
    "INSERT INTO account (name) VALUES ('\xc3\x85kesson Ltd');\n";

class SearchKeysUpgrade : public tdatamodule_test {
protected:
    // Domain 1 as the earlier version left it, with a few rows written by that version.
    void make_earlier_version(const char* aextra = "") {
        fdatabase->open_database(1);
        tfb_script::execute(fdatabase->database_customers, std::string(earlier_version) + aextra);
        ASSERT_FALSE(tsearch_keys_upgrade::up_to_date(fdatabase->database_customers));
        fdatabase->close_database();
    }
    void expect_up_to_date() {
        EXPECT_TRUE(tsearch_keys_upgrade::up_to_date(fdatabase->database_customers));
        EXPECT_EQ(0, number("SELECT COUNT(*) FROM contact WHERE first_name_key IS DISTINCT FROM UPPER(first_name)"
                            " OR last_name_key IS DISTINCT FROM UPPER(last_name) OR email_key IS DISTINCT FROM UPPER(email)"));
        EXPECT_EQ(0, number("SELECT COUNT(*) FROM account WHERE name_key IS DISTINCT FROM UPPER(name)"));
        EXPECT_EQ(0, number("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME LIKE '%\\_INITIAL' ESCAPE '\\'"));
        EXPECT_EQ(0, number("SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME LIKE '%\\_INITIAL' ESCAPE '\\'"));
        // The trigger keeps the key of rows written from now on.
        execute("UPDATE contact SET first_name = 'S\xc3\xb8ren Kierk' WHERE email = 'soren@example.nz'");
        EXPECT_EQ(1, number("SELECT COUNT(*) FROM contact WHERE first_name_key = 'S\xc3\x98REN KIERK'"));
        execute("INSERT INTO account (name) VALUES ('\xc3\xa9mile caf\xc3\xa9')");
        EXPECT_EQ(1, number("SELECT COUNT(*) FROM account WHERE name_key = '\xc3\x89MILE CAF\xc3\x89'"));
        // A template line saved without its number gets the next one.
        const int64_t last = number("SELECT MAX(lineno) FROM cp_invoice_billitem WHERE id = 1");
        execute("INSERT INTO cp_invoice_billitem (id, bill_item, bill_qty_type, bill_qty_ratio) VALUES (1, 1, 0, 1)");
        EXPECT_EQ(last + 1, number("SELECT MAX(lineno) FROM cp_invoice_billitem WHERE id = 1"));
    }
};

}  // namespace

TEST_F(SearchKeysUpgrade, ADatabaseOfTheEarlierVersionGetsItsKeysWhenOpened) {
    make_earlier_version();
    fdatabase->open_database(1);
    expect_up_to_date();
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM contact WHERE first_name_key STARTING WITH 'S\xc3\x98'"));
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM contact WHERE first_name_key STARTING WITH '\xc3\x85S'"));
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM account WHERE name_key STARTING WITH '\xc3\x85K'"));
}

// An upgrade cut short (the key columns added, nothing filled, no index) is finished at the
// next open; an up-to-date database is left as it is.
TEST_F(SearchKeysUpgrade, AnUpgradeCutShortIsFinishedAtTheNextOpen) {
    make_earlier_version(
        "ALTER TABLE account ADD name_key VARCHAR(100) COLLATE UCS_BASIC;\n"
        "ALTER TABLE contact ADD first_name_key VARCHAR(100) COLLATE UCS_BASIC;\n");
    fdatabase->open_database(1);
    expect_up_to_date();
    const int64_t contacts = number("SELECT COUNT(*) FROM contact");
    fdatabase->close_database();
    fdatabase->open_database(1);
    EXPECT_TRUE(tsearch_keys_upgrade::up_to_date(fdatabase->database_customers));
    EXPECT_EQ(contacts, number("SELECT COUNT(*) FROM contact"));
}

TEST_F(SearchKeysUpgrade, ANewDatabaseIsUpToDate) {
    EXPECT_TRUE(tsearch_keys_upgrade::up_to_date(fdatabase->database_customers));
    execute("INSERT INTO contact (first_name, last_name, email) VALUES ('Zo\xc3\xab', 'D''Arcy', 'Zoe@Example.nz')");
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM contact WHERE first_name_key = 'ZO\xc3\x8b' AND last_name_key = 'D''ARCY'"
                        " AND email_key = 'ZOE@EXAMPLE.NZ'"));
}
