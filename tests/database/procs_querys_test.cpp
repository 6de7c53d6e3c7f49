#include <gtest/gtest.h>

#include "database/datablock_container.h"
#include "database/datamodule_querys.h"
#include "database/procs_querys.h"
#include "database_fixture.h"
#include "values/dbrecords2.h"
#include "values/operate_rtti2.h"

namespace {

class ProcsQuerys : public tdatamodule_test {
protected:
    void SetUp() override {
        tdatamodule_test::SetUp();
        fquerys = std::make_unique<Tdatamodule_querys>(*fdatabase);
        execute("INSERT INTO operator (first_name, last_name, date_of_birth, deleted) VALUES ('Ana', 'Ngata', 720000, 0)");
        execute("INSERT INTO operator (first_name, last_name, date_of_birth, deleted) VALUES ('Bo', 'Müller', 720001, 1)");
        execute("INSERT INTO operator (first_name, last_name, date_of_birth) VALUES ('Cy', 'Lee', 720002)");
    }
    void TearDown() override {
        fquerys.reset();
        tdatamodule_test::TearDown();
    }
    std::unique_ptr<Tdatamodule_querys> fquerys;
};

}  // namespace

TEST_F(ProcsQuerys, ThePoolReusesFreedHandlesAndBuildsSelectByKey) {
    int32_t a = fquerys->allocate_query(), b = fquerys->allocate_query(), c = fquerys->allocate_query();
    EXPECT_EQ(101, a);
    EXPECT_EQ(103, c);
    fquerys->deallocate_query(b);
    EXPECT_EQ(0, b);
    EXPECT_EQ("Query[102] not allocated in Tdatamodule_querys.get_query();",
              message_of([&] { fquerys->get_query(102); }));
    EXPECT_EQ(102, fquerys->allocate_query());

    fquerys->build_query(a, dben_table_job_lns, {});
    EXPECT_EQ("SELECT *\r\nFROM job_lns\r\nWHERE job = :job\r\nAND lineno = :lineno\r\n", fquerys->get_query(a).sql());
    fquerys->build_query(a, dben_table_operator, {"first_name", "EMAIL"});
    EXPECT_EQ("SELECT first_name, EMAIL\r\nFROM operator\r\nWHERE id = :id\r\n", fquerys->get_query(a).sql());
    EXPECT_EQ("Table field operator.phone not found in Tdatamodule_querys.build_query();",
              message_of([&] { fquerys->build_query(a, dben_table_operator, {"phone"}); }));

    // The modules may be freed in any order: pooled statements outlive the connection safely.
    fquerys->get_query(a).execute();
    fdatabase.reset();
    fquerys.reset();
}

TEST_F(ProcsQuerys, StatementTextsAreBuiltFromTheCatalogue) {
    toperate_rtti_class2 operate(tdbrecord_operator2::static_class());
    tfield_indexes props, fields;
    tprocs_querys::get_class_fields_nonpk(operate, dben_table_operator, props, fields);
    const tdben_table_info& table = dben_table_info(dben_table_operator);
    std::vector<std::string> names;
    for (const tdben_field& f : table.ffields) names.push_back(f.fname);
    EXPECT_EQ("SELECT first_name, last_name, email, date_of_birth, deleted\r\nFROM operator\r\nWHERE id = :id\r\n",
              tprocs_querys::buildsql_get_record(fields, "operator", names));
    EXPECT_EQ("SELECT id, first_name, last_name, email, date_of_birth, deleted\r\nFROM operator\r\n"
              "WHERE COALESCE( deleted, 0 ) = :deleted\r\nAND id = :id\r\n",
              tprocs_querys::buildsql_list_record(operate, dben_table_operator, {true}, {"deleted", "id"},
                                                  {tcondition_value::boolean(false), tcondition_value::integer(1)}));
    EXPECT_EQ("Field phone not found in table operator in tprocs_querys.test101();",
              message_of([&] { tprocs_querys::buildsql_list_record(operate, dben_table_operator, {}, {"phone"}, {tcondition_value::integer(1)}); }));
    toperate_rtti_class2 too_many(tdbrecord_account2::static_class());
    EXPECT_EQ("Too many fields to match in tprocs_querys.get_class_fields();",
              message_of([&] { tprocs_querys::get_class_fields(too_many, dben_table_operator, props, fields, 0); }));
}

