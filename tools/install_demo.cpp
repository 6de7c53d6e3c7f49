// Developer tool behind the README run command: gives a build folder's program a demo
// installation, as the first-run setup will: the shipped backup restored into a database folder,
// the data files unpacked beside it, and the settings file naming that folder as "Demo Data".
// Nothing is replaced: an existing settings file or database is kept.
//   install_demo <program folder> <database folder>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "database/fb_database.h"
#include "database/fb_service.h"
#include "procs/program_folders.h"
#include "values/property_table.h"
#include "values/register_values.h"
#include "xml/datamodule_inifile.h"
#include "xml/register_xml.h"

namespace fs = std::filesystem;

namespace {

void restore(const fs::path& abackup, const fs::path& adatabase) {
    tfb_restore_service service;
    service.fparams = {"user_name=SYSDBA"};
    service.fbackup_files = {abackup.string()};
    service.fdatabase_files = {adatabase.string()};
    try {
        service.attach();
        service.start();
        while (!service.eof()) service.get_next_line();
    } catch (...) {
        service.detach();
        throw;
    }
    service.detach();
}

// Every entry of the archive into the folder, keeping relative paths; names that would leave the
// folder are refused.
void extract(const fs::path& aarchive, const fs::path& afolder) {
    int error = 0;
    zip_t* archive = zip_open(aarchive.c_str(), ZIP_RDONLY, &error);
    if (!archive) throw std::runtime_error("cannot open " + aarchive.string());
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const std::string name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        const fs::path target = (afolder / name).lexically_normal();
        if (name.find("..") != std::string::npos || fs::path(name).is_absolute()) {
            zip_close(archive);
            throw std::runtime_error("unsafe entry name in archive: " + name);
        }
        if (!name.empty() && name.back() == '/') {
            fs::create_directories(target);
            continue;
        }
        fs::create_directories(target.parent_path());
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (!file) {
            zip_close(archive);
            throw std::runtime_error("cannot read " + name + " from " + aarchive.string());
        }
        std::ofstream out(target, std::ios::binary);
        std::vector<char> buffer(65536);
        zip_int64_t n;
        while ((n = zip_fread(file, buffer.data(), buffer.size())) > 0) out.write(buffer.data(), n);
        zip_fclose(file);
        if (n < 0 || !out) {
            zip_close(archive);
            throw std::runtime_error("cannot extract " + name);
        }
    }
    zip_close(archive);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: install_demo <program folder> <database folder>\n");
        return 2;
    }
    try {
        const fs::path program = fs::absolute(argv[1]);
        const fs::path database_folder = fs::absolute(argv[2]);
        tprogram_folders::set_program_folder(program.string());
        register_values_classes(tclass_registry::global());
        register_xml_classes(tclass_registry::global());
        Tdatamodule_inifile inifile;
        if (inifile.floaded) {
            std::printf("Settings file already there: %s\n", Tdatamodule_inifile::get_settings_filename().c_str());
            return 0;
        }
        fs::create_directories(database_folder);
        const fs::path database = database_folder / "accounts.fdb";
        if (!fs::exists(database)) restore(program / "install" / "accounts.1.0.1.3.release.fbk", database);
        extract(program / "install" / "data_files.zip", database_folder);
        inifile.create_file_demo(database_folder.string() + "/");
        std::printf("Demo installation: database %s, settings %s\n", database.c_str(),
                    Tdatamodule_inifile::get_settings_filename().c_str());
        tfb_database::shutdown_engine_and_exit(0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "install_demo: %s\n", e.what());
        tfb_database::shutdown_engine_and_exit(1);
    }
}
