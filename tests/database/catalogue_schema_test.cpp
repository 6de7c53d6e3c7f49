// The schema catalogue the records are built from, held against the shipped database's own system
// tables: a column added, retyped or moved in install/schema.sql without the catalogue (or the
// other way round) fails here instead of in a save.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database/fb_query.h"
#include "database_fixture.h"
#include "support/shipped_database.h"
#include "values/dben_catalogue.h"

namespace {

class CatalogueSchema : public tdatabase_test {
protected:
    void SetUp() override {
        tdatabase_test::SetUp();
        std::filesystem::copy_file(restored_shipped_database(ffolder, "database"), path("accounts.fdb"));
        fdatabase.params().push_back("user_name=SYSDBA");
        fdatabase.fdatabase_name = path("accounts.fdb");
        fdatabase.open();
    }
    // The rows of a query, each row's columns joined by blanks.
    std::vector<std::string> rows(const std::string& asql) {
        tfb_transaction t(fdatabase);
        tfb_query q(fdatabase, t, qoStartTransaction | qoAutoCommit);
        q.set_sql(asql);
        q.execute();
        std::vector<std::string> result;
        for (; !q.eof(); q.next()) {
            std::string row;
            for (int32_t i = 0; i < q.field_count(); ++i) row += (i ? " " : "") + q.field(i).as_string();
            result.push_back(row);
        }
        q.close();
        return result;
    }
    tfb_database fdatabase;
};

// A catalogue field as "name kind", the kind named as the system tables below name it.
std::string catalogue_column(const tdben_field& afield) {
    const std::string type = dben_fieldtype_name(afield.ftype);
    return std::string(afield.fname) + " " + (afield.fis_daycount ? "daycount" : type.substr(type.find("ft_") + 3));
}

// The table's columns in order as "name kind computed-or-kept": the domain says Boolean, day count
// and search key; the type, scale and character set say the rest.
std::string columns_sql(const char* atable) {
    return std::string(
               "SELECT TRIM(LOWER(rf.RDB$FIELD_NAME)), "
               "TRIM(CASE WHEN rf.RDB$FIELD_SOURCE = 'BOOL01' THEN 'boolean' "
               "WHEN rf.RDB$FIELD_SOURCE = 'DAYCOUNT' THEN 'daycount' "
               "WHEN rf.RDB$FIELD_SOURCE STARTING WITH 'SEARCHKEY' THEN 'searchkey' "
               "WHEN f.RDB$FIELD_TYPE = 7 THEN 'smallint' WHEN f.RDB$FIELD_TYPE = 8 THEN 'longint' "
               "WHEN f.RDB$FIELD_TYPE = 16 AND f.RDB$FIELD_SCALE = 0 THEN 'int64' "
               "WHEN f.RDB$FIELD_TYPE = 16 AND f.RDB$FIELD_SCALE = -4 THEN 'currency1' "
               "WHEN f.RDB$FIELD_TYPE = 16 AND f.RDB$FIELD_SCALE = -8 THEN 'currency8dp' "
               "WHEN f.RDB$FIELD_TYPE = 27 THEN 'double' "
               "WHEN f.RDB$FIELD_TYPE = 37 AND f.RDB$CHARACTER_SET_ID = 1 THEN 'dataobj' "
               "WHEN f.RDB$FIELD_TYPE = 37 THEN 'unicodestring' "
               "ELSE 'type' || f.RDB$FIELD_TYPE END), "
               "TRIM(IIF(f.RDB$COMPUTED_BLR IS NULL, '', 'computed')) "
               "FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
               "WHERE rf.RDB$RELATION_NAME = UPPER('") +
           atable + "') ORDER BY rf.RDB$FIELD_POSITION";
}

std::string primary_key_sql(const char* atable) {
    return std::string(
               "SELECT TRIM(LOWER(s.RDB$FIELD_NAME)) FROM RDB$RELATION_CONSTRAINTS c "
               "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = c.RDB$INDEX_NAME "
               "WHERE c.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' AND c.RDB$RELATION_NAME = UPPER('") +
           atable + "') ORDER BY s.RDB$FIELD_POSITION";
}

}  // namespace

// Each catalogue table's fields are the table's leading columns, in order and of the same kind;
// its key fields are the primary key; what follows them is only what no record reads or writes
// (computed columns and the search keys the triggers keep).
TEST_F(CatalogueSchema, EveryTableMatchesTheShippedDatabase) {
    for (int t = 0; t < dben_table_count; ++t) {
        const tdben_table_info& table = dben_table_info(static_cast<tdben_table>(t));
        SCOPED_TRACE(table.fname);
        const std::vector<std::string> columns = rows(columns_sql(table.fname));
        ASSERT_GE(columns.size(), table.ffields.size()) << "the table is missing or has fewer columns";
        std::vector<std::string> expected, actual;
        for (size_t i = 0; i < table.ffields.size(); ++i) {
            expected.push_back(catalogue_column(table.ffields[i]) + " ");
            actual.push_back(columns[i]);
        }
        EXPECT_EQ(expected, actual);
        for (size_t i = table.ffields.size(); i < columns.size(); ++i)
            EXPECT_TRUE(columns[i].ends_with(" computed") || columns[i].find(" searchkey") != std::string::npos)
                << "a column the catalogue does not know: " << columns[i];

        std::vector<std::string> key;
        for (int16_t i = 0; i < table.fcount_pkfields; ++i) key.push_back(table.ffields[static_cast<size_t>(i)].fname);
        EXPECT_EQ(key, rows(primary_key_sql(table.fname)));
    }
}
