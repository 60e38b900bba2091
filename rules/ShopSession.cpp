// Opening and closing a shop, its stock, and buying and selling.
#include "rules/ShopSession.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "app/GraphicInfoForm.h"
#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/ShopPrices.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"

namespace {

// The codes of loc_cont.ctype that shop_contents keeps its goods under.
constexpr int ContainerCode = 4;
constexpr int ItemCode = 5;
constexpr int WeaponCode = 6;

const std::vector<std::string> MenuEntries = {"View items for buying", "Additional options",
                                              "Offer items for selling", "Exit"};

void Say(const std::string& text)
{
    Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
}

// The line of a stack of 2 or more starts with how many there are.
std::string GoodsText(const TGoodsEntry& entry)
{
    return entry.Stack >= 2 ? "(" + std::to_string(entry.Stack) + ") " + entry.Label : entry.Label;
}

std::string PricedName(int32_t price, const TItem& object)
{
    return std::to_string(price) + "gp " + ItemDisplayName(&object);
}

void ReadTypes(const TRecordSet& rows, const char* column, std::bitset<256>& types)
{
    for (const auto& row : rows) {
        const int32_t type = StrToIntDef(row->GetItem(column), -1);
        if (type >= 0 && type < static_cast<int32_t>(types.size()))
            types.set(type);
    }
}

} // namespace

std::shared_ptr<TShopSession> TShopSession::Create(const std::string& name, int32_t saleDiscount, int32_t markup,
                                                   int64_t shopId)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    if (!BookOpen() || client.SessionClosed || !form.DataManager || !Process().SessionDb || !client.Options)
        return nullptr;
    std::shared_ptr<TShopSession> shop(new TShopSession);
    shop->ShopId = shopId;
    shop->SaleDiscount = ShopSaleDiscount(saleDiscount);
    shop->Markup = ShopMarkup(markup);
    ReadTypes(form.DataManager->GetShopItemTypes(shopId), "item_type_id", shop->BuyItemTypes);
    ReadTypes(form.DataManager->GetShopWeaponTypes(shopId), "weapon_type_id", shop->BuyWeaponTypes);
    shop->LoadGoods();
    // A stock row naming nothing is said in a box, and the game may have ended meanwhile.
    if (!BookOpen() || client.SessionClosed || !client.Options)
        return nullptr;

    form.Control("LblShopName").Caption = name;
    client.Trading = true;
    form.Control("BtnBuy").Enabled = true;
    form.Control("BtnInfo").Enabled = true;
    form.Control("BtnSell").Enabled = false;
    client.SetPlayControlsEnabled(false);
    shop->ListGoods();
    return shop;
}

TShopSession::~TShopSession() = default;

void TShopSession::LoadGoods()
{
    TDataManager& data = *MainForm().DataManager;
    for (const auto& row : data.GetShopContents(ShopId)) {
        const int type = StrToIntDef(row->GetItem("type_id"), 0);
        const int64_t id = StrToInt64Def(row->GetItem("cont_id"), 0);
        std::unique_ptr<TItem> object;
        if (type == ContainerCode) {
            object = std::make_unique<TItem>();
            data.LoadContainer(id, object.get());
        } else if (type == ItemCode) {
            object = std::make_unique<TItem>();
            data.LoadItem(id, object.get(), false);
        } else if (type == WeaponCode) {
            auto weapon = std::make_unique<TWeapon>();
            data.LoadWeapon(id, weapon.get(), false);
            object = std::move(weapon);
        } else {
            continue;
        }
        TGoodsEntry entry;
        entry.Stack = StrToInt(row->GetItem("stack"));
        // A row naming nothing (said by the loader) sells nothing and is not written back.
        if (object->Id != 0)
            PutOnSale(entry, std::move(object));
        Goods.push_back(std::move(entry));
    }
}

void TShopSession::AddService(const std::string& name, int32_t price, int32_t kind)
{
    // A service without a name could not be offered.
    if (!GameClient().Trading || !Current() || name.empty())
        return;
    Services.push_back({name, std::max(price, 0), kind});
}

bool TShopSession::Current() const
{
    const TProcess& process = Process();
    return !FClosed && process.MainForm && process.MainForm->ShopSession.get() == this && process.Client &&
           !process.Client->SessionClosed && BookOpen();
}

bool TShopSession::Deals(const TItem& object) const
{
    if (!object.Identified || object.Container)
        return false;
    if (const auto* weapon = dynamic_cast<const TWeapon*>(&object))
        return weapon->WeaponType + 1 < static_cast<int>(BuyWeaponTypes.size()) &&
               BuyWeaponTypes.test(weapon->WeaponType + 1);
    return object.type_id >= 0 && object.type_id < static_cast<int32_t>(BuyItemTypes.size()) &&
           BuyItemTypes.test(object.type_id);
}

