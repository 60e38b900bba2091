#include <gtest/gtest.h>

#include "rules/Inventory.h"
#include "rules/SpellCopy.h"
#include "support/SessionFixture.h"

namespace {

const char* const Content = R"SQL(
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, equipped_on, special_uses,
                            used_if_on, req_str, base_price)
  values (4, 'Book of Embers', 2, 1, 0, 0, 100, 0, 0, 0, 60),
         (5, 'Scroll of Kindling', 3, 1, 1, 1, 100, 1, 0, 0, 15),
         (6, 'Scroll of Ember Bolt', 3, 1, 1, 1, 100, 1, 0, 0, 25),
         (7, 'Blank Scroll', 3, 1, 1, 0, 100, 0, 0, 0, 1),
         (8, 'Priest Book', 2, 1, 0, 0, 100, 0, 0, 0, 60);
insert into items (id, template_id) values (4, 4), (5, 5), (6, 6), (7, 7), (8, 8),
                                           (21003, 4), (21005, 5), (21006, 6), (21007, 7), (21008, 8);
insert into item_usable_by values (4, 2), (5, 2), (6, 2), (7, 2), (8, 3);
insert into spells (id, name, duration, attack_type, damage_id, offensive, req_mana, req_mind, req_faith, spell_type_id)
  values (11, 'Ember Bolt', -1, 3, 0, 1, 4, 10, 0, 1), (12, 'Kindle', -1, 3, 0, 0, 2, 5, 0, 1);
insert into item_spells values (21003, 12), (5, 12), (6, 11);
)SQL";

class SpellCopyTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        auto wizard = std::make_unique<TPlayer>();
        wizard->Name = "Aldric";
        GameClient().AddPartyMember(wizard, 1);
        Wizard = Form().Member(1);
        Wizard->ClassId = 2;
        Wizard->Abilities = {10, 10, 18, 10, 10};
        GameClient().RefreshMemberPanel(1);
    }

    TItem* Carry(int64_t id, int slot)
    {
        auto item = std::make_unique<TItem>();
        Data().LoadItem(id, item.get(), false);
        TItem* carried = item.get();
        EXPECT_TRUE(Wizard->PutInBackpack(item, slot));
        return carried;
    }

    TPlayer* Wizard = nullptr;
};

} // namespace

TEST_F(SpellCopyTest, AScrollsSpellGoesIntoTheChosenBook)
{
    Carry(21006, 1);
    TItem* book = Carry(21003, 2);
    Carry(21008, 3);
    ASSERT_EQ(book->SpecialUses.size(), 1u);
    GameClient().RefreshMemberPanel(1);

    Queue("expect-control ListBox1 items Book of Embers\nselect ListBox1 0\nclick BtnOk\nanswer ok");
    ASSERT_EQ(Form().ContextPopup("Item01_1"), "PopupBackpack");
    ASSERT_TRUE(Form().Click("CopytoSpellBook1"));
    EXPECT_EQ(TestHost.LastBoxText(), "Spell copied.");
    ASSERT_EQ(book->SpecialUses.size(), 2u);
    EXPECT_EQ(book->SpecialUses[1]->Name, "Ember Bolt");
    EXPECT_EQ(book->special_uses, 2);
    EXPECT_EQ(Value("select count(*) from item_spells where item_id = 21003 and spell_id = 11"), "1");
    // The scroll went with its use.
    EXPECT_EQ(ItemAt(*Wizard, {TPackArea::Backpack, 1}), nullptr);
    EXPECT_EQ(Value("select count(*) from items where id = 21006"), "0");

    // The book reads the spell again from the session.
    TItem reloaded;
    Data().LoadItem(21003, &reloaded, false);
    EXPECT_EQ(reloaded.SpecialUses.size(), 2u);
}

TEST_F(SpellCopyTest, AKnownSpellIsCopiedOnlyWhenThePlayerInsists)
{
    const TItem* scroll = Carry(21005, 1);
    TItem* book = Carry(21003, 2);
    GameClient().RefreshMemberPanel(1);
    Queue("select ListBox1 0\nclick BtnOk\nanswer no");
    ASSERT_EQ(Form().ContextPopup("Item01_1"), "PopupBackpack");
    ASSERT_TRUE(Form().Click("CopytoSpellBook1"));
    EXPECT_EQ(TestHost.LastBoxText(), "This spell is already copied in this spellbook.Continue anyway?");
    EXPECT_EQ(book->SpecialUses.size(), 1u);
    EXPECT_EQ(ItemAt(*Wizard, {TPackArea::Backpack, 1}), scroll);
}

TEST_F(SpellCopyTest, RefusalsLeaveTheScroll)
{
    Carry(21003, 2);
    Carry(21007, 3);
    Carry(21008, 4);
    GameClient().RefreshMemberPanel(1);
    struct TCase {
        const char* Label;
        const char* Lines;
        const char* Box;
    } cases[] = {
        {"Item02_1", "answer ok", "Not a Spell Scroll."},
        {"Item03_1", "select ListBox1 0\nclick BtnOk\nanswer ok", "Scroll was empty."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Box);
        Queue(c.Lines);
        ASSERT_EQ(Form().ContextPopup(c.Label), "PopupBackpack");
        ASSERT_TRUE(Form().Click("CopytoSpellBook1"));
        EXPECT_EQ(TestHost.LastBoxText(), c.Box);
    }
    // An empty scroll that does not go with its use stays.
    EXPECT_NE(ItemAt(*Wizard, {TPackArea::Backpack, 3}), nullptr);

    // A priest's book is not for a wizard's scroll, and a class that cannot read it may not copy it.
    Wizard->ClassId = 3;
    Carry(21005, 5);
    GameClient().RefreshMemberPanel(1);
    Queue("answer ok");
    ASSERT_EQ(Form().ContextPopup("Item05_1"), "PopupBackpack");
    ASSERT_TRUE(Form().Click("CopytoSpellBook1"));
    EXPECT_EQ(TestHost.LastBoxText(), "This character cannot copy this Spell Scroll.");
}
