#include "rules/Skills.h"

const TSkillInfo BuiltInSkills[BuiltInSkillCount] = {
    {"SK_LHAND", "Left Hand Fighting"},
    {"SK_DWEAPON", "Dual Weapon Fighting"},
    {"SK_MIGHTY_STRIKE", "Mighty Strike"},
    {"SK_PERCEPTION", "Perception"},
    {"SK_READ", "Read Languages/Symbols"},
    {"SK_LORE", "Arcane Knowledge"},
    {"SK_PRIEST_SPELL_RES", "Priest Spell Resistance"},
    {"SK_STONE_FORM", "Stone Form"},
    {"SK_ANIMAL_CONTROL", "Animal Control"},
    {"SK_HERBALISM", "Herbalism"},
    {"SK_NEUTRALIZE_POISON", "Neutralize Poison"},
    {"SK_FIRST_AID", "First Aid"},
    {"SK_WIZARD_SPELL_RES", "Wizard Spell Resistance"},
    {"SK_SACRED_SHIELD", "Sacred Shield"},
    {"SK_FIND_TRAPS", "Find Traps"},
    {"SK_REMOVE_TRAPS", "Remove Traps"},
    {"SK_EVALUATE", "Evaluate"},
    {"SK_PICK_LOCK", "Pick Lock"},
    {"SK_SECRET_DOORS", "Detect Secret Doors"},
    {"SK_PATHMANSHIP", "Pathmanship"},
    {"SK_CLIMB", "Climb Rope/Wall"},
    {"SK_KNIFE_THROWING", "Knife Throwing"},
    {"SK_BOATING", "Boating"},
    {"SK_INTEROGATION", "Interogation"},
    {"SK_CAUSE_PAIN", "Cause Pain"},
    {"SK_PHYSICAL_RES", "Physical Damage Resistance"},
    {"SK_BATTLE_FURY", "Battle Fury"},
    {"SK_HIDE", "Hide/Camouflage"},
    {"SK_WITHSTAND_DAMAGE", "Withstand Damage"},
    {"SK_POISON_RES", "Poison Resistance"},
    {"SK_NEGATIVE_ENERGY", "Negative Energy Projection"},
    {"SK_ACCURACY", "Accuracy"},
    {"SK_IRON_BODY", "Iron Body"},
    {"SK_HEROIC_PSALM", "Heroic Psalm"},
    {"SK_DESTROY_WEAPON", "Destroy Weapon"},
    {"SK_BLESSED_SHOT", "Blessed Shot"},
    {"SK_ALCHEMY", "Alchemy"},
    {"SK_MIND_BLAST", "Mind Blast"},
    {"SK_OBLITERATION", "Obliteration"},
    {"SK_MAGIC_RES", "Magic Resistance"},
};

std::string SkillDisplayName(const std::string& codeOrName)
{
    for (const TSkillInfo& skill : BuiltInSkills)
        if (codeOrName == skill.Code)
            return skill.Name;
    return codeOrName;
}
