// A shop's additional options: recharging, identifying and the shop script's own
// services. The game goes on while the player picks from a list, so the member,
// the object and the gold are looked at again before anything is paid.
#include <algorithm>
#include <exception>

#include "app/MainForm.h"
#include "app/SimpleChooseForm.h"
#include "data/SQLite.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/ShopPrices.h"
#include "rules/ShopSession.h"
#include "script/ScriptObject.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

void Say(const std::string& text)
{
    Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
}

// The line picked in the simple choice with these lines; -1 for none.
int PickLine(const std::vector<std::string>& lines)
{
    TFrmSimpleChoose chooser;
    TControlState& list = chooser.Control("ListBox1");
    list.Items = lines;
    if (Host().ShowModal(chooser) != mrOk || list.ItemIndex < 0 || list.ItemIndex >= static_cast<int>(lines.size()))
        return -1;
    return list.ItemIndex;
}

// Stores what the object is now: the column's value in the object's row.
void StoreObjectColumn(const TItem& object, const std::string& column, int32_t value)
{
    if (TSQLite3* db = Process().SessionDb.get())
        db->Execute(std::string(dynamic_cast<const TWeapon*>(&object) ? "update weapons" : "update items") + " set " +
                    column + " = " + std::to_string(value) + " where id = " + std::to_string(object.Id));
}

// Pays what a service costs and shows the member as it is now.
void Pay(int32_t price, int slot)
{
    TGameClient& client = GameClient();
    client.PartyGold -= price;
    client.RefreshGoldLabels();
    client.RefreshMemberPanel(slot);
}

} // namespace

void TShopSession::RunServices(TScriptObject* script)
{
    std::vector<std::string> entries = {"Back"};
    for (const TServiceEntry& service : Services)
        entries.push_back(service.Name + (service.Price > 0 ? " " + std::to_string(service.Price) + "gp" : ""));
    for (;;) {
        const int picked = Offer(entries);
        if (picked < 2 || picked > static_cast<int>(Services.size()) + 1)
            return;
        const TServiceEntry service = Services[picked - 2];
        if (service.Price > GameClient().PartyGold)
            Say("You do not have enough money.");
        else if (service.Kind == RechargeService)
            Recharge();
        else if (service.Kind == IdentifyService)
            Identify(service.Price);
        else if (service.Kind < 0 || service.Kind > 100)
            ScriptService(service, script);
    }
}

namespace {

// The member's objects the shop recharges: from the backpack, the quick slots and
// the body, each once.
std::vector<TItem*> Rechargeable(const TShopSession& shop, TPlayer& member)
{
    std::vector<TItem*> held;
    for (auto& object : member.Backpack)
        held.push_back(object.get());
    for (auto& object : member.QuickSlots)
        held.push_back(object.get());
    for (auto& object : member.BodySlots)
        held.push_back(object.get());
    std::vector<TItem*> found;
    for (TItem* object : held)
        if (object && shop.Deals(*object) && object->RechargePrice >= 0 && object->charges > 0 &&
            object->ccharges >= 0 && object->ccharges < object->charges)
            found.push_back(object);
    return found;
}

} // namespace

void TShopSession::Recharge()
{
    const int slot = Process().SelectedMember;
    TPlayer* member = SelectedMember();
    if (!member)
        return;
    const std::vector<TItem*> objects = Rechargeable(*this, *member);
    if (objects.empty()) {
        Say("The current player does not have any items that can be recharged");
        return;
    }
    auto cost = [this](const TItem& object) {
        return RechargeCost(object.charges, object.ccharges, object.RechargePrice, Markup);
    };
    std::vector<std::string> lines;
    for (const TItem* object : objects)
        lines.push_back(std::to_string(cost(*object)) + "gp " + ItemDisplayName(object));
    const int picked = PickLine(lines);
    // The object must still be the member's, and still want its charges.
    if (picked < 0 || !Current() || MainForm().Member(slot) != member)
        return;
    const std::vector<TItem*> still = Rechargeable(*this, *member);
    if (std::find(still.begin(), still.end(), objects[picked]) == still.end())
        return;
    TItem& object = *objects[picked];
    const int32_t price = cost(object);
    if (price > GameClient().PartyGold) {
        Say("You do not have enough gold");
        return;
    }
    StoreObjectColumn(object, "ccharges", object.charges);
    object.ccharges = object.charges;
    object.Name = ItemDisplayName(&object);
    Pay(price, slot);
}

void TShopSession::Identify(int32_t price)
{
    const int slot = Process().SelectedMember;
    TPlayer* member = SelectedMember();
    if (!member)
        return;
    std::vector<int> places;
    std::vector<const TItem*> objects;
    std::vector<std::string> lines;
    for (int place = 1; place <= BackpackSlotCount; ++place)
        if (const TItem* object = member->Backpack[place - 1].get(); object && !object->Identified) {
            places.push_back(place);
            objects.push_back(object);
            lines.push_back(ItemDisplayName(object));
        }
    if (places.empty()) {
        Say("The current player does not have any items that need to be identified");
        return;
    }
    const int picked = PickLine(lines);
    if (picked < 0 || !Current() || MainForm().Member(slot) != member)
        return;
    TItem* object = member->Backpack[places[picked] - 1].get();
    if (object != objects[picked] || object->Identified)
        return;
    if (price > GameClient().PartyGold) {
        Say("You do not have enough money.");
        return;
    }
    StoreObjectColumn(*object, "cidentified", 1);
    object->Identified = true;
    object->Name = ItemDisplayName(object);
    Pay(price, slot);
}

void TShopSession::ScriptService(const TServiceEntry& service, TScriptObject* script)
{
    TGameClient& client = GameClient();
    client.PartyGold -= service.Price;
    client.RefreshGoldLabels();
    if (!script)
        return;
    try {
        script->OnShopService(ShopId, service.Kind);
    } catch (const std::exception& error) {
        // A service the script failed to give is not paid for.
        if (Current()) {
            client.PartyGold += service.Price;
            client.RefreshGoldLabels();
        }
        ReportScriptException(seOnShopService, error.what());
    }
}
