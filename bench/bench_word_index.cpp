// The PLU word index: the first screen of ids from the index against a plain sorted in-memory word
// table over the same words, the first screen with every line's code and product read from the
// database, the index's resident memory per PLU, the rebuild (table read, index built and
// written), and the largest catalogue of generated demo PLUs the format holds.
// Catalogues are generated from the demo word lists; their databases and indexes are made on
// first use into <build>/bench/plu_<n> and kept.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "database/fb_query.h"
#include "database/fb_script.h"
#include "plu/datamodule_word_index2.h"
#include "plu/plu_word_index.h"
#include "plu/word_key.h"
#include "procs/message_format.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t screen_rows = 27;  // the search page's visible rows in the default window

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The demo word lists: words separated by "|" where a line has one, else by spaces.
std::map<std::string, std::vector<std::string>> demo_words() {
    std::map<std::string, std::vector<std::string>> lists;
    std::istringstream in(read_file(std::string(VELMOR_SOURCE_DIR) + "/install/demo_words.txt"));
    std::string line, section;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const char separator = line.find('|') != std::string::npos ? '|' : ' ';
        std::istringstream parts(line);
        for (std::string w; std::getline(parts, w, separator);)
            if (!w.empty()) lists[section].push_back(w);
    }
    return lists;
}

// Two letters and five digits.
std::string random_code(std::mt19937& arandom) {
    std::string code{static_cast<char>('A' + arandom() % 26), static_cast<char>('A' + arandom() % 26)};
    return code + std::to_string(10000 + arandom() % 90000);
}

struct tplu_text {
    std::string code, product, subtitle, description, manufacturer;
};

// PLUs like the demo's, with codes of two letters and five digits. as_by: descriptions end in
// "by <maker>" as in the demo; the word "BY" then lies under one prefix in every PLU.
std::vector<tplu_text> make_catalogue(int32_t acount, bool as_by) {
    static const auto words = demo_words();
    std::mt19937 random(20261210);
    const auto pick = [&](const char* alist) {
        const auto& list = words.at(alist);
        return list[random() % list.size()];
    };
    std::vector<tplu_text> plus;
    plus.reserve(static_cast<size_t>(acount));
    for (int32_t i = 0; i < acount; ++i) {
        tplu_text t;
        t.code = random_code(random);
        t.product = pick("plu_adjectives") + " " + pick("plu_nouns");
        t.subtitle = pick("plu_details");
        t.manufacturer = pick("manufacturers");
        t.description = t.product + ", " + t.subtitle + (as_by ? ", by " : ", ") + t.manufacturer;
        plus.push_back(std::move(t));
    }
    return plus;
}

void add_catalogue(tword_index_builder& abuilder, const std::vector<tplu_text>& aplus) {
    for (size_t i = 0; i < aplus.size(); ++i) {
        const int32_t id = static_cast<int32_t>(i) + 1;
        for (const std::string* s : {&aplus[i].code, &aplus[i].product, &aplus[i].subtitle, &aplus[i].description,
                                     &aplus[i].manufacturer})
            abuilder.add_text(id, utf8_to_utf16(*s));
    }
}

// PLUs of generated letter words (a vocabulary of 20,000 words and 2,000 makers, descriptions
// without "by"): no word is as frequent as the demo's, so the catalogue can grow past what demo
// words allow.
std::vector<tplu_text> make_letter_catalogue(int32_t acount) {
    std::mt19937 random(20261211);
    const auto word = [&] {
        std::string w;
        for (int32_t n = 4 + static_cast<int32_t>(random() % 6); n > 0; --n) w += static_cast<char>('a' + random() % 26);
        return w;
    };
    std::vector<std::string> vocabulary(20000), makers(2000);
    for (auto& w : vocabulary) w = word();
    for (auto& m : makers) m = word() + " " + word();
    const auto pick = [&](const std::vector<std::string>& alist) { return alist[random() % alist.size()]; };
    std::vector<tplu_text> plus;
    plus.reserve(static_cast<size_t>(acount));
    for (int32_t i = 0; i < acount; ++i) {
        tplu_text t;
        t.code = random_code(random);
        t.product = pick(vocabulary) + " " + pick(vocabulary);
        t.subtitle = pick(vocabulary);
        t.manufacturer = pick(makers);
        t.description = t.product + ", " + t.subtitle + " " + pick(vocabulary) + ", " + t.manufacturer;
        plus.push_back(std::move(t));
    }
    return plus;
}

bool format_holds(int32_t acount) {
    tword_index_builder builder;
    add_catalogue(builder, make_catalogue(acount, true));
    try {
        builder.build();
        return true;
    } catch (const tvelmor_exception&) {
        return false;
    }
}

// The largest demo catalogue whose index the builder accepts (binary search on the PLU count).
int32_t largest_catalogue() {
    static const int32_t largest = [] {
        int32_t good = 1000, bad = 1000;
        while (format_holds(bad)) good = bad, bad *= 2;
        while (bad - good > 50) {
            const int32_t mid = (good + bad) / 2;
            (format_holds(mid) ? good : bad) = mid;
        }
        return good;
    }();
    return largest;
}

