-- The Ashfang Mines: the postern beside the barred gate, the lift-head and
-- the winding-house the goblins hold, the lift down to the third gallery, the
-- dark tunnel to the old shaft and its winch, the flooded gallery, the broken
-- ladderway the party drops down, the goblins besieging the fourth shift in
-- the shored gallery, and past it the ninth gallery, the old working and the
-- hole the goblins broke into their warren.
--
-- Locations 1201..1230, texts 120001..120299, journal texts 190020...
-- Creatures: kinds 30020 (goblin sapper) and 30021 (cave crawler), placed
-- 30201...; the miners 40020..40024; pieces 21040..21047, placed 21201...;
-- containers 20010..20014; damage 120..123; the powder keg's use 110 and the
-- lamp oil's 111.
-- The map has 7 columns and 8 rows: the mine-head on top, the third gallery
-- in the middle, the bottom galleries below.
--
--         col 0            col 1              col 2                col 3             col 4            col 5
-- row 0   Postern Passage  Lift-Head          Winding-House        Tally Office
-- row 1   Lamp Room                           Powder Store
-- row 2   Bunkhouse        Lift Foot          Third Gallery        Dark Tunnel       Old Shaft Head
-- row 3                                       Ore Chutes
-- row 4                    Broken Ladderway   Black Drift          Flooded Gallery   Shaft Bottom
-- row 5                                                            Beetle Cave
-- row 6                    Seventh Gallery    Collapsing Passage   Shored Gallery    Ninth Gallery    Old Working
-- row 7                                                                                               GOBLIN BREACH

insert into areas (id, name, width, height) values (3, 'The Ashfang Mines', 7, 8);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1201, 'The Postern Passage', 120001, 120002, 'A low passage in the rock behind the mine gate.', 500221, 1, 0, 0, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1202, 'The Lift-Head', 120003, 120004, 'The great shaft of the mines, under its winding-gear.', 500222, 1, 0, 1, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1203, 'The Winding-House', 120005, 120006, 'The engine house of the lift, hot from its boiler fire.', 500223, 1, 0, 2, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1204, 'The Lamp Room', 120007, 120008, 'Hobb Gannet''s lamp room, its racks empty.', 0, 1, 1, 0, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1205, 'The Lift Foot', 120009, 120010, 'The landing of the third gallery, where the cage comes down.', 0, 1, 2, 1, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1206, 'The Third Gallery', 120011, 120012, 'A wide gallery of dead ember-lamps and cart rails.', 0, 1, 2, 2, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1207, 'The Bunkhouse', 120013, 120014, 'A cave fitted with bunks, where the shifts slept below.', 500224, 1, 2, 0, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1208, 'The Dark Tunnel', 120015, 120016, 'An old drift without a lamp, black as a boot.', 500198, 1, 2, 3, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1209, 'The Old Shaft Head', 120017, 120018, 'The mouth of the old shaft, with a rusted winch over it.', 0, 1, 2, 4, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1210, 'The Ore Chutes', 120019, 120020, 'Wooden chutes where the ore was tipped into the carts.', 0, 1, 3, 2, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1211, 'The Shaft Bottom', 120021, 120022, 'The foot of the old shaft, deep in rubble and water.', 0, 1, 4, 4, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1212, 'The Flooded Gallery', 120023, 120024, 'A gallery drowned to the waist in black water.', 500196, 1, 4, 3, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1213, 'The Black Drift', 120025, 120026, 'A long drift in the dark, dripping and cold.', 500199, 1, 4, 2, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1214, 'The Broken Ladderway', 120027, 120028, 'The top of a ladderway whose lower flights have fallen.', 500204, 1, 4, 1, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1215, 'The Beetle Cave', 120029, 120030, 'A warm cave off the flooded gallery, crusted with slag.', 500225, 1, 5, 3, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1216, 'The Seventh Gallery', 120031, 120032, 'A gallery heaped with goblin leavings and broken props.', 500226, 1, 6, 1, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1217, 'The Collapsing Passage', 120033, 120034, 'A passage whose roof creaks and sifts dust.', 500254, 1, 6, 2, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1218, 'The Shored Gallery', 120035, 120036, 'The gallery where the fourth shift shored itself in.', 500227, 1, 6, 3, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1219, 'The Ninth Gallery', 120037, 120038, 'The lowest gallery of the mines, hot and dark.', 500200, 1, 6, 4, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1220, 'The Old Working', 120039, 120040, 'A forgotten working under the ninth gallery, glassy with heat.', 500228, 1, 6, 5, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1221, 'The Powder Store', 120041, 120042, 'A vault cut for the blasting powder, its door torn off.', 0, 1, 1, 2, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1222, 'The Tally Office', 120043, 120044, 'The clerk''s office, where the shifts were counted in and out.', 0, 1, 0, 3, 3);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1230, 'The Goblin Breach', 120059, 120060, 'A hole broken from the old working into the goblins'' warren.', 500201, 1, 7, 5, 3);

