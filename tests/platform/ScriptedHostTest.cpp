#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "platform/Keys.h"
#include "platform/OutputPane.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "platform/Timer.h"
#include "session/StyledText.h"

namespace {

// A tiny window: a button that prints, a list, an edit field.
class TTestWindow : public TFormModel {
public:
    explicit TTestWindow(TOutputPane& pane) : TFormModel("FrmWindow"), Pane(pane)
    {
        Add("BtnSay", TControlKind::Button).OnClick = [this](const std::string&) { AppendText(Pane, "Hello there"); };
        Add("BtnFail", TControlKind::Button).OnClick = [](const std::string&) {
            throw std::runtime_error("Key \"name\" not found");
        };
        auto& list = Add("ComboMapTitle", TControlKind::ComboBox);
        list.Items = {"Cindervale", "Whisperwood"};
        list.OnChange = [this](const std::string&) { AppendText(Pane, "map " + Control("ComboMapTitle").Items[Control("ComboMapTitle").ItemIndex]); };
        Add("EditName", TControlKind::Edit);
    }
    void KeyUp(int key) override { Keys.push_back(key); }
    bool CloseQuery() override { return AllowClose; }

    TOutputPane& Pane;
    std::vector<int> Keys;
    bool AllowClose = true;
};

class ScriptedHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Host.Attach(&Window, &Pane, &Random);
        Host.Print = [this](const std::string& text) { Printed.push_back(text); };
    }

    std::string StopMessage(const std::function<void()>& run)
    {
        try {
            run();
        } catch (const EScriptStop& stop) {
            return stop.Message();
        }
        return "no stop";
    }

    TOutputPane Pane;
    TTestWindow Window{Pane};
    TRandomSource Random;
    TScriptedHost Host;
    std::vector<std::string> Printed;
};

} // namespace

TEST(CommandScriptTest, ParsingAndLineNumbers)
{
    const auto lines = ParseCommandScript("# start\n\nclick BtnLook\n  choose   2 \nexpect You see a lantern\nclose");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].Number, 3);
    EXPECT_EQ(lines[0].Command, TScriptCommand::Click);
    EXPECT_EQ(lines[1].Argument, "2");
    EXPECT_EQ(lines[2].Argument, "You see a lantern");
    EXPECT_FALSE(lines[2].IsInput());
    EXPECT_TRUE(lines[3].IsInput());
    try {
        ParseCommandScript("click A\nfly away\n");
        FAIL();
    } catch (const EScriptStop& stop) {
        EXPECT_EQ(stop.Message(), "line 2: fly away: unknown command \"fly\"");
    }
    EXPECT_THROW(ParseCommandScript("click"), EScriptStop);
}

TEST(CommandScriptTest, DurationsAndKeys)
{
    EXPECT_EQ(ParseDuration("500ms"), 500);
    EXPECT_EQ(ParseDuration("3s"), 3000);
    EXPECT_EQ(ParseDuration("250"), 250);
    EXPECT_EQ(ParseDuration("soon"), std::nullopt);
    EXPECT_EQ(ParseDuration("-1s"), std::nullopt);
    EXPECT_EQ(ParseDuration("99999999999s"), std::nullopt);
    EXPECT_EQ(ParseKeyName("Up"), VK_UP);
    EXPECT_EQ(ParseKeyName("Num5"), VK_NUMPAD5);
    EXPECT_EQ(ParseKeyName("NumPlus"), VK_ADD);
    EXPECT_EQ(ParseKeyName("n"), 'N');
    EXPECT_EQ(ParseKeyName("Num55"), std::nullopt);
}

TEST_F(ScriptedHostTest, InputAndChecksOnTheMainWindow)
{
    Host.AddLines("click BtnSay\n"
                  "expect Hello there\n"
                  "expect !Goodbye\n"
                  "expect /H[a-z]+o/\n"
                  "select ComboMapTitle Whisperwood\n"
                  "expect map Whisperwood\n"
                  "expect !Hello\n"
                  "select ComboMapTitle 0\n"
                  "expect-control ComboMapTitle itemindex 0\n"
                  "expect-control ComboMapTitle items Cindervale|Whisperwood\n"
                  "type EditName Brenna Ashdown\n"
                  "expect-control EditName text Brenna Ashdown\n"
                  "key Num8\n"
                  "key n\n"
                  "seed 42\n"
                  "random 3 1\n"
                  "show BtnSay");
    Host.RunMainLoop([] { return false; });
    EXPECT_EQ(Window.Keys, (std::vector<int>{VK_NUMPAD8, 'N'}));
    EXPECT_EQ(Random.Random(6), 3);
    EXPECT_EQ(Random.Random(6), 1);
    ASSERT_EQ(Printed.size(), 1u);
    EXPECT_NE(Printed[0].find("BtnSay"), std::string::npos);
}

