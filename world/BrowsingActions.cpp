// The two browsing loops, Contents and Loot: an outer list of holders (containers,
// bodies) and an inner list of what the chosen one holds, rebuilt after every
// pick. The play controls stay off until the player leaves the outer list.
#include <algorithm>

#include "app/MainForm.h"
#include "rules/ContainerUse.h"
#include "rules/Creature.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/ActionContext.h"
#include "world/Location.h"
#include "world/LocationActions.h"

namespace {

void TakeGold(int32_t& gold)
{
    TGameClient& client = GameClient();
    client.PartyGold += gold;
    client.RefreshGoldLabels();
    gold = 0;
}

// The inner list of a holder: its objects and, when it has any, its gold, until
// "Back" or a cancel. held() lists the objects, gold() reaches the gold, and
// takeOut moves a picked object to the member once a backpack slot is free.
template <class Held, class Gold, class TakeOut>
void BrowseHolder(const TActor& actor, const TEntity& holder, Held held, Gold gold, TakeOut takeOut)
{
    while (actor.Present() && LiesIn(*actor.Here, &holder)) {
        const std::vector<TItem*> objects = held();
        std::vector<std::string> names;
        for (const TItem* object : objects)
            names.push_back(ItemDisplayName(object));
        if (gold() > 0)
            names.push_back(std::to_string(gold()) + "gp");
        const int picked = BrowseList("Back", names);
        if (picked < 0)
            return;
        if (!actor.Present() || !LiesIn(*actor.Here, &holder))
            return;
        if (picked >= static_cast<int>(objects.size())) {
            TakeGold(gold());
            continue;
        }
        TItem* object = objects[picked];
        const std::vector<TItem*> still = held();
        if (std::find(still.begin(), still.end(), object) == still.end())
            continue;
        if (actor.Member->FirstFreeBackpackSlot() == 0)
            AppendText("Backpack is full.");
        else
            takeOut(*object);
    }
}

std::vector<TItem*> ContentsOf(const TContRec& container)
{
    std::vector<TItem*> objects;
    for (const auto& object : container.Contents)
        if (object)
            objects.push_back(object.get());
    return objects;
}

// In the order Loot lists them: backpack, quick slots, body slots. A two-handed
// weapon held in both hands is in the right hand's slot only.
std::vector<TItem*> CarriedBy(const TCreature& body)
{
    std::vector<TItem*> objects;
    auto add = [&objects](const auto& slots) {
        for (const auto& object : slots)
            if (object && object->Id > 0)
                objects.push_back(object.get());
    };
    add(body.Backpack);
    add(body.QuickSlots);
    add(body.BodySlots);
    return objects;
}

// Contents' take-out, as the backpack's containers take out: the container's
// script may refuse, close the book or send the member away.
void TakeOut(const TActor& actor, TItem& container, TItem& object)
{
    TPlayer* member = MainForm().Member(actor.Slot);
    const auto place = PlaceOf(container.Container->Contents, &object);
    if (!member || member != actor.Member || place == container.Container->Contents.end())
        return;
    TakeOutOfContainer(*member, container, static_cast<size_t>(place - container.Container->Contents.begin()));
    if (!actor.Present() && GameClient().Options)
        GameClient().Options->ClearLabels();
}

} // namespace

void BtnContentsClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!actor)
        return;
    const TPlayControlsOff controlsOff;
    while (actor->Present()) {
        TTargets<TItem> containers;
        for (const auto& item : actor->Here->Items)
            if (item && item->Container)
                containers.Add(item.get(), MarkedOpen(*item, ItemDisplayName(item.get())));
        TItem* container = containers.Browse(*actor, "Exit");
        if (!container)
            return;
        if (!container->Container->Open) {
            AppendText("It is not open");
            continue;
        }
        BrowseHolder(
            *actor, *container, [container] { return ContentsOf(*container->Container); },
            [container]() -> int32_t& { return container->Container->Gold; },
            [&actor, container](TItem& object) { TakeOut(*actor, *container, object); });
    }
}

void BtnGetClick(const std::string&)
{
    const auto actor = ActorWithoutPendingChoices();
    if (!BookOpen() || !actor)
        return;
    const TPlayControlsOff controlsOff;
    while (actor->Present()) {
        TTargets<TCreature> bodies;
        for (const auto& body : actor->Here->Corpses)
            if (body)
                bodies.Add(body.get(), body->Name);
        TCreature* body = bodies.Browse(*actor, "Exit");
        if (!body)
            return;
        BrowseHolder(
            *actor, *body, [body] { return CarriedBy(*body); }, [body]() -> int32_t& { return body->Gold; },
            [&actor, body](TItem& object) {
                TCreature& member = *actor->Member;
                std::unique_ptr<TItem> taken = body->TakeItemById(object.Id);
                member.PutInBackpack(taken, member.FirstFreeBackpackSlot());
                GameClient().RefreshMemberPanel(actor->Slot);
            });
    }
}
