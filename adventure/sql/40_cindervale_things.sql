-- What lies, stands and waits in Cindervale: gear, spells, containers,
-- creatures and the townsfolk.
--
-- Object numbers (items, weapons and containers share one space):
--   containers 20001..20099,
--   items: kinds 21001..21099, each with its own base row of the same
--   number; placed pieces 21101..21999,
--   weapons: kinds 22001..22099 with their base rows; placed pieces 22101..22999,
--   the lantern 27000217 and the bundle of herbs 27000218 called up by name.
-- Creatures: kinds and their base rows 30001..30099, placed 30101..30999.
-- Townsfolk: 40001.. (kind and person share the number).
-- Damage 101..199, special uses 101..199, spells 101..199.
-- Shops are numbered after the room they stand in: 1011 the Almonry,
-- 1012 the Glass Salamander, 1015 Brannoc's Forge, 1017 Tamsin's Provisions.

-- ---------------------------------------------------------------- damage
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (101, '1d2', 2, -1, -1, 0);  -- a rat's bite
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (102, '1d6', 2, -1, -1, 1);  -- the rat king's bite
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (103, '1d4', 2, -1, -1, 0);  -- a dog's bite
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (104, '1d2', 3, -1, -1, 0);  -- fists and elbows
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (106, '2d4', 5, -1, -1, 0);  -- Ember Dart
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (107, '3-7', 8, -1, -1, 0);  -- a spark from the wand
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (108, '1d3', 9, 3, 1, 0);    -- rat poison: every round, for three rounds

-- ---------------------------------------------------------------- special uses
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (101, 'Drink the draught', 0, 100171, 0, 1, 0, -1, 0, 4, 0);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (102, 'Bind a poultice', 0, 100172, 0, 0, 0, -1, 0, 4, 0);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (103, 'Loose a spark', 0, 100173, 1, 0, 0, 0, 0, 3, 107);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (104, 'Drink the tonic', 0, 100174, 0, 1, 0, 10, 0, 4, 0);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (105, 'Throw the vial', 0, 100175, 1, 0, 0, 0, 0, 2, 108);

insert into modifiers (type, id, name, value) values (3, 101, 'end', 10);
insert into modifiers (type, id, name, value) values (3, 102, 'end', 4);
insert into modifiers (type, id, name, value) values (3, 104, 'res_poison', 30);
insert into modifiers (type, id, name, value) values (3, 104, 'end', 2);

-- ---------------------------------------------------------------- spells
insert into spells (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id, req_mana, req_mind, req_faith, spell_type_id)
values (101, 'Ember Dart', 0, 100161, 1, 0, 0, 0, 0, 3, 106, 3, 3, 0, 1);
insert into spells (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id, req_mana, req_mind, req_faith, spell_type_id)
values (102, 'Kindle Courage', 0, 100162, 0, 0, 0, 5, 0, 3, 0, 4, 4, 0, 1);
insert into spells (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id, req_mana, req_mind, req_faith, spell_type_id)
values (103, 'Veil of Ash', 0, 100163, 0, 0, 0, 4, 1, 3, 0, 6, 5, 0, 1);
insert into spells (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id, req_mana, req_mind, req_faith, spell_type_id)
values (104, 'Ashara''s Mending', 0, 100164, 0, 0, 0, -1, 0, 4, 0, 4, 0, 3, 2);

insert into modifiers (type, id, name, value) values (4, 102, 'atk_melee', 1);
insert into modifiers (type, id, name, value) values (4, 102, 'dmg_melee', 1);
insert into modifiers (type, id, name, value) values (4, 103, 'armor_melee', 1);
insert into modifiers (type, id, name, value) values (4, 103, 'armor_missile', 1);
insert into modifiers (type, id, name, value) values (4, 104, 'end', 8);

