// Sister Maelis, the ghost of the font's last keeper: how the crypt was sealed,
// what the cult has done to the altar, how to wash it clean, and where the
// sun that holds the Heart's fire down lies. While the altar is fouled she
// fills another flask for a party that has none, so losing one never shuts
// the way on.
#include "rules/Item.h"
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"

namespace {

constexpr TSpeaker Maelis{"Sister Maelis", "#C8E0FF"};

class TScript_500278 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        Maelis.Say("Living feet in my sisters' crypt. Are you the town's hand, come down at last?");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Who are you?", "1", [] {
            Maelis.Say("Maelis, the last keeper of this font. We sisters kept watch here over the fire that sleeps "
                       "under the mountain. When the town was built we sealed the doors and gave the key to the "
                       "mayor, and lay down here to sleep. I did not sleep well.");
        });
        if (cmd.GetCounter(CounterAltarCleansed) == 0 && !PartyHasItem(HolyWaterTemplate) && !HolyWaterLiesHere())
            cmd.AddChoice(0, "We have no holy water.", "", [] { FillAFlask(); });
        cmd.AddChoice(0, "Goodbye.", "", [] { Maelis.Say("Sun over you."); });
        cmd.AddChoice(1, "What has the cult done?", "2,3", [] {
            Maelis.Say("They have fouled our altar. It was made to hold the sun's light down upon the sleeper. "
                       "Fouled, it feeds the sleeper instead, and the sleeper stirs.");
        });
        cmd.AddChoice(2, "How can the altar be made clean?", "3", [] {
            Maelis.Say("With water from this font. It is still blessed; I have seen to that. Take a flask from the "
                       "rim, and pour it on the altar.");
        });
        cmd.AddChoice(3, "And the fire that sleeps?", "", [] {
            Maelis.Say("The Heart feeds whatever guards it, and only a sun can hold its fire down. Aurelan, our high "
                       "priest, took the Sunstone into his tomb with him, past the iron door. The sexton kept the "
                       "keys to both.");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static bool HolyWaterLiesHere()
    {
        const TLocation* here = GameClient().CurrentLocation;
        if (!here)
            return false;
        for (const auto& item : here->Items)
            if (item && item->TemplateId == HolyWaterTemplate)
                return true;
        return false;
    }

    static void FillAFlask()
    {
        Maelis.Say("Then take another. The font has not run dry in three hundred years, and it will not start for "
                   "the Hollow Flame.");
        Cmd().GiveItem(HolyWaterTemplate);
        Cmd().PrintParagraph("~<c:LIME>Sister Maelis fills a flask at the font for you.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500278()
{
    return std::make_unique<TScript_500278>();
}
