#include <gtest/gtest.h>

#include "rules/Creature.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "session/Party.h"
#include "session/StyledText.h"
#include "support/SessionFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into locations (id, name) values (1001, 'The Ember Gate'), (1002, 'The Old Mill');
)SQL";

// The adventure's system messages, written out as they arrive.
class TSystemMessages : public TScriptObject {
public:
    int32_t OnMessage(int32_t code) override
    {
        AppendText("system message " + std::to_string(code) + " for " + SelfProxy.GetName());
        return -1;
    }
};

class PartyTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Data().SavePlayer(&StandAt(1001), 1);
        Db().Execute("insert into creatures (id, template_id) values (50001, -1), (50004, -1)");
        RegisterScriptClass(990010, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TSystemMessages>()); });
        Data().SysMsg = 990010;
    }

    int Members()
    {
        int members = 0;
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            members += Form().Member(slot) != nullptr;
        return members;
    }
};

} // namespace

TEST_F(PartyTest, NobodyJoinsForAMemberOrACharacterWithoutARow)
{
    struct Case {
        int64_t id;
        const char* why;
    };
    for (const Case c : {Case{50001, "already in the party"}, Case{50004, "no stored character"},
                         Case{40404, "no creature"}}) {
        EXPECT_EQ(JoinParty(c.id), 0) << c.why;
        EXPECT_EQ(Members(), 1) << c.why;
    }
    EXPECT_EQ(Screen().find("system message"), std::string::npos);
}

TEST_F(PartyTest, AFormerMemberWaitingElsewhereRejoinsOnce)
{
    TLocation* mill = Form().LocationManager->GetLocation(1002);
    ASSERT_NE(mill, nullptr);
    LayWaitingMember(*mill);

    EXPECT_EQ(JoinParty(50003), 50003);
    ASSERT_NE(Form().Member(2), nullptr);
    EXPECT_EQ(Form().Member(2)->Name, "Corwin");
    for (const auto& npc : mill->Npcs)
        EXPECT_EQ(npc, nullptr);
    EXPECT_EQ(Value("select count(*) from loc_cont where cont_id = 50003"), "0");
    EXPECT_NE(Screen().find("system message 10 for Corwin"), std::string::npos) << Screen();

    // Asked again, he does not take a second place.
    EXPECT_EQ(JoinParty(50003), 0);
    EXPECT_EQ(Members(), 2);
}
