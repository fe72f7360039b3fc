#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

extern char** environ;

namespace drz::bench {

namespace fs = std::filesystem;

int RunQuiet(const std::vector<std::string>& argv, const fs::path& folder) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& word : argv) args.push_back(const_cast<char*>(word.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t child = 0;
    const int error = posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::optional<std::uint64_t> CountInstructions(const std::vector<std::string>& argv, const fs::path& folder) {
    const fs::path out = folder / "callgrind.out";
    std::vector<std::string> words = {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + out.string()};
    words.insert(words.end(), argv.begin(), argv.end());
    if (RunQuiet(words, folder) != 0) return std::nullopt;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("totals: ", 0) == 0 || line.rfind("summary: ", 0) == 0)
            return std::stoull(line.substr(line.find(' ') + 1));
    return std::nullopt;
}

}  // namespace drz::bench
