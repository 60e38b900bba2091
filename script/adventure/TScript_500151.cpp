// The Glass Salamander: Ilse Varrow sells scrolls, books and wands and fills
// spent wands again; and her fortunes read in the salamander's glow, the one
// service she sells that no other shop does.
#include <array>

#include "rules/ShopSession.h"
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Ilse{"Ilse Varrow", "#C89CFF"};

constexpr int64_t Shop = 1012;
constexpr int32_t FortuneService = 101;

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
        Ilse.Say("Mind the owl, it's older than the town. Looking, buying, or is there a wand gone dull on you?");
        Cmd().OpenShop("The Glass Salamander", 25, 30, Shop);
        Cmd().AddShopService("Fill a spent wand", 0, RechargeService);
        Cmd().AddShopService("Have Cinders read your fortune", 5, FortuneService);
        Cmd().RunShop(this);
        return -1;
    }

    int32_t OnShopService(int64_t shop, int64_t service) override
    {
        if (shop != Shop || service != FortuneService)
            return -1;
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
