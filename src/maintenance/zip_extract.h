// Unpacks the shipped data-file archive into a database folder. Every entry is checked before
// anything is written: a name that is absolute or has a ".." component, or a link, is refused
// with a message naming it; an archive that would unpack to more than the limit, or to more
// than the folder's free space, is refused whole. Each file is written under a temporary name
// and renamed when complete; the bytes actually unpacked count against the limit (an entry may
// hold more than its header declares), and reaching the limit removes every file this run
// unpacked. A damaged entry or a full disk leaves nothing of that entry behind.
#pragma once

#include <cstdint>
#include <string>

#include "procs/velmor_exception.h"

class tzip_extract : public tvelmor_object {
public:
    static constexpr uint64_t default_limit_bytes = uint64_t{1} << 30;  // 1 GiB

    const char* class_name() const override { return "tzip_extract"; }
    // Extracts every entry of aarchive into afolder (which exists), keeping relative paths.
    void extract_all(const std::string& aarchive, const std::string& afolder) const;
    // Whether an entry name stays inside the folder it is unpacked into.
    static bool is_safe_name(const std::string& aname);

    uint64_t flimit_bytes = default_limit_bytes;
};
