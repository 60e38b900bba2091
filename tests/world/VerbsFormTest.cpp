#include <gtest/gtest.h>

#include "app/VerbsForm.h"
#include "rules/Creature.h"
#include "support/EngineFixture.h"

namespace {

class VerbsFormTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSession();
        auto player = std::make_unique<TPlayer>();
        player->Name = "Aldric";
        GameClient().AddPartyMember(player, 1);
        Verbs = std::make_unique<TFrmVerbs>();
        Verbs->Control("LblTitle").Caption = "INSERT INTO";
        Verbs->Control("Btn2").Caption = "CANCEL";
        Verbs->Control("ListBox1").Items = {"Chest", "Sack(backpack)"};
    }

    std::unique_ptr<TFrmVerbs> Verbs;
};

} // namespace

TEST_F(VerbsFormTest, TheEntrySelectedWhenClosedWithOk)
{
    struct Case {
        const char* Lines;
        int Picked;
    };
    const Case Cases[] = {
        {"select ListBox1 Sack(backpack)\nclick Btn1", 1},
        {"select ListBox1 Chest\nclick Btn2", -1},
        {"select ListBox1 Chest\nclose", -1},
        {"click Btn1", -1},
        {"select ListBox1 Chest\ntype Edit1 Into The CHEST\nkey Enter", 0},
    };
    for (const Case& c : Cases) {
        Queue(c.Lines);
        EXPECT_EQ(Verbs->Execute(), c.Picked) << c.Lines;
        EXPECT_EQ(Verbs->Control("ListBox1").ItemIndex, -1) << c.Lines;
    }
    EXPECT_EQ(Verbs->Control("Edit1").Text, "into the chest");
}

TEST_F(VerbsFormTest, ASelectionMadeBeforeShowingIsForgotten)
{
    Verbs->Control("ListBox1").ItemIndex = 0;
    Queue("click Btn1");
    EXPECT_EQ(Verbs->Execute(), -1);
}

TEST_F(VerbsFormTest, ClosingRefreshesTheSelectedMembersPanel)
{
    auto rope = std::make_unique<TItem>();
    rope->Name = rope->RealName = "Rope";
    Form().Member(1)->PutInBackpack(rope, 1);
    Queue("click Btn2");
    Verbs->Execute();
    EXPECT_EQ(Form().Control("Item01_1").Caption, "Rope");
}

TEST_F(VerbsFormTest, ScaledOnASmallScreen)
{
    EXPECT_EQ(Verbs->ScalePercent, 100);
    TestHost.ScreenWidthPixels = 640;
    EXPECT_EQ(TFrmVerbs().ScalePercent, 75);
}
