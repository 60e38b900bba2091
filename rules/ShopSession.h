// A shop a script opens: its stock from shop_contents, the item and weapon types
// it buys, and the services it offers, all paid from the party's gold. While it
// is open the main window shows the shop panel and the player trades through its
// menu of choices; when it closes the stock is written back.
//
// Gold and goods always move together: every step checks, after each wait, that
// the shop, the member and the object are still there, and moves nothing
// otherwise. A shop closed while its menu runs (the book closed) stays valid for
// the menu loop, which then leaves at once.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TItem;
struct TControlState;
class TPlayer;
class TScriptObject;

struct TGoodsEntry {
    // Owned by the shop; null once sold out or bought away (the entry stays).
    std::unique_ptr<TItem> Object;
    // How many the shop has; a base object sells until it reaches 0.
    int32_t Stack = 0;
    int32_t Price = 0;
    // Price, "gp " and the object's name.
    std::string Label;
};

// Service kinds: 1 identification, 2 recharging, below 0 or above 100 the shop
// script's own; any other kind does nothing.
constexpr int32_t IdentifyService = 1;
constexpr int32_t RechargeService = 2;

struct TServiceEntry {
    std::string Name;
    int32_t Price = 0;
    int32_t Kind = 0;
};

class TShopSession : public std::enable_shared_from_this<TShopSession> {
public:
    // Opens shop shopId of the game: its stock and the types it buys are read,
    // the panel prepared and the play controls switched off. Null, with nothing
    // changed, when no game is open. A stock row the database cannot read raises,
    // with nothing changed either.
    static std::shared_ptr<TShopSession> Create(const std::string& name, int32_t saleDiscount, int32_t markup,
                                                int64_t shopId);
    ~TShopSession();
    TShopSession(const TShopSession&) = delete;
    TShopSession& operator=(const TShopSession&) = delete;

    // A service on the menu's additional options (a negative price is 0).
    void AddService(const std::string& name, int32_t price, int32_t kind);
    // The shop's menu until the player leaves it; then the shop closes. The script
    // gets the services of its own kinds.
    void RunMenu(TScriptObject* script);
    // The sell list of the member in party slot 1..6.
    void ListSellable(int slot);
    // The three buttons: the selected goods line to the member in slot, the
    // selected sell line from it, and what the selected goods line is.
    void Buy(int slot);
    void Sell(int slot);
    void ShowInfo();
    // Writes the stock back and closes the shop: the panel goes, the choices are
    // cleared and the play controls come back. The object stays valid for whoever
    // still runs in it; a closed shop does nothing more.
    void Close();

    // Still the main window's open shop, in an open game.
    bool Current() const;
    // Whether the shop buys the object: identified, and of a type it deals in;
    // never a container.
    bool Deals(const TItem& object) const;

    std::vector<TGoodsEntry> Goods;
    std::vector<TServiceEntry> Services;
    // The backpack slot (1..15) each line of the sell list stands for.
    std::vector<int> SellSlots;
    int32_t SaleDiscount = 10;
    int32_t Markup = 15;
    int64_t ShopId = 0;
    std::bitset<256> BuyItemTypes;
    // Weapon types counted from 1, as weapons_to_buy keeps them.
    std::bitset<256> BuyWeaponTypes;
    bool MenuRunning = false;

private:
    TShopSession() = default;

    // The stock rows of the shop, made into goods.
    void LoadGoods();
    // The object for sale in the entry, with its price and label.
    void PutOnSale(TGoodsEntry& entry, std::unique_ptr<TItem> object);
    // ShopList, and the sell list's slots, emptied.
    TControlState& EmptyList();
    // The shop's lines for sale, each with its stack in front from 2 up.
    void ListGoods();
    // The entry the n-th goods line stands for, or null.
    TGoodsEntry* GoodsLine(int line);
    // The object to hand over for an entry: a fresh copy of a base object, the
    // entry's own object otherwise; null when a copy could not be made.
    std::unique_ptr<TItem> TakeForSale(TGoodsEntry& entry);
    // The object goes on sale in the first empty entry, or a new one.
    void Stock(std::unique_ptr<TItem> object);
    // The labels, shown anew, and the wait for the player's pick: 1.. the entry,
    // -1 cancelled or the shop gone meanwhile.
    int Offer(const std::vector<std::string>& entries);
    // The additional options until "Back".
    void RunServices(TScriptObject* script);
    void Recharge();
    void Identify(int32_t price);
    void ScriptService(const TServiceEntry& service, TScriptObject* script);
    void WriteStock();
    // The selected member, in its party slot, or null.
    TPlayer* SelectedMember() const;

    // The party slot whose sell list is shown; 0 for none.
    int SellMember = 0;
    bool FClosed = false;
};

// Closes the main window's shop, if any.
void CloseShop();
