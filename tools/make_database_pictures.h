// The demo site pictures of the shipped data-file archive: small JPEG pictures drawn by the
// build (no image is stored in the sources), packed as pics/%.4x.jpg into a ZIP archive (with
// the demo's PLU index files beside them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class tdemo_pictures {
public:
    // Writes pictures 1..acount into the archive at apath (replacing it), and each of afiles at
    // the archive's top level under its file name.
    static void make_archive(const std::string& apath, int32_t acount, const std::vector<std::string>& afiles = {});
    // One picture as JPEG bytes; anumber varies the drawing.
    static std::string make_jpeg(int32_t anumber, int32_t awidth, int32_t aheight);
};
