// command_line.h — the words after the command name: positional arguments, switches, options with a value.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace drz::tool {

// A call that does not fit the command: main prints the reason and the usage and exits with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::vector<std::string> positional;
    std::set<std::string> switches;                            // e.g. "--trace"
    std::vector<std::pair<std::string, std::string>> options;  // e.g. {"--seed", "42"}

    std::optional<std::string> Option(const std::string& name) const;
};

// Splits the words; `switches` and `valued` list the options the command knows, anything else starting
// with "--" is a UsageError. Positional count is checked against min..max.
Arguments Split(const std::vector<std::string>& words, const std::set<std::string>& switches,
                const std::set<std::string>& valued, std::size_t minPositional, std::size_t maxPositional);

// Slot 0..3, else a UsageError.
int ParseSlot(const std::string& word);
// A whole number 0..2^64-1, else a UsageError.
std::uint64_t ParseSeed(const std::string& word);

}  // namespace drz::tool
