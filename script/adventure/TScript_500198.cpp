// The Dark Tunnel: past the last ember-lamp of the third gallery, where the
// party goes on only with a light.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

constexpr TDarkTunnel Tunnel{DarkTunnelPlace, ThirdGallery,
                             "Behind you the last ember-lamp glimmers grey. Ahead there is nothing at all: you hear "
                             "water dripping and feel the props with your hands."};

class TScript_500198 : public TDarkTunnelScript {
public:
    TScript_500198() : TDarkTunnelScript(Tunnel) {}
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500198()
{
    return std::make_unique<TScript_500198>();
}
