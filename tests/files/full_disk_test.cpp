// Every file the program writes, written onto a full disk: each writer fails with a message that
// names its file and the reason, the file that was there stays as it was, and no temporary file
// is left. The disk is a 64 KiB file system of the test process's own (a mount namespace of its
// own), filled to the last byte; without the right to mount one the test is skipped.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "database/datamodule_database_customers.h"
#include "database/kept_backups.h"
#include "maintenance/site_pics_install.h"
#include "maintenance/zip_extract.h"
#include "procs/csv_writer.h"
#include "procs/velmor_exception.h"
#include "shell/pdf_canvas.h"
#include "shell/qt_app.h"
#include "support/shipped_database.h"
#include "xml/datamodule_inifile.h"
#include "xml/xmlfile_inifile.h"
#include "../maintenance/zip_writer.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string message_of(const std::function<void()>& awrite) {
    try {
        awrite();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no exception)";
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/velmor_fulldisk_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(name));
        ffolder = name;
        fdisk = ffolder + "/disk";
        fs::create_directories(fdisk);
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", fdisk.c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "a file system of the test's own cannot be mounted here (needs root)";
    }
    void TearDown() override {
        umount2(fdisk.c_str(), MNT_DETACH);
        std::error_code ec;
        fs::remove_all(ffolder, ec);
    }
    // Fills the disk to its last byte.
    void fill() {
        std::FILE* f = std::fopen((fdisk + "/filler").c_str(), "wb");
        ASSERT_NE(nullptr, f);
        const std::string block(512, 'f');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
        }
        std::fclose(f);
        ASSERT_NE(nullptr, f);
    }
    // The files on the disk other than the filler.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(fdisk))
            if (e.is_regular_file() && e.path().filename() != "filler") names.push_back(fs::relative(e.path(), fdisk));
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string ffolder;
    std::string fdisk;
};

TEST_F(FullDisk, every_writer_fails_naming_its_file_and_leaves_the_old_file_and_no_temporary_file) {
    qt_app();
    // A domain whose backups folder is the full disk; a folder of site pictures; a data-file archive.
    const std::string domain = ffolder + "/domain/";
    fs::create_directories(domain + "pics");
    fs::copy_file(restored_shipped_database(ffolder, "files"), domain + "accounts.fdb");
    std::ofstream(domain + "pics/0001.jpg", std::ios::binary) << std::string(20000, 'p');
    write_zip(ffolder + "/data.zip", {{"wordhdr.idx", std::string(20000, 'w')}});

    struct twriter {
        const char* name;
        std::string file;                    // the file it writes, relative to the disk
        std::function<void(const std::string&)> write;  // given the file's full path; raises or returns a failure
        const char* reason;                  // what the message must say
        const char* named;                   // the file or folder it must name
    };
    const std::vector<twriter> writers = {
        {"CSV export", "export.csv",
         [](const std::string& apath) {
             tcsv_file_writer writer(apath);
             for (int i = 0; i < 200; ++i) writer.write_row({std::u16string(500, u'c')});
             writer.commit();
         },
         "No space left on device", "export.csv"},
        {"PDF", "invoice.pdf",
         [](const std::string& apath) {
             tpdf_writer::write_a4(apath, 3, [](tcanvas& acanvas, tsize, int32_t) {
                 for (int32_t y = 0; y < 1000; y += 20) acanvas.text_out(10, y, u"Tax invoice line of many words");
             });
         },
         "No space left on device", "invoice.pdf"},
        {"settings", "velmor.ini",
         [](const std::string& apath) {
             Tdatamodule_inifile settings;
             for (int i = 0; i < 400; ++i) {
                 auto domain = std::make_unique<telement_domain>();
                 domain->fname = "Domain " + std::to_string(i);
                 domain->fpath = "/home/pat/velmor_accounts/domain_" + std::to_string(i) + "/";
                 settings.flist_domains.push_back(std::move(domain));
             }
             Tdatamodule_xmlfile_inifile(settings).save_to_file(settings, apath);
         },
         "No space left on device", "velmor.ini"},
        {"site picture", "pics/0001.jpg",
         [&](const std::string& apath) {
             const std::string failed = install_site_pics(domain, fs::path(apath).parent_path().string() + "/");
             if (!failed.empty()) throw tvelmor_exception(failed + " (" + apath + ")");
         },
         "Unable to copy site picture", "0001.jpg"},
        {"data files", "data/wordhdr.idx",
         [&](const std::string& apath) {
             tzip_extract().extract_all(ffolder + "/data.zip", fs::path(apath).parent_path().string());
         },
         // Refused before the first byte: the free space is checked first.
         "more than the 0 MiB free", "disk/data"},
    };
    for (const twriter& w : writers) {
        SCOPED_TRACE(w.name);
        const std::string path = fdisk + "/" + w.file;
        fs::create_directories(fs::path(path).parent_path());
        fs::remove(fdisk + "/filler");
        if (w.file.rfind("pics/", 0) != 0) std::ofstream(path) << "before";
        fill();
        const std::string message = message_of([&] { w.write(path); });
        EXPECT_NE(std::string::npos, message.find(w.reason)) << message;
        EXPECT_NE(std::string::npos, message.find(w.named)) << message;
        EXPECT_EQ(w.file.rfind("pics/", 0) == 0 ? "" : "before", read_file(path));
        for (const std::string& f : files()) EXPECT_EQ(std::string::npos, f.find(".writing")) << f;
        fs::remove(path);
    }

    // A kept backup into a full backups folder: the engine's failure, and no backup of the
    // pattern (whole or cut) afterwards.
    fs::remove(fdisk + "/filler");
    fs::create_symlink(fdisk, domain + "backups");
    fill();
    EXPECT_NE("(no exception)", message_of([&] { tkept_backups::take(domain, {}); }));
    EXPECT_TRUE(tkept_backups::list(domain).empty());
    for (const std::string& f : files()) ADD_FAILURE() << "left on the disk: " << f;
}

}  // namespace
