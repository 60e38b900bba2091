-- The Whisperwood, the druid's grove: a path north from the Waymarker to
-- Mother Sorrel's grove, sickening from a lump of ember-ore the spiders have
-- nested around in the thicket beyond it.
--
-- Locations 1114..1117; creature kind 30012, placed 30115..30117; the druid
-- 40008; the canker 21030 and the pieces 21115, 21116.
--
--         col 1           col 2
-- row 0                   Spider Nest
-- row 1   Druid's Grove   Webbed Thicket
-- row 2   Blighted Path
-- row 3   Waymarker (the road)

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1114, 'The Blighted Path', 110027, 110028, 'A deer path north of the road, through ferns gone brown.', 500179, 1, 2, 1, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1115, 'The Druid''s Grove', 110029, 110030, 'A ring of old oaks round a spring, some of them dying.', 500180, 1, 1, 1, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1116, 'The Webbed Thicket', 110031, 110032, 'Hazel and holly sheeted over with grey web.', 500182, 1, 1, 2, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1117, 'The Spider Nest', 110033, 110034, 'A hollow of silk round a lump of glowing ore.', 500183, 1, 0, 2, 2);

-- Grove green #5A8C50, web grey #828C82.
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 2, 1, 0, 3297340, 0);   -- the Blighted Path
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 1, 0, 5934160, 0);   -- the Druid's Grove
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 2, 0, 8555650, 0);   -- the Webbed Thicket
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 0, 2, 0, 8555650, 0);   -- the Spider Nest

insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1114, 1102, 'the deer path', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1102, 1114, 'the Waymarker', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1115, 1114, 'the Druid''s Grove', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1114, 1115, 'the Blighted Path', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1116, 1115, 'the Webbed Thicket', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1115, 1116, 'the Druid''s Grove', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1117, 1116, 'into the webs', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1116, 1117, 'out of the webs', 3, 1);

insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (114, '1d3', 2, -1, -1, 0);  -- a spider's bite

-- Grove spiders bite, and one bite in three is venomous.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30012, 'Grove Spider', 1, 500143, 110205, 10, 10, 0, 0, 0, 1, 60,
  1, 3, 0, 0, 1, 50, 0,
  1, 5, 1, 0, 2, 3, 0, 0, 114);
insert into extended_data (type, id, name, value) values (3, 30012, 'AtkMsg', 'The spider''s fangs sink into ??:~<c:#FF0000>HIT|The spider lunges at ??:MISSED');
insert into creatures (id, template_id) values (30012, 30012);
insert into creatures (id, template_id) values (30115, 30012);  -- one in the thicket
insert into creatures (id, template_id) values (30116, 30012);  -- two on the nest
insert into creatures (id, template_id) values (30117, 30012);

insert into npc_templates (id, name, script_id, desc_id) values (40008, 'Mother Sorrel', 500154, 110213);
insert into npcs (id, template_id) values (40008, 40008);

insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21030, 'Ember Canker', 1, 1, 0, 0, '', 0, 0, 110221, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into items (id, template_id) values (21115, 21030);  -- the canker on the nest
insert into items (id, template_id) values (21116, 21017);  -- Sorrel's thanks: a prayer scroll of mending

insert into loc_cont (loc_id, ctype, cont_id, visible) values (1115, 30, 40008, 1);  -- Sorrel by her spring
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1116, 20, 30115, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1117, 20, 30116, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1117, 20, 30117, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1117, 5, 21115, 1);
