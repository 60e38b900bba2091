#include "rules/UseTargets.h"

#include <algorithm>
#include <memory>

#include "app/MainForm.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"

namespace {

TLocation* Here()
{
    const TProcess& process = Process();
    return process.Client ? process.Client->CurrentLocation : nullptr;
}

bool Closed()
{
    const TProcess& process = Process();
    return !process.Client || process.Client->SessionClosed;
}

} // namespace

std::vector<int64_t> EnemyIds()
{
    std::vector<int64_t> ids;
    if (const TLocation* here = Here())
        for (const auto& creature : here->Creatures)
            if (creature)
                ids.push_back(creature->Id);
    return ids;
}

std::vector<int64_t> MemberIds()
{
    std::vector<int64_t> ids;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (const TPlayer* member = MainForm().Member(slot))
            ids.push_back(member->Id);
    return ids;
}

TCreature* EnemyWithId(int64_t id)
{
    if (const TLocation* here = Here())
        for (const auto& creature : here->Creatures)
            if (creature && creature->Id == id)
                return creature.get();
    return nullptr;
}

TCreature* MemberWithId(int64_t id)
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (TPlayer* member = MainForm().Member(slot); member && member->Id == id)
            return member;
    return nullptr;
}

bool IsEnemy(const TCreature* creature)
{
    const TLocation* here = Here();
    return creature && here &&
           std::any_of(here->Creatures.begin(), here->Creatures.end(),
                       [creature](const auto& enemy) { return enemy.get() == creature; });
}

bool Present(const TCreature& creature)
{
    return (MainForm().SlotOf(&creature) != 0 || IsEnemy(&creature)) && creature.end > 0;
}

void ForEach(const std::vector<int64_t>& ids, bool party, const std::function<void(TCreature&)>& act)
{
    for (const int64_t id : ids) {
        if (Closed())
            return;
        if (TCreature* creature = party ? MemberWithId(id) : EnemyWithId(id))
            act(*creature);
    }
}

void RefreshIfMember(const TCreature& creature)
{
    if (const int slot = MainForm().SlotOf(&creature))
        GameClient().RefreshMemberPanel(slot);
}

void EndTurnOf(const TCreature& user)
{
    TForm1& form = MainForm();
    const int slot = form.SlotOf(&user);
    const std::shared_ptr<TCombatSession> fight = form.CombatSession;
    if (!slot || !fight || !fight->TurnBased || !fight->Running() || !fight->Current())
        return;
    GameClient().EnableMemberPanel(slot, false);
    fight->NextTurn();
}
