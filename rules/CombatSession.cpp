#include "rules/CombatSession.h"

#include <algorithm>

#include "platform/Host.h"
#include "platform/Timer.h"
#include "rules/Creature.h"
#include "rules/Death.h"
#include "rules/Effects.h"
#include "script/ScriptRegistry.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"

namespace {

std::string Numbered(const char* stem, int slot)
{
    return stem + std::to_string(slot);
}

bool AnyCreature(const TLocation& here)
{
    return std::any_of(here.Creatures.begin(), here.Creatures.end(), [](const auto& creature) { return creature != nullptr; });
}

bool PartyGone(const TForm1& form)
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (form.Member(slot))
            return false;
    return true;
}

bool ChoicesPending()
{
    const TGameClient& client = GameClient();
    return client.Options && client.Options->ShownCount() > 0;
}

bool UnableToAct(const TPlayer& member)
{
    return member.States.test(StateUnableToAct);
}

void EnableQuickLabels(TForm1& form, int slot, bool on)
{
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        form.Control("Quick" + std::to_string(quick) + "_" + std::to_string(slot)).Enabled = on;
}

// Loads the creature's script and keeps it when it has a turn handler; -1 otherwise.
int LoadCombatScript(const TEnemy& enemy)
{
    const int handle = LoadScript(enemy.ScriptId);
    const TScriptObject* script = LoadedScript(handle);
    if (script && script->CombatTurnHandler)
        return handle;
    FreeScript(handle);
    return -1;
}

} // namespace

std::string HealthWord(int32_t current, int32_t maximum)
{
    const int64_t scaled = int64_t(current) * 5;
    if (scaled <= maximum)
        return " [near death|";
    if (scaled <= int64_t(maximum) * 3)
        return " [badly injured|";
    if (current < maximum)
        return " [injured|";
    return " [uninjured|";
}

std::shared_ptr<TCombatSession> TCombatSession::Create(bool turnBased)
{
    std::shared_ptr<TCombatSession> session(new TCombatSession());
    TCombatSession& fight = *session;
    fight.TurnBased = turnBased;
    fight.MemberTarget.fill(-1);
    const TForm1& form = MainForm();
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (const TPlayer* member = form.Member(slot))
            fight.MemberCounter[slot - 1] = member->delay;
    if (const TLocation* here = fight.Here())
        fight.LocationId = here->Id;
    // The timer holds no owner: it dies with the session, which a tick keeps
    // alive while it runs.
    TCombatSession* self = session.get();
    fight.Timer = std::make_unique<TTimer>(Host(), 1000, [self] { self->Tick(); });
    fight.SyncPlaces();
    return session;
}

TCombatSession::~TCombatSession() = default;

TLocation* TCombatSession::Here() const
{
    const TProcess& process = Process();
    return process.Client ? process.Client->CurrentLocation : nullptr;
}

bool TCombatSession::Current() const
{
    const TProcess& process = Process();
    if (FEnded || !process.MainForm || process.MainForm->CombatSession.get() != this || !process.Client ||
        process.Client->SessionClosed)
        return false;
    const TLocation* here = Here();
    return here && here->Id == LocationId;
}

void TCombatSession::SyncPlaces()
{
    const TLocation* here = Here();
    if (!here)
        return;
    if (Enemies.size() < here->Creatures.size())
        Enemies.resize(here->Creatures.size());
    for (size_t place = 0; place < here->Creatures.size(); ++place) {
        const TEnemy* enemy = here->Creatures[place].get();
        if (enemy && enemy != Enemies[place].Enemy)
            Join(place, *enemy);
    }
}

void TCombatSession::Join(size_t place, const TEnemy& enemy)
{
    FreeScript(Enemies[place].Script);
    Enemies[place] = TEnemyPlace{&enemy, enemy.delay, -1, -1};
    for (int32_t& target : MemberTarget)
        if (target == static_cast<int32_t>(place))
            target = -1;
    // Loading may show a box, and the fight goes on meanwhile.
    const int handle = LoadCombatScript(enemy);
    if (!FEnded && place < Enemies.size() && Enemies[place].Enemy == &enemy)
        Enemies[place].Script = handle;
    else
        FreeScript(handle);
}

void TCombatSession::AddCombatant(TEnemy* creature)
{
    if (!creature)
        return;
    if (FRunning)
        TurnOrder.push_back(creature);
    SyncPlaces();
}

