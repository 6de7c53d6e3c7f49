// What a settings file from outside may hold: a byte-order mark, nothing past 1 MiB, no NUL in a
// value; and a long value costs memory in proportion to its length.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "procs/program_folders.h"
#include "temp_folder.h"
#include "xml/datamodule_inifile.h"

namespace {

// Bytes held through operator new, and the most held since the last reset.
std::atomic<int64_t> held_bytes{0}, peak_bytes{0};

class SettingsFileLimits : public ::testing::Test {
protected:
    void SetUp() override { tprogram_folders::set_program_folder(fdir.path().string()); }
    void TearDown() override { tprogram_folders::set_program_folder(""); }
    std::string write_settings(const std::string& abytes) { return fdir.write("data/velmor.ini", abytes); }
    static std::string document(const std::string& apath) {
        return "<inifile>\r\n    <domains>\r\n        <domain name=\"Shop\" path=\"" + apath +
               "\" />\r\n    </domains>\r\n</inifile>\r\n";
    }
    ttemp_folder fdir;
};

}  // namespace

void* operator new(std::size_t asize) {
    auto* block = static_cast<int64_t*>(std::malloc(asize + 16));
    if (!block) throw std::bad_alloc();
    block[0] = static_cast<int64_t>(asize);
    const int64_t now = held_bytes += static_cast<int64_t>(asize);
    int64_t peak = peak_bytes.load();
    while (now > peak && !peak_bytes.compare_exchange_weak(peak, now)) {
    }
    return block + 2;
}
void operator delete(void* ablock) noexcept {
    if (!ablock) return;
    auto* block = static_cast<int64_t*>(ablock) - 2;
    held_bytes -= block[0];
    std::free(block);
}
void operator delete(void* ablock, std::size_t) noexcept { operator delete(ablock); }
// Every other form goes through the two above, so that no block is freed by another allocator.
void* operator new(std::size_t asize, const std::nothrow_t&) noexcept {
    try {
        return operator new(asize);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t asize) { return operator new(asize); }
void* operator new[](std::size_t asize, const std::nothrow_t& atag) noexcept { return operator new(asize, atag); }
void operator delete(void* ablock, const std::nothrow_t&) noexcept { operator delete(ablock); }
void operator delete[](void* ablock) noexcept { operator delete(ablock); }
void operator delete[](void* ablock, std::size_t) noexcept { operator delete(ablock); }
void operator delete[](void* ablock, const std::nothrow_t&) noexcept { operator delete(ablock); }

TEST_F(SettingsFileLimits, AByteOrderMarkIsSkipped) {
    write_settings("\xEF\xBB\xBF" + document("/srv/shop/"));
    Tdatamodule_inifile settings;
    ASSERT_EQ(1, settings.get_domain_count());
    EXPECT_EQ("/srv/shop/", settings.get_domain_path(0));
}

TEST_F(SettingsFileLimits, AFileOverOneMebibyteIsRefusedWithItsNameAndSize) {
    const std::string name = write_settings(document(std::string(1024 * 1024, 'a')));
    EXPECT_EQ("The settings file \"" + name + "\" is 1048670 bytes; a settings file is at most 1048576 bytes (1 MiB).",
              message_of([] { Tdatamodule_inifile settings; }));
}

TEST_F(SettingsFileLimits, ANulInsideAPathIsRefusedNotCut) {
    write_settings(document(std::string("/srv/shop\0/evil", 15)));
    EXPECT_EQ("Invalid NUL character in XML Property path in tdatamodule_xml_builder.set_property();\r\non line 3:34.",
              message_of([] { Tdatamodule_inifile settings; }));
}

TEST_F(SettingsFileLimits, ALongValueCostsMemoryInProportionToItsLength) {
    const int64_t length = 1000 * 1000;
    write_settings(document(std::string(length, 'p')));
    peak_bytes = held_bytes.load();
    const int64_t before = held_bytes;
    {
        Tdatamodule_inifile settings;
        ASSERT_EQ(length, static_cast<int64_t>(settings.get_domain_path(0).size()));
    }
    // The value is held a few times over (characters read, the token, its 8-bit text, the node),
    // never once per character with its position.
    EXPECT_LT(peak_bytes - before, 12 * length);
}
