// Setting the program up on a database server: the details a user gives (host, port, folder on
// the server, login), a check that the server answers and knows the login before anything is
// written, the shipped database restored there by the server's own services (or an existing one
// kept), the data files unpacked on this machine, and the domain written to the settings.
#pragma once

#include <cstdint>
#include <string>

#include "database/fb_service.h"
#include "procs/domain_location.h"

class tfb_database;

class tvelmor_messagelines;

struct tserver_details {
    std::string fhost;
    std::string fport;    // as typed; empty for the server's own port
    std::string ffolder;  // the database folder as the server names it
    std::string fuser;
    std::string fpassword;

    // "host:/folder/" or "host/port:/folder/".
    std::string domain_path() const;
};

class Tdatamodule_maintenance_server : public tvelmor_object {
public:
    const char* class_name() const override { return "Tdatamodule_maintenance_server"; }

    // Empty when the details can be used; else what is wrong with them.
    static std::string refusal(const tserver_details& adetails);
    // Raises the engine's words when the server does not answer or refuses the login.
    static void check_connection(const tdomain_location& alocation, const std::string& auser,
                                 const std::string& apassword);
    // Whether the server opens a database at the location with the login.
    static bool database_exists(const tdomain_location& alocation, const std::string& auser,
                                const std::string& apassword);

    // Drops the database at the location when it opens; for what a failed restore left there.
    static void drop_partial_database(const tdomain_location& alocation, const std::string& auser,
                                      const std::string& apassword);

    // The whole setup, reported in the lines; true when the settings name the server's
    // database. Nothing is written anywhere when the check of the connection fails.
    bool run_setup(tvelmor_messagelines& amessagelines, const tserver_details& adetails);

    tfb_restore_service RestoreService1;

private:
    // A new database: the shipped data files unpacked here, then the backup restored there.
    bool unpack_and_restore(tvelmor_messagelines& amessagelines, const tdomain_location& alocation,
                            const tserver_details& adetails);
    static void open_database(tfb_database& adatabase, const tdomain_location& alocation, const std::string& auser,
                              const std::string& apassword);
};
