// A Firebird server of the test's own: started on 127.0.0.1 on a free port, with its own
// configuration, security database and lock folder in a scratch folder, and stopped when the
// test program ends. It uses the engine of Debian's firebird3.0-server package.
#pragma once

#include <sys/types.h>

#include <string>

class tfirebird_server {
public:
    // The server of this test program, started on first use.
    static tfirebird_server& shared();
    ~tfirebird_server();

    // "127.0.0.1/port:" followed by afolder, as a domain path names a server folder.
    std::string domain_path(const std::string& afolder) const;
    int port() const { return fport; }

    // The login the server knows: the database owner's name (the program's own user), with a
    // password longer than one scrambled piece and holding a quote.
    std::string fuser;
    std::string fpassword = "a firm's password, 32 bytes long";

private:
    tfirebird_server();
    void write_configuration();
    void create_security_database();
    void start();
    void stop();

    std::string ffolder;
    std::string froot;
    int fport = 0;
    pid_t fpid = -1;
};
