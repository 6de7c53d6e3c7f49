#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

#include "plu/titerate_treenodes_split.h"
#include "plu/word_key.h"
#include "word_index_support.h"

namespace {

TEST(TiterateTreenodesSplit, GivesTheBalancedOrderAndEveryIndexOnce) {
    EXPECT_EQ(titerate_treenodes_split(9).order(), (std::vector<int32_t>{5, 2, 8, 1, 4, 7, 9, 0, 3, 6}));
    EXPECT_EQ(titerate_treenodes_split(0).order(), (std::vector<int32_t>{0}));
    EXPECT_TRUE(titerate_treenodes_split(-1).order().empty());
    for (int32_t top = 0; top < 1100; ++top) {
        std::vector<int32_t> order = titerate_treenodes_split(top).order();
        std::sort(order.begin(), order.end());
        std::vector<int32_t> all(static_cast<size_t>(top) + 1);
        std::iota(all.begin(), all.end(), 0);
        ASSERT_EQ(order, all) << "atop " << top;
    }
}

TEST(WordKey, SplitsValueAndRemainderAndCutsTextsIntoUpperCaseWords) {
    EXPECT_EQ(split_word_key("A").fvalue, 'A' * 256);
    EXPECT_EQ(split_word_key("AB").fvalue, 'A' * 256 + 'B');
    EXPECT_EQ(split_word_key("ABCDE").fremainder, "CDE");
    EXPECT_EQ(remainder_head("CD"), 0x43440000u);
    EXPECT_EQ(remainder_head("CDEFG"), 0x43444546u);
    EXPECT_EQ(split_index_words(u"Red-wine glass, 12 x (café)"),
              (std::vector<std::string>{"RED", "WINE", "GLASS", "12", "X", "CAFÉ"}));
    EXPECT_EQ(split_index_words(u"  ... "), std::vector<std::string>{});
    EXPECT_EQ(upper_text(u"straße ёж ωλ"), u"STRAßE ЁЖ ΩΛ");
}

// A catalogue of a few PLUs with shared words, prefixes of each other and accented letters.
const std::map<int32_t, std::u16string> catalogue = {
    {1, u"P100001 Red wine glass"},      {2, u"P100002 Red candle, by Aalto"}, {3, u"P100003 Reading lamp"},
    {4, u"A ABC abcd accent (ÅNGSTRÖM)"}, {5, u"AC access ACCESS-9"},          {6, u"Ångström café crème"},
    {7, u"red RED Red"},                 {8, u"X"},                            {9, u"XY xyz 12 120 1200"},
};

class WordIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        tword_index_builder builder;
        for (const auto& [id, text] : catalogue) builder.add_text(id, text);
        builder.write(folder);
    }
    std::string folder = new_index_folder();
};

TEST_F(WordIndexTest, EveryWordIsFoundByItsTextAndPrefixesAndNoIdUnderAWordItsPluLacks) {
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    for (const auto& [id, text] : catalogue) {
        for (const std::string& word : split_index_words(text)) {
            for (size_t len = std::min<size_t>(2, word.size()); len <= word.size(); ++len) {
                const std::string search = word.substr(0, len);
                SCOPED_TRACE(search);
                const std::vector<int32_t> ids = search_all(index, search, 3);
                EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end());
                for (int32_t found : ids) {
                    const auto words = split_index_words(catalogue.at(found));
                    EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const std::string& w) {
                        return len == 1 ? w == search : w.compare(0, search.size(), search) == 0;
                    })) << "id " << found;
                }
            }
        }
    }
}

