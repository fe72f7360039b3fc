// The stored game: written and read back exactly (board, options, clock, history, checkpoints), and every
// damaged or foreign text refused without a throw.
#include "model/stored_game.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "oracle/puzzle_files.h"

namespace drz {
namespace {

bool SameHistory(const History& a, const History& b) {
    if (a.done != b.done || a.steps.size() != b.steps.size() || a.checkpoints.size() != b.checkpoints.size())
        return false;
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        const HistoryEntry &s = a.steps[i], &t = b.steps[i];
        if (s.kind != t.kind || s.cell != t.cell || s.candidatesBefore != t.candidatesBefore ||
            s.candidatesAfter != t.candidatesAfter || s.changes.size() != t.changes.size())
            return false;
        for (std::size_t j = 0; j < s.changes.size(); ++j) {
            const CellChange &c = s.changes[j], &d = t.changes[j];
            if (c.cell != d.cell || c.oldValue != d.oldValue || c.newValue != d.newValue || c.oldGiven != d.oldGiven ||
                c.newGiven != d.newGiven || c.oldMarks != d.oldMarks || c.newMarks != d.newMarks)
                return false;
        }
    }
    for (std::size_t i = 0; i < a.checkpoints.size(); ++i) {
        const Checkpoint &c = a.checkpoints[i], &d = b.checkpoints[i];
        if (c.value != d.value || c.given != d.given || c.marks != d.marks || c.candidatesShown != d.candidatesShown)
            return false;
    }
    return true;
}

// A game played a little: a digit in a shared cell, a mark, a checkpoint, a step taken back.
StoredGame PlayedGame() {
    StoredGame game;
    game.board = oracle::LoadPuzzle("singles-1.txt");
    game.board.Cell(1, 8, 9) = game.board.Cell(4, 2, 3) = 0;
    game.board.Given(1, 8, 9) = game.board.Given(4, 2, 3) = 0;
    RecordStep(game.history, EnterDigit(game.board, {1, 8, 9}, 5, Candidates::AsMarked), false, false);
    SetCheckpoint(game.board, game.history, false);
    RecordStep(game.history, ToggleMark(game.board, {1, 8, 9}, 3, Candidates::AsMarked), false, false);
    RecordStep(game.history, Restart(game.board, Candidates::AsMarked), false, true);
    bool shown = true;
    UndoStep(game.board, game.history, shown);
    game.board.CandidateImage[MarkIndex(2, 3, 4, 7)] = 255;
    game.board.CellValue[0] = 7;  // belongs to no cell, kept as it is
    game.level = 2;
    game.numerals = false;
    game.timed = true;
    game.elapsed = 4321.25;
    game.loop = StoredLoop::OwnBoard;
    return game;
}

TEST(StoredGame, ComesBackExactly) {
    const StoredGame game = PlayedGame();
    const std::optional<StoredGame> back = ReadStoredGame(StoredGameText(game));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->board.CellValue, game.board.CellValue);
    EXPECT_EQ(back->board.GivenValue, game.board.GivenValue);
    EXPECT_EQ(back->board.CandidateMark, game.board.CandidateMark);
    EXPECT_EQ(back->board.CandidateImage, game.board.CandidateImage);
    EXPECT_EQ(back->board.DigitCount, game.board.DigitCount);
    EXPECT_EQ(back->board.Cell(4, 2, 3), 5);
    EXPECT_TRUE(SameHistory(back->history, game.history));
    EXPECT_EQ(back->history.done, 2u);
    EXPECT_EQ(back->level, 2);
    EXPECT_FALSE(back->numerals);
    EXPECT_FALSE(back->candidatesShown);
    EXPECT_TRUE(back->timed);
    EXPECT_EQ(back->elapsed, 4321.25);
    EXPECT_EQ(back->loop, StoredLoop::OwnBoard);
}

TEST(StoredGame, DamagedOrForeignTextsAreRefused) {
    const std::string good = StoredGameText(PlayedGame());
    const auto edited = [&](const std::function<void(nlohmann::json&)>& edit) {
        nlohmann::json document = nlohmann::json::parse(good);
        edit(document);
        return document.dump();
    };
    const auto& steps = [](nlohmann::json& d) -> nlohmann::json& { return d["history"]["steps"]; };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"truncated", good.substr(0, good.size() / 2)},
        {"not an object", "[1, 2, 3]"},
        {"foreign format", edited([](auto& d) { d["format"] = "Anderes-Spiel"; })},
        {"newer version", edited([](auto& d) { d["version"] = 2; })},
        {"version as text", edited([](auto& d) { d["version"] = "1"; })},
        {"level 4", edited([](auto& d) { d["level"] = 4; })},
        {"negative time", edited([](auto& d) { d["elapsed"] = -1; })},
        {"no loop", edited([](auto& d) { d.erase("loop"); })},
        {"digit 10 in a cell", edited([](auto& d) {
             std::string v = d["board"]["values"];
             v[2 * CellIndex(1, 1, 1) + 1] = 'a';
             d["board"]["values"] = v;
         })},
        {"short table", edited([](auto& d) { d["board"]["givens"] = "00"; })},
        {"marks not 0/1", edited([](auto& d) { d["board"]["marks"] = std::string(14000, '2'); })},
        {"copies differ", edited([](auto& d) {
             std::string v = d["board"]["values"];
             v[2 * CellIndex(4, 2, 3)] = '0', v[2 * CellIndex(4, 2, 3) + 1] = '1';
             d["board"]["values"] = v;
         })},
        {"done past the steps", edited([](auto& d) { d["history"]["done"] = 99; })},
        {"unknown step", edited([&](auto& d) { steps(d)[0]["kind"] = "Zaubern"; })},
        {"grid 14", edited([&](auto& d) { steps(d)[0]["changes"][0][0] = 14; })},
        {"mark bit 0", edited([&](auto& d) { steps(d)[0]["changes"][0][7] = 1; })},
        {"change of 8 values", edited([&](auto& d) { steps(d)[0]["changes"][0].erase(8); })},
        {"huge number", edited([&](auto& d) { steps(d)[0]["changes"][0][3] = 1e300; })},
        {"checkpoint short", edited([](auto& d) { d["history"]["checkpoints"][0]["marks"] = "0"; })},
    };
    for (const auto& [what, text] : cases) EXPECT_FALSE(ReadStoredGame(text)) << what;
    EXPECT_TRUE(ReadStoredGame(good));
}

}  // namespace
}  // namespace drz
