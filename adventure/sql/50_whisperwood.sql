-- The Whisperwood, first stretch: the road from the toll bridge up through the
-- forest to the troll bridge over the gorge, the hunter's lodge and the
-- hunter's missing son.
--
-- Locations 1101..1199, texts 110001..110999, journal texts 190006...
-- Creatures: kinds 30008..30011 with their base rows, placed 30111...
-- Persons 40006..; placed pieces 21112...
-- The map has 10 columns and 6 rows; mapX is the row and mapY the column. The
-- road runs east from the river to the gorge; north of it the hunter's side of
-- the wood, south the hollows.
--
--         col 0         col 1        col 2          col 3           col 4            col 5        col 6            col 7
-- row 2                              Hunter's Lodge                 Charcoal Ruin
-- row 3   Valley Road   Waymarker    Beech Fork     Narrowing Road  Ogre Clearing    Gorge Road   BRIDGE APPROACH  Road on
-- row 4                                             Wolf Hollow                                   Under the Bridge
-- row 5                                             Split Oak

insert into areas (id, name, width, height) values (2, 'The Whisperwood', 10, 6);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1101, 'The Valley Road', 110001, 110002, 'The mine road, climbing from the river into the first trees.', 500159, 1, 3, 0, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1102, 'The Waymarker', 110003, 110004, 'A mossy stone pillar where the road enters the deep wood.', 500156, 1, 3, 1, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1103, 'The Beech Fork', 110005, 110006, 'A hunters'' track leaves the road among tall grey beeches.', 500160, 1, 3, 2, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1104, 'The Hunter''s Lodge', 110007, 110008, 'A low log lodge with antlers over the door and a fire inside.', 500195, 1, 2, 2, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1105, 'The Narrowing Road', 110009, 110010, 'The road squeezed between bramble banks, deep in ruts.', 500167, 1, 3, 3, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1106, 'The Wolf Hollow', 110011, 110012, 'A dip of bracken and fallen trunks below the road.', 500172, 1, 4, 3, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1107, 'The Split Oak', 110013, 110014, 'An old oak split by lightning, its two halves standing apart.', 500173, 1, 5, 3, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1108, 'The Trampled Clearing', 110015, 110016, 'A wide clearing of flattened grass and snapped saplings.', 500295, 1, 3, 4, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1109, 'The Charcoal-Burners'' Ruin', 110017, 110018, 'The fallen huts of a charcoal-burners'' camp.', 500174, 1, 2, 4, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1110, 'The Gorge Road', 110019, 110020, 'The road along the lip of the gorge, loud with water.', 500176, 1, 3, 5, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1111, 'The Troll Bridge Approach', 110021, 110022, 'The near end of the old bridge over the gorge.', 500161, 1, 3, 6, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1112, 'Under the Troll Bridge', 110023, 110024, 'A stinking ledge under the first arch of the bridge.', 500177, 1, 4, 6, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1113, 'The Road on toward the Mines', 110025, 110026, 'The mine road beyond the gorge, climbing to the Ashfang slopes.', 500157, 1, 3, 7, 2);

-- The wood's map: road #6E8296 (blue-green-red), forest #3C6E3C, the lodge
-- #4678B4, hollows #32503C, the clearing #5A8C78, the gorge #5A78A0.
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 0, 0, 7242390, 0);   -- the Valley Road
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 1, 0, 7242390, 0);   -- the Waymarker
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 2, 0, 3960380, 0);   -- the Beech Fork
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 2, 2, 0, 4618420, 0);   -- the Hunter's Lodge
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 3, 0, 7242390, 0);   -- the Narrowing Road
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 4, 3, 0, 3297340, 0);   -- the Wolf Hollow
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 5, 3, 0, 3297340, 0);   -- the Split Oak
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 4, 0, 5934200, 0);   -- the Trampled Clearing
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 2, 4, 0, 3960380, 0);   -- the Charcoal-Burners' Ruin
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 5, 0, 7242390, 0);   -- the Gorge Road
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 6, 0, 10516570, 0);  -- the Troll Bridge Approach
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 4, 6, 0, 10516570, 0);  -- Under the Troll Bridge
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 7, 0, 7242390, 0);   -- the Road on toward the Mines

-- Ways through the wood (directions as in Cindervale). The toll bridge's far
-- end now opens on the road.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1101, 1004, 'the Valley Road', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1004, 1101, 'the Toll Bridge', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1102, 1101, 'the Waymarker', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1101, 1102, 'the Valley Road', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1103, 1102, 'the Beech Fork', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1102, 1103, 'the Waymarker', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1104, 1103, 'the hunters'' track', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1105, 1103, 'the Narrowing Road', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1103, 1104, 'the Beech Fork', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1103, 1105, 'the Beech Fork', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1106, 1105, 'down into the hollow', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1108, 1105, 'the Trampled Clearing', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1105, 1106, 'up to the road', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1107, 1106, 'the Split Oak', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1106, 1107, 'the Wolf Hollow', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1105, 1108, 'the Narrowing Road', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1109, 1108, 'the Charcoal-Burners'' Ruin', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1110, 1108, 'the Gorge Road', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1108, 1109, 'the Trampled Clearing', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1108, 1110, 'the Trampled Clearing', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1111, 1110, 'the Troll Bridge Approach', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1110, 1111, 'the Gorge Road', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1113, 1111, 'across the bridge', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1112, 1111, 'the scree under the bridge', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1111, 1112, 'up the scree', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1111, 1113, 'back across the bridge', 4, 1);

