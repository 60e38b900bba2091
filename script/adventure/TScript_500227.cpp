// The Shored Gallery: the fourth shift lets the party in behind its props.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500227 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(MinesMapPicture, ShoredGalleryPlace);
        Cmd().PrintParagraph("A wedge is knocked out, a prop swings aside, and hands pull you through the gap. "
                             "~<i>\"Who sent you?\"~<> the big man in front says. ~<i>\"Who in the world sent "
                             "you?\"~<>");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500227()
{
    return std::make_unique<TScript_500227>();
}
