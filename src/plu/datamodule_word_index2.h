// The reader of the PLU word index: three read-only files in the domain folder (wordhdr.idx with
// the block table and the sorted two-byte prefixes, wordlns.idx with the word texts, plu.idx with
// each block's sorted words and their PLU ids). The header is read once, word blocks when a search
// first needs them; a search hands out the ids of every word that begins with the search text,
// word by word in word order, a page at a time.
#pragma once

#include <array>
#include <map>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "procs/velmor_exception.h"

class Tdatamodule_word_index2 : public tvelmor_object {
public:
    static constexpr const char* file_header = "wordhdr.idx";
    static constexpr const char* file_words = "wordlns.idx";
    static constexpr const char* file_records = "plu.idx";
    static constexpr int32_t unit_size = 256;
    static constexpr int32_t block_slots = 128;
    static constexpr int32_t max_text_units = 256;
    static constexpr uint16_t none = 65535;

    struct tnode_value {
        uint16_t fvalue = 0;
        uint16_t fblock1 = 0;
        uint16_t fblock2 = none;
    };
    struct tnode_index {
        uint16_t fvalue = 0;
        uint16_t findex = none;
        uint16_t flen = 0;
        uint16_t frecords_index = 0;
        uint16_t frecords_count = 0;
    };
    struct tblock_info {
        uint16_t ftext_unit = 0;
        uint16_t ftext_units = 0;
        uint16_t ftext_len = 0;
        uint32_t fmax_word = 0;
        uint16_t ftable_unit = 0;
        uint16_t ftable_units = 0;
        uint16_t fslot = none;
    };
    struct tblock {
        std::string fwords_data;
        std::vector<tnode_index> ftree_words;  // in word order
        std::string frecords_data;             // 32-bit little-endian ids
        std::string_view remainder(const tnode_index& anode) const;
        int32_t record(const tnode_index& anode, int32_t ai) const;
    };

    // afolder: the domain's folder, ending with "/".
    explicit Tdatamodule_word_index2(std::string afolder);
    ~Tdatamodule_word_index2() override;
    const char* class_name() const override { return "Tdatamodule_word_index2"; }

    void load_from_file_asbinary();
    void search_first(std::string_view asearch);
    // Up to amax_records_count further ids of the current word into arecords[0 ..), their number
    // into arecords_count; true when some were handed out.
    bool search_get_records(std::vector<int32_t>& arecords, int32_t& arecords_count, int32_t amax_records_count);

    // Whether all three files are in the folder.
    static bool files_present(const std::string& afolder);
    int32_t block_count() const { return static_cast<int32_t>(flist_block_info.size()); }
    int32_t value_count() const { return static_cast<int32_t>(ftree_values.size()); }
    int32_t loaded_block_count() const;
    // Bytes held by the header and the loaded blocks.
    size_t memory_size() const;

    bool fsearch_eof = true;

private:
    tblock& get_block(uint16_t ablockno);
    void load_block_from_file_asbinary(uint16_t ablockno);
    int32_t get_new_block();
    std::string read_file_range(const char* aname, uint64_t aoffset, uint64_t alength, bool& acomplete) const;
    const tnode_value* find_value(uint16_t avalue) const;
    bool node_matches(const tblock& ablock, const tnode_index& anode) const;
    void next_word();

    std::string ffolder;
    std::map<uint16_t, tnode_value> ftree_values;
    std::vector<tblock_info> flist_block_info;
    std::array<std::unique_ptr<tblock>, block_slots> fblocks;

    uint16_t fsearch_value = 0;
    std::string fsearch_word;
    uint16_t fsearch_blockno = none;
    const tnode_value* fsearch_node = nullptr;
    int32_t fsearch_index_word = 0;
    int32_t fsearch_records_index = -1;
};
