#include "world/Location.h"

#include <algorithm>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "rules/Effects.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/LocationManager.h"

namespace {

// The first empty place, growing the list by step places when it is full.
template <class T>
std::unique_ptr<T>& FreePlace(std::vector<std::unique_ptr<T>>& list, size_t step)
{
    auto place = std::find(list.begin(), list.end(), nullptr);
    if (place != list.end())
        return *place;
    list.resize(list.size() + step);
    return list[list.size() - step];
}

template <class T, class Match>
std::unique_ptr<T>* FindFirst(std::vector<std::unique_ptr<T>>& list, Match match)
{
    for (auto& object : list)
        if (object && match(*object))
            return &object;
    return nullptr;
}

void Store(TCreature& creature)
{
    if (TForm1* form = Process().MainForm.get(); form && form->DataManager)
        form->DataManager->SaveCreature(&creature);
}

} // namespace

TLocation::~TLocation() = default;

void TLocation::AddItem(std::unique_ptr<TItem> item)
{
    if (item)
        FreePlace(Items, 5) = std::move(item);
}

void TLocation::AddNpc(std::unique_ptr<TEntity> npc)
{
    if (npc)
        FreePlace(Npcs, 5) = std::move(npc);
}

void TLocation::AddCreature(std::unique_ptr<TEnemy> creature)
{
    if (creature)
        FreePlace(Creatures, 5) = std::move(creature);
}

void TLocation::AddCorpse(std::unique_ptr<TCreature> body)
{
    if (!body)
        return;
    if (body->GetStat(siEnd) > 0)
        body->SetStat(siEnd, 0, false);
    FreePlace(Corpses, 10) = std::move(body);
}

void TLocation::RemoveCreature(int64_t id)
{
    auto* found = FindFirst(Creatures, [id](const TEnemy& creature) { return creature.Id == id; });
    if (!found)
        return;
    if (TForm1* form = Process().MainForm.get(); form && form->EffectsManager)
        form->EffectsManager->CancelFor(id);
    Store(**found);
    found->reset();
}

void TLocation::RemoveCorpse(int64_t id)
{
    if (auto* found = FindFirst(Corpses, [id](const TCreature& body) { return body.Id == id; })) {
        Store(**found);
        found->reset();
    }
}

void TLocation::RemovePlayerCorpse(int64_t id)
{
    if (auto* found = FindFirst(Corpses, [id](const TCreature& body) {
            return body.Id == id && dynamic_cast<const TPlayer*>(&body);
        })) {
        Store(**found);
        found->reset();
    }
}

void TLocation::RemoveItem(int64_t id)
{
    if (auto* found = FindFirst(Items, [id](const TItem& item) { return item.Id == id; }))
        found->reset();
}

void TLocation::RemoveWeapon(int64_t id)
{
    if (auto* found = FindFirst(Items, [id](const TItem& item) { return item.Id == id && dynamic_cast<const TWeapon*>(&item); }))
        found->reset();
}

void TLocation::RemoveContainer(int64_t id)
{
    if (auto* found = FindFirst(Items, [id](const TItem& item) { return item.Id == id && item.Container; }))
        found->reset();
}

void TLocation::RemoveNpc(int64_t id)
{
    if (auto* found = FindFirst(Npcs, [id](const TEntity& npc) { return npc.Id == id; }))
        found->reset();
}

std::unique_ptr<TEnemy> TLocation::TakeCreature(const TCreature* creature)
{
    for (auto& place : Creatures)
        if (place && place.get() == creature)
            return std::move(place);
    return nullptr;
}

void DropIntoCurrentLocation(std::unique_ptr<TItem> item)
{
    TProcess& process = Process();
    TLocation* here = process.Client ? process.Client->CurrentLocation : nullptr;
    if (!item || !here)
        return;
    if (process.MainForm && process.MainForm->LocationManager)
        process.MainForm->LocationManager->PlaceEntity(item.get(), here->Id, true);
    here->AddItem(std::move(item));
}
