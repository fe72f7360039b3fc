// safe_write.h — replacing a file as a whole: the new content goes to a temporary file beside it, then is renamed over
// it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace drz {

// Writes `bytes` as the new content of `target`. Either the whole new content is in place afterwards or
// the old file is as it was: a crash, a full disk or a refused write never leaves a part-written file.
// A file whose write permission bits are all off counts as read-only and is not replaced.
// Returns nothing on success, else the reason in German ("Der Datenträger ist voll.").
std::optional<std::string> ReplaceFileContent(const std::filesystem::path& target,
                                              const std::vector<std::uint8_t>& bytes);

// Removes what writes into `target` killed half-way left beside it (their temporary files). Only while the
// target's lock is held: then no other write into it is under way.
void RemoveLeftoverTemporaries(const std::filesystem::path& target);

// "\"brett.drz\"": a file's name as messages quote it.
std::string Quoted(const std::filesystem::path& file);

// The reason for an operating-system error number, in German.
std::string GermanReason(int errorNumber);

}  // namespace drz