-- ---------------------------------------------------------------- damage
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (111, '1d4', 2, -1, -1, 0);  -- a wolf's bite
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (112, '1d6', 3, -1, -1, 1);  -- the troll's fists
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (113, '1d6', 3, -1, -1, 0);  -- an ogre's club swung wide

-- ---------------------------------------------------------------- creatures
-- Wolves run in pairs and howl for the pack; the ogres of the clearing club
-- the weakest; the troll's wounds close while it stands.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30008, 'Grey Wolf', 1, 500142, 110201, 9, 9, 0, 0, 0, 1, 50,
  2, 3, 0, 0, 1, 0, 0,
  1, 5, 1, 0, 2, 3, 0, 0, 111);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30009, 'Bridge Troll', 2, 500138, 110202, 14, 14, 0, 0, 35, 4, 400,
  5, 1, 0, 0, 5, 20, 0,
  1, 7, 1, 0, 2, 2, 1, 1, 112);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30010, 'Whisperwood Ogre', 2, 500141, 110203, 18, 18, 0, 0, 12, 3, 220,
  5, 1, 0, 0, 3, 0, 0,
  1, 8, 1, 0, 2, 2, 0, 0, 113);
-- Tobin Ashby, the hunter's son: he joins the party, he never fights it.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger, weapon_bow,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30011, 'Tobin Ashby', 2, 0, 110204, 7, 7, 0, 0, 0, 1, 0,
  3, 6, 2, 1, 3, 0, 2, 3,
  1, 6, 1, 0, 1, 1, 0, 0, 104);

insert into extended_data (type, id, name, value) values (3, 30008, 'AtkMsg', 'The wolf''s jaws close on ??:~<c:#FF0000>HIT|The wolf snaps at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30009, 'AtkMsg', 'The troll hammers ?? with a fist like a boulder:~<c:#FF0000>HIT|The troll''s fist smashes the stones beside ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30010, 'AtkMsg', 'The ogre''s club catches ??:~<c:#FF0000>HIT|The ogre''s club whistles past ??:MISSED');

insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30011, 22002, 2, 108);  -- Tobin's skinning knife
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30011, 21021, 1, 1);    -- and a day's rations

insert into creatures (id, template_id) select id, id from creature_templates where id between 30008 and 30011;
insert into creatures (id, template_id) values (30111, 30008);  -- the two wolves of the hollow
insert into creatures (id, template_id) values (30112, 30008);
insert into creatures (id, template_id) values (30113, 30011);  -- Tobin, up the split oak
insert into creatures (id, template_id) values (30114, 30009);  -- the troll under the bridge

-- What Tobin is as a member of the party: a young human thief, light on his
-- feet and quiet in the wood.
insert into extended_data (type, id, name, value) values (3, 30113, 'IsMale', 'True');
insert into extended_data (type, id, name, value) values (3, 30113, 'Race', 'Human');
insert into extended_data (type, id, name, value) values (3, 30113, 'Class', 'THIEF');
insert into extended_data (type, id, name, value) values (3, 30113, 'Experience', '0');
insert into extended_data (type, id, name, value) values (3, 30113, 'SkillValue1', '1');
insert into extended_data (type, id, name, value) values (3, 30113, 'SkillValue2', '0');
insert into extended_data (type, id, name, value) values (3, 30113, 'SkillValue3', '0');
insert into extended_data (type, id, name, value) values (3, 30113, 'SkillValue4', '2');
insert into extended_data (type, id, name, value) values (3, 30113, 'SkillValue5', '1');

-- ---------------------------------------------------------------- people
insert into npc_templates (id, name, script_id, desc_id) values (40006, 'Aldo Ashby', 500152, 110211);
insert into npc_templates (id, name, script_id, desc_id) values (40007, 'Tobin Ashby', 500153, 110212);
insert into npcs (id, template_id) values (40006, 40006);
insert into npcs (id, template_id) values (40007, 40007);

-- ---------------------------------------------------------------- pieces
insert into items (id, template_id) values (21112, 21003);  -- the hunter's thanks: a healing draught
insert into items (id, template_id) values (21113, 21004);  -- herbs in the charcoal-burners' ruin
insert into items (id, template_id) values (21114, 21002);  -- and a torch

-- ---------------------------------------------------------------- placing
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1104, 30, 40006, 1);  -- the hunter at his fire
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1106, 20, 30111, 1);  -- wolves in the hollow
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1106, 20, 30112, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1107, 30, 40007, 1);  -- Tobin in the oak
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1109, 5, 21113, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1109, 5, 21114, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1112, 20, 30114, 1);  -- the troll
