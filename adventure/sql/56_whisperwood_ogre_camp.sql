-- The Whisperwood, the ogre camp: a trampled track north from the Gorge Road
-- to the fire of the ogre that robs the mine road, and its den behind, where
-- the plunder lies and a rest is a gamble on its mate coming home.
--
-- Locations 1118..1120; the one-eyed ogre 30013, placed 30118; the plunder 21117, 21118;
-- the young ogres 30016 of the Trampled Clearing.
--
--         col 5          col 6
-- row 1   Ogre Camp      Ogres' Den
-- row 2   Ogre Trail
-- row 3   Gorge Road (the road)

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1118, 'The Ogre Trail', 110035, 110036, 'A track of crushed bracken and broken saplings, north of the gorge.', 500188, 1, 2, 5, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1119, 'The Ogre Camp', 110037, 110038, 'A fire pit ringed with bones under a rock wall.', 500213, 1, 1, 5, 2);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1120, 'The Ogres'' Den', 110039, 110040, 'A cleft in the rock, floored with stinking hides.', 500311, 1, 1, 6, 2);

insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 2, 5, 0, 3297340, 0);   -- the Ogre Trail
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 5, 0, 5934200, 0);   -- the Ogre Camp
insert into area_data (area_id, x, y, img_idx, color, draw) values (2, 1, 6, 0, 10516570, 0);  -- the Ogres' Den

insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1118, 1110, 'the trampled track', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1110, 1118, 'the Gorge Road', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1119, 1118, 'the smoke', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1118, 1119, 'the Ogre Trail', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1120, 1119, 'the cleft in the rock', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1119, 1120, 'out to the fire', 4, 1);

-- The camp's ogre is old and half blind, slower and softer than the ones
-- that walk the clearing, but it clubs the weakest all the same.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30013, 'One-Eyed Ogre', 2, 500141, 110206, 12, 12, 0, 0, 40, 2, 200,
  4, 0, 0, 0, 2, 0, 0,
  1, 9, 1, 0, 1, 1, 0, 0, 113);
insert into extended_data (type, id, name, value) values (3, 30013, 'AtkMsg', 'The one-eyed ogre''s club catches ??:~<c:#FF0000>HIT|The one-eyed ogre swings wide of ??:MISSED');
insert into creatures (id, template_id) values (30013, 30013);
insert into creatures (id, template_id) values (30118, 30013);  -- the ogre at its fire

insert into items (id, template_id) values (21117, 21008);  -- a ring off a carter's hand
insert into items (id, template_id) values (21118, 21003);  -- a draught from the toll-keeper's satchel
insert into items (id, template_id) values (21119, 21015);  -- and a tonic

insert into loc_cont (loc_id, ctype, cont_id, visible) values (1119, 20, 30118, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1120, 5, 21117, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1120, 5, 21118, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1120, 5, 21119, 1);

-- The young ogres that come through the Trampled Clearing by night, four to
-- eight at a time: smaller than their elders and slower to swing, and not yet
-- cunning enough to single out the weakest.
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (117, '1d3', 3, -1, -1, 0);  -- a young ogre's cudgel
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30016, 'Young Ogre', 2, 0, 110209, 5, 5, 0, 0, 3, 1, 45,
  3, 1, 0, 0, 0, 0, 0,
  1, 9, 1, 0, 1, 1, 0, 0, 117);
insert into extended_data (type, id, name, value) values (3, 30016, 'AtkMsg', 'The young ogre''s cudgel thumps ??:~<c:#FF0000>HIT|The young ogre flails at ??:MISSED');
insert into creatures (id, template_id) values (30016, 30016);
