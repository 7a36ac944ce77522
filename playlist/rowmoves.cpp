#include "playlist/rowmoves.h"

#include <algorithm>
#include <numeric>

namespace RowMoves {

namespace {

std::vector<bool> marked(int count, const std::vector<int> &selected) {
    std::vector<bool> isSelected(size_t(count), false);
    for (const int row : selected)
        isSelected[size_t(row)] = true;
    return isSelected;
}

std::vector<int> identity(int count) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

} // namespace

std::vector<int> movedBy(int count, const std::vector<int> &selected, int step) {
    const std::vector<bool> isSelected = marked(count, selected);
    std::vector<int> order = identity(count);
    // Walking against the move, a block passes the row beside it one row at a time.
    const auto pass = [&](size_t ahead, size_t behind) {
        if (isSelected[size_t(order[behind])] && !isSelected[size_t(order[ahead])])
            std::swap(order[ahead], order[behind]);
    };
    if (step < 0) {
        for (size_t i = 1; i < order.size(); ++i)
            pass(i - 1, i);
    } else {
        for (size_t i = order.size(); i-- > 1;)
            pass(i, i - 1);
    }
    return order;
}

std::vector<int> movedTo(int count, const std::vector<int> &selected, int position) {
    const std::vector<bool> isSelected = marked(count, selected);
    std::vector<int> order;
    order.reserve(size_t(count));
    for (int row = 0; row < position; ++row) {
        if (!isSelected[size_t(row)])
            order.push_back(row);
    }
    order.insert(order.end(), selected.cbegin(), selected.cend());
    for (int row = position; row < count; ++row) {
        if (!isSelected[size_t(row)])
            order.push_back(row);
    }
    return order;
}

std::vector<int> shuffled(int count, const std::vector<int> &places, std::mt19937 &random) {
    std::vector<int> order = identity(count);
    std::vector<int> rows = places;
    std::shuffle(rows.begin(), rows.end(), random);
    for (size_t i = 0; i < places.size(); ++i)
        order[size_t(places[i])] = rows[i];
    return order;
}

std::vector<int> amongPlaces(const std::vector<int> &order, const std::vector<int> &places) {
    if (places.size() == order.size())
        return order;
    const std::vector<bool> isPlace = marked(int(order.size()), places);
    std::vector<int> result = identity(int(order.size()));
    auto place = places.cbegin();
    for (const int row : order) {
        if (isPlace[size_t(row)])
            result[size_t(*place++)] = row;
    }
    return result;
}

} // namespace RowMoves
