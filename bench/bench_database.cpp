// The customer search (four prefix statements merged in sort order: the first 50 rows, then 2
// more) and loading a contact by key, over demo databases of 100,000 and 1,000,000 contacts.
// The databases are made on first use into <build>/bench/data and kept for later runs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "database/datablock_container.h"
#include "database/datamodule_querys.h"
#include "database/fb_script.h"
#include "database/procs_querys.h"
#include "make_database_demo.h"
#include "procs/program_folders.h"
#include "values/dbrecords2.h"
#include "xml/datamodule_inifile.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const int32_t scales[] = {100000, 1000000};

std::string database_folder(int32_t acontacts) {
    return std::string(VELMOR_BUILD_DIR) + "/bench/data/contacts_" + std::to_string(acontacts);
}

void make_database(int32_t acontacts) {
    std::string folder = database_folder(acontacts);
    if (fs::exists(folder + "/accounts.fdb"))
        return;
    fs::create_directories(folder);
    std::string work = folder + "/making.fdb";
    fs::remove(work);
    tfb_database db;
    db.params() = {"user_name=SYSDBA", "force_write=0", "set_page_buffers=8192"};
    db.fdatabase_name = work;
    db.create();
    tfb_script::execute(db, read_file(std::string(VELMOR_SOURCE_DIR) + "/install/schema.sql"));
    tdemo_scale scale;
    scale.fcontacts = acontacts;
    scale.faccounts = acontacts / 3;
    scale.fplu = 2000;
    tdemo_data(read_file(std::string(VELMOR_SOURCE_DIR) + "/install/demo_words.txt"), scale).load(db);
    db.close();
    fs::rename(work, folder + "/accounts.fdb");
}

// The program's modules with one domain per scale.
struct tmodules {
    tmodules() {
        fs::create_directories(std::string(VELMOR_BUILD_DIR) + "/bench/lock");
        setenv("FIREBIRD_LOCK", (std::string(VELMOR_BUILD_DIR) + "/bench/lock").c_str(), 0);
        tprogram_folders::set_program_folder(std::string(VELMOR_BUILD_DIR) + "/bench");
        inifile = std::make_unique<Tdatamodule_inifile>();
        for (int32_t n : scales) {
            make_database(n);
            auto domain = std::make_unique<telement_domain>();
            domain->fname = std::to_string(n);
            domain->fpath = database_folder(n);
            inifile->flist_domains.push_back(std::move(domain));
        }
        database = std::make_unique<Tdatamodule_database_customers>(inifile.get());
        querys = std::make_unique<Tdatamodule_querys>(*database);
    }
    void open(int32_t acontacts) { database->open_database(acontacts == scales[0] ? 0 : 1); }

    std::unique_ptr<Tdatamodule_inifile> inifile;
    std::unique_ptr<Tdatamodule_database_customers> database;
    std::unique_ptr<Tdatamodule_querys> querys;
};

tmodules& modules() {
    static tmodules m;
    return m;
}

const char* const search_statements[4] = {
    "SELECT 0 AS record_type, id, first_name, last_name, phone, email\r\nFROM contact\r\n"
    "WHERE first_name STARTING WITH :search\r\nAND COALESCE( deleted, 0 ) <> 1\r\nORDER BY 3",
    "SELECT 0 AS record_type, id, first_name, last_name, phone, email\r\nFROM contact\r\n"
    "WHERE last_name STARTING WITH :search\r\nAND COALESCE( deleted, 0 ) <> 1\r\nORDER BY 4",
    "SELECT 0 AS record_type, id, first_name, last_name, phone, email\r\nFROM contact\r\n"
    "WHERE email STARTING WITH :search\r\nAND COALESCE( deleted, 0 ) <> 1\r\nORDER BY 6",
    "SELECT 1 AS record_type, id, name AS first_name, '' AS last_name, phone, '' AS email\r\nFROM account\r\n"
    "WHERE name STARTING WITH :search\r\nAND COALESCE( deleted, 0 ) <> 1\r\nORDER BY 3"};
const int32_t sort_column[4] = {2, 3, 5, 2};

// One search: open the four statements, merge the first 50 rows (then amore rows).
void customer_search(benchmark::State& astate, int32_t amore) {
    tmodules& m = modules();
    m.open(static_cast<int32_t>(astate.range(0)));
    tpooled_query q0, q1, q2, q3;
    tfb_query* queries[4] = {&q0.query(), &q1.query(), &q2.query(), &q3.query()};
    tdatablock_container container;
    for (int32_t i = 0; i < 4; ++i) {
        queries[i]->set_sql(search_statements[i]);
        queries[i]->ParamByName("search").set_aswidestring(u"Ma");
        container.fdatasets.push_back(queries[i]);
    }
    auto key = [&](int32_t i) { return queries[i]->field(sort_column[i]).as_string(); };
    container.fon_compare_dataset = [&](int32_t a, int32_t b) { return key(b) < key(a) ? b : a; };
    int64_t rows = 0;
    container.fon_add_record = [&](int32_t) { ++rows; };
    for (auto _ : astate) {
        container.open_datasets();
        container.add_records(50);
        if (amore > 0)
            container.add_records(amore);
        container.close_datasets();
    }
    astate.counters["rows"] = static_cast<double>(rows) / static_cast<double>(astate.iterations());
}

void BM_customer_search_first50(benchmark::State& astate) { customer_search(astate, 0); }
void BM_customer_search_first50_then2(benchmark::State& astate) { customer_search(astate, 2); }

void BM_load_record_bypk(benchmark::State& astate) {
    tmodules& m = modules();
    int32_t contacts = static_cast<int32_t>(astate.range(0));
    m.open(contacts);
    uint32_t seed = 12345;
    for (auto _ : astate) {
        seed = seed * 1103515245u + 12345u;
        tdbrecord_contact2 contact;
        contact.set_aslongint3("id", 1 + static_cast<int32_t>((seed >> 8) % static_cast<uint32_t>(contacts)));
        if (!tprocs_querys::load_record_bypk(contact, dben_table_contact))
            astate.SkipWithError("contact not found");
    }
}

}  // namespace

BENCHMARK(BM_customer_search_first50)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_customer_search_first50_then2)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_load_record_bypk)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
