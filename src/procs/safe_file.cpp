#include "procs/safe_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "procs/velmor_exception.h"

namespace fs = std::filesystem;

namespace {

std::string reason_of(int aerrno) { return std::strerror(aerrno); }

// A rename is only lasting once the folder that holds the name is on the disk too.
void sync_folder_of(const std::string& afilename) {
    std::string folder = fs::path(afilename).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

tsafe_file::tsafe_file(std::string afilename, bool aprivate) : ffilename(std::move(afilename)) {
    const std::string temporary = temporary_filename();
    ffd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, aprivate ? 0600 : 0644);
    if (ffd < 0) throw tvelmor_exception("Unable to Create File \"%s\": %s.", ffilename, reason_of(errno));
}

tsafe_file::~tsafe_file() { discard(); }

void tsafe_file::fail(const char* aformat, int aerrno) {
    discard();
    throw tvelmor_exception(aformat, ffilename, reason_of(aerrno));
}

void tsafe_file::write(std::string_view abytes) {
    if (ffd < 0) throw tvelmor_exception("The file \"%s\" is closed in %s.write();", ffilename, "tsafe_file");
    while (!abytes.empty()) {
        const ssize_t n = ::write(ffd, abytes.data(), abytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("Unable to Write File \"%s\": %s.", n < 0 ? errno : ENOSPC);
        abytes.remove_prefix(static_cast<size_t>(n));
        fbytes += n;
    }
}

void tsafe_file::commit() {
    if (ffd < 0) throw tvelmor_exception("The file \"%s\" is closed in %s.commit();", ffilename, "tsafe_file");
    // Only a file whose every byte is on the disk takes the chosen name.
    if (::fsync(ffd) != 0) fail("Unable to Write File \"%s\": %s.", errno);
    const int closed = ::close(ffd);
    ffd = -1;
    const std::string temporary = temporary_filename();
    if (closed != 0 || std::rename(temporary.c_str(), ffilename.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        throw tvelmor_exception("Unable to Write File \"%s\": %s.", ffilename, reason_of(error));
    }
    sync_folder_of(ffilename);
}

void tsafe_file::discard() {
    if (ffd < 0) return;
    ::close(ffd);
    ffd = -1;
    std::remove(temporary_filename().c_str());
}

void tsafe_file::write_whole(const std::string& afilename, std::string_view abytes, bool aprivate) {
    tsafe_file file(afilename, aprivate);
    file.write(abytes);
    file.commit();
}

void tsafe_file::copy(const std::string& asource, const std::string& atarget, bool areplace) {
    std::error_code ec;
    if (!areplace && fs::exists(atarget, ec))
        throw tvelmor_exception("Unable to Copy File \"%s\" to \"%s\": %s.", asource, atarget, reason_of(EEXIST));
    const int in = ::open(asource.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throw tvelmor_exception("Unable to Copy File \"%s\" to \"%s\": %s.", asource, atarget, reason_of(errno));
    try {
        tsafe_file out(atarget);
        std::vector<char> buffer(1 << 16);
        for (;;) {
            const ssize_t n = ::read(in, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0)
                throw tvelmor_exception("Unable to Copy File \"%s\" to \"%s\": %s.", asource, atarget,
                                        reason_of(errno));
            if (n == 0) break;
            out.write(std::string_view(buffer.data(), static_cast<size_t>(n)));
        }
        out.commit();
    } catch (...) {
        ::close(in);
        throw;
    }
    ::close(in);
}

void tsafe_file::sync_and_rename(const std::string& atemporary, const std::string& atarget) {
    int error = 0;
    const int fd = ::open(atemporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) error = errno;
    else {
        if (::fsync(fd) != 0) error = errno;
        ::close(fd);
    }
    if (error == 0 && std::rename(atemporary.c_str(), atarget.c_str()) != 0) error = errno;
    if (error != 0) {
        std::remove(atemporary.c_str());
        throw tvelmor_exception("Unable to Write File \"%s\": %s.", atarget, reason_of(error));
    }
    sync_folder_of(atarget);
}

int32_t tsafe_file::remove_leftovers(const std::string& afolder) {
    std::error_code ec;
    int32_t removed = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(afolder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= temporary_suffix.size() || !name.ends_with(temporary_suffix)) continue;
        if (!entry.is_regular_file(ec)) continue;
        if (fs::remove(entry.path(), ec)) ++removed;
    }
    return removed;
}
