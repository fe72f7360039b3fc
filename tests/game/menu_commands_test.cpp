// Menu commands: the items that work from the idle screen, the common epilogue, and the exit question.
#include <gtest/gtest.h>

#include "board/board_ops.h"
#include "display/board_view.h"
#include "display/palette.h"
#include "display/panels.h"
#include "game/app.h"
#include "game/exit.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "game/start_up.h"
#include "oracle/board_factory.h"
#include "platform/canvas.h"

namespace drz {
namespace {

class MenuCommands : public ::testing::Test {
protected:
    void SetUp() override { StartUp(app); }

    // Two screens are the same picture, pixel for pixel.
    static bool SameScreen(const platform::Canvas& a, const platform::Canvas& b) {
        for (int y = 0; y < platform::kScreenHeight; ++y)
            for (int x = 0; x < platform::kScreenWidth; ++x)
                if (!(a.PixelAt(x, y) == b.PixelAt(x, y))) {
                    ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
                    return false;
                }
        return true;
    }

    void CopyScreen(platform::Canvas& target) {
        platform::Picture all = app.display.screen.Save(0, 0, platform::kScreenWidth - 1, platform::kScreenHeight - 1);
        target.Restore(all, 0, 0);
    }

    // Gives grid 1 a given and an entry, and draws the board.
    void PutSomeDigits() {
        app.board.Cell(1, 1, 1) = 5;
        app.board.Given(1, 1, 1) = 5;
        app.board.Cell(1, 2, 1) = 7;
        RedrawCells(app.display, VerdictOf(app.board));
        ShowGivenCount(app.display);
    }

    platform::Rgb Pixel(int x, int y) { return app.display.screen.PixelAt(x, y); }

