#include "script/ScriptClasses.h"

#include "script/Script100.h"
#include "script/adventure/AdventureScripts.h"

namespace {

std::unique_ptr<TScriptObject> MakeScript_100()
{
    return std::make_unique<TScript_100>();
}

} // namespace

namespace {

std::map<int64_t, TScriptFactory>& Classes()
{
    static std::map<int64_t, TScriptFactory> classes = {
        {100, &MakeScript_100},
        {500102, &MakeScript_500102},
        {500103, &MakeScript_500103},
        {500104, &MakeScript_500104},
        {500105, &MakeScript_500105},
        {500106, &MakeScript_500106},
        {500107, &MakeScript_500107},
        {500108, &MakeScript_500108},
        {500109, &MakeScript_500109},
        {500110, &MakeScript_500110},
        {500111, &MakeScript_500111},
        {500112, &MakeScript_500112},
        {500113, &MakeScript_500113},
        {500114, &MakeScript_500114},
        {500115, &MakeScript_500115},
        {500116, &MakeScript_500116},
        {500117, &MakeScript_500117},
        {500118, &MakeScript_500118},
        {500119, &MakeScript_500119},
        {500120, &MakeScript_500120},
        {500121, &MakeScript_500121},
        {500122, &MakeScript_500122},
        {500123, &MakeScript_500123},
        {500124, &MakeScript_500124},
        {500125, &MakeScript_500125},
        {500126, &MakeScript_500126},
        {500127, &MakeScript_500127},
        {500128, &MakeScript_500128},
        {500129, &MakeScript_500129},
        {500130, &MakeScript_500130},
        {500131, &MakeScript_500131},
        {500132, &MakeScript_500132},
        {500133, &MakeScript_500133},
        {500134, &MakeScript_500134},
        {500136, &MakeScript_500136},
        {500137, &MakeScript_500137},
        {500138, &MakeScript_500138},
        {500139, &MakeScript_500139},
        {500140, &MakeScript_500140},
        {500141, &MakeScript_500141},
        {500142, &MakeScript_500142},
        {500143, &MakeScript_500143},
        {500144, &MakeScript_500144},
        {500145, &MakeScript_500145},
        {500146, &MakeScript_500146},
        {500147, &MakeScript_500147},
        {500148, &MakeScript_500148},
        {500149, &MakeScript_500149},
        {500150, &MakeScript_500150},
        {500151, &MakeScript_500151},
        {500152, &MakeScript_500152},
        {500153, &MakeScript_500153},
        {500154, &MakeScript_500154},
        {500155, &MakeScript_500155},
        {500156, &MakeScript_500156},
        {500157, &MakeScript_500157},
        {500158, &MakeScript_500158},
        {500159, &MakeScript_500159},
        {500160, &MakeScript_500160},
        {500161, &MakeScript_500161},
        {500162, &MakeScript_500162},
        {500163, &MakeScript_500163},
        {500164, &MakeScript_500164},
        {500165, &MakeScript_500165},
        {500166, &MakeScript_500166},
        {500167, &MakeScript_500167},
        {500168, &MakeScript_500168},
        {500169, &MakeScript_500169},
        {500171, &MakeScript_500171},
        {500172, &MakeScript_500172},
        {500173, &MakeScript_500173},
        {500174, &MakeScript_500174},
        {500176, &MakeScript_500176},
        {500177, &MakeScript_500177},
        {500178, &MakeScript_500178},
        {500179, &MakeScript_500179},
        {500180, &MakeScript_500180},
        {500181, &MakeScript_500181},
        {500182, &MakeScript_500182},
        {500183, &MakeScript_500183},
        {500184, &MakeScript_500184},
        {500185, &MakeScript_500185},
        {500187, &MakeScript_500187},
        {500188, &MakeScript_500188},
        {500194, &MakeScript_500194},
        {500195, &MakeScript_500195},
        {500196, &MakeScript_500196},
        {500197, &MakeScript_500197},
        {500198, &MakeScript_500198},
        {500199, &MakeScript_500199},
        {500200, &MakeScript_500200},
        {500201, &MakeScript_500201},
        {500202, &MakeScript_500202},
        {500203, &MakeScript_500203},
        {500204, &MakeScript_500204},
        {500212, &MakeScript_500212},
        {500213, &MakeScript_500213},
        {500214, &MakeScript_500214},
        {500215, &MakeScript_500215},
        {500216, &MakeScript_500216},
        {500219, &MakeScript_500219},
        {500220, &MakeScript_500220},
        {500221, &MakeScript_500221},
        {500222, &MakeScript_500222},
        {500223, &MakeScript_500223},
        {500224, &MakeScript_500224},
        {500225, &MakeScript_500225},
        {500226, &MakeScript_500226},
        {500227, &MakeScript_500227},
        {500228, &MakeScript_500228},
        {500246, &MakeScript_500246},
        {500247, &MakeScript_500247},
        {500248, &MakeScript_500248},
        {500249, &MakeScript_500249},
        {500250, &MakeScript_500250},
        {500251, &MakeScript_500251},
        {500252, &MakeScript_500252},
        {500253, &MakeScript_500253},
        {500254, &MakeScript_500254},
        {500255, &MakeScript_500255},
        {500256, &MakeScript_500256},
        {500257, &MakeScript_500257},
        {500258, &MakeScript_500258},
        {500259, &MakeScript_500259},
        {500260, &MakeScript_500260},
        {500261, &MakeScript_500261},
        {500262, &MakeScript_500262},
        {500263, &MakeScript_500263},
        {500264, &MakeScript_500264},
        {500280, &MakeScript_500280},
        {500281, &MakeScript_500281},
        {500291, &MakeScript_500291},
        {500292, &MakeScript_500292},
        {500293, &MakeScript_500293},
        {500295, &MakeScript_500295},
        {500311, &MakeScript_500311},
        {500324, &MakeScript_500324},
    };
    return classes;
}

} // namespace

const std::map<int64_t, TScriptFactory>& ScriptClasses()
{
    return Classes();
}

void RegisterScriptClass(int64_t id, TScriptFactory factory)
{
    Classes()[id] = factory;
}
