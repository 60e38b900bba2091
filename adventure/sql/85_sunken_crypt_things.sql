-- What lies, stands and waits in the Sunken Crypt: the crypt's restless dead
-- and the bone warden chained behind the stair, the Hollow Flame's acolytes
-- and its three champions, the sisters' ghost, a cultist who has had enough,
-- the pilgrims the cult keeps for its altar, the inscriptions, the altar, the
-- holy water of the font, the iron door, the high priest's sarcophagus and the
-- Sunstone inside it.
--
-- Creature kinds 30050..30059 with their base rows, placed 30501..30549; people
-- 40050..40059; items 21070..21079, weapons 22035..22039, containers
-- 20025..20029, placed pieces 21501..21549 and 22501..22519; damage 150..159;
-- special uses 125..129.

-- ---------------------------------------------------------------- damage
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (150, '1d3', 2, -1, -1, 0);  -- a cultist's sickle
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (151, '1d3', 3, -1, -1, 0);  -- the crypt dead's fists
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (152, '1d6', 3, -1, -1, 0);  -- the bone warden's mace
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (153, '1d4', 5, -1, -1, 0);  -- an ember-steel blade
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (154, '1d6', 5, -1, -1, 0);  -- the censer's smoke, on the dead

-- ---------------------------------------------------------------- special uses
-- The sisters' censer: its smoke draws the poison out of the party.
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (125, 'Swing the censer', 500267, 150251, 0, 1, 0, 0, 0, 3, 0);

-- ---------------------------------------------------------------- items
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21070, 'Flask of Holy Water', 1, 1, 0, 0, '', 0, 500322, 150221, 25, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21071, 'The Founding Stone', 1, 1, 0, 0, '', 1, 500230, 150222, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21072, 'The Sisters'' Tablet', 1, 1, 0, 0, '', 1, 500230, 150223, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21073, 'The Altar of Ashara', 1, 1, 0, 0, '', 1, 500277, 150224, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21074, 'Sexton''s Keys', 20, 1, 0, 0, '', 0, 0, 150225, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21075, 'Ring of the Sisters', 13, 0, 0, 0, '', 0, 500273, 150226, 120, 10, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21076, 'Pilgrim''s Shell', 15, 0, 0, 0, '', 0, 500276, 150227, 60, 2, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21077, 'Censer of the Sisters', 1, 0, 3, 0, '', 0, 500294, 150228, 80, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21078, 'Sunstone of Ashara', 21, 1, 0, 0, '', 0, 0, 150229, 0, 0, 0, 0, 0, 0, 0, 0, 0);

insert into item_special_uses (item_id, sp_use_id) values (21077, 125);

insert into modifiers (type, id, name, value) values (1, 21075, 'res_fire', 20);
insert into modifiers (type, id, name, value) values (1, 21075, 'armor_priest', 1);
insert into modifiers (type, id, name, value) values (1, 21076, 'end_max', 3);
insert into modifiers (type, id, name, value) values (1, 21076, 'res_poison', 15);

insert into extended_data (type, id, name, value) values (1, 21075, 'NotIdentifiedName', 'a plain silver ring');
insert into extended_data (type, id, name, value) values (1, 21076, 'NotIdentifiedName', 'a scallop shell on a cord');
insert into extended_data (type, id, name, value) values (1, 21077, 'NotIdentifiedName', 'a blackened brass censer');

insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21070), (21071), (21072), (21073), (21074), (21075), (21076), (21077), (21078)) as kind,
     (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;

-- ---------------------------------------------------------------- weapons
-- The champions' blades are forged of ember-steel: hot to the touch, and they
-- burn what they cut.
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22035, 'Ember-Steel Blade', 1, 0, 0, 0, -1, '', 500283, 150231, 150, 153, 0, 3, 0, 0, 0, 0, 0, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22036, 'Cultist''s Sickle', 1, 1, 0, 0, -1, '', 0, 150232, 10, 150, 0, 0, 0, 0, 0, 0, 0, 0);
insert into extended_data (type, id, name, value) values (2, 22035, 'NotIdentifiedName', 'a dark sword, warm to the touch');
insert into weapon_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (22035), (22036)) as kind, (values (1), (5), (6), (7), (21)) as cls;

