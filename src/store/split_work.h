// Work over a range shared by both cores of the machine.
//
// Used by the hot paths of a large table (decoding its records, encoding
// its index keys), whose halves are independent. Below a size where a
// second thread costs more than it saves, all runs on the calling thread.
#pragma once

#include <cstdint>
#include <functional>

namespace store {

// Below this many items (records, keys) a second thread costs more than it saves.
inline constexpr uint32_t kWorthASecondThread = 50000;

// Runs work(0, 0, middle) on the calling thread and work(1, middle, count)
// on a second one when `count` reaches `worthAThread`; otherwise
// work(0, 0, count) alone. Waits for both, then rethrows the first half's
// failure before the second's, so a failure names the earliest place.
void splitInTwo(uint32_t count, const std::function<void(int half, uint32_t begin, uint32_t end)>& work,
                uint32_t worthAThread = kWorthASecondThread);

}  // namespace store