void TCombatSession::RemoveCombatant(int64_t id)
{
    TLocation* here = Here();
    if (!here)
        return;
    for (size_t place = 0; place < here->Creatures.size() && place < Enemies.size(); ++place) {
        TCreature* leaving = here->Creatures[place].get();
        if (!leaving || leaving->Id != id)
            continue;
        std::replace(TurnOrder.begin(), TurnOrder.end(), leaving, static_cast<TCreature*>(nullptr));
        FreeScript(Enemies[place].Script);
        Enemies[place] = TEnemyPlace{};
        for (int32_t& target : MemberTarget)
            if (target == static_cast<int32_t>(place))
                target = -1;
        return;
    }
}

void TCombatSession::Start()
{
    if (FRunning || FEnded)
        return;
    TForm1& form = MainForm();
    FRunning = true;
    if (!TurnBased) {
        form.InCombat = true;
        Timer->SetEnabled(true);
        return;
    }
    if (form.EffectsManager)
        form.EffectsManager->Pause();
    TurnOrder.clear();
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (TPlayer* member = form.Member(slot))
            TurnOrder.push_back(member);
    if (const TLocation* here = Here())
        for (const auto& enemy : here->Creatures)
            if (enemy)
                TurnOrder.push_back(enemy.get());
    TurnIndex = 0;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (form.Member(slot))
            GameClient().EnableMemberPanel(slot, false);
    AppendText("~<c:Aqua>Press N to start the next round or Attack to attack ...");
    form.InCombat = true;
}

void TCombatSession::End()
{
    if (FEnded)
        return;
    FEnded = true;
    FRunning = false;
    Timer->SetEnabled(false);
    TForm1& form = MainForm();
    if (form.CombatSession.get() == this || !form.CombatSession)
        form.InCombat = false;
    MemberTarget.fill(-1);
    for (TEnemyPlace& place : Enemies) {
        FreeScript(place.Script);
        place.Script = -1;
    }
    if (Process().Client)
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            if (form.Member(slot))
                GameClient().EnableMemberPanel(slot, true);
    if (form.EffectsManager)
        form.EffectsManager->Resume();
}

void TCombatSession::AnswerAttackers()
{
    const TForm1& form = MainForm();
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        const int32_t target = MemberTarget[slot - 1];
        if (form.Member(slot) && target >= 0 && static_cast<size_t>(target) < Enemies.size())
            Enemies[target].Target = slot;
    }
}

bool TCombatSession::EnemyActs(size_t place)
{
    TForm1& form = MainForm();
    TEnemy* enemy = Here()->Creatures[place].get();
    int32_t slot = Enemies[place].Target;
    if (slot < 1 || !form.Member(slot)) {
        std::vector<int> present;
        for (int member = 1; member <= MaxPartySize; ++member)
            if (form.Member(member))
                present.push_back(member);
        slot = present[Process().Random.Random(static_cast<int>(present.size()))];
        Enemies[place].Target = slot;
    }
    TPlayer* member = form.Member(slot);
    if (const int handle = Enemies[place].Script; handle >= 0) {
        const int32_t result = RunScript(handle, seOnCombatMove, nullptr, {}, enemy, member);
        if (!Current())
            return false;
        // The handler acted instead, or changed who stands where.
        const TLocation* here = Here();
        if (result != 1 || here->Creatures.size() <= place || here->Creatures[place].get() != enemy ||
            form.Member(slot) != member)
            return true;
    }
    enemy->Attack(member);
    return Current();
}

void TCombatSession::Tick()
{
    const auto keep = shared_from_this();
    if (TurnBased) {
        Timer->SetEnabled(false);
        return;
    }
    if (!Current())
        return;
    if (!AnyCreature(*Here())) {
        EndCombat();
        return;
    }
    TForm1& form = MainForm();
    SyncPlaces();
    AnswerAttackers();
    if (PartyGone(form)) {
        GameOver();
        return;
    }
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        const TPlayer* member = form.Member(slot);
        if (!member || UnableToAct(*member))
            continue;
        int32_t& counter = MemberCounter[slot - 1];
        if (counter >= member->delay) {
            form.Control(Numbered("RadioButton", slot)).Enabled = true;
            EnableQuickLabels(form, slot, true);
            if (counter == member->delay && slot == Process().SelectedMember)
                for (int quick = 1; quick <= QuickSlotCount; ++quick)
                    form.Control(Numbered("BtnQuick", quick)).Caption =
                        ItemDisplayName(member->QuickSlots[quick - 1].get());
        }
        ++counter;
    }
    for (size_t place = 0; place < Enemies.size(); ++place) {
        const TLocation* here = Here();
        const TEnemy* enemy = place < here->Creatures.size() ? here->Creatures[place].get() : nullptr;
        if (!enemy)
            continue;
        // A member may have fallen to the enemy before this one.
        if (PartyGone(form)) {
            GameOver();
            return;
        }
        if (Enemies[place].Counter < enemy->delay) {
            ++Enemies[place].Counter;
            continue;
        }
        if (!EnemyActs(place))
            return;
        Enemies[place].Counter = 0;
    }
    if (++Units % UnitsPerRound == 0)
        ++Rounds;
}

