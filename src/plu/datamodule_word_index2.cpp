#include "plu/datamodule_word_index2.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "plu/titerate_treenodes_split.h"
#include "plu/word_key.h"

namespace {

uint16_t get16(const std::string& adata, size_t aoffset) {
    return static_cast<uint16_t>(static_cast<unsigned char>(adata[aoffset]) |
                                 static_cast<unsigned char>(adata[aoffset + 1]) << 8);
}

uint32_t get32(const std::string& adata, size_t aoffset) {
    return static_cast<uint32_t>(get16(adata, aoffset)) | static_cast<uint32_t>(get16(adata, aoffset + 2)) << 16;
}

bool node_less(const std::string& atext, const Tdatamodule_word_index2::tnode_index& a,
               const Tdatamodule_word_index2::tnode_index& b) {
    const auto rem = [&](const Tdatamodule_word_index2::tnode_index& n) {
        return n.findex == Tdatamodule_word_index2::none ? std::string_view() : std::string_view(atext).substr(n.findex, n.flen);
    };
    return compare_word_key(a.fvalue, rem(a), b.fvalue, rem(b)) < 0;
}

}  // namespace

std::string_view Tdatamodule_word_index2::tblock::remainder(const tnode_index& anode) const {
    if (anode.findex == none) return {};
    return std::string_view(fwords_data).substr(anode.findex, anode.flen);
}

int32_t Tdatamodule_word_index2::tblock::record(const tnode_index& anode, int32_t ai) const {
    return static_cast<int32_t>(get32(frecords_data, anode.frecords_index + 4 * static_cast<size_t>(ai)));
}

Tdatamodule_word_index2::Tdatamodule_word_index2(std::string afolder) : ffolder(std::move(afolder)) {}

Tdatamodule_word_index2::~Tdatamodule_word_index2() = default;

bool Tdatamodule_word_index2::files_present(const std::string& afolder) {
    for (const char* name : {file_header, file_words, file_records})
        if (!std::ifstream(afolder + name, std::ios::binary)) return false;
    return true;
}

std::string Tdatamodule_word_index2::read_file_range(const char* aname, uint64_t aoffset, uint64_t alength,
                                                     bool& acomplete) const {
    const std::string path = ffolder + aname;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw tvelmor_exception("Unable to open file %s: %s", path, std::strerror(errno));
    std::string data;
    in.seekg(0, std::ios::end);
    const uint64_t size = static_cast<uint64_t>(std::max<std::streamoff>(in.tellg(), 0));
    if (aoffset > size) {
        acomplete = false;
        return data;
    }
    data.resize(static_cast<size_t>(std::min(alength, size - aoffset)));
    in.seekg(static_cast<std::streamoff>(aoffset));
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<size_t>(in.gcount()));
    acomplete = data.size() == alength;
    return data;
}

void Tdatamodule_word_index2::load_from_file_asbinary() {
    flist_block_info.clear();
    ftree_values.clear();
    for (auto& slot : fblocks) slot.reset();
    fsearch_eof = true;
    fsearch_node = nullptr;
    bool complete = false;
    std::string head = read_file_range(file_header, 0, 16, complete);
    if (!complete) throw tvelmor_exception("Invalid file length in %s.load_from_file();", class_name());
    const uint16_t blocks = get16(head, 0);
    const uint16_t values = get16(head, 2);
    const uint64_t length = 16 + 20ull * blocks + 6ull * values;
    const std::string data = read_file_range(file_header, 0, length, complete);
    if (!complete) throw tvelmor_exception("Invalid file length in %s.load_from_file();", class_name());
    flist_block_info.resize(blocks);
    for (size_t i = 0; i < blocks; ++i) {
        const size_t at = 16 + 20 * i;
        tblock_info& b = flist_block_info[i];
        b.ftext_unit = get16(data, at);
        b.ftext_units = get16(data, at + 2);
        b.ftext_len = get16(data, at + 4);
        b.fmax_word = get32(data, at + 8);
        b.ftable_unit = get16(data, at + 12);
        b.ftable_units = get16(data, at + 14);
    }
    const size_t table = 16 + 20 * size_t{blocks};
    const titerate_treenodes_split order(static_cast<int32_t>(values) - 1);
    for (int32_t j : order.order()) {
        const size_t at = table + 6 * static_cast<size_t>(j);
        const tnode_value node{get16(data, at), get16(data, at + 2), get16(data, at + 4)};
        if (node.fblock1 >= blocks || (node.fblock2 != none && node.fblock2 >= blocks)) {
            flist_block_info.clear();
            ftree_values.clear();
            throw tvelmor_exception("Block out of range in %s.get_block();", class_name());
        }
        ftree_values.emplace(node.fvalue, node);
    }
}

