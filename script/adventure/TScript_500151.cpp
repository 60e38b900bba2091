// The Glass Salamander: Ilse Varrow, and her fortunes read in the salamander's
// glow, the one service she sells that no other shop does.
#include <array>

#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Ilse{"Ilse Varrow", "#C89CFF"};

constexpr std::array Fortunes = {
    "Cinders goes dark all at once, then bright at the edges. Something below has a hunger, and it has "
    "noticed you. Carry water.",
    "He glows from the tail up, slow and steady. You will go down further than you mean to, and come up again. "
    "That is the good part.",
    "Three flickers, then one long glow. Three times you'll want to turn back. Don't, the fourth time.",
    "He curls round and hides his head. Someone you meet on the road is not what they say. Ask them about the "
    "fire.",
};

class TScript_500151 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        Ilse.Say("Mind the owl, it's older than the town. Looking, buying, or wanting to know what something really "
                 "is?");
        return -1;
    }

    int32_t OnShopService(int64_t, int64_t) override
    {
        Cmd().PrintParagraph("Ilse sets the salamander's case between you and taps the glass, once, gently. Cinders "
                             "opens one jet eye and begins to glow.");
        const int32_t pick = Cmd().RandomRange(0, static_cast<int32_t>(Fortunes.size()) - 1);
        Ilse.Say(Fortunes[static_cast<size_t>(pick)]);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500151()
{
    return std::make_unique<TScript_500151>();
}
