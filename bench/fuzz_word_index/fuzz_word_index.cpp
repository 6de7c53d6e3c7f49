// Fuzz target: the three PLU word index files together, read and searched. The input holds the
// lengths of the first two files (16 bits each, little-endian), then wordhdr.idx, wordlns.idx,
// and the rest as plu.idx. A damaged or truncated index must end in the reader's own exception;
// a crash, a sanitizer report, another exception type or a search that never ends is a finding.
// Built with VELMOR_FUZZ_SEEDS instead, it writes seed inputs made by the real builder.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "plu/datamodule_word_index2.h"
#include "plu/word_index_builder.h"

namespace {

using tindex = Tdatamodule_word_index2;

void write_file(const std::string& apath, const char* adata, size_t asize) {
    std::ofstream out(apath, std::ios::binary | std::ios::trunc);
    out.write(adata, static_cast<std::streamsize>(asize));
}

std::string folder() {
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    static const std::string f = std::string(base) + "/velmor_fuzz_index_" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(f);
    return f;
}

// Every id of a search; a search may hand out at most as many ids as the file's bytes allow.
void search_all(tindex& aindex, const std::string& asearch, size_t alimit) {
    std::vector<int32_t> ids;
    int32_t count = 0;
    size_t calls = 0;
    for (aindex.search_first(asearch); !aindex.fsearch_eof; ++calls) {
        aindex.search_get_records(ids, count, 7);
        if (calls > alimit) {
            std::fprintf(stderr, "search \"%s\" does not end\n", asearch.c_str());
            std::abort();
        }
    }
}

}  // namespace

#ifndef VELMOR_FUZZ_SEEDS

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adata, size_t asize) {
    if (asize < 4) return 0;
    const char* p = reinterpret_cast<const char*>(adata);
    size_t header = adata[0] | adata[1] << 8, words = adata[2] | adata[3] << 8;
    header = std::min(header, asize - 4);
    words = std::min(words, asize - 4 - header);
    const std::string f = folder();
    write_file(f + tindex::file_header, p + 4, header);
    write_file(f + tindex::file_words, p + 4 + header, words);
    write_file(f + tindex::file_records, p + 4 + header + words, asize - 4 - header - words);
    try {
        tindex index(f);
        index.load_from_file_asbinary();
        // Each prefix of the header's value table as a search, with a remainder from the input.
        const size_t limit = 4 * asize + 1000;
        for (const char* search : {"AB", "A", "ABCDEFG", "ZZZZ"}) search_all(index, search, limit);
        for (size_t at = 16; at + 1 < header && at < 16 + 64; at += 6) {
            std::string s{p[4 + at], p[4 + at + 1]};
            search_all(index, s, limit);
            search_all(index, s + std::string(p + 4, std::min<size_t>(header, 6)), limit);
        }
    } catch (const tvelmor_exception&) {
    }
    return 0;
}

#else

// Seeds: small valid indexes, written in the input layout above.
int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string out = std::string(argv[1]) + "/";
    const auto seed = [&](const char* aname, tword_index_builder& abuilder) {
        const tword_index_builder::tfiles files = abuilder.build();
        std::string input;
        for (size_t n : {files.fheader.size(), files.fwords.size()}) {
            input.push_back(static_cast<char>(n & 0xFF));
            input.push_back(static_cast<char>(n >> 8 & 0xFF));
        }
        input += files.fheader + files.fwords + files.frecords;
        write_file(out + aname, input.data(), input.size());
    };
    tword_index_builder small;
    for (const char* w : {"AB", "ABC", "ABCD", "A", "B", "CAFÉ", "ZZTOP"}) small.add_word(1, w);
    small.add_word(2, "ABC");
    seed("seed_small", small);
    tword_index_builder split;  // one prefix over two blocks
    for (int32_t n = 0; n < 200; ++n)
        for (int32_t i = 0; i < 90; ++i)
            split.add_word(n * 100 + i, std::string("AB") + static_cast<char>('A' + n / 26) + static_cast<char>('A' + n % 26) + "XY");
    seed("seed_split", split);
    return 0;
}

#endif
