// Small word indexes for the tests: written by the real builder into a temporary folder and read
// back by the real reader; raw file access for damaging them.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "plu/datamodule_word_index2.h"
#include "plu/word_index_builder.h"
#include "support/process_folder.h"

inline std::string new_index_folder() {
    return make_temp_folder((test_process_folder("velmor_jobs_") + "/index_").c_str()) + "/";
}

// Every id the search hands out, a page of apage at a time.
inline std::vector<int32_t> search_all(Tdatamodule_word_index2& aindex, const std::string& asearch, int32_t apage = 20) {
    std::vector<int32_t> ids, page;
    int32_t count = 0;
    aindex.search_first(asearch);
    for (int guard = 0; !aindex.fsearch_eof && guard < 10000000; ++guard)
        if (aindex.search_get_records(page, count, apage)) ids.insert(ids.end(), page.begin(), page.begin() + count);
    return ids;
}

inline std::string read_bytes(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void write_bytes(const std::string& apath, const std::string& adata) {
    std::ofstream out(apath, std::ios::binary | std::ios::trunc);
    out.write(adata.data(), static_cast<std::streamsize>(adata.size()));
}

inline void poke16(std::string& adata, size_t aoffset, uint16_t avalue) {
    adata[aoffset] = static_cast<char>(avalue & 0xFF);
    adata[aoffset + 1] = static_cast<char>(avalue >> 8);
}
