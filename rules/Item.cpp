#include "rules/Item.h"

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "session/Process.h"

const TWeaponTypeInfo WeaponTypes[WeaponTypeCount] = {
    {"Axe", true, false},          {"Bow", false, true},          {"Club", false, false},
    {"Crossbow", false, true},     {"Dagger", true, false},       {"Dart", true, true},
    {"Flail", false, false},       {"Great Sword", false, false}, {"Hammer", false, false},
    {"Long Sword", false, false},  {"Mace or Morning Star", false, false}, {"Short Sword", false, false},
    {"Sling", false, true},        {"Spear", true, false},        {"Staff", false, false},
    {"Two-handed Axe", false, false}, {"Arrow", true, true},      {"Bolt", true, true},
    {"Bullet", true, true},
};

namespace {

const char* const ItemTypeForms[] = {
    "Item", "Spellbook", "Spellscroll", "Gem", "Potion", "Armor", "Small Shield", "Medium Shield", "Large Shield",
    "Bracers", "Gloves", "Boots", "Ring", "Bracelet", "Necklace", "Helmet", "Girdle", "Robes", "Gauntlets",
};

const char* const NotIdentified = "(NOT IDENTIFIED)";

std::string CustomTypeName(int32_t typeId)
{
    const TProcess& process = Process();
    if (!process.MainForm || !process.MainForm->DataManager)
        return {};
    return process.MainForm->DataManager->GetItemTypeName(typeId - 20);
}

} // namespace

TItem::~TItem() = default;

TWeapon::TWeapon() : Damage(std::make_unique<DamageRec>())
{
    type_id = -1;
}

bool TWeapon::IsMissile() const
{
    return missile || (WeaponType < WeaponTypeCount && WeaponTypes[WeaponType].Missile);
}

std::bitset<16> EquipSlotsFromCode(int32_t equippedOn, std::bitset<16> slots)
{
    auto only = [](std::initializer_list<int> bits) {
        std::bitset<16> set;
        for (int bit : bits)
            set.set(bit);
        return set;
    };
    switch (equippedOn) {
    case 1: case 2: case 3: case 4: case 5:
        return slots.set(equippedOn - 1);
    case 6:
        return only({bsRWrist, bsLWrist});
    case 7:
        return only({bsRHand, bsLHand});
    case 8:
        return slots.set(bsRHand);
    case 9:
        return slots.set(bsLHand);
    case 10:
        return only({bsRRing, bsLRing});
    case 12:
        return slots.set(bsFeet);
    case 100:
        return slots.set(QuickUseBit);
    default:
        return slots;
    }
}

std::string ItemDisplayName(const TItem* item)
{
    if (!item)
        return "EMPTY";
    const auto* weapon = dynamic_cast<const TWeapon*>(item);
    if (item->Identified) {
        std::string name = item->RealName;
        if (item->ccharges > 1)
            name += "(" + std::to_string(item->ccharges) + ")";
        if (weapon && weapon->weapon_uses > 0)
            name += "[" + std::to_string(weapon->weapon_uses) + "]";
        return name;
    }
    if (!item->NotIdentifiedName.empty())
        return item->NotIdentifiedName;
    if (item->type_id > 0) {
        if (item->type_id < 20)
            return std::string(ItemTypeForms[item->type_id - 1]) + NotIdentified;
        return CustomTypeName(item->type_id) + NotIdentified;
    }
    if (weapon && weapon->WeaponType < WeaponTypeCount) {
        const TWeaponTypeInfo& type = WeaponTypes[weapon->WeaponType];
        std::string name = type.Stem;
        if (type.Counted && weapon->weapon_uses > 0)
            name += "[" + std::to_string(weapon->weapon_uses) + "]";
        return name + NotIdentified;
    }
    return {};
}

TItem& EmptyItem()
{
    TProcess& process = Process();
    if (!process.Empty) {
        process.Empty = std::make_unique<TItem>();
        process.Empty->Name = "EMPTY";
        process.Empty->RealName = "EMPTY";
        process.Empty->type_id = -1;
    }
    return *process.Empty;
}
