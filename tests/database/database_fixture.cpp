#include "database_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <unistd.h>

#include "database/fb_database.h"
#include "database/fb_script.h"
#include "support/process_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string& process_folder() { return test_process_folder("velmor_dbtest_"); }

// Built once per schema text and kept in the build folder, so that the test processes share it;
// made under a temporary name and renamed, so a process never sees half of it.
const std::string& schema_template() {
    static const std::string path = [] {
        std::string script = read_text_file(schema_script_path());
        std::string p = std::string(VELMOR_BUILD_DIR) + "/tests/schema_template_" +
                        std::to_string(std::hash<std::string>{}(script)) + ".fdb";
        if (fs::exists(p))
            return p;
        std::string work = process_folder() + "/schema_template.fdb";
        tfb_database db;
        db.params() = {"user_name=SYSDBA", "force_write=0"};
        db.fdatabase_name = work;
        db.create();
        tfb_script::execute(db, script);
        db.close();
        fs::create_directories(fs::path(p).parent_path());
        fs::copy_file(work, p + ".tmp" + std::to_string(getpid()));
        fs::rename(p + ".tmp" + std::to_string(getpid()), p);
        return p;
    }();
    return path;
}

}  // namespace

std::string schema_script_path() { return std::string(VELMOR_TEST_DATA) + "/../../install/schema.sql"; }

std::string read_text_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + apath);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void tdatabase_test::SetUp() {
    process_folder();
    ffolder = make_temp_folder("velmor_dbcase_");
}

void tdatabase_test::TearDown() {
    if (!HasFailure()) {
        std::error_code ec;
        fs::remove_all(ffolder, ec);
    } else {
        std::cerr << "test folder kept: " << ffolder << "\n";
    }
}

std::string tdatabase_test::schema_database(const std::string& aname) const {
    std::string p = path(aname);
    fs::copy_file(schema_template(), p);
    return p;
}

std::string tdatabase_test::empty_database(const std::string& aname) const {
    std::string p = path(aname);
    tfb_database db;
    db.params() = {"user_name=SYSDBA", "force_write=0"};  // tests need no power-loss safety
    db.fdatabase_name = p;
    db.create();
    db.close();
    return p;
}

#include "procs/program_folders.h"

void tdatamodule_test::SetUp() {
    tdatabase_test::SetUp();
    tprogram_folders::set_program_folder(ffolder);
    finifile = std::make_unique<Tdatamodule_inifile>();
    for (const char* name : {"d0", "d1"}) {
        fs::create_directories(path(name));
        schema_database(std::string(name) + "/accounts.fdb");
        auto domain = std::make_unique<telement_domain>();
        domain->fname = name;
        domain->fpath = path(name);
        finifile->flist_domains.push_back(std::move(domain));
    }
    fdatabase = std::make_unique<Tdatamodule_database_customers>(finifile.get());
    fdatabase->open_database(0);
}

void tdatamodule_test::TearDown() {
    fdatabase.reset();
    finifile.reset();
    tprogram_folders::set_program_folder("");
    tdatabase_test::TearDown();
}

int64_t tdatamodule_test::number(const std::string& asql) {
    tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
    q.set_sql(asql);
    q.execute();
    int64_t r = q.field(0).as_int64();
    q.close();
    return r;
}
