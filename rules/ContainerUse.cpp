#include "rules/ContainerUse.h"

#include "app/MainForm.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"

namespace {

void Inform(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Information, mbOK);
}

// "" when the container takes the item's kind.
std::string KindRefusal(const TContRec& container, const TItem& item)
{
    if (const auto* weapon = dynamic_cast<const TWeapon*>(&item)) {
        const int type = weapon->WeaponType + 1;
        return type < 256 && container.WeaponTypes.test(type) ? "" : "You cannot put this weapon here.";
    }
    return item.type_id >= 0 && item.type_id < 256 && container.ItemTypes.test(item.type_id)
               ? ""
               : "You cannot put this item here.";
}

// The first empty place, or the size when there is none.
size_t EmptyPlace(const TContRec& container)
{
    size_t place = 0;
    while (place < container.Contents.size() && container.Contents[place])
        ++place;
    return place;
}

} // namespace

std::vector<TContainerChoice> ContainersAtHand(TPlayer& member)
{
    std::vector<TContainerChoice> choices;
    if (const TLocation* here = GameClient().CurrentLocation)
        for (const auto& item : here->Items)
            if (item && item->Container)
                choices.push_back({item.get(), ItemDisplayName(item.get())});
    for (const auto& item : member.Backpack)
        if (item && item->Container)
            choices.push_back({item.get(), ItemDisplayName(item.get()) + "(backpack)"});
    return choices;
}

bool AtHand(TPlayer& member, const TItem* container)
{
    for (const TContainerChoice& choice : ContainersAtHand(member))
        if (choice.Container == container)
            return true;
    return false;
}

void InsertIntoContainer(TPlayer& member, TPackSlot from, TItem& container)
{
    TItem* item = ItemAt(member, from);
    if (!item || !container.Container)
        return;
    TContRec& contents = *container.Container;
    if (!contents.Open) {
        Inform("The container is closed.");
        return;
    }
    // A container never goes into itself.
    const std::string refusal = item == &container ? "You cannot put this item here." : KindRefusal(contents, *item);
    if (!refusal.empty()) {
        Inform(refusal);
        return;
    }
    if (EmptyPlace(contents) == contents.Contents.size()) {
        Inform("Container is full.");
        return;
    }
    if (RunScriptOnce(seOnInsertInto, &member, TScriptParam{}, &container, item, container.ScriptId) == 0)
        return;
    // The script may have changed anything; the move happens only as asked.
    if (!InParty(member) || !AtHand(member, &container) || ItemAt(member, from) != item || !contents.Open)
        return;
    const size_t place = EmptyPlace(contents);
    if (place == contents.Contents.size()) {
        Inform("Container is full.");
        return;
    }
    contents.Contents[place] = std::move(*HolderOf(member, from));
    GameClient().RefreshMemberPanel(MainForm().SlotOf(&member));
}

TTakeOut TakeOutOfContainer(TPlayer& member, TItem& container, size_t place)
{
    if (!container.Container || place >= container.Container->Contents.size())
        return TTakeOut::Refused;
    TItem* object = container.Container->Contents[place].get();
    if (!object)
        return TTakeOut::Refused;
    if (!member.FirstFreeBackpackSlot())
        return TTakeOut::BackpackFull;
    if (RunScriptOnce(seOnTakeOut, &member, TScriptParam{}, &container, object, container.ScriptId) == 0)
        return TTakeOut::Refused;
    if (!InParty(member) || !AtHand(member, &container) || !container.Container ||
        place >= container.Container->Contents.size() || container.Container->Contents[place].get() != object)
        return TTakeOut::Refused;
    const int free = member.FirstFreeBackpackSlot();
    if (!free)
        return TTakeOut::BackpackFull;
    object->Name = ItemDisplayName(object);
    member.PutInBackpack(container.Container->Contents[place], free);
    GameClient().RefreshMemberPanel(MainForm().SlotOf(&member));
    return TTakeOut::Done;
}

void TakeGoldOutOf(TItem& container)
{
    if (!container.Container || container.Container->Gold <= 0)
        return;
    TGameClient& client = GameClient();
    client.PartyGold += container.Container->Gold;
    container.Container->Gold = -1;
    client.RefreshGoldLabels();
}