-- ---------------------------------------------------------------- item kinds
-- type: 1 item, 2 spellbook, 3 scroll, 5 potion, 6 armour, 7 small shield,
-- 13 ring, 15 necklace, 16 helmet, 20 key, 21 relic, 22 wand. equipped_on: 1 head, 3 torso,
-- 9 left hand, 10 a ring finger, 100 a quick slot, 0 not worn.
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21001, 'Lantern', 1, 1, 0, 0, 'lantern.jpg', 0, 0, 100101, 25, 9, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21002, 'Torch', 1, 1, 0, 0, '', 0, 0, 100102, 1, 9, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21003, 'Healing Draught', 5, 1, 3, 1, '', 0, 0, 100103, 30, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21004, 'Bundle of Herbs', 1, 1, 2, 1, '', 0, 0, 100104, 6, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21005, 'The Mayor''s Seal', 21, 1, 0, 0, 'mayors_seal.jpg', 0, 500121, 100105, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21006, 'Torn Map', 1, 1, 0, 0, 'torn_map.jpg', 0, 500122, 100106, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21007, 'Ring of the Banked Fire', 13, 0, 0, 0, '', 0, 500126, 100107, 140, 10, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21008, 'Ring of Steady Hands', 13, 1, 0, 0, '', 0, 0, 100108, 160, 10, 0, 0, 0, 4, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21009, 'Leather Jerkin', 6, 1, 0, 0, '', 0, 0, 100109, 18, 3, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21010, 'Ember-Steel Hauberk', 6, 1, 0, 0, '', 0, 0, 100110, 280, 3, 0, 0, 5, 0, 0, 0, 4);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21011, 'Iron Cap', 16, 1, 0, 0, '', 0, 0, 100111, 12, 1, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21012, 'Buckler', 7, 1, 0, 0, '', 0, 0, 100112, 15, 9, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21013, 'The Cinderbound Grimoire', 2, 1, -1, 0, '', 0, 0, 100113, 220, 100, 2, 0, 0, 0, 3, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21014, 'Iron Key', 20, 1, 0, 0, '', 0, 0, 100114, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21015, 'Cinderwort Tonic', 5, 1, 1, 1, '', 0, 0, 100115, 20, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21016, 'Scroll of the Veil of Ash', 3, 1, 1, 1, '', 0, 0, 100116, 60, 100, 1, 0, 0, 0, 2, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21017, 'Prayer Scroll of Mending', 3, 1, 1, 1, '', 0, 0, 100117, 45, 100, 1, 0, 0, 0, 0, 2, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21018, 'Wand of Sparks', 22, 1, 6, 0, '', 0, 0, 100118, 180, 100, 1, 0, 0, 0, 2, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21019, 'Vial of Rat Poison', 1, 1, 1, 1, '', 0, 0, 100119, 8, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21020, 'Miner''s Lucky Charm', 15, 0, 0, 0, '', 0, 0, 100120, 40, 2, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21021, 'Trail Rations', 1, 1, 0, 0, '', 0, 0, 100121, 2, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21022, 'Coil of Rope', 1, 1, 0, 0, '', 0, 0, 100122, 5, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21023, 'Pilgrim''s Breviary', 2, 1, -1, 0, '', 0, 0, 100123, 10, 100, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21024, 'Brannoc''s Hammer', 1, 1, 0, 0, '', 0, 0, 100124, 0, 0, 0, 0, 0, 0, 0, 0, 0);

insert into item_special_uses (item_id, sp_use_id) values (21003, 101);
insert into item_special_uses (item_id, sp_use_id) values (21004, 102);
insert into item_special_uses (item_id, sp_use_id) values (21015, 104);
insert into item_special_uses (item_id, sp_use_id) values (21018, 103);
insert into item_special_uses (item_id, sp_use_id) values (21019, 105);

-- The grimoire holds two spells; each scroll holds one. The breviary's pages
-- are blank until a prayer scroll is copied into it.
insert into item_spells (item_id, spell_id) values (21013, 101);
insert into item_spells (item_id, spell_id) values (21013, 102);
insert into item_spells (item_id, spell_id) values (21016, 103);
insert into item_spells (item_id, spell_id) values (21017, 104);

