// What a shop asks and pays, in whole gold pieces: its markup on what it sells
// and on recharging, its discount on what it buys. A price that lands on a half
// goes to the even neighbour (11.5 is 12, 34.5 is 34).
#pragma once

#include <cstdint>

// The percentages a shop opens with: a markup below 0 is 15; a sale discount
// below 0 or above 100 is 10.
int32_t ShopMarkup(int32_t markup);
int32_t ShopSaleDiscount(int32_t saleDiscount);

// base price + markup percent of it.
int32_t SellingPrice(int32_t basePrice, int32_t markup);
// base price - sale discount percent of it.
int32_t BuyingPrice(int32_t basePrice, int32_t saleDiscount);
// The missing charges at the recharge price each, with the markup on top.
int32_t RechargeCost(int32_t charges, int32_t currentCharges, int32_t rechargePrice, int32_t markup);
