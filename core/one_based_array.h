#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace zarvel {

// A fixed array indexed 1 to N, as the reading state's slot numbers are.
// Keeping the numbering of the layout avoids off-by-one translations
// between slot numbers in the rules and array positions in the code.
template <typename T, int N> class OneBasedArray {
public:
    static constexpr int First = 1;
    static constexpr int Last = N;

    T &operator[](int k)
    {
        assert(k >= First && k <= Last);
        return items_[static_cast<std::size_t>(k - 1)];
    }
    const T &operator[](int k) const
    {
        assert(k >= First && k <= Last);
        return items_[static_cast<std::size_t>(k - 1)];
    }
    bool operator==(const OneBasedArray &) const = default;

private:
    std::array<T, N> items_{};
};

} // namespace zarvel
