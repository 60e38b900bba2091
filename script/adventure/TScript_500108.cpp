// Slag Row: the street the goblin raids hit hardest.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500108 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("A board over one of the windows shifts a finger's width. ~<i>\"They came over the wall by "
                             "the old tower,\"~<> a cracked voice whispers, ~<i>\"and went back the same way with their "
                             "sacks full. You tell the mayor that.\"~<> The board drops back into place.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500108()
{
    return std::make_unique<TScript_500108>();
}
