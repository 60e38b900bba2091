#include <gtest/gtest.h>

#include "platform/Keys.h"
#include "platform/Timer.h"
#include "session/StyledText.h"
#include "support/EngineFixture.h"

namespace {

class ChoicesTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSession();
    }

    // A has follow-ups 1 and 2, B none; 1 is C and 2 is D.
    void AddConversation()
    {
        Options().AddChoice(0, "A", "1,2", [this] { Ran += "A"; });
        Options().AddChoice(0, "B", "", [this] { Ran += "B"; });
        Options().AddChoice(1, "C", "", [this] { Ran += "C"; });
        Options().AddChoice(2, "D", "", [this] { Ran += "D"; });
    }

    std::vector<std::string> Captions()
    {
        std::vector<std::string> captions;
        for (const std::string& name : Options().Labels())
            captions.push_back(Form().Control(name).Caption);
        return captions;
    }

    std::string Ran;
};

using Strings = std::vector<std::string>;

} // namespace

TEST(NextIdsTest, Parsing)
{
    EXPECT_EQ(ParseNextIds("2,x,,3"), (std::vector<int32_t>{2, 0, 3}));
    EXPECT_EQ(ParseNextIds("  "), std::vector<int32_t>{});
    EXPECT_EQ(ParseNextIds(" 4 , 5 "), (std::vector<int32_t>{4, 5}));
    EXPECT_EQ(ParseNextIds("0"), std::vector<int32_t>{0});
}

TEST_F(ChoicesTest, DialogueFollowsTheTreeThroughTheScript)
{
    AddConversation();
    Queue("expect-control LblChoice1 caption 1. A\n"
          "expect-control LblChoice2 caption 2. B\n"
          "expect-control ScrollBox1 visible true\n"
          "expect-control PanelButtons visible false\n"
          "choose 1\n"
          "expect-control LblChoice1 caption 1. C\n"
          "expect-control LblChoice2 caption 2. D\n"
          "choose 2");
    Options().RunChoices();
    EXPECT_EQ(Ran, "AD");
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_EQ(Options().Level(0), nullptr);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);
    EXPECT_FALSE(Form().Control("ScrollBox1").Visible);
    EXPECT_EQ(Form().Find("LblChoice2"), nullptr);
    EXPECT_EQ(Form().Control("LblChoice1").Caption, "");
}

TEST_F(ChoicesTest, FollowUpZeroShowsEveryTopLevelChoiceAgain)
{
    Options().AddChoice(0, "Ask about the mines", "0", [this] { Ran += "mines "; });
    Options().AddChoice(0, "Leave", "", [this] { Ran += "leave"; });
    Options().AddChoice(5, "Never shown", "", nullptr);
    Queue("choose 1\n"
          "expect-control LblChoice1 caption 1. Ask about the mines\n"
          "expect-control LblChoice2 caption 2. Leave\n"
          "choose 2");
    Options().RunChoices();
    EXPECT_EQ(Ran, "mines leave");
}

TEST_F(ChoicesTest, MissingFollowUpsShowNothingForThemAndNoneAtAllEndTheRun)
{
    Options().AddChoice(0, "Go on", "7,8", [this] { Ran += "go"; });
    Queue("choose 1");
    Options().RunChoices();
    EXPECT_EQ(Ran, "go");
    EXPECT_EQ(Options().ShownCount(), 0);
}

TEST_F(ChoicesTest, EmptyTextsAreNotShownAndDoNotShiftNumbers)
{
    Options().AddChoice(0, "", "", [this] { Ran += "hidden"; });
    Options().AddChoice(0, "Visible", "", [this] { Ran += "visible"; });
    Queue("expect-control LblChoice1 caption 1. Visible\nchoose 1");
    Options().RunChoices();
    EXPECT_EQ(Ran, "visible");
}

TEST_F(ChoicesTest, ClearAllFromACallbackEndsTheDialogue)
{
    Options().AddChoice(0, "Walk away", "1", [this] {
        Ran += "walk";
        Options().ClearAll();
    });
    Options().AddChoice(1, "Never offered", "", nullptr);
    Queue("choose 1");
    Options().RunChoices();
    EXPECT_EQ(Ran, "walk");
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_EQ(GameClient().ChoiceResult, -1);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);
}

