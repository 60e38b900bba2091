#include "world/Location.h"

#include <algorithm>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "platform/Host.h"
#include "session/StyledText.h"
#include "data/DataManager.h"
#include "rules/CombatSession.h"
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

void StoreCreature(TCreature& creature)
{
    if (TForm1* form = Process().MainForm.get(); form && form->DataManager)
        form->DataManager->SaveCreature(&creature);
}

} // namespace

TLocation::~TLocation() = default;

bool TLocation::Load(int64_t id)
{
    TProcess& process = Process();
    TDataManager* data = process.MainForm ? process.MainForm->DataManager.get() : nullptr;
    if (!process.SessionDb || !data)
        return false;
    TSQLite3& db = *process.SessionDb;
    db.Execute("select * from locations where id = " + std::to_string(id), true);
    if (db.Rows.empty()) {
        Host().MessageDlg("The adventure has no location " + std::to_string(id) + ".", TMsgDlgType::Error, mbOK);
        return false;
    }
    const TRecordSet rows = db.TakeRows();
    const TStringHash& row = *rows[0];
    Id = id;
    Name = row.GetItem("name");
    AreaId = StrToInt(row.GetItem("area_id"));
    MapX = StrToInt(row.GetItem("mapX"));
    MapY = StrToInt(row.GetItem("mapY"));
    Visited = StrToBool(row.GetItem("visited"));
    Brief = row.GetItem("brief");
    ScriptId = StrToInt64(row.GetItem("script_id"));
    const int64_t introId = StrToInt64(row.GetItem("intro_id"));
    const int64_t descId = StrToInt64(row.GetItem("desc_id"));
    data->GetScriptById(ScriptId, ScriptText);
    data->GetTextById(descId, DescText);
    data->GetTextById(introId, IntroText);
    return true;
}

void TLocation::Store()
{
    for (auto& body : Corpses)
        if (body)
            StoreCreature(*body);
    for (auto& creature : Creatures)
        if (creature)
            StoreCreature(*creature);
    TForm1* form = Process().MainForm.get();
    if (form && form->DataManager)
        for (auto& item : Items)
            if (item && item->Container)
                form->DataManager->SaveContainer(item->Container.get());
}

void TLocation::Unload()
{
    Release(true);
}

void TLocation::Discard()
{
    Release(false);
}

void TLocation::Release(bool store)
{
    if (Id == 0)
        return;
    if (TForm1* form = Process().MainForm.get(); form && form->EffectsManager)
        for (const auto& creature : Creatures)
            if (creature)
                form->EffectsManager->CancelFor(creature->Id);
    if (store)
        Store();
    Corpses.clear();
    Creatures.clear();
    Npcs.clear();
    Items.clear();
    Exits.clear();
    Id = 0;
    Name.clear();
    Brief.clear();
    Visited = false;
    ScriptText.clear();
    ScriptId = 0;
    DescText.clear();
    IntroText.clear();
}

std::string TLocation::Heading() const
{
    return FRMT_LOC_NAME + Name;
}

void TLocation::ShowContents() const
{
    if (!Process().Client || !Process().Client->CurrentLocation)
        return;
    auto line = [](const char* label, const std::vector<std::string>& names, const char* separator) {
        if (names.empty())
            return;
        std::string text = FRMT_LOC_CONT + label + "~<>";
        for (size_t index = 0; index < names.size(); ++index)
            text += (index ? separator : "") + names[index];
        AppendText(text);
    };
    std::vector<std::string> items;
    for (const auto& item : Items)
        if (item)
            items.push_back(ItemDisplayName(item.get()));
    std::vector<std::string> npcs;
    for (const auto& npc : Npcs)
        if (npc)
            npcs.push_back(npc->Name);
    std::vector<std::string> dead;
    for (const auto& body : Corpses)
        if (body)
            dead.push_back(body->Name);
    std::vector<std::string> exits;
    for (const TLocationExit& exit : Exits)
        if (exit.ExitId > 0)
            exits.push_back(exit.Name);
    line("Misc: ", items, ",");
    line("NPCs: ", npcs, ",");
    line("Dead: ", dead, ",");
    line("Exits: ", exits, ", ");
}

void TLocation::ShowArrivalText() const
{
    if (Visited) {
        AppendText(Heading());
        if (!Brief.empty())
            AppendText(Brief);
        else if (!DescText.empty())
            AppendPaged(DescText);
        return;
    }
    if (!IntroText.empty()) {
        AppendPaged(IntroText);
        return;
    }
    AppendText(Heading());
    if (!DescText.empty())
        AppendPaged(DescText);
    else if (!Brief.empty())
        AppendText(Brief);
}

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
    if (!creature)
        return;
    TEnemy* joining = creature.get();
    FreePlace(Creatures, 5) = std::move(creature);
    if (TCombatSession* fight = CombatAt(*this))
        fight->AddCombatant(joining);
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
    if (TCombatSession* fight = CombatAt(*this))
        fight->RemoveCombatant(id);
    StoreCreature(**found);
    found->reset();
}

void TLocation::RemoveCorpse(int64_t id)
{
    if (auto* found = FindFirst(Corpses, [id](const TCreature& body) { return body.Id == id; })) {
        StoreCreature(**found);
        found->reset();
    }
}

void TLocation::RemovePlayerCorpse(int64_t id)
{
    if (auto* found = FindFirst(Corpses, [id](const TCreature& body) {
            return body.Id == id && dynamic_cast<const TPlayer*>(&body);
        })) {
        StoreCreature(**found);
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
