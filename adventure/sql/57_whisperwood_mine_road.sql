-- The Whisperwood, the mine road beyond the troll bridge: the waggoners'
-- shelter, where goblin raiders break one night in three; the burnt waggon
-- and the goblin lookout above it; the warm slag tip and its fire beetles; the
-- foothill road, the miners' shrine where old Hobb Gannet hides, and the road's
-- end before the barred gate of the mine-head.
--
-- Locations 1121..1127; creature kinds 30014 (goblin archer) and 30015 (fire
-- beetle), placed 30119..30122; Hobb 40009; the fouled arrows 21031 with their
-- use 106, the snap-box 20005 and the pieces 21120, 21121; damage 115, 116.
--
--         col 7            col 8                  col 9
-- row 1   Miners' Shrine   Foothill Road          Mine Road's End
-- row 2                    Burnt Waggon
-- row 3   Road on          Waggoners' Shelter
-- row 4                    Goblin Lookout         Slag Tip

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1121, 'The Waggoners'' Shelter', 110041, 110042, 'A long roof on tarred posts by the road, where the ore teams were rested.', 500212, 1, 3, 8, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1122, 'The Burnt Waggon', 110043, 110044, 'An ore waggon burnt across the road, stuck with black arrows.', 500214, 1, 2, 8, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1123, 'The Goblin Lookout', 110045, 110046, 'A spur of rock above the road, walled with piled stones.', 500215, 1, 4, 8, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1124, 'The Slag Tip', 110047, 110048, 'Warm grey heaps of old furnace slag, cracked with red.', 500216, 1, 4, 9, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1125, 'The Foothill Road', 110049, 110050, 'The mine road looping up through heather toward the smoke.', 500219, 1, 1, 8, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1126, 'The Miners'' Shrine', 110051, 110052, 'A little stone roof over a shrine of the miners.', 500220, 1, 1, 7, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1127, 'The Mine Road''s End', 110053, 110054, 'A slag yard under the cliffs, before the barred gate of the mines.', 500178, 1, 1, 9, 2);

-- Road #6E8296, the shrine #AADCE6, rock and slag #8C8080, the mine-head #645A5A.
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 3, 8, 0, 7242390, 0);   -- the Waggoners' Shelter
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 2, 8, 0, 7242390, 0);   -- the Burnt Waggon
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 4, 8, 0, 9207936, 0);   -- the Goblin Lookout
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 4, 9, 0, 9207936, 0);   -- the Slag Tip
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 8, 0, 7242390, 0);   -- the Foothill Road
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 7, 0, 11197670, 0);  -- the Miners' Shrine
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 9, 0, 6576730, 0);   -- the Mine Road's End

insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1121, 1113, 'the Waggoners'' Shelter', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1113, 1121, 'back toward the bridge', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1122, 1121, 'the road north', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1121, 1122, 'the Waggoners'' Shelter', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1123, 1121, 'the goat path', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1121, 1123, 'down to the shelter', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1124, 1123, 'the Slag Tip', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1123, 1124, 'the Goblin Lookout', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1125, 1122, 'up into the foothills', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1122, 1125, 'the Burnt Waggon', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1126, 1125, 'the footpath to the shrine', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1125, 1126, 'the Foothill Road', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1127, 1125, 'up to the mine-head', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1125, 1127, 'down the Foothill Road', 4, 1);

insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (115, '2d3', 9, -1, -1, 0); -- a fouled arrow: filth in the wound
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (116, '1d3', 2, -1, -1, 0); -- a fire beetle's mandibles

-- What a goblin archer looses one turn in three: an arrow dipped in filth.
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (106, 'Loose a fouled arrow', 0, 110231, 1, 0, 0, 0, 0, 2, 115);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21031, 'Fouled Arrows', 1, 1, 3, 1, '', 0, 0, 110222, 3, 100, 1, 0, 0, 3, 0, 0, 0);
insert into item_special_uses (item_id, sp_use_id) values (21031, 106);
insert into item_usable_by (template_id, class_id)
select 21031, cls.column1 from (values (1), (4), (5), (7), (8), (9), (21)) as cls;
insert into items (id, template_id) values (21031, 21031);

-- Two goblin archers keep the lookout: short bows, a quiver each, and a few
-- fouled arrows kept for a good mark. Their wall makes them hard to hit.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger, weapon_bow,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30014, 'Goblin Archer', 2, 500145, 110207, 10, 10, 0, 0, 6, 1, 70,
  1, 3, 0, 0, 1, 0, 0, 1,
  1, 6, 1, 0, 3, 4, 0, 0, 104);
-- Fire beetles: shells that turn a blade's point and edge, no fear of fire, and
-- one turn in four a spray of burning spittle.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_pierce, res_slash, res_fire, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30015, 'Fire Beetle', 1, 500144, 110208, 11, 11, 0, 0, 0, 2, 90,
  2, 1, 0, 0, 1, 25, 25, 75, 0,
  1, 7, 1, 0, 4, 4, 0, 0, 116);

insert into extended_data (type, id, name, value) values (3, 30014, 'AtkMsg', 'A black-fletched arrow takes ??:~<c:#FF0000>HIT|An arrow cracks on the rock by ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30015, 'AtkMsg', 'The beetle''s mandibles close on ??:~<c:#FF0000>HIT|The beetle''s mandibles snap shut by ??:MISSED');

insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30014, 22004, 2, 108);  -- a short bow,
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30014, 21031, 1, 201);  -- the fouled arrows
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30014, 22005, 2, 202);  -- and a quiver

insert into creatures (id, template_id) values (30014, 30014);
insert into creatures (id, template_id) values (30015, 30015);
insert into creatures (id, template_id) values (30119, 30014);  -- the two archers on the lookout
insert into creatures (id, template_id) values (30120, 30014);
insert into creatures (id, template_id) values (30121, 30015);  -- two beetles on the slag
insert into creatures (id, template_id) values (30122, 30015);

-- Hobb Gannet, lamp-keeper of the lift-head, who ran when the goblins came up.
insert into npc_templates (id, name, script_id, desc_id) values (40009, 'Hobb Gannet', 500158, 110214);
insert into npcs (id, template_id) values (40009, 40009);

-- A carter's snap-box, lost in the slag when the waggon was chased.
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20005, 'Tin Snap-Box', 0, 0, 110223, '', 2, 3, 0, 0);
insert into items (id, template_id) values (21120, 21002);  -- Hobb's last torch
insert into items (id, template_id) values (21121, 21003);  -- a draught in the snap-box
insert into container_contents (container_id, type, content_id) values (20005, 4, 22);
insert into container_contents (container_id, type, content_id) values (20005, 1, 21121);

insert into loc_cont (loc_id, ctype, cont_id, visible) values (1123, 20, 30119, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1123, 20, 30120, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1124, 20, 30121, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1124, 20, 30122, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1124, 4, 20005, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1126, 30, 40009, 1);  -- Hobb at his small fire

-- What Hobb carried out of the lamp room: oil, torches and burn draughts, sold
-- from his shrine (script 500158 opens the stores after a talk).
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1126, 21002, 5, 4);   -- torches
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1126, 21047, 5, 3);   -- flasks of lamp oil
insert into shop_contents (shop_id, cont_id, type_id, stack) values (1126, 21003, 5, 2);   -- healing draughts
