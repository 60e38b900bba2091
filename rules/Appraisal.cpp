#include "rules/Appraisal.h"

#include <cmath>

#include "session/Process.h"

namespace {

int32_t Margin(int32_t evaluate)
{
    if (evaluate >= 4 && evaluate <= 7)
        return 45;
    if (evaluate >= 8 && evaluate <= 11)
        return 40;
    if (evaluate >= 12 && evaluate <= 15)
        return 30;
    if (evaluate >= 16 && evaluate <= 19)
        return 20;
    if (evaluate >= 20 && evaluate <= 23)
        return 15;
    if (evaluate == 24)
        return 10;
    return 50;
}

} // namespace

int32_t EstimatedPrice(int32_t evaluate, int32_t basePrice)
{
    TRandomSource& source = Process().Random;
    const int32_t off = source.Random(Margin(evaluate));
    // Halves round to even, as the price lists do.
    const auto change = static_cast<int32_t>(std::nearbyint(off / 100.0 * basePrice));
    return source.Random(2) == 0 ? basePrice - change : basePrice + change;
}
