// The terminal prompt driven as a player types: lines go in, the answers and the
// game's text come out.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "rules/Creature.h"
#include "script/ScriptClasses.h"
#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"
#include "ui/console/OutputEcho.h"
#include "ui/console/PlayerWords.h"

namespace {

const char* const Adventure = R"SQL(
insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'), ('EncText', '0'),
  ('EncImg', '0'), ('ChStart', '1'), ('StartID', '1'), ('AdvTitle', 'The Ford'), ('DefaultClasses', '1|');
insert into races (id, name, description) values (1, 'Human', 'Folk of the river towns.');
insert into areas (id, name, width, height) values (1, 'Riverlands', 4, 4);
insert into texts (id, file, text) values (1, 'ford.txt', 'A shallow ford.'),
  (2, 'j_ford.txt', 'At the Ford' || char(10) || 'We crossed the river at dawn.'),
  (3, 'q_ferry.txt', 'The Ferryman' || char(10) || 'Find the ferryman''s lost pole.');
insert into locations (id, name, intro_id, desc_id, brief, area_id, script_id) values
  (1, 'The Ford', 0, 1, 'A shallow ford.', 1, 0), (2, 'The Far Bank', 0, 0, 'Reeds and mud.', 1, 0),
  (3, 'The Ferry Store', 0, 0, 'Nets and rope.', 1, 990301);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (2, 1, 'the far bank', 1, 1), (1, 2, 'the ford', 3, 1), (3, 2, 'the ferry store', 2, 1), (2, 3, 'the far bank', 4, 1);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, equipped_on, special_uses,
                            used_if_on, base_price)
  values (1, 'Rope', 1, 1, 0, 0, 0, 0, 0, 10);
insert into items (id, template_id) values (1, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (3, 1, 5, 2);
insert into items_to_buy values (3, 1);
)SQL";

// The ferry store's keeper: a shop without markup that buys rope back at 90 %.
class TFerryStore : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        Cmd().OpenShop("The Ferry Store", 10, 0, 3);
        Cmd().RunShop(this);
        return -1;
    }
};
constexpr int64_t FerryStoreScript = 990301;

// Through the creation pages to the name: the form's NEXT is always 2.
const std::vector<std::string> ToTheNamePage = {"start", "y", "2", "2", "2", "2", "2", "2"};

class PlayerWordsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Form().FormCreate();
        Process().AppDir = Folder.Temp.Path;
        TestHost.StopOnError = false;
        TestHost.Print = [this](const std::string& text) { Out << text << '\n'; };
        Echo.emplace(Form().RichEdit1, TTerminalLook{}, Out);
        Words.emplace(TestHost, Form(), *Echo, Out, [this](const std::string& prompt) { return Read(prompt); });
        TestHost.SetLineSource([this](const std::string& waiting) { return Words->NextLine(waiting); });
        RegisterScriptClass(FerryStoreScript, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TFerryStore>()); });
    }

    // Types the lines in turn; afterwards each line's answer is what was written
    // until the next prompt.
    void Type(const std::vector<std::string>& lines)
    {
        Typed.insert(Typed.end(), lines.begin(), lines.end());
        try {
            TestHost.RunMainLoop([] { return false; });
        } catch (const EScriptStop&) {
            // The player's lines ran out.
        }
    }

    const std::string& AnswerTo(const std::string& line) { return Answers[line]; }

    // Brenna made on the creation pages, and Aldric in slot 2 as if he had joined.
    void TwoMembers()
    {
        std::vector<std::string> lines = ToTheNamePage;
        lines.insert(lines.end(), {"name Brenna", "2", ""});
        Type(lines);
        auto aldric = std::make_unique<TPlayer>();
        aldric->Id = 990;
        aldric->Name = "Aldric";
        aldric->race_name = "Human";
        aldric->level = 1;
        GameClient().AddPartyMember(aldric, 2);
    }

    std::optional<std::string> Read(const std::string& prompt)
    {
        Prompts.push_back(prompt);
        if (!Current.empty())
            Answers[Current] += Out.str().substr(Taken);
        Taken = Out.str().size();
        if (Next == Typed.size())
            return std::nullopt;
        Current = Typed[Next++];
        if (const auto before = BeforeTyping.find(Current); before != BeforeTyping.end())
            before->second();
        return Current;
    }

    TAdventureFolder Folder{Adventure};
    std::ostringstream Out;
    std::optional<TOutputEcho> Echo;
    std::optional<TPlayerWords> Words;
    std::vector<std::string> Typed;
    size_t Next = 0;
    std::string Current;
    size_t Taken = 0;
    std::map<std::string, std::string> Answers;
    std::vector<std::string> Prompts;
    // What happens in the game just before the player types a line.
    std::map<std::string, std::function<void()>> BeforeTyping;
};

} // namespace

