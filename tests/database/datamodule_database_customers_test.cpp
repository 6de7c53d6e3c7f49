#include <gtest/gtest.h>

#include "database/procs_fibplus.h"
#include "database_fixture.h"
#include "values/datarecord3.h"
#include "values/dbrecords2.h"
#include "values/operate_rtti2.h"

using DatamoduleDatabaseCustomers = tdatamodule_test;

TEST_F(DatamoduleDatabaseCustomers, OpensEachDomainOnceAndSwitchesByClosingTheFirst) {
    EXPECT_EQ(0, fdatabase->database_no());
    EXPECT_EQ(path("d0") + "/", fdatabase->database_path());
    execute("INSERT INTO operator (first_name) VALUES ('Ana')");
    auto* attachment = fdatabase->database_customers.attachment();
    fdatabase->open_database(0);
    EXPECT_EQ(attachment, fdatabase->database_customers.attachment());
    fdatabase->open_database(1);
    EXPECT_EQ(path("d1") + "/accounts.fdb", fdatabase->database_customers.fdatabase_name);
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM operator"));
    fdatabase->close_database();
    EXPECT_EQ(-1, fdatabase->database_no());
    EXPECT_EQ("", fdatabase->database_path());
    EXPECT_EQ("Database not open in Tdatamodule_database_customers.start_transaction();",
              message_of([&] { fdatabase->start_transaction(); }));
    EXPECT_EQ("SYSDBA", Tdatamodule_database_customers::user_name());
}

// An empty or relative domain path would open a database against the current folder: refused,
// and the open domain stays open.
TEST_F(DatamoduleDatabaseCustomers, RefusesEmptyAndRelativeDomainPaths) {
    auto& domain = static_cast<telement_domain&>(*finifile->flist_domains[1]);
    for (const char* bad : {"", "d1/", "accounts"}) {
        SCOPED_TRACE(bad);
        domain.fpath = bad;
        EXPECT_EQ("The database path [" + std::string(bad) +
                      "] of domain 1 is not a full path in Tdatamodule_database_customers.open_database();",
                  message_of([&] { fdatabase->open_database(1); }));
        EXPECT_EQ(0, fdatabase->database_no());
    }
}

TEST_F(DatamoduleDatabaseCustomers, AFailingUnitOfWorkIsRolledBackAndTheErrorReachesTheCaller) {
    EXPECT_EQ("boom", message_of([&] {
                  fdatabase->run_transaction([&] {
                      fdatabase->execute_query("INSERT INTO operator (first_name) VALUES ('Ana')", false);
                      throw tvelmor_exception("boom");
                  });
              }));
    EXPECT_FALSE(fdatabase->Transaction1.active());
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM operator"));
    fdatabase->run_transaction([&] { fdatabase->execute_query("INSERT INTO operator (first_name) VALUES ('Bo')", false); });
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM operator"));
}

TEST_F(DatamoduleDatabaseCustomers, LoadRecordFillsTheRecordByNameOrLeavesItAsItWas) {
    execute("INSERT INTO account (name, sourceno, deleted) VALUES ('Kōwhai Traders', 12, 1)");
    tfb_query query(fdatabase->database_customers, fdatabase->Transaction1);
    query.set_sql("SELECT * FROM account WHERE id = :id");
    tdbrecord_account2 record;
    query.ParamByName("id").set_asinteger(99);
    EXPECT_FALSE(fdatabase->load_record(query, record));
    EXPECT_FALSE(record.get_field_is_assigned(0));
    query.ParamByName("id").set_asinteger(1);
    ASSERT_TRUE(fdatabase->load_record(query, record));
    EXPECT_EQ(1, record.get_aslongint3("id"));
    EXPECT_EQ(u"Kōwhai Traders", record.get_asunicodestring3("name"));
    EXPECT_EQ(12, record.get_aslongint3("sourceno"));
    EXPECT_TRUE(record.get_asboolean3("deleted"));
    EXPECT_EQ(u"", record.get_asunicodestring3("phone"));  // NULL loads as empty text
    EXPECT_FALSE(fdatabase->Transaction1.active());
}

