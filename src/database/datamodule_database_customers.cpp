#include "database/datamodule_database_customers.h"

#include "database/procs_fibplus.h"
#include "database/search_keys_upgrade.h"
#include "procs/procs_scramble.h"
#include "procs/program_folders.h"
#include "xml/datamodule_inifile.h"
#include "database/kept_backups.h"
#include "procs/safe_file.h"

namespace {
Tdatamodule_database_customers* the_module = nullptr;
}

Tdatamodule_database_customers::Tdatamodule_database_customers(Tdatamodule_inifile* ainifile) : finifile(ainifile) {
    if (!the_module)
        the_module = this;
}

Tdatamodule_database_customers::~Tdatamodule_database_customers() {
    try {
        close_database();
    } catch (...) {
    }
    if (the_module == this)
        the_module = nullptr;
}

Tdatamodule_database_customers& Tdatamodule_database_customers::instance() {
    if (!the_module)
        throw tvelmor_exception("Database module not created in %s.instance();", "Tdatamodule_database_customers");
    return *the_module;
}

std::string Tdatamodule_database_customers::user_name() { return tprocs_scramble::unscramble16(user_name_scrambled); }

std::string Tdatamodule_database_customers::data_files_folder_of(const tdomain_location& alocation) {
    if (!alocation.is_server()) return alocation.ffolder;
    // One folder per server database, named after it with its separators made plain.
    std::string name = alocation.fhost + "_" + std::to_string(alocation.fport) + alocation.ffolder;
    for (char& c : name)
        if (c == '/' || c == ':' || c == '\\') c = '_';
    return tprogram_folders::get_program_data_folder() + "/velmor_accounts/servers/" + name + "/";
}

std::vector<std::string> Tdatamodule_database_customers::connection_params(const tdomain_location& alocation,
                                                                          const std::string& auser,
                                                                          const std::string& apassword) {
    // The embedded engine trusts the program's own user name; a server checks the login the
    // firm was given there.
    if (!alocation.is_server()) return {"user_name=" + user_name()};
    if (auser.empty())
        throw tvelmor_exception("No user name is kept for the database server %s.", alocation.fhost);
    return {"user_name=" + auser, "password=" + apassword};
}

void Tdatamodule_database_customers::open_database(int16_t adatabase_no) {
    if (fdatabase_no == adatabase_no && database_customers.connected())
        return;
    if (!finifile)
        throw tvelmor_exception("Settings module not assigned in %s.open_database();", class_name());
    const std::string path = finifile->get_domain_path(adatabase_no);
    // A relative path would open a database against whatever the current folder is; a server
    // path ("host:/path/") names its host before the folder. The open domain stays open.
    tdomain_location location;
    try {
        location = tdomain_location::parse(path);
    } catch (const tvelmor_exception&) {
        throw tvelmor_exception("The database path [%s] of domain %d is not a full path in %s.open_database();", path,
                                static_cast<int32_t>(adatabase_no), class_name());
    }
    close_database();
    const std::string login_user = finifile->get_domain_user(adatabase_no);
    const std::string login_password = finifile->get_domain_password(adatabase_no);
    database_customers.params() = connection_params(location, login_user, login_password);
    database_customers.flibrary_name = tprogram_folders::get_program_folder() + "/libfbclient.so.2";
    database_customers.fdatabase_name = location.database_name("accounts.fdb");
    database_customers.open();
    // A database made by an earlier version gets the search keys before anything reads it.
    try {
        tsearch_keys_upgrade::run(database_customers);
    } catch (const std::exception& e) {
        database_customers.close();
        throw tvelmor_exception("The database [%s] could not be brought up to date: %s", database_customers.fdatabase_name,
                                std::string(e.what()));
    }
    fdatabase_path = location.text();
    fdata_files_folder = data_files_folder_of(location);
    flocation = location;
    flogin_user = location.is_server() ? login_user : std::string();
    flogin_password = location.is_server() ? login_password : std::string();
    fdatabase_no = adatabase_no;
    remove_leftovers();
}

void Tdatamodule_database_customers::remove_leftovers() const {
    // What a killed run left half-written in this domain's own folders goes: only files of the
    // program's own temporary naming, never anything else.
    tsafe_file::remove_leftovers(fdata_files_folder);
    if (!flocation.is_server()) tsafe_file::remove_leftovers(tkept_backups::folder(flocation.ffolder));
}

void Tdatamodule_database_customers::close_database() {
    if (fdatabase_no == -1 && !database_customers.connected())
        return;
    database_customers.close();
    fdatabase_path.clear();
    fdata_files_folder.clear();
    flocation = {};
    flogin_user.clear();
    flogin_password.clear();
    fdatabase_no = -1;
}

void Tdatamodule_database_customers::start_transaction() {
    if (fdatabase_no == -1)
        throw tvelmor_exception("Database not open in %s.start_transaction();", class_name());
    Transaction1.start();
}

void Tdatamodule_database_customers::commit() { Transaction1.commit(); }
void Tdatamodule_database_customers::rollback() { Transaction1.rollback(); }

void Tdatamodule_database_customers::run_transaction(const std::function<void()>& arunmethod) {
    start_transaction();
    try {
        arunmethod();
        commit();
    } catch (...) {
        rollback();
        throw;
    }
}

void Tdatamodule_database_customers::run_transaction(trunproc& arunproc) {
    run_transaction([&] { arunproc.run(); });
}

bool Tdatamodule_database_customers::load_record(tfb_query& aquery, treflected_object& arecord) {
    bool found = false;
    const auto load = [&] {
        try {
            aquery.execute();
            found = !aquery.eof();
            if (found) tprocs_fibplus::record_load(arecord, aquery);
        } catch (...) {
            aquery.close();
            throw;
        }
        aquery.close();
    };
    // A query on a kept read-only transaction reads in it (the query starts it when needed and
    // nothing commits it); one on the main transaction reads in a unit of work of its own.
    if (aquery.transaction().kind() == tfb_transaction_kind::read_only)
        load();
    else
        run_transaction(load);
    return found;
}

void Tdatamodule_database_customers::execute_query(tfb_query& aquery, bool as_transaction) {
    auto run = [&] {
        try {
            aquery.execute();
        } catch (...) {
            aquery.close();
            throw;
        }
        aquery.close();
    };
    if (as_transaction)
        run_transaction(run);
    else
        run();
}

void Tdatamodule_database_customers::execute_query(const std::string& asql, bool astransaction) {
    query_work.set_sql(asql);
    execute_query(query_work, astransaction);
}