TPlayer* TShopSession::SelectedMember() const
{
    return MainForm().Member(Process().SelectedMember);
}

void TShopSession::PutOnSale(TGoodsEntry& entry, std::unique_ptr<TItem> object)
{
    entry.Price = SellingPrice(object->base_price, Markup);
    entry.Label = PricedName(entry.Price, *object);
    entry.Object = std::move(object);
}

TControlState& TShopSession::EmptyList()
{
    TControlState& list = MainForm().Control("ShopList");
    list.Items.clear();
    list.ItemIndex = -1;
    SellSlots.clear();
    SellMember = 0;
    return list;
}

void TShopSession::ListGoods()
{
    TControlState& list = EmptyList();
    for (const TGoodsEntry& entry : Goods)
        if (entry.Object)
            list.Items.push_back(GoodsText(entry));
}

TGoodsEntry* TShopSession::GoodsLine(int line)
{
    if (line < 0)
        return nullptr;
    for (TGoodsEntry& entry : Goods)
        if (entry.Object && line-- == 0)
            return &entry;
    return nullptr;
}

void TShopSession::ListSellable(int slot)
{
    TControlState& list = EmptyList();
    TPlayer* member = MainForm().Member(slot);
    if (!member)
        return;
    SellMember = slot;
    for (int place = 1; place <= BackpackSlotCount; ++place)
        if (const TItem* object = member->Backpack[place - 1].get(); object && Deals(*object)) {
            list.Items.push_back(PricedName(BuyingPrice(object->base_price, SaleDiscount), *object));
            SellSlots.push_back(place);
        }
}

std::unique_ptr<TItem> TShopSession::TakeForSale(TGoodsEntry& entry)
{
    const TItem& object = *entry.Object;
    // A container's template is itself: a copy would copy its contents and gold.
    if (object.Id != object.TemplateId || object.Container)
        return std::move(entry.Object);
    TDataManager& data = *MainForm().DataManager;
    std::unique_ptr<TItem> fresh;
    if (dynamic_cast<const TWeapon*>(&object)) {
        auto weapon = std::make_unique<TWeapon>();
        data.LoadWeapon(object.TemplateId, weapon.get(), true);
        fresh = std::move(weapon);
    } else {
        fresh = std::make_unique<TItem>();
        data.LoadItem(object.TemplateId, fresh.get(), true);
    }
    // The loader has said why it could not make one.
    return fresh->Id != 0 ? std::move(fresh) : nullptr;
}

void TShopSession::Buy(int slot)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    TPlayer* member = form.Member(slot);
    if (!Current() || !member)
        return;
    const int free = member->FirstFreeBackpackSlot();
    if (!free) {
        Say("Inventory is full");
        return;
    }
    TControlState& list = form.Control("ShopList");
    const int line = list.ItemIndex;
    TGoodsEntry* entry = GoodsLine(line);
    if (!entry)
        return;
    if (entry->Price > client.PartyGold) {
        Say("Not enough gold.");
        return;
    }
    // Made before any gold moves: a copy that fails costs nothing.
    std::unique_ptr<TItem> bought = TakeForSale(*entry);
    if (!bought)
        return;
    client.PartyGold -= entry->Price;
    client.RefreshGoldLabels();
    member->PutInBackpack(bought, free);
    if (entry->Stack > 0)
        --entry->Stack;
    if (entry->Object && entry->Stack == 0)
        entry->Object.reset();
    if (entry->Object) {
        list.Items[line] = GoodsText(*entry);
    } else {
        list.Items.erase(list.Items.begin() + line);
        list.ItemIndex = -1;
    }
    client.RefreshMemberPanel(slot);
}

void TShopSession::Stock(std::unique_ptr<TItem> object)
{
    auto empty = std::find_if(Goods.begin(), Goods.end(), [](const TGoodsEntry& entry) { return !entry.Object; });
    if (empty == Goods.end())
        empty = Goods.insert(Goods.end(), TGoodsEntry());
    empty->Stack = 1;
    PutOnSale(*empty, std::move(object));
}

