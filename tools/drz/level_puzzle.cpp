#include "level_puzzle.h"

#include <sstream>

namespace drz::tool {

std::string PuzzleText(const CellDigits& givens, const std::string& remarks) {
    std::string lattice(33 * 33, ' ');
    const DistinctCells& m = TheDistinctCells();
    for (int id = 0; id < 909; ++id)
        lattice[m.cell[id].lattice] = givens[id] == 0 ? '.' : static_cast<char>('0' + givens[id]);
    std::ostringstream text;
    std::istringstream lines(remarks);
    for (std::string line; std::getline(lines, line);) text << "# " << line << "\n";
    for (int row = 0; row < 33; ++row) {
        std::string line = lattice.substr(33 * row, 33);
        line.erase(line.find_last_not_of(' ') + 1);
        text << line << "\n";
    }
    return text.str();
}

}  // namespace drz::tool
