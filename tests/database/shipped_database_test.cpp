#include <gtest/gtest.h>

#include "database/fb_query.h"
#include "database/fb_service.h"
#include "database_fixture.h"

namespace {

class ShippedDatabase : public tdatabase_test {
protected:
    void SetUp() override {
        tdatabase_test::SetUp();
        tfb_restore_service restore;
        restore.fparams = {"user_name=SYSDBA"};
        restore.fbackup_files = {std::string(VELMOR_BUILD_DIR) + "/bin/install/accounts.1.0.1.3.release.fbk"};
        restore.fdatabase_files = {path("accounts.fdb")};
        restore.attach();
        restore.start();
        while (!restore.eof())
            restore.get_next_line();
        restore.detach();
        fdatabase.params().push_back("user_name=SYSDBA");
        fdatabase.fdatabase_name = path("accounts.fdb");
        fdatabase.open();
    }
    tfb_xsqlvar::tvalue scalar(const std::string& asql) {
        tfb_transaction t(fdatabase);
        tfb_query q(fdatabase, t, qoStartTransaction | qoAutoCommit);
        q.set_sql(asql);
        q.execute();
        return q.field(0).value();
    }
    int64_t number(const std::string& asql) {
        tfb_xsqlvar v;
        v.set_value(scalar(asql));
        return v.as_int64();
    }
    tfb_database fdatabase;
};

}  // namespace

TEST_F(ShippedDatabase, RestoresWithTheDemoFirm) {
    struct tcase {
        const char* name;
        const char* sql;
        int64_t expected;
    };
    const tcase cases[] = {
        {"accounts", "SELECT COUNT(*) FROM account", 200},
        {"contacts", "SELECT COUNT(*) FROM contact", 600},
        {"contacts without account", "SELECT COUNT(*) FROM contact c WHERE NOT EXISTS (SELECT 1 FROM account a WHERE a.id = c.id_account)", 0},
        {"plu items", "SELECT COUNT(*) FROM plu", 2000},
        {"operators", "SELECT COUNT(*) FROM operator", 5},
        {"jobs", "SELECT COUNT(*) FROM job_hdr", 60},
        {"jobs without lines", "SELECT COUNT(*) FROM job_hdr h WHERE NOT EXISTS (SELECT 1 FROM job_lns l WHERE l.job = h.id)", 0},
        {"sites", "SELECT COUNT(*) FROM cp_site", 3},
        {"sites with 4 to 6 units", "SELECT COUNT(*) FROM (SELECT id_site FROM cp_unit GROUP BY id_site HAVING COUNT(*) BETWEEN 4 AND 6)", 3},
        {"twelve readings per meter", "SELECT COUNT(*) FROM (SELECT id_unit FROM cp_unit_reading GROUP BY id_unit, bill_type HAVING COUNT(*) <> 12)", 0},
        {"one unbilled reading per meter", "SELECT COUNT(*) - 2 * (SELECT COUNT(*) FROM cp_unit) FROM cp_unit_reading WHERE billed = 0", 0},
        {"bill items", "SELECT COUNT(*) FROM bill_item", 10},
        {"invoice templates", "SELECT COUNT(*) FROM cp_invoice", 3},
        {"template lines", "SELECT COUNT(*) FROM cp_invoice_billitem", 9},
        {"word index rows", "SELECT SIGN(COUNT(*)) FROM word_lns WHERE search = 101", 1},
        {"accented names", "SELECT SIGN(COUNT(*)) FROM contact WHERE first_name IN ('Zoë', 'Łukasz', 'Åsa', 'Søren')", 1},
        {"addresses of plain lower-case letters", "SELECT COUNT(*) FROM (SELECT email FROM contact UNION ALL SELECT email FROM operator) WHERE email NOT SIMILAR TO '[a-z0-9.]+@[a-z.]+'", 0},
        {"accented first names spelt plainly", "SELECT COUNT(*) FROM contact WHERE (first_name = 'Åsa' AND email NOT STARTING WITH 'asa.') OR (first_name = 'Søren' AND email NOT STARTING WITH 'soren.') OR (first_name = 'Łukasz' AND email NOT STARTING WITH 'lukasz.')", 0},
        {"page buffers kept", "SELECT MON$PAGE_BUFFERS FROM MON$DATABASE", 8192},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, number(c.sql));
    }
}

TEST_F(ShippedDatabase, ProvidesWhatTheProgramsStatementsRelyOn) {
    // Keys produced on insert and returned; the generator of site pictures; the meter columns
    // under both names; case-insensitive prefix search; an eight-decimal amount.
    EXPECT_EQ(201, number("INSERT INTO account (name) VALUES ('Zeta Ltd') RETURNING id"));
    EXPECT_GT(number("INSERT INTO cp_unit_reading (id_unit, bill_type, reading) VALUES (1, 1, 5) RETURNING recno"), 0);
    EXPECT_EQ(6, number("SELECT gen_id( gn_cpsite_pic, 1 ) FROM rdb$database"));
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM cp_unit WHERE meter1_connection IS DISTINCT FROM meter_connection1"
                        " OR meter2_connection IS DISTINCT FROM meter_connection2"));
    EXPECT_EQ(number("SELECT COUNT(*) FROM contact WHERE first_name STARTING WITH 'Zo'"),
              number("SELECT COUNT(*) FROM contact WHERE first_name STARTING WITH 'zO'"));
    EXPECT_EQ(fb_subtype_decimal, [&] {
        tfb_transaction t(fdatabase);
        tfb_query q(fdatabase, t, qoStartTransaction | qoAutoCommit);
        q.set_sql("SELECT CAST(10.5 AS CURRENCY18P8) AS amount FROM rdb$database");
        q.execute();
        EXPECT_EQ("10.50000000", q.field(0).as_string());
        return q.field(0).sqlsubtype();
    }());
}

TEST_F(ShippedDatabase, TheDataFileArchiveHoldsThePicturesTheSitesName) {
    std::string archive = read_text_file(std::string(VELMOR_BUILD_DIR) + "/bin/install/data_files.zip");
    EXPECT_EQ("PK", archive.substr(0, 2));
    for (const char* name : {"pics/0001.jpg", "pics/0002.jpg", "pics/0003.jpg", "pics/0004.jpg", "pics/0005.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(std::string::npos, archive.find(name));
    }
    // Four 16-bit picture numbers per site, slot 1 in the low bits.
    EXPECT_EQ(1 + (2 << 16), number("SELECT pics FROM cp_site WHERE id = 1"));
    EXPECT_EQ(5, number("SELECT MAX(BIN_SHR(pics, 16)) FROM cp_site"));
}
