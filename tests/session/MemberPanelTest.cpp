#include <gtest/gtest.h>

#include "rules/Creature.h"
#include "support/EngineFixture.h"

namespace {

class MemberPanelTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSession();
        auto player = std::make_unique<TPlayer>();
        player->Name = "Brenna";
        player->ClassId = 2;
        player->Abilities = {10, 10, 10, 10, 10};
        player->end_max = player->end = 20;
        GameClient().AddPartyMember(player, 1);
        Member = Form().Member(1);
    }

    std::unique_ptr<TItem> Carried(const std::string& name, int slotCode, int slot)
    {
        auto item = std::make_unique<TItem>();
        item->Id = 21000 + slot;
        item->Name = item->RealName = name;
        item->EquipSlots = EquipSlotsFromCode(slotCode);
        item->UsableBy.set();
        return item;
    }

    TPlayer* Member = nullptr;
};

} // namespace

TEST_F(MemberPanelTest, EquipmentListsOfferWhatTheMemberCanWear)
{
    auto ring = Carried("Amber Ring", 10, 1);
    Member->PutInBackpack(ring, 1);
    auto heavy = Carried("Iron Helm", 1, 2);
    heavy->req_str = 15;
    Member->PutInBackpack(heavy, 2);
    auto axe = std::make_unique<TWeapon>();
    axe->Id = 22001;
    axe->Name = axe->RealName = "Great Axe";
    axe->two_handed = true;
    axe->EquipSlots = EquipSlotsFromCode(7);
    axe->UsableBy.set();
    std::unique_ptr<TItem> held = std::move(axe);
    Member->PutInBackpack(held, 3);
    auto cap = Carried("Leather Cap", 1, 4);
    ASSERT_TRUE(Member->Equip(cap, bsHead));
    GameClient().RefreshMemberPanel(1);

    EXPECT_EQ(Form().Control("RRing1").Items, (std::vector<std::string>{"EMPTY", "Amber Ring"}));
    EXPECT_EQ(Form().Control("LRing1").Items, (std::vector<std::string>{"EMPTY", "Amber Ring"}));
    EXPECT_EQ(Form().Control("Item02_1").FontColor, clRed);
    EXPECT_EQ(Form().Control("Item01_1").FontColor, clBlack);
    EXPECT_EQ(Form().Control("Head1").Items, (std::vector<std::string>{"EMPTY", "Leather Cap"}));
    EXPECT_EQ(Form().Control("Head1").ItemIndex, 1);
    EXPECT_EQ(Form().Control("RHand1").Items, (std::vector<std::string>{"EMPTY", "Great Axe"}));
    EXPECT_EQ(Form().Control("LHand1").Items, std::vector<std::string>{"EMPTY"});
    EXPECT_EQ(Form().Control("Feet1").ItemIndex, 0);
    EXPECT_EQ(Form().Control("RadioButton1").Caption, "Brenna");
    EXPECT_TRUE(Form().Control("RadioButton1").Checked);
}

TEST_F(MemberPanelTest, DisablingTheSelectedMemberSelectsTheNextEnabledOne)
{
    auto second = std::make_unique<TPlayer>();
    second->Name = "Corwin";
    GameClient().AddPartyMember(second, 2);
    Process().SelectedMember = 1;
    EXPECT_TRUE(Form().Control("RadioButton2").Checked);
    EXPECT_FALSE(Form().Control("RadioButton1").Checked);
    Form().Click("RadioButton1");
    GameClient().EnableMemberPanel(1, false);
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
    EXPECT_EQ(Process().SelectedMember, 2);
    EXPECT_TRUE(Form().Control("RadioButton2").Checked);
    EXPECT_FALSE(Form().Control("Item01_1").Enabled);
}

TEST_F(MemberPanelTest, ANewMemberIsSelectedWithHisQuickItems)
{
    auto torch = Carried("Torch", 100, 1);
    Member->PutInQuickSlot(torch, 1);
    GameClient().RefreshMemberPanel(1);
    ASSERT_EQ(Form().Control("BtnQuick1").Caption, "Torch");

    auto second = std::make_unique<TPlayer>();
    second->Name = "Corwin";
    auto rope = Carried("Rope", 100, 2);
    second->PutInQuickSlot(rope, 1);
    GameClient().AddPartyMember(second, 2);
    EXPECT_EQ(Process().SelectedMember, 2);
    EXPECT_EQ(Form().Control("BtnQuick1").Caption, "Rope");
    EXPECT_EQ(Form().Control("BtnQuick2").Caption, "EMPTY");
}
