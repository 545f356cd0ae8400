// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for a browser: writes who started it and with what to the file named by
// PISTEWORK_ARGV_FILE, as its parent's process id, its parent's command name and then every
// argument, each ended by a NUL, so blanks, quotes and newlines survive.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char* argv[]) {
    const char* path = std::getenv("PISTEWORK_ARGV_FILE");
    if (!path) return 2;
    const pid_t parent = getppid();
    std::string parentCommand;
    std::ifstream comm("/proc/" + std::to_string(parent) + "/comm");
    std::getline(comm, parentCommand);

    // Written aside and renamed, so a reader never sees half a record.
    const std::string part = std::string(path) + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        out << parent << '\0' << parentCommand << '\0';
        for (int i = 0; i < argc; ++i)
            out << argv[i] << '\0';
    }
    return std::rename(part.c_str(), path) == 0 ? 0 : 1;
}
