// The base of every world object: locations, creatures, items, weapons,
// containers, special uses and spells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TEntity {
public:
    virtual ~TEntity() = default;

    std::string Name;
    int64_t Id = 0;
    int64_t TemplateId = 0;
    // The object's row in loc_cont; -1 when it has none.
    int64_t PlacementId = -1;
    std::vector<std::string> ScriptText;
    int64_t ScriptId = 0;
    int32_t DescId = 0;
};
