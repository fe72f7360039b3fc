// play_fixture.h — a started game in a folder of its own, and the scripted player: clicks, keys, pad squares.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "board/board_ops.h"
#include "display/cell_geometry.h"
#include "engine/solver.h"
#include "game/app.h"
#include "game/start_up.h"
#include "input/hit_test.h"
#include "oracle/puzzle_files.h"
#include "platform/dialog_step.h"
#include "storage/board_file.h"
#include "storage/hall_of_fame.h"

namespace drz::test {

namespace fs = std::filesystem;
using platform::InputEvent;

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        puzzle = oracle::LoadPuzzle("singles-1.txt");  // before leaving the source tree
        home = fs::current_path();
        folder = fs::temp_directory_path() / ("drz-play-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        fs::current_path(folder);
        StartUp(app);
        app.hallOfFame.Today = [] { return std::string("09.12.2026"); };
    }
    void TearDown() override {
        fs::current_path(home);
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    // The puzzle in all four slots of the level file of `level`.
    void PlantLevelFile(int level = 0) {
        for (int slot = 0; slot < 4; ++slot)
            ASSERT_TRUE(SaveBoardSlot(puzzle, LevelFileName(level), slot, app.random).saved);
    }
    static Board Solved(Board board) {
        SolveHooks quiet;
        SolveBoard(board, quiet);
        return board;
    }

    static int CellX(int k, int x) { return CellLeft(k, x) + 16; }
    static int CellY(int k, int y) { return CellTop(k, y) + 12; }
    void Post(int message, int param, int x = 0, int y = 0) { app.window.PostInput({message, param, x, y}); }
    void ClickCell(int k, int x, int y, bool right = false) {
        Post(right ? platform::kRightButtonDown : platform::kLeftButtonDown, right ? 2 : 1, CellX(k, x), CellY(k, y));
    }
    void Type(int character) { Post(platform::kChar, character); }
    void KeyUp(int key) { Post(platform::kKeyUp, key); }
    void ClickAt(int x, int y) { Post(platform::kLeftButtonDown, 1, x, y); }
    // Pointer onto square n of the pad opened over cell (x, y) of grid k, then a click there.
    void PadSquare(int k, int x, int y, int n, bool click = true) {
        const int px = CellLeft(k, x) - 8 + 15 * ((n - 1) % 3) + 7;
        const int py = CellTop(k, y) - 8 + 15 * ((n - 1) / 3) + 7;
        app.window.PostMove(px, py);
        if (click) ClickAt(px, py);
    }
    // Enters every digit of `target` that `start` lacks: by typed digits, every third one by a pad click.
    void EnterMissingDigits(const Board& start, const Board& target) {
        int n = 0;
        for (int k = 1; k <= kGridCount; ++k)
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    if (start.Cell(k, x, y) != 0 || !FirstGridOf(k, x, y)) continue;
                    ClickCell(k, x, y);
                    const int digit = target.Cell(k, x, y);
                    if (++n % 3 == 0) {
                        PadSquare(k, x, y, digit);
                    } else {
                        Type('0' + digit);
                    }
                }
    }
    // True when a click on the cell reaches it through grid k (a shared cell belongs to its lower grid).
    static bool FirstGridOf(int k, int x, int y) { return HitTest(CellX(k, x), CellY(k, y))->grid == k; }
    // The first cell of grid k from column x0 and row y0 on that is a given (or empty) in the puzzle.
    CellRef FindCell(int k, bool given, int x0 = 1, int y0 = 1) const {
        for (int x = x0; x <= 9; ++x)
            for (int y = y0; y <= 9; ++y)
                if ((puzzle.Given(k, x, y) != 0) == given && (given || puzzle.Cell(k, x, y) == 0)) return {k, x, y};
        return {0, 0, 0};
    }
    platform::Rgb Pixel(int x, int y) { return app.display.screen.PixelAt(x, y); }
    // Every pixel of the screen, to tell that a mark left the picture exactly as it was.
    std::vector<platform::Rgb> ScreenPixels() {
        std::vector<platform::Rgb> pixels;
        for (int y = 0; y < platform::kScreenHeight; ++y)
            for (int x = 0; x < platform::kScreenWidth; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }
    // What the player does when a solved time is recorded: the name typed, the lists closed.
    void AnswerRecord(const std::string& name) {
        app.window.QueueDialogSteps(
            {{platform::DialogStep::Kind::Type, name}, {platform::DialogStep::Kind::Key, "Return"}});
        app.window.QueueDialogSteps({{platform::DialogStep::Kind::Click, "cmd3"}});
    }
    // The times the hall of fame holds for `level`, best first.
    std::vector<std::string> Recorded(int level = 0) const {
        std::vector<std::string> times;
        for (int place = 1; place <= kChampPlaces; ++place)
            if (!IsFreePlace(app.hallOfFame.ChampTime[level][place]))
                times.push_back(app.hallOfFame.ChampTime[level][place]);
        return times;
    }

    Board puzzle;
    fs::path home, folder;
    App app;
};

}  // namespace drz::test
