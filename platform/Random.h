// The engine's one source of chance. Seedable, and a test or a replayed script can
// force the values it returns next.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

class TRandomSource {
public:
    TRandomSource();

    void Seed(uint64_t seed);
    // A uniform integer in [0, n); 0 when n is 0 or less. A forced value is
    // returned first, brought into that range.
    int Random(int n);
    // The same for any span an int64 holds, such as every int32 value at once.
    int64_t Random64(int64_t n);
    // Queues values to be returned by the next calls, in order.
    void Force(const std::vector<int>& values);
    bool HasForced() const { return !Forced.empty(); }

private:
    uint64_t NextBits();

    uint64_t State = 0;
    std::deque<int> Forced;
};
