// The database module: the one connection and the one transaction every read and write of the
// program uses, opened per domain (a database folder named by the settings module).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/fb_query.h"
#include "procs/domain_location.h"
#include "values/property_table.h"

class Tdatamodule_inifile;

// A unit of work handed to run_transaction.
class trunproc {
public:
    virtual ~trunproc() = default;
    virtual void run() = 0;
};

class Tdatamodule_database_customers : public tvelmor_object {
public:
    // The settings module answers the domain folders; the first module made is the process's.
    explicit Tdatamodule_database_customers(Tdatamodule_inifile* ainifile = nullptr);
    ~Tdatamodule_database_customers() override;
    const char* class_name() const override { return "Tdatamodule_database_customers"; }
    static Tdatamodule_database_customers& instance();

    void open_database(int16_t adatabase_no);
    void close_database();
    int16_t database_no() const { return fdatabase_no; }
    // The open domain's path as the settings name it ("/path/" or "host:/path/").
    const std::string& database_path() const { return fdatabase_path; }
    // The folder on this machine that holds the open domain's data files (the PLU index): the
    // domain folder itself, or for a domain on a server a folder of this machine's program data.
    const std::string& data_files_folder() const { return fdata_files_folder; }
    // Where the open domain lives and the server login it was opened with (empty locally).
    const tdomain_location& location() const { return flocation; }
    const std::string& login_user() const { return flogin_user; }
    const std::string& login_password() const { return flogin_password; }
    static std::string data_files_folder_of(const tdomain_location& alocation);
    // Removes the temporary files a killed run left in the open domain's data-file and backup
    // folders (done on every open).
    void remove_leftovers() const;

    void start_transaction();
    void commit();
    void rollback();
    void run_transaction(const std::function<void()>& arunmethod);
    void run_transaction(trunproc& arunproc);

    // Fills arecord from the first row by its property names; false (record untouched) when
    // the query returned no row. A query bound to a read-only transaction reads in it without a
    // commit; else the read runs in a unit of work on Transaction1.
    bool load_record(tfb_query& aquery, treflected_object& arecord);
    void execute_query(tfb_query& aquery, bool as_transaction);
    void execute_query(const std::string& asql, bool astransaction);

    // The user name as the program holds it; turned into plain text when a domain is opened.
    static constexpr const char* user_name_scrambled = "c1740554-6d2be2b4-3d09d7a0-93e61da7";
    static std::string user_name();
    // The attach parameters for a domain: the program's own user on this machine, the domain's
    // server login on a server.
    static std::vector<std::string> connection_params(const tdomain_location& alocation, const std::string& auser,
                                                      const std::string& apassword);

    Tdatamodule_inifile* finifile;
    tfb_database database_customers;
    tfb_transaction Transaction1{database_customers};
    tfb_query query_work{database_customers, Transaction1};
    int16_t fdatabase_no = -1;
    std::string fdatabase_path;
    std::string fdata_files_folder;
    tdomain_location flocation;
    std::string flogin_user;
    std::string flogin_password;
};