TEST_F(PlayerWordsTest, ANewcomerCreatesEowynMistypesAndIsAnsweredPolitely)
{
    std::vector<std::string> lines = {"look", "drop torch", "dismiss 2", "xyzzy"};
    lines.insert(lines.end(), ToTheNamePage.begin(), ToTheNamePage.end());
    lines.insert(lines.end(), {"name \xC3\x89owyn d'Arc", "2", "", "99", "w", "party", "frobnicate now", "n"});
    Type(lines);

    const TPlayer* eowyn = Form().Member(1);
    ASSERT_NE(eowyn, nullptr);
    EXPECT_EQ(eowyn->Name, "\xC3\x89owyn d'Arc");
    EXPECT_EQ(AnswerTo("look"), "No adventure is open yet. Type start to begin one.\n");
    EXPECT_EQ(AnswerTo("drop torch"), "No adventure is open yet. Type start to begin one.\n");
    EXPECT_EQ(AnswerTo("dismiss 2"), "No adventure is open yet. Type start to begin one.\n");
    EXPECT_EQ(AnswerTo("xyzzy"), "I don't know the word \"xyzzy\". Type help for the words you can use.\n");
    EXPECT_NE(AnswerTo("2").find("Name: (not given yet)"), std::string::npos);
    EXPECT_NE(AnswerTo("name \xC3\x89owyn d'Arc").find("Name: \xC3\x89owyn d'Arc"), std::string::npos);
    EXPECT_EQ(AnswerTo("99"), "There is no choice 99: nothing is offered now.\n");
    EXPECT_EQ(AnswerTo("w"), "You can't go that way. Ways on: the far bank (north).\n");
    EXPECT_NE(AnswerTo("party").find("1. \xC3\x89owyn d'Arc, Human, level 1"), std::string::npos) << AnswerTo("party");
    EXPECT_EQ(AnswerTo("frobnicate now"), "I don't know the word \"frobnicate\". Type help for the words you can use.\n");
    EXPECT_NE(AnswerTo("n").find("The Far Bank"), std::string::npos) << AnswerTo("n");
    EXPECT_EQ(Out.str().find("line "), std::string::npos) << Out.str();
}

TEST_F(PlayerWordsTest, MistakesAtTheWindowGetAnswersInThePlayersWords)
{
    std::vector<std::string> lines = ToTheNamePage;
    lines.insert(lines.end(), {"name Brenna", "2", ""});
    Type(lines);
    ASSERT_NE(Form().Member(1), nullptr);
    struct Case {
        std::string typed;
        std::string answer;
    };
    const std::vector<Case> cases = {
        {"0", "There is no choice 0: nothing is offered now.\n"},
        {"down", "You can't go that way. Ways on: the far bank (north).\n"},
        {"party 3", "There is no member 3.\n"},
        {"stats 3", "There is no member 3.\n"},
        {"wear cloak", "Brenna has nothing called \"cloak\" (inventory shows what each member has).\n"},
        {"click", "\"click\" needs more after it. Type help for the words you can use.\n"},
        {"click Nowhere", "there is no control Nowhere on Form1\n"},
        {"dismiss", "Say which member: dismiss and a member's number, such as dismiss 2.\n"},
        {"export", "Say which member: export and a member's number, such as export 2.\n"},
        {"dismiss 3", "There is no member 3.\n"},
        {"export 7", "There is no member 7.\n"},
        {"  ", ""},
    };
    std::vector<std::string> typed;
    for (const Case& c : cases)
        typed.push_back(c.typed);
    Type(typed);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(AnswerTo(c.typed), c.answer);
    }
    // A button the window holds disabled, as Unlock is with nothing to unlock.
    Form().Find("BtnUnlock")->Enabled = false;
    Type({"unlock"});
    EXPECT_EQ(AnswerTo("unlock"), "\"unlock\" can't be done now.\n");
}

TEST_F(PlayerWordsTest, ACharacterIsThrownAwayOnlyAfterAYes)
{
    std::vector<std::string> lines = {"start", "y", "2", "look", "1", "no", "close", "maybe", "yes", "maybe", "n"};
    Type(lines);
    EXPECT_NE(AnswerTo("look").find("That does not work on this page: a number chooses, close leaves, help explains.\n"),
              std::string::npos)
        << AnswerTo("look");
    EXPECT_NE(AnswerTo("no").find("The character is kept."), std::string::npos) << AnswerTo("no");
    // Kept: the page is drawn again for the next line.
    EXPECT_NE(AnswerTo("no").find("[Character Creation]"), std::string::npos) << AnswerTo("no");
    EXPECT_EQ(Prompts[5], "Throw this character away? (yes/no) ");
    EXPECT_EQ(std::count(Prompts.begin(), Prompts.end(), "Throw this character away? (yes/no) "), 3);
    EXPECT_NE(AnswerTo("maybe").find("Please answer yes or no."), std::string::npos) << AnswerTo("maybe");
    EXPECT_EQ(Form().Member(1), nullptr);
}

