#include "database/fb_service.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <thread>

#include "database/fb_client.h"

namespace {

std::string lower(std::string a) {
    for (char& c : a)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return a;
}

std::vector<unsigned char> buffer_of(Firebird::IXpbBuilder* ab, tfb_status& ast) {
    const unsigned char* b = ab->getBuffer(&ast);
    return std::vector<unsigned char>(b, b + ab->getBufferLength(&ast));
}

// Adds the file lists common to backup and restore.
void add_files(Firebird::IXpbBuilder* ab, tfb_status& ast, const std::vector<std::string>& adatabases,
               const std::vector<std::string>& abackups) {
    for (const std::string& d : adatabases)
        ab->insertString(&ast, isc_spb_dbname, d.c_str());
    for (const std::string& b : abackups)
        ab->insertString(&ast, isc_spb_bkp_file, b.c_str());
}

}  // namespace

tfb_service::~tfb_service() {
    try {
        detach();
    } catch (...) {
    }
}

void tfb_service::attach() {
    if (fservice)
        return;
    // Without a user name the engine asks for one at the terminal and waits for ever.
    bool has_user = false;
    for (const std::string& p : fparams)
        has_user = has_user || lower(p.substr(0, p.find('='))) == "user_name";
    if (!has_user)
        throw tvelmor_exception("No user name given in %s.attach();", class_name());
    tfb_client::ensure_lock_folder();
    tfb_status st;
    tfb_ref<Firebird::IXpbBuilder> spb(
        tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_ATTACH, nullptr, 0));
    // File names go to the engine as UTF-8 bytes, whatever the locale of the process.
    spb->insertTag(&st, isc_spb_utf8_filename);
    for (const std::string& p : fparams) {
        size_t eq = p.find('=');
        if (eq == std::string::npos)
            continue;
        std::string name = lower(p.substr(0, eq)), value = p.substr(eq + 1);
        if (name == "user_name")
            spb->insertString(&st, isc_spb_user_name, value.c_str());
        else if (name == "password")
            spb->insertString(&st, isc_spb_password, value.c_str());
    }
    std::vector<unsigned char> b = buffer_of(spb.get(), st);
    tfb_ref<Firebird::IProvider> provider(tfb_client::master()->getDispatcher());
    fservice = provider->attachServiceManager(&st, fservice_name.c_str(), static_cast<unsigned>(b.size()), b.data());
}

// The embedded engine asks at the terminal for the next volume of a backup cut short, and waits
// for ever: it reads standard input when that is a terminal, else the controlling terminal itself
// (/dev/tty). The program never reads either, so a terminal on standard input is replaced by
// /dev/null and the process gives up its controlling terminal; the engine then reads an end of
// input and the restore fails with its own message. A session leader keeps its terminal, as
// giving it up would hang up the whole session.
void tfb_service::detach_terminal() {
    if (::isatty(0)) {
        const int null_input = ::open("/dev/null", O_RDONLY);
        if (null_input >= 0) {
            ::dup2(null_input, 0);
            ::close(null_input);
        }
    }
    const int terminal = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0) return;
    if (::getsid(0) != ::getpid()) ::ioctl(terminal, TIOCNOTTY);
    ::close(terminal);
}

void tfb_service::start() {
    if (!fservice)
        throw tvelmor_exception("Service not attached in %s.start();", class_name());
    detach_terminal();
    before_start();
    std::vector<unsigned char> b = build_start();
    if (!fstdin_file.empty()) {
        fstdin = ::open(fstdin_file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fstdin < 0)
            throw tvelmor_exception("Unable to read [%s] in %s.start();", fstdin_file, class_name());
        fstdin_requested = 0;
    }
    tfb_status st;
    fservice->start(&st, static_cast<unsigned>(b.size()), b.data());
    feof = false;
    fstarted = true;
}