-- The mine-head #645A5A, galleries #5A5046, dark tunnels #28231E, water
-- #3C5A78, the shored gallery #8C7850, the old working #A0503C.
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 0, 0, 0, 6576730, 0);   -- the Postern Passage
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 0, 1, 0, 6576730, 0);   -- the Lift-Head
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 0, 2, 0, 6576730, 0);   -- the Winding-House
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 1, 0, 0, 6576730, 0);   -- the Lamp Room
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 2, 1, 0, 5918790, 0);   -- the Lift Foot
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 2, 2, 0, 5918790, 0);   -- the Third Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 2, 0, 0, 5918790, 0);   -- the Bunkhouse
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 2, 3, 0, 2630430, 0);   -- the Dark Tunnel
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 2, 4, 0, 5918790, 0);   -- the Old Shaft Head
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 3, 2, 0, 5918790, 0);   -- the Ore Chutes
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 4, 4, 0, 2630430, 0);   -- the Shaft Bottom
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 4, 3, 0, 3955320, 0);   -- the Flooded Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 4, 2, 0, 2630430, 0);   -- the Black Drift
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 4, 1, 0, 2630430, 0);   -- the Broken Ladderway
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 5, 3, 0, 10506300, 0);  -- the Beetle Cave
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 6, 1, 0, 5918790, 0);   -- the Seventh Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 6, 2, 0, 5918790, 0);   -- the Collapsing Passage
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 6, 3, 0, 9205840, 0);   -- the Shored Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 6, 4, 0, 2630430, 0);   -- the Ninth Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 6, 5, 0, 10506300, 0);  -- the Old Working
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 1, 2, 0, 6576730, 0);   -- the Powder Store
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 0, 3, 0, 6576730, 0);   -- the Tally Office
insert into area_data (area_id, x, y, img_idx, color, draw) values (3, 7, 5, 0, 2630430, 0);   -- the Goblin Breach

-- The postern shows itself when its lock gives; the lift has no exit of its
-- own (the lever takes the cage up and down); the old shaft opens when the
-- winch has a rope; the crawl-way when the fourth shift pulls its props; the
-- ladderway is a drop with no way back up.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1201, 1127, 'through the postern', 11, 0);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1127, 1201, 'out to the slag yard', 12, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1202, 1201, 'the Lift-Head', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1201, 1202, 'the Postern Passage', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1204, 1201, 'the Lamp Room', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1201, 1204, 'the Postern Passage', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1203, 1202, 'the Winding-House', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1202, 1203, 'the Lift-Head', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1222, 1203, 'the Tally Office', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1203, 1222, 'the Winding-House', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1221, 1203, 'the Powder Store', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1203, 1221, 'the Winding-House', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1207, 1205, 'the Bunkhouse', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1205, 1207, 'the Lift Foot', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1206, 1205, 'the Third Gallery', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1205, 1206, 'the Lift Foot', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1210, 1206, 'the Ore Chutes', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1206, 1210, 'the Third Gallery', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1208, 1206, 'the unlit drift', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1206, 1208, 'back to the Third Gallery', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1209, 1208, 'on into the dark', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1208, 1209, 'the Dark Tunnel', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1211, 1209, 'down the rope', 10, 0);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1209, 1211, 'up the rope', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1212, 1211, 'the Flooded Gallery', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1211, 1212, 'the Shaft Bottom', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1215, 1212, 'the warm cave', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1212, 1215, 'the Flooded Gallery', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1213, 1212, 'the Black Drift', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1212, 1213, 'the Flooded Gallery', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1214, 1213, 'the Broken Ladderway', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1213, 1214, 'the Black Drift', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1216, 1214, 'drop to the gallery below', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1217, 1216, 'the Collapsing Passage', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1216, 1217, 'the Seventh Gallery', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1218, 1217, 'the Shored Gallery', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1217, 1218, 'the Collapsing Passage', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1215, 1218, 'the crawl-way', 1, 0);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1218, 1215, 'the crawl-way', 3, 0);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1219, 1218, 'the Ninth Gallery', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1218, 1219, 'the Shored Gallery', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1220, 1219, 'down into the old working', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1219, 1220, 'up to the Ninth Gallery', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1230, 1220, 'the goblins'' hole', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1220, 1230, 'back into the old working', 1, 1);

insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (120, '1d6', 2, -1, -1, 0); -- a goblin sapper's pick
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (121, '1d4', 4, -1, -1, 0); -- a cave crawler's claws
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (122, '2d4', 5, -1, -1, 0); -- a keg of blasting powder

-- The last whole keg in the powder store: lit and thrown, it burns every enemy
-- and knocks each off its feet for a turn.
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (110, 'Light the fuse', 500139, 120241, 1, 0, 0, 0, 1, 2, 122);
-- A flask of lamp oil from the lamp room, lit and thrown at one enemy: it
-- splashes, and what clings goes on burning.
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (123, '1d4', 5, -1, -1, 0); -- the burning oil's splash
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (111, 'Throw the burning oil', 500140, 120242, 1, 0, 0, 0, 0, 2, 123);

-- Goblin sappers dig the goblins' ways with miners' picks; heavier than the
-- raiders and harder to hurt in their scavenged leather.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30020, 'Goblin Sapper', 2, 0, 120201, 12, 12, 0, 0, 8, 2, 100,
  3, 1, 0, 0, 2, 0, 0,
  1, 7, 1, 1, 4, 3, 0, 0, 120);
-- Cave crawlers: blind, pale, many-legged things of the deep drifts that hunt
-- by the warmth of sleepers.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30021, 'Cave Crawler', 1, 0, 120202, 7, 7, 0, 0, 0, 1, 50,
  2, 3, 0, 0, 0, 50, 0,
  1, 6, 1, 0, 3, 3, 0, 0, 121);

insert into extended_data (type, id, name, value) values (3, 30020, 'AtkMsg', 'The sapper swings its pick at ??:~<c:#FF0000>HIT|The sapper''s pick rings on the rock by ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30021, 'AtkMsg', 'The crawler''s claws rake ??:~<c:#FF0000>HIT|The crawler scrabbles at ?? and misses:MISSED');

insert into creatures (id, template_id) values (30020, 30020);
insert into creatures (id, template_id) values (30021, 30021);
insert into creatures (id, template_id) values (30201, 30005);  -- two raiders and an archer at the lift-head
insert into creatures (id, template_id) values (30202, 30005);
insert into creatures (id, template_id) values (30203, 30014);
insert into creatures (id, template_id) values (30204, 30020);  -- a sapper and a raider at the boiler fire
insert into creatures (id, template_id) values (30205, 30005);
insert into creatures (id, template_id) values (30206, 30015);  -- two beetles in the warm cave
insert into creatures (id, template_id) values (30207, 30015);
insert into creatures (id, template_id) values (30208, 30020);  -- the besiegers of the shored gallery
insert into creatures (id, template_id) values (30209, 30005);
insert into creatures (id, template_id) values (30210, 30014);

-- The fourth shift: Wat Colley dying in the bunkhouse; Garrick Harrowgate,
-- the mayor's son and their foreman, and three of his miners behind the props.
insert into npc_templates (id, name, script_id, desc_id) values (40020, 'Wat Colley', 500171, 120211);
insert into npc_templates (id, name, script_id, desc_id) values (40021, 'Garrick Harrowgate', 500162, 120212);
insert into npc_templates (id, name, script_id, desc_id) values (40022, 'Nell Fairweather', 500163, 120213);
insert into npc_templates (id, name, script_id, desc_id) values (40023, 'Dunmore Pike', 500164, 120214);
insert into npc_templates (id, name, script_id, desc_id) values (40024, 'Ollo Brask', 500165, 120215);
insert into npcs (id, template_id) select id, id from npc_templates where id between 40020 and 40024;

-- The lever of the winding-gear (at the top and at the foot of the lift), its
-- handle, the shaft men's rope and their winch, the weighman's key and a
-- splinter of the ore from the old working.
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21040, 'Lift Lever', 1, 1, 0, 0, '', 1, 500181, 120221, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21041, 'Lever Handle', 1, 1, 0, 0, '', 0, 0, 120222, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21042, 'Shaft Rope', 1, 1, 0, 0, '', 0, 500184, 120223, 4, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21043, 'Shaft Winch', 1, 1, 0, 0, '', 1, 500185, 120224, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21044, 'Weighman''s Key', 20, 1, 0, 0, '', 0, 0, 120225, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21045, 'Grey Ember-Ore', 21, 1, 0, 0, '', 0, 500123, 120226, 0, 0, 0, 0, 0, 0, 0, 0, 0);

insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21046, 'Keg of Blasting Powder', 1, 1, 1, 1, '', 0, 0, 120227, 15, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21047, 'Flask of Lamp Oil', 1, 1, 1, 1, '', 0, 0, 120228, 4, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_special_uses (item_id, sp_use_id) values (21046, 110);
insert into item_special_uses (item_id, sp_use_id) values (21047, 111);
insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21046), (21047)) as kind, (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;

insert into items (id, template_id) values (21201, 21040);  -- the lever at the lift-head
insert into items (id, template_id) values (21202, 21040);  -- and at the lift foot
insert into items (id, template_id) values (21203, 21041);  -- the handle, in the coal bunker
insert into items (id, template_id) values (21204, 21042);  -- the rope, on its peg at the chutes
insert into items (id, template_id) values (21205, 21043);  -- the winch
insert into items (id, template_id) values (21206, 21044);  -- the key, in the ore bin
insert into items (id, template_id) values (21207, 21045);  -- the grey ore
insert into items (id, template_id) values (21208, 21002);  -- a torch left in the lamp room
insert into items (id, template_id) values (21209, 21003);  -- a draught in the lockers
insert into items (id, template_id) values (21210, 21003);  -- and one in the ore cart

-- The postern beside the gate, the ore bin in the slag yard, the coal bunker
-- of the winding-house, the bunkhouse lockers and the ore cart.
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20010, 'Iron Postern', 1, 500166, 120231, '', 0, 1, 0, 1);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20011, 'Ore Bin', 1, 500132, 120232, '', 0, 3, 0, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20012, 'Coal Bunker', 1, 500133, 120233, '', 0, 3, 0, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20013, 'Bunkhouse Lockers', 1, 500134, 120234, '', 0, 4, 0, 0);
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20014, 'Ore Cart', 1, 500187, 120235, '', 0, 4, 0, 0);
insert into container_contents (container_id, type, content_id) values (20011, 1, 21206);
insert into container_contents (container_id, type, content_id) values (20012, 1, 21203);
insert into container_contents (container_id, type, content_id) values (20013, 1, 21209);
insert into container_contents (container_id, type, content_id) values (20013, 4, 14);
insert into container_contents (container_id, type, content_id) values (20014, 1, 21210);
insert into container_contents (container_id, type, content_id) values (20014, 4, 9);

insert into loc_cont (loc_id, ctype, cont_id, visible) values (1127, 4, 20010, 1);  -- the road's end: the postern
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1127, 4, 20011, 1);  -- and the ore bin
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1202, 5, 21201, 1);  -- the lift-head: the lever
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1202, 20, 30201, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1202, 20, 30202, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1202, 20, 30203, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1203, 4, 20012, 1);  -- the winding-house: the bunker
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1203, 20, 30204, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1203, 20, 30205, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1204, 5, 21208, 1);  -- the lamp room: a torch
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1205, 5, 21202, 1);  -- the lift foot: the lever
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1207, 4, 20013, 1);  -- the bunkhouse: the lockers
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1207, 30, 40020, 1); -- and Wat Colley
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1209, 5, 21205, 1);  -- the winch
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1210, 4, 20014, 1);  -- the ore cart
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1210, 5, 21204, 1);  -- and the rope
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1215, 20, 30206, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1215, 20, 30207, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1216, 20, 30208, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1216, 20, 30209, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1216, 20, 30210, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1218, 30, 40021, 1); -- the fourth shift
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1218, 30, 40022, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1218, 30, 40023, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1218, 30, 40024, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1220, 5, 21207, 1);  -- the grey ore
insert into items (id, template_id) values (21212, 21046);  -- the last whole keg in the powder store
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1221, 5, 21212, 1);
insert into items (id, template_id) values (21213, 21047);  -- a flask of oil left in the lamp room
insert into items (id, template_id) values (21047, 21047);  -- lamp oil as Hobb sells it at the shrine
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1204, 5, 21213, 1);
insert into items (id, template_id) values (21211, 21001);  -- the fourth shift's last lamp, Nell's to give
