#include "bench_data.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "database/fb_database.h"
#include "database/fb_query.h"
#include "database/fb_script.h"
#include "database/fb_service.h"
#include "make_database_demo.h"
#include "procs/message_format.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string data_root() {
    const char* env = std::getenv("VELMOR_BENCH_DATA");
    std::string root = env && *env ? env : std::string(VELMOR_BUILD_DIR) + "/bench/data";
    fs::create_directories(root + "/lock");
    setenv("FIREBIRD_LOCK", (root + "/lock").c_str(), 0);
    return root;
}

template <typename S> void run_service(S& aservice) {
    try {
        aservice.attach();
        aservice.start();
        while (!aservice.eof())
            aservice.get_next_line();
        aservice.detach();
    } catch (...) {
        aservice.detach();
        throw;
    }
}

// Generates the demo rows at a scale into a database and backs it up, as the build tool does.
void make_backup(int32_t acontacts, const std::string& abackup) {
    std::string work = abackup + ".making.fdb";
    fs::remove(work);
    {
        tfb_database db;
        db.params() = {"user_name=SYSDBA", "set_page_buffers=8192"};
        db.fdatabase_name = work;
        db.create();
        tfb_script::execute(db, read_file(std::string(VELMOR_SOURCE_DIR) + "/install/schema.sql"));
        tdemo_scale scale;
        scale.fcontacts = acontacts;
        scale.faccounts = std::max(200, acontacts / 3);
        scale.fplu = 2000;
        tdemo_data(read_file(std::string(VELMOR_SOURCE_DIR) + "/install/demo_words.txt"), scale).load(db);
    }
    tfb_backup_service backup;
    backup.fparams = {"user_name=SYSDBA"};
    backup.fdatabase_files = {work};
    backup.fbackup_files = {abackup};
    run_service(backup);
    fs::remove(work);
}

}  // namespace

std::string tbench_data::database_folder(int32_t acontacts) {
    std::string root = data_root();
    std::string name = acontacts == 0 ? "demo" : "contacts_" + std::to_string(acontacts);
    std::string folder = root + "/" + name;
    if (fs::exists(folder + "/accounts.fdb"))
        return folder;
    std::string backup = acontacts == 0 ? std::string(VELMOR_BUILD_DIR) + "/bin/install/accounts.1.0.1.3.release.fbk"
                                        : root + "/" + name + ".fbk";
    if (!fs::exists(backup))
        make_backup(acontacts, backup);
    fs::create_directories(folder);
    std::string work = folder + "/restoring.fdb";
    fs::remove(work);
    tfb_restore_service restore;
    restore.fparams = {"user_name=SYSDBA"};
    restore.fbackup_files = {backup};
    restore.fdatabase_files = {work};
    run_service(restore);
    fs::rename(work, folder + "/accounts.fdb");
    return folder;
}

std::string tbench_data::engine_settings(const std::string& adatabase_path) {
    tfb_database db;
    db.params() = {"user_name=SYSDBA"};
    db.fdatabase_name = adatabase_path;
    db.open();
    tfb_transaction t(db, tfb_transaction_kind::read_only);
    tfb_query q(db, t, qoStartTransaction);
    q.set_sql("SELECT mon$forced_writes, mon$page_buffers, mon$page_size, mon$ods_major, mon$ods_minor FROM mon$database");
    q.execute();
    std::string r = std::string("forced writes ") + (q.field(0).as_integer() ? "on" : "off") + ", page buffers " +
                    std::to_string(q.field(1).as_integer()) + ", page size " + std::to_string(q.field(2).as_integer()) +
                    ", ODS " + std::to_string(q.field(3).as_integer()) + "." + std::to_string(q.field(4).as_integer());
    q.close();
    return r;
}

std::vector<std::u16string> tbench_data::demo_prefixes() {
    std::istringstream in(read_file(std::string(VELMOR_SOURCE_DIR) + "/install/demo_words.txt"));
    std::string line, section;
    std::set<std::u16string> prefixes;
    const std::set<std::string> named_by = {"[first_names]", "[last_names]", "[company_words]"};
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[') {
            section = line;
            continue;
        }
        if (line.empty() || line[0] == '#' || !named_by.count(section))
            continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            std::u16string w = utf8_to_utf16(word);
            for (size_t n = 1; n <= w.size(); ++n)
                prefixes.insert(w.substr(0, n));
        }
    }
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        prefixes.insert(std::u16string(1, c));
    return {prefixes.begin(), prefixes.end()};
}

std::string tbench_data::load_average() {
    std::string s = read_file("/proc/loadavg");
    std::istringstream in(s);
    std::string a, b, c;
    in >> a >> b >> c;
    return "load average " + a + " " + b + " " + c;
}
