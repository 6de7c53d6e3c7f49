// A file written whole or not at all: the bytes go to a temporary file beside the chosen one
// (its name plus ".writing"), which is flushed and synced to the disk and only then renamed to the
// chosen name. A full disk, a folder that refuses writes or a kill at any point leaves the chosen
// file as it was (or absent), never cut short; a failure names the chosen file and the system's
// reason and removes the temporary file. What a killed run left is removed at the next start.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class tsafe_file {
public:
    static constexpr std::string_view temporary_suffix = ".writing";

    // Creates the temporary file; raises "Unable to Create File "<name>": <reason>." A private
    // file (the settings with a login) is readable by its owner alone.
    explicit tsafe_file(std::string afilename, bool aprivate = false);
    // Without a commit the temporary file is removed.
    ~tsafe_file();
    tsafe_file(const tsafe_file&) = delete;
    tsafe_file& operator=(const tsafe_file&) = delete;

    // Raises "Unable to Write File "<name>": <reason>." and removes the temporary file.
    void write(std::string_view abytes);
    // Syncs the bytes, gives the file its chosen name (replacing an older one) and syncs the folder.
    void commit();
    // Removes the temporary file; nothing more is written.
    void discard();

    int64_t bytes_written() const { return fbytes; }
    const std::string& filename() const { return ffilename; }
    std::string temporary_filename() const { return ffilename + std::string(temporary_suffix); }

    // The whole file in one call.
    static void write_whole(const std::string& afilename, std::string_view abytes, bool aprivate = false);
    // A copy of asource under atarget; an existing target is replaced only if areplace.
    // Raises "Unable to Copy File "<source>" to "<target>": <reason>." when asource cannot be read.
    static void copy(const std::string& asource, const std::string& atarget, bool areplace);
    // For a file that another program (the database engine) wrote under a temporary name: syncs it
    // and renames it to atarget; on failure it is removed and the error raised.
    static void sync_and_rename(const std::string& atemporary, const std::string& atarget);
    // Removes what a killed run left in afolder (not below it): files whose names end in
    // ".writing". Returns how many were removed.
    static int32_t remove_leftovers(const std::string& afolder);

private:
    [[noreturn]] void fail(const char* aformat, int aerrno);

    std::string ffilename;
    int ffd = -1;
    int64_t fbytes = 0;
};
