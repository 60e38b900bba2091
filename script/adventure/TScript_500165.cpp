// Ollo Brask, the big hewer, who listened to the goblins through the rock.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Ollo{"Ollo Brask", "#D09070"};

class TScript_500165 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        Ollo.Say("Put your ear to the rock at night and you'll hear them. A drum, way down. Hundreds of them. Those "
                 "at our props were only the ones that could be spared.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500165()
{
    return std::make_unique<TScript_500165>();
}