TEST_F(ChoicesTest, ContinueBreakHidesAndRestoresTheConversation)
{
    AddConversation();
    // While the conversation waits, a timer prints a paged text.
    TTimer timer(TestHost, 500, [&] {
        timer.SetEnabled(false);
        AppendPaged({"The ground shakes.", "*", "Dust settles."});
    });
    timer.SetEnabled(true);
    Queue("wait 600ms\n"
          "expect The ground shakes.\n"
          "expect-control LblChoice1 caption 1. Continue...\n"
          "choose 1\n"
          "expect Dust settles.\n"
          "expect-control LblChoice1 caption 1. A\n"
          "expect-control LblChoice2 caption 2. B\n"
          "expect-control ScrollBox1 visible true\n"
          "choose 2");
    Options().RunChoices();
    EXPECT_EQ(Ran, "B");
    EXPECT_EQ(Options().ShownCount(), 0);
}

TEST_F(ChoicesTest, NestedLevelsRestoreTheLowerLabels)
{
    Options().AddChoice(0, "Outer", "0", [this] {
        Ran += "outer ";
        Options().PushLevel();
        Options().AddChoice(0, "Inner", "", [this] { Ran += "inner "; });
        Options().RunChoices();
    });
    Options().AddChoice(0, "Done", "", [this] { Ran += "done"; });
    Queue("choose 1\n"
          "expect-control LblChoice1 caption 1. Inner\n"
          "choose 1\n"
          "expect-control LblChoice1 caption 1. Outer\n"
          "expect-control LblChoice2 caption 2. Done\n"
          "choose 2");
    Options().RunChoices();
    EXPECT_EQ(Ran, "outer inner done");
    EXPECT_EQ(Options().Top(), 0);
}

TEST_F(ChoicesTest, ClearAllFromATimerEndsEverySuspendedWait)
{
    // An inner conversation waits inside the outer one's callback; a timer clears all.
    Options().AddChoice(0, "Outer", "0", [this] {
        Options().PushLevel();
        Options().AddChoice(0, "Inner", "", [this] { Ran += "inner"; });
        Options().RunChoices();
        Ran += "after-inner ";
    });
    TTimer timer(TestHost, 1000, [&] {
        timer.SetEnabled(false);
        Options().ClearAll();
    });
    Queue("choose 1\n"
          "expect-control LblChoice1 caption 1. Inner\n"
          "wait 1s");
    timer.SetEnabled(true);
    Options().RunChoices();
    EXPECT_EQ(Ran, "after-inner ");
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_EQ(Options().Top(), 0);
    EXPECT_EQ(Options().Level(0), nullptr);
    EXPECT_EQ(Options().Level(1), nullptr);
}

TEST_F(ChoicesTest, TheManagerFreedDuringAWaitIsNotTouchedAgain)
{
    AddConversation();
    // The book closes while the conversation waits: the manager goes.
    TTimer timer(TestHost, 500, [&] {
        timer.SetEnabled(false);
        GameClient().Options.reset();
    });
    timer.SetEnabled(true);
    Queue("wait 1s");
    Options().RunChoices();
    EXPECT_EQ(GameClient().Options, nullptr);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);
}

TEST_F(ChoicesTest, AnErrorInACallbackClosesTheLevelAndPassesOn)
{
    Options().AddChoice(0, "Boom", "1", [] { throw std::runtime_error("script failed"); });
    Options().AddChoice(1, "Never", "", nullptr);
    Queue("choose 1");
    EXPECT_THROW(Options().RunChoices(), std::runtime_error);
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_EQ(Options().Level(0), nullptr);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);
}

TEST_F(ChoicesTest, PlainList)
{
    Queue("expect-control LblChoice1 caption 1. Cancel\n"
          "expect-control LblChoice3 caption 3. South\n"
          "choose 3");
    EXPECT_EQ(GameClient().ChooseFromList({"North", "South"}), 1);
    Queue("choose 1");
    EXPECT_EQ(GameClient().ChooseFromList({"North"}), -1);
    Queue("expect-control LblChoice1 caption 1. Cancel\nchoose 1");
    EXPECT_EQ(GameClient().ChooseFromList({}), -1);
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);

    // Cleared while it waits: nothing picked.
    TTimer timer(TestHost, 500, [&] {
        timer.SetEnabled(false);
        Options().ClearAll();
    });
    timer.SetEnabled(true);
    Queue("wait 500ms");
    EXPECT_EQ(GameClient().ChooseFromList({"North"}), -1);
    EXPECT_EQ(Options().ShownCount(), 0);
}