insert into modifiers (type, id, name, value) values (1, 21007, 'res_fire', 15);
insert into modifiers (type, id, name, value) values (1, 21007, 'armor_melee', 1);
insert into modifiers (type, id, name, value) values (1, 21007, 'end_max', 2);
insert into modifiers (type, id, name, value) values (1, 21008, 'ab_dex', 1);
insert into modifiers (type, id, name, value) values (1, 21008, 'atk_missile', 1);
insert into modifiers (type, id, name, value) values (1, 21009, 'armor_melee', 1);
insert into modifiers (type, id, name, value) values (1, 21009, 'armor_missile', 1);
insert into modifiers (type, id, name, value) values (1, 21010, 'armor_melee', 3);
insert into modifiers (type, id, name, value) values (1, 21010, 'armor_missile', 2);
insert into modifiers (type, id, name, value) values (1, 21010, 'res_fire', 10);
insert into modifiers (type, id, name, value) values (1, 21010, 'ab_dex', -1);
insert into modifiers (type, id, name, value) values (1, 21011, 'armor_melee', 1);
insert into modifiers (type, id, name, value) values (1, 21012, 'armor_melee', 1);
insert into modifiers (type, id, name, value) values (1, 21012, 'armor_missile', 1);
insert into modifiers (type, id, name, value) values (1, 21020, 'res_poison', 10);
insert into modifiers (type, id, name, value) values (1, 21020, 'ab_const', 1);

insert into extended_data (type, id, name, value) values (1, 21007, 'NotIdentifiedName', 'a tarnished copper ring');
insert into extended_data (type, id, name, value) values (1, 21020, 'NotIdentifiedName', 'a soot-blackened charm');
insert into extended_data (type, id, name, value) values (1, 21018, 'RechargePrice', '10');

-- Who may use what: class 1 Warrior, 2 Wizard, 3 Priest, 4 Thief, 5 Pirate,
-- 6 Tormentor, 7 Amazon, 8 BattleWizard, 9 BattlePriest, 10 Cultist,
-- 21 Ember Warden.
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21001), (21002), (21003), (21004), (21005), (21006), (21007), (21008),
             (21009), (21014), (21015), (21019), (21020), (21021), (21022), (21024)) as kind,
     (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21010)) as kind, (values (1), (5), (6), (7), (9), (21)) as cls;
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21011)) as kind, (values (1), (3), (4), (5), (6), (7), (9), (21)) as cls;
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21012)) as kind, (values (1), (3), (4), (5), (6), (7), (9), (21)) as cls;
-- books and scrolls of the arcane art
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21013), (21016), (21018)) as kind, (values (2), (8), (10)) as cls;
-- prayers
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21017), (21023)) as kind, (values (3), (9), (21)) as cls;

-- ---------------------------------------------------------------- weapon kinds
-- type: 2 bow, 5 dagger, 6 dart, 9 hammer, 10 long sword, 11 mace,
-- 13 sling, 15 staff, 16 two-handed axe, 17 arrows, 19 bullets.
-- weapon_uses: pieces in a stack; -1 for a weapon that is not counted.
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22001, 'Longsword', 10, 1, 0, 0, -1, '', 0, 100131, 40, 2, 0, 3, 0, 0, 0, 0, 0, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22002, 'Dagger', 5, 1, 0, 0, -1, '', 0, 100132, 6, 1, 0, 0, 0, 0, 0, 0, 0, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22003, 'Miner''s Greataxe', 16, 1, 0, 0, -1, '', 0, 100133, 55, 3, 0, 6, 0, 0, 0, 0, 1, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22004, 'Short Bow', 2, 1, 0, 0, -1, '', 0, 100134, 30, 4, 0, 0, 3, 0, 0, 0, 1, 1);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22005, 'Arrows', 17, 1, 0, 0, 20, '', 0, 100135, 10, 5, 0, 0, 0, 0, 0, 0, 0, 1);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22006, 'Throwing Darts', 6, 1, 0, 0, 12, '', 0, 100136, 8, 6, 0, 0, 0, 0, 0, 0, 0, 1);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22007, 'War Hammer', 9, 1, 0, 0, -1, '', 0, 100137, 24, 7, 0, 4, 0, 0, 0, 0, 0, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22008, 'Quarterstaff', 15, 1, 0, 0, -1, '', 0, 100138, 4, 8, 0, 0, 0, 0, 0, 0, 1, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22009, 'Sling', 13, 1, 0, 0, -1, '', 0, 100139, 5, 4, 0, 0, 0, 0, 0, 0, 0, 1);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22010, 'Sling Bullets', 19, 1, 0, 0, 20, '', 0, 100140, 4, 9, 0, 0, 0, 0, 0, 0, 0, 1);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22011, 'Mace', 11, 1, 0, 0, -1, '', 0, 100141, 20, 10, 0, 3, 0, 0, 0, 0, 0, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22012, 'Ember-Forged Blade', 10, 1, 0, 0, -1, '', 0, 100142, 320, 2, 0, 5, 0, 0, 0, 0, 0, 0);

