#include <gtest/gtest.h>

#include "procs/program_folders.h"
#include "temp_folder.h"
#include "xml/datamodule_inifile.h"

namespace {

// Every test gets its own program folder; the settings file lives in its data folder.
class DatamoduleInifile : public ::testing::Test {
protected:
    void SetUp() override { tprogram_folders::set_program_folder(fdir.path().string()); }
    void TearDown() override { tprogram_folders::set_program_folder(""); }

    std::string write_settings(const std::string& abytes) { return fdir.write("data/velmor.ini", abytes); }
    std::string settings_bytes() const { return ttemp_folder::read(fdir.path() / "data/velmor.ini"); }

    ttemp_folder fdir;
};

std::vector<std::string> rows_of(tprototype_dataset& adataset) {
    std::vector<std::string> rows;
    for (adataset.first(); !adataset.feof; adataset.next()) {
        const treflected_object& row = adataset.get_data_row();
        const tclass_info& cls = row.get_class();
        rows.push_back(std::get<std::string>(cls.find_property("name")->get(row)) + "|" +
                       std::get<std::string>(cls.find_property("path")->get(row)));
    }
    return rows;
}

}  // namespace

TEST_F(DatamoduleInifile, WithoutASettingsFileNothingIsLoaded) {
    Tdatamodule_inifile settings;
    EXPECT_FALSE(settings.floaded);
    EXPECT_EQ(settings.get_domain_count(), 0);
    EXPECT_EQ(message_of([&] { settings.get_domain_path(0); }), "Domain 0 not found in Tdatamodule_inifile.get_domain_path();");
}

TEST_F(DatamoduleInifile, DomainsComeBackInFileOrder) {
    write_settings("<inifile>\r\n    <domains>\r\n        <domain name=\"Shop\" path=\"/srv/shop/\" id=\"4\" />\r\n"
                   "        <domain name=\"Office\" path=\"/srv/office\" />\r\n    </domains>\r\n</inifile>\r\n");
    Tdatamodule_inifile settings;
    EXPECT_TRUE(settings.floaded);
    ASSERT_EQ(settings.get_domain_count(), 2);
    EXPECT_EQ(settings.get_domain_name(0), "Shop");
    EXPECT_EQ(settings.get_domain_path(1), "/srv/office");
    std::unique_ptr<tprototype_dataset> rows = settings.create_interface(101);
    EXPECT_EQ(rows_of(*rows), (std::vector<std::string>{"Shop|/srv/shop/", "Office|/srv/office"}));
    EXPECT_EQ(message_of([&] { settings.create_interface(102); }),
              "Interface(102) not supported in Tdatamodule_inifile.create_interface();");
}

TEST_F(DatamoduleInifile, MalformedSettingsFileStopsCreationWithItsPosition) {
    const struct {
        const char* name;
        const char* line_end;
    } cases[] = {{"CR LF", "\r\n"}, {"line feed", "\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string e = c.line_end;
        write_settings("<inifile>" + e + "<domain name=\"x\" path=\"y\"/>" + e + "</inifile>" + e);
        EXPECT_EQ(message_of([] { Tdatamodule_inifile settings; }), "Invalid Node Name \"domain\".\r\non line 2:9.");
    }
}

TEST_F(DatamoduleInifile, ASettingsFileWithUnixLineEndsIsRead) {
    write_settings("<inifile>\n    <domains>\n        <domain name=\"Shop\" path=\"/srv/shop/\" />\n"
                   "        <domain name=\"Office\" path=\"/srv/office\" />\n    </domains>\n</inifile>\n");
    Tdatamodule_inifile settings;
    ASSERT_EQ(settings.get_domain_count(), 2);
    EXPECT_EQ(settings.get_domain_path(1), "/srv/office");
}

TEST_F(DatamoduleInifile, DemoFileIsWrittenExactlyAndReadsBack) {
    Tdatamodule_inifile settings;
    settings.create_file_demo("C:\\Data");
    EXPECT_TRUE(settings.floaded);
    EXPECT_EQ(settings_bytes(),
              "<inifile>\r\n    <domains>\r\n        <domain name=\"Demo Data\" path=\"C:\\Data\" />\r\n"
              "    </domains>\r\n</inifile>\r\n");

    Tdatamodule_inifile fresh;
    EXPECT_TRUE(fresh.floaded);
    ASSERT_EQ(fresh.get_domain_count(), 1);
    EXPECT_EQ(fresh.get_domain_name(0), "Demo Data");
    EXPECT_EQ(fresh.get_domain_path(0), "C:\\Data");
}

TEST_F(DatamoduleInifile, DemoFileReplacesAnEarlierFileWithEveryDomain) {
    write_settings("<inifile><domains><domain name=\"Old\" path=\"/old/\"/></domains></inifile>");
    Tdatamodule_inifile settings;
    settings.create_file_demo("/srv/demo/");
    EXPECT_EQ(settings_bytes(),
              "<inifile>\r\n    <domains>\r\n        <domain name=\"Old\" path=\"/old/\" />\r\n"
              "        <domain name=\"Demo Data\" path=\"/srv/demo/\" />\r\n    </domains>\r\n</inifile>\r\n");
    EXPECT_FALSE(std::filesystem::exists(fdir.path() / "data/velmor.ini.tmp"));
}

// The file format has no escapes, so such a path could never be read back.
TEST_F(DatamoduleInifile, DemoPathWithADoubleQuoteIsRefusedAndNothingChanges) {
    Tdatamodule_inifile settings;
    EXPECT_EQ(message_of([&] { settings.create_file_demo("/srv/a\"b/"); }),
              "Illegal double quote in XML Property path value \"/srv/a\"b/\".");
    EXPECT_FALSE(settings.floaded);
    EXPECT_EQ(settings.get_domain_count(), 0);
    EXPECT_FALSE(std::filesystem::exists(fdir.path() / "data/velmor.ini"));
    EXPECT_FALSE(std::filesystem::exists(fdir.path() / "data/velmor.ini.tmp"));
}