bool TCombatSession::MayTakeTurn(const TCreature* creature) const
{
    if (!creature)
        return false;
    const TForm1& form = MainForm();
    if (const int slot = form.SlotOf(creature))
        return creature->end > 0 && !UnableToAct(*form.Member(slot));
    const TLocation* here = Here();
    return std::any_of(here->Creatures.begin(), here->Creatures.end(),
                       [creature](const auto& enemy) { return enemy.get() == creature && enemy->end > 0; });
}

void TCombatSession::NextTurn()
{
    const auto keep = shared_from_this();
    if (!Current())
        return;
    if (!AnyCreature(*Here())) {
        EndCombat();
        return;
    }
    SyncPlaces();
    if (TurnOrder.empty())
        return;
    if (TurnIndex >= TurnOrder.size()) {
        TurnIndex = 0;
        ++Rounds;
    }
    size_t next = TurnIndex;
    while (!MayTakeTurn(TurnOrder[next])) {
        next = (next + 1) % TurnOrder.size();
        if (next == 0)
            ++Rounds;
        if (next == TurnIndex)
            return;
    }
    TurnIndex = next;
    TForm1& form = MainForm();
    if (form.EffectsManager) {
        form.EffectsManager->TickTurn(*TurnOrder[next]);
        if (!Current())
            return;
        // Felled by its own effects: the turn is over and the next waits for N.
        if (!MayTakeTurn(TurnOrder[next])) {
            ++TurnIndex;
            return;
        }
    }
    if (const int slot = form.SlotOf(TurnOrder[next])) {
        ++TurnIndex;
        GameClient().EnableMemberPanel(slot, true);
        form.Control(Numbered("RadioButton", slot)).Enabled = true;
        form.Click(Numbered("RadioButton", slot));
        return;
    }
    PlayEnemyTurn(*static_cast<const TEnemy*>(TurnOrder[next]));
}

void TCombatSession::PlayEnemyTurn(const TEnemy& enemy)
{
    const TLocation* here = Here();
    const auto found = std::find_if(here->Creatures.begin(), here->Creatures.end(),
                                    [&enemy](const auto& creature) { return creature.get() == &enemy; });
    const auto place = static_cast<size_t>(found - here->Creatures.begin());
    TForm1& form = MainForm();
    Ready = false;
    for (int unit = 0; unit < UnitsPerRound; ++unit) {
        here = Here();
        if (!Current() || place >= here->Creatures.size() || here->Creatures[place].get() != &enemy)
            break;
        if (Enemies[place].Counter < enemy.delay) {
            ++Enemies[place].Counter;
            continue;
        }
        AnswerAttackers();
        if (PartyGone(form)) {
            GameOver();
            return;
        }
        if (!EnemyActs(place))
            return;
        Enemies[place].Counter = 0;
    }
    if (Current()) {
        Ready = true;
        ++TurnIndex;
    }
}

int TCombatSession::ChooseTarget(int slot, const TPlayer& member)
{
    const TForm1& form = MainForm();
    const TLocation* here = Here();
    std::vector<std::string> lines;
    std::vector<std::pair<size_t, const TEnemy*>> offered;
    for (size_t place = 0; place < here->Creatures.size() && place < Enemies.size(); ++place) {
        const TEnemy* enemy = here->Creatures[place].get();
        if (!enemy)
            continue;
        const TPlayer* fought = form.Member(Enemies[place].Target);
        lines.push_back(enemy->Name + HealthWord(enemy->end, enemy->end_max) + (fought ? fought->Name : "None") + "]");
        offered.emplace_back(place, enemy);
    }
    const int picked = GameClient().ChooseFromPlainList(lines);
    // Real time went on while the player chose.
    if (picked < 0 || static_cast<size_t>(picked) >= offered.size() || !Current() || form.Member(slot) != &member)
        return -1;
    const auto [place, enemy] = offered[picked];
    here = Here();
    return place < here->Creatures.size() && here->Creatures[place].get() == enemy ? static_cast<int>(place) : -1;
}

