// An area's scripts run on a small adventure: Aldric alone in the party, the
// scripts run with him as the sender, and what the screen and his place show
// afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "script/ScriptRegistry.h"
#include "support/SessionFixture.h"
#include "world/Location.h"

class AreaScriptFixture : public SessionFixture {
protected:
    // The adventure of those statements, with Aldric selected at the location.
    void OpenAt(const std::string& content, int64_t locationId)
    {
        OpenAdventure(content);
        Member = &StandAt(locationId);
        Process().SelectedMember = 1;
    }

    int32_t Run(int event, int64_t script, TEntity* self = nullptr, TEntity* target = nullptr)
    {
        return RunScriptOnce(event, Member, TScriptParam{}, self, target, script);
    }

    bool ExitShown(int64_t from, int64_t to)
    {
        return Value("select visible from exits where loc_id = " + std::to_string(from) +
                     " and exit_id = " + std::to_string(to)) == "1";
    }

    // The creatures of that name where the party stands; none for no name.
    size_t CreaturesHere(const char* name)
    {
        size_t count = 0;
        for (const auto& creature : GameClient().CurrentLocation->Creatures)
            count += creature && name && creature->Name == name;
        return count;
    }

    size_t Said(const std::string& words, size_t from = 0)
    {
        size_t count = 0;
        for (size_t at = Screen().find(words, from); at != std::string::npos; at = Screen().find(words, at + 1))
            ++count;
        return count;
    }

    // A night at a place with a risky rest, the roll forced.
    struct TNight {
        int64_t Script;
        int64_t Location;
        int Forced;         // the roll, one less than it shows
        const char* Broken; // who walks in, or nothing for a quiet night
        size_t Count;
    };

    // Aldric, hurt, rests there: a quiet night heals him; a broken one pauses
    // on its notice and brings in what broke it.
    void ExpectNight(const TNight& night)
    {
        SCOPED_TRACE(std::to_string(night.Script) + " rolls " + std::to_string(night.Forced + 1));
        Member = &StandAt(night.Location);
        Member->end_max = 12;
        Member->end = 2;
        Process().Random.Force({night.Forced});
        if (night.Broken)
            Queue("expect-control LblChoice1 caption 1. Continue...\nchoose 1");
        const size_t before = Screen().size();
        EXPECT_EQ(Run(seOnRest, night.Script), 1);
        EXPECT_EQ(CreaturesHere(night.Broken), night.Count);
        EXPECT_EQ(Member->end, night.Broken ? 2 : 12);
        EXPECT_EQ(Said("Your rest is disrupted", before), night.Broken ? 1u : 0u);
    }

    TPlayer* Member = nullptr;
};
