// The Black Drift: dark and cold; cave crawlers come to sleepers' warmth one
// night in two.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

constexpr int64_t CaveCrawler = 30021;
constexpr int32_t CrawlersStayAway = 50; // a roll above this sleeps the night through
constexpr TDarkTunnel Tunnel{BlackDriftPlace, FloodedGallery,
                             "In the dark the drift is only a cold wet wall under your hand, and a sound of "
                             "dripping, and once a patter like many small feet."};

class TScript_500199 : public TDarkTunnelScript {
public:
    TScript_500199() : TDarkTunnelScript(Tunnel) {}

    int32_t OnRest() override
    {
        RestAtRisk(this, {BlackDriftPlace, CrawlersStayAway,
                          "You sleep in turns with your backs to the rock. Nothing comes. The party rests.",
                          CaveCrawler, 2,
                          "Something cold and many-legged runs over a sleeper's face. Pale shapes come scuttling "
                          "out of the cracks. Cave crawlers attack!",
                          &MinesMapPicture});
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500199()
{
    return std::make_unique<TScript_500199>();
}
