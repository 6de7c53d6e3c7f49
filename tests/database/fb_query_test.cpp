#include <gtest/gtest.h>

#include <memory>

#include "database/fb_query.h"
#include "database/fb_script.h"
#include "database_fixture.h"

namespace {

class FbQuery : public tdatabase_test {
protected:
    void SetUp() override {
        tdatabase_test::SetUp();
        fdatabase.params().push_back("user_name=SYSDBA");
        fdatabase.fdatabase_name = empty_database();
        fdatabase.open();
        tfb_script::execute(fdatabase,
                            "CREATE TABLE t (id INTEGER NOT NULL PRIMARY KEY, small SMALLINT, big BIGINT,"
                            " money DECIMAL(18,4), amount DECIMAL(18,8), numeric8 NUMERIC(18,8), dec9 DECIMAL(9,2),"
                            " name VARCHAR(40), fixed CHAR(6), real1 DOUBLE PRECISION, memo BLOB SUB_TYPE TEXT,"
                            " raw VARCHAR(8) CHARACTER SET OCTETS);");
    }
    void TearDown() override {
        fquery.reset();
        fdatabase.close();
        tdatabase_test::TearDown();
    }
    tfb_query& query(const std::string& asql) {
        fquery = std::make_unique<tfb_query>(fdatabase, ftransaction, qoStartTransaction | qoAutoCommit);
        fquery->set_sql(asql);
        return *fquery;
    }
    int32_t count_rows() {
        tfb_transaction t(fdatabase);
        tfb_query q(fdatabase, t, qoStartTransaction | qoAutoCommit);
        q.set_sql("SELECT COUNT(*) FROM t");
        q.execute();
        int32_t n = q.field(0).as_integer();
        q.close();
        return n;
    }

    tfb_database fdatabase;
    tfb_transaction ftransaction{fdatabase};
    std::unique_ptr<tfb_query> fquery;
};

}  // namespace

TEST_F(FbQuery, ValuesRoundTripThroughNamedParametersWithTheirTypeCodes) {
    tfb_query& ins = query(
        "INSERT INTO t (id, small, big, money, amount, numeric8, dec9, name, fixed, real1, memo, raw)"
        " VALUES (:id, :small, :big, :money, :amount, :amount, :dec9, :name, :name2, :real1, :name, :raw)");
    ins.ParamByName("id").set_asinteger(7);
    ins.ParamByName("SMALL").set_assmallint(-3);
    ins.ParamByName("big").set_asint64(9000000000LL);
    ins.ParamByName("money").set_ascurrency(tcurrency(123456));
    ins.ParamByName("amount").set_asstring("10.5");
    ins.ParamByName("dec9").set_ascurrency(tcurrency(12345));  // 1.2345 rounds to 1.23
    ins.ParamByName("name").set_aswidestring(u"Zoë Łukasz 東京");
    ins.ParamByName("name2").set_asstring("ab");
    ins.ParamByName("real1").set_asdouble(2.5);
    ins.ParamByName("raw").set_asstring(std::string("\x00\xff\x01", 3));
    ins.execute();
    ins.close();

    tfb_query& sel = query("SELECT * FROM t WHERE id = :id");
    sel.ParamByName("id").set_asinteger(7);
    sel.execute();
    ASSERT_FALSE(sel.eof());
    EXPECT_EQ(fb_sql_long, sel.FieldByName("id").sqltype());
    EXPECT_EQ(fb_sql_short, sel.FieldByName("small").sqltype());
    EXPECT_EQ(-3, sel.FieldByName("small").as_smallint());
    EXPECT_EQ(9000000000LL, sel.FieldByName("big").as_int64());
    EXPECT_EQ(fb_sql_int64, sel.FieldByName("money").sqltype());
    EXPECT_EQ(fb_subtype_decimal, sel.FieldByName("money").sqlsubtype());
    EXPECT_EQ(tcurrency(123456), sel.FieldByName("money").as_currency());
    EXPECT_EQ("10.50000000", sel.FieldByName("amount").as_string());
    EXPECT_EQ(tcurrency(105000), sel.FieldByName("amount").as_currency());
    EXPECT_EQ(fb_subtype_numeric, sel.FieldByName("numeric8").sqlsubtype());
    EXPECT_EQ(fb_sql_long, sel.FieldByName("dec9").sqltype());
    EXPECT_EQ(fb_subtype_decimal, sel.FieldByName("dec9").sqlsubtype());
    EXPECT_EQ(tcurrency(12300), sel.FieldByName("dec9").as_currency());
    EXPECT_EQ(fb_sql_varying, sel.FieldByName("name").sqltype());
    EXPECT_EQ(u"Zoë Łukasz 東京", sel.FieldByName("name").as_widestring());
    EXPECT_EQ(fb_sql_text, sel.FieldByName("fixed").sqltype());
    EXPECT_EQ("ab", sel.FieldByName("fixed").as_string());
    EXPECT_EQ(2.5, sel.FieldByName("real1").as_double());
    EXPECT_EQ(fb_sql_blob, sel.FieldByName("memo").sqltype());
    EXPECT_EQ(u"Zoë Łukasz 東京", sel.FieldByName("memo").as_widestring());
    EXPECT_EQ(std::string("\x00\xff\x01", 3), sel.FieldByName("raw").as_string());
    sel.next();
    EXPECT_TRUE(sel.eof());
}

