#include "support/firebird_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "database/datamodule_database_customers.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* server_program = "/usr/sbin/firebird";

// The folder of the packaged engine's plugins, character sets and messages.
std::string engine_folder() {
    for (const char* candidate : {"/usr/lib/x86_64-linux-gnu/firebird/3.0", "/usr/lib/aarch64-linux-gnu/firebird/3.0",
                                  "/usr/lib/firebird/3.0"})
        if (fs::exists(fs::path(candidate) / "plugins")) return candidate;
    throw std::runtime_error("the Firebird engine's folder (plugins, intl) was not found");
}

int free_port() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no free port on 127.0.0.1");
    ::close(s);
    return ntohs(address.sin_port);
}

bool accepts_connections(int aport) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(aport));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return ok;
}

}  // namespace

tfirebird_server& tfirebird_server::shared() {
    static tfirebird_server server;
    return server;
}

tfirebird_server::tfirebird_server() {
    if (!fs::exists(server_program))
        throw std::runtime_error(std::string(server_program) + " is missing: install firebird3.0-server");
    char name[] = "/tmp/velmor_fbserver_XXXXXX";
    if (!::mkdtemp(name)) throw std::runtime_error("no scratch folder for the Firebird server");
    ffolder = name;
    froot = ffolder + "/root";
    fs::create_directories(froot);
    fs::create_directories(ffolder + "/lock");
    fuser = Tdatamodule_database_customers::user_name();
    fport = free_port();
    try {
        write_configuration();
        create_security_database();
        start();
    } catch (...) {
        std::error_code ec;
        fs::remove_all(ffolder, ec);
        throw;
    }
}

tfirebird_server::~tfirebird_server() {
    stop();
    std::error_code ec;
    fs::remove_all(ffolder, ec);
}

std::string tfirebird_server::domain_path(const std::string& afolder) const {
    return "127.0.0.1/" + std::to_string(fport) + ":" + afolder;
}

void tfirebird_server::write_configuration() {
    const std::string engine = engine_folder();
    for (const char* item : {"plugins", "intl", "firebird.msg", "plugins.conf", "UDF", "lib"})
        if (fs::exists(fs::path(engine) / item)) fs::create_symlink(fs::path(engine) / item, fs::path(froot) / item);
    std::ofstream conf(froot + "/firebird.conf");
    conf << "RemoteServicePort = " << fport << "\n"
         << "RemoteBindAddress = 127.0.0.1\n"
         << "SecurityDatabase = " << froot << "/security3.fdb\n"
         << "ServerMode = Super\n"
         << "AuthServer = Srp\n"
         << "UserManager = Srp\n"
         << "WireCrypt = Enabled\n"
         << "UdfAccess = None\n";
    std::ofstream(froot + "/databases.conf").flush();
}

// The security database is made by the packaged command-line tool running the engine embedded
// over the scratch configuration.
void tfirebird_server::create_security_database() {
    const std::string sql_file = ffolder + "/security.sql";
    std::string password;
    for (char c : fpassword) password += c == '\'' ? std::string("''") : std::string(1, c);
    std::ofstream(sql_file) << "CREATE DATABASE '" << froot << "/security3.fdb';\n"
                            << "CREATE USER " << fuser << " PASSWORD '" << password << "' USING PLUGIN Srp;\n"
                            << "COMMIT;\n";
    const std::string command = "env FIREBIRD='" + froot + "' FIREBIRD_LOCK='" + ffolder +
                                "/lock' isql-fb -q -user SYSDBA -i '" + sql_file + "' > '" + ffolder +
                                "/security.log' 2>&1";
    if (std::system(command.c_str()) != 0 || !fs::exists(froot + "/security3.fdb"))
        throw std::runtime_error("the server's security database was not made; see " + ffolder + "/security.log");
}

void tfirebird_server::start() {
    // Everything the child needs is made before the fork: the process has threads.
    const std::string env_root = "FIREBIRD=" + froot;
    const std::string env_lock = "FIREBIRD_LOCK=" + ffolder + "/lock";
    const std::string log = ffolder + "/server.log";
    char* const envp[] = {const_cast<char*>(env_root.c_str()), const_cast<char*>(env_lock.c_str()), nullptr};
    fpid = ::fork();
    if (fpid < 0) throw std::runtime_error("fork failed for the Firebird server");
    if (fpid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            ::dup2(fd, 1);
            ::dup2(fd, 2);
        }
        ::execle(server_program, server_program, static_cast<char*>(nullptr), envp);
        ::_exit(127);
    }
    for (int i = 0; i < 200; ++i) {
        if (accepts_connections(fport)) return;
        int status = 0;
        if (::waitpid(fpid, &status, WNOHANG) == fpid) {
            fpid = -1;
            throw std::runtime_error("the Firebird server stopped at once; see " + ffolder + "/server.log");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop();
    throw std::runtime_error("the Firebird server did not listen within 10 s");
}

void tfirebird_server::stop() {
    if (fpid <= 0) return;
    ::kill(fpid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(fpid, nullptr, WNOHANG) == fpid) {
            fpid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(fpid, SIGKILL);
    ::waitpid(fpid, nullptr, 0);
    fpid = -1;
}