// A catalogue in a database of its own with its index beside it: demo PLUs up to the largest
// size the format holds for them; 100,000 PLUs of letter words (demo words cannot get there: a
// word in more than 16,383 PLUs, like "BY" of every description, does not fit a block).
constexpr int32_t letter_catalogue_size = 100000;
struct tcatalogue_database {
    explicit tcatalogue_database(int32_t acount) : fcount(acount) {
        fs::create_directories(std::string(VELMOR_BUILD_DIR) + "/bench/lock");
        setenv("FIREBIRD_LOCK", (std::string(VELMOR_BUILD_DIR) + "/bench/lock").c_str(), 0);
        ffolder = std::string(VELMOR_BUILD_DIR) + "/bench/plu_" + std::to_string(acount) + "/";
        fplus = acount == letter_catalogue_size ? make_letter_catalogue(acount) : make_catalogue(acount, true);
        const bool made = fs::exists(ffolder + "accounts.fdb");
        fs::create_directories(ffolder);
        fdatabase.params() = {"user_name=SYSDBA", "force_write=0"};
        fdatabase.fdatabase_name = ffolder + (made ? "accounts.fdb" : "making.fdb");
        if (!made) {
            fs::remove(fdatabase.fdatabase_name);
            fdatabase.create();
            tfb_script::execute(fdatabase, read_file(std::string(VELMOR_SOURCE_DIR) + "/install/schema.sql"));
            insert_rows();
            fdatabase.close();
            fs::rename(ffolder + "making.fdb", ffolder + "accounts.fdb");
            fdatabase.fdatabase_name = ffolder + "accounts.fdb";
        }
        fdatabase.open();
        if (!Tdatamodule_word_index2::files_present(ffolder)) rebuild_plu_word_index(fdatabase, ffolder);
    }
    void insert_rows() {
        tfb_transaction transaction(fdatabase);
        transaction.start();
        tfb_query insert(fdatabase, transaction);
        insert.set_sql("INSERT INTO plu (id, code, product, subtitle, description, manufacturer) "
                       "VALUES (:id, :code, :product, :subtitle, :description, :manufacturer)");
        for (size_t i = 0; i < fplus.size(); ++i) {
            insert.ParamByName("id").set_asinteger(static_cast<int32_t>(i) + 1);
            insert.ParamByName("code").set_aswidestring(utf8_to_utf16(fplus[i].code));
            insert.ParamByName("product").set_aswidestring(utf8_to_utf16(fplus[i].product));
            insert.ParamByName("subtitle").set_aswidestring(utf8_to_utf16(fplus[i].subtitle));
            insert.ParamByName("description").set_aswidestring(utf8_to_utf16(fplus[i].description));
            insert.ParamByName("manufacturer").set_aswidestring(utf8_to_utf16(fplus[i].manufacturer));
            insert.execute();
            insert.close();
        }
        transaction.commit();
    }
    // The sorted (word, id) table over the same words.
    const std::vector<std::pair<std::string, int32_t>>& table() {
        if (ftable.empty()) {
            for (size_t i = 0; i < fplus.size(); ++i) {
                const tplu_text& t = fplus[i];
                for (const std::string* s : {&t.code, &t.product, &t.subtitle, &t.description, &t.manufacturer})
                    for (std::string& w : split_index_words(utf8_to_utf16(*s))) ftable.emplace_back(std::move(w), i + 1);
            }
            std::sort(ftable.begin(), ftable.end());
            ftable.erase(std::unique(ftable.begin(), ftable.end()), ftable.end());
        }
        return ftable;
    }
    // Searches a user would type: words and prefixes of the catalogue.
    std::vector<std::string> searches() const {
        if (fcount != letter_catalogue_size)
            return {"HINGE", "ST", "BOL", "NORD", "10", "PACK", "KO", "WATERPROOF", "LUMI", "AC", "QX"};
        // Prefixes of words of the catalogue, two to five letters long.
        std::vector<std::string> s;
        for (size_t i = 0; i < 11; ++i) {
            const std::string w = split_index_words(utf8_to_utf16(fplus[i * 37].product)).front();
            s.push_back(w.substr(0, 2 + i % 4));
        }
        return s;
    }

    int32_t fcount;
    std::string ffolder;
    std::vector<tplu_text> fplus;
    std::vector<std::pair<std::string, int32_t>> ftable;
    tfb_database fdatabase;
};

tcatalogue_database& catalogue(int32_t acount) {
    static std::map<int32_t, std::unique_ptr<tcatalogue_database>> made;
    auto& c = made[acount];
    if (!c) c = std::make_unique<tcatalogue_database>(acount);
    return *c;
}

int32_t size_of(const benchmark::State& astate) {
    return astate.range(0) == 0 ? largest_catalogue() : static_cast<int32_t>(astate.range(0));
}

// One screen of ids for a search, as the search page takes them.
int32_t first_screen(Tdatamodule_word_index2& aindex, const std::string& asearch, std::vector<int32_t>& aids) {
    int32_t lines = 0, got = 0;
    aindex.search_first(asearch);
    while (lines < screen_rows && !aindex.fsearch_eof)
        if (aindex.search_get_records(aids, got, screen_rows - lines)) lines += got;
    return lines;
}