TEST_F(ChoicesTest, EntriesWithoutTextDoNotShiftThePick)
{
    struct Case {
        int label;
        int picked;
    };
    for (const Case c : {Case{2, 1}, Case{3, 3}, Case{1, -1}}) {
        Queue("expect-control LblChoice2 caption 2. North\n"
              "expect-control LblChoice3 caption 3. South\n"
              "choose " + std::to_string(c.label));
        EXPECT_EQ(GameClient().ChooseFromList({"", "North", "", "South"}), c.picked) << "label " << c.label;
    }
}

TEST_F(ChoicesTest, PlainListRefusals)
{
    Options().ShowChoice("pending");
    EXPECT_EQ(GameClient().ChooseFromList({"x"}), -1);
    Options().ClearLabels();
    GameClient().CurrentLocation = nullptr;
    EXPECT_EQ(GameClient().ChooseFromList({"x"}), -1);
    GameClient().CurrentLocation = &Here;
    GameClient().SessionClosed = true;
    EXPECT_EQ(GameClient().ChooseFromList({"x"}), -1);
    // Nothing was shown, so nothing was waited for.
    EXPECT_EQ(Options().ShownCount(), 0);
}

TEST_F(ChoicesTest, EnterPicksTheOnlyLabel)
{
    Options().AddChoice(0, "Only", "", [this] { Ran += "only"; });
    Queue("key Enter");
    Options().RunChoices();
    EXPECT_EQ(Ran, "only");

    // With two labels Enter does nothing; the script then picks the second.
    AddConversation();
    Queue("key Enter\nexpect-control LblChoice2 caption 2. B\nchoose 2");
    Options().RunChoices();
    EXPECT_EQ(Ran, "onlyB");
}

TEST_F(ChoicesTest, LabelColoursFollowThePointer)
{
    Options().ShowChoice("first");
    Options().ShowChoice("second");
    EXPECT_EQ(Form().Control("LblChoice2").Cursor, TCursor::HandPoint);
    EXPECT_EQ(Form().Control("LblChoice2").Tag, 2);
    GameClient().SetPlayControlsEnabled(false);
    Form().MouseEnter("LblChoice2");
    EXPECT_EQ(Form().Control("LblChoice2").FontColor, clRed);
    Form().MouseDown("LblChoice2");
    EXPECT_EQ(Form().Control("LblChoice2").FontColor, clBlue);
    Form().MouseUp("LblChoice2");
    EXPECT_EQ(Form().Control("LblChoice2").FontColor, clRed);
    Form().MouseLeave("LblChoice2");
    EXPECT_EQ(Form().Control("LblChoice2").FontColor, clBlack);
    GameClient().ChoiceResult = 0;
    Form().Click("LblChoice2");
    EXPECT_EQ(GameClient().ChoiceResult, 2);
    Options().ShowChoice("");
    EXPECT_EQ(Options().ShownCount(), 2);
    Options().ClearLabels();
    EXPECT_EQ(Form().Find("LblChoice2"), nullptr);
    EXPECT_EQ(Form().Control("LblChoice1").Cursor, TCursor::Default);
}

TEST_F(ChoicesTest, PlayControls)
{
    GameClient().SetPlayControlsEnabled(false);
    for (const char* name : {"MenuFile", "MainGoBtn", "BtnQuick1", "BtnLook", "BtnParty", "BtnRest"})
        EXPECT_FALSE(Form().Control(name).Enabled) << name;
    EXPECT_FALSE(Form().Control("PanelButtons").Visible);
    EXPECT_TRUE(Form().Control("ScrollBox1").Visible);
    GameClient().SetPlayControlsEnabled(true);
    EXPECT_TRUE(Form().Control("BtnLook").Enabled);
    EXPECT_TRUE(Form().Control("PanelButtons").Visible);
    EXPECT_FALSE(Form().Control("ScrollBox1").Visible);
}

TEST_F(ChoicesTest, AWaitWithNothingQueuedStopsTheTest)
{
    AddConversation();
    try {
        Options().RunChoices();
        FAIL() << "the wait returned";
    } catch (const EScriptStop& stop) {
        EXPECT_NE(stop.Message().find("a choice in a conversation"), std::string::npos) << stop.Message();
    }
    // The level closed on the way out.
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_EQ(Options().Level(0), nullptr);
}