std::string tfb_service::next_stdin_piece() {
    // A send item's length has 16 bits; the service refuses more than it asked for.
    std::string piece(std::min<uint32_t>(fstdin_requested, 65000), '\0');
    size_t got = 0;
    while (got < piece.size()) {
        const ssize_t n = ::read(fstdin, piece.data() + got, piece.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw tvelmor_exception("Unable to read [%s] in %s.get_next_line();", fstdin_file, class_name());
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    piece.resize(got);
    return piece;
}

std::string tfb_service::get_next_line() {
    if (feof)
        return {};
    const bool feeding = fstdin >= 0;
    const unsigned char plain_items[] = {isc_info_svc_line};
    const unsigned char feeding_items[] = {isc_info_svc_stdin, isc_info_svc_line};
    unsigned char buffer[16384];
    for (;;) {
        // What the service asked for at the last query goes with this one; an empty piece at
        // the end of the file tells it the input has ended.
        std::vector<unsigned char> send;
        if (feeding && fstdin_requested > 0) {
            const std::string piece = next_stdin_piece();
            send = {isc_info_svc_line, static_cast<unsigned char>(piece.size() & 0xff),
                    static_cast<unsigned char>(piece.size() >> 8)};
            send.insert(send.end(), piece.begin(), piece.end());
        }
        try {
            tfb_status st;
            fservice->query(&st, static_cast<unsigned>(send.size()), send.empty() ? nullptr : send.data(),
                            feeding ? sizeof feeding_items : sizeof plain_items, feeding ? feeding_items : plain_items,
                            sizeof buffer, buffer);
        } catch (...) {
            feof = true;
            service_failed();
            throw;
        }
        fstdin_requested = 0;
        for (size_t at = 0; at < sizeof buffer && buffer[at] != isc_info_end;) {
            const unsigned char tag = buffer[at];
            if (tag == isc_info_svc_stdin && at + 5 <= sizeof buffer) {
                fstdin_requested = buffer[at + 1] | (buffer[at + 2] << 8) | (buffer[at + 3] << 16) |
                                   (uint32_t(buffer[at + 4]) << 24);
                at += 5;
            } else if (tag == isc_info_svc_line && at + 3 <= sizeof buffer) {
                const unsigned length =
                    std::min<unsigned>(buffer[at + 1] | (buffer[at + 2] << 8), unsigned(sizeof buffer - at - 3));
                if (length > 0) {
                    std::string line(reinterpret_cast<const char*>(buffer + at + 3), length);
                    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
                        line.pop_back();
                    output_line(line);
                    return fverbose ? line : std::string();
                }
                at += 3;
            } else {
                break;  // isc_info_truncated, isc_info_data_not_ready: nothing more in this answer
            }
        }
        if (fstdin_requested > 0) continue;
        feof = true;
        try {
            output_ended();
        } catch (...) {
            service_failed();
            throw;
        }
        return {};
    }
}

// The engine's service thread goes on tidying up after its last output line; detaching (and a
// program ending) while it does can unload the engine from under it. Waits, for at most five
// seconds, until the engine reports the service no longer running, then gives its thread a moment
// to leave the engine's code.
void tfb_service::wait_not_running() {
    const unsigned char items[] = {isc_info_svc_running};
    for (int i = 0; i < 500; ++i) {
        unsigned char buffer[16] = {};
        try {
            tfb_status st;
            fservice->query(&st, 0, nullptr, sizeof items, items, sizeof buffer, buffer);
        } catch (const tvelmor_exception&) {
            return;  // a failed service has nothing left running
        }
        if (buffer[0] != isc_info_svc_running) return;
        const uint32_t running = buffer[1] | (buffer[2] << 8) | (buffer[3] << 16) | (uint32_t(buffer[4]) << 24);
        if (running == 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

void tfb_service::detach() {
    feof = true;
    if (fstdin >= 0) ::close(fstdin);
    fstdin = -1;
    if (fservice && fstarted) wait_not_running();
    fstarted = false;
    fb_end(fservice, [](Firebird::IService* s, tfb_status* st) { s->detach(st); });
}

std::vector<unsigned char> tfb_backup_service::build_start() const {
    tfb_status st;
    tfb_ref<Firebird::IXpbBuilder> spb(
        tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_START, nullptr, 0));
    spb->insertTag(&st, isc_action_svc_backup);
    add_files(spb.get(), st, fdatabase_files, fbackup_files);
    if (fverbose)
        spb->insertTag(&st, isc_spb_verbose);
    return buffer_of(spb.get(), st);
}

std::vector<unsigned char> tfb_restore_service::build_start() const {
    tfb_status st;
    tfb_ref<Firebird::IXpbBuilder> spb(
        tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_START, nullptr, 0));
    spb->insertTag(&st, isc_action_svc_restore);
    // For a restore the backup files come first, then the database files. A backup fed from
    // this machine is the service's standard input.
    if (!fstdin_file.empty())
        spb->insertString(&st, isc_spb_bkp_file, "stdin");
    else
        for (const std::string& b : fbackup_files)
            spb->insertString(&st, isc_spb_bkp_file, b.c_str());
    for (const std::string& d : fdatabase_files)
        spb->insertString(&st, isc_spb_dbname, (fon_server ? d : temporary_name(d)).c_str());
    spb->insertTag(&st, isc_spb_verbose);
    if (fpage_buffers > 0)
        spb->insertInt(&st, isc_spb_res_buffers, fpage_buffers);
    spb->insertInt(&st, isc_spb_options, isc_spb_res_create);
    return buffer_of(spb.get(), st);
}

std::string tfb_restore_service::temporary_name(const std::string& adatabase) { return adatabase + ".restoring"; }

void tfb_restore_service::before_start() {
    ffinished = false;
    fnew_files.clear();
    if (fon_server) return;
    for (const std::string& d : fdatabase_files) {
        std::error_code ec;
        if (std::filesystem::exists(d, ec))
            throw tvelmor_exception("Database file [%s] already exists; a restore never replaces it, in %s.start();",
                                    d, class_name());
        // What a restore that was killed or crashed left behind is not a database: start afresh.
        std::filesystem::remove(temporary_name(d), ec);
        fnew_files.push_back(temporary_name(d));
    }
}

void tfb_restore_service::service_failed() {
    std::error_code ec;
    for (const std::string& d : fnew_files)
        std::filesystem::remove(d, ec);
    fnew_files.clear();
}

void tfb_restore_service::output_line(const std::string& aline) {
    if (aline.find("finishing, closing, and going home") != std::string::npos)
        ffinished = true;
}

// Only a finished restore gets the database file's name; a link never replaces a file.
void tfb_restore_service::output_ended() {
    if (!ffinished)
        throw tvelmor_exception("Restore of [%s] did not finish in %s.get_next_line();",
                                fbackup_files.empty() ? std::string() : fbackup_files.front(), class_name());
    if (fon_server) return;
    for (const std::string& d : fdatabase_files) {
        const std::string temporary = temporary_name(d);
        if (::link(temporary.c_str(), d.c_str()) != 0)
            throw tvelmor_exception("Unable to rename [%s] to [%s] in %s.get_next_line();", temporary, d,
                                    class_name());
        ::unlink(temporary.c_str());
    }
    fnew_files.clear();
}

std::vector<unsigned char> tfb_validation_service::build_start() const {
    tfb_status st;
    tfb_ref<Firebird::IXpbBuilder> spb(
        tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_START, nullptr, 0));
    spb->insertTag(&st, isc_action_svc_validate);
    for (const std::string& d : fdatabase_files)
        spb->insertString(&st, isc_spb_dbname, d.c_str());
    return buffer_of(spb.get(), st);
}

void tfb_validation_service::before_start() {
    ferrors.clear();
    fwarnings.clear();
    ffinished = false;
}

void tfb_validation_service::output_line(const std::string& aline) {
    const std::string l = lower(aline);
    if (l.find("validation finished") != std::string::npos)
        ffinished = true;
    else if (l.find("warning") != std::string::npos)
        fwarnings.push_back(aline);
    else if (l.find("error") != std::string::npos || l.find("corrupt") != std::string::npos)
        ferrors.push_back(aline);
}

void tfb_validation_service::output_ended() {
    if (!ffinished)
        throw tvelmor_exception("Validation of [%s] did not finish in %s.get_next_line();",
                                fdatabase_files.empty() ? std::string() : fdatabase_files.front(), class_name());
}