TEST_F(ProcsQuerys, DollarPlaceholdersAreReplacedByIntegerValues) {
    struct tcase {
        const char* name;
        const char* sql;
        const char* expected;
    };
    const tcase cases[] = {
        {"name then line break", "WHERE id = $id\r\n", "WHERE id = 7\r\n"},
        {"case of the name ignored, at the end", "WHERE id_site = $ID_SITE", "WHERE id_site = 3"},
        {"dollar before a digit is dropped", "$5", "5"},
        {"unknown name leaves nothing", "x = $other;", "x = ;"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, tprocs_querys::sql_assign_param_values(
                                  c.sql, {"id", "id_site"}, {tcondition_value::integer(7), tcondition_value::integer(3)}));
    }
    EXPECT_EQ("Param names and values mismatch in tprocs_querys.parse_sqlparams();",
              message_of([] { tprocs_querys::sql_assign_param_values("$id", {"id"}, {}); }));
    EXPECT_EQ("Unsupported Param Value Type 1 in tprocs_querys.parse_sqlparams();",
              message_of([] { tprocs_querys::sql_assign_param_values("$id", {"id"}, {tcondition_value::boolean(true)}); }));
}

TEST_F(ProcsQuerys, LoadersFillRecordsByKeyByStatementAndIntoLists) {
    tdbrecord_operator2 op;
    op.set_aslongint3("id", 2);
    ASSERT_TRUE(tprocs_querys::load_record_bypk(op, dben_table_operator));
    EXPECT_EQ(u"Müller", op.get_asunicodestring3("last_name"));
    EXPECT_EQ(720001, op.get_aslongint3("date_of_birth"));

    tdbrecord_operator2 missing;
    missing.set_aslongint3("id", 99);
    EXPECT_FALSE(tprocs_querys::load_record_bypk(missing, dben_table_operator));
    EXPECT_FALSE(missing.get_field_is_assigned(1));

    tdbrecord_operator2 by_value;
    ASSERT_TRUE(tprocs_querys::load_record_bypk_value(by_value, dben_table_operator, {tcondition_value::integer(3)}, 0));
    EXPECT_EQ(u"Cy", by_value.get_asunicodestring3("first_name"));
    EXPECT_EQ("PK Field Count Mismatch in tprocs_querys.load_record_bypk();",
              message_of([&] { tprocs_querys::load_record_bypk_value(by_value, dben_table_operator, {}, 0); }));
    EXPECT_EQ("PK Param [id] Type Mismatch in tprocs_querys.load_record_bypk();", message_of([&] {
                  tprocs_querys::load_record_bypk_value(by_value, dben_table_operator, {tcondition_value::boolean(true)}, 0);
              }));

    tdbrecord_operator2 first;
    ASSERT_TRUE(tprocs_querys::load_sql_record(first, "SELECT * FROM operator WHERE id > :id ORDER BY id", {"id"},
                                               {tcondition_value::integer(1)}));
    EXPECT_EQ(2, first.get_aslongint3("id"));

    tlist_reflected list;
    tprocs_querys::load_table_list(list, tdbrecord_operator2::static_class(), dben_table_operator, {true}, {"deleted"},
                                   {tcondition_value::boolean(false)});
    ASSERT_EQ(2u, list.size());  // the NULL deleted counts as not deleted
    tlist_reflected sorted;
    tprocs_querys::load_sql_list(sorted, tdbrecord_operator2::static_class(),
                                 "SELECT id, last_name FROM operator ORDER BY last_name", {}, {});
    ASSERT_EQ(3u, sorted.size());
    EXPECT_EQ(u"Lee", static_cast<tdbrecord_operator2&>(*sorted[0]).get_asunicodestring3("last_name"));

    std::vector<int32_t> seen;
    tprocs_querys::load_table_proc(dben_table_operator, {"id"}, {"deleted"}, {tcondition_value::boolean(true)},
                                   [&](tfb_query& q) { seen.push_back(q.field(0).as_integer()); });
    EXPECT_EQ(std::vector<int32_t>{2}, seen);
    EXPECT_EQ("Condition fields and values mismatch in tprocs_querys.load_sql_proc();",
              message_of([] { tprocs_querys::load_sql_proc("SELECT 1 FROM rdb$database", {"id"}, {}, [](tfb_query&) {}); }));
    EXPECT_EQ("Param id type 5 not supported in tprocs_querys.load_bastards();", message_of([&] {
                  tprocs_querys::load_sql_record(first, "SELECT * FROM operator WHERE id = :id", {"id"}, {{5, 1}});
              }));
    EXPECT_EQ(0u, fquerys->flist_querys.size() - std::count(fquerys->flist_querys.begin(), fquerys->flist_querys.end(), nullptr));
    EXPECT_FALSE(fdatabase->Transaction1.active());
}

