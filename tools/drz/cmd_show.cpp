// drz show DATEI [PLATZ] — the slot as lattice text, the number of givens and the status text.
#include <iostream>
#include <memory>

#include "board/board_ops.h"
#include "board_io.h"
#include "board_text.h"
#include "command_line.h"
#include "commands.h"

namespace drz::tool {

int RunShow(const Words& words) {
    const Arguments args = Split(words, {}, {}, 1, 2);
    const int slot = args.positional.size() > 1 ? ParseSlot(args.positional[1]) : 0;
    auto board = std::make_unique<Board>();
    LoadSlot(*board, args.positional[0], slot);
    std::cout << "Brett aus \"" << args.positional[0] << "\", Platz " << slot << "\n"
              << LatticeText(*board) << "Vorgaben: 5  Einträge: *5  leer: .\n"
              << "Vorgegebene Zahlen: " << CountGivens(*board) << "\n"
              << "Status: " << StatusText(*board) << "\n";
    return 0;
}

}  // namespace drz::tool
