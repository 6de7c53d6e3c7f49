#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "maintenance/zip_extract.h"
#include "support/process_folder.h"
#include "zip_writer.h"

namespace fs = std::filesystem;

namespace {

using tentry = tzip_test_entry;

std::string message_of_extract(const tzip_extract& aextract, const std::string& aarchive, const std::string& afolder) {
    try {
        aextract.extract_all(aarchive, afolder);
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return "(no exception)";
}

class ZipExtract : public ::testing::Test {
protected:
    void SetUp() override {
        ffolder = make_temp_folder("velmor_zipcase_");
        fs::create_directories(ffolder + "/db");
    }
    void TearDown() override { fs::remove_all(ffolder); }
    // Every file under the test folder except the archive.
    std::vector<std::string> files() const {
        std::vector<std::string> found;
        for (const auto& e : fs::recursive_directory_iterator(ffolder))
            if (e.is_regular_file() && e.path().extension() != ".zip") found.push_back(fs::relative(e.path(), ffolder));
        std::sort(found.begin(), found.end());
        return found;
    }
    std::string ffolder;
};

}  // namespace

TEST_F(ZipExtract, UnpacksEveryEntryKeepingItsPathAndTakesDotsInsideNames) {
    write_zip(ffolder + "/a.zip", {{"pics/0001.jpg", "one"}, {"photo..v2.jpg", "two"}, {"wordhdr.idx", "three"}});
    tzip_extract().extract_all(ffolder + "/a.zip", ffolder + "/db");
    EXPECT_EQ((std::vector<std::string>{"db/photo..v2.jpg", "db/pics/0001.jpg", "db/wordhdr.idx"}), files());
    std::ifstream in(ffolder + "/db/pics/0001.jpg");
    EXPECT_EQ("one", std::string(std::istreambuf_iterator<char>(in), {}));
}

// Each refused archive names its entry and writes nothing, not even the good entry before it.
TEST_F(ZipExtract, RefusesNamesLeavingTheFolderAndLinksBeforeWritingAnything) {
    struct tcase {
        tentry bad;
        std::string message;
    };
    const std::string outside = " of the data files would be written outside the database folder; nothing was "
                                "extracted, in tzip_extract.extract_all();";
    const tcase cases[] = {
        {{"/tmp/velmor_evil", "x"}, "Entry [/tmp/velmor_evil]" + outside},
        {{"../evil", "x"}, "Entry [../evil]" + outside},
        {{"pics/../../evil", "x"}, "Entry [pics/../../evil]" + outside},
        {{"pics/..", "x"}, "Entry [pics/..]" + outside},
        {{"pics/link", "/etc/passwd", true},
         "Entry [pics/link] of the data files is a link; nothing was extracted, in tzip_extract.extract_all();"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.bad.name);
        write_zip(ffolder + "/bad.zip", {{"good.txt", "fine"}, c.bad});
        EXPECT_EQ(c.message, message_of_extract(tzip_extract(), ffolder + "/bad.zip", ffolder + "/db"));
        EXPECT_TRUE(files().empty());
        EXPECT_FALSE(fs::exists(ffolder + "/evil"));
    }
}

TEST_F(ZipExtract, RefusesAnArchiveLargerThanItsLimitBeforeWritingAnything) {
    write_zip(ffolder + "/big.zip", {{"a.bin", std::string(3 << 20, 'a')}, {"b.bin", std::string(1 << 20, 'b')}});
    tzip_extract extract;
    extract.flimit_bytes = 3 << 20;
    EXPECT_EQ("The data files would unpack to 4 MiB, more than the 3 MiB allowed; nothing was extracted, in "
              "tzip_extract.extract_all();",
              message_of_extract(extract, ffolder + "/big.zip", ffolder + "/db"));
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(uint64_t{1} << 30, tzip_extract().flimit_bytes);
}

// Sets every size field of the archive's entry named aname (local header and central directory)
// to adeclared: the archive then lies about what the entry unpacks to.
void declare_size(const std::string& aarchive, const std::string& aname, uint32_t adeclared) {
    std::fstream f(aarchive, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(f)), {});
    const auto patch = [&](const std::string& asignature, size_t asize_at, size_t aname_at) {
        for (size_t at = bytes.find(asignature); at != std::string::npos; at = bytes.find(asignature, at + 4)) {
            if (bytes.compare(at + aname_at, aname.size(), aname) != 0) continue;
            for (int i = 0; i < 4; ++i) bytes[at + asize_at + i] = static_cast<char>((adeclared >> (8 * i)) & 0xFF);
        }
    };
    patch(std::string("PK\x03\x04", 4), 22, 30);  // uncompressed size, name
    patch(std::string("PK\x01\x02", 4), 24, 46);
    f.seekp(0);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(ZipExtract, AnEntryHoldingMoreThanItDeclaresStopsAtTheLimitAndLeavesNothing) {
    const std::string zip = ffolder + "/liar.zip";
    write_zip(zip, {{"small.txt", "small"}, {"bomb.bin", std::string(8 << 20, '\0')}}, true);
    declare_size(zip, "bomb.bin", 1000);
    tzip_extract extract;
    extract.flimit_bytes = 1 << 20;
    const std::string message = message_of_extract(extract, zip, ffolder + "/db");
    EXPECT_EQ("The data files unpack to more than the 1 MiB allowed (entry [bomb.bin] holds more than it declares); "
              "nothing was extracted, in tzip_extract.extract_all();",
              message);
    EXPECT_TRUE(files().empty());
}

TEST_F(ZipExtract, ADamagedEntryLeavesNeitherItsFileNorItsTemporaryFile) {
    write_zip(ffolder + "/crc.zip", {{"first.txt", "first"}, {"second.txt", "SECRET-PAYLOAD"}});
    // Change one byte of the stored data: the CRC no longer matches at the entry's end.
    std::fstream f(ffolder + "/crc.zip", std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(f)), {});
    const size_t at = bytes.find("SECRET-PAYLOAD");
    ASSERT_NE(std::string::npos, at);
    f.seekp(static_cast<std::streamoff>(at));
    f.put('Z');
    f.close();
    const std::string message = message_of_extract(tzip_extract(), ffolder + "/crc.zip", ffolder + "/db");
    EXPECT_EQ(0u, message.find("Entry [second.txt] of the data files is damaged (")) << message;
    EXPECT_EQ((std::vector<std::string>{"db/first.txt"}), files());
}

TEST_F(ZipExtract, AnArchiveThatCannotBeOpenedIsNamed) {
    std::ofstream(ffolder + "/not.zip") << "not an archive";
    const std::string message = message_of_extract(tzip_extract(), ffolder + "/not.zip", ffolder + "/db");
    EXPECT_EQ(0u, message.find("Unable to open the data files [" + ffolder + "/not.zip]: ")) << message;
}
