#include "procs/domain_location.h"

#include "procs/velmor_exception.h"

namespace {

bool all_digits(const std::string& atext) {
    if (atext.empty()) return false;
    for (char c : atext)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

tdomain_location tdomain_location::parse(const std::string& apath) {
    tdomain_location result;
    std::string folder = apath;
    // A host part is what comes before the first ":" when it does not start a folder: "host" or
    // "host/port". A local folder whose name holds a ":" starts with "/" and stays local.
    const size_t colon = apath.find(':');
    if (colon != std::string::npos && !apath.empty() && apath.front() != '/') {
        std::string host = apath.substr(0, colon);
        folder = apath.substr(colon + 1);
        if (const size_t slash = host.find('/'); slash != std::string::npos) {
            const std::string port = host.substr(slash + 1);
            host.resize(slash);
            if (!all_digits(port) || port.size() > 5 || std::stoi(port) < 1 || std::stoi(port) > 65535)
                throw tvelmor_exception("The port [%s] of the database path [%s] is not a number from 1 to 65535.",
                                        port, apath);
            result.fport = std::stoi(port);
        }
        if (host.empty())
            throw tvelmor_exception("The database path [%s] names no server before its \":\".", apath);
        result.fhost = host;
    }
    if (folder.empty() || folder.front() != '/')
        throw tvelmor_exception("The database path [%s] is not a full path.", apath);
    if (folder.back() != '/') folder += '/';
    result.ffolder = folder;
    return result;
}

std::string tdomain_location::server_prefix() const {
    if (!is_server()) return {};
    return fport == 0 ? fhost + ":" : fhost + "/" + std::to_string(fport) + ":";
}
