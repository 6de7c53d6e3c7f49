// A fresh temporary folder per test, with small helpers to write and read files in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ttemp_folder {
public:
    ttemp_folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmor_xml_XXXXXX").string();
        fpath = mkdtemp(pattern.data());
    }
    ~ttemp_folder() {
        std::error_code ec;
        std::filesystem::remove_all(fpath, ec);
    }
    const std::filesystem::path& path() const { return fpath; }

    std::string write(const std::string& aname, const std::string& abytes) const {
        const std::filesystem::path file = fpath / aname;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << abytes;
        return file.string();
    }
    static std::string read(const std::filesystem::path& afile) {
        std::ifstream in(afile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path fpath;
};

// Runs acall and returns the message of the exception it raises, or "no error".
template <typename F>
std::string message_of(F&& acall) {
    try {
        acall();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}
