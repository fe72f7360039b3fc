// rule_sets.h — the fast and the literal rule operations side by side, so one test can run against both.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "board/board.h"
#include "engine/rules.h"
#include "oracle/literal_rules.h"

namespace drz::test {

struct RuleSet {
    const char* name;
    bool (*boardValid)(const Board&);
    bool (*boxValid)(const Board&, int, int, int);
    bool (*noDeadCell)(const Board&);
    void (*computeCandidates)(Board&);
    void (*mergeSharedCandidates)(Board&);
};

inline const RuleSet kFastRules{"fast", BoardValid, BoxValid, NoDeadCell, ComputeCandidates, MergeSharedCandidates};
inline const RuleSet kLiteralRules{"literal",
                                   oracle::LiteralBoardValid,
                                   oracle::LiteralBoxValid,
                                   oracle::LiteralNoDeadCell,
                                   oracle::LiteralComputeCandidates,
                                   oracle::LiteralMergeSharedCandidates};

inline std::ostream& operator<<(std::ostream& out, const RuleSet& rules) { return out << rules.name; }

inline std::string RuleSetName(const testing::TestParamInfo<RuleSet>& info) { return info.param.name; }

}  // namespace drz::test