TEST_F(PlayerWordsTest, TheCommandLineAsksWithItsOwnPrompt)
{
    std::vector<std::string> lines = ToTheNamePage;
    lines.insert(lines.end(), {"name Brenna", "2", "", "command", "ferryman"});
    Type(lines);
    ASSERT_GE(Prompts.size(), 2u);
    EXPECT_EQ(Prompts[Prompts.size() - 2], "Command: ");
    EXPECT_NE(AnswerTo("ferryman").find("Nothing happened"), std::string::npos) << AnswerTo("ferryman");
}

TEST_F(PlayerWordsTest, ViewsShowWhatTheSessionHolds)
{
    std::vector<std::string> lines = ToTheNamePage;
    lines.insert(lines.end(), {"name Brenna", "2", "", "journal", "quests", "map", "inventory", "help", "stats", "1"});
    Type(lines);
    EXPECT_NE(AnswerTo("journal").find("The journal is empty: entries are written as the adventure goes on.\n"),
              std::string::npos)
        << AnswerTo("journal");
    EXPECT_NE(AnswerTo("quests").find("No quest is open.\n"), std::string::npos) << AnswerTo("quests");
    EXPECT_EQ(AnswerTo("map"), "You are at The Ford in Riverlands.\nWays on: the far bank (north).\n"
                               "The Ford has no place on the map of Riverlands.\n");
    EXPECT_NE(AnswerTo("inventory").find("1. Brenna\n  wears: nothing\n  backpack: nothing\n"), std::string::npos)
        << AnswerTo("inventory");
    EXPECT_NE(AnswerTo("help").find("/doc/index.html"), std::string::npos) << AnswerTo("help");
    EXPECT_NE(AnswerTo("stats").find("[Statistics]\n     Weapons: Axe "), std::string::npos) << AnswerTo("stats");
    EXPECT_NE(AnswerTo("stats").find("     Class/Race: "), std::string::npos) << AnswerTo("stats");

    BeforeTyping["journal 1"] = [] { GameClient().AddJournalEntry("j_ford", "j_ford.txt"); };
    BeforeTyping["quests 1"] = [] { GameClient().AddQuest("q_ferry", "q_ferry.txt"); };
    Type({"journal 1", "quests 1", "link 1"});
    EXPECT_NE(AnswerTo("journal 1").find("== At the Ford ==\n  We crossed the river at dawn.\n"), std::string::npos)
        << AnswerTo("journal 1");
    EXPECT_NE(AnswerTo("quests 1").find("  [1] The Ferryman — page 1\n"), std::string::npos) << AnswerTo("quests 1");
    EXPECT_NE(AnswerTo("link 1").find("== The Ferryman ==\n  Find the ferryman's lost pole.\n"), std::string::npos)
        << AnswerTo("link 1");
}

TEST_F(PlayerWordsTest, AtAShopAWordAndALineNumberBuyOrSell)
{
    std::vector<std::string> lines = ToTheNamePage;
    lines.insert(lines.end(), {"name Brenna", "2", "", "n"});
    Type(lines);
    const int32_t gold = GameClient().PartyGold;
    ASSERT_GE(gold, 10);
    Type({"e", "sell 1", "buy 3", "buy 1", "3", "member 2", "sell 1", "4"});
    EXPECT_NE(AnswerTo("e").find("[The Ferry Store] The party has " + std::to_string(gold) + " gold; Brenna trades"),
              std::string::npos)
        << AnswerTo("e");
    EXPECT_NE(AnswerTo("e").find("   [1] (2) 10gp Rope\n"), std::string::npos) << AnswerTo("e");
    EXPECT_NE(AnswerTo("sell 1").find("The shop shows its goods now: buy and a number buys one.\n"), std::string::npos);
    EXPECT_NE(AnswerTo("buy 3").find("The shop's list has lines 1 to 1: buy and a number picks one.\n"),
              std::string::npos);
    // The line picked and BUY pressed: the rope is Brenna's, and one is left.
    EXPECT_NE(AnswerTo("buy 1").find("   [1] 10gp Rope\n"), std::string::npos) << AnswerTo("buy 1");
    EXPECT_NE(AnswerTo("3").find("   [1] 9gp Rope\n"), std::string::npos) << AnswerTo("3");
    EXPECT_EQ(AnswerTo("member 2").substr(0, 22), "There is no member 2.\n");
    EXPECT_NE(AnswerTo("sell 1").find("   nothing\n"), std::string::npos) << AnswerTo("sell 1");
    EXPECT_EQ(GameClient().PartyGold, gold - 1);
    EXPECT_EQ(Form().Member(1)->Backpack[0], nullptr);
    EXPECT_FALSE(GameClient().Trading);
    EXPECT_EQ(Out.str().find("line "), std::string::npos) << Out.str();
}

