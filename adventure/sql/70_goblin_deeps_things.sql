-- What lives, lies and waits in the Goblin Deeps: the warren's goblins, its
-- shaman and its chief, the beasts of its edges, the miners in the pens, a
-- goblin who gives up, the chief's prisoner, and the cult's tokens.
--
-- Creature kinds 30030..30039 with their base rows, placed 30301..30349; people
-- 40030..40039; items 21050..21059, weapons 22025..22029, containers
-- 20015..20019, placed pieces 21301..21349 and 22301..22319; damage 130..139;
-- special uses 115..119.

-- ---------------------------------------------------------------- damage
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (130, '1d6', 2, -1, -1, 0);  -- a goblin spear
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (131, '1d3', 5, -1, -1, 0);  -- the fetish's hex of cinders
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (132, '2d3', 5, -1, -1, 0);  -- a firepot bursting
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (133, '1d2', 9, 3, 1, 0);    -- grave-dust: every round, for three rounds
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (134, '1d3', 6, -1, -1, 0);  -- a midden grub's bite
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (135, '1d2', 2, -1, -1, 0);  -- a bat's bite

-- ---------------------------------------------------------------- special uses
-- The shaman's three pots and bones, one for each of its first three turns.
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (115, 'Rattle the fetish', 500146, 130251, 1, 0, 0, 0, 0, 3, 131);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (116, 'Hurl the firepot', 500147, 130252, 1, 0, 0, 0, 0, 2, 132);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (117, 'Throw the grave-dust', 0, 130253, 1, 0, 0, 0, 0, 2, 133);

-- ---------------------------------------------------------------- items
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21050, 'Bone Fetish', 1, 1, 3, 0, '', 0, 0, 130221, 35, 100, 1, 0, 0, 0, 2, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21051, 'Goblin Firepot', 1, 1, 1, 1, '', 0, 0, 130222, 12, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21052, 'Pot of Grave-Dust', 1, 1, 1, 1, '', 0, 0, 130223, 10, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21053, 'Letter in Black Wax', 1, 1, 0, 0, '', 0, 500194, 130224, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21054, 'Sigil of the Hollow Flame', 21, 1, 0, 0, '', 0, 500125, 130225, 0, 0, 0, 0, 0, 0, 0, 0, 0);

insert into item_special_uses (item_id, sp_use_id) values (21050, 115);
insert into item_special_uses (item_id, sp_use_id) values (21051, 116);
insert into item_special_uses (item_id, sp_use_id) values (21052, 117);

insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21051), (21052), (21053), (21054)) as kind,
     (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;
-- The fetish answers to those who work the arts and the prayers.
insert into item_usable_by (template_id, class_id)
select 21050, cls.column1 from (values (2), (3), (8), (9), (10)) as cls;

-- ---------------------------------------------------------------- weapons
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22025, 'Notched Cleaver', 1, 1, 0, 0, -1, '', 0, 130231, 30, 11, 0, 4, 0, 0, 0, 0, 0, 0);
insert into weapon_templates (id, name, type_id, identified, charges, destroy_after_use, weapon_uses, large_image, script_id, desc_id, base_price, damage_id, special_uses, req_str, req_dex, req_mind, req_faith, req_const, two_handed, missile)
values (22026, 'Goblin Spear', 14, 1, 0, 0, -1, '', 0, 130232, 8, 130, 0, 0, 0, 0, 0, 0, 0, 0);
insert into weapon_usable_by (template_id, class_id)
select 22025, cls.column1 from (values (1), (5), (6), (7), (21)) as cls;
insert into weapon_usable_by (template_id, class_id)
select 22026, cls.column1 from (values (1), (4), (5), (6), (7), (9), (21)) as cls;

insert into items (id, template_id) select id, id from item_templates where id between 21050 and 21059;
insert into weapons (id, template_id) select id, id from weapon_templates where id between 22025 and 22029;

