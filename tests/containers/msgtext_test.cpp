#include "containers/msgtext.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "containers/test_support.h"

namespace {

class MsgtextFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "msgtext_XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        folder = pattern;
    }
    void TearDown() override {
        if (!HasFailure()) std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
};

TEST_F(MsgtextFile, LinesAndTextLandInTheFileAsUtf8) {
    std::string filename = (folder / "dump.txt").string();
    {
        tmsgtext_file_ansi sink(filename);
        sink.add_text("tag ");
        sink.add_line("101");
        sink.add_line(u"Grüße");
        sink.add_line();
    }
    std::ifstream file(filename, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_EQ("tag 101\nGr\xC3\xBC\xC3\x9F" "e\n\n", content.str());
}

TEST_F(MsgtextFile, AFileThatCannotBeCreatedRaisesNamingIt) {
    std::string filename = (folder / "missing" / "dump.txt").string();
    EXPECT_EQ("Cannot create file " + filename + " in tmsgtext_file_ansi.create();",
              message_of([&] { tmsgtext_file_ansi sink(filename); }));
}

TEST(Msgtext, StringSinkKeepsTheTextAndTheBaseIsNotImplemented) {
    tmsgtext_string sink;
    sink.add_line("a");
    sink.add_text(u"b");
    EXPECT_EQ("a\nb", sink.get_text());
    tmsgtext_generic base;
    EXPECT_EQ("tmsgtext_generic.add_text(); not implemented.", message_of([&] { base.add_line("x"); }));
}

}  // namespace
