#include "maintenance/service_lines.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "controls/miscobjects.h"
#include "controls/platform.h"
#include "database/datamodule_database_customers.h"
#include "database/fb_service.h"
#include "procs/message_format.h"
#include "procs/program_folders.h"

// Long lines (an engine error naming a path) are wrapped at a space, or at a "/" when a path has
// none, into continuation lines indented a little more, so that none runs past the grid.
void tprocs_maintenance::add_line(tvelmor_messagelines& amessagelines, const std::string& aline, int16_t amargin) {
    std::u16string rest = utf8_to_utf16(aline);
    int16_t margin = amargin;
    while (rest.size() > wrap_width) {
        size_t at = rest.rfind(u' ', wrap_width);
        if (at == std::u16string::npos || at < wrap_width / 2) at = rest.rfind(u'/', wrap_width);
        if (at == std::u16string::npos || at == 0) at = wrap_width;
        amessagelines.add_message_line(rest.substr(0, at), margin, {});
        rest = rest.substr(rest[at] == u' ' ? at + 1 : at);
        margin = static_cast<int16_t>(amargin + 16);
    }
    amessagelines.add_message_line(rest, margin, {});
    if (tplatform* platform = tplatform_detail::current()) platform->process_messages();
}

void tprocs_maintenance::run_service(tfb_service& aservice, tvelmor_messagelines& amessagelines,
                                     const tdomain_location& alocation, const std::string& auser,
                                     const std::string& apassword) {
    aservice.flibrary_name = tprogram_folders::get_program_folder() + "/libfbclient.so.2";
    aservice.fparams = Tdatamodule_database_customers::connection_params(alocation, auser, apassword);
    aservice.fservice_name = alocation.service_name();
    aservice.fon_server = alocation.is_server();
    aservice.fverbose = true;
    tplatform* platform = tplatform_detail::current();
    try {
        aservice.attach();
        aservice.start();
        while (!aservice.eof()) {
            const std::string line = aservice.get_next_line();
            if (line.empty()) continue;
            amessagelines.add_message_line(utf8_to_utf16(line), margin_engine, {ml_setlast});
            if (platform) platform->process_messages();
        }
    } catch (...) {
        aservice.detach();
        throw;
    }
    aservice.detach();
}

std::string tprocs_maintenance::with_delimiter(const std::string& afolder) {
    return !afolder.empty() && afolder.back() == '/' ? afolder : afolder + "/";
}

std::string tprocs_maintenance::settings_refusal(const std::string& afolder) {
    for (unsigned char c : afolder) {
        if (c == '"') return "The folder name [" + afolder + "] holds a double quote, which the settings file cannot hold.";
        if (c < 0x20) return "The folder name [" + afolder + "] holds a control character, which the settings file cannot hold.";
    }
    if (afolder.empty() || afolder.front() != '/') return "The folder name [" + afolder + "] is not a full path.";
    return {};
}

void tprocs_maintenance::ensure_writable_folder(const std::string& afolder) {
    const auto refuse = [&] {
        throw tvelmor_exception("Unable to create database folder [%s] in %s.DataModuleCreate();", afolder,
                                "Tdatamodule_maintenance_dbrestore");
    };
    std::error_code ec;
    std::filesystem::create_directories(afolder, ec);
    if (ec || !std::filesystem::is_directory(afolder, ec)) refuse();
    // Permissions do not tell (root ignores them, a read-only mount does not): write a file.
    const std::string probe = with_delimiter(afolder) + ".velmor_write_test";
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        out << "x";
        if (!out.good()) {
            out.close();
            std::filesystem::remove(probe, ec);
            refuse();
        }
    }
    std::filesystem::remove(probe, ec);
}