TEST_F(FbQuery, NullColumnsReadAsZeroOrEmptyAndUnsetParametersBindAsNull) {
    tfb_query& ins = query("INSERT INTO t (id, name, small) VALUES (:id, :name, :small)");
    ins.ParamByName("id").set_asinteger(1);
    ins.ParamByName("small").set_assmallint(4);
    ins.ParamByName("small").set_null();
    ins.execute();
    tfb_query& sel = query("SELECT name, small, money FROM t");
    sel.execute();
    for (const char* name : {"name", "small", "money"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(sel.FieldByName(name).is_null());
        EXPECT_EQ(0, sel.FieldByName(name).as_integer());
        EXPECT_EQ(u"", sel.FieldByName(name).as_widestring());
    }
}

TEST_F(FbQuery, LookupsByNameAndEngineErrorsRaiseClearMessages) {
    tfb_query& sel = query("SELECT id FROM t WHERE id = :id");
    EXPECT_EQ(nullptr, sel.FindField("id"));  // nothing described before it runs
    EXPECT_THROW(
        try { sel.ParamByName("nope"); } catch (const tvelmor_exception& e) {
            EXPECT_STREQ("Param [nope] not found in tfb_query.ParamByName();", e.what());
            throw;
        },
        tvelmor_exception);
    sel.ParamByName("id").set_asinteger(1);
    sel.execute();
    EXPECT_TRUE(sel.eof());
    EXPECT_NE(nullptr, sel.FindField("ID"));
    EXPECT_EQ(nullptr, sel.FindField("name"));
    EXPECT_THROW(
        try { sel.FieldByName("name"); } catch (const tvelmor_exception& e) {
            EXPECT_STREQ("Field [name] not found in tfb_query.FieldByName();", e.what());
            throw;
        },
        tvelmor_exception);
    tfb_query& bad = query("SELECT * FROM no_such_table");
    try {
        bad.execute();
        FAIL() << "no error";
    } catch (const tvelmor_exception& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("Table unknown")) << e.what();
        EXPECT_NE(std::string::npos, std::string(e.what()).find("NO_SUCH_TABLE")) << e.what();
    }
    EXPECT_FALSE(ftransaction.active());  // the failed statement's own transaction is gone

    tfb_query& long_text = query("INSERT INTO t (id, name) VALUES (1, :name)");
    long_text.ParamByName("name").set_asstring(std::string(40000, 'x'));
    EXPECT_EQ("Text of parameter [name] too long in tfb_query.execute();", message_of([&] { long_text.execute(); }));
    EXPECT_FALSE(ftransaction.active());
}

TEST_F(FbQuery, AutoCommitCommitsOnlyATransactionTheStatementStartedItself) {
    tfb_query& ins = query("INSERT INTO t (id) VALUES (:id)");
    ins.ParamByName("id").set_asinteger(1);
    ins.execute();
    EXPECT_FALSE(ftransaction.active());
    EXPECT_EQ(1, count_rows());

    ftransaction.start();
    ins.ParamByName("id").set_asinteger(2);
    ins.execute();
    EXPECT_TRUE(ftransaction.active());
    ftransaction.rollback();
    EXPECT_EQ(1, count_rows());

    tfb_query plain(fdatabase, ftransaction);
    plain.set_sql("SELECT 1 FROM rdb$database");
    EXPECT_THROW(
        try { plain.execute(); } catch (const tvelmor_exception& e) {
            EXPECT_STREQ("Transaction not active in tfb_query.execute();", e.what());
            throw;
        },
        tvelmor_exception);
}

TEST_F(FbQuery, ReturningGivesOneRowAndCursorsStepToTheEnd) {
    tfb_script::execute(fdatabase, "CREATE SEQUENCE gn_t; SET TERM ^ ; CREATE TRIGGER t_bi FOR t BEFORE INSERT AS "
                                   "BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_t; END^ SET TERM ; ^");
    tfb_query& ins = query("INSERT INTO t (name) VALUES (:name) RETURNING id");
    for (const char16_t* name : {u"b", u"a", u"c"}) {
        ins.ParamByName("name").set_aswidestring(name);
        ins.execute();
        ASSERT_FALSE(ins.eof());
        EXPECT_GT(ins.FieldByName("id").as_integer(), 0);
        ins.close();
    }
    tfb_query& sel = query("SELECT name FROM t ORDER BY name");
    sel.execute();
    std::u16string seen;
    for (; !sel.eof(); sel.next())
        seen += sel.field(0).as_widestring();
    EXPECT_EQ(u"abc", seen);
    sel.close();
    EXPECT_FALSE(ftransaction.active());
}

TEST_F(FbQuery, OpeningAMissingDatabaseRaisesTheEngineTextWithThePath) {
    tfb_database other;
    other.fdatabase_name = path("missing.fdb");
    try {
        other.open();
        FAIL() << "opened a missing file";
    } catch (const tvelmor_exception& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("missing.fdb")) << e.what();
    }
}
