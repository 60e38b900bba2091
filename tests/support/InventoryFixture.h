// Two members at a location whose book holds the contents and weapons tables:
// where moved, stacked and dropped things can be counted.
#pragma once

#include <map>

#include "data/SQLite.h"
#include "rules/Creature.h"
#include "support/EngineFixture.h"

class InventoryFixture : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSessionWithContents();
        Process().SessionDb->Execute("create table weapons (id INTEGER, template_id INTEGER, cweapon_uses INTEGER)");
        First = &AddMember("Aldric", 1);
        Second = &AddMember("Brenna", 2);
        Form().Click("RadioButton1");
    }

    // The member tabs as the player sees them after the test's setting up.
    void ShowPanels()
    {
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            GameClient().RefreshMemberPanel(slot);
    }

    TPlayer& AddMember(const std::string& name, int slot)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = name;
        player->ClassId = 1;
        player->Abilities = {20, 20, 20, 20, 20};
        GameClient().AddPartyMember(player, slot);
        GameClient().EnableMemberPanel(slot, true);
        return *Form().Member(slot);
    }

    std::unique_ptr<TItem> Item(const std::string& name, int slotCode = 0)
    {
        auto item = std::make_unique<TItem>();
        item->Id = item->TemplateId = NextId++;
        item->Name = item->RealName = name;
        item->EquipSlots = EquipSlotsFromCode(slotCode);
        item->UsableBy.set();
        return item;
    }

    // A stack of pieces of a weapon type (16 arrows, 5 darts ...).
    std::unique_ptr<TItem> Stack(const std::string& name, int type, int pieces, int64_t templateId = 0)
    {
        auto weapon = std::make_unique<TWeapon>();
        weapon->Id = NextId++;
        weapon->TemplateId = templateId ? templateId : weapon->Id;
        weapon->Name = weapon->RealName = name;
        weapon->WeaponType = static_cast<uint8_t>(type);
        weapon->weapon_uses = pieces;
        weapon->EquipSlots = EquipSlotsFromCode(100);
        weapon->UsableBy.set();
        Process().SessionDb->Execute("insert into weapons values (" + std::to_string(weapon->Id) + ", " +
                                     std::to_string(weapon->TemplateId) + ", " + std::to_string(pieces) + ")");
        return weapon;
    }

    std::unique_ptr<TItem> Weapon(const std::string& name, int type, bool twoHanded)
    {
        auto weapon = std::make_unique<TWeapon>();
        weapon->Id = weapon->TemplateId = NextId++;
        weapon->Name = weapon->RealName = name;
        weapon->WeaponType = static_cast<uint8_t>(type);
        weapon->two_handed = twoHanded;
        weapon->EquipSlots = EquipSlotsFromCode(7);
        weapon->UsableBy.set();
        return weapon;
    }

    TItem* Put(TCreature& holder, std::unique_ptr<TItem> item, int backpackSlot)
    {
        TItem* put = item.get();
        EXPECT_TRUE(holder.PutInBackpack(item, backpackSlot));
        return put;
    }

    TItem* PutQuick(TCreature& holder, std::unique_ptr<TItem> item, int quickSlot)
    {
        TItem* put = item.get();
        EXPECT_TRUE(holder.PutInQuickSlot(item, quickSlot));
        return put;
    }

    void FillBackpack(TCreature& holder)
    {
        while (const int free = holder.FirstFreeBackpackSlot())
            Put(holder, Item("Pebble"), free);
    }

    std::string StoredUses(int64_t id)
    {
        Process().SessionDb->Execute("select cweapon_uses from weapons where id = " + std::to_string(id), true);
        return Process().SessionDb->Rows.empty() ? "<none>" : Process().SessionDb->Rows[0]->GetItem("cweapon_uses");
    }

    // Every object the party and the location hold, containers' contents included,
    // by id with how often it is found.
    std::map<int64_t, int> Census()
    {
        std::map<int64_t, int> found;
        std::function<void(const TItem*)> count = [&](const TItem* item) {
            if (!item)
                return;
            ++found[item->Id];
            if (item->Container)
                for (const auto& inside : item->Container->Contents)
                    count(inside.get());
        };
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            if (TPlayer* member = Form().Member(slot)) {
                for (const auto& item : member->Backpack)
                    count(item.get());
                for (const auto& item : member->QuickSlots)
                    count(item.get());
                for (const auto& item : member->BodySlots)
                    count(item.get());
            }
        for (const auto& item : Here.Items)
            count(item.get());
        return found;
    }

    TPlayer* First = nullptr;
    TPlayer* Second = nullptr;
    int64_t NextId = 7001;
};