TEST_F(WordIndexTest, PrefixSemanticsHoldAsSearched) {
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    struct tcase {
        const char* search;
        std::vector<int32_t> ids;
    };
    const tcase cases[] = {
        {"A", {4}},                   // the one-letter word only, not every word beginning with A
        {"X", {8}},
        {"ABC", {4, 4}},              // ABC and ABCD, never AC... whose remainder begins with C
        {"AC", {5, 4, 5}},            // AC, ACCENT, ACCESS
        {"RED", {1, 2, 7}},           // one id per PLU per word: id 7 has RED three times
        {"RE", {3, 1, 2, 7}},         // READING, then RED
        {"ÅN", {4, 6}},
        {"12", {9, 9, 9}},            // 12, 120, 1200: an id once per matching word
        {"red", {}},                  // the index holds upper case; the page upper-cases
        {"ZZ", {}},
        {"", {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.search);
        EXPECT_EQ(search_all(index, c.search), c.ids);
    }
}

TEST_F(WordIndexTest, SearchingTheSamePrefixTwiceReusesTheLoadedBlock) {
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    EXPECT_EQ(index.loaded_block_count(), 0);
    search_all(index, "RED");
    EXPECT_EQ(index.loaded_block_count(), 1);
    // The block is read from the file once: with the files gone the search still answers.
    std::filesystem::remove(folder + "plu.idx");
    std::filesystem::remove(folder + "wordlns.idx");
    EXPECT_EQ(search_all(index, "RED"), (std::vector<int32_t>{1, 2, 7}));
    EXPECT_EQ(index.loaded_block_count(), 1);
}

TEST(WordIndex, AWordWithAThousandIdsIsHandedOutInFiftyPagesBeforeTheNextWord) {
    const std::string folder = new_index_folder();
    tword_index_builder builder;
    for (int32_t id = 1; id <= 1000; ++id) builder.add_word(id, "WORD");
    builder.add_word(5000, "WORDY");
    builder.write(folder);
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    index.search_first("WOR");
    std::vector<int32_t> page;
    int32_t count = 0;
    for (int32_t call = 0; call < 50; ++call) {
        ASSERT_TRUE(index.search_get_records(page, count, 20));
        ASSERT_EQ(count, 20);
        EXPECT_EQ(page[0], call * 20 + 1);
        EXPECT_EQ(page[19], call * 20 + 20);
    }
    ASSERT_TRUE(index.search_get_records(page, count, 20));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(page[0], 5000);
    EXPECT_FALSE(index.search_get_records(page, count, 20));
    EXPECT_TRUE(index.fsearch_eof);
}

// Prefix "ZZ" in two blocks: 400 words ZZ<head>Q / ZZ<head>R with 50 ids each.
class SplitPrefixTest : public ::testing::Test {
protected:
    static std::string head(int32_t an) {
        return {static_cast<char>('A' + an / 26 / 26 % 26), static_cast<char>('A' + an / 26 % 26),
                static_cast<char>('A' + an % 26), 'K'};
    }
    void SetUp() override {
        tword_index_builder builder;
        for (int32_t n = 0; n < 200; ++n)
            for (int32_t i = 0; i < 50; ++i) {
                builder.add_word(n * 1000 + i, "ZZ" + head(n) + "Q");
                builder.add_word(n * 1000 + 500 + i, "ZZ" + head(n) + "R");
            }
        builder.add_word(1, "YY");
        figures = builder.write(folder);
    }
    std::string folder = new_index_folder();
    tword_index_figures figures;
};

TEST_F(SplitPrefixTest, ALongRemainderChoosesTheBlockByItsFirstFourBytes) {
    ASSERT_EQ(figures.fblocks, 2);
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    for (int32_t n : {0, 80, 163, 164, 199}) {
        SCOPED_TRACE(n);
        std::vector<int32_t> expected(50);
        std::iota(expected.begin(), expected.end(), n * 1000 + 500);
        EXPECT_EQ(search_all(index, "ZZ" + head(n) + "R"), expected);
        EXPECT_EQ(search_all(index, "ZZ" + head(n) + "RX"), std::vector<int32_t>{});
        EXPECT_EQ(search_all(index, "ZZ" + head(n)).size(), 100u);
    }
}

TEST_F(SplitPrefixTest, AShortSearchGoesOnFromThePrefixsFirstBlockIntoItsSecond) {
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    EXPECT_EQ(search_all(index, "ZZ", 37).size(), 20000u);
    EXPECT_EQ(index.loaded_block_count(), 2);
    EXPECT_EQ(search_all(index, "YY"), std::vector<int32_t>{1});
}

TEST(WordIndexBuilder, ACatalogueBeyondTheFormatIsRefusedNamingThePrefixAndNothingIsWritten) {
    const std::string folder = new_index_folder();
    tword_index_builder small;
    small.add_word(7, "OLD");
    small.write(folder);
    const std::string before = read_bytes(folder + "wordhdr.idx");
    struct tcase {
        const char* name;
        std::function<void(tword_index_builder&)> fill;
        const char* message;
    };
    const tcase cases[] = {
        {"one word with more ids than a block holds",
         [](tword_index_builder& b) { for (int32_t i = 0; i < 17000; ++i) b.add_word(i, "SÅK"); },
         "The PLU index cannot hold the words beginning with \"SÅ\": its words need more than two blocks."},
        {"a prefix over three blocks",
         [](tword_index_builder& b) {
             for (int32_t w = 0; w < 40000; ++w) b.add_word(w, "QQ" + std::to_string(w));
         },
         "The PLU index cannot hold the words beginning with \"QQ\": its words need more than two blocks."},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tword_index_builder builder;
        builder.add_word(1, "AB");
        c.fill(builder);
        try {
            builder.write(folder);
            ADD_FAILURE() << "not refused";
        } catch (const tvelmor_exception& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(read_bytes(folder + "wordhdr.idx"), before);
        EXPECT_FALSE(std::filesystem::exists(folder + "wordhdr.idx.new"));
    }
}

TEST(WordIndexBuilder, AnEmptyCatalogueGivesAnIndexThatFindsNothing) {
    const std::string folder = new_index_folder();
    tword_index_builder().write(folder);
    Tdatamodule_word_index2 index(folder);
    index.load_from_file_asbinary();
    EXPECT_EQ(index.block_count(), 0);
    EXPECT_EQ(search_all(index, "AB"), std::vector<int32_t>{});
}

}  // namespace
