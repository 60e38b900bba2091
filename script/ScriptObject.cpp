#include "script/ScriptObject.h"

#include "app/MainForm.h"
#include "data/SQLite.h"
#include "rules/Attributes.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Casting.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"

namespace {

int32_t LowId(const TEntity* object)
{
    return object ? static_cast<int32_t>(object->Id) : 0;
}

int32_t ItemSlotOf(const TEntity* object, int64_t id)
{
    const auto* creature = dynamic_cast<const TCreature*>(object);
    if (!creature)
        return 0;
    auto matches = [id](const TItem* item) { return item && (item->Id == id || item->TemplateId == id); };
    for (int slot = 0; slot < BodySlotCount; ++slot)
        if (matches(creature->HeldInBodySlot(slot)))
            return slot + 1;
    for (int slot = 0; slot < QuickSlotCount; ++slot)
        if (matches(creature->QuickSlots[slot].get()))
            return 28 + slot;
    return 0;
}

void SetAttributeOf(TEntity* object, int32_t code, int32_t value, int32_t duration)
{
    if (auto* creature = dynamic_cast<TCreature*>(object))
        ::SetAttribute(creature, code, value, duration);
}

} // namespace

int32_t TScriptObject::OnRest()
{
    AppendText("You may not rest here");
    AppendText("");
    return -1;
}

int32_t TScriptSelf::GetAttribute(int32_t code) const { return ::GetAttribute(Object, code); }
int32_t TScriptSelf::GetId() const { return LowId(Object); }
std::string TScriptSelf::GetName() const { return Object ? Object->Name : std::string(); }
int32_t TScriptSelf::FindItemSlot(int64_t id) const { return ItemSlotOf(Object, id); }

bool TScriptSelf::UseQuickSlot(int32_t slot, int64_t specialUseId, int64_t targetId)
{
    auto* creature = dynamic_cast<TEnemy*>(Object);
    return creature && CreatureUseQuickItem(*creature, slot, specialUseId, targetId);
}

void TScriptSelf::Identify()
{
    auto* item = dynamic_cast<TItem*>(Object);
    if (!item || item->Identified || item->Container)
        return;
    item->Identified = true;
    if (TSQLite3* db = Process().SessionDb.get())
        db->Execute(std::string(dynamic_cast<TWeapon*>(item) ? "update weapons" : "update items") +
                    " set cidentified = 1 where id = " + std::to_string(item->Id));
}

void TScriptSelf::SetAttribute(int32_t code, int32_t value, int32_t duration)
{
    SetAttributeOf(Object, code, value, duration);
}

void TScriptSelf::Unlock()
{
    if (auto* item = dynamic_cast<TItem*>(Object); item && item->Container)
        item->Container->Locked = false;
}

int32_t TScriptTarget::GetAttribute(int32_t code) const { return ::GetAttribute(Object, code); }
int32_t TScriptTarget::GetId() const { return LowId(Object); }
std::string TScriptTarget::GetName() const { return Object ? Object->Name : std::string(); }
int32_t TScriptTarget::GetTemplateId() const { return Object ? static_cast<int32_t>(Object->TemplateId) : 0; }

void TScriptTarget::Kill()
{
    if (auto* creature = dynamic_cast<TCreature*>(Object))
        creature->ChangeStat(siEnd, -creature->end);
}

void TScriptTarget::DamageByText(int32_t modifier, const std::string& text, int32_t trigger, int32_t duration,
                                 int32_t dtype)
{
    ::DamageByText(dynamic_cast<TCreature*>(Object), modifier, text, trigger, duration, dtype);
}

int32_t TScriptSender::GetAttribute(int32_t code) const { return ::GetAttribute(Object, code); }
int32_t TScriptSender::GetId() const { return LowId(Object); }
std::string TScriptSender::GetName() const { return Object ? Object->Name : std::string(); }
int32_t TScriptSender::FindItemSlot(int64_t id) const { return ItemSlotOf(Object, id); }

void TScriptSender::SetAttribute(int32_t code, int32_t value, int32_t duration)
{
    SetAttributeOf(Object, code, value, duration);
}

int32_t TScriptSender::SkillValue(const std::string& name) const
{
    const auto* creature = dynamic_cast<const TCreature*>(Object);
    return creature ? creature->SkillValue(name) : -1;
}

void TScriptSender::TakeItem(int64_t id)
{
    auto* creature = dynamic_cast<TCreature*>(Object);
    if (!creature)
        return;
    creature->TakeItemById(id);
    TProcess& process = Process();
    if (process.MainForm && process.Client)
        if (const int slot = process.MainForm->SlotOf(creature))
            process.Client->RefreshMemberPanel(slot);
}
