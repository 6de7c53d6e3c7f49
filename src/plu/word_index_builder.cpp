#include "plu/word_index_builder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "plu/datamodule_word_index2.h"
#include "plu/word_key.h"

namespace {

using tindex = Tdatamodule_word_index2;

// The format's limits per block: 16-bit byte offsets into the word texts and the id data.
constexpr size_t max_text_bytes = 65535;
constexpr size_t max_id_bytes = 65532;
constexpr size_t max_nodes = 65535;

struct tword {
    std::string ftext;
    size_t ffirst_id = 0;  // into the builder's id list
    size_t fid_count = 0;
};

// Words of one prefix that share the first four bytes of their remainder: never split.
struct tgroup {
    size_t ffirst_word = 0, fword_count = 0, ftext = 0, fids = 0;
};

struct tblock_out {
    size_t ffirst_word = 0, fword_count = 0, ftext = 0, fids = 0;
    bool fits(const tgroup& g) const {
        return ftext + g.ftext <= max_text_bytes && 4 * (fids + g.fids) <= max_id_bytes &&
               fword_count + g.fword_count <= max_nodes;
    }
};

void put16(std::string& aout, uint32_t avalue) {
    aout.push_back(static_cast<char>(avalue & 0xFF));
    aout.push_back(static_cast<char>(avalue >> 8 & 0xFF));
}

void put32(std::string& aout, uint32_t avalue) {
    put16(aout, avalue & 0xFFFF);
    put16(aout, avalue >> 16);
}

void pad_to_unit(std::string& aout) {
    aout.resize((aout.size() + tindex::unit_size - 1) / tindex::unit_size * tindex::unit_size, '\0');
}

// The prefix as the user reads it: the whole characters that hold the word's first two bytes.
std::string prefix_text(const std::string& aword) {
    size_t end = std::min<size_t>(2, aword.size());
    while (end < aword.size() && (static_cast<unsigned char>(aword[end]) & 0xC0) == 0x80) ++end;
    return aword.substr(0, end);
}

[[noreturn]] void refuse_prefix(const std::string& aword, const char* areason) {
    throw tvelmor_exception("The PLU index cannot hold the words beginning with \"%s\": %s", prefix_text(aword), areason);
}

}  // namespace

void tword_index_builder::add_word(int32_t aid, std::string aword) {
    if (!aword.empty()) fpairs.emplace_back(std::move(aword), aid);
}

void tword_index_builder::add_text(int32_t aid, std::u16string_view atext) {
    for (std::string& w : split_index_words(atext)) add_word(aid, std::move(w));
}

