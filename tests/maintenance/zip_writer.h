// Writes small ZIP archives for the tests of the data-file extraction: stored (uncompressed)
// entries, so a test can damage their bytes, with any name and optionally marked as a link.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <string>
#include <vector>

struct tzip_test_entry {
    std::string name;
    std::string data;
    bool link = false;
};

// adeflate: deflated entries instead, so that an entry's bytes can unpack to far more than they take.
inline void write_zip(const std::string& apath, const std::vector<tzip_test_entry>& aentries, bool adeflate = false) {
    int error = 0;
    zip_t* z = zip_open(apath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(nullptr, z);
    for (const tzip_test_entry& e : aentries) {
        zip_source_t* source = zip_source_buffer(z, e.data.data(), e.data.size(), 0);
        const zip_int64_t index = zip_file_add(z, e.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0) << e.name;
        zip_set_file_compression(z, static_cast<zip_uint64_t>(index), adeflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                 adeflate ? 9 : 0);
        if (e.link)
            zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
    }
    ASSERT_EQ(0, zip_close(z));
}

