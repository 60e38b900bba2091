#include "rules/SpellCopy.h"

#include <memory>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/Inventory.h"
#include "rules/ItemCharges.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

bool Fits(const TItem& book, const TItem& scroll)
{
    return book.type_id == itSpellbook && book.UsableBy == scroll.UsableBy && book.EquipSlots == scroll.EquipSlots;
}

bool Holds(TPlayer& member, const TItem* book)
{
    for (const auto& item : member.Backpack)
        if (item.get() == book)
            return true;
    for (const auto& item : member.QuickSlots)
        if (item.get() == book)
            return true;
    return false;
}

// The scroll and the book are still where the copy began.
bool StillThere(TPlayer& member, int scrollSlot, const TItem* scroll, const TItem& book)
{
    return InParty(member) && ItemAt(member, {TPackArea::Backpack, scrollSlot}) == scroll && Holds(member, &book);
}

// A scroll that goes with its use is taken out and freed.
void UseUp(TPlayer& member, int scrollSlot)
{
    if (const TItem* scroll = ItemAt(member, {TPackArea::Backpack, scrollSlot}); scroll && scroll->destroy_after_use)
        DestroyItem(member.TakeFromSlot(scrollSlot, 1));
    GameClient().RefreshMemberPanel(MainForm().SlotOf(&member));
}

} // namespace

std::string SpellCopyRefusal(const TPlayer& member, const TItem& scroll)
{
    if (scroll.type_id != itSpellScroll)
        return "Not a Spell Scroll.";
    if (!member.CanUse(scroll))
        return "This character cannot copy this Spell Scroll.";
    return {};
}

std::vector<TItem*> SpellBooksFor(TPlayer& member, const TItem& scroll)
{
    std::vector<TItem*> books;
    for (const auto& item : member.Backpack)
        if (item && Fits(*item, scroll) && member.CanUse(*item))
            books.push_back(item.get());
    for (const auto& item : member.QuickSlots)
        if (item && Fits(*item, scroll))
            books.push_back(item.get());
    return books;
}

void CopySpell(TPlayer& member, int scrollSlot, TItem& book)
{
    TItem* scroll = ItemAt(member, {TPackArea::Backpack, scrollSlot});
    if (!scroll || !Holds(member, &book))
        return;
    const auto* spell = scroll->SpecialUses.empty() ? nullptr : dynamic_cast<const TSpell*>(scroll->SpecialUses[0].get());
    if (!spell) {
        UseUp(member, scrollSlot);
        Host().MessageDlg("Scroll was empty.", TMsgDlgType::Information, mbOK);
        return;
    }
    const int64_t spellId = spell->Id;
    bool copied = false;
    for (const auto& known : book.SpecialUses)
        copied = copied || (known && known->Id == spellId);
    if (copied && Host().MessageDlg("This spell is already copied in this spellbook.Continue anyway?",
                                    TMsgDlgType::Confirmation, mbYesNo) != mrYes)
        return;
    if (!StillThere(member, scrollSlot, scroll, book) ||
        RunScriptOnce(seOnCopySpell, &member, TScriptParam{}, scroll, &book, scroll->ScriptId) == 0 ||
        !StillThere(member, scrollSlot, scroll, book))
        return;
    TDataManager& data = *MainForm().DataManager;
    data.AddSpellToItem(spellId, book.Id);
    auto loaded = std::make_unique<TSpell>();
    data.LoadSpell(spellId, loaded.get());
    book.SpecialUses.push_back(std::move(loaded));
    ++book.special_uses;
    UseUp(member, scrollSlot);
    Host().MessageDlg("Spell copied.", TMsgDlgType::Information, mbOK);
}
