#include "rules/Damage.h"

#include <algorithm>

#include "data/Convert.h"
#include "data/Utils.h"
#include "session/Process.h"

void ParseDamageText(const std::string& text, DamageRec& damage)
{
    damage.Values.clear();
    damage.DiceCount = 0;
    damage.DieSize = 0;
    if (const size_t d = text.find('d'); d != std::string::npos) {
        damage.Form = dfDice;
        damage.DiceCount = StrToIntDef(text.substr(0, d), 0);
        damage.DieSize = StrToIntDef(text.substr(d + 1), 0);
    } else if (const size_t dash = text.find('-'); dash != std::string::npos) {
        damage.Form = dfRange;
        damage.Values = {StrToIntDef(text.substr(0, dash), 0), StrToIntDef(text.substr(dash + 1), 0)};
    } else {
        damage.Form = dfList;
        SplitToIntegers(text, '|', damage.Values);
    }
}

std::optional<int> RollDamageAmount(const DamageRec& damage)
{
    TRandomSource& random = Process().Random;
    switch (damage.Form) {
    case dfDice:
        return DiceTotal32(damage.DiceCount, damage.DieSize);
    case dfRange: {
        if (damage.Values.size() < 2)
            return damage.Values.empty() ? 0 : damage.Values[0];
        const int64_t low = damage.Values[0];
        const int64_t high = damage.Values[1];
        // A range written high to low still means the amounts between.
        const int64_t from = std::min(low, high);
        const int64_t span = std::max(low, high) - from + 1;
        return static_cast<int>(from + random.Random(static_cast<int>(std::min<int64_t>(span, INT32_MAX))));
    }
    case dfList:
        if (damage.Values.empty())
            return 0;
        return damage.Values[random.Random(static_cast<int>(damage.Values.size()))];
    default:
        return std::nullopt;
    }
}
