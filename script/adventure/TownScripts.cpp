#include "script/adventure/TownScripts.h"

#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"

bool FindTrap(const TScriptSender& searcher, const char* counter, const std::string& finding, int32_t needed)
{
    TScriptCmd& cmd = Cmd();
    if (cmd.GetCounter(counter) > 0 || searcher.SkillValue("SK_FIND_TRAPS") < needed)
        return false;
    cmd.ChangeCounter(counter, true);
    cmd.PrintParagraph(searcher.GetName() + " " + finding);
    return true;
}

void TSpeaker::Say(const std::string& words) const
{
    Cmd().PrintParagraph(std::string("~<c:") + Colour + ">" + Name + ":~<> ~<i>\"" + words + "\"~<>");
}
