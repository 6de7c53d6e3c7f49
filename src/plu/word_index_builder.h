// Writes the PLU word index files from (word, PLU id) pairs: words in word order, packed into
// blocks that the reader loads on demand, each two-byte prefix in at most two blocks. A catalogue
// the format cannot hold is refused with a message naming the prefix, and nothing is written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "procs/velmor_exception.h"

struct tword_index_figures {
    int32_t fwords = 0;     // distinct words
    int64_t fids = 0;       // (word, id) pairs
    int32_t fblocks = 0;
    int32_t fvalues = 0;
};

class tword_index_builder : public tvelmor_object {
public:
    const char* class_name() const override { return "tword_index_builder"; }

    // One word (upper-case UTF-8 bytes) of a PLU; the same pair twice counts once.
    void add_word(int32_t aid, std::string aword);
    // Every word of a text (see split_index_words).
    void add_text(int32_t aid, std::u16string_view atext);

    // Lays the words out and writes the three files into afolder (ending with "/") under
    // temporary names, renamed into place once all three are complete. Raises on a catalogue the
    // format cannot hold; the files already there are then left as they were.
    tword_index_figures write(const std::string& afolder);
    // The three files' contents, without writing them.
    struct tfiles {
        std::string fheader, fwords, frecords;
        tword_index_figures ffigures;
    };
    tfiles build();

private:
    std::vector<std::pair<std::string, int32_t>> fpairs;
};
