// The bundled adventure's script classes against the adventure's plan: every
// planned id has its class, each class overrides exactly its planned events,
// and each is named by some row of the adventure's data.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "script/ScriptClasses.h"

namespace {

using TEvents = std::set<std::string>;

struct TPlanRow {
    std::vector<std::pair<int64_t, int64_t>> Ids; // inclusive spans
    TEvents Events;
};

// A fight's turn handler counts as the event "CombatTurn".
const std::vector<TPlanRow>& Plan()
{
    static const std::vector<TPlanRow> plan = {
        {{{500102, 500102}, {500105, 500105}, {500108, 500111}, {500113, 500113}, {500117, 500119}}, {"OnFirstEnter"}},
        {{{500103, 500103}}, {"OnFirstEnter", "OnEnter", "OnLook"}},
        {{{500104, 500104}}, {"OnEnter", "OnExit"}},
        {{{500106, 500106}}, {"OnExit"}},
        {{{500107, 500107}}, {"OnFirstEnter", "OnExit", "OnFindTraps"}},
        {{{500112, 500112}}, {"OnFirstEnter", "OnEnter", "OnExit"}},
        {{{500114, 500114}}, {"OnEnter"}},
        {{{500115, 500115}}, {"OnFirstEnter", "OnEnter"}},
        {{{500116, 500116}, {500120, 500120}}, {"OnFirstEnter", "OnFindTraps"}},
        {{{500121, 500123}, {500125, 500125}, {500194, 500194}}, {"OnPickUp"}},
        {{{500124, 500124}}, {"OnOpen", "OnExamine", "OnUnlock", "OnPickLock"}},
        {{{500126, 500126}, {500273, 500273}, {500276, 500276}, {500283, 500283}, {500294, 500294}, {500299, 500299}},
         {"OnIdentify"}},
        {{{500127, 500127}, {500205, 500205}}, {"OnDead", "CombatTurn"}},
        {{{500128, 500131}, {500152, 500155}, {500158, 500158}, {500162, 500165}, {500168, 500170}, {500175, 500175},
          {500197, 500197}, {500244, 500245}, {500269, 500269}, {500278, 500278}, {500284, 500284}, {500286, 500287},
          {500290, 500290}, {500296, 500296}, {500302, 500303}},
         {"OnDialog"}},
        {{{500171, 500171}}, {"OnDialog", "OnExamine"}},
        {{{500132, 500135}, {500187, 500187}}, {"OnOpen"}},
        {{{500136, 500136}}, {"OnFirstEnter"}},
        {{{500137, 500137}}, {"OnFirstEnter", "OnRest", "OnEnter"}},
        {{{500138, 500138}, {500141, 500145}, {500280, 500281}, {500291, 500293}}, {"CombatTurn"}},
        {{{500139, 500140}, {500146, 500147}, {500266, 500267}}, {"OnExecute"}},
        {{{500148, 500150}}, {"OnEnter"}},
        {{{500151, 500151}}, {"OnEnter", "OnShopService"}},
        {{{500156, 500156}, {500218, 500218}}, {"OnFirstEnter", "OnEnter"}},
        {{{500157, 500157}, {500178, 500178}, {500265, 500265}, {500268, 500268}}, {"OnEnter"}},
        {{{500159, 500160}, {500167, 500167}, {500172, 500174}, {500176, 500177}, {500179, 500180}, {500182, 500183},
          {500188, 500188}, {500213, 500216}, {500219, 500228}, {500289, 500289}, {500297, 500298}},
         {"OnFirstEnter"}},
        {{{500161, 500161}}, {"OnFirstEnter", "OnEnter", "OnExit"}},
        {{{500166, 500166}, {500272, 500272}}, {"OnUnlock", "OnPickLock"}},
        {{{500271, 500271}}, {"OnOpen", "OnUnlock", "OnPickLock"}},
        {{{500181, 500181}}, {"OnExamine", "OnUse"}},
        {{{500184, 500184}}, {"OnPickUp", "OnUseWith"}},
        {{{500185, 500186}}, {"OnUse"}},
        {{{500195, 500195}, {500270, 500270}, {500285, 500285}, {500307, 500307}, {500311, 500319}, {500321, 500321}},
         {"OnRest"}},
        {{{500196, 500196}, {500207, 500207}, {500254, 500254}, {500198, 500198}}, {"OnEnter", "OnExit"}},
        {{{500199, 500201}}, {"OnRest", "OnEnter", "OnExit"}},
        {{{500202, 500203}, {500229, 500229}, {500274, 500275}, {500282, 500282}}, {"OnRest", "OnEnter"}},
        {{{500204, 500204}}, {"OnExit"}},
        {{{500212, 500212}, {500231, 500243}, {500279, 500279}, {500301, 500301}, {500304, 500306}, {500308, 500310},
          {500320, 500320}},
         {"OnFirstEnter", "OnRest"}},
        {{{500230, 500230}, {500277, 500277}, {500288, 500288}}, {"OnExamine"}},
        {{{500246, 500248}, {500253, 500253}, {500255, 500264}}, {"OnFirstEnter", "OnRest", "OnEnter"}},
        {{{500249, 500252}}, {"OnFirstEnter", "OnRest"}},
        {{{500295, 500295}}, {"OnFirstEnter", "OnRest", "OnEnter"}},
        {{{500300, 500300}}, {"OnInfo"}},
        {{{500322, 500323}}, {"OnUseWith"}},
    };
    return plan;
}

constexpr int64_t FirstPlanned = 500102;
constexpr int64_t LastPlanned = 500323;
const std::set<int64_t> WithoutClass = {500189, 500190, 500191, 500192, 500193, 500206,
                                        500208, 500209, 500210, 500211, 500217};

std::map<int64_t, TEvents> PlannedEvents()
{
    std::map<int64_t, TEvents> planned;
    for (const TPlanRow& row : Plan())
        for (const auto& [first, last] : row.Ids)
            for (int64_t id = first; id <= last; ++id) {
                EXPECT_TRUE(planned.emplace(id, row.Events).second) << id << " is planned twice";
            }
    return planned;
}

// What a class inherits from the adventure's shared bases.
const std::map<std::string, TEvents> BaseEvents = {
    {"TScriptObject", {}},
    {"TCombatTactic", {}},
    {"TQuaffWhenHurt", {"CombatTurn"}},
    {"TDarkTunnelScript", {"OnEnter", "OnExit"}},
    {"TDeepsPlace", {"OnRest", "OnEnter"}},
    {"TWarrenEdge", {"OnRest"}},
    {"TSlopePlace", {"OnFirstEnter", "OnRest"}},
    {"TCryptCamp", {"OnRest", "OnEnter"}},
    {"TCryptRest", {"OnRest"}},
    {"TKeyOrPicks", {"OnUnlock", "OnPickLock"}},
    {"THeartRest", {"OnRest"}},
};

// The events a class overrides, read from its own file: what it overrides
// there and what its base brings.
TEvents OverriddenEvents(int64_t id)
{
    const std::string name = "TScript_" + std::to_string(id);
    const std::string path = std::string(ADVENTURE_SCRIPTS_DIR) + "/" + name + ".cpp";
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string source = text.str();
    std::smatch declaration;
    if (!std::regex_search(source, declaration, std::regex("class " + name + R"(\s*:\s*public\s+(\w+))"))) {
        ADD_FAILURE() << path << " does not hold the class " << name;
        return {};
    }
    const auto base = BaseEvents.find(declaration[1]);
    if (base == BaseEvents.end()) {
        ADD_FAILURE() << name << " derives from " << declaration[1] << ", which this test does not know";
        return {};
    }
    TEvents events = base->second;
    static const std::regex overriding(R"(\b(On[A-Za-z]+|CombatTurn)\s*\([^)]*\)\s*(const\s*)?override\b)");
    for (std::sregex_iterator it(source.begin(), source.end(), overriding), end; it != end; ++it)
        events.insert((*it)[1]);
    return events;
}

std::string Join(const TEvents& events)
{
    std::string joined;
    for (const std::string& event : events)
        joined += (joined.empty() ? "" : ", ") + event;
    return joined;
}

TEST(AdventureClassesTest, ThePlanCoversItsIdsOnceEach)
{
    const std::map<int64_t, TEvents> planned = PlannedEvents();
    for (int64_t id = FirstPlanned; id <= LastPlanned; ++id)
        EXPECT_NE(planned.count(id) == 1, WithoutClass.count(id) == 1) << id;
}

TEST(AdventureClassesTest, EveryPlannedIdHasItsClassOverridingExactlyItsEvents)
{
    for (const auto& [id, events] : PlannedEvents()) {
        if (ScriptClasses().count(id) == 0) {
            ADD_FAILURE() << "TScript_" << id << " is not registered";
            continue;
        }
        EXPECT_EQ(Join(OverriddenEvents(id)), Join(events)) << "TScript_" << id;
    }
    for (const int64_t id : WithoutClass)
        EXPECT_EQ(ScriptClasses().count(id), 0u) << id << " is planned without a class";
}

// Every script id the adventure's rows name, comments left out: script ids are
// the only six-digit numbers from 500000 up in its data.
std::set<int64_t> ScriptIdsInAdventureData()
{
    std::set<int64_t> ids;
    static const std::regex comment("--[^\n]*");
    static const std::regex scriptId(R"(\b50\d{4}\b)");
    for (const auto& entry : std::filesystem::directory_iterator(ADVENTURE_SQL_DIR)) {
        if (entry.path().extension() != ".sql")
            continue;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const std::string rows = std::regex_replace(text.str(), comment, "");
        for (std::sregex_iterator it(rows.begin(), rows.end(), scriptId), end; it != end; ++it)
            ids.insert(std::stoll(it->str()));
    }
    return ids;
}

TEST(AdventureClassesTest, EveryClassIsUsedByTheAdventuresData)
{
    const std::set<int64_t> used = ScriptIdsInAdventureData();
    for (const auto& [id, factory] : ScriptClasses()) {
        if (id < FirstPlanned)
            continue; // the engine's own classes
        EXPECT_EQ(used.count(id), 1u) << "no row of the adventure names TScript_" << id;
    }
}

} // namespace
