// The game in progress: kept while a loop runs and on "&JA" to the exit question, brought back at the next
// start ("&JA"), kept untouched after "&NEIN", set aside when damaged, and left alone by a second game.
#include <fstream>
#include <sstream>

#include "game/autosave.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "platform/timing.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

using platform::MessageButton;

class Autosave : public PlayTest {
protected:
    static std::string FileText(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Flush(App& game) { game.autosave.writer->Flush(); }
};

TEST_F(Autosave, TheNextStartResumesBoardMarksHistoryAndClock) {
    OfferStoredGame(app);  // nothing stored: no question
    EXPECT_EQ(app.window.LastMessageBoxText(), "");
    app.board = puzzle;
    app.clock.ClockRunning = true;  // a timed game 50 s in
    app.clock.StartTime = platform::Timer() - 50;
    const CellRef e = FindCell(7, false), f = FindCell(7, false, e.x + 1);
    ClickCell(7, e.x, e.y), Type('4'), KeyUp('F');  // a digit, then every mark
    app.window.RequestClose();
    app.window.QueueMessageBoxAnswer(MessageButton::First);
    EXPECT_THROW(RunMenuCommand(app, kMenuStartGame), platform::ProgramExit);
    const Board atExit = app.board;
    const std::optional<StoredGame> stored = ReadStoredGame(FileText(kGameFile));
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->timed);
    EXPECT_GE(stored->elapsed, 50);
    EXPECT_EQ(stored->history.steps.size(), 2u);
    app.autosave = {};  // the first game's hold on the file goes with it

    App again;
    StartUp(again);
    again.window.QueueMessageBoxAnswer(MessageButton::First);
    again.window.PostInput({platform::kKeyUp, 'A', 0, 0});
    OfferStoredGame(again);
    EXPECT_EQ(again.window.LastMessageBoxText(), "Letztes Spiel fortsetzen?");
    EXPECT_EQ(again.board.CellValue, atExit.CellValue);
    EXPECT_EQ(again.board.GivenValue, atExit.GivenValue);
    EXPECT_EQ(again.board.CandidateMark, atExit.CandidateMark);
    EXPECT_EQ(again.board.Cell(7, e.x, e.y), 4);
    EXPECT_TRUE(again.board.Mark(7, f.x, f.y, 3));
    bool shown = false;  // the history stands where the board does: F is taken back
    ASSERT_TRUE(UndoStep(again.board, again.history, shown));
    EXPECT_FALSE(again.board.Mark(7, f.x, f.y, 3));
    EXPECT_GE(platform::Timer() - again.clock.StartTime, stored->elapsed);  // the clock went on from there
    Flush(again);
    EXPECT_FALSE(ReadStoredGame(FileText(kGameFile))->timed);  // A ended the timed game
}

TEST_F(Autosave, NoKeepsTheStoredGameUntilANewBoardIsDealt) {
    StoredGame game;
    game.board = puzzle;
    const std::string text = StoredGameText(game);
    std::ofstream(kGameFile, std::ios::binary) << text;
    app.window.QueueMessageBoxAnswer(MessageButton::Second);
    OfferStoredGame(app);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Letztes Spiel fortsetzen?");
    EXPECT_EQ(app.board.GivenValue, Board{}.GivenValue);  // the start screen's empty board
    KeyUp('A');
    RunMenuCommand(app, kMenuStartGame);  // playing the empty board keeps nothing
    Flush(app);
    EXPECT_EQ(FileText(kGameFile), text);

    PlantLevelFile();
    KeyUp('A');
    RunMenuCommand(app, kMenuNewGame);
    Flush(app);
    const std::optional<StoredGame> dealt = ReadStoredGame(FileText(kGameFile));
    ASSERT_TRUE(dealt);
    EXPECT_EQ(dealt->board.CellValue, app.board.CellValue);
}

TEST_F(Autosave, ASolvedBoardIsNotKept) {
    OfferStoredGame(app);
    app.board = Solved(puzzle);
    const CellRef c = FindCell(5, false, 4, 4);
    ASSERT_FALSE(PartnerCell(5, c.x, c.y));  // one copy to clear
    const int digit = app.board.Cell(5, c.x, c.y);
    app.board.Cell(5, c.x, c.y) = 0;
    KeyUp('A');
    RunMenuCommand(app, kMenuStartGame);
    Flush(app);
    EXPECT_TRUE(fs::exists(kGameFile));
    ClickCell(5, c.x, c.y), Type('0' + digit), KeyUp('A');
    RunMenuCommand(app, kMenuStartGame);
    Flush(app);
    EXPECT_EQ(app.panels.StatusText, "Brett gelöst!!! ");
    EXPECT_FALSE(fs::exists(kGameFile));
}

TEST_F(Autosave, ADamagedFileIsSetAsideAndNotOffered) {
    std::ofstream(kGameFile) << "{\"format\": \"Dreizehner-Spielstand\", \"version\": 1, \"lev";
    std::ofstream(std::string(kGameFile) + ".beschädigt") << "an older one";
    app.window.QueueMessageBoxAnswer(MessageButton::First);  // OK to the notice
    OfferStoredGame(app);
    EXPECT_NE(app.window.LastMessageBoxText().find("\"spielstand.json.beschädigt-2\" beiseitegelegt"),
              std::string::npos)
        << app.window.LastMessageBoxText();
    EXPECT_FALSE(fs::exists(kGameFile));
    EXPECT_EQ(FileText(std::string(kGameFile) + ".beschädigt-2").substr(0, 10), "{\"format\":");
}

TEST_F(Autosave, ASecondGameInTheFolderLeavesTheFirstOnesGameAlone) {
    const GameFileHold first(kGameFile);
    PlantLevelFile();
    OfferStoredGame(app);
    app.window.QueueMessageBoxAnswer(MessageButton::First);
    KeyUp('F'), KeyUp('C'), KeyUp('A');
    RunMenuCommand(app, kMenuNewGame);
    EXPECT_NE(app.window.LastMessageBoxText().find("Ein anderes Dreizehner-Spiel"), std::string::npos);
    EXPECT_FALSE(fs::exists(kGameFile));
}

}  // namespace
}  // namespace drz::test