insert into items (id, template_id) select id, id from item_templates where id between 21070 and 21079;
insert into weapons (id, template_id) select id, id from weapon_templates where id between 22035 and 22039;

-- ---------------------------------------------------------------- creatures
-- The crypt's dead are slow and hard to cut; the cult's acolytes fight with
-- sickles; each champion drinks a draught once when hurt (500291..500293).
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30050, 'Crypt Dead', 1, 0, 150201, 8, 8, 0, 0, 0, 2, 80,
  2, 0, 0, 0, 2, 100, 0,
  1, 8, 1, 0, 2, 4, 0, 0, 151);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30051, 'Bone Warden', 1, 0, 150202, 14, 14, 0, 0, 0, 3, 200,
  3, 1, 0, 0, 3, 100, 0,
  1, 8, 1, 0, 3, 4, 0, 0, 152);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30052, 'Hollow Flame Acolyte', 2, 0, 150203, 8, 8, 0, 0, 12, 2, 90,
  2, 2, 1, 1, 1, 0, 0,
  1, 7, 1, 0, 2, 2, 1, 1, 150);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, res_fire, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30053, 'Champion of Ash', 2, 500291, 150204, 27, 27, 0, 0, 40, 4, 450,
  3, 2, 1, 1, 3, 10, 50, 0,
  1, 8, 1, 0, 4, 3, 1, 1, 153);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, res_fire, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30054, 'Champion of Smoke', 2, 500292, 150205, 27, 27, 0, 0, 40, 4, 450,
  2, 3, 2, 1, 3, 10, 50, 0,
  1, 7, 1, 0, 3, 4, 1, 1, 153);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, res_fire, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30055, 'Champion of Embers', 2, 500293, 150206, 27, 27, 0, 0, 60, 5, 600,
  3, 2, 1, 1, 4, 10, 50, 0,
  1, 8, 1, 0, 4, 4, 1, 1, 153);

insert into extended_data (type, id, name, value) values (3, 30050, 'AtkMsg', 'The dead thing''s fists batter ??:~<c:#FF0000>HIT|The dead thing clutches at ?? and misses:MISSED');
insert into extended_data (type, id, name, value) values (3, 30051, 'AtkMsg', 'The warden''s mace falls on ??:~<c:#FF0000>HIT|The warden''s mace cracks the floor beside ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30052, 'AtkMsg', 'The acolyte''s sickle hooks into ??:~<c:#FF0000>HIT|The acolyte''s sickle whistles past ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30053, 'AtkMsg', 'The ember-steel sears ??:~<c:#FF0000>HIT|The champion''s blade trails sparks past ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30054, 'AtkMsg', 'The ember-steel sears ??:~<c:#FF0000>HIT|The champion''s blade trails smoke past ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30055, 'AtkMsg', 'The ember-steel sears ??:~<c:#FF0000>HIT|The champion''s blade rings off the stone beside ??:MISSED');

-- What the creatures carry. Place: 1..15 pack, 108 right hand, 201 first quick slot.
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30052, 22036, 2, 108);  -- an acolyte's sickle
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30053, 22035, 2, 108);  -- each champion's ember-steel
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30053, 21003, 1, 201);  -- and a draught
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30054, 22035, 2, 108);
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30054, 21003, 1, 201);
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30055, 22035, 2, 108);
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30055, 21003, 1, 201);

insert into creatures (id, template_id) select id, id from creature_templates where id between 30050 and 30059;
insert into creatures (id, template_id) values (30501, 30050);  -- the standing dead of the ossuary
insert into creatures (id, template_id) values (30502, 30050);
insert into creatures (id, template_id) values (30503, 30053);  -- the Champion of Ash, at the cells
insert into creatures (id, template_id) values (30504, 30052);  -- and the acolyte who keeps the keys
insert into creatures (id, template_id) values (30505, 30054);  -- the Champion of Smoke, at the altar
insert into creatures (id, template_id) values (30506, 30052);  -- and the acolyte who tends it
insert into creatures (id, template_id) values (30507, 30055);  -- the Champion of Embers, in the champions' hall

