// Script classes: the adventure's behaviour, built into the engine. Every world
// object carries a script id; when something happens to it, the class registered
// for the id receives the event with the objects taking part and answers with a
// number that may veto or steer what the engine does next (-1: not handled).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TEntity;

enum TScriptEvent : int {
    seOnEnter = 1,
    seOnExit = 2,
    seOnExamine = 3,
    seOnDialog = 4,
    seOnOpen = 5,
    seOnPickUp = 6,
    seOnUnlock = 7,
    seOnUse = 8,
    seOnPickLock = 9,
    seOnFindTraps = 10,
    seOnRemoveTrap = 11,
    seOnIdentify = 12,
    seOnDead = 13,
    seOnRest = 14,
    seOnShopService = 15,
    seOnCombatMove = 16,
    seOnExecute = 17,
    seOnEquip = 18,
    seOnUnequip = 19,
    seOnCopySpell = 20,
    seOnCommand = 21,
    seOnFirstEnter = 22,
    seOnModify = 23,
    seOnMessage = 24,
    seOnLook = 25,
    seOnInfo = 26,
    seOnUseWith = 27,
    seOnCustomAction = 28,
    seOnInsertInto = 29,
    seOnTakeOut = 30,
    seOnCommandLine = 31,
};

// What an event passes besides its objects: the destination of an exit (2), the
// shop and service (15), the skill value and argument (23), a message code (24),
// an action name or a command text (28, 31).
struct TScriptParam {
    int64_t Value = 0;
    int32_t Second = 0;
    std::string Text;
};

// The object that owns the script: the item, the creature, the character.
class TScriptSelf {
public:
    int32_t GetAttribute(int32_t code) const;
    int32_t GetId() const;
    std::string GetName() const;
    void Identify();
    void SetAttribute(int32_t code, int32_t value, int32_t duration);
    void Unlock();
    // 1..12 for a body slot, 28..30 for a quick slot, 0 when not carried.
    int32_t FindItemSlot(int64_t id) const;
    // A creature (not a party member) uses the special use with that id (0: the
    // first) of its quick-slot item (1..3) on the creature with the target id;
    // false when nothing was used.
    bool UseQuickSlot(int32_t slot, int64_t specialUseId, int64_t targetId);

    TEntity* Object = nullptr;
};

// The object acted upon.
class TScriptTarget {
public:
    int32_t GetAttribute(int32_t code) const;
    int32_t GetId() const;
    std::string GetName() const;
    int32_t GetTemplateId() const;
    void Kill();
    void DamageByText(int32_t modifier, const std::string& text, int32_t trigger, int32_t duration, int32_t dtype);

    TEntity* Object = nullptr;
};

// Who acts.
class TScriptSender {
public:
    int32_t GetAttribute(int32_t code) const;
    int32_t GetId() const;
    std::string GetName() const;
    void SetAttribute(int32_t code, int32_t value, int32_t duration);
    int32_t SkillValue(const std::string& name) const;
    void TakeItem(int64_t id);
    int32_t FindItemSlot(int64_t id) const;

    TEntity* Object = nullptr;
};

class TScriptObject {
public:
    virtual ~TScriptObject() = default;

    TScriptSender SenderProxy;
    TScriptTarget TargetProxy;
    TScriptSelf SelfProxy;
    // An enemy's turn in a fight (event 16): 1 lets the normal attack follow.
    std::function<int32_t(TEntity* self, TEntity* sender)> CombatTurnHandler;

    virtual int32_t OnEnter() { return -1; }
    virtual int32_t OnExit(int64_t destination) { return (void)destination, -1; }
    virtual int32_t OnExamine() { return -1; }
    virtual int32_t OnDialog() { return -1; }
    virtual int32_t OnOpen() { return -1; }
    virtual int32_t OnPickUp() { return -1; }
    virtual int32_t OnUnlock() { return -1; }
    virtual int32_t OnUse() { return -1; }
    virtual int32_t OnPickLock() { return -1; }
    virtual int32_t OnFindTraps() { return -1; }
    virtual int32_t OnRemoveTrap() { return -1; }
    virtual int32_t OnIdentify() { return -1; }
    virtual int32_t OnDead() { return -1; }
    virtual int32_t OnRest();
    virtual int32_t OnShopService(int64_t shopId, int64_t service) { return (void)shopId, (void)service, -1; }
    virtual int32_t OnExecute() { return -1; }
    virtual int32_t OnEquip() { return -1; }
    virtual int32_t OnUnequip() { return -1; }
    virtual int32_t OnCopySpell() { return -1; }
    virtual int32_t OnFirstEnter() { return -1; }
    virtual int32_t OnModify(int32_t skillValue, int32_t argument) { return (void)skillValue, (void)argument, -1; }
    virtual int32_t OnMessage(int32_t code) { return (void)code, -1; }
    virtual int32_t OnLook() { return -1; }
    virtual int32_t OnInfo() { return -1; }
    virtual int32_t OnUseWith() { return -1; }
    virtual int32_t OnCustomAction(const std::string& action) { return (void)action, -1; }
    virtual int32_t OnInsertInto() { return -1; }
    virtual int32_t OnTakeOut() { return -1; }
    virtual int32_t OnCommandLine(const std::string& command) { return (void)command, -1; }
};
