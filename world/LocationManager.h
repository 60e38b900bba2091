// Keeps the loaded locations and the location contents rows (loc_cont) in step:
// what is placed, revealed, hidden and removed.
#pragma once

#include <cstdint>

class TEntity;

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
    // Writes the row of an object about to lie in a location and keeps its row id
    // in the object's PlacementId; a living party member gets no row.
    void PlaceEntity(TEntity* object, int64_t locationId, bool visible);
    int64_t InsertRow(int64_t locationId, int32_t ctype, bool visible, int64_t contentId);
    void RemoveContentRow(int64_t rowId);
    void MarkAsBody(int64_t rowId);
};