void TShopSession::Sell(int slot)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    TPlayer* member = form.Member(slot);
    if (!Current() || !member)
        return;
    TControlState& list = form.Control("ShopList");
    const int line = list.ItemIndex;
    if (line < 0 || line >= static_cast<int>(SellSlots.size()))
        return;
    const int place = SellSlots[line];
    const TItem* object = member->Backpack[place - 1].get();
    // The list shows another member's things, or ones that have moved since.
    if (slot != SellMember || !object || !Deals(*object)) {
        ListSellable(slot);
        return;
    }
    const int64_t gold = int64_t(client.PartyGold) + BuyingPrice(object->base_price, SaleDiscount);
    SellSlots.erase(SellSlots.begin() + line);
    client.PartyGold = static_cast<int32_t>(std::min<int64_t>(gold, std::numeric_limits<int32_t>::max()));
    client.RefreshGoldLabels();
    Stock(member->TakeFromSlot(place, 1));
    list.Items.erase(list.Items.begin() + line);
    list.ItemIndex = -1;
    client.RefreshMemberPanel(slot);
}

void TShopSession::ShowInfo()
{
    const TGoodsEntry* entry = GoodsLine(MainForm().Control("ShopList").ItemIndex);
    if (Current() && entry)
        ShowItemInformation(*entry->Object, MainForm().Member(Process().SelectedMember));
}

int TShopSession::Offer(const std::vector<std::string>& entries)
{
    TGameClient& client = GameClient();
    if (!Current() || !client.Options)
        return -1;
    TOptionManager& options = *client.Options;
    options.ClearLabels();
    for (const std::string& entry : entries)
        options.ShowChoice(entry);
    client.ChoiceResult = 0;
    client.SetPlayControlsEnabled(false);
    // The manager may be gone afterwards (the book closed): only the client is read.
    const int32_t picked = options.WaitForChoice();
    return Current() ? picked : -1;
}

void TShopSession::RunMenu(TScriptObject* script)
{
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    if (!client.Trading || MenuRunning || !Current())
        return;
    // The shop lives on while its loop runs, whoever closes it meanwhile.
    const std::shared_ptr<TShopSession> self = shared_from_this();
    MenuRunning = true;
    client.Options->PushLevel();
    // The shop panel takes the small map's place.
    form.Control("PanelMap").Visible = false;
    form.Control("PanelShop").Visible = true;
    try {
        for (;;) {
            const int picked = Offer(MenuEntries);
            if (picked < 1 || picked > 3)
                break;
            if (picked == 2) {
                RunServices(script);
                continue;
            }
            const bool buying = picked == 1;
            form.Control("BtnBuy").Enabled = buying;
            form.Control("BtnInfo").Enabled = buying;
            form.Control("BtnSell").Enabled = !buying;
            if (buying)
                ListGoods();
            else
                ListSellable(Process().SelectedMember);
        }
    } catch (...) {
        Close();
        throw;
    }
    // Closing clears every choice, the put-aside ones with the menu's.
    Close();
    if (form.ShopSession == self)
        form.ShopSession.reset();
}

void TShopSession::WriteStock()
{
    TSQLite3* db = Process().SessionDb.get();
    if (!db)
        return;
    const std::string shop = std::to_string(ShopId);
    TTransaction transaction(*db);
    db->Execute("delete from shop_contents where shop_id = " + shop);
    for (const TGoodsEntry& entry : Goods) {
        if (!entry.Object)
            continue;
        const TItem& object = *entry.Object;
        const int code = object.Container                          ? ContainerCode
                         : dynamic_cast<const TWeapon*>(&object) ? WeaponCode
                                                                  : ItemCode;
        db->Execute("insert into shop_contents(shop_id,cont_id,type_id,stack) values(" + shop + ", " +
                    std::to_string(object.Id) + ", " + std::to_string(code) + " , " + std::to_string(entry.Stack) +
                    ")");
    }
    transaction.Commit();
}

void TShopSession::Close()
{
    if (FClosed)
        return;
    FClosed = true;
    TForm1& form = MainForm();
    TGameClient& client = GameClient();
    Services.clear();
    std::string failure;
    try {
        WriteStock();
    } catch (const std::exception& error) {
        failure = error.what();
    }
    Goods.clear();
    client.Trading = false;
    MenuRunning = false;
    if (client.Options)
        client.Options->ClearAll();
    form.Control("PanelShop").Visible = false;
    form.Control("PanelMap").Visible = true;
    EmptyList();
    client.SetPlayControlsEnabled(true);
    if (!failure.empty())
        Host().MessageDlg("The shop's goods could not be stored: " + failure, TMsgDlgType::Error, mbOK);
}

void CloseShop()
{
    TProcess& process = Process();
    if (!process.MainForm)
        return;
    if (const std::shared_ptr<TShopSession> shop = std::move(process.MainForm->ShopSession))
        shop->Close();
}
