#include "database_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/fb_database.h"
#include "database/fb_script.h"

namespace fs = std::filesystem;

namespace {

std::string make_temp_folder(const char* aprefix) {
    std::string pattern = (fs::temp_directory_path() / (std::string(aprefix) + "XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    return pattern;
}

// The process folder holds the lock folder, XDG_DATA_HOME and the schema template.
const std::string& process_folder() {
    // Never destroyed: the clean-up at exit still needs the name.
    static const std::string& folder = *new std::string([] {
        std::string f = make_temp_folder("velmor_dbtest_");
        fs::create_directories(f + "/lock");
        fs::create_directories(f + "/xdg");
        setenv("FIREBIRD_LOCK", (f + "/lock").c_str(), 1);
        setenv("XDG_DATA_HOME", (f + "/xdg").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(process_folder(), ec);
        });
        return f;
    }());
    return folder;
}

const std::string& schema_template() {
    static const std::string path = [] {
        std::string p = process_folder() + "/schema_template.fdb";
        tfb_database db;
        db.params().push_back("user_name=SYSDBA");
        db.fdatabase_name = p;
        db.create();
        tfb_script::execute(db, read_text_file(schema_script_path()));
        db.close();
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
    db.params().push_back("user_name=SYSDBA");
    db.fdatabase_name = p;
    db.create();
    db.close();
    return p;
}
