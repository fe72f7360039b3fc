#include "oracle/puzzle_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "oracle/board_factory.h"
#include "oracle/lattice.h"

namespace drz::oracle {

Board ParsePuzzle(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] == '#') continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.size() != kLatticeSize) throw std::runtime_error("puzzle: expected 33 lattice lines");
    Board board;
    for (const auto& [X, Y] : BoardLatticeCells()) {
        const std::string& line = lines[Y];
        const char c = X < static_cast<int>(line.size()) ? line[X] : ' ';
        if (c == '.') continue;
        if (c < '1' || c > '9') throw std::runtime_error("puzzle: bad character in line " + std::to_string(Y + 1));
        const auto digit = static_cast<std::uint8_t>(c - '0');
        const LatticeCopies copies = CopiesOf(X, Y);
        for (int i = 0; i < copies.count; ++i) {
            board.Cell(copies.copy[i].k, copies.copy[i].x, copies.copy[i].y) = digit;
            board.Given(copies.copy[i].k, copies.copy[i].x, copies.copy[i].y) = digit;
        }
    }
    return board;
}

std::string FormatPuzzle(const Board& board, const std::string& remark) {
    std::string text = "# " + remark + "\n";
    for (int Y = 0; Y < kLatticeSize; ++Y) {
        std::string line(kLatticeSize, ' ');
        for (int X = 0; X < kLatticeSize; ++X) {
            const LatticeCopies copies = CopiesOf(X, Y);
            if (copies.count == 0) continue;
            const std::uint8_t v = board.Cell(copies.copy[0].k, copies.copy[0].x, copies.copy[0].y);
            line[X] = v >= 1 && v <= 9 ? static_cast<char>('0' + v) : '.';
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::filesystem::path PuzzleFolder() {
    if (const char* env = std::getenv("DRZ_PUZZLE_DIR"); env != nullptr && *env != '\0') return env;
    std::error_code error;
    for (std::filesystem::path dir = std::filesystem::current_path(error); !dir.empty(); dir = dir.parent_path()) {
        std::filesystem::path candidate = dir / "data" / "puzzles";
        if (std::filesystem::is_directory(candidate, error)) return candidate;
        if (dir == dir.root_path()) break;
    }
    return {};
}

Board LoadPuzzle(const std::string& name) {
    const std::filesystem::path folder = PuzzleFolder();
    if (folder.empty()) throw std::runtime_error("data/puzzles not found (set DRZ_PUZZLE_DIR)");
    std::ifstream file(folder / name);
    if (!file) throw std::runtime_error("cannot read " + (folder / name).string());
    std::ostringstream text;
    text << file.rdbuf();
    return ParsePuzzle(text.str());
}

}  // namespace drz::oracle
