#include "maintenance/zip_extract.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <zip.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "procs/safe_file.h"

namespace fs = std::filesystem;

namespace {

struct tzip_closer {
    void operator()(zip_t* a) const { zip_discard(a); }
};
using tzip_ptr = std::unique_ptr<zip_t, tzip_closer>;

// The bytes actually unpacked passed the limit.
class tlimit_reached : public tvelmor_exception {
public:
    using tvelmor_exception::tvelmor_exception;
};

struct tentry {
    zip_uint64_t index;
    std::string name;
    uint64_t size;
};

bool is_link(zip_t* aarchive, zip_uint64_t aindex) {
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(aarchive, aindex, 0, &opsys, &attributes) != 0) return false;
    return opsys == ZIP_OPSYS_UNIX && S_ISLNK(attributes >> 16);
}

std::string mib(uint64_t abytes) { return std::to_string((abytes + (1 << 20) - 1) >> 20) + " MiB"; }

uint64_t free_bytes(const std::string& afolder) {
    struct statvfs info {};
    if (statvfs(afolder.c_str(), &info) != 0) return UINT64_MAX;
    return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

// One file through the safe file, renamed when complete; a damaged entry (a CRC error shows at its
// end), a full disk or an entry that unpacks to more than abudget bytes leaves nothing behind.
// abudget shrinks by what was actually written: a header may declare less than the entry holds.
void write_entry(zip_t* aarchive, const tentry& aentry, const std::string& afolder, uint64_t& abudget,
                 uint64_t alimit) {
    const fs::path target = fs::path(afolder) / aentry.name;
    if (!aentry.name.empty() && aentry.name.back() == '/') {
        fs::create_directories(target);
        return;
    }
    fs::create_directories(target.parent_path());
    zip_file_t* file = zip_fopen_index(aarchive, aentry.index, 0);
    if (!file)
        throw tvelmor_exception("Entry [%s] of the data files cannot be read: %s, in tzip_extract.extract_all();",
                                aentry.name, std::string(zip_strerror(aarchive)));
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(file, zip_fclose);
    tsafe_file out(target.string());
    std::vector<char> buffer(65536);
    zip_int64_t n = 0;
    while ((n = zip_fread(file, buffer.data(), buffer.size())) > 0) {
        if (static_cast<uint64_t>(n) > abudget)
            throw tlimit_reached("The data files unpack to more than the %s allowed (entry [%s] holds more than "
                                    "it declares); nothing was extracted, in tzip_extract.extract_all();",
                                    mib(alimit), aentry.name);
        abudget -= static_cast<uint64_t>(n);
        out.write(std::string_view(buffer.data(), static_cast<size_t>(n)));
    }
    if (n < 0)
        throw tvelmor_exception("Entry [%s] of the data files is damaged (%s); it was not extracted, in "
                                "tzip_extract.extract_all();",
                                aentry.name, std::string(zip_error_strerror(zip_file_get_error(file))));
    out.commit();
}

}  // namespace

bool tzip_extract::is_safe_name(const std::string& aname) {
    if (aname.empty() || aname.front() == '/') return false;
    size_t start = 0;
    while (start <= aname.size()) {
        size_t end = aname.find('/', start);
        if (end == std::string::npos) end = aname.size();
        if (aname.compare(start, end - start, "..") == 0 && end - start == 2) return false;
        start = end + 1;
    }
    return true;
}

void tzip_extract::extract_all(const std::string& aarchive, const std::string& afolder) const {
    int error = 0;
    tzip_ptr archive(zip_open(aarchive.c_str(), ZIP_RDONLY, &error));
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        const std::string text = zip_error_strerror(&e);
        zip_error_fini(&e);
        throw tvelmor_exception("Unable to open the data files [%s]: %s, in %s.extract_all();", aarchive, text,
                                class_name());
    }
    // Every entry is checked before the first byte is written.
    std::vector<tentry> entries;
    uint64_t total = 0;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !st.name)
            throw tvelmor_exception("Entry %d of the data files cannot be read in %s.extract_all();",
                                    static_cast<int32_t>(i), class_name());
        const std::string name = st.name;
        if (!is_safe_name(name))
            throw tvelmor_exception("Entry [%s] of the data files would be written outside the database folder; "
                                    "nothing was extracted, in %s.extract_all();", name, class_name());
        if (is_link(archive.get(), static_cast<zip_uint64_t>(i)))
            throw tvelmor_exception("Entry [%s] of the data files is a link; nothing was extracted, in %s.extract_all();",
                                    name, class_name());
        const uint64_t size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
        total += size;
        entries.push_back({static_cast<zip_uint64_t>(i), name, size});
    }
    if (total > flimit_bytes)
        throw tvelmor_exception("The data files would unpack to %s, more than the %s allowed; nothing was extracted, "
                                "in %s.extract_all();", mib(total), mib(flimit_bytes), class_name());
    if (const uint64_t available = free_bytes(afolder); total > available)
        throw tvelmor_exception("The data files would unpack to %s, more than the %s free in [%s]; nothing was "
                                "extracted, in %s.extract_all();", mib(total), mib(available), afolder, class_name());
    uint64_t budget = flimit_bytes;
    std::vector<fs::path> written;
    try {
        for (const tentry& entry : entries) {
            write_entry(archive.get(), entry, afolder, budget, flimit_bytes);
            written.push_back(fs::path(afolder) / entry.name);
        }
    } catch (const tlimit_reached&) {
        // An archive that lied about its size is refused whole, as one that told the truth is.
        std::error_code ec;
        for (const fs::path& path : written)
            if (fs::is_regular_file(path, ec)) fs::remove(path, ec);
        throw;
    }
}
