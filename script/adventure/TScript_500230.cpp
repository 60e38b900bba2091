// The crypt's inscriptions: the founding stone in the hall of inscriptions
// tells how the sisters built and sealed the crypt; their tablet among the
// priests' tombs tells how the altar is kept clean.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500230 : public TScriptObject {
public:
    int32_t OnExamine() override
    {
        if (SelfProxy.GetId() == FoundingStone) {
            Cmd().PrintParagraph("The letters are old but cut deep. ~<i>Here under the mountain the sisters of Ashara "
                                 "keep watch over the fire that sleeps below. No flame shall be lit upon this altar "
                                 "but the sun's. When the town is built we shall seal these doors, and give the key "
                                 "into the town's own hand, that none may come down to the sleeper but by the town's "
                                 "will.~<> Below, smaller and later: ~<i>Sealed in the first year of Cindervale.~<>");
            return 1;
        }
        Cmd().PrintParagraph("A tablet of white stone, set among the priests' niches. ~<i>If ever the altar is "
                             "fouled, let it be washed with water from our font, blessed by our hands, and Ashara's "
                             "light will return to it. And if the sleeper below should stir, he who lies in the "
                             "round tomb holds the sun that holds its fire down.~<>");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500230()
{
    return std::make_unique<TScript_500230>();
}
