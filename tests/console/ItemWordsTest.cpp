// The words for a member's things, as typed, and the command lines they stand for.
#include <gtest/gtest.h>

#include <sstream>

#include "rules/Creature.h"
#include "support/EngineFixture.h"
#include "ui/console/ItemWords.h"
#include "ui/console/OutputEcho.h"
#include "ui/console/PlayerWords.h"
#include "ui/console/TextViews.h"

namespace {

std::unique_ptr<TItem> Thing(const std::string& name, int slotCode, int64_t id)
{
    auto item = std::make_unique<TItem>();
    item->Id = item->TemplateId = id;
    item->Name = item->RealName = name;
    item->Identified = true;
    item->type_id = 1;
    item->EquipSlots = EquipSlotsFromCode(slotCode);
    item->UsableBy.set();
    return item;
}

// An open container that takes plain things, with what it holds and its gold.
std::unique_ptr<TItem> Container(const std::string& name, int64_t id, std::vector<std::unique_ptr<TItem>> held,
                                 int32_t gold)
{
    auto container = Thing(name, 0, id);
    container->Container = std::make_unique<TContRec>();
    container->Container->Open = true;
    container->Container->ItemTypes.set(1);
    container->Container->Contents = std::move(held);
    container->Container->Contents.resize(4);
    container->Container->Gold = gold;
    return container;
}

// The lines as "Form: line", one a line.
std::string Shown(const std::optional<std::vector<TFormLine>>& lines)
{
    if (!lines)
        return "(no item word)";
    std::string shown;
    for (const TFormLine& line : *lines)
        shown += line.Form + ": " + line.Line + "\n";
    return shown;
}

class ItemWordsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSessionWithContents();
        auto aldric = std::make_unique<TPlayer>();
        aldric->Name = "Aldric";
        aldric->ClassId = 1;
        aldric->Abilities = {20, 20, 20, 20, 20};
        auto brenna = std::make_unique<TPlayer>();
        brenna->Name = "Brenna";
        TPlayer& member = *aldric;
        Put(member, 1, Thing("Leather Jerkin", 3, 901));
        Put(member, 2, Thing("Torch", 9, 902));
        Put(member, 3, Thing("Torn Map", 0, 903));
        std::vector<std::unique_ptr<TItem>> held;
        held.push_back(Thing("Coil of Rope", 0, 904));
        Put(member, 4, Container("Leather Satchel", 905, std::move(held), 6));
        Put(member, 5, Thing("Ring of Steady Hands", 10, 906));
        Put(member, 7, Thing("Torch", 9, 907));
        member.QuickSlots[0] = Thing("Healing Draught", 100, 908);
        for (auto [name, code, slot] : {std::tuple{"Iron Cap", 1, bsHead}, {"Copper Ring", 10, bsRRing}}) {
            auto worn = Thing(name, code, 910 + slot);
            member.Equip(worn, slot, false);
        }
        Here.Items.push_back(Container("Split Packing Crate", 920, {}, 0));
        GameClient().AddPartyMember(brenna, 2);
        GameClient().AddPartyMember(aldric, 1);
    }

    static void Put(TPlayer& member, int slot, std::unique_ptr<TItem> item) { member.PutInBackpack(item, slot); }
};

} // namespace