void TCombatSession::PlayerAttack()
{
    const auto keep = shared_from_this();
    TForm1& form = MainForm();
    const int slot = Process().SelectedMember;
    TPlayer* member = form.Member(slot);
    // A choice pending (another member's pick among them) holds every attack.
    if (!member || !Current() || ChoicesPending())
        return;
    if (!TurnBased && MemberCounter[slot - 1] < member->delay)
        return;
    int32_t target = MemberTarget[slot - 1];
    const TLocation* here = Here();
    const bool fallen = target < 0 || static_cast<size_t>(target) >= here->Creatures.size() ||
                        !here->Creatures[target];
    if (TurnBased || fallen)
        target = ChooseTarget(slot, *member);
    if (target < 0)
        return;
    member->Attack(Here()->Creatures[target].get());
    if (!Current())
        return;
    MemberCounter[slot - 1] = 0;
    MemberTarget[slot - 1] = target;
    Start();
    if (form.Member(slot) != member)
        return;
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        form.Control(Numbered("BtnQuick", quick)).Caption.clear();
    form.Control(Numbered("RadioButton", slot)).Enabled = false;
    EnableQuickLabels(form, slot, false);
    if (TurnBased && FRunning) {
        GameClient().EnableMemberPanel(slot, false);
        NextTurn();
    }
}

void TCombatSession::StopAttacking()
{
    const int slot = Process().SelectedMember;
    if (slot >= 1 && slot <= MaxPartySize)
        MemberTarget[slot - 1] = -1;
}

void EndCombat()
{
    TForm1& form = MainForm();
    // Held here while it ends: ending runs no script, but frees the kept ones.
    if (const std::shared_ptr<TCombatSession> session = form.CombatSession) {
        session->End();
        if (form.CombatSession == session)
            form.CombatSession.reset();
    }
    form.InCombat = false;
}

void StartCombatIfEnemies()
{
    TForm1& form = MainForm();
    const TLocation* here = Process().Client ? GameClient().CurrentLocation : nullptr;
    if (form.InCombat || !here || !AnyCreature(*here))
        return;
    EndCombat();
    const std::shared_ptr<TCombatSession> session = TCombatSession::Create(form.TurnBasedCombat);
    form.CombatSession = session;
    session->Start();
}

TCombatSession* CombatAt(const TLocation& location)
{
    const TProcess& process = Process();
    TCombatSession* session = process.MainForm ? process.MainForm->CombatSession.get() : nullptr;
    if (!session || !process.Client || process.Client->CurrentLocation != &location || !session->Current())
        return nullptr;
    return session;
}

std::string FightStatus()
{
    const TProcess& process = Process();
    const TCombatSession* session = process.MainForm ? process.MainForm->CombatSession.get() : nullptr;
    if (!session || !session->Running() || !process.Client || !process.Client->CurrentLocation)
        return {};
    const TForm1& form = *process.MainForm;
    const TLocation& here = *process.Client->CurrentLocation;
    auto endurance = [](const TCreature& creature) {
        return creature.Name + " (" + std::to_string(creature.end) + "/" + std::to_string(creature.end_max) + ")";
    };
    std::string line = "Round " + std::to_string(session->Rounds + 1) + ":";
    const char* separator = " ";
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        const TPlayer* member = form.Member(slot);
        if (!member)
            continue;
        const int32_t target = session->MemberTarget[slot - 1];
        const TEnemy* fought =
            target >= 0 && static_cast<size_t>(target) < here.Creatures.size() ? here.Creatures[target].get() : nullptr;
        line += separator + endurance(*member) + " -> " + (fought ? fought->Name : "none");
        separator = "; ";
    }
    line += " |";
    separator = " ";
    for (size_t place = 0; place < here.Creatures.size(); ++place) {
        const TEnemy* enemy = here.Creatures[place].get();
        if (!enemy)
            continue;
        const TPlayer* fought =
            place < session->Enemies.size() ? form.Member(session->Enemies[place].Target) : nullptr;
        line += separator + endurance(*enemy) + " -> " + (fought ? fought->Name : "none");
        separator = "; ";
    }
    return line;
}
