// Fuzz target: the image asset decoder. The input is a whole asset file, read with
// load_from_bytes; a damaged file must end in one of the decoder's own messages, and a file that
// loads must give images of the format's three colours only. The input's first nine bytes are
// also one row (width, category, six parameter bytes) written into a buffer exactly one row wide,
// so that AddressSanitizer sees any write outside the row.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/datamodule_ymks2bmp.h"

namespace {

bool starts_with(const std::string& atext, const char* aprefix) { return atext.rfind(aprefix, 0) == 0; }

void check_message(const std::string& amessage) {
    if (amessage == "InvalidYMKFormat Header in Tdatamodule_ymks2bmp.load_from_file();") return;
    if (starts_with(amessage, "InvalidYMKFormat Index[") &&
        amessage.find("] in Tdatamodule_ymks2bmp.load_from_file();") != std::string::npos)
        return;
    if (starts_with(amessage, "Unsupported Category[") && amessage.find("] in tprocs_ymk.get_count();") != std::string::npos)
        return;
    std::fprintf(stderr, "unexpected message: %s\n", amessage.c_str());
    std::abort();
}

void check_clean(const Tdatamodule_ymks2bmp& aimages) {
    for (int32_t i = 0; i < aimages.count(); ++i) {
        const tymk_bitmap& bitmap = aimages.get_bitmap(i);
        if (bitmap.fpixels.size() != size_t{3} * bitmap.fwidth * bitmap.fheight) std::abort();
        const uint8_t* p = bitmap.fpixels.data();
        for (size_t at = 0; at < bitmap.fpixels.size(); at += 3) {
            // background (200, 208, 212), black, or grey (120, 120, 120), in blue, green, red order
            const bool known = (p[at] == 200 && p[at + 1] == 208 && p[at + 2] == 212) ||
                               (p[at] == p[at + 1] && p[at] == p[at + 2] && (p[at] == 0 || p[at] == 120));
            if (!known) std::abort();
        }
    }
}

void write_one_row(const uint8_t* adata, size_t asize) {
    if (asize < 9 || adata[2] == 0 || adata[2] > tprocs_ymk::last_category || adata[2] == 50) return;
    tblip_line line;
    line.fcategory = static_cast<tymk_category>(adata[2]);
    line.fcount = static_cast<uint8_t>(tprocs_ymk::get_count(adata[2]));
    std::memcpy(line.fparams.data(), adata + 3, 6);
    const uint16_t width = static_cast<uint16_t>((adata[0] | adata[1] << 8) % 1024);
    std::vector<uint8_t> row(size_t{3} * width);
    tprocs_ymk::write_line(line, width, row.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adata, size_t asize) {
    write_one_row(adata, asize);
    Tdatamodule_ymks2bmp images;
    try {
        images.load_from_bytes({adata, asize});
    } catch (const tvelmor_exception& e) {
        check_message(e.what());
        if (images.count() != 0) std::abort();  // a failed load keeps nothing
        return 0;
    }
    check_clean(images);
    return 0;
}