TEST_F(PlayerWordsTest, PartyWordsClickThroughThePartyDialog)
{
    TwoMembers();
    Type({"party", "manage", "close", "export 1", "ok", "close", "dismiss 2", "no", "close", "dismiss 2", "yes",
          "party 2", "dismiss 1", "y", "ok"});
    EXPECT_NE(AnswerTo("party").find("(manage opens the party dialog; dismiss 2 leaves member 2 behind here;"),
              std::string::npos)
        << AnswerTo("party");
    // The dialog as a page: its buttons first, then a line a slot.
    EXPECT_NE(AnswerTo("manage").find("[Party Management]\n  3. Brenna ( )\n  4. Aldric ( )\n"
                                      "  5. Character 3 ( ) (not available)\n"),
              std::string::npos)
        << AnswerTo("manage");
    EXPECT_NE(AnswerTo("manage").find("   1. Export...   2. Remove\n"), std::string::npos) << AnswerTo("manage");
    const std::string exported = Folder.Game() + "/Exported";
    EXPECT_NE(AnswerTo("export 1").find("[Brenna exported in " + exported + "]"), std::string::npos)
        << AnswerTo("export 1");
    EXPECT_TRUE(std::filesystem::exists(exported + "/Brenna.chr"));
    // After the box the dialog waits again, Brenna picked.
    EXPECT_NE(AnswerTo("ok").find("  3. Brenna (x)\n"), std::string::npos) << AnswerTo("ok");
    EXPECT_NE(AnswerTo("dismiss 2").find("[Are you sure you want to remove Aldric from your party?] yes/no"),
              std::string::npos)
        << AnswerTo("dismiss 2");
    // No keeps him and the dialog; yes leaves him behind.
    EXPECT_NE(AnswerTo("no").find("  4. Aldric (x)\n"), std::string::npos) << AnswerTo("no");
    EXPECT_EQ(Form().Member(2), nullptr);
    ASSERT_NE(Form().Member(1), nullptr);
    EXPECT_EQ(Form().Member(1)->Name, "Brenna");
    EXPECT_EQ(AnswerTo("party 2"), "There is no member 2.\n");
    EXPECT_NE(AnswerTo("y").find("[You cannot remove the only player in the group]"), std::string::npos)
        << AnswerTo("y");
    EXPECT_NE(Form().Member(1), nullptr);
    EXPECT_EQ(Out.str().find("line "), std::string::npos) << Out.str();
}

TEST_F(PlayerWordsTest, ImportListsTheExportedFilesAndANumberTakesOne)
{
    const std::string exported = Folder.Game() + "/Exported";
    std::filesystem::create_directories(exported);
    std::ofstream(exported + "/notes.txt") << "x";
    // Wenlow is written out by the adventure that is open when the player asks.
    BeforeTyping["import"] = [this] {
        TPlayer wenlow;
        wenlow.Name = "Wenlow";
        wenlow.race_name = "Human";
        wenlow.level = 2;
        wenlow.Base.Abilities = {14, 12, 11, 10, 15};
        std::string why;
        EXPECT_TRUE(Form().DataManager->ExportCharacter(wenlow, why)) << why;
    };
    Type({"start", "y", "import", "3", "notes.txt", "cancel", "import", "1", "Wen"});
    const std::string list =
        "[Exported Character File (*.chr)] in " + exported + ":\n  1. Wenlow.chr\n(a number picks a file; type the "
        "path of a file, or cancel)\n";
    EXPECT_NE(AnswerTo("import").find(list), std::string::npos) << AnswerTo("import");
    EXPECT_NE(AnswerTo("3").find("There is no file 3: choose a number from 1 to 1, type the path of a file, or cancel.\n" +
                                 list),
              std::string::npos)
        << AnswerTo("3");
    // A file that is no character file: the dialog asks again.
    EXPECT_NE(AnswerTo("notes.txt").find(list), std::string::npos) << AnswerTo("notes.txt");
    EXPECT_NE(AnswerTo("cancel").find("[Character Creation]"), std::string::npos) << AnswerTo("cancel");
    EXPECT_EQ(std::count(Prompts.begin(), Prompts.end(), "Import a character: "), 4);
    const TPlayer* wen = Form().Member(1);
    ASSERT_NE(wen, nullptr);
    EXPECT_EQ(wen->Name, "Wen");
    EXPECT_EQ(wen->level, 2);
    EXPECT_EQ(wen->Abilities[4], 15);
}
