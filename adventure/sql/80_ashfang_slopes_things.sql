-- What lives, lies and waits on the Ashfang Slopes: rock goblins on the scree,
-- the mountain wolves of the ridge, the harpies of the crag, the hermit and his
-- reward, the shepherds, a pilgrim at the ruin, and the sisters' offering
-- chest in the ruin.
--
-- Creature kinds 30040..30049 with their base rows, placed 30401..30449; people
-- 40040..40049; items 21060..21069, containers 20020..20024, placed pieces
-- 21401..21449; damage 140..149; special uses 120..124.

-- ---------------------------------------------------------------- damage
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (140, '1d4', 3, -1, -1, 0);  -- a rock goblin's sling-stone and club
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (141, '1d4', 2, -1, -1, 0);  -- a mountain wolf's bite
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (142, '1d4', 2, -1, -1, 0);  -- a harpy's talons

-- ---------------------------------------------------------------- special uses
-- The hermit's sprig: mountain air for a hurt member, and the poison out of him.
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (120, 'Breathe the mountain air', 500266, 140251, 0, 0, 0, -1, 0, 4, 0);
insert into modifiers (type, id, name, value) values (3, 120, 'end', 6);

-- ---------------------------------------------------------------- items
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21060, 'Sprig of Mountain Ash', 1, 1, 4, 1, '', 0, 0, 140221, 60, 100, 1, 0, 0, 0, 0, 0, 0);

insert into item_special_uses (item_id, sp_use_id) values (21060, 120);

insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21060)) as kind,
     (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;

insert into items (id, template_id) select id, id from item_templates where id between 21060 and 21069;

-- ---------------------------------------------------------------- creatures
-- Rock goblins hunt the scree in twos; the ridge's wolves howl for the pack
-- (500142); harpies drop on whatever sleeps under their crag.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30040, 'Rock Goblin', 2, 0, 140201, 10, 10, 0, 0, 6, 2, 80,
  3, 2, 0, 0, 2, 0, 1,
  1, 7, 1, 0, 3, 3, 0, 0, 140);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30041, 'Mountain Wolf', 1, 500142, 140202, 11, 11, 0, 0, 0, 2, 70,
  2, 3, 0, 0, 2, 0, 0,
  1, 6, 1, 0, 2, 3, 0, 0, 141);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_poison, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30042, 'Crag Harpy', 1, 0, 140203, 14, 14, 0, 0, 4, 2, 110,
  2, 4, 1, 0, 1, 0, 0,
  1, 5, 1, 0, 3, 4, 1, 0, 142);

insert into extended_data (type, id, name, value) values (3, 30040, 'AtkMsg', 'The rock goblin''s club cracks ??:~<c:#FF0000>HIT|The rock goblin''s club knocks sparks off the stones beside ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30041, 'AtkMsg', 'The wolf''s jaws close on ??:~<c:#FF0000>HIT|The wolf snaps at ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30042, 'AtkMsg', 'The harpy''s talons rake ??:~<c:#FF0000>HIT|The harpy stoops on ?? and misses:MISSED');

insert into creatures (id, template_id) select id, id from creature_templates where id between 30040 and 30049;
insert into creatures (id, template_id) values (30401, 30040);  -- the two on the scree
insert into creatures (id, template_id) values (30402, 30040);
insert into creatures (id, template_id) values (30403, 30041);  -- the pair on the ridge
insert into creatures (id, template_id) values (30404, 30041);
insert into creatures (id, template_id) values (30405, 30042);  -- the harpies of the crag
insert into creatures (id, template_id) values (30406, 30042);

-- ---------------------------------------------------------------- people
insert into npc_templates (id, name, script_id, desc_id) values (40040, 'Old Anselm', 500244, 140211);
insert into npc_templates (id, name, script_id, desc_id) values (40041, 'Gideon Fell', 500245, 140212);
insert into npc_templates (id, name, script_id, desc_id) values (40042, 'Mother Hesk', 500170, 140213);
insert into npc_templates (id, name, script_id, desc_id) values (40043, 'Dickon Fell', 500175, 140214);
insert into npcs (id, template_id) select id, id from npc_templates where id between 40040 and 40049;

-- ---------------------------------------------------------------- containers
-- The sisters' offering chest, left in the ruin when they went down to the
-- valley, with their note of the crypt they sealed.
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20020, 'Sisters'' Offering Chest', 1, 500135, 140241, '', 0, 4, 0, 0);

-- ---------------------------------------------------------------- pieces
insert into items (id, template_id) values (21402, 21004);  -- herbs by the tarn
insert into items (id, template_id) values (21403, 21003);  -- a draught among the harpies' bones
insert into items (id, template_id) values (21404, 21003);  -- a draught in the offering chest
insert into items (id, template_id) values (21405, 21017);  -- and a prayer of mending

insert into container_contents (container_id, type, content_id) values (20020, 1, 21404);
insert into container_contents (container_id, type, content_id) values (20020, 1, 21405);
insert into container_contents (container_id, type, content_id) values (20020, 4, 40);

-- ---------------------------------------------------------------- placing
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1403, 20, 30401, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1403, 20, 30402, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1411, 20, 30403, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1411, 20, 30404, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1412, 20, 30405, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1412, 20, 30406, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1412, 5, 21403, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1406, 30, 40040, 1);  -- Old Anselm in his cell
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1408, 30, 40041, 1);  -- Gideon at the hut
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1414, 30, 40042, 1);  -- Mother Hesk at the ruin
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1409, 30, 40043, 1);  -- Dickon with the flock
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1414, 4, 20020, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1415, 5, 21402, 1);
