#include "rules/ShopPrices.h"

#include <algorithm>
#include <limits>

namespace {

// hundredths / 100 to the nearest whole number, a half to the even one; never
// below 0 (a shop gives nothing away) and never beyond what gold can count.
int32_t WholeGold(int64_t hundredths)
{
    if (hundredths <= 0)
        return 0;
    int64_t whole = hundredths / 100;
    const int64_t rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && whole % 2 == 1))
        ++whole;
    return static_cast<int32_t>(std::min<int64_t>(whole, std::numeric_limits<int32_t>::max()));
}

// The product, or the farthest int64 of its sign when it overflows: so much gold
// is beyond what a price can say anyway.
int64_t Product(int64_t first, int64_t second)
{
    int64_t product;
    if (__builtin_mul_overflow(first, second, &product))
        return (first < 0) != (second < 0) ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    return product;
}

} // namespace

int32_t ShopMarkup(int32_t markup)
{
    return markup < 0 ? 15 : markup;
}

int32_t ShopSaleDiscount(int32_t saleDiscount)
{
    return saleDiscount < 0 || saleDiscount > 100 ? 10 : saleDiscount;
}

int32_t SellingPrice(int32_t basePrice, int32_t markup)
{
    return WholeGold(Product(basePrice, 100 + int64_t(markup)));
}

int32_t BuyingPrice(int32_t basePrice, int32_t saleDiscount)
{
    return WholeGold(Product(basePrice, 100 - int64_t(saleDiscount)));
}

int32_t RechargeCost(int32_t charges, int32_t currentCharges, int32_t rechargePrice, int32_t markup)
{
    const int64_t missing = int64_t(charges) - currentCharges;
    return WholeGold(Product(Product(missing, rechargePrice), 100 + int64_t(markup)));
}