TEST_F(ScriptedHostTest, FailuresNameTheLine)
{
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"click BtnSay\nexpect Goodbye", "line 2: expect Goodbye: not in the output"},
        {"click Nowhere", "line 1: click Nowhere: there is no control Nowhere on FrmWindow"},
        {"answer yes", "line 1: answer yes: no message box"},
        {"choose 3", "line 1: choose 3: there is no choice 3 to pick"},
        {"select ComboMapTitle Ashfang", "line 1: select ComboMapTitle Ashfang: ComboMapTitle has no entry Ashfang"},
        {"expect-control BtnSay enabled false", "line 1: expect-control BtnSay enabled false: BtnSay enabled is \"true\""},
        {"wait soon", "line 1: wait soon: not a duration"},
        {"key F13", "line 1: key F13: unknown key F13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        TScriptedHost host;
        host.Attach(&Window, &Pane, &Random);
        host.AddLines(c.script);
        const std::string message = StopMessage([&] { host.RunMainLoop([] { return false; }); });
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
    }
}

// Patterns are matched in time linear in the output: ones that make a
// backtracking matcher recurse per character or try exponentially many ways
// finish at once, and a pattern that cannot be used is a failed line.
TEST_F(ScriptedHostTest, PatternsCannotHangOrCrashARun)
{
    std::string words;
    while (words.size() < 60'000)
        words += "ember ash cinder smoke ";
    struct Case {
        std::string pattern;
        const char* failure;  // null when the line holds
    };
    const Case cases[] = {
        {"(.|\\n)*Exits", nullptr},
        {"^ember", nullptr},
        {"(\\w+\\s?)*$@", "no match in the output"},
        {"(unclosed", "bad pattern: missing ): (unclosed"},
        {"((a{1000}){1000}){1000}", "bad pattern: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        TOutputPane pane;
        TTestWindow window{pane};
        window.Control("BtnSay").OnClick = [&pane, &words](const std::string&) {
            AppendText(pane, words);
            AppendText(pane, "Exits: the gate");
        };
        TScriptedHost host;
        host.Attach(&window, &pane, &Random);
        host.AddLines("click BtnSay\nexpect /" + c.pattern + "/");
        const std::string message = StopMessage([&] { host.RunMainLoop([] { return false; }); });
        if (!c.failure) {
            EXPECT_EQ(message, "no stop") << message.substr(0, 200);
            continue;
        }
        const std::string where = "line 2: expect /" + c.pattern + "/: " + c.failure;
        EXPECT_EQ(message.rfind(where, 0), 0u) << message.substr(0, 200);
    }
}

TEST_F(ScriptedHostTest, FaultyLinesAreReportedWhenNotStopping)
{
    Host.StopOnError = false;
    Host.AddLines("click Nowhere\nfly\nclick BtnSay");
    Host.RunMainLoop([] { return false; });
    ASSERT_EQ(Printed.size(), 2u);
    // The player has just typed the line: no line number.
    EXPECT_EQ(Printed[0], "there is no control Nowhere on FrmWindow");
    EXPECT_NE(Printed[1].find("unknown command"), std::string::npos);
    EXPECT_EQ(Pane.WrittenText(), "Hello there\n");
}

TEST_F(ScriptedHostTest, BoxesTakeAnswers)
{
    Host.AddLines("expect-box save your game\nanswer no");
    EXPECT_EQ(Host.MessageDlg("Do you want to save your game?", TMsgDlgType::Confirmation, mbYesNoCancel), mrNo);
    Host.AddLines("answer ok");
    EXPECT_EQ(Host.MessageDlg("Tried to enable nil Player", TMsgDlgType::Error, mbOK), mrOk);
    EXPECT_EQ(Host.LastBoxText(), "Tried to enable nil Player");

    Host.AddLines("answer yes");
    EXPECT_EQ(StopMessage([&] { Host.MessageDlg("Really?", TMsgDlgType::Information, mbOK); }),
              "line 4: answer yes: the message box has no yes button");
    Host.AddLines("click BtnSay");
    EXPECT_EQ(StopMessage([&] { Host.MessageDlg("Open", TMsgDlgType::Information, mbOK); }),
              "line 5: click BtnSay: a message box is open: \"Open\"");

    std::string value = "old";
    Host.AddLines("answer ok lanternfog");
    EXPECT_TRUE(Host.InputQuery("Command Line", "Command:", value));
    EXPECT_EQ(value, "lanternfog");
    Host.AddLines("answer cancel");
    EXPECT_FALSE(Host.InputQuery("Command Line", "Command:", value));
    Host.AddLines("answer ok /tmp/Aldric.chr");
    std::string path;
    EXPECT_TRUE(Host.OpenFileDialog("Import", "Characters|*.chr", path));
    EXPECT_EQ(path, "/tmp/Aldric.chr");

    EXPECT_NE(StopMessage([&] { Host.MessageDlg("Waiting", TMsgDlgType::Warning, mbOK); })
                  .find("ran out while the engine waits for the message box \"Waiting\""),
              std::string::npos);
}

TEST_F(ScriptedHostTest, ALineSourceSeesTheQuestionAsked)
{
    std::vector<std::string> asked;
    Host.SetLineSource([&](const std::string&) -> std::optional<std::string> {
        asked.push_back(Host.Question());
        // The file dialog also says what it offers and where it begins.
        if (Host.Waiting() == TScriptedHost::TWaitKind::FileDialog)
            asked.push_back(Host.FileFilter() + " " + Host.FileInitialPath());
        return "answer ok x";
    });
    std::string value;
    std::string path = "/games/Exported/";
    EXPECT_TRUE(Host.InputQuery("Command Line", "Command:", value));
    EXPECT_TRUE(Host.OpenFileDialog("Import a character", "Characters|*.chr", path));
    EXPECT_EQ(path, "x");
    EXPECT_EQ(asked, (std::vector<std::string>{"Command:", "Import a character", "Characters|*.chr /games/Exported/"}));
}

TEST_F(ScriptedHostTest, AnErrorEscapingAHandlerIsShownAndPlayGoesOn)
{
    Host.AddLines("click BtnFail\nexpect-box Key \"name\" not found\nanswer ok\nclick BtnSay");
    Host.RunMainLoop([] { return false; });
    EXPECT_EQ(Pane.WrittenText(), "Hello there\n");
}

TEST_F(ScriptedHostTest, ModalFormsTakeInputUntilTheirResultIsSet)
{
    TFormModel dialog("FrmSimpleChoose");
    dialog.Add("BtnOK", TControlKind::Button).OnClick = [&](const std::string&) { dialog.ModalResult = mrOk; };
    dialog.Add("Caption", TControlKind::Label).Caption = "Pick one";
    Host.AddLines("expect-control Caption caption Pick one\nexpect-control BtnSay enabled true\nclick BtnOK");
    EXPECT_EQ(Host.ShowModal(dialog), mrOk);
    Host.AddLines("close");
    EXPECT_EQ(Host.ShowModal(dialog), mrCancel);
    Host.AddLines("click BtnSay");
    EXPECT_NE(StopMessage([&] { Host.ShowModal(dialog); }).find("no control BtnSay on FrmSimpleChoose"),
              std::string::npos);
}

TEST_F(ScriptedHostTest, CloseEndsTheMainLoopOnlyWhenTheWindowAgrees)
{
    Window.AllowClose = false;
    Host.AddLines("close\nclick BtnSay\nclose\nclick BtnSay");
    bool first = true;
    Host.RunMainLoop([&] {
        if (!first)
            Window.AllowClose = true;
        first = false;
        return false;
    });
    EXPECT_TRUE(Host.MainWindowClosed());
    EXPECT_EQ(Pane.WrittenText(), "Hello there\n");
}

TEST_F(ScriptedHostTest, TimersFireInOrderOnTheVirtualClock)
{
    std::vector<std::string> fired;
    TTimer effects(Host, 500, [&] { fired.push_back("effects@" + std::to_string(Host.Elapsed())); });
    std::unique_ptr<TTimer> combat;
    combat = std::make_unique<TTimer>(Host, 1000, [&] {
        fired.push_back("combat@" + std::to_string(Host.Elapsed()));
        combat.reset();  // a timer may destroy itself
    });
    effects.SetEnabled(true);
    combat->SetEnabled(true);
    const double start = Host.Now();
    Host.AddLines("wait 1s\nwait 600ms");
    Host.RunMainLoop([] { return false; });
    // At the same moment the timer made first fires first.
    EXPECT_EQ(fired, (std::vector<std::string>{"effects@500", "effects@1000", "combat@1000", "effects@1500"}));
    EXPECT_EQ(combat, nullptr);
    EXPECT_NEAR((Host.Now() - start) * MillisecondsPerDay, 1600, 1e-3);

    effects.SetEnabled(false);
    Host.Advance(5000);
    EXPECT_EQ(fired.size(), 4u);
}

TEST_F(ScriptedHostTest, ATimerWaitingInsideItselfDoesNotFireAgain)
{
    int ticks = 0;
    bool answered = false;
    TTimer timer(Host, 500, [&] {
        ++ticks;
        // The box waits; meanwhile more time passes.
        answered = Host.MessageDlg("Poison burns you", TMsgDlgType::Information, mbOK) == mrOk;
    });
    timer.SetEnabled(true);
    Host.AddLines("wait 500ms\nanswer ok");
    Host.RunMainLoop([] { return false; });
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(answered);
}

TEST_F(ScriptedHostTest, AWaitWithNothingQueuedNamesTheWait)
{
    EXPECT_EQ(StopMessage([&] { Host.WaitUntil([] { return false; }, "a choice"); }),
              "the script ran out while the engine waits for a choice");
    bool done = true;
    Host.WaitUntil([&] { return done; }, "nothing");
}