int32_t Tdatamodule_word_index2::get_new_block() {
    for (int32_t i = 0; i < block_slots; ++i)
        if (!fblocks[static_cast<size_t>(i)]) return i;
    throw tvelmor_exception("Unable to find empty block in %s.get_new_block();", class_name());
}

void Tdatamodule_word_index2::load_block_from_file_asbinary(uint16_t ablockno) {
    tblock_info& info = flist_block_info[ablockno];
    const int32_t slot = get_new_block();
    if (info.ftext_units > max_text_units)
        throw tvelmor_exception("Too many blocks in %s.load_block_from_file_asbinary();", class_name());
    auto block = std::make_unique<tblock>();
    bool complete = false;
    if (info.ftext_len > uint32_t{info.ftext_units} * unit_size)
        throw tvelmor_exception("Unable to read block in %s.read_block();", class_name());
    block->fwords_data = read_file_range(file_words, uint64_t{info.ftext_unit} * unit_size, info.ftext_len, complete);
    if (!complete) throw tvelmor_exception("Unable to read block in %s.read_block();", class_name());
    const uint64_t table_size = uint64_t{info.ftable_units} * unit_size;
    const std::string table = read_file_range(file_records, uint64_t{info.ftable_unit} * unit_size, table_size, complete);
    if (!complete || (table_size > 0 && table_size < 8))
        throw tvelmor_exception("Unable to read file in %s.load_from_file();", class_name());
    const uint32_t count = table.empty() ? 0 : get16(table, 0);
    const uint32_t length = table.empty() ? 0 : get16(table, 2);
    const uint64_t ids_at = 8 + 10ull * count + (count % 2 == 1 ? 2 : 0);
    if (count > 0 && ids_at + length > table.size())
        throw tvelmor_exception("Insufficient space for record data in %s.get_record_data();", class_name());
    block->frecords_data = count > 0 ? table.substr(static_cast<size_t>(ids_at), length) : std::string();
    block->ftree_words.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const size_t at = 8 + 10 * k;
        tnode_index n{get16(table, at), get16(table, at + 2), get16(table, at + 4), get16(table, at + 6),
                      get16(table, at + 8)};
        const bool text_bad = n.findex == none ? n.flen != 0 : uint32_t{n.findex} + n.flen > block->fwords_data.size();
        if (text_bad || uint32_t{n.frecords_index} + 4u * n.frecords_count > block->frecords_data.size())
            throw tvelmor_exception("Index out of range in %s.get_node_indexed();", class_name());
        block->ftree_words[k] = n;
    }
    // The table is written sorted; a table that is not is put in order, as a tree would hold it.
    const auto less = [&](const tnode_index& a, const tnode_index& b) { return node_less(block->fwords_data, a, b); };
    if (!std::is_sorted(block->ftree_words.begin(), block->ftree_words.end(), less))
        std::stable_sort(block->ftree_words.begin(), block->ftree_words.end(), less);
    fblocks[static_cast<size_t>(slot)] = std::move(block);
    info.fslot = static_cast<uint16_t>(slot);
}

Tdatamodule_word_index2::tblock& Tdatamodule_word_index2::get_block(uint16_t ablockno) {
    if (ablockno >= flist_block_info.size()) throw tvelmor_exception("Block out of range in %s.get_block();", class_name());
    if (flist_block_info[ablockno].fslot == none) load_block_from_file_asbinary(ablockno);
    return *fblocks[flist_block_info[ablockno].fslot];
}

const Tdatamodule_word_index2::tnode_value* Tdatamodule_word_index2::find_value(uint16_t avalue) const {
    const auto it = ftree_values.find(avalue);
    return it == ftree_values.end() ? nullptr : &it->second;
}