-- The ember-forged blade burns as it cuts, and sits true in the hand.
insert into weapon_ad_dam (weapon_id, damage_id) values (22012, 18);
insert into modifiers (type, id, name, value) values (2, 22012, 'atk_melee', 1);

insert into weapon_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (22002), (22006), (22008), (22009), (22010)) as kind,
     (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;
insert into weapon_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (22001)) as kind, (values (1), (4), (5), (6), (7), (8), (9), (21)) as cls;
insert into weapon_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (22003), (22012)) as kind, (values (1), (5), (6), (7), (21)) as cls;
insert into weapon_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (22004), (22005)) as kind, (values (1), (4), (5), (7), (8), (9), (21)) as cls;
insert into weapon_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (22007), (22011)) as kind, (values (1), (3), (5), (6), (7), (9), (21)) as cls;

-- ---------------------------------------------------------------- base rows
-- Every kind has a base row numbered like the kind; shops sell from it and
-- fresh pieces are copied from it.
insert into items (id, template_id) select id, id from item_templates where id between 21001 and 21099;
insert into weapons (id, template_id) select id, id from weapon_templates where id between 22001 and 22099;

-- ---------------------------------------------------------------- placed pieces
insert into items (id, template_id) values (21101, 21007);  -- the tarnished ring in the strongbox
insert into items (id, template_id) values (21102, 21006);  -- the torn map in the oilcloth pouch
insert into items (id, template_id) values (21103, 21014);  -- the strongbox key behind the casks
insert into items (id, template_id) values (21104, 21002);  -- torch in the crate on Slag Row
insert into items (id, template_id) values (21105, 21002);  -- torch in the crate on Slag Row
insert into items (id, template_id) values (21106, 21002);  -- torch in the Burnt House
insert into items (id, template_id) values (21107, 21005);  -- the mayor's seal, kept by the mayor until he hands it over
insert into items (id, template_id) values (21108, 21004);  -- herbs by the well
insert into items (id, template_id) values (21109, 21009);  -- a jerkin in the watchtower
insert into items (id, template_id) values (21110, 21003);  -- a healing draught in the strongbox
insert into items (id, template_id) values (21111, 21019);  -- rat poison in the crate on Slag Row
insert into items (id, template_id) values (27000217, 21001);  -- "a lantern", called up by name
insert into items (id, template_id) values (27000218, 21004);  -- "a bundle of herbs", called up by name

insert into weapons (id, template_id) values (22101, 22004);  -- a short bow in the watchtower
insert into weapons (id, template_id) values (22102, 22005);  -- a quiver of arrows in the watchtower
insert into weapons (id, template_id) values (22103, 22006);  -- darts in the crate on Slag Row

-- New pieces made in play are numbered above every placed piece.
insert into item_id_gen (id) values (28000000);

-- ---------------------------------------------------------------- containers
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20001, 'Iron Strongbox', 1, 500124, 100151, '', 0, 5, 0, 1);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20002, 'Oilcloth Pouch', 0, 0, 100152, '', 2, 3, 0, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20003, 'Split Packing Crate', 1, 0, 100153, '', 0, 6, 1, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20004, 'Leather Satchel', 0, 0, 100154, '', 4, 4, 1, 0);

