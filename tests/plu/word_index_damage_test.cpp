#include <gtest/gtest.h>

#include <functional>

#include "word_index_support.h"

namespace {

// A valid index of a few words, damaged one way per case; loading and searching it must end in
// the reader's message for that damage, never in a crash or a read outside the files.
class WordIndexDamageTest : public ::testing::Test {
protected:
    void SetUp() override {
        tword_index_builder builder;
        builder.add_word(1, "ALPHA");
        builder.add_word(2, "ALPINE");
        builder.add_word(3, "BETA");
        builder.write(folder);
    }
    std::string error_of(const std::string& asearch) {
        try {
            Tdatamodule_word_index2 index(folder);
            index.load_from_file_asbinary();
            search_all(index, asearch);
        } catch (const tvelmor_exception& e) {
            return e.what();
        }
        return "no error";
    }
    std::string path(const char* aname) const { return folder + aname; }
    std::string folder = new_index_folder();
};

TEST_F(WordIndexDamageTest, EachDamageGivesItsMessage) {
    struct tcase {
        const char* name;
        std::function<void(const std::string&)> damage;  // given the folder
        const char* message;
    };
    const auto edit = [](const char* aname, std::function<void(std::string&)> achange) {
        return [=](const std::string& afolder) {
            std::string data = read_bytes(afolder + aname);
            achange(data);
            write_bytes(afolder + aname, data);
        };
    };
    const tcase cases[] = {
        {"header cut inside the value table", edit("wordhdr.idx", [](std::string& d) { d.resize(d.size() - 1); }),
         "Invalid file length in Tdatamodule_word_index2.load_from_file();"},
        {"header shorter than 16 bytes", edit("wordhdr.idx", [](std::string& d) { d.resize(10); }),
         "Invalid file length in Tdatamodule_word_index2.load_from_file();"},
        {"word texts cut", edit("wordlns.idx", [](std::string& d) { d.resize(3); }),
         "Unable to read block in Tdatamodule_word_index2.read_block();"},
        {"text length beyond its units", edit("wordhdr.idx", [](std::string& d) { poke16(d, 16 + 4, 300); }),
         "Unable to read block in Tdatamodule_word_index2.read_block();"},
        {"word table cut", edit("plu.idx", [](std::string& d) { d.resize(100); }),
         "Unable to read file in Tdatamodule_word_index2.load_from_file();"},
        {"id data longer than the table", edit("plu.idx", [](std::string& d) { poke16(d, 2, 65000); }),
         "Insufficient space for record data in Tdatamodule_word_index2.get_record_data();"},
        {"value node naming a missing block", edit("wordhdr.idx", [](std::string& d) { poke16(d, 16 + 20 + 2, 9); }),
         "Block out of range in Tdatamodule_word_index2.get_block();"},
        {"word node text beyond the texts", edit("plu.idx", [](std::string& d) { poke16(d, 8 + 2, 400); }),
         "Index out of range in Tdatamodule_word_index2.get_node_indexed();"},
        {"word node ids beyond the id data", edit("plu.idx", [](std::string& d) { poke16(d, 8 + 8, 900); }),
         "Index out of range in Tdatamodule_word_index2.get_node_indexed();"},
        {"more than 256 text units", edit("wordhdr.idx", [](std::string& d) { poke16(d, 16 + 2, 257); }),
         "Too many blocks in Tdatamodule_word_index2.load_block_from_file_asbinary();"},
        {"a missing file", [](const std::string& f) { std::filesystem::remove(f + "wordlns.idx"); },
         "Unable to open file %swordlns.idx: No such file or directory"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.damage(folder);
        std::string expected = c.message;
        if (const size_t at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, folder);
        EXPECT_EQ(error_of("AL"), expected);
    }
}

TEST_F(WordIndexDamageTest, NoFreeSlotIsReportedWhenMoreBlocksAreUsedThanTheSlotsHold) {
    // 129 blocks over the one block's files, one prefix each: the 129th prefix searched finds
    // every slot taken.
    std::string header = read_bytes(path("wordhdr.idx"));
    const std::string block = header.substr(16, 20);
    std::string damaged = header.substr(0, 16);
    poke16(damaged, 0, 129);
    poke16(damaged, 2, 129);
    for (int i = 0; i < 129; ++i) damaged += block;
    for (uint16_t i = 0; i < 129; ++i) {
        std::string node(6, '\0');
        poke16(node, 0, static_cast<uint16_t>(0x4100 + i));
        poke16(node, 2, i);
        poke16(node, 4, 65535);
        damaged += node;
    }
    write_bytes(path("wordhdr.idx"), damaged);
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    for (int i = 0; i < 128; ++i) index.search_first(std::string{'A', static_cast<char>(i)});
    EXPECT_EQ(index.loaded_block_count(), 128);
    try {
        index.search_first(std::string{'A', static_cast<char>(128)});
        ADD_FAILURE() << "no error";
    } catch (const tvelmor_exception& e) {
        EXPECT_STREQ(e.what(), "Unable to find empty block in Tdatamodule_word_index2.get_new_block();");
    }
}

}  // namespace