void Tdatamodule_word_index2::search_first(std::string_view asearch) {
    const tword_key key = split_word_key(asearch);
    fsearch_value = key.fvalue;
    fsearch_word = std::string(key.fremainder);
    fsearch_records_index = -1;
    fsearch_index_word = 0;
    fsearch_blockno = none;
    fsearch_node = asearch.empty() ? nullptr : find_value(fsearch_value);
    fsearch_eof = fsearch_node == nullptr;
    if (fsearch_eof) return;
    fsearch_blockno = fsearch_node->fblock1;
    if (fsearch_node->fblock2 != none && flist_block_info[fsearch_blockno].fmax_word < remainder_head(fsearch_word))
        fsearch_blockno = fsearch_node->fblock2;
    const tblock& block = get_block(fsearch_blockno);
    const auto it = std::lower_bound(block.ftree_words.begin(), block.ftree_words.end(), 0,
                                     [&](const tnode_index& n, int) {
                                         return compare_word_key(n.fvalue, block.remainder(n), fsearch_value,
                                                                 fsearch_word) < 0;
                                     });
    fsearch_index_word = static_cast<int32_t>(it - block.ftree_words.begin());
    if (it == block.ftree_words.end()) {
        fsearch_index_word -= 1;
        next_word();
    }
}

bool Tdatamodule_word_index2::node_matches(const tblock& ablock, const tnode_index& anode) const {
    if (anode.fvalue != fsearch_value) return false;
    const std::string_view rem = ablock.remainder(anode);
    return rem.size() >= fsearch_word.size() && rem.compare(0, fsearch_word.size(), fsearch_word) == 0;
}

// The next word node; past the end of a prefix's first block the words go on in its second.
void Tdatamodule_word_index2::next_word() {
    const tblock& block = get_block(fsearch_blockno);
    if (++fsearch_index_word < static_cast<int32_t>(block.ftree_words.size())) return;
    if (fsearch_node && fsearch_node->fblock2 != none && fsearch_blockno == fsearch_node->fblock1 &&
        fsearch_node->fblock2 != fsearch_node->fblock1) {
        fsearch_blockno = fsearch_node->fblock2;
        fsearch_index_word = 0;
        if (!get_block(fsearch_blockno).ftree_words.empty()) return;
    }
    fsearch_eof = true;
}

bool Tdatamodule_word_index2::search_get_records(std::vector<int32_t>& arecords, int32_t& arecords_count,
                                                 int32_t amax_records_count) {
    arecords_count = 0;
    if (fsearch_eof || amax_records_count <= 0) return false;
    const tblock& block = get_block(fsearch_blockno);
    const tnode_index& node = block.ftree_words[static_cast<size_t>(fsearch_index_word)];
    if (fsearch_records_index < 0) {
        if (!node_matches(block, node)) {
            fsearch_eof = true;
            return false;
        }
        fsearch_records_index = 0;
    }
    const int32_t n = std::min<int32_t>(amax_records_count, node.frecords_count - fsearch_records_index);
    if (static_cast<int32_t>(arecords.size()) < n) arecords.resize(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) arecords[static_cast<size_t>(i)] = block.record(node, fsearch_records_index + i);
    arecords_count = n;
    fsearch_records_index += n;
    if (fsearch_records_index >= node.frecords_count) {
        fsearch_records_index = -1;
        next_word();
    }
    return n > 0;
}

int32_t Tdatamodule_word_index2::loaded_block_count() const {
    return static_cast<int32_t>(std::count_if(fblocks.begin(), fblocks.end(), [](const auto& b) { return b != nullptr; }));
}

size_t Tdatamodule_word_index2::memory_size() const {
    size_t bytes = sizeof(*this) + flist_block_info.capacity() * sizeof(tblock_info) +
                   ftree_values.size() * (sizeof(tnode_value) + 4 * sizeof(void*));
    for (const auto& b : fblocks)
        if (b) bytes += sizeof(tblock) + b->fwords_data.capacity() + b->frecords_data.capacity() +
                        b->ftree_words.capacity() * sizeof(tnode_index);
    return bytes;
}