-- content type: 1 item, 2 weapon, 3 container, 4 gold (the number is the amount)
insert into container_contents (container_id, type, content_id) values (20001, 4, 75);
insert into container_contents (container_id, type, content_id) values (20001, 1, 21101);
insert into container_contents (container_id, type, content_id) values (20001, 1, 21110);
insert into container_contents (container_id, type, content_id) values (20001, 3, 20002);
insert into container_contents (container_id, type, content_id) values (20002, 1, 21102);
insert into container_contents (container_id, type, content_id) values (20002, 4, 6);
insert into container_contents (container_id, type, content_id) values (20003, 1, 21104);
insert into container_contents (container_id, type, content_id) values (20003, 1, 21105);
insert into container_contents (container_id, type, content_id) values (20003, 2, 22103);
insert into container_contents (container_id, type, content_id) values (20003, 1, 21111);

-- The pouch takes small things only: keys, relics, maps and scrolls.
insert into container_item_types (container_id, item_type_id) values (20002, 1);
insert into container_item_types (container_id, item_type_id) values (20002, 3);
insert into container_item_types (container_id, item_type_id) values (20002, 4);
insert into container_item_types (container_id, item_type_id) values (20002, 13);
insert into container_item_types (container_id, item_type_id) values (20002, 20);
insert into container_item_types (container_id, item_type_id) values (20002, 21);
-- Tamsin's satchel takes the same, and potions.
insert into container_item_types (container_id, item_type_id)
select 20004, kind.column1 from (values (1), (3), (4), (5), (13), (20), (21)) as kind;

-- ---------------------------------------------------------------- creatures
-- type: 1 beast, 2 goblin or man. attack_type 1: they fight hand to hand.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30001, 'Cellar Rat', 1, 0, 100201, 4, 4, 0, 0, 0, 1, 40,
  1, 3, 0, 0, 0, 25, 0,
  1, 6, 1, 0, 2, 3, 0, 0, 101);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30002, 'The Rat King', 1, 500127, 100202, 24, 24, 0, 0, 18, 3, 300,
  3, 3, 1, 0, 2, 50, 0,
  2, 6, 1, 1, 4, 4, 2, 2, 102);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30003, 'Stray Dog', 1, 0, 100203, 8, 8, 0, 0, 0, 1, 30,
  2, 2, 0, 0, 0, 0, 0,
  1, 5, 1, 0, 2, 2, 0, 0, 103);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30004, 'Cutpurse', 2, 0, 100204, 10, 10, 0, 0, 14, 2, 60,
  2, 4, 1, 0, 1, 0, 2,
  1, 6, 1, 0, 3, 3, 1, 1, 104);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30005, 'Goblin Raider', 2, 0, 100205, 9, 9, 0, 0, 4, 1, 55,
  2, 2, 0, 0, 1, 0, 1,
  1, 6, 1, 0, 2, 2, 0, 0, 104);
-- Korra Slate, a hewer of the third shift who sells her axe at the inn; she
-- does not fight the party, she joins it.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_axe, weapon_two_handed_axe,
  attack_roll, delay, attack_type, mod_atk_melee, mod_dmg_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30007, 'Korra Slate', 2, 0, 100207, 9, 9, 0, 0, 0, 2, 0,
  7, 4, 2, 2, 6, 5, 3, 4,
  2, 6, 1, 1, 1, 2, 1, 0, 0, 104);
-- The looter of the Burnt House found a wand in the ashes, and one turn in
-- three it looses a spark from it instead of stabbing.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30006, 'Goblin Looter', 2, 500145, 100206, 9, 9, 0, 0, 4, 1, 65,
  2, 2, 2, 0, 1, 0, 1,
  1, 6, 1, 0, 2, 2, 0, 0, 104);

insert into extended_data (type, id, name, value) values (3, 30001, 'AtkMsg', 'The rat bites ??:~<c:#FF0000>HIT|The rat snaps at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30002, 'AtkMsg', 'The Rat King tears at ?? with a dozen mouths:~<c:#FF0000>HIT|The Rat King lunges at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30003, 'AtkMsg', 'The dog savages ??:~<c:#FF0000>HIT|The dog snaps at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30005, 'AtkMsg', 'The goblin lunges at ?? with its knife:~<c:#FF0000>HIT|The goblin''s knife scrapes past ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30006, 'AtkMsg', 'The goblin lunges at ?? with its knife:~<c:#FF0000>HIT|The goblin''s knife scrapes past ??:MISSED');

-- What the creatures carry. Place: 1..15 pack, 108 right hand, 201 first quick slot.
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30002, 21003, 1, 201);  -- the rat king hoards a draught
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30004, 22002, 2, 108);  -- the cutpurse's knife
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30004, 21004, 1, 1);
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30005, 22002, 2, 108);  -- the goblin's knife
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30005, 21002, 1, 1);
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30006, 22002, 2, 108);  -- the looter's knife,
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30006, 21018, 1, 201);  -- the wand it found
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30006, 21020, 1, 1);    -- and a miner's charm

insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30007, 22003, 2, 108);  -- Korra's greataxe,
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30007, 21009, 1, 103);  -- her jerkin,
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30007, 21021, 1, 1);    -- and a day's rations

-- Base rows, copied when more of a kind are called up; then the placed ones.
insert into creatures (id, template_id) select id, id from creature_templates where id between 30001 and 30099;
insert into creatures (id, template_id) values (30101, 30003);  -- the stray dog on Slag Row
insert into creatures (id, template_id) values (30102, 30004);  -- the cutpurse in Ashen Lane
insert into creatures (id, template_id) values (30103, 30006);  -- the goblin picking through the Burnt House
insert into creatures (id, template_id) values (30104, 30001);  -- rats in the Chandler's Cellar
insert into creatures (id, template_id) values (30105, 30001);
insert into creatures (id, template_id) values (30106, 30001);
insert into creatures (id, template_id) values (30107, 30002);  -- the Rat King in the Sealed Cellar
insert into creatures (id, template_id) values (30108, 30001);  -- and his court
insert into creatures (id, template_id) values (30109, 30001);
insert into creatures (id, template_id) values (30110, 30007);  -- Korra Slate, waiting to be hired

-- What Korra is as a member of the party: a half-orc warrior of the second
-- level, strong in the Mighty Strike and in standing up to blows.
insert into extended_data (type, id, name, value) values (3, 30110, 'IsMale', 'False');
insert into extended_data (type, id, name, value) values (3, 30110, 'Race', 'Half-Orc');
insert into extended_data (type, id, name, value) values (3, 30110, 'Class', 'WARRIOR');
insert into extended_data (type, id, name, value) values (3, 30110, 'Experience', '1300');
insert into extended_data (type, id, name, value) values (3, 30110, 'SkillValue1', '0');
insert into extended_data (type, id, name, value) values (3, 30110, 'SkillValue2', '0');
insert into extended_data (type, id, name, value) values (3, 30110, 'SkillValue3', '2');
insert into extended_data (type, id, name, value) values (3, 30110, 'SkillValue4', '3');
insert into extended_data (type, id, name, value) values (3, 30110, 'SkillValue5', '1');

-- ---------------------------------------------------------------- townsfolk
insert into npc_templates (id, name, script_id, desc_id) values (40001, 'Mayor Harrowgate', 500128, 100211);
insert into npc_templates (id, name, script_id, desc_id) values (40002, 'Marda Quill', 500129, 100212);
insert into npc_templates (id, name, script_id, desc_id) values (40003, 'Brannoc the Smith', 500130, 100213);
insert into npc_templates (id, name, script_id, desc_id) values (40004, 'Sister Ysolde', 500131, 100214);
insert into npc_templates (id, name, script_id, desc_id) values (40005, 'Korra Slate', 500155, 100215);

insert into npcs (id, template_id) values (40001, 40001);
insert into npcs (id, template_id) values (40002, 40002);
insert into npcs (id, template_id) values (40003, 40003);
insert into npcs (id, template_id) values (40004, 40004);
insert into npcs (id, template_id) values (40005, 40005);

