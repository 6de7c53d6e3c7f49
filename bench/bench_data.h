// The benchmarks' databases, made the way the program installs one: the build tool's generator
// fills a database, it is backed up, and the backup is restored by the engine's restore service
// (so forced writes are on, as on every installed database). They are kept in a cache folder
// (VELMOR_BENCH_DATA, else <build>/bench/data) and reused; the 1,000,000-contact one takes
// minutes to make.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct tbench_data {
    // The folder holding accounts.fdb for a scale (0: the shipped demo backup), made when missing.
    static std::string database_folder(int32_t acontacts);
    // The engine's settings of an open database, as one line: forced writes, page buffers and size.
    static std::string engine_settings(const std::string& adatabase_path);
    // The search texts users type: every first letter of the demo words (accented or not) and
    // every prefix of each word people and companies are named by.
    static std::vector<std::u16string> demo_prefixes();
    // "load average 1.23 1.10 0.95"
    static std::string load_average();
};
