// autosave_state.h — what the game keeps of its stored game in progress ("spielstand.json") for the run.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "model/stored_game.h"
#include "storage/game_file.h"
#include "storage/game_file_writer.h"

namespace drz {

struct AutosaveState {
    std::filesystem::path file;              // "spielstand.json" in the folder the game started in
    std::unique_ptr<GameFileHold> hold;      // taken at start-up for the whole run
    std::unique_ptr<GameFileWriter> writer;  // only while the hold is held
    // "&NEIN" at start-up: the stored game stays untouched until the player deals, loads or enters a new board.
    bool keepStored = false;
    bool told = false;                           // the player has heard once why this game is not kept
    std::optional<StoredLoop> loop;              // the game loop running now
    std::optional<StoredLoop> lastLoop;          // the game loop run last: nothing is kept before one ran
    std::shared_ptr<const StoredGame> handedOn;  // the game as the writer got it last
};

}  // namespace drz
