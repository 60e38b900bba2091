// The Collapsing Passage: the roof sifts grit at every step, and one time in
// three a stone comes down on whoever is passing under it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

constexpr int32_t StoneFalls = 33; // a roll of this or below brings a stone down
constexpr int32_t CrushDamage = 3;

class TScript_500254 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnMap(MinesMapPicture, CollapsingPassagePlace);
        Cmd().PrintParagraph("The props creak as you come in. Grit patters on your shoulders. Nobody speaks.");
        return 1;
    }

    int32_t OnExit(int64_t destination) override
    {
        (void)destination;
        TScriptCmd& cmd = Cmd();
        if (cmd.RandomRange(1, 100) > StoneFalls)
            return -1;
        TScriptTarget struck;
        struck.Object = cmd.PartyMember(0);
        if (!struck.Object)
            return -1;
        cmd.PrintParagraph("~<c:#FF8040>With a crack a stone the size of a loaf drops out of the roof onto " +
                           struck.GetName() + ".");
        struck.DamageByText(0, "1d4", -1, -1, CrushDamage);
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500254()
{
    return std::make_unique<TScript_500254>();
}
