#include "maintenance/datamodule_maintenance_server.h"

#include "database/datamodule_database_customers.h"
#include "database/fb_database.h"
#include "controls/platform.h"
#include "maintenance/service_lines.h"
#include "maintenance/site_pics_install.h"
#include "maintenance/zip_extract.h"
#include "procs/program_folders.h"
#include "xml/datamodule_inifile.h"

namespace {

using p = tprocs_maintenance;

// What a settings file cannot hold, or what the engine would take as more than one name.
std::string field_refusal(const char* aname, const std::string& avalue, bool arequired) {
    if (arequired && avalue.empty()) return std::string("The ") + aname + " is missing.";
    for (unsigned char c : avalue)
        if (c == '"' || c < 0x20) return std::string("The ") + aname + " holds a character the settings cannot keep.";
    return {};
}

}  // namespace

std::string tserver_details::domain_path() const {
    std::string folder = ffolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return fport.empty() ? fhost + ":" + folder : fhost + "/" + fport + ":" + folder;
}

std::string Tdatamodule_maintenance_server::refusal(const tserver_details& adetails) {
    for (const std::string& r : {field_refusal("server name", adetails.fhost, true),
                                 field_refusal("port", adetails.fport, false),
                                 field_refusal("database folder", adetails.ffolder, true),
                                 field_refusal("user name", adetails.fuser, true),
                                 field_refusal("password", adetails.fpassword, false)})
        if (!r.empty()) return r;
    if (adetails.fhost.find_first_of("/: ") != std::string::npos)
        return "The server name [" + adetails.fhost + "] holds a \"/\", a \":\" or a space.";
    try {
        tdomain_location::parse(adetails.domain_path());
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return {};
}

void Tdatamodule_maintenance_server::check_connection(const tdomain_location& alocation, const std::string& auser,
                                                      const std::string& apassword) {
    tfb_service_check check;
    check.fparams = Tdatamodule_database_customers::connection_params(alocation, auser, apassword);
    check.fservice_name = alocation.service_name();
    check.attach();
    check.detach();
}

// The domain's database on the server, opened with the login; raises when it does not open.
void Tdatamodule_maintenance_server::open_database(tfb_database& adatabase, const tdomain_location& alocation,
                                                   const std::string& auser, const std::string& apassword) {
    adatabase.params() = Tdatamodule_database_customers::connection_params(alocation, auser, apassword);
    adatabase.fdatabase_name = alocation.database_name("accounts.fdb");
    adatabase.open();
}

bool Tdatamodule_maintenance_server::database_exists(const tdomain_location& alocation, const std::string& auser,
                                                     const std::string& apassword) {
    tfb_database database;
    try {
        open_database(database, alocation, auser, apassword);
    } catch (const tvelmor_exception&) {
        // The connection was checked first: a database that does not open is not there (a
        // restore never replaces a file, so a damaged one is not lost by trying).
        return false;
    }
    database.close();
    return true;
}

// A server's restore writes under the database's own name, and one that fails part way (a backup
// cut short) can leave a database that opens: it would pass for a finished setup next time. The
// run only restores where no database opened, so one that opens now is this run's own.
void Tdatamodule_maintenance_server::drop_partial_database(const tdomain_location& alocation,
                                                           const std::string& auser, const std::string& apassword) {
    tfb_database database;
    try {
        open_database(database, alocation, auser, apassword);
        database.drop();
    } catch (const tvelmor_exception&) {
        // Nothing that opens is there.
    }
}

// The data files first: the database on the server is the mark of a finished setup (a later run
// keeps it and this machine's files), so it is made last.
bool Tdatamodule_maintenance_server::unpack_and_restore(tvelmor_messagelines& amessagelines,
                                                        const tdomain_location& alocation,
                                                        const tserver_details& adetails) {
    const std::string install = tprogram_folders::get_shared_folder() + "/install/";
    const std::string data_files = Tdatamodule_database_customers::data_files_folder_of(alocation);
    p::add_line(amessagelines, "Extract Data Files...", p::margin_step);
    p::ensure_writable_folder(data_files);
    tzip_extract().extract_all(install + "data_files.zip", data_files);
    p::add_line(amessagelines, "Extract Finished.", p::margin_step);
    const std::string pics =
        install_site_pics(data_files, tplatform::instance().get_programdata_folder() + "velmor_accounts/pics/");
    if (!pics.empty()) p::add_line(amessagelines, pics, p::margin_step);
    p::add_line(amessagelines, "Restore Database Started...", p::margin_step);
    RestoreService1.fpage_buffers = 0;
    RestoreService1.fdatabase_files = {p::database_file(alocation.ffolder)};
    // The server reads the shipped backup from this machine, as it may not see this machine's files.
    RestoreService1.fbackup_files = {install + "accounts.1.0.1.3.release.fbk"};
    RestoreService1.fstdin_file = RestoreService1.fbackup_files.front();
    try {
        p::run_service(RestoreService1, amessagelines, alocation, adetails.fuser, adetails.fpassword);
    } catch (const tvelmor_exception& e) {
        p::add_line(amessagelines, e.what(), p::margin_step);
        drop_partial_database(alocation, adetails.fuser, adetails.fpassword);
        p::add_line(amessagelines, "The server could not restore the shipped database into " +
                                       p::database_file(alocation.ffolder) + ".", p::margin_step);
        return false;
    }
    p::add_line(amessagelines, "Restore Finished.", p::margin_step);
    return true;
}

bool Tdatamodule_maintenance_server::run_setup(tvelmor_messagelines& amessagelines,
                                               const tserver_details& adetails) {
    if (const std::string r = refusal(adetails); !r.empty()) {
        p::add_line(amessagelines, r, p::margin_step);
        return false;
    }
    const tdomain_location location = tdomain_location::parse(adetails.domain_path());
    p::add_line(amessagelines, "Connecting to the database server " + location.server_prefix() + " ...", p::margin_step);
    check_connection(location, adetails.fuser, adetails.fpassword);
    p::add_line(amessagelines, "Connected.", p::margin_step);
    // The shipped data files (the PLU index, the site pictures) describe the shipped database
    // only: a database already on the server keeps this machine's own, as a local one does.
    if (database_exists(location, adetails.fuser, adetails.fpassword))
        p::add_line(amessagelines, "Existing Database, Skipped Restore...", p::margin_step);
    else if (!unpack_and_restore(amessagelines, location, adetails))
        return false;
    Tdatamodule_inifile* inifile = Tdatamodule_database_customers::instance().finifile;
    if (!inifile) throw tvelmor_exception("Settings module not assigned in %s.run_setup();", class_name());
    if (inifile->get_domain_count() > 0)
        inifile->save_domain_path(0, location.text(), adetails.fuser, adetails.fpassword);
    else
        inifile->create_file_demo(location.text(), adetails.fuser, adetails.fpassword);
    return true;
}
