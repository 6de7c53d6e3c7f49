// Fuzz target: arbitrary bytes as a site picture. Decoding must end with a bitmap of the size the
// header gave or a refusal with a reason, never read outside the data and never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "property/jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adata, size_t asize) {
    tbitmap bitmap;
    std::string reason;
    const bool decoded = tjpeg_picture::decode(std::span<const uint8_t>(adata, asize), bitmap, reason);
    if (decoded && static_cast<size_t>(bitmap.width) * bitmap.height != bitmap.pixels.size()) std::abort();
    if (!decoded && (reason.empty() || !bitmap.pixels.empty())) std::abort();
    return 0;
}
