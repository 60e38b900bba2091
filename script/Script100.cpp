#include "script/Script100.h"

#include "app/MainForm.h"
#include "rules/Entity.h"
#include "script/ScriptCommands.h"
#include "session/Process.h"

int32_t TScript_100::OnDialog()
{
    TScriptCmd& cmd = Cmd();
    int members = 0;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        members += MainForm().Member(slot) != nullptr;
    const std::string name = SelfProxy.GetName();
    const int64_t id = SelfProxy.Object ? SelfProxy.Object->Id : 0;
    cmd.PrintParagraph("~<c:AQUA>" + name + ":~<> Yes? What is it?");
    cmd.BeginChoices();
    cmd.AddChoice(0, "Step in " + name + (members == 1 ? ". I have need of you." : ". We have need of you."), "",
                  [id] { Cmd().JoinParty(id); });
    cmd.AddChoice(0, "Nothing, actually", "", [name] { Cmd().PrintParagraph("~<c:AQUA>" + name + ":~<> OK"); });
    cmd.RunChoices(this);
    return 1;
}
