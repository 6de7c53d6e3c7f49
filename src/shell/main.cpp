// Program entry. --help and --version are answered before any window or display is needed.
#include <cstdio>
#include <cstring>

#ifndef VELMOR_VERSION
#define VELMOR_VERSION "0"
#endif

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Velmor Accounts %s\n", VELMOR_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Velmor Accounts %s\n\n"
                        "Usage: velmor_accounts [--script FILE] [--help] [--version]\n"
                        "  --script FILE   run the user actions in FILE against the program\n"
                        "  --help          show this help\n"
                        "  --version       show the version\n",
                        VELMOR_VERSION);
            return 0;
        }
    }
    std::printf("Velmor Accounts %s\n", VELMOR_VERSION);
    return 0;
}
