// Where a domain's database lives: a folder on this machine ("/path/") or a folder on a
// database server ("host:/path/" or "host/port:/path/"), and the engine's connection names for it.
#pragma once

#include <cstdint>
#include <string>

class tdomain_location {
public:
    static constexpr const char* class_name() { return "tdomain_location"; }

    // Splits a domain path; raises on a host without a folder, a port that is not a number in
    // 1 … 65535, or a folder that is not a full path.
    static tdomain_location parse(const std::string& apath);

    bool is_server() const { return !fhost.empty(); }
    // "host:" or "host/port:" for a server, empty for this machine.
    std::string server_prefix() const;
    // The name the engine attaches to: the prefix, the folder and the file name.
    std::string database_name(const std::string& afilename) const { return server_prefix() + ffolder + afilename; }
    // The service manager of the server, or of the embedded engine.
    std::string service_name() const { return server_prefix() + "service_mgr"; }
    // The domain path again, with a trailing "/".
    std::string text() const { return server_prefix() + ffolder; }

    std::string fhost;
    int32_t fport = 0;     // 0: the server's own port
    std::string ffolder;  // full path ending in "/"
};
