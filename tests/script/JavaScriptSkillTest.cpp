#include <gtest/gtest.h>

#include "platform/CommandScript.h"
#include "rules/Creature.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRegistry.h"
#include "support/SessionFixture.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into locations (id, name) values (1001, 'The Ember Gate');
insert into item_templates (id, name, equipped_on) values (21001, 'Lantern', 100);
insert into items (id, template_id) values (21001, 21001);
)SQL";

const char* const Playing = "function OnExecute() { Print('Still playing'); }";

class JavaScriptSkillTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Member = &StandAt(1001);
        Member->Skills.push_back({"Ember Sense", 7, "ember_sense.js"});
        Process().SelectedMember = 1;
    }

    // The way a skill is used: once, with the member as sender.
    int32_t Use(const std::string& script)
    {
        return RunScriptOnce(seOnExecute, Member, TScriptParam(), nullptr, nullptr, JavaScriptSkillScriptId, script);
    }

    TPlayer* Member = nullptr;
};

} // namespace

TEST_F(JavaScriptSkillTest, ExecutingPrintsAndKeepsCounters)
{
    Cmd().ChangeCounter("Heat", true);
    const char* const script = R"JS(
function OnExecute() {
  var skill = Sender.SkillValue('Ember Sense');
  Print(Sender.GetName() + ' feels the embers (' + skill + ').');
  ChangeCounter('EmberSense', true);
  SetCounter('Heat', GetCounter('Heat') + RandomRange(4, 4));
  Sender.SetAttribute(40, Sender.GetAttribute(40) + 2, 0);
  GiveItem(21001);
  return skill * 2;
}
)JS";
    EXPECT_EQ(Use(script), 14);
    EXPECT_NE(Screen().find("Aldric feels the embers (7)."), std::string::npos);
    EXPECT_EQ(Cmd().GetCounter("EmberSense"), 1);
    EXPECT_EQ(Cmd().GetCounter("Heat"), 5);
    EXPECT_EQ(Member->Armor[0], 2);
    ASSERT_NE(Member->Backpack[0], nullptr);
    EXPECT_EQ(Member->Backpack[0]->TemplateId, 21001);
}

TEST_F(JavaScriptSkillTest, ModifyingHearsTheOldAndNewValueAndKeepsItsGlobals)
{
    const int handle = LoadScript(JavaScriptSkillScriptId, R"JS(
var raised = 0;
function OnModify(oldValue, newValue) {
  raised += newValue - oldValue;
  PrintParagraph(Sender.GetName() + ': ' + oldValue + ' to ' + newValue + ', raised by ' + raised);
  return raised;
}
)JS");
    ASSERT_GE(handle, 0);
    TScriptParam param;
    param.Value = 3;
    param.Second = 5;
    EXPECT_EQ(RunScript(handle, seOnModify, Member, param, nullptr, nullptr), 2);
    param.Value = 5;
    param.Second = 9;
    EXPECT_EQ(RunScript(handle, seOnModify, Member, param, nullptr, nullptr), 6);
    EXPECT_NE(Screen().find("Aldric: 3 to 5, raised by 2\n\nAldric: 5 to 9, raised by 6\n\n"), std::string::npos);
    // A script without the event's function leaves it unhandled.
    EXPECT_EQ(RunScript(handle, seOnExecute, Member, param, nullptr, nullptr), -1);
    FreeScript(handle);
}

TEST_F(JavaScriptSkillTest, AScriptThatGoesWrongIsReportedWithItsLineAndPlayGoesOn)
{
    struct TCase {
        const char* Script;
        const char* Box;
    };
    const TCase cases[] = {
        {"function OnExecute() {\n  throw new Error('the embers are cold');\n}",
         "Script Exception Raised : MsgID = 17\nline 2: Error: the embers are cold"},
        {"function OnExecute() {\n  var heat = 0;\n  for (;;) heat++;\n}",
         "Script Exception Raised : MsgID = 17\nline 3: the script ran too long and was stopped"},
        {"function OnExecute() {\n  try { for (;;) {} } catch (e) {}\n  for (;;) {}\n}",
         "Script Exception Raised : MsgID = 17\nline 2: the script ran too long and was stopped"},
        {"function OnExecute() {\n\n  GiveItem('Lantern');\n}",
         "Script Exception Raised : MsgID = 17\nline 3: TypeError: GiveItem: argument 1 must be a number"},
        {"function OnExecute() {\n  Print('one', 'two');\n}",
         "Script Exception Raised : MsgID = 17\nline 2: TypeError: Print takes 1 argument(s), not 2"},
        {"throw 'no embers';", "Script Exception Raised : MsgID = 17\nline 1: no embers"},
        {"function OnExecute() {\n  Print('unclosed';\n}",
         "Script Exception Raised : MsgID = 17\nSyntaxError: parse error (line 2)"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Script);
        Queue("answer ok");
        EXPECT_EQ(Use(test.Script), -1);
        EXPECT_EQ(TestHost.LastBoxText(), test.Box);
        MainForm().RichEdit1.Clear();
        Use(Playing);
        EXPECT_NE(Screen().find("Still playing"), std::string::npos);
    }
}

TEST_F(JavaScriptSkillTest, ALoadedScriptThatGoesWrongIsReportedForItsEvent)
{
    const int handle = LoadScript(JavaScriptSkillScriptId, "function OnModify(a, b) {\n  return a.b.c;\n}");
    Queue("answer ok");
    EXPECT_EQ(RunScript(handle, seOnModify, Member, TScriptParam(), nullptr, nullptr), -1);
    EXPECT_EQ(TestHost.LastBoxText(),
              "Script Exception Raised : MsgID = 23\nline 2: TypeError: cannot read property 'c' of undefined");
    FreeScript(handle);
}

TEST_F(JavaScriptSkillTest, AHostThatStopsWhileTheScriptWaitsStopsTheRun)
{
    EXPECT_THROW(Use("function OnExecute() { try { MessageBox('Hot!'); } catch (e) {} }"), EScriptStop);
}

TEST_F(JavaScriptSkillTest, VBScriptIsNotRun)
{
    const std::string script = "Function OnModify(a, b)\nEnd Function";
    EXPECT_EQ(RunScriptOnce(seOnExecute, Member, TScriptParam(), nullptr, nullptr, VBScriptSkillScriptId, script), -1);
    Queue("answer ok");
    EXPECT_EQ(LoadScript(VBScriptSkillScriptId, script), -1);
    EXPECT_EQ(TestHost.LastBoxText(), "Script ID : 2 could not be loaded");
}