// Loaders outside a unit of work read in the module's kept read-only transaction: no transaction
// is started (and committed) per read, yet each read sees every commit made since; inside a unit
// of work they read in it and see its own uncommitted writes.
TEST_F(ProcsQuerys, ReadsStartNoTransactionEachAndSeeCommitsAndTheirOwnUnitOfWork) {
    auto last_name = [](int32_t aid) {
        tdbrecord_operator2 op;
        op.set_aslongint3("id", aid);
        EXPECT_TRUE(tprocs_querys::load_record_bypk(op, dben_table_operator));
        return op.get_asunicodestring3("last_name");
    };
    const char* next_transaction = "SELECT mon$next_transaction FROM mon$database";
    EXPECT_EQ(u"Ngata", last_name(1));
    const int64_t before = number(next_transaction);
    for (int i = 0; i < 20; ++i) {
        last_name(1 + i % 3);
        tlist_reflected list;
        tprocs_querys::load_sql_list(list, tdbrecord_operator2::static_class(), "SELECT id FROM operator", {}, {});
    }
    EXPECT_LE(number(next_transaction) - before, 2);  // the two counting statements themselves

    execute("UPDATE operator SET last_name = 'Parata' WHERE id = 1");
    EXPECT_EQ(u"Parata", last_name(1));

    fdatabase->run_transaction([&] {
        fdatabase->execute_query("UPDATE operator SET last_name = 'Kowalczyk' WHERE id = 1", false);
        EXPECT_EQ(u"Kowalczyk", last_name(1));
    });
    EXPECT_EQ(u"Kowalczyk", last_name(1));
    EXPECT_THROW(fdatabase->run_transaction([&] {
        fdatabase->execute_query("UPDATE operator SET last_name = 'Rossi' WHERE id = 1", false);
        EXPECT_EQ(u"Rossi", last_name(1));
        throw tvelmor_exception("stop");
    }),
                 tvelmor_exception);
    EXPECT_EQ(u"Kowalczyk", last_name(1));
    EXPECT_FALSE(fdatabase->Transaction1.active());
}

// A loader called from a row of a loader with the same text gets a statement of its own.
TEST_F(ProcsQuerys, ALoaderCalledFromARowOfTheSameStatementRunsOnItsOwn) {
    const std::string sql = "SELECT id FROM operator WHERE id >= :id ORDER BY id";
    std::vector<std::pair<int32_t, int32_t>> pairs;
    tprocs_querys::load_sql_proc(sql, {"id"}, {tcondition_value::integer(2)}, [&](tfb_query& outer) {
        const int32_t a = outer.field(0).as_integer();
        tprocs_querys::load_sql_proc(sql, {"id"}, {tcondition_value::integer(a)},
                                     [&](tfb_query& inner) { pairs.emplace_back(a, inner.field(0).as_integer()); });
    });
    EXPECT_EQ((std::vector<std::pair<int32_t, int32_t>>{{2, 2}, {2, 3}, {3, 3}}), pairs);
}

namespace {

// A fixed-size list row declared as a class with properties.
class toperator_row : public treflected_object {
public:
    static const tclass_info& static_class() {
        return describe_class<toperator_row, treflected_object>(
            "toperator_row", {prop<&toperator_row::fid>("id"), prop<&toperator_row::flast_name>("last_name")});
    }
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fid = 0;
    std::u16string flast_name;
};

}  // namespace

