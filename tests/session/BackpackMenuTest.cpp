#include <gtest/gtest.h>

#include "app/GraphicInfoForm.h"
#include "app/StatsForm.h"
#include "rules/ContainerUse.h"
#include "rules/Inventory.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "session/StyledText.h"
#include "support/InventoryFixture.h"

namespace {

// Tells what it was used with and which custom action was chosen.
class TTalkativeItem : public TScriptObject {
public:
    int32_t OnUseWith() override
    {
        AppendText(SelfProxy.GetName() + " meets " + TargetProxy.GetName());
        return 1;
    }
    int32_t OnCustomAction(const std::string& action) override
    {
        AppendText(SelfProxy.GetName() + ": " + action);
        return 1;
    }
};
constexpr int64_t TalkativeScript = 990233;

class BackpackMenuTest : public InventoryFixture {
protected:
    void SetUp() override
    {
        InventoryFixture::SetUp();
        RegisterScriptClass(TalkativeScript,
                            [] { return std::unique_ptr<TScriptObject>(std::make_unique<TTalkativeItem>()); });
    }

    TItem* Satchel(int places, bool open)
    {
        auto satchel = Item("Satchel");
        satchel->type_id = -1;
        satchel->Container = std::make_unique<TContRec>();
        satchel->Container->Contents.resize(places);
        satchel->Container->Open = open;
        satchel->Container->ItemTypes.set(1);
        return Put(*First, std::move(satchel), 15);
    }

    // Opens the backpack menu on the label and picks the entry.
    void Pick(const std::string& label, const std::string& entry)
    {
        ShowPanels();
        ASSERT_EQ(Form().ContextPopup(label), "PopupBackpack");
        ASSERT_TRUE(Form().Click(entry));
    }
};

} // namespace

TEST_F(BackpackMenuTest, InsertIntoAndTakeBackOutOfASatchel)
{
    TItem* satchel = Satchel(2, true);
    satchel->Container->Gold = 12;
    const TItem* flask = Put(*First, Item("Flask"), 1);
    Put(*First, Weapon("Long Sword", 9, false), 2);

    Queue("select ListBox1 Satchel(backpack)\nclick Btn1");
    Pick("Item01_1", "InsertInto1");
    EXPECT_EQ(satchel->Container->Contents[0].get(), flask);
    EXPECT_EQ(ItemAt(*First, {TPackArea::Backpack, 1}), nullptr);

    // A sword is not what a satchel takes.
    Queue("select ListBox1 0\nclick Btn1\nanswer ok");
    Pick("Item02_1", "InsertInto1");
    EXPECT_EQ(TestHost.LastBoxText(), "You cannot put this weapon here.");

    // Gold first, then the flask; the dialog lists what is left.
    const int32_t gold = GameClient().PartyGold;
    Queue("select ListBox1 12gp\nclick BtnToBackpack\nexpect-control ListBox1 items Flask\n"
          "select ListBox1 Flask\nclick BtnToBackpack\nexpect-control ListBox1 items \nclose");
    Pick("Item15_1", "ViewContents1");
    EXPECT_EQ(GameClient().PartyGold, gold + 12);
    EXPECT_EQ(satchel->Container->Gold, -1);
    EXPECT_EQ(ItemAt(*First, {TPackArea::Backpack, 1}), flask);

    satchel->Container->Open = false;
    Queue("answer ok");
    Pick("Item15_1", "ViewContents1");
    EXPECT_EQ(TestHost.LastBoxText(), "It is not open.");
}

TEST_F(BackpackMenuTest, TakingOutIntoAFullBackpackClosesTheContents)
{
    TItem* satchel = Satchel(1, true);
    satchel->Container->Contents[0] = Item("Ribbon");
    FillBackpack(*First);
    Queue("select ListBox1 Ribbon\nclick BtnToBackpack\nanswer ok");
    Pick("Item15_1", "ViewContents1");
    EXPECT_EQ(TestHost.LastBoxText(), "Backpack is full.");
    EXPECT_NE(satchel->Container->Contents[0], nullptr);
}

TEST_F(BackpackMenuTest, UseWithAThingLyingHere)
{
    auto lever = Item("Rusty Lever");
    Here.AddItem(std::move(lever));
    TItem* crowbar = Put(*First, Item("Crowbar"), 3);
    crowbar->ScriptId = TalkativeScript;
    Queue("select ListBox1 Rusty Lever\nclick Button1");
    Pick("Item03_1", "UseWith1");
    EXPECT_NE(Screen().find("[ Aldric: Use Crowbar with Rusty Lever ]"), std::string::npos);
    EXPECT_NE(Screen().find("Crowbar meets Rusty Lever"), std::string::npos);

    crowbar->ScriptId = 0;
    Queue("select ListBox1 0\nclick Button1\nanswer ok");
    Pick("Item03_1", "UseWith1");
    EXPECT_EQ(TestHost.LastBoxText(), "Nothing happens");

    PutQuick(*First, Item("Torch", 100), 1);
    Queue("answer ok");
    Pick("Quick1_1", "UseWith1");
    EXPECT_EQ(TestHost.LastBoxText(), "Put it in the backpack first.");
}

