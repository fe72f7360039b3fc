// puzzle_files.h — the committed puzzles under data/puzzles: finding the folder, reading and writing their lattice
// text.
#pragma once

#include <filesystem>
#include <string>

#include "board/board.h"

namespace drz::oracle {

// A puzzle file is the 33 x 33 lattice as 33 lines of 33 characters: a blank off the board, "." for an
// empty cell, "1".."9" for a given. Lines starting with "#" are remarks. Every copy of a cell gets the
// value; givens go into CellValue and GivenValue.
Board ParsePuzzle(const std::string& text);
std::string FormatPuzzle(const Board& board, const std::string& remark);

// The folder data/puzzles: $DRZ_PUZZLE_DIR when set, else the first data/puzzles found going up from
// the working folder. Empty when there is none.
std::filesystem::path PuzzleFolder();
// Reads data/puzzles/<name>; throws std::runtime_error when the file is missing or malformed.
Board LoadPuzzle(const std::string& name);

}  // namespace drz::oracle