-- ---------------------------------------------------------------- creatures
-- Goblins of the warren fight with knives, the chief's guards with spears;
-- the shaman works its fetish and pots on its first three turns (500280), the
-- chief drinks a draught once when he is hurt (500281).
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30030, 'Goblin Warrior', 2, 0, 130201, 9, 9, 0, 0, 5, 1, 60,
  2, 2, 0, 0, 1, 0, 1,
  1, 6, 1, 0, 2, 2, 0, 0, 104);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, res_fire, weapon_staff,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30031, 'Goblin Shaman', 2, 500280, 130202, 22, 22, 0, 0, 30, 3, 300,
  1, 2, 4, 0, 1, 20, 50, 1,
  1, 7, 1, 0, 3, 3, 2, 1, 104);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_axe,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30032, 'Goblin Chief', 2, 500281, 130203, 22, 22, 0, 0, 60, 4, 500,
  3, 2, 1, 0, 3, 10, 2,
  1, 8, 1, 0, 4, 3, 1, 1, 104);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_spear,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30033, 'Goblin Spearman', 2, 0, 130204, 9, 9, 0, 0, 8, 2, 90,
  2, 2, 0, 0, 2, 0, 1,
  1, 7, 1, 0, 3, 3, 0, 0, 104);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30034, 'Midden Grub', 1, 0, 130205, 8, 8, 0, 0, 0, 1, 40,
  2, 0, 0, 0, 2, 75, 0,
  1, 8, 1, 0, 1, 1, 0, 0, 134);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30035, 'Cave Bat', 1, 0, 130206, 4, 4, 0, 0, 0, 1, 20,
  0, 4, 0, 0, 0, 0, 0,
  1, 5, 1, 0, 3, 4, 0, 0, 135);

insert into extended_data (type, id, name, value) values (3, 30030, 'AtkMsg', 'The goblin''s knife opens a cut on ??:~<c:#FF0000>HIT|The goblin slashes at ?? and misses:MISSED');
insert into extended_data (type, id, name, value) values (3, 30031, 'AtkMsg', 'The shaman''s staff cracks ??:~<c:#FF0000>HIT|The shaman swings its staff at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30032, 'AtkMsg', 'The chief''s cleaver bites into ??:~<c:#FF0000>HIT|The chief''s cleaver strikes sparks beside ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30033, 'AtkMsg', 'The goblin''s spear takes ??:~<c:#FF0000>HIT|The goblin jabs its spear at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30034, 'AtkMsg', 'The grub''s sucking mouth fastens on ??:~<c:#FF0000>HIT|The grub heaves itself at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30035, 'AtkMsg', 'The bat''s teeth nick ??:~<c:#FF0000>HIT|The bat flutters past ??:MISSED');

-- What the creatures carry. Place: 1..15 pack, 108 right hand, 201..203 quick slots.
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30030, 22002, 2, 108);  -- a goblin's knife
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30031, 22008, 2, 108);  -- the shaman's staff,
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30031, 21050, 1, 201);  -- its fetish,
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30031, 21051, 1, 202);  -- a firepot
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30031, 21052, 1, 203);  -- and a pot of grave-dust
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30032, 22025, 2, 108);  -- the chief's cleaver
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30032, 21003, 1, 201);  -- and his draught
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30033, 22026, 2, 108);  -- a guard's spear

insert into creatures (id, template_id) select id, id from creature_templates where id between 30030 and 30039;
insert into creatures (id, template_id) values (30301, 30030);  -- the two at the warren mouth
insert into creatures (id, template_id) values (30302, 30030);
insert into creatures (id, template_id) values (30303, 30014);  -- the archers on the sentry shelf
insert into creatures (id, template_id) values (30304, 30014);
insert into creatures (id, template_id) values (30305, 30035);  -- bats of the roost
insert into creatures (id, template_id) values (30306, 30035);
insert into creatures (id, template_id) values (30307, 30035);
insert into creatures (id, template_id) values (30308, 30034);  -- grubs in the midden
insert into creatures (id, template_id) values (30309, 30034);
insert into creatures (id, template_id) values (30310, 30030);  -- three in the burrows
insert into creatures (id, template_id) values (30311, 30030);
insert into creatures (id, template_id) values (30312, 30030);
insert into creatures (id, template_id) values (30313, 30031);  -- the shaman and its two
insert into creatures (id, template_id) values (30314, 30030);
insert into creatures (id, template_id) values (30315, 30030);
insert into creatures (id, template_id) values (30316, 30014);  -- the archer behind the chief's gate
insert into creatures (id, template_id) values (30317, 30033);  -- and the spearman in its gap
insert into creatures (id, template_id) values (30318, 30032);  -- Gritjaw, the chief
insert into creatures (id, template_id) values (30319, 30033);  -- and his spearman
insert into creatures (id, template_id) values (30321, 30035);  -- bats of the chasm
insert into creatures (id, template_id) values (30322, 30035);

