#include "scripted_random.h"

namespace zarvel::replay {

std::deque<int> LayoutDraws(int slotOne, const std::vector<int> &laterSlots, bool endDeal)
{
    constexpr int LastDrawnSlot = 39;
    std::deque<int> draws;
    for (int k = 2; k <= LastDrawnSlot; ++k) {
        const int code = laterSlots[static_cast<std::size_t>(k - 2) % laterSlots.size()];
        draws.insert(draws.end(), {code, code});
    }
    draws.push_back(slotOne);
    if (endDeal)
        draws.push_back(0); // every slot filled: 0 stands nowhere
    return draws;
}

} // namespace zarvel::replay