TEST_F(ItemWordsTest, ThingsAreNamedByPlaceOrNameAndStandForTheirClicks)
{
    struct Case {
        const char* typed;
        const char* lines;
        const char* answer;
    };
    const Case cases[] = {
        // Worn from the backpack through the first list that offers it, an empty one first.
        {"wear jerkin", "Form1: select Torso1 1\n", ""},
        {"wear b1", "Form1: select Torso1 1\n", ""},
        {"Wear LEATHER JERKIN", "Form1: select Torso1 1\n", ""},
        {"wear ring", "Form1: select LRing1 1\n", ""},
        {"wear map", "", "Aldric cannot wear the Torn Map.\n"},
        {"wear q1", "", "\"wear\" works on the backpack; the Healing Draught is in q1.\n"},
        {"wear cap", "", "\"wear\" works on the backpack; the Iron Cap is on the head.\n"},
        {"wear b9", "", "Aldric has nothing in b9.\n"},
        {"wear xyz", "", "Aldric has nothing called \"xyz\" (inventory shows what each member has).\n"},
        {"wear", "", "wear and a thing from the backpack: wear b3, wear jerkin.\n"},
        // Taken off by picking EMPTY.
        {"remove head", "Form1: select Head1 0\n", ""},
        {"remove cap", "Form1: select Head1 0\n", ""},
        {"remove right ring", "Form1: select RRing1 0\n", ""},
        {"remove torso", "", "Aldric has nothing on the torso.\n"},
        // The backpack menu over the thing's label.
        {"give map to 2", "Form1: popup Item03_1\nForm1: menu GiveTo_2\n", ""},
        {"give map to brenna", "Form1: popup Item03_1\nForm1: menu GiveTo_2\n", ""},
        {"give map to 1", "", "Aldric has it already.\n"},
        {"give map to Cedric", "", "There is no member called Cedric: give it to a member by number or name.\n"},
        {"give map", "", "give, a thing, to and a member: give b3 to 2, give rope to Brenna.\n"},
        {"drop torch", "Form1: popup Item02_1\nForm1: menu DiscardItem\n", ""},
        {"drop tor", "", "Which one: Torch (b2), Torn Map (b3), Torch (b7)? Name it by its place or by more of its name.\n"},
        {"info q1", "Form1: popup Quick1_1\nForm1: menu Info\n", ""},
        {"info draught", "Form1: popup Quick1_1\nForm1: menu Info\n", ""},
        {"identify b3", "Form1: popup Item03_1\nForm1: menu IdentifyItem\n", ""},
        {"copy map", "Form1: popup Item03_1\nForm1: menu CopytoSpellBook1\n", ""},
        // Insert Into... lists the crate lying here, then the satchel.
        {"put map in satchel",
         "Form1: popup Item03_1\nForm1: menu InsertInto1\nFrmVerbs: select ListBox1 1\nFrmVerbs: click Btn1\n", ""},
        {"put map in b4",
         "Form1: popup Item03_1\nForm1: menu InsertInto1\nFrmVerbs: select ListBox1 1\nFrmVerbs: click Btn1\n", ""},
        {"put q1 in crate",
         "Form1: popup Quick1_1\nForm1: menu InsertInto1\nFrmVerbs: select ListBox1 0\nFrmVerbs: click Btn1\n", ""},
        {"put map in chest", "", "There is no container called chest here or in Aldric's backpack.\n"},
        // View Contents, a line, TO BACKPACK and the dialog closed.
        {"take rope from satchel",
         "Form1: popup Item04_1\nForm1: menu ViewContents1\nFrmSpellBooks: select ListBox1 0\n"
         "FrmSpellBooks: click BtnToBackpack\nFrmSpellBooks: close\n",
         ""},
        {"take gold from b4",
         "Form1: popup Item04_1\nForm1: menu ViewContents1\nFrmSpellBooks: select ListBox1 1\n"
         "FrmSpellBooks: click BtnToBackpack\nFrmSpellBooks: close\n",
         ""},
        {"take torch from satchel", "", "The Leather Satchel holds Coil of Rope, 6gp.\n"},
        {"take torch from crate", "",
         "The Split Packing Crate lies here: contents shows what it holds, and its numbers take things out.\n"},
        {"take map from map", "", "The Torn Map holds nothing: it is no container.\n"},
        // Dragged onto another label.
        {"move b3 to b10", "Form1: drag Item03_1 Item10_1\n", ""},
        {"move q1 to q3", "Form1: drag Quick1_1 Quick3_1\n", ""},
        {"move b3 to q2", "", "The Torn Map cannot go in q2.\n"},
        {"move b3 to b2", "", "b2 holds the Torch already.\n"},
        {"move b3 to torso", "",
         "move takes a thing to a backpack place or a quick slot: move b3 to q1. wear puts a thing on.\n"},
        // Another member acts when the line ends with its number.
        {"wear jerkin 2", "", "Brenna has nothing called \"jerkin\" (inventory shows what each member has).\n"},
        {"give q1 2 to 1", "", "Brenna has nothing in q1.\n"},
        {"drop map 7", "", "There is no member 7.\n"},
        {"look", "(no item word)", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::ostringstream out;
        EXPECT_EQ(Shown(ItemWordLines(Form(), c.typed, out)), c.lines);
        EXPECT_EQ(out.str(), c.answer);
    }
    GameClient().EnableMemberPanel(2, false);
    std::ostringstream out;
    EXPECT_EQ(Shown(ItemWordLines(Form(), "drop b1 2", out)), "");
    EXPECT_EQ(out.str(), "Brenna cannot act now.\n");
}

// Typed at the prompt, a word's lines play through the dialogs it opens.
class TypedItemWordsTest : public ItemWordsTest {
protected:
    void SetUp() override
    {
        ItemWordsTest::SetUp();
        TestHost.StopOnError = false;
        Echo.emplace(Form().RichEdit1, TTerminalLook{}, Out);
        Words.emplace(TestHost, Form(), *Echo, Out, [this](const std::string&) -> std::optional<std::string> {
            if (Typed.empty())
                return std::nullopt;
            std::string line = Typed.front();
            Typed.erase(Typed.begin());
            return line;
        });
        TestHost.SetLineSource([this](const std::string& waiting) { return Words->NextLine(waiting); });
    }

    void Type(const std::vector<std::string>& lines)
    {
        Typed = lines;
        TestHost.RunMainLoop([] { return false; });
    }

    std::ostringstream Out;
    std::optional<TOutputEcho> Echo;
    std::optional<TPlayerWords> Words;
    std::vector<std::string> Typed;
};

TEST_F(TypedItemWordsTest, ThingsGoIntoTheSatchelAndOutAgain)
{
    TPlayer& aldric = *Form().Member(1);
    const TContRec& satchel = *aldric.Backpack[3]->Container;
    const int32_t gold = GameClient().PartyGold;
    Type({"put map in satchel", "take rope from satchel", "take gold from satchel"});
    ASSERT_NE(satchel.Contents[1], nullptr);
    EXPECT_EQ(satchel.Contents[1]->Name, "Torn Map");
    EXPECT_EQ(satchel.Contents[0], nullptr);
    ASSERT_NE(aldric.Backpack[2], nullptr);
    EXPECT_EQ(aldric.Backpack[2]->Name, "Coil of Rope");
    EXPECT_EQ(GameClient().PartyGold, gold + 6);
    EXPECT_EQ(Printed, std::vector<std::string>());
}

TEST_F(TypedItemWordsTest, AMessageBoxOnTheWayDropsTheRestOfTheWord)
{
    TPlayer& aldric = *Form().Member(1);
    for (int slot = 1; slot <= BackpackSlotCount; ++slot)
        if (!aldric.Backpack[slot - 1])
            Put(aldric, slot, Thing("Stone", 0, 930 + slot));
    // TO BACKPACK finds no room and ends the dialog; its close must not reach the window.
    Type({"take rope from satchel", "ok"});
    EXPECT_EQ(TestHost.LastBoxText(), "Backpack is full.");
    EXPECT_FALSE(TestHost.BoxOpen());
    EXPECT_NE(aldric.Backpack[3]->Container->Contents[0], nullptr);
    EXPECT_EQ(Printed, std::vector<std::string>());
}

TEST_F(ItemWordsTest, TheInventoryShowsThePlacesTheWordsName)
{
    std::ostringstream out;
    ShowInventory(out, Form(), 1);
    EXPECT_EQ(out.str(), "1. Aldric\n"
                         "  wears: [head] Iron Cap, [right ring] Copper Ring\n"
                         "  backpack: [b1] Leather Jerkin, [b2] Torch, [b3] Torn Map, [b4] Leather Satchel (holding "
                         "Coil of Rope, 6gp), [b5] Ring of Steady Hands, [b7] Torch\n"
                         "  quick items: [q1] Healing Draught\n");
}