-- ---------------------------------------------------------------- people
insert into npc_templates (id, name, script_id, desc_id) values (40050, 'Idris Vane', 500269, 150211);
insert into npc_templates (id, name, script_id, desc_id) values (40051, 'Sister Maelis', 500278, 150212);
insert into npc_templates (id, name, script_id, desc_id) values (40052, 'Mara Thresh', 500284, 150213);
insert into npc_templates (id, name, script_id, desc_id) values (40053, 'Old Oswy', 500286, 150214);
insert into npc_templates (id, name, script_id, desc_id) values (40054, 'High Priest Aurelan', 500287, 150215);
insert into npcs (id, template_id) select id, id from npc_templates where id between 40050 and 40059;

-- ---------------------------------------------------------------- containers
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20025, 'Iron Door', 1, 500272, 150241, '', 0, 1, 0, 1);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20026, 'Sarcophagus of Aurelan', 1, 500271, 150242, '', 0, 4, 0, 1);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20027, 'Embalmer''s Chest', 1, 0, 150243, '', 0, 6, 0, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20028, 'Acolyte''s Locker', 1, 0, 150244, '', 0, 4, 0, 0);

-- ---------------------------------------------------------------- pieces
insert into items (id, template_id) values (21501, 21070);  -- holy water in the sisters' font
insert into items (id, template_id) values (21502, 21071);  -- the founding stone in the hall of inscriptions
insert into items (id, template_id) values (21503, 21072);  -- the sisters' tablet in the priests' tombs
insert into items (id, template_id) values (21504, 21073);  -- the altar in the chapel
insert into items (id, template_id) values (21505, 21074);  -- the sexton's keys in the acolyte's locker
insert into items (id, template_id) values (21506, 21075);  -- the ring in the sisters' crypt
insert into items (id, template_id) values (21507, 21076);  -- the pilgrim's shell in the embalmer's chest
insert into items (id, template_id) values (21508, 21077);  -- the censer in the embalmer's chest
insert into items (id, template_id) values (21509, 21078);  -- the Sunstone in the sarcophagus
insert into items (id, template_id) values (21510, 21003);  -- a draught in the embalmer's chest
insert into items (id, template_id) values (21511, 21003);  -- and one in the locker
insert into items (id, template_id) values (21512, 21021);  -- rations in the pilgrims' refuge

insert into container_contents (container_id, type, content_id) values (20026, 1, 21509);
insert into container_contents (container_id, type, content_id) values (20026, 4, 150);
insert into container_contents (container_id, type, content_id) values (20027, 1, 21507);
insert into container_contents (container_id, type, content_id) values (20027, 1, 21508);
insert into container_contents (container_id, type, content_id) values (20027, 1, 21510);
insert into container_contents (container_id, type, content_id) values (20028, 1, 21505);
insert into container_contents (container_id, type, content_id) values (20028, 1, 21511);
insert into container_contents (container_id, type, content_id) values (20028, 4, 35);

-- ---------------------------------------------------------------- placing
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1504, 5, 21501, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1504, 30, 40051, 1);   -- Sister Maelis at her font
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1505, 5, 21502, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1506, 20, 30501, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1506, 20, 30502, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1507, 30, 40053, 1);   -- Old Oswy, hiding with the pilgrims
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1507, 5, 21512, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1508, 4, 20028, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1509, 20, 30503, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1509, 20, 30504, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1509, 30, 40052, 1);   -- Mara Thresh, chained
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1510, 4, 20025, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1512, 20, 30505, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1512, 20, 30506, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1512, 5, 21504, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1513, 5, 21503, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1514, 4, 20026, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1514, 30, 40054, 0);   -- the high priest, once his rest is broken
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1515, 4, 20027, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1515, 30, 40050, 1);   -- Idris Vane, hiding among the jars
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1518, 5, 21506, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1521, 20, 30507, 1);
