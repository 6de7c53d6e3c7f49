#include <gtest/gtest.h>

#include "database/fb_script.h"
#include "database/fb_sql_params.h"

TEST(FbSqlParams, NamedParametersBecomeMarkersExceptInQuotesCommentsAndBlockBodies) {
    struct tcase {
        const char* name;
        const char* sql;
        const char* expected;
        std::vector<std::string> names;
    };
    const tcase cases[] = {
        {"plain", "SELECT * FROM t WHERE id = :id AND x = :X_1", "SELECT * FROM t WHERE id = ? AND x = ?", {"id", "x_1"}},
        {"same name twice", "WHERE a = :v OR b = :v", "WHERE a = ? OR b = ?", {"v", "v"}},
        {"string literal", "WHERE s = 'a :b ''c :d' AND e = :e", "WHERE s = 'a :b ''c :d' AND e = ?", {"e"}},
        {"quoted identifier", "SELECT \":x\" FROM t WHERE y = :y", "SELECT \":x\" FROM t WHERE y = ?", {"y"}},
        {"line comment", "SELECT 1 -- :no\nFROM t WHERE z = :z", "SELECT 1 -- :no\nFROM t WHERE z = ?", {"z"}},
        {"block comment", "SELECT /* :no */ :yes FROM t", "SELECT /* :no */ ? FROM t", {"yes"}},
        {"time literal", "WHERE t = '12:30'", "WHERE t = '12:30'", {}},
        {"execute block",
         "EXECUTE BLOCK (p INTEGER = :p) RETURNS (r INTEGER) AS DECLARE x INTEGER; BEGIN "
         "FOR SELECT id FROM t WHERE id > :p INTO :r DO SUSPEND; END",
         "EXECUTE BLOCK (p INTEGER = ?) RETURNS (r INTEGER) AS DECLARE x INTEGER; BEGIN "
         "FOR SELECT id FROM t WHERE id > :p INTO :r DO SUSPEND; END",
         {"p"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tfb_translated_sql t = tfb_sql_params::translate(c.sql);
        EXPECT_EQ(c.expected, t.fsql);
        EXPECT_EQ(c.names, t.fnames);
    }
}

TEST(FbScript, SplitsOnTerminatorsAndFollowsSetTerm) {
    std::vector<std::string> s = tfb_script::split(
        "CREATE TABLE a (x INTEGER); -- note; here\n"
        "INSERT INTO a VALUES (';');\n"
        "SET TERM ^ ;\n"
        "CREATE TRIGGER t FOR a BEFORE INSERT AS BEGIN new.x = 1; END^\n"
        "SET TERM ; ^\n"
        "COMMIT;\n");
    std::vector<std::string> expected = {"CREATE TABLE a (x INTEGER)", "INSERT INTO a VALUES (';')",
                                         "CREATE TRIGGER t FOR a BEFORE INSERT AS BEGIN new.x = 1; END", "COMMIT"};
    EXPECT_EQ(expected, s);
}
