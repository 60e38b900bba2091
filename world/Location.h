// A place of the adventure's world and what lies and stands in it, sorted into
// four lists that own their objects. The lists are arrays with holes: a removed
// object leaves an empty place that the next added object takes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/Creature.h"
#include "rules/Entity.h"
#include "rules/Item.h"

struct TLocationExit {
    std::string Name;
    int64_t ExitId = 0;
    int32_t Orientation = 0;
};

class TLocation : public TEntity {
public:
    ~TLocation() override;

    // Reads the location row and its texts; false (and left empty) when the
    // adventure has no such location.
    bool Load(int64_t id);
    // Stores and frees everything; the location is empty (Id 0) afterwards.
    void Unload();
    // Frees everything without storing: what a load that failed halfway read
    // must not be written back.
    void Discard();
    // Writes its creatures, bodies and container contents to the session database.
    void Store();
    // The contents summary: "Misc:", "NPCs:", "Dead:", "Exits:".
    void ShowContents() const;
    // The location's text as the party arrives: the intro on a first visit, the
    // heading with the brief or the description otherwise.
    void ShowArrivalText() const;
    // The heading line of the location's name.
    std::string Heading() const;

    void AddItem(std::unique_ptr<TItem> item);
    void AddNpc(std::unique_ptr<TEntity> npc);
    void AddCreature(std::unique_ptr<TEnemy> creature);
    void AddCorpse(std::unique_ptr<TCreature> body);

    void RemoveCreature(int64_t id);
    void RemoveCorpse(int64_t id);
    void RemovePlayerCorpse(int64_t id);
    void RemoveItem(int64_t id);
    void RemoveWeapon(int64_t id);
    void RemoveContainer(int64_t id);
    void RemoveNpc(int64_t id);

    // Takes a living creature out of Creatures without freeing it (its place empties).
    std::unique_ptr<TEnemy> TakeCreature(const TCreature* creature);

    int32_t AreaId = 0;
    int32_t MapX = 0;
    int32_t MapY = 0;
    bool Visited = false;
    std::vector<std::string> IntroText;
    std::vector<std::string> DescText;
    std::string Brief;
    std::vector<std::unique_ptr<TCreature>> Corpses;
    std::vector<std::unique_ptr<TEnemy>> Creatures;
    std::vector<std::unique_ptr<TEntity>> Npcs;
    std::vector<std::unique_ptr<TItem>> Items;
    std::vector<TLocationExit> Exits;

private:
    void Release(bool store);
};

// Drops an item into the party's current location (freed when there is none).
void DropIntoCurrentLocation(std::unique_ptr<TItem> item);
