#include "rules/Skills.h"

#include <algorithm>

const TSkillInfo BuiltInSkills[BuiltInSkillCount] = {
    {"SK_LHAND", "Left Hand Fighting",
     "This skill will enable the character to also use his/her left hand to attack. Advancement in this "
     "skill will decrease the attack penalty incurred when using the left hand. The initial penalty is -4 "
     ". At 6 points is reduced to -3, at 12 is -2, at 18 -1 and it becomes 0 (no penalty) when the "
     "character has maximized his left hand fighting skill, that is when the value reaches 24 points. The "
     "attack penalty is applied together with any other melee or missile modifiers depending on the "
     "nature of the attack."},
    {"SK_DWEAPON", "Dual Weapon Fighting",
     "It enables the character to attack simultaneously with both weapons wielded. For each point of this "
     "skill the chance of attacking simultaneously increases by 2%. At 24 skill points the chance is 48% "
     "meaning that the player attacks simultaneously once per 2 attacks."},
    {"SK_MIGHTY_STRIKE", "Mighty Strike",
     "Mighty strike represents one's ability to manage more destructive blows when attacking. At 6 the "
     "character receives +1 damage bonus when attacking against melee armor, at 12 skill points +2 melee "
     "attack bonus, at 18 +3 and at 24 skill points he gets a +4 melee damage bonus."},
    {"SK_PERCEPTION", "Perception",
     "An improved perception helps the character to notice an enemy ambush or any imminent danger. It "
     "also allows him to be able to operate complex machinery by studying and figuring out their "
     "structure and use. (Note to Vellumora gamers: the value of this skill is usually checked by the "
     "author and when it has the correct value the author might inform you about imminent danger or allow "
     "you to operate some device)."},
    {"SK_READ", "Read Languages/Symbols",
     "This skill will usually allow the character to decipher messages or runes inscribed on tombs, "
     "altars, ancient scrolls. "},
    {"SK_LORE", "Arcane Knowledge",
     "By studying old tomes of recorded arcane items in libraries or taking part in conversions with "
     "others the character increases his knowledge about magical weapons and lost powerful magical items "
     "thus enabling him/her to identify one such item when it is found. "},
    {"SK_PRIEST_SPELL_RES", "Priest Spell Resistance",
     "Each increase in this skill will provide 1% resistance to damage coming from offensive priest "
     "spells. Resistances decrease the damage received. "},
    {"SK_STONE_FORM", "Stone Form",
     "This skill can be used at will. While this skill improves, the character learns how to transform "
     "his body to stone for a period of 5 rounds. The better the skill the more his/her body will be "
     "closer to stone. While in this there are melee and missile armor bonuses but also melee and missile "
     "attack penalties. At 6 skill points he receives +1 bonuses and -1 penalties accordingly. At 12 "
     "these modifiers become +2 and -2, at 18 they are +3 and -3 and finally when 24 skill points are "
     "reached +4 and -4. "},
    {"SK_ANIMAL_CONTROL", "Animal Control",
     "By using his/her mental powers the character may control certain animals or he may not ;-). This "
     "skill is often combined with mind power. "},
    {"SK_HERBALISM", "Herbalism",
     "The knowledge of the special effects of different kinds of herbs and roots enable the player "
     "character to concoct healing potions. The better the skill the better the chances are that the "
     "resulting potion will be a healing potion indeed. In any other case it is usually a poison "
     "discovered only after some unfortunate fellow party member consumes it. Below 4 skill points the "
     "result is always a poison. No doubt about that. At 4 the chance of creating a healing potion is "
     "20%, at 8 30%, at 12 50%, at 16 60% at 20 70% and at 24 80%. In the case of a poison it causes 1d6 "
     "poison damage per round for 3 rounds. "},
    {"SK_NEUTRALIZE_POISON", "Neutralize Poison",
     "This skill also requires 10 mana points each time it is used. According to the value of the skill "
     "the chance to remove all poison effects from a target is improved. At 4 points the chance is 25%,8 "
     "is 35%, 12 is 45%, 16 is 55%, 20 is 65% and at 24 skill points is 75%. "},
    {"SK_FIRST_AID", "First Aid",
     "Providing first aid is allowed only during combat. According to the advancement in this skill there "
     "are better chances that the target will heal 9 endurance points. The chance according to heal "
     "points is shown below. 4 give 20%, 8 points 30%, 12 points 40%, 16 points 50%, 20 points 60%, 24 "
     "points 70 %. "},
    {"SK_WIZARD_SPELL_RES", "Wizard Spell Resistance",
     "Each increase in this skill will provide the character with 1% resistance to damage coming from "
     "offensive wizard spells. "},
    {"SK_SACRED_SHIELD", "Sacred Shield",
     "This skill can be used at will and will increase the melee and missile armor for 5 rounds. At 6 "
     "points the melee and missile armor is increased by 1 point, at 12 by 2 points, at 18 by 3 and at 24 "
     "by 4 points. "},
    {"SK_FIND_TRAPS", "Find Traps",
     "It will enable the character to locate traps on ground, understand if an object like a chest is "
     "trapped etc. "},
    {"SK_REMOVE_TRAPS", "Remove Traps",
     "Some times finding a trap isn't good enough. The character possesing this skill might attempt to "
     "also disarm it. Bear in mind that the success of this operation is determined by the skill points "
     "the character has. This means that either he can remove the trap or not. No dice are rolled. "},
    {"SK_EVALUATE", "Evaluate",
     "This skill will enable a player character to evaluate approximately the price of an item, useful "
     "when you only want to keep but the most precious items after your backpack becomes full. This "
     "evaluation though is not without error. When attempting to evaluate an item a random percentage is "
     "added or subtracted from the item's base value. From 0 to 3 this percentage may be up to 50% "
     "increase or decrease of the item's base price, at 4 it is 45%, at 8 skill points it becomes 40%, at "
     "12 is 30% at 16 is 20%, at 20 is 15% and at 24 is 10%."},
    {"SK_PICK_LOCK", "Pick Lock",
     "It will enable someone to unlock a locked door or chest or any other lock, that is without using "
     "the proper key. "},
    {"SK_SECRET_DOORS", "Detect Secret Doors",
     "Useful skill to detect hidden doors, concealed compartments etc."},
    {"SK_PATHMANSHIP", "Pathmanship",
     "Allows the character to be able to orientate easily, follow tracks, read footprints, walk without "
     "leaving tracks etc. "},
    {"SK_CLIMB", "Climb Rope/Wall",
     "Climbing a vertical rope or a wall can always be of use in the adventuring profession. "},
    {"SK_KNIFE_THROWING", "Knife Throwing",
     "The skill of knife throwing allows the player to throw a single knife, once in each combat, which "
     "he may retrieve later. The dagger always hits the opponent inflicting physical damage. At 4 skill "
     "points the dagger causes random damage : 1,2,2,3,3,4. At 8 points the damage is 1d6. At 12 points "
     "the damage is : 2,3,4,5,6 or 7. At 16 the damage inflicted is : 3,4,5,6,7,8. At 20 the damage is "
     ":4,5,6,7,8,9 and at 24 points the damage is 2d6. "},
    {"SK_BOATING", "Boating",
     "Character with some boating knowledge, which can be increased, can be helpful in certain "
     "situations, depending on the general setting of the adventure. "},
    {"SK_INTEROGATION", "Interogation",
     "The character's knowledge around the field of interrogation is owed to his/her previous career at "
     "the side of kings or other powerful persons to help them with their daily activities. This "
     "knowledge can be improved though and can be helpful at many times that there are enemies still "
     "alive. "},
    {"SK_CAUSE_PAIN", "Cause Pain",
     "When gentle ways have no effect in the process of an interrogation then this character can prove "
     "his real talents. The beauty of suffering as they call it. Anyway, his previous career has also "
     "left him with a good knowledge in the field of causing unbearable pains to others, knowing all the "
     "vulnerable parts of living creatures. Using this skill in the battlefield can certainly give an "
     "advantage against opponents who writhe in pains. A skill of 6 will incur a -1 penalty to a target's "
     "melee and missile attack, at 12 points the penalty is -2, at 18 it is -3 and at 24 it is -4. The "
     "effect lasts for 3 rounds. "},
    {"SK_PHYSICAL_RES", "Physical Damage Resistance",
     "The character learns how to endure damage. This is a very important skill. For each skill point the "
     "character gains 1% physical damage resistance. This means that physical damage from any kind of "
     "weapon is reduced from 1% up to a maximum of 24% when this skill reaches the maximum. "},
    {"SK_BATTLE_FURY", "Battle Fury",
     "Battle fury lasts for 3 rounds and has effects on the melee attack and damage as well as the "
     "character's melee armor. While in fury the player inflicts more damage and his/her chance to hit is "
     "increased but he becomes careless. This results in a penalty in the melee armor. Melee Damage "
     "Bonus: At 4 points is +1, at 8 is +2, at 12 is +3, at 16 is +4, at 20 is +5, at 24 is +6. Melee "
     "Attack Bonus: at 8 points is +1, at 16 is +2 and at 24 is +3. Melee Armor Penalty: at 8 points is "
     "-1, at 16 is -2, at 18 is -3 and at 24 is -4. "},
    {"SK_HIDE", "Hide/Camouflage",
     "Hiding can be useful. No no. Not in the middle of the battle. I didn't mean it that way but when "
     "approaching an enemy camp or when you must sneak into a place where you are not supposed to. "},
    {"SK_WITHSTAND_DAMAGE", "Withstand Damage",
     "By improving this skill the character learns how to withstand injuries from attacks and thus being "
     "able to receive more damage before dying. At 4, 8, 12, 16, 20, 24 his or her maximum endurance in "
     "increased by 3 points. "},
    {"SK_POISON_RES", "Poison Resistance",
     "Each point of this skill will raise the poison resistance by 1%. "},
    {"SK_NEGATIVE_ENERGY", "Negative Energy Projection",
     "A field of negative energy reduces the melee and missile attack of the enemies in the area but "
     "there is also a 30% chance for each fellow party member that the negative energy will affect "
     "him/her as well. At 6 points the penalty is -1, at 12 is -2, at 18 is -3 and at 24 it is -4. Note "
     "that a different dice is rolled for each player to determine if he/she will also be affected. The "
     "negative energy field lasts for 4 rounds. "},
    {"SK_ACCURACY", "Accuracy",
     "By improving his/her accuracy attacks with missile weapons become more successful. At 8 points "
     "receives a +1 missile attack bonus, at 16 the bonus becomes +2 and at 24 it is +3. "},
    {"SK_IRON_BODY", "Iron Body",
     "The player's constitution is raised by a number of points but there is also a 20% chance that it "
     "will be lowered instead. The effect last for 3 rounds. At 4 points his/her constitution is raised "
     "by 3 points, at 8 is raised by 6, at 12 by 9, at 16 by 12, at 20 by 15 and at 24 by 18 points. The "
     "increase in constitution increases the maximum endurance points keeping the previous relation "
     "current endurance/max endurance. "},
    {"SK_HEROIC_PSALM", "Heroic Psalm",
     "The heroic psalm will give bonus to the melee and missile damage of a target creature. At 6 points "
     "the bonus is +1, at 12 is +2, at 18 is +3 and at 24 is +4. "},
    {"SK_DESTROY_WEAPON", "Destroy Weapon",
     "This skill may be used at will and only while in combat. Each skill point raises by 1% the chance "
     "that the weapon on the right hand of a target creature will be destroyed. "},
    {"SK_BLESSED_SHOT", "Blessed Shot",
     "A divine power guides all missiles to their target. At 8 skill points there is a +1 missile attack "
     "bonus, at 16 the bonus is +2 and at 24 it is +3. "},
    {"SK_ALCHEMY", "Alchemy",
     "Alchemy requires 10 points of mana. The character randomly will produce one burning oil or 4d6 gold "
     "pieces if he/she is successful. At 4 points the chance of success is 20%,at 8 is 30%,at 12 is 40%, "
     "at 16 is 50%, at 20 is 60% and at 24 skill points the chance of success is 70%. Note that the "
     "character cannot choose if he/she wants to produce a burning oil or gold. The burning oil is used "
     "from the quick items and causes 2d6 fire damage to a target. "},
    {"SK_MIND_BLAST", "Mind Blast",
     "Mind blast will reduce the Mind Power of a target from 1 to 6 points depending on the value of the "
     "skill. At 4 the target's mind power is reduced by 1 point, at 8 by 2, at 12 by 3, at 16 by 4, at 20 "
     "by 5 and at 24 by 6 points. This could consequently affect the target's Wizard Spell Armor. "},
    {"SK_OBLITERATION", "Obliteration",
     "By its name you can probably figure out that this is a nasty skill which also requires 50% of the "
     "maximum mana. For each skill point the character's chance is increased by 1%. When successful a "
     "target will be automatically rendered dead. If it fails the character using it will receive 2d6 "
     "damage. "},
    {"SK_MAGIC_RES", "Magic Resistance",
     "For each point of this skill the wizard spell damage and priest spell damage will be increased by "
     "1%. Really useful skill. "},
};

std::string SkillDisplayName(const std::string& codeOrName)
{
    const int index = BuiltInSkillIndex(codeOrName);
    return index < 0 ? codeOrName : BuiltInSkills[index].Name;
}

int BuiltInSkillIndex(const std::string& codeOrName)
{
    for (int index = 0; index < BuiltInSkillCount; ++index)
        if (codeOrName == BuiltInSkills[index].Code || codeOrName == BuiltInSkills[index].Name)
            return index;
    return -1;
}

namespace {

int32_t Band(int32_t value, int32_t width)
{
    return std::clamp(value, 0, 24) / width;
}

} // namespace

int32_t Band4(int32_t value)
{
    return Band(value, 4);
}

int32_t Band6(int32_t value)
{
    return Band(value, 6);
}

int32_t Band8(int32_t value)
{
    return Band(value, 8);
}

int32_t SkillChance(int32_t value)
{
    return value < 4 ? 0 : 10 + 10 * Band4(value);
}
