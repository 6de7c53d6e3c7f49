// A writer killed at any point: the chosen file is the old one or the whole new one, never a cut
// one; what the killed run left under its temporary name is removed at the next start, and
// nothing else in the folder is touched.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "procs/safe_file.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const std::string& apath) {
    std::ifstream in(apath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

constexpr int chunk_count = 64;
const std::string chunk(1 << 20, 'n');

TEST(KilledWriter, leaves_the_old_file_or_the_whole_new_one_and_its_leftovers_go_at_the_next_start) {
    char name[] = "/tmp/velmor_killcase_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(name));
    const std::string folder = name;
    const std::string target = folder + "/backup.fbk";
    std::ofstream(folder + "/notes.writing.txt") << "not ours";
    std::ofstream(folder + "/other.fbk") << "kept";
    int cut_short = 0;
    for (int delay_ms : {0, 2, 5, 10, 20, 40, 80, 160, 5000}) {
        SCOPED_TRACE(delay_ms);
        std::ofstream(target, std::ios::trunc) << "before";
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            tsafe_file file(target);
            for (int i = 0; i < chunk_count; ++i) file.write(chunk);
            file.commit();
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string now = read_file(target);
        if (now == "before") {
            ++cut_short;
        } else {
            EXPECT_EQ(static_cast<size_t>(chunk_count) * chunk.size(), now.size());
        }
        tsafe_file::remove_leftovers(folder);
        EXPECT_FALSE(fs::exists(target + ".writing"));
        EXPECT_EQ("not ours", read_file(folder + "/notes.writing.txt"));
        EXPECT_EQ("kept", read_file(folder + "/other.fbk"));
    }
    EXPECT_GT(cut_short, 0) << "no kill landed before the file was whole";
    fs::remove_all(folder);
}

}  // namespace
