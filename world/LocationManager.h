// Keeps a pool of loaded locations and the location contents rows (loc_cont) in
// step with them: what is placed, revealed, hidden, spawned and removed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

class TEntity;
class TLocation;

// loc_cont content types.
enum TContentType : int32_t {
    ctContainer = 4,
    ctItem = 5,
    ctWeapon = 6,
    ctDeadCreature = 10,
    ctDeadPlayer = 11,
    ctCreature = 20,
    ctNpc = 30,
    ctWaitingMember = 31,
};

class TLocationManager {
public:
    static constexpr int PoolSize = 35;

    TLocationManager();
    ~TLocationManager();

    // The loaded location, loading it (with its visible contents and exits) when
    // needed; null when the adventure has no such location. A load that fails
    // raises and leaves the pool and the session database as they were.
    TLocation* GetLocation(int64_t id);
    // The pool's location with this id when it is loaded, else null.
    TLocation* LoadedLocation(int64_t id) const;
    void RevealContent(int32_t ctype, int64_t contentId);
    void HideContent(int32_t ctype, int64_t contentId);
    void SetExitVisible(int64_t locationId, int64_t exitId, bool visible);
    void Spawn(int64_t id, int32_t kind, int32_t count, int64_t locationId);

    // Writes the row of an object about to lie in a location and keeps its row id
    // in the object's PlacementId; a living party member gets no row.
    void PlaceEntity(TEntity* object, int64_t locationId, bool visible);
    int64_t InsertRow(int64_t locationId, int32_t ctype, bool visible, int64_t contentId);
    void RemoveContentRow(int64_t rowId);
    void MarkAsBody(int64_t rowId);
    // Everything a body carries drops into the location it lies in.
    void StripBody(int64_t creatureId);
    void StoreAll();

    const std::array<std::unique_ptr<TLocation>, PoolSize>& Pool() const { return FPool; }

private:
    // An empty pool place, or one given up for the new location.
    TLocation* SlotToLoadInto();
    // The visible contents and exits of the location just read into slot.
    void LoadContentsAndExits(TLocation& slot, int64_t id);
    // The object a contents row names, put into its list; false when it could not be loaded.
    bool PlaceContent(TLocation& location, int32_t ctype, int64_t contentId, int64_t rowId);

    std::array<std::unique_ptr<TLocation>, PoolSize> FPool;
};