-- ---------------------------------------------------------------- placing
-- kind: 4 container, 5 item, 6 weapon, 20 living creature, 30 person
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1006, 5, 21109, 1);   -- the watchtower: jerkin,
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1006, 6, 22101, 1);   -- bow
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1006, 6, 22102, 1);   -- and arrows
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1008, 30, 40001, 1);  -- the mayor
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1010, 30, 40004, 1);  -- Sister Ysolde
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1014, 30, 40003, 1);  -- Brannoc
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1018, 30, 40002, 1);  -- Marda
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1018, 30, 40005, 1);  -- and Korra, until she is hired
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1020, 4, 20003, 1);   -- Slag Row: the crate
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1020, 20, 30101, 1);  -- and the dog
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1021, 20, 30102, 1);  -- Ashen Lane: the cutpurse
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1022, 5, 21108, 1);   -- the Well Court: herbs
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1023, 5, 21106, 1);   -- the Burnt House: a torch
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1023, 20, 30103, 1);  -- and the goblin
-- The key lies hidden behind the casks until someone searches the cellar.
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1024, 5, 21103, 0);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1024, 20, 30104, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1024, 20, 30105, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1024, 20, 30106, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1025, 4, 20001, 1);   -- the Sealed Cellar: the strongbox,
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1025, 20, 30107, 1);  -- the Rat King
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1025, 20, 30108, 1);  -- and two of his court
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1025, 20, 30109, 1);

-- ---------------------------------------------------------------- shops
-- Goods are sold from the base rows; stack is how many the shop has.
-- Brannoc's Forge
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 22001, 6, 3);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 22002, 6, 5);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 22003, 6, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 22007, 6, 2);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 22011, 6, 2);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 22012, 6, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 21009, 5, 3);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 21010, 5, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 21011, 5, 3);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1015, 21012, 5, 2);
-- Tamsin's Provisions
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 21002, 5, 12);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 21003, 5, 4);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 21004, 5, 6);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 21019, 5, 5);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 21021, 5, 10);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 21022, 5, 4);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 22004, 6, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 22005, 6, 6);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 22006, 6, 4);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 22008, 6, 2);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 22009, 6, 2);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 22010, 6, 6);
-- type 4: a container, sold as it is: the one satchel on the hook.
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1017, 20004, 4, 1);
-- The Almonry
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1011, 21003, 5, 6);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1011, 21015, 5, 4);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1011, 21017, 5, 3);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1011, 21004, 5, 4);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1011, 21023, 5, 2);
-- The Glass Salamander
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1012, 21013, 5, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1012, 21016, 5, 3);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1012, 21018, 5, 1);
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1012, 21008, 5, 1);

-- What each shop buys. Item types: 1 item, 2 spellbook, 3 scroll, 4 gem,
-- 5 potion, 6 armour, 7..9 shields, 13 ring, 14 bracelet, 15 necklace,
-- 16 helmet, 19 gauntlets, 22 wand. Weapon types as above.
insert into items_to_buy (shop_id, item_type_id) values (1015, 6);
insert into items_to_buy (shop_id, item_type_id) values (1015, 7);
insert into items_to_buy (shop_id, item_type_id) values (1015, 8);
insert into items_to_buy (shop_id, item_type_id) values (1015, 9);
insert into items_to_buy (shop_id, item_type_id) values (1015, 16);
insert into items_to_buy (shop_id, item_type_id) values (1015, 19);
insert into weapons_to_buy (shop_id, weapon_type_id)
select 1015, kind.column1 from (values (1), (3), (5), (7), (8), (9), (10), (11), (12), (14), (16)) as kind;

insert into items_to_buy (shop_id, item_type_id) values (1017, 1);
insert into items_to_buy (shop_id, item_type_id) values (1017, 4);
insert into items_to_buy (shop_id, item_type_id) values (1017, 5);
insert into weapons_to_buy (shop_id, weapon_type_id)
select 1017, kind.column1 from (values (2), (6), (13), (15), (17), (18), (19)) as kind;

insert into items_to_buy (shop_id, item_type_id) values (1011, 5);

insert into items_to_buy (shop_id, item_type_id) values (1012, 2);
insert into items_to_buy (shop_id, item_type_id) values (1012, 3);
insert into items_to_buy (shop_id, item_type_id) values (1012, 4);
insert into items_to_buy (shop_id, item_type_id) values (1012, 13);
insert into items_to_buy (shop_id, item_type_id) values (1012, 14);
insert into items_to_buy (shop_id, item_type_id) values (1012, 15);
insert into items_to_buy (shop_id, item_type_id) values (1012, 22);