TEST_F(ProcsQuerys, KeysBindByTheirTypeAndRecordsWithoutTheKeyAreRefused) {
    execute("INSERT INTO word_hdr (word, id) VALUES ('hinge', 42)");
    tdbrecord_table2<dben_table_word_hdr> word;
    word.set_asunicodestring3("word", u"hinge");
    ASSERT_TRUE(tprocs_querys::load_record_bypk(word, dben_table_word_hdr));
    EXPECT_EQ(42, word.get_aslongint3("id"));

    toperator_row row;  // no key field of job_lns
    tdbrecord_table2<dben_table_word_lns> line;  // key field "search" is a smallint
    line.set_assmallint3("search", 101);
    EXPECT_EQ("PK Field [job] missing from tprocs_querys.load_record_bypk();",
              message_of([&] { tprocs_querys::load_record_bypk(row, dben_table_job_lns); }));
    EXPECT_EQ("Param Type [vt_smallint] not supported in tprocs_querys.load_record_bypk();",
              message_of([&] { tprocs_querys::load_record_bypk(line, dben_table_word_lns); }));
    EXPECT_EQ("PK Param [search] Type not supported in tprocs_querys.load_record_bypk();", message_of([&] {
                  tprocs_querys::load_record_bypk_value(line, dben_table_word_lns,
                                                        {tcondition_value::integer(1), tcondition_value::integer(1),
                                                         tcondition_value::integer(1)}, 0);
              }));
}

TEST_F(ProcsQuerys, ListsOfFixedSizeRowsFillOneRowPerResultRow) {
    tlist_flat<toperator_row> rows;
    tprocs_querys::load_sql_list(rows, "SELECT id, last_name FROM operator WHERE id >= :id ORDER BY id", {"id"},
                                 {tcondition_value::integer(2)});
    ASSERT_EQ(2, rows.get_count());
    EXPECT_EQ(3, rows.get_item(1).fid);
    EXPECT_EQ(u"Lee", rows.get_item(1).flast_name);
    tlist_flat<toperator_row> not_deleted;
    tprocs_querys::load_table_list(not_deleted, dben_table_operator, {true}, {"deleted"}, {tcondition_value::boolean(false)});
    EXPECT_EQ(2, not_deleted.get_count());
}

TEST_F(ProcsQuerys, MergingTakesRowsInCompareOrderUntilEveryDatasetEnds) {
    execute("INSERT INTO operator (first_name) VALUES ('Di')");
    // Three names from operators (Ana, Bo, Cy) and four (Ana..Di) from a second statement.
    int32_t h1 = fquerys->allocate_query(), h2 = fquerys->allocate_query();
    tfb_query& q1 = fquerys->get_query(h1);
    tfb_query& q2 = fquerys->get_query(h2);
    q1.set_sql("SELECT first_name FROM operator WHERE id <= 3 ORDER BY first_name");
    q2.set_sql("SELECT first_name || '2' FROM operator ORDER BY 1");
    tdatablock_container container;
    container.fdatasets = {&q1, &q2};
    std::vector<std::u16string> rows;
    container.fon_compare_dataset = [&](int32_t a, int32_t b) {
        return container.fdatasets[static_cast<size_t>(b)]->field(0).as_widestring() <
                       container.fdatasets[static_cast<size_t>(a)]->field(0).as_widestring()
                   ? b
                   : a;
    };
    container.fon_add_record = [&](int32_t i) { rows.push_back(container.fdatasets[static_cast<size_t>(i)]->field(0).as_widestring()); };
    container.open_datasets();
    EXPECT_TRUE(container.add_records(2));
    EXPECT_EQ(2u, rows.size());
    EXPECT_TRUE(container.add_records(10));
    EXPECT_EQ((std::vector<std::u16string>{u"Ana", u"Ana2", u"Bo", u"Bo2", u"Cy", u"Cy2", u"Di2"}), rows);
    EXPECT_TRUE(container.finished());
    EXPECT_FALSE(container.add_records(10));
    EXPECT_FALSE(fdatabase->Transaction1.active());

    container.fon_compare_dataset = nullptr;
    EXPECT_EQ("Unassigned OnCompareDataset event in tdatablock_container.add_records();",
              message_of([&] { container.add_records(1); }));

    // The form names its datasets; anything else under such a name is refused.
    tdatablock_container declared;
    auto find = [&](const std::string& aname) -> tvelmor_object* { if (aname == "dataset_a") return &q1;
        return fquerys.get();
    };
    declared.afterconstruction({"dataset_a"}, find);
    EXPECT_EQ(1u, declared.fdatasets.size());
    EXPECT_EQ("Illegal Dataset class Tdatamodule_querys in tdatablock_container.afterconstruction();",
              message_of([&] { declared.afterconstruction({"dataset_a", "timer1"}, find); }));
}