TEST_F(BackpackMenuTest, CustomActionsComeFromTheItem)
{
    TItem* lute = Put(*First, Item("Lute"), 1);
    lute->Action = "Play | Tune ";
    lute->ScriptId = TalkativeScript;
    Pick("Item01_1", "CustomAction1");
    EXPECT_EQ(Form().Control("CustomAction0").Caption, "Play");
    EXPECT_NE(Screen().find("Lute: Tune"), std::string::npos);

    Put(*First, Item("Flask"), 2);
    ShowPanels();
    ASSERT_EQ(Form().ContextPopup("Item02_1"), "PopupBackpack");
    EXPECT_EQ(Form().Find("CustomAction0"), nullptr);
}

TEST_F(BackpackMenuTest, DoubleClickWearsWhereASlotIsFree)
{
    const TItem* first = Put(*First, Item("Amber Ring", 10), 1);
    const TItem* second = Put(*First, Item("Jade Ring", 10), 2);
    ShowPanels();
    ASSERT_TRUE(Form().DblClick("Item01_1"));
    ShowPanels();
    ASSERT_TRUE(Form().DblClick("Item02_1"));
    EXPECT_EQ(First->HeldInBodySlot(bsRRing), first);
    EXPECT_EQ(First->HeldInBodySlot(bsLRing), second);
    EXPECT_EQ(Form().Control("LRing1").Items[Form().Control("LRing1").ItemIndex], "Jade Ring");
}

TEST_F(BackpackMenuTest, TheInformationDialogShowsTextsAndAnEstimate)
{
    auto wand = Item("Wand of Sparks");
    for (const char* name : {"Spark", "Flare"}) {
        auto special = std::make_unique<TSpecialItem>();
        special->Name = name;
        wand->SpecialUses.push_back(std::move(special));
    }
    wand->base_price = 100;
    First->Skills.push_back({"Evaluate", 24, ""});
    Process().Random.Force({5, 0});
    TFrmGraphicInfo info(*wand, First);
    EXPECT_EQ(info.Control("LblName").Caption, "Wand of Sparks");
    EXPECT_TRUE(info.Control("LblSpecial").Visible);
    EXPECT_EQ(info.Control("LblSpecial").Caption, "SPECIAL USES");
    EXPECT_NE(info.ShownText().find("The value of this item is approximately: 95 gp"), std::string::npos);
    ASSERT_TRUE(info.Click("LblSpecial"));
    EXPECT_EQ(info.Control("LblSpecial").Caption, "OBJECT");
    EXPECT_EQ(info.ShownText(), "[Spark]\n\n\n[Flare]\n\n\n");
    EXPECT_GT(info.Control("PaintBox1").Max, 0);
    ASSERT_TRUE(info.Click("LblSpecial"));
    EXPECT_EQ(info.Control("LblSpecial").Caption, "SPECIAL USES");

    auto ring = Item("Amber Ring");
    ring->Identified = false;
    ring->NotIdentifiedName = "Dull Ring";
    TFrmGraphicInfo unknown(*ring, Second);
    EXPECT_EQ(unknown.ShownText(), "Dull Ring");
    EXPECT_FALSE(unknown.Control("LblSpecial").Visible);

    auto book = Item("Book of Embers");
    book->type_id = itSpellbook;
    TFrmGraphicInfo spells(*book, Second);
    EXPECT_EQ(spells.Control("LblSpecial").Caption, "SPELLS");
}

TEST_F(BackpackMenuTest, TheCharacterSheet)
{
    First->ClassId = 8;
    First->race_name = "Dwarf";
    First->Mastery[9] = 3;
    First->AttackMod = {2, 0, -1, 0};
    First->Resistances[5] = -10;
    TFrmStats stats(*First, "");
    EXPECT_EQ(stats.Caption, "Statistics");
    EXPECT_EQ(stats.Control("Lbl_10").Caption, "Expert");
    EXPECT_EQ(stats.Control("Lbl_1").Caption, "Untrained");
    EXPECT_EQ(stats.Control("LblAttack1").FontColor, RgbColor(0, 128, 0));
    EXPECT_EQ(stats.Control("LblAttack3").FontColor, clRed);
    EXPECT_EQ(stats.Control("LblAttack2").FontColor, clBlack);
    EXPECT_EQ(stats.Control("LblRes5").Caption, "-10%");
    EXPECT_EQ(stats.Control("LblClassName").Caption, "Battle Wizard");
    EXPECT_EQ(stats.Control("LblRace").Caption, "Dwarf");

    Second->ClassId = 23;
    EXPECT_EQ(TFrmStats(*Second, "Ember Knight").Control("LblClassName").Caption, "Ember Knight");
}
