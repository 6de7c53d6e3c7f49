// Backup and restore through the engine's services (service_mgr): set the library, the user
// parameters and the file lists, attach, start, read the verbose output line by line until its
// end, detach. The caller detaches also on error (detach is safe to call twice).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "procs/velmor_exception.h"

namespace Firebird {
class IService;
}

class tfb_service : public tvelmor_object {
public:
    tfb_service() = default;
    ~tfb_service() override;
    tfb_service(const tfb_service&) = delete;
    tfb_service& operator=(const tfb_service&) = delete;
    const char* class_name() const override { return "tfb_service"; }

    std::string flibrary_name;             // kept for the record, as for the connection
    std::vector<std::string> fparams;      // "user_name=..." (required), "password=..."
    std::string fservice_name = "service_mgr";  // "host/port:service_mgr" for a server
    // The files named are the server's: this machine cannot look at them or rename them.
    bool fon_server = false;
    std::vector<std::string> fdatabase_files;
    std::vector<std::string> fbackup_files;
    bool fverbose = true;
    // A file of this machine fed to the service's standard input as it asks for it (a restore
    // on a server from a backup here); empty: none.
    std::string fstdin_file;

    void attach();
    void start();
    // True once the service has no more output (and has finished).
    bool eof() const { return feof; }
    // The next line of output; an empty line at the end. Raises the engine's error when the
    // service failed.
    std::string get_next_line();
    void detach();
    bool active() const { return fservice != nullptr; }

protected:
    virtual std::vector<unsigned char> build_start() const = 0;
    virtual void before_start() {}
    virtual void service_failed() {}
    // Sees every output line, shown or not; at the end it may still declare the run failed.
    virtual void output_line(const std::string&) {}
    virtual void output_ended() {}

    Firebird::IService* fservice = nullptr;
    bool feof = true;

private:
    static void detach_terminal();
    void wait_not_running();
    // The next piece of fstdin_file, at most as many bytes as the service asked for.
    std::string next_stdin_piece();
    bool fstarted = false;
    int fstdin = -1;                 // the open fstdin_file
    uint32_t fstdin_requested = 0;   // bytes the service is ready to take
};

class tfb_backup_service : public tfb_service {
public:
    const char* class_name() const override { return "tfb_backup_service"; }

protected:
    std::vector<unsigned char> build_start() const override;
};

// Creates a new database from a backup; it never replaces a file that exists. The engine writes
// under a temporary name beside the database file (temporary_name), renamed to the database
// file only when the engine reports that it finished, so a database file is always whole; a
// failed run deletes the temporary file, and one left by a killed run is deleted at the next
// start. A backup cut short can end the engine's run without an error, so the restore always
// runs verbose. On a server the engine writes the database file itself, under its own name (the
// server refuses a file that exists).
class tfb_restore_service : public tfb_service {
public:
    const char* class_name() const override { return "tfb_restore_service"; }
    int32_t fpage_buffers = 0;  // 0: the backup's own setting
    static std::string temporary_name(const std::string& adatabase);

protected:
    std::vector<unsigned char> build_start() const override;
    void before_start() override;
    void service_failed() override;
    void output_line(const std::string& aline) override;
    void output_ended() override;

private:
    std::vector<std::string> fnew_files;  // temporary files of this run
    bool ffinished = false;               // the engine reported the restore complete
};

// The engine's validation of a database while it may be in use (pages, records and indexes of
// every table), the check that a file left by a crash is whole. Reading the output to its end
// raises when the engine did not report the validation finished.
class tfb_validation_service : public tfb_service {
public:
    const char* class_name() const override { return "tfb_validation_service"; }
    // The output lines that report an error or a damaged structure, and the engine's warnings.
    const std::vector<std::string>& errors() const { return ferrors; }
    const std::vector<std::string>& warnings() const { return fwarnings; }

protected:
    std::vector<unsigned char> build_start() const override;
    void before_start() override;
    void output_line(const std::string& aline) override;
    void output_ended() override;

private:
    std::vector<std::string> ferrors;
    std::vector<std::string> fwarnings;
    bool ffinished = false;
};

// Only attaches to a service manager and lets go again: whether a server answers and knows the
// login, before anything is written there.
class tfb_service_check : public tfb_service {
public:
    const char* class_name() const override { return "tfb_service_check"; }

protected:
    std::vector<unsigned char> build_start() const override { return {}; }
};
