// The Sunken Crypt's scripts: Sister Maelis fills another flask of holy water
// for a party that has none while the altar is fouled, so that a flask lost
// or sold never shuts the way to the cult's shrine.
#include <gtest/gtest.h>

#include "script/ScriptCommands.h"
#include "support/AreaScriptFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
insert into locations (id, name) values (1504, 'The Sisters'' Font');
insert into item_templates (id, name, equipped_on, script_id) values (21070, 'Flask of Holy Water', 0, 500322);
insert into items (id, template_id) values (21070, 21070), (21501, 21070);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1504, 5, 21501, 1);
)SQL";

constexpr int64_t Maelis = 500278;
constexpr int64_t HolyWater = 21070;

class CryptScriptTest : public AreaScriptFixture {
protected:
    void SetUp() override
    {
        AreaScriptFixture::SetUp();
        OpenAt(Content, 1504);
        Ghost.Name = "Sister Maelis";
    }

    // Talks to her and says goodbye, her second answer when she offers no flask.
    void NoFlaskOffered()
    {
        Queue("expect-control LblChoice2 caption 2. Goodbye.\nchoose 2");
        EXPECT_EQ(Run(seOnDialog, Maelis, &Ghost), 1);
    }

    TEntity Ghost;
};

} // namespace

TEST_F(CryptScriptTest, MaelisFillsAFlaskOnlyWhileTheAltarNeedsOneAndNoneIsToHand)
{
    // The flask on the font's rim is still there: nothing to offer.
    NoFlaskOffered();
    // Gone from the rim and not carried: she fills one.
    GameClient().CurrentLocation->Items.clear();
    Queue("expect-control LblChoice2 caption 2. We have no holy water.\nchoose 2");
    EXPECT_EQ(Run(seOnDialog, Maelis, &Ghost), 1);
    EXPECT_TRUE(PartyHasItem(HolyWater));
    EXPECT_EQ(Said("Sister Maelis fills a flask at the font for you."), 1u);
    // Carried: nothing more.
    NoFlaskOffered();
    // The altar clean, no flask is needed any more.
    TakeFromParty(HolyWater);
    Cmd().ChangeCounter("crypt_altar_cleansed", true);
    NoFlaskOffered();
}
