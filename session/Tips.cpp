#include "session/Tips.h"

const std::array<std::string, 23> Tips = {
    "If you are not playing in Turn Based mode you can double click on a Player's name in order to attack. This is "
    "faster than clicking the attack button.",
    "Include at least one priest in your party to use his healing spells. Healing potions might not always be "
    "available.",
    "A larger party is a stronger party. Let people join you.",
    "Some magical items will have abilities that can be used at will. After equipping such an item click the "
    "~<b;>Use Special~<> button to access its abilities.",
    "If you cannot figure out what to do with an item in a location try using the ~<b;>Examine~<> button. You might "
    "get more information or more options by examining it.",
    "Click the ~<b;>Loot~<> button to search dead bodies for valuables.",
    "Arcane Lore or High Mind Power will allow you to identify the properties of magical items. Alternatively you can "
    "take such items to a merchant that offers Identify as a service.",
    "Spend your gold wisely. Always try to improve the armor and weapons of your party members. This is what will "
    "improve the odds in combat.",
    "Subscribe to the mailing list at " + ProductWebSite + " to be notified immediately of new games.",
    "You can always get more help by visiting the forum at " + ProductWebSite,
    "Playing in Turn Based mode will give you more time to think on what to do next to win the combat while Real "
    "Time fighting is good if you often do combat with enemies that are weaker than you.",
    "Some Exits are only accessible through the ~<b;>All Exits~<> button. This button will always give you a list of "
    "all accessible exits in the current location.",
    "Some monsters have vulnerabilities. When you Examine a monster after killing it you might get information on its "
    "vulnerabilities. So, if a monster is vulnerable to fire using fire attacks against it will kill it faster.",
    "Different merchants might sell you the same item for a different price. This depends on the merchant. The same "
    "goes for selling your own items. ",
    "Save your game often. Especially after a difficult combat or an important encounter.",
    "Ironwrit is the underlying Role-playing System or the rules of the game. In this system almost always higher "
    "numbers denote better properties.",
    "If you have a scroll with a spell you can copy it to your spellbook",
    "You can use the arrow keys or numpad keys to move faster in any direction",
    "If you finish a game click the Party button and export your characters. Then store those files. You might need "
    "them to import your characters in a sequel game. It is also a good idea to sore your last save game. It might "
    "also be needed to import items in future game versions.",
    "If you like text based games you can always create your own with the Vellumora(TM) Editor available for FREE at " +
        ProductWebSite + ". Text based games are easier to create than graphics games and sometimes more fun.",
    "Certain magical items with limited uses can be recharged for a price usually in a magic shop",
    "Some intelligent opponents might use magical potions through the course of combat to heal themselves. Try "
    "focusing your attacks to a single opponent at a time so that he does not get the opportunity to use his magical "
    "aids.",
    "Resting in the open always poses a risk that your rest might be disrupted.",
};