void BM_index_first_screen(benchmark::State& astate) {
    tcatalogue_database& c = catalogue(size_of(astate));
    Tdatamodule_word_index2 index(c.ffolder);
    index.load_from_file_asbinary();
    const auto searches = c.searches();
    std::vector<int32_t> ids;
    for (const std::string& s : searches) first_screen(index, s, ids);  // blocks loaded, as they stay
    size_t n = 0;
    int64_t lines = 0;
    for (auto _ : astate) lines += first_screen(index, searches[n++ % searches.size()], ids);
    astate.counters["plus"] = c.fcount;
    astate.counters["lines"] = static_cast<double>(lines) / static_cast<double>(astate.iterations());
}

// The same with the search's block read from the files first (a new page over a new index).
void BM_index_first_screen_cold(benchmark::State& astate) {
    tcatalogue_database& c = catalogue(size_of(astate));
    const auto searches = c.searches();
    std::vector<int32_t> ids;
    size_t n = 0;
    for (auto _ : astate) {
        astate.PauseTiming();
        Tdatamodule_word_index2 index(c.ffolder);
        index.load_from_file_asbinary();
        astate.ResumeTiming();
        first_screen(index, searches[n++ % searches.size()], ids);
    }
    astate.counters["plus"] = c.fcount;
}

void BM_table_first_screen(benchmark::State& astate) {
    tcatalogue_database& c = catalogue(size_of(astate));
    const auto& table = c.table();
    const auto searches = c.searches();
    std::vector<int32_t> ids(screen_rows);
    size_t n = 0;
    for (auto _ : astate) {
        const std::string& s = searches[n++ % searches.size()];
        auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(s, INT32_MIN));
        int32_t lines = 0;
        for (; lines < screen_rows && it != table.end() && it->first.compare(0, s.size(), s) == 0; ++it)
            ids[static_cast<size_t>(lines++)] = it->second;
        benchmark::DoNotOptimize(ids.data());
    }
    astate.counters["plus"] = c.fcount;
}

// Ids from the index, then each line's code and product by id, as the page reads them.
void BM_first_screen_loaded(benchmark::State& astate) {
    tcatalogue_database& c = catalogue(size_of(astate));
    Tdatamodule_word_index2 index(c.ffolder);
    index.load_from_file_asbinary();
    tfb_transaction transaction(c.fdatabase);
    tfb_query query(c.fdatabase, transaction, qoStartTransaction | qoAutoCommit);
    query.set_sql("SELECT code, product FROM plu WHERE id = :id");
    const auto searches = c.searches();
    std::vector<int32_t> ids;
    size_t n = 0;
    for (auto _ : astate) {
        const int32_t lines = first_screen(index, searches[n++ % searches.size()], ids);
        for (int32_t i = 0; i < lines; ++i) {
            query.ParamByName("id").set_asinteger(ids[static_cast<size_t>(i)]);
            query.execute();
            benchmark::DoNotOptimize(query.FieldByName("product").as_widestring());
            query.close();
        }
    }
    astate.counters["plus"] = c.fcount;
}

// Heap bytes in use.
size_t heap_bytes() { return mallinfo2().uordblks; }

// Every block loaded: the most the index holds in memory.
void BM_index_memory(benchmark::State& astate) {
    tcatalogue_database& c = catalogue(size_of(astate));
    size_t bytes = 0, heap = 0;
    for (auto _ : astate) {
        const size_t before = heap_bytes();
        auto index = std::make_unique<Tdatamodule_word_index2>(c.ffolder);
        index->load_from_file_asbinary();
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) index->search_first(std::string{static_cast<char>(a), static_cast<char>(b)});
        heap = heap_bytes() - before;
        bytes = index->memory_size();
        benchmark::DoNotOptimize(index.get());
    }
    astate.counters["plus"] = c.fcount;
    astate.counters["bytes_per_plu"] = static_cast<double>(bytes) / c.fcount;
    astate.counters["heap_per_plu"] = static_cast<double>(heap) / c.fcount;
}

void BM_rebuild(benchmark::State& astate) {
    tcatalogue_database& c = catalogue(size_of(astate));
    for (auto _ : astate) rebuild_plu_word_index(c.fdatabase, c.ffolder);
    astate.counters["plus"] = c.fcount;
}

void BM_largest_catalogue(benchmark::State& astate) {
    for (auto _ : astate) benchmark::DoNotOptimize(largest_catalogue());
    astate.counters["plus"] = largest_catalogue();
}

// Arg 0 stands for the largest catalogue the format holds.
BENCHMARK(BM_largest_catalogue)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_index_first_screen)->Arg(letter_catalogue_size)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_table_first_screen)->Arg(letter_catalogue_size)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_index_first_screen_cold)->Arg(letter_catalogue_size)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_first_screen_loaded)->Arg(letter_catalogue_size)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_index_memory)->Arg(letter_catalogue_size)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rebuild)->Arg(2000)->Arg(letter_catalogue_size)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
