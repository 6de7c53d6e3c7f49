// The site data module over a copy of the demo database.
#include <gtest/gtest.h>

#include <filesystem>

#include "property/datamodule_cp_site.h"
#include "property/procs_site_pics.h"
#include "sites_fixture.h"

namespace fs = std::filesystem;

namespace {

class DatamoduleCpSite : public tsites_page_test {
protected:
    Tdatamodule_cp_site& module() {
        if (!fmodule) fmodule = std::make_unique<Tdatamodule_cp_site>(*fdatabase);
        return *fmodule;
    }
    // A JPEG the pages can show, outside the picture folder.
    std::string good_picture() {
        const std::string path = ffolder + "/chosen/site.jpg";
        write_file(path, jpeg_bytes(64, 48, 200, 40, 40));
        return path;
    }
    void restart_generator(int64_t avalue) {
        execute("ALTER SEQUENCE gn_cpsite_pic RESTART WITH " + std::to_string(avalue));
    }
    int64_t generator() { return number("SELECT gen_id( gn_cpsite_pic, 0 ) FROM rdb$database"); }
    void TearDown() override {
        fmodule.reset();
        tsites_page_test::TearDown();
    }
    std::unique_ptr<Tdatamodule_cp_site> fmodule;
};

TEST_F(DatamoduleCpSite, lookups_by_key_join_the_site_address_and_answer_empty_for_an_unknown_key) {
    execute("INSERT INTO cp_site ( id, address1, address2, address3, address4, pics ) "
            "VALUES ( 900001, 'Unit Block A', '', '12 Quay Street', 'Nelson', 0 )");
    EXPECT_EQ(u"Unit Block A, 12 Quay Street, Nelson", Tdatamodule_cp_site::lookup_site_address(900001));
    EXPECT_EQ(u"", Tdatamodule_cp_site::lookup_site_address(-7));
    const int64_t account = number("SELECT MIN( id ) FROM account");
    EXPECT_FALSE(Tdatamodule_cp_site::lookup_account_name(static_cast<int32_t>(account)).empty());
    EXPECT_EQ(u"", Tdatamodule_cp_site::lookup_account_name(-7));
    const int64_t item = number("SELECT MIN( id ) FROM bill_item");
    EXPECT_FALSE(Tdatamodule_cp_site::lookup_bill_item_code(static_cast<int32_t>(item)).empty());
    EXPECT_EQ(u"", Tdatamodule_cp_site::lookup_bill_item_code(-7));
}

TEST_F(DatamoduleCpSite, get_cp_site_loads_every_column_and_clears_the_record_for_an_unknown_site) {
    const int32_t id = add_site(int64_t{0x0004000000020000});
    tdbrecord_cp_site2 site;
    ASSERT_TRUE(module().get_cp_site(site, id));
    EXPECT_EQ(id, site.get_aslongint1(site.get_field_index1("id")));
    EXPECT_EQ(u"Test Site", site.get_asunicodestring1(site.get_field_index1("address1")));
    EXPECT_EQ(int64_t{0x0004000000020000}, site.get_asint64_1(site.get_field_index1("pics")));
    EXPECT_FALSE(module().get_cp_site(site, -7));
    EXPECT_FALSE(site.get_field_is_assigned(site.get_field_index1("address1")));
}

// The unit comes with its key, meter connections and templates (the demo units use mains... sub
// deduction meters 1 and templates 1 and 2).
TEST_F(DatamoduleCpSite, get_cp_unit_loads_the_whole_unit_with_its_key_and_meter_connections) {
    const int32_t id = static_cast<int32_t>(number("SELECT MIN( id ) FROM cp_unit"));
    tdbrecord_cp_unit2 unit;
    ASSERT_TRUE(module().get_cp_unit(unit, id));
    const auto field = [&](const char* aname) { return unit.get_field_index1(aname); };
    EXPECT_EQ(id, unit.get_aslongint1(field("id")));
    EXPECT_EQ(number("SELECT id_site FROM cp_unit WHERE id = " + std::to_string(id)), unit.get_aslongint1(field("id_site")));
    EXPECT_FALSE(unit.get_asunicodestring1(field("name")).empty());
    EXPECT_TRUE(unit.get_field_is_assigned(field("meter_connection1")));
    EXPECT_EQ(1, unit.get_assmallint1(field("meter_connection1")));
    EXPECT_EQ(1, unit.get_assmallint1(field("meter_connection2")));
    EXPECT_EQ(1, unit.get_aslongint1(field("cpinvoice1")));
    EXPECT_EQ(2, unit.get_aslongint1(field("cpinvoice2")));
    EXPECT_FALSE(module().get_cp_unit(unit, -7));
}

TEST_F(DatamoduleCpSite, get_cp_unit_bill_lines_lists_the_units_lines_with_their_item_codes) {
    const int32_t unit = static_cast<int32_t>(number("SELECT MIN( id ) FROM cp_unit"));
    const int32_t item = static_cast<int32_t>(number("SELECT MIN( id ) FROM bill_item"));
    execute("INSERT INTO cp_bill_line ( id_unit, bill_type, bill_lineno, bill_qty_type, bill_qty_ratio, bill_item ) "
            "VALUES ( " + std::to_string(unit) + ", 2, 99, 3, 1.25, " + std::to_string(item) + " )");
    tlist_flat<trecord_cp_bill_line> lines;
    module().get_cp_unit_bill_lines(lines, unit);
    ASSERT_EQ(number("SELECT COUNT(*) FROM cp_bill_line WHERE id_unit = " + std::to_string(unit)), lines.get_count());
    int32_t row = 0;
    while (row < lines.get_count() - 1 && lines.get_item(row).fbill_lineno != 99) ++row;
    const trecord_cp_bill_line& line = lines.get_item(row);
    EXPECT_EQ(2, line.fbill_type);
    EXPECT_EQ(99, line.fbill_lineno);
    EXPECT_EQ(3, line.fbill_qty_type);
    EXPECT_EQ(125000000, line.fbill_qty_ratio);
    EXPECT_EQ(item, line.fbill_item);
    EXPECT_EQ(Tdatamodule_cp_site::lookup_bill_item_code(item), line.fbill_item1);
    lines.clear();
    module().get_cp_unit_bill_lines(lines, -7);
    EXPECT_EQ(0, lines.get_count());
}

TEST_F(DatamoduleCpSite, add_pic_makes_the_missing_folder_and_names_the_copy_in_four_hex_digits) {
    const struct {
        const char* name;
        int64_t restart;
        uint16_t number;
        const char* file;
    } cases[] = {{"the demo's next number", 5, 6, "0006.jpg"}, {"number 10", 9, 10, "000a.jpg"},
                 {"the last number", 65534, 65535, "ffff.jpg"}};
    const std::string source = good_picture();
    ASSERT_FALSE(fs::exists(pics_folder()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart_generator(c.restart);
        EXPECT_EQ(c.number, module().add_pic(source));
        EXPECT_TRUE(fs::exists(pics_folder() + c.file));
        EXPECT_EQ(fs::file_size(source), fs::file_size(pics_folder() + c.file));
    }
    // Past 65535 no picture is added: the number is used up, nothing is copied.
    EXPECT_EQ("Too many site pics added in Tdatamodule_cp_site.add_pic();", message_of([&] { module().add_pic(source); }));
    EXPECT_FALSE(fs::exists(pics_folder() + "10000.jpg"));
}

TEST_F(DatamoduleCpSite, add_pic_never_replaces_a_picture_file_that_is_there) {
    const std::string source = good_picture();
    write_file(pics_folder() + "0006.jpg", {'k', 'e', 'p', 't'});
    restart_generator(5);
    EXPECT_EQ("Unable to copy pic file in Tdatamodule_cp_site.add_pic();", message_of([&] { module().add_pic(source); }));
    EXPECT_EQ(4u, fs::file_size(pics_folder() + "0006.jpg"));
}

TEST_F(DatamoduleCpSite, a_file_that_is_not_a_readable_jpeg_is_refused_before_a_number_is_taken) {
    std::vector<uint8_t> good = jpeg_bytes(64, 48, 10, 120, 10);
    std::vector<uint8_t> damaged = good;
    for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i) damaged[i] = 0xFF;
    const std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {{"a renamed PNG", png, "not a JPEG file"},
                 {"an empty file", {}, "not a JPEG file"},
                 {"a picture cut short", truncated, ""},
                 {"a damaged picture", damaged, ""}};
    const int64_t before = generator();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = ffolder + "/chosen/bad.jpg";
        write_file(path, c.bytes);
        const std::string message = message_of([&] { module().add_pic(path); });
        EXPECT_EQ(0u, message.find("The picture [" + path + "] cannot be added: ")) << message;
        EXPECT_NE(std::string::npos, message.find(c.reason)) << message;
    }
    EXPECT_EQ("The picture [" + ffolder + "/none.jpg] cannot be added: the file cannot be read.",
              message_of([&] { module().add_pic(ffolder + "/none.jpg"); }));
    EXPECT_EQ(before, generator());
    EXPECT_FALSE(fs::exists(pics_folder()));
}

}  // namespace
