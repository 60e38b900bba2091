#include "platform/Random.h"

#include <chrono>

TRandomSource::TRandomSource()
{
    Seed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void TRandomSource::Seed(uint64_t seed)
{
    State = seed;
    Forced.clear();
}

// splitmix64: small, fast, and the same on every platform, so a seeded run replays.
uint64_t TRandomSource::NextBits()
{
    uint64_t z = (State += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int TRandomSource::Random(int n)
{
    return static_cast<int>(Random64(n));
}

int64_t TRandomSource::Random64(int64_t n)
{
    if (n <= 0)
        return 0;
    if (!Forced.empty()) {
        const int64_t value = Forced.front();
        Forced.pop_front();
        const int64_t reduced = value % n;
        return reduced < 0 ? reduced + n : reduced;
    }
    // Reject the top sliver so every value is equally likely.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t bits;
    do
        bits = NextBits();
    while (bits >= limit);
    return static_cast<int64_t>(bits % range);
}

void TRandomSource::Force(const std::vector<int>& values)
{
    Forced.insert(Forced.end(), values.begin(), values.end());
}