// The loaders of single records read in a kept read-only transaction, as the operator and PLU
// modules bind their statements: no unit of work per load, and each load sees every write
// committed before it, also one committed after the transaction was started.
TEST_F(DatamoduleDatabaseCustomers, LoadsInAKeptReadOnlyTransactionSeeEveryCommittedWrite) {
    tfb_transaction reading(fdatabase->database_customers, tfb_transaction_kind::read_only);
    tfb_query query(fdatabase->database_customers, reading, qoStartTransaction);
    query.set_sql("SELECT id, first_name, last_name, email FROM operator WHERE id = :id");
    tdbrecord_operator2 record;
    query.ParamByName("id").set_asinteger(1);
    EXPECT_FALSE(fdatabase->load_record(query, record));
    EXPECT_TRUE(reading.active());
    execute("INSERT INTO operator (id, first_name) VALUES (1, 'Ana')");
    ASSERT_TRUE(fdatabase->load_record(query, record));
    EXPECT_EQ(u"Ana", record.get_asunicodestring3("first_name"));
    fdatabase->run_transaction([&] { fdatabase->execute_query("UPDATE operator SET first_name = 'Bo' WHERE id = 1", false); });
    ASSERT_TRUE(fdatabase->load_record(query, record));
    EXPECT_EQ(u"Bo", record.get_asunicodestring3("first_name"));
    EXPECT_FALSE(fdatabase->Transaction1.active());
    EXPECT_TRUE(reading.active());  // kept, never committed by a load
    // A load that fails leaves the next one working.
    tfb_query broken(fdatabase->database_customers, reading, qoStartTransaction);
    broken.set_sql("SELECT first_name FROM operator WHERE id = CAST('x' AS INTEGER)");
    EXPECT_NE("(no exception)", message_of([&] { fdatabase->load_record(broken, record); }));
    execute("UPDATE operator SET first_name = 'Cy' WHERE id = 1");
    ASSERT_TRUE(fdatabase->load_record(query, record));
    EXPECT_EQ(u"Cy", record.get_asunicodestring3("first_name"));
}

