// The Ninth Gallery: hot and black, on the goblins' road up from the old
// working; two goblins come through two nights in five.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

constexpr int64_t GoblinRaider = 30005;
constexpr int32_t GoblinsPassBy = 40; // a roll above this sleeps the night through
constexpr TDarkTunnel Tunnel{NinthGalleryPlace, ShoredGallery,
                             "In the dark the ninth gallery is only heat: the rock is warm under your hand, and the "
                             "air is hot and tastes of metal."};

class TScript_500200 : public TDarkTunnelScript {
public:
    TScript_500200() : TDarkTunnelScript(Tunnel) {}

    int32_t OnRest() override
    {
        RestAtRisk(this, {NinthGalleryPlace, GoblinsPassBy,
                          "The heat makes for an uneasy sleep, but nothing comes up out of the old working. The "
                          "party rests.",
                          GoblinRaider, 2,
                          "Bare feet slap on the rock, and two goblins come up out of the old working with a "
                          "dark lantern, straight into your camp. Goblins attack!",
                          &MinesMapPicture});
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500200()
{
    return std::make_unique<TScript_500200>();
}