tword_index_builder::tfiles tword_index_builder::build() {
    std::sort(fpairs.begin(), fpairs.end());
    fpairs.erase(std::unique(fpairs.begin(), fpairs.end()), fpairs.end());
    // Distinct words with their ids; byte order of the whole word is the word-key order.
    std::vector<tword> words;
    for (size_t i = 0; i < fpairs.size(); ++i) {
        if (words.empty() || words.back().ftext != fpairs[i].first) words.push_back({fpairs[i].first, i, 0});
        ++words.back().fid_count;
        if (words.back().ftext.size() - std::min<size_t>(2, words.back().ftext.size()) >= tindex::none)
            refuse_prefix(words.back().ftext, "a word is too long.");
    }
    // Groups, and the prefixes (values) as ranges of groups.
    std::vector<tgroup> groups;
    std::vector<std::pair<size_t, size_t>> values;  // first group, group count
    for (size_t w = 0; w < words.size(); ++w) {
        const tword_key key = split_word_key(words[w].ftext);
        const bool new_value = w == 0 || split_word_key(words[w - 1].ftext).fvalue != key.fvalue;
        const bool new_group = new_value || remainder_head(split_word_key(words[w - 1].ftext).fremainder) !=
                                                remainder_head(key.fremainder);
        if (new_value) values.emplace_back(groups.size(), 0);
        if (new_group) {
            groups.push_back({w, 0, 0, 0});
            ++values.back().second;
        }
        tgroup& g = groups.back();
        ++g.fword_count;
        g.ftext += key.fremainder.size();
        g.fids += words[w].fid_count;
    }
    // Pack the prefixes into blocks in order; a prefix lies in one block or in two neighbours.
    std::vector<tblock_out> blocks(1);
    std::vector<std::pair<uint16_t, uint16_t>> value_blocks;
    for (const auto& [first, count] : values) {
        const std::vector<tblock_out> before = blocks;
        for (int attempt = 0;; ++attempt) {
            const size_t start = blocks.size() - 1;
            for (size_t g = first; g < first + count; ++g) {
                if (!blocks.back().fits(groups[g])) {
                    if (blocks.back().fword_count > 0) blocks.push_back({words.size(), 0, 0, 0});
                    if (!blocks.back().fits(groups[g]))
                        refuse_prefix(words[groups[g].ffirst_word].ftext, "its words need more than two blocks.");
                }
                tblock_out& b = blocks.back();
                if (b.fword_count == 0) b.ffirst_word = groups[g].ffirst_word;
                b.fword_count += groups[g].fword_count;
                b.ftext += groups[g].ftext;
                b.fids += groups[g].fids;
            }
            const size_t first_block = blocks[start].fword_count > 0 &&
                                               blocks[start].ffirst_word + blocks[start].fword_count >
                                                   groups[first].ffirst_word
                                           ? start
                                           : start + 1;
            const size_t span = blocks.size() - first_block;
            if (span <= 2) {
                value_blocks.emplace_back(static_cast<uint16_t>(std::min<size_t>(first_block, tindex::none)),
                                          span == 2 ? static_cast<uint16_t>(std::min<size_t>(first_block + 1, tindex::none))
                                                    : tindex::none);
                break;
            }
            // Started late in a block: try again from a fresh one.
            blocks = before;
            if (attempt > 0 || blocks.back().fword_count == 0)
                refuse_prefix(words[groups[first].ffirst_word].ftext, "its words need more than two blocks.");
            blocks.push_back({words.size(), 0, 0, 0});
        }
    }
    if (blocks.back().fword_count == 0) blocks.pop_back();
    if (blocks.size() > static_cast<size_t>(tindex::block_slots))
        refuse_prefix(words[blocks[tindex::block_slots].ffirst_word].ftext,
                      "the index would need more than 128 blocks.");

    tfiles files;
    files.ffigures = {static_cast<int32_t>(words.size()), static_cast<int64_t>(fpairs.size()),
                      static_cast<int32_t>(blocks.size()), static_cast<int32_t>(values.size())};
    if (values.size() >= tindex::none) refuse_prefix(words.back().ftext, "more than 65534 prefixes.");
    std::string records_out;
    std::string block_records;
    for (const tblock_out& b : blocks) {
        const size_t text_unit = files.fwords.size() / tindex::unit_size;
        const size_t table_unit = records_out.size() / tindex::unit_size;
        std::string text, nodes, ids;
        for (size_t w = b.ffirst_word; w < b.ffirst_word + b.fword_count; ++w) {
            const tword_key key = split_word_key(words[w].ftext);
            put16(nodes, key.fvalue);
            put16(nodes, key.fremainder.empty() ? tindex::none : static_cast<uint32_t>(text.size()));
            put16(nodes, static_cast<uint32_t>(key.fremainder.size()));
            put16(nodes, static_cast<uint32_t>(ids.size()));
            put16(nodes, static_cast<uint32_t>(words[w].fid_count));
            text += key.fremainder;
            for (size_t i = 0; i < words[w].fid_count; ++i)
                put32(ids, static_cast<uint32_t>(fpairs[words[w].ffirst_id + i].second));
        }
        std::string table;
        put16(table, static_cast<uint32_t>(b.fword_count));
        put16(table, static_cast<uint32_t>(ids.size()));
        put32(table, 0);
        table += nodes;
        if (b.fword_count % 2 == 1) put16(table, 0);
        table += ids;
        pad_to_unit(table);
        const size_t text_units = (text.size() + tindex::unit_size - 1) / tindex::unit_size;
        const size_t table_units = table.size() / tindex::unit_size;
        if (text_unit + text_units > 65536 || table_unit + table_units > 65536 || table_units > 65535)
            refuse_prefix(words[b.ffirst_word].ftext, "the index files would outgrow their 16-bit unit numbers.");
        const std::string& last = words[b.ffirst_word + b.fword_count - 1].ftext;
        put16(block_records, static_cast<uint32_t>(text_unit));
        put16(block_records, static_cast<uint32_t>(text_units));
        put16(block_records, static_cast<uint32_t>(text.size()));
        put16(block_records, 0);
        put32(block_records, remainder_head(split_word_key(last).fremainder));
        put16(block_records, static_cast<uint32_t>(table_unit));
        put16(block_records, static_cast<uint32_t>(table_units));
        put32(block_records, 0);
        files.fwords += text;
        pad_to_unit(files.fwords);
        records_out += table;
    }
    files.frecords = std::move(records_out);
    put16(files.fheader, static_cast<uint32_t>(blocks.size()));
    put16(files.fheader, static_cast<uint32_t>(values.size()));
    files.fheader.append(12, '\0');
    files.fheader += block_records;
    for (size_t v = 0; v < values.size(); ++v) {
        put16(files.fheader, split_word_key(words[groups[values[v].first].ffirst_word].ftext).fvalue);
        put16(files.fheader, value_blocks[v].first);
        put16(files.fheader, value_blocks[v].second);
    }
    return files;
}

tword_index_figures tword_index_builder::write(const std::string& afolder) {
    const tfiles files = build();
    const std::pair<const char*, const std::string*> outputs[] = {
        {tindex::file_header, &files.fheader}, {tindex::file_words, &files.fwords}, {tindex::file_records, &files.frecords}};
    const auto temporary = [&](const char* aname) { return afolder + aname + ".new"; };
    try {
        for (const auto& [name, data] : outputs) {
            std::ofstream out(temporary(name), std::ios::binary | std::ios::trunc);
            out.write(data->data(), static_cast<std::streamsize>(data->size()));
            out.close();
            if (!out) throw tvelmor_exception("Unable to write %s in %s.write();", temporary(name), class_name());
        }
        for (const auto& [name, data] : outputs) std::filesystem::rename(temporary(name), afolder + name);
    } catch (const std::filesystem::filesystem_error& e) {
        for (const auto& [name, data] : outputs) std::remove(temporary(name).c_str());
        throw tvelmor_exception("Unable to write the PLU index in %s.write(): %s", class_name(), e.what());
    } catch (...) {
        for (const auto& [name, data] : outputs) std::remove(temporary(name).c_str());
        throw;
    }
    return files.ffigures;
}
