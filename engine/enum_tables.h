#pragma once

#include <array>
#include <cstddef>

namespace varnholt {

template <typename E>
constexpr std::size_t index(E e) {
    return static_cast<std::size_t>(e);
}

// The checks that keep a table beside an enumeration whole: the count follows the last
// enumerator, and a table that lists the enumerators or names them has every entry filled, in
// order, so an enumerator added without its entry stops the build.
template <typename E, std::size_t N>
constexpr bool listsInOrder(const std::array<E, N>& all) {
    for (std::size_t i = 0; i < N; ++i)
        if (index(all[i]) != i) return false;
    return true;
}
template <typename T, std::size_t N>
constexpr bool noEntryMissing(const std::array<T, N>& table) {
    for (const T& entry : table)
        if (entry == T{}) return false;
    return true;
}

}  // namespace varnholt