TEST_F(DatamoduleDatabaseCustomers, ColumnsMapToFieldsByTypeAndRefuseOtherCombinations) {
    struct tcase {
        const char* name;
        const char* sql;       // one row whose columns are named after fields of the record
        const char* expected;  // the record's fields afterwards, or the exact error
    };
    const tcase cases[] = {
        {"decimal 18,8 into an eight-decimal field", "SELECT CAST(10.5 AS DECIMAL(18,8)) AS price FROM rdb$database",
         "price=1050000000"},
        {"negative decimal 18,8", "SELECT CAST(-0.25 AS DECIMAL(18,8)) AS price FROM rdb$database", "price=-25000000"},
        {"numeric is refused", "SELECT CAST(10.5 AS NUMERIC(18,8)) AS price FROM rdb$database",
         "Unsupported field assignment to vt_int64 from SQL_INT64 on field price in tprocs_fibplus.record_simple_load();"},
        {"smallint 2 is false", "SELECT CAST(2 AS SMALLINT) AS deleted FROM rdb$database", "deleted=0"},
        {"smallint 1 is true", "SELECT CAST(1 AS SMALLINT) AS deleted FROM rdb$database", "deleted=1"},
        {"text into an integer", "SELECT 'x' AS id FROM rdb$database",
         "Unsupported field assignment to vt_longint from SQL_TEXT on field id in tprocs_fibplus.record_simple_load();"},
        {"bigint into an integer", "SELECT COUNT(*) AS id FROM rdb$database",
         "Unsupported field assignment to vt_longint from SQL_INT64 on field id in tprocs_fibplus.record_simple_load();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tdbrecord_bill_item2 record;
        std::string result = message_of([&] {
            tfb_query query(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
            query.set_sql(c.sql);
            query.execute();
            tprocs_fibplus::record_load(record, query);
            query.close();
        });
        if (result == "(no exception)") {
            std::string field = std::string(c.expected).substr(0, std::string(c.expected).find('='));
            result = field + "=" +
                     std::to_string(field == "deleted" ? record.get_asboolean3(field) : record.get_asint64_3(field));
        }
        EXPECT_EQ(c.expected, result);
    }
}

TEST_F(DatamoduleDatabaseCustomers, ByIndexMappingAndDataObjectColumns) {
    tfb_query query(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
    query.set_sql("SELECT CAST(1.5 AS DOUBLE PRECISION) AS qty_units, CAST(12.3456 AS DECIMAL(18,4)) AS total,"
                  " CAST(x'0100000002000000000000000300000004000000000000' || x'00' AS VARCHAR(24) CHARACTER SET OCTETS)"
                  " AS rec_data, 101 AS rec_id FROM rdb$database");
    query.execute();
    tdbrecord_invoice_billitem2 line;
    EXPECT_EQ("UnSupported Field[vt_double] om tprocs_fibplus.record_assign_field();",
              message_of([&] { tprocs_fibplus::record_assign_field(line, 4, query.FieldByName("qty_units")); }));
    tdbrecord_table2<dben_table_invoice> invoice;
    tprocs_fibplus::record_assign_field(invoice, 3, query.FieldByName("total"));
    EXPECT_EQ(tcurrency(123456), invoice.get_ascurrency3("total"));

    tdbrecord_invoice_data2 data;
    tprocs_fibplus::record_load(data, query);
    auto* reading = dynamic_cast<tdbdata_cpunit_reading*>(data.get_asobject3("rec_data"));
    ASSERT_NE(nullptr, reading);
    EXPECT_EQ(1, reading->get_aslongint3("reading1_date"));
    EXPECT_EQ(3, reading->get_aslongint3("reading2_date"));
    EXPECT_EQ("Assign on Assigned Object Field in tprocs_fibplus.record_assign_field();",
              message_of([&] { tprocs_fibplus::record_load(data, query); }));
    EXPECT_STREQ("SQL_INT64", tprocs_fibplus::get_sqltype_name(580));
    EXPECT_STREQ("UNKNOWN", tprocs_fibplus::get_sqltype_name(581));
}

namespace {

// A list row whose record fields carry the "_record_" prefix.
class tprefixed_row : public treflected_object {
public:
    static const tclass_info& static_class() {
        return describe_class<tprefixed_row, treflected_object>(
            "tprefixed_row", {prop<&tprefixed_row::fid>("_record_id"), prop<&tprefixed_row::fname>("_record_name"),
                              prop<&tprefixed_row::fname_plain>("name")});
    }
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid = 0;
    std::u16string fname;
    std::u16string fname_plain;
};

}  // namespace

TEST_F(DatamoduleDatabaseCustomers, RowsLoadIntoNewObjectsAndPrefixedFieldsDropTheirPrefix) {
    execute("INSERT INTO account (name) VALUES ('Ōrākei Motors')");
    execute("INSERT INTO account (name) VALUES ('Bay Joinery')");
    tfb_query query(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
    query.set_sql("SELECT id, name FROM account ORDER BY id");
    tlist_reflected list;
    tprocs_fibplus::records_load(list, tprefixed_row::static_class(), query);
    ASSERT_EQ(2u, list.size());
    EXPECT_FALSE(query.open());
    EXPECT_EQ(u"Bay Joinery", static_cast<tprefixed_row&>(*list[1]).fname_plain);
    EXPECT_EQ(u"", static_cast<tprefixed_row&>(*list[1]).fname);  // no column "_record_name"

    tprefixed_row row;
    toperate_rtti_class2 operate(tprefixed_row::static_class());
    query.execute();
    tprocs_fibplus::record_assign_fields({0, 1}, operate, row, query, lo_prefix_record);
    query.close();
    EXPECT_EQ(1, row.fid);
    EXPECT_EQ(u"Ōrākei Motors", row.fname);
    EXPECT_EQ(u"", row.fname_plain);
}
