// game_file.h — the file of the game in progress ("spielstand.json"): held by one game of a folder at a time,
// read whole, replaced whole, set aside when damaged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace drz {

inline constexpr const char* kGameFile = "spielstand.json";

// The lock on "spielstand.json.lock", held while the object lives: the game of a run that holds it alone
// reads, writes and removes the file; a second game in the folder leaves it alone.
class GameFileHold {
public:
    enum class State { Held, HeldElsewhere, NoLock };
    explicit GameFileHold(const std::filesystem::path& file);  // never waits
    ~GameFileHold();
    GameFileHold(const GameFileHold&) = delete;
    GameFileHold& operator=(const GameFileHold&) = delete;
    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::NoLock;
};

struct GameFileText {
    enum class Status { Missing, Read, Unreadable } status = Status::Missing;
    std::string text;
};
// The whole file; a file beyond any stored game's size is unreadable.
GameFileText ReadGameFile(const std::filesystem::path& file);

// Replaces the file whole (temporary file beside it, synced, renamed); nothing on success, else why not.
std::optional<std::string> WriteGameFile(const std::filesystem::path& file, const std::string& text);
// Removes the file; nothing on success or when it is not there, else why not.
std::optional<std::string> RemoveGameFile(const std::filesystem::path& file);

// Renames a damaged file to "spielstand.json.beschädigt" (or "-2", "-3", ... when taken); the new name, or
// nothing when it could not be renamed.
std::optional<std::filesystem::path> SetGameFileAside(const std::filesystem::path& file);

}  // namespace drz
