#include "engine/place_digit.h"

#include "board/geometry.h"

namespace drz {

void PlaceDigit(Board& board, int k, int x, int y, int d) {
    const auto value = static_cast<std::uint8_t>(d);
    board.Cell(k, x, y) = value;
    if (const auto partner = PartnerCell(k, x, y)) board.Cell(partner->k, partner->x, partner->y) = value;
}

}  // namespace drz