-- ---------------------------------------------------------------- people
insert into npc_templates (id, name, script_id, desc_id) values (40030, 'Ennis Cole', 500168, 130211);
insert into npc_templates (id, name, script_id, desc_id) values (40031, 'Snikk', 500169, 130212);
insert into npc_templates (id, name, script_id, desc_id) values (40032, 'Brother Perrin', 500197, 130213);
insert into npcs (id, template_id) values (40030, 40030);
insert into npcs (id, template_id) values (40031, 40031);
insert into npcs (id, template_id) values (40032, 40032);

-- ---------------------------------------------------------------- containers
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20015, 'Iron-Bound Chest', 1, 0, 130241, '', 0, 6, 0, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20016, 'Bone Box', 0, 0, 130242, '', 3, 4, 0, 0);

-- ---------------------------------------------------------------- pieces
insert into items (id, template_id) values (21301, 21003);  -- a draught in the chief's chest
insert into items (id, template_id) values (21302, 21054);  -- the sigil over the hoard
insert into items (id, template_id) values (21303, 21053);  -- the letter in the shaman's den
insert into items (id, template_id) values (21304, 21051);  -- a firepot in the bone box
insert into items (id, template_id) values (21305, 21051);  -- two firepots at the forge
insert into items (id, template_id) values (21306, 21051);
insert into items (id, template_id) values (21307, 21052);  -- grave-dust in the bone box
insert into items (id, template_id) values (21308, 21004);  -- herbs in the fungus grotto
insert into items (id, template_id) values (21309, 21002);  -- a torch at the prospectors' camp
insert into items (id, template_id) values (21310, 21021);  -- and their rations
insert into items (id, template_id) values (21311, 21003);  -- Ennis's stolen draught
insert into items (id, template_id) values (21312, 21010);  -- a hauberk in the drowned prospector's pack
insert into items (id, template_id) values (21313, 21020);  -- a miner's charm in the midden
insert into weapons (id, template_id) values (22301, 22026);  -- a spear dropped at the warren mouth

insert into container_contents (container_id, type, content_id) values (20015, 4, 85);
insert into container_contents (container_id, type, content_id) values (20015, 1, 21301);
insert into container_contents (container_id, type, content_id) values (20016, 1, 21304);
insert into container_contents (container_id, type, content_id) values (20016, 1, 21307);
insert into container_contents (container_id, type, content_id) values (20016, 4, 14);

-- ---------------------------------------------------------------- placing
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1303, 20, 30301, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1303, 20, 30302, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1303, 6, 22301, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1324, 20, 30303, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1324, 20, 30304, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1304, 20, 30305, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1304, 20, 30306, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1304, 20, 30307, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1305, 5, 21309, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1305, 5, 21310, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1306, 20, 30308, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1306, 20, 30309, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1306, 30, 40031, 1);  -- Snikk, hiding in the muck
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1306, 5, 21313, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1308, 20, 30310, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1308, 20, 30311, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1308, 20, 30312, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1309, 5, 21308, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1311, 30, 40030, 1);  -- Ennis in the pens
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1313, 20, 30313, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1313, 20, 30314, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1313, 20, 30315, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1313, 5, 21303, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1313, 4, 20016, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1314, 5, 21312, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1315, 5, 21305, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1315, 5, 21306, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1316, 20, 30316, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1316, 20, 30317, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1317, 20, 30318, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1317, 20, 30319, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1318, 4, 20015, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1318, 5, 21302, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1319, 30, 40032, 1);  -- Brother Perrin, chained
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1321, 20, 30321, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1321, 20, 30322, 1);
