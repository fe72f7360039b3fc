// The steps on the whole board: restart, marks, clear, shuffle, solve, load, deal.
#include "board/board_ops.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "model/board_edit.h"
#include "model/step_recorder.h"

namespace drz {

namespace {

// Passes the solver's reports on; shown candidates are recomputed before the game redraws them.
class CandidateKeepingHooks : public SolveHooks {
public:
    CandidateKeepingHooks(Board& board, SolveHooks& hooks, Candidates candidates)
        : board_(board), hooks_(hooks), candidates_(candidates) {}
    void Begin() override { hooks_.Begin(); }
    void Placed(int k, int x, int y, int d) override { hooks_.Placed(k, x, y, d); }
    void Judged(bool solved) override { hooks_.Judged(solved); }
    void Verdict(std::string_view text, std::string_view button) override { hooks_.Verdict(text, button); }
    void AfterVerdict() override {
        KeepCandidates();
        hooks_.AfterVerdict();
    }
    void End() override { hooks_.End(); }
    void EntriesCleared() override {
        KeepCandidates();
        hooks_.EntriesCleared();
    }

private:
    void KeepCandidates() {
        if (candidates_ != Candidates::Computed) return;
        ComputeCandidates(board_);
        MergeSharedCandidates(board_);
    }
    Board& board_;
    SolveHooks& hooks_;
    Candidates candidates_;
};

}  // namespace

EditStep Restart(Board& board, Candidates candidates) {
    const StepRecorder before(board);
    ClearEntries(board);
    return FinishStep(StepKind::Restart, board, before, candidates);
}

EditStep SetAllMarks(Board& board, bool on, Candidates candidates) {
    const StepRecorder before(board);
    board.SetAllMarks(on);
    return FinishStep(StepKind::SetAllMarks, board, before, candidates);
}

EditStep ClearWholeBoard(Board& board, Candidates candidates) {
    const StepRecorder before(board);
    ClearBoard(board);
    return FinishStep(StepKind::ClearBoard, board, before, candidates);
}

EditStep Shuffle(Board& board, RandomSource& random, bool symmetric, Candidates candidates) {
    const StepRecorder before(board);
    ShuffleBoard(board, random, symmetric);
    return FinishStep(StepKind::Shuffle, board, before, candidates);
}

EditStep Refresh(Board& board, Candidates candidates) {
    const StepRecorder before(board);
    return FinishStep(StepKind::Refresh, board, before, candidates);
}

EditStep Solve(Board& board, SolveHooks& hooks, bool retry, Candidates candidates) {
    const StepRecorder before(board);
    CandidateKeepingHooks keeping(board, hooks, candidates);
    if (retry) {
        SolveCommand(board, keeping);
    } else {
        SolveBoard(board, keeping);
    }
    return FinishStep(StepKind::Solve, board, before, candidates);
}

LoadStep Load(Board& board, const std::filesystem::path& file, int slot, Candidates candidates) {
    const StepRecorder before(board);
    LoadStep result;
    result.load = LoadBoardSlot(board, file, slot);
    if (result.load.BoardChanged()) SyncSharedBoxes(board);
    if (result.load.CandidatesReplaced()) candidates = Candidates::AsMarked;
    result.step = FinishStep(StepKind::Load, board, before, candidates);
    return result;
}

DealStep Deal(Board& board, int level, RandomSource& random, bool symmetric, Candidates candidates) {
    const StepRecorder before(board);
    DealStep result;
    result.deal = DealLevelBoard(board, level, random);
    if (result.deal.load.BoardChanged()) {
        SyncSharedBoxes(board);
        ShuffleBoard(board, random, symmetric);
    }
    if (result.deal.load.CandidatesReplaced()) candidates = Candidates::AsMarked;
    result.step = FinishStep(StepKind::Deal, board, before, candidates);
    return result;
}

}  // namespace drz
