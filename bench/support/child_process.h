// child_process.h — running another program from a benchmark: quietly, or under callgrind for its instruction count.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace drz::bench {

// Runs argv[0] with its arguments in `folder`, output discarded; the exit status, or -1 when it could
// not be started or did not exit normally.
int RunQuiet(const std::vector<std::string>& argv, const std::filesystem::path& folder);

// The instructions the program executes from its first one to its exit, counted by valgrind's callgrind
// tool (repeatable on a busy machine, unlike times). Nothing when valgrind is missing or the run fails.
std::optional<std::uint64_t> CountInstructions(const std::vector<std::string>& argv,
                                               const std::filesystem::path& folder);

}  // namespace drz::bench
