// The pause of a timed game: the board covered and the clock stopped, everything as before when it goes on;
// nothing outside a timed game; minimising pauses, also with the pad open.
#include "game/pause.h"
#include <fstream>
#include <sstream>

#include "display/clock.h"
#include "display/palette.h"
#include "game/autosave.h"
#include "game/exit.h"
#include "game/game_loops.h"
#include "model/stored_game.h"
#include "play_fixture.h"
#include "storage/game_file.h"

namespace drz::test {
namespace {

// What the player sees at one moment inside a loop: taken by the close box's handler.
struct Sight {
    bool paused = false;
    std::string help;
    bool boardHidden = false;           // no pixel of any grid differs from the window's background
    std::vector<platform::Rgb> pixels;  // the whole screen, when kept
};

class PauseTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        app.board = puzzle;
        app.window.SetCloseHandler([this] { sights.push_back(Look()); });
    }
    Sight Look() {
        Sight s{app.clock.Paused, app.panels.HelpText, BoardHidden(), {}};
        if (keepPixels) s.pixels = ScreenPixels();
        return s;
    }
    bool BoardHidden() {
        for (int k = 1; k <= kGridCount; ++k)
            for (int y = GridOriginY[k] - 1; y <= GridOriginY[k] + 225; y += 3)  // every glyph is taller
                for (int x = GridOriginX[k] - 1; x <= GridOriginX[k] + 297; ++x)
                    if (Pixel(x, y) != Palette[12]) return false;
        return true;
    }
    void Timed() {
        app.clock.ClockRunning = true;
        app.clock.StartTime = platform::Timer();
    }
    void LookNow() { app.window.RequestClose(); }
    bool keepPixels = false;
    std::vector<Sight> sights;
};

TEST_F(PauseTest, PCoversTheBoardAndGoingOnShowsEverythingAsBefore) {
    const CellRef e = FindCell(7, false), m = FindCell(9, false);
    ClickCell(7, e.x, e.y), Type('4');
    ClickCell(9, m.x, m.y, true), Type('3');
    LookNow();
    KeyUp('P');
    LookNow();
    Type('5'), app.window.PostInput({platform::kKeyUp, 'Z', 0, 0, platform::kControlHeld}), KeyUp('C');
    ClickCell(7, e.x, e.y);  // goes on, opens no pad
    LookNow();
    KeyUp('P');
    ClickAt(900, 895);  // Abbruch: the game goes on, then the button acts
    Timed();
    keepPixels = true;
    PlayLoop(app);
    ASSERT_EQ(sights.size(), 3u);
    EXPECT_TRUE(sights[1].boardHidden);
    EXPECT_TRUE(sights[1].help.starts_with(kPauseHelpText));
    EXPECT_GT(sights[1].help.size(), std::string(kPauseHelpText).size()) << "blanks cover the longer text";
    EXPECT_TRUE(sights[1].paused);
    EXPECT_TRUE(sights[0].pixels == sights[2].pixels) << "the board and the help panel come back pixel for pixel";
    EXPECT_EQ(sights[2].help, sights[0].help);
    EXPECT_EQ(app.board.Cell(7, e.x, e.y), 4) << "keys while paused change nothing";
    EXPECT_NE(app.board.CandidateMark, puzzle.CandidateMark);
    EXPECT_FALSE(app.clock.ClockRunning);  // aborted
    EXPECT_FALSE(app.clock.Paused);
}

TEST_F(PauseTest, PIsNothingOutsideATimedGame) {
    LookNow(), KeyUp('P'), LookNow(), KeyUp(27);
    keepPixels = true;
    PlayLoop(app);  // untimed
    KeyUp('P'), LookNow(), KeyUp(27);
    OwnBoardLoop(app);
    ASSERT_EQ(sights.size(), 3u);
    EXPECT_TRUE(sights[0].pixels == sights[1].pixels);
    for (const Sight& s : sights) EXPECT_FALSE(s.paused);
    EXPECT_FALSE(sights[2].help.starts_with(kPauseHelpText));
}

TEST_F(PauseTest, MinimisingPausesAlsoWithThePadOpen) {
    const CellRef e = FindCell(7, false);
    ClickCell(7, e.x, e.y);
    Post(platform::kWindowMinimized, 1);  // the pad goes without a choice, the game pauses
    LookNow(), KeyUp('P');
    Post(platform::kWindowMinimized, 1);
    LookNow(), ClickCell(1, 1, 1, true), KeyUp(27);
    Timed();
    PlayLoop(app);
    ASSERT_EQ(sights.size(), 2u);
    for (const Sight& s : sights) {
        EXPECT_TRUE(s.paused);
        EXPECT_TRUE(s.boardHidden);
    }
    EXPECT_EQ(app.board.CellValue, puzzle.CellValue);
    EXPECT_FALSE(app.clock.Paused);
}

// "&JA" to the exit question while paused: the game kept has the time of the pause's start.
TEST_F(PauseTest, TheGameKeptOnExitDuringAPauseHasTheClocksStoppedTime) {
    OfferStoredGame(app);  // nothing stored: the game is kept from here on
    app.window.SetCloseHandler([this] {
        platform::Pause(1100);
        CloseBoxClicked(app);
    });
    KeyUp('P'), LookNow();
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.clock.ClockRunning = true;
    app.clock.StartTime = platform::Timer() - 50;
    EXPECT_THROW(PlayLoop(app), platform::ProgramExit);
    std::ifstream in(kGameFile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::optional<StoredGame> stored = ReadStoredGame(text.str());
    ASSERT_TRUE(stored);
    EXPECT_GE(stored->elapsed, 50.0);
    EXPECT_LT(stored->elapsed, 51.0);
}

}  // namespace
}  // namespace drz::test
