#pragma once

#include <random>
#include <vector>

// New orders of a table of count rows in which the selected rows (0-based, ascending) move as
// one block, keeping their order. Each answer is an order: element i is the row that goes to
// position i.
namespace RowMoves {

// One place up (step -1) or down (step 1); a selected row at the edge, or held by one that is,
// stays where it is.
std::vector<int> movedBy(int count, const std::vector<int> &selected, int step);
// In front of the row at position (count: after the last row), the others keeping their order.
std::vector<int> movedTo(int count, const std::vector<int> &selected, int position);
// The rows at the places (ascending) in a random order among those places.
std::vector<int> shuffled(int count, const std::vector<int> &places, std::mt19937 &random);
// The order, kept to the places (ascending): the rows at the places take them in the order's
// sequence, and every other row stays where it is.
std::vector<int> amongPlaces(const std::vector<int> &order, const std::vector<int> &places);

} // namespace RowMoves