    App app;
};

TEST_F(MenuCommands, ClearBoardEmptiesEverythingAndRedraws) {
    PutSomeDigits();
    EXPECT_EQ(Pixel(29 + 2, 35 + 2), Palette[7]);  // the given's grey face
    RunMenuCommand(app, kMenuClearBoard);
    EXPECT_EQ(app.board.Cell(1, 1, 1), 0);
    EXPECT_EQ(app.board.Given(1, 1, 1), 0);
    EXPECT_EQ(app.board.Cell(1, 2, 1), 0);
    EXPECT_EQ(Pixel(29 + 2, 35 + 2), Palette[15]);
    EXPECT_EQ(app.panels.GivenCount, 0);
}

TEST_F(MenuCommands, LevelItemsMoveTheCheckAndLeaveTheBoard) {
    PutSomeDigits();
    Board before = app.board;
    RunMenuCommand(app, kMenuLevelEasy + 1);
    EXPECT_EQ(app.options.CurrentLevel, 1);
    EXPECT_TRUE(app.window.IsItemChecked(31));
    EXPECT_FALSE(app.window.IsItemChecked(30));
    EXPECT_EQ(app.board.CellValue, before.CellValue);
    EXPECT_EQ(app.board.GivenValue, before.GivenValue);
    RunMenuCommand(app, kMenuLevelEasy + 3);
    EXPECT_EQ(app.options.CurrentLevel, 3);
    EXPECT_TRUE(app.window.IsItemChecked(33));
    EXPECT_FALSE(app.window.IsItemChecked(31));
}

TEST_F(MenuCommands, LettersAndNumeralsRedrawTheDigits) {
    PutSomeDigits();
    platform::Picture numerals = app.display.screen.Save(29, 35, 29 + 65, 35 + 24);
    RunMenuCommand(app, kMenuLetters);
    EXPECT_FALSE(app.options.ShowNumerals);
    EXPECT_TRUE(app.window.IsItemChecked(41));
    EXPECT_FALSE(app.window.IsItemChecked(40));
    platform::Canvas lettersShown;
    CopyScreen(lettersShown);

    RunMenuCommand(app, kMenuNumerals);
    EXPECT_TRUE(app.options.ShowNumerals);
    EXPECT_TRUE(app.window.IsItemChecked(40));
    // The cells look as before the letters; with letters they looked different.
    platform::Canvas again;
    again.Restore(numerals, 0, 0);
    platform::Picture now = app.display.screen.Save(29, 35, 29 + 65, 35 + 24);
    platform::Canvas nowCanvas;
    nowCanvas.Restore(now, 0, 0);
    bool sameAsBefore = true, differentFromLetters = false;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 66; ++x) {
            sameAsBefore = sameAsBefore && again.PixelAt(x, y) == nowCanvas.PixelAt(x, y);
            differentFromLetters =
                differentFromLetters || !(lettersShown.PixelAt(29 + x, 35 + y) == nowCanvas.PixelAt(x, y));
        }
    EXPECT_TRUE(sameAsBefore);
    EXPECT_TRUE(differentFromLetters);
}

TEST_F(MenuCommands, CandidatesTwiceLeaveTheOptionAndClearTheMarks) {
    app.board.SetAllMarks(true);
    RunMenuCommand(app, kMenuShowCandidates);
    EXPECT_TRUE(app.options.ShowCandidates);
    EXPECT_TRUE(app.window.IsItemChecked(44));
    // An empty board shows all nine candidates in every cell: ink in the first mark's place.
    EXPECT_TRUE(app.board.Mark(1, 1, 1, 1));
    bool ink = false;
    for (int y = 35 + 2; y < 35 + 8; ++y)
        for (int x = 29 + 3; x < 29 + 9; ++x) ink = ink || Pixel(x, y) == Palette[0];
    EXPECT_TRUE(ink);

    RunMenuCommand(app, kMenuShowCandidates);
    EXPECT_FALSE(app.options.ShowCandidates);
    EXPECT_FALSE(app.window.IsItemChecked(44));
    for (bool mark : app.board.CandidateMark) ASSERT_FALSE(mark);
    for (int y = 35 + 2; y < 35 + 8; ++y)
        for (int x = 29 + 3; x < 29 + 10; ++x) EXPECT_EQ(Pixel(x, y), Palette[15]);
}

TEST_F(MenuCommands, SymmetryToggles) {
    RunMenuCommand(app, kMenuSymmetry);
    EXPECT_FALSE(app.options.SymmetricPuzzle);
    EXPECT_FALSE(app.window.IsItemChecked(45));
    RunMenuCommand(app, kMenuSymmetry);
    EXPECT_TRUE(app.options.SymmetricPuzzle);
    EXPECT_TRUE(app.window.IsItemChecked(45));
}

TEST_F(MenuCommands, EveryCommandEndsInTheIdleState) {
    for (int id : {int{kMenuClearBoard}, kMenuLevelEasy + 1, int{kMenuLevelEasy}, 7, int{kMenuSymmetry},
                   int{kMenuSymmetry}, int{kMenuNumerals}}) {
        app.display.screen.SetFill(Palette[1]);
        app.display.screen.SetForeground(Palette[1]);
        app.display.screen.FilledBox(170, 890, 300, 905);  // stands for a command bar left on screen
        RunMenuCommand(app, id);
        EXPECT_TRUE(app.window.MenuEnabled()) << id;
        EXPECT_EQ(app.panels.HelpText, "Bitte Menupunkt auswählen!") << id;
        EXPECT_EQ(Pixel(200, 898), Palette[12]) << id;
        EXPECT_FALSE(app.options.IgnoreEscape) << id;
    }
}

TEST_F(MenuCommands, DecliningTheExitQuestionChangesNothing) {
    PutSomeDigits();
    Board before = app.board;
    platform::Canvas screenBefore;
    CopyScreen(screenBefore);

    app.window.QueueMessageBoxAnswer(platform::MessageButton::Second);
    RunMenuCommand(app, kMenuExit);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Spiel beenden?");
    EXPECT_TRUE(app.window.IsOpen());
    EXPECT_EQ(app.board.CellValue, before.CellValue);
    EXPECT_EQ(app.board.GivenValue, before.GivenValue);
    EXPECT_TRUE(SameScreen(app.display.screen, screenBefore));

    // The same from the close box, inside the event wait.
    app.window.QueueMessageBoxAnswer(platform::MessageButton::Second);
    app.window.RequestClose();
    app.window.PostInput({platform::kKeyUp, 'Q', 0, 0});
    platform::InputEvent event = app.window.WaitEvent();
    EXPECT_EQ(event.message, platform::kKeyUp);
    EXPECT_TRUE(app.window.IsOpen());
    EXPECT_TRUE(app.options.IgnoreEscape);
    EXPECT_TRUE(SameScreen(app.display.screen, screenBefore));
}

TEST_F(MenuCommands, ConfirmingTheExitEndsEveryLoop) {
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.window.RequestClose();
    EXPECT_THROW(app.window.WaitEvent(), platform::ProgramExit);
    EXPECT_FALSE(app.window.IsOpen());
}

TEST_F(MenuCommands, ExitFromTheMenuThroughTheOuterLoop) {
    app.window.QueueMessageBoxAnswer(platform::MessageButton::Second);
    app.window.PostInput({platform::kMenuCommand, kMenuExit, 0, 0});
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.window.PostInput({platform::kMenuCommand, kMenuExit, 0, 0});
    EXPECT_THROW(RunEventLoop(app), platform::ProgramExit);
    EXPECT_FALSE(app.window.IsOpen());
}

}  // namespace
}  // namespace drz
