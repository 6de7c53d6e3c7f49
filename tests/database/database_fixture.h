// Test fixture for the database tests: each test works in its own temporary folder, with the
// engine's lock folder and XDG_DATA_HOME pointed at a temporary folder of the test process.
// A database with the program's schema is built once per test program and copied per test.
#pragma once

#include <gtest/gtest.h>

#include <string>

class tdatabase_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A path inside this test's folder.
    std::string path(const std::string& aname) const { return ffolder + "/" + aname; }
    // A fresh copy of the schema database (with the demo rows of the template script) in this
    // test's folder; returns its path.
    std::string schema_database(const std::string& aname = "accounts.fdb") const;
    // Creates an empty database in this test's folder and returns its path.
    std::string empty_database(const std::string& aname = "empty.fdb") const;

    std::string ffolder;
};

// The install/schema.sql of the source tree.
std::string schema_script_path();
std::string read_text_file(const std::string& apath);

#include <memory>

#include "database/datamodule_database_customers.h"
#include "xml/datamodule_inifile.h"

// The program's modules over two domains (folders d0 and d1 with schema databases); domain 0 open.
class tdatamodule_test : public tdatabase_test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs a statement with its own transaction and returns the first column of the first row.
    int64_t number(const std::string& asql);
    void execute(const std::string& asql) { fdatabase->execute_query(asql, true); }

    std::unique_ptr<Tdatamodule_inifile> finifile;
    std::unique_ptr<Tdatamodule_database_customers> fdatabase;
};

// The message of the tvelmor_exception af raises, or "(no exception)".
template <typename F> std::string message_of(F af) {
    try {
        af();
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return "(no exception)";
}
