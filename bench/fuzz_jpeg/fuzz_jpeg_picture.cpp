// Fuzz target: arbitrary bytes as a site picture. Decoding must end with a bitmap of the size the
// header gave or a refusal with a reason, never read outside the data and never crash. The system
// libjpeg is not instrumented, so the input is placed right before an inaccessible page: a read
// past its end faults at once.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "property/jpeg_picture.h"

namespace {

// The input's bytes ending exactly at a page that cannot be read.
class tguarded_copy {
public:
    tguarded_copy(const uint8_t* adata, size_t asize) {
        const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        fdata_pages = (asize + page - 1) / page * page;
        fsize = fdata_pages + page;
        fbase = static_cast<uint8_t*>(mmap(nullptr, fsize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (fbase == MAP_FAILED) std::abort();
        if (mprotect(fbase + fdata_pages, page, PROT_NONE) != 0) std::abort();
        fdata = fbase + fdata_pages - asize;
        if (asize) std::memcpy(fdata, adata, asize);
    }
    ~tguarded_copy() { munmap(fbase, fsize); }
    uint8_t* fdata;

private:
    uint8_t* fbase;
    size_t fsize;
    size_t fdata_pages;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adata, size_t asize) {
    tguarded_copy copy(adata, asize);
    tbitmap bitmap;
    std::string reason;
    const bool decoded = tjpeg_picture::decode(std::span<const uint8_t>(copy.fdata, asize), bitmap, reason);
    if (decoded && static_cast<size_t>(bitmap.width) * bitmap.height != bitmap.pixels.size()) std::abort();
    if (!decoded && (reason.empty() || !bitmap.pixels.empty())) std::abort();
    return 0;
}
