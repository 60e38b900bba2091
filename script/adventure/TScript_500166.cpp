// The iron postern beside the barred mine gate: the weighman's key from the
// ore bin opens it, and so can a thief's picks. Open, it lets the party into
// the rock behind the gate.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/KeyOrPicks.h"
#include "script/adventure/MineScripts.h"

namespace {

// A plain lock, but stiff with rust: a practised hand opens it more often than not.
constexpr TLockRules Postern{WeighmansKeyTemplate, CounterPosternOpen, "the postern's lock", "The postern", 5};

class TScript_500166 : public TKeyOrPicks {
public:
    TScript_500166() : TKeyOrPicks(Postern) {}

private:
    std::string KeyTurns(const std::string& name) const override
    {
        return name + " tries the weighman's key. It turns with a screech of rust, and the postern swings inward on "
                      "the dark.";
    }

    std::string PicksFail(const std::string& name) const override
    {
        return name + " works at the lock until the pick slips on the rust. It holds.";
    }

    std::string PicksOpen(const std::string& name) const override
    {
        return "The rusted wards give one by one under " + name + "'s picks, and the postern swings inward on the "
               "dark.";
    }

    void Opened() override
    {
        Cmd().ShowExit(MineRoadsEnd, PosternPassage, true);
        Cmd().AddJournalEntry("j_mine_gate_open", "j_mine_gate_open.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500166()
{
    return std::make_unique<TScript_500166>();
}
