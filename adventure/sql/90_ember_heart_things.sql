-- What lives, lies and waits in the Ember Heart: goblins the heart's fire has
-- driven mad, the cinder wisps it breathes out, the guardian it has woken, the
-- cult's last high priest, the miners who hid from it, the ghost of the deep
-- forge's last smith, the forge and its bellows, and the shard of the heart.
--
-- Creature kinds 30060..30069 with their base rows, placed 30601..30649; people
-- 40060..40069; items 21080..21089, weapons 22040..22044, containers
-- 20030..20034, placed pieces 21601..21649 and 22601..22619; damage 160..169;
-- special uses 130..134.

-- ---------------------------------------------------------------- damage
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (160, '1d6', 3, -1, -1, 0);  -- the guardian's fists of slag
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (161, '1d3', 5, -1, -1, 0);  -- its breath of cinders
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (162, '2d6', 7, -1, -1, 0);  -- a flask of quench-water bursting
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (163, '1d3', 5, -1, -1, 0);  -- a cinder wisp's touch
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (164, '1d6', 4, -1, -1, 0);  -- an ember-mad goblin's hooked blade

-- ---------------------------------------------------------------- special uses
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (130, 'Breathe cinders', 0, 160251, 1, 0, 0, 0, 1, 3, 161);
insert into special_uses (id, name, script_id, desc_id, offensive, apply_to_user, periodic, duration, massive, attack_type, damage_id)
values (131, 'Throw the quench-water', 0, 160252, 1, 0, 0, 0, 0, 2, 162);

-- ---------------------------------------------------------------- items
-- The shard as the heart gives it up, and as the forge's blast wakes it; the
-- forge and its bellows; the smith's quench-water; a dwarf-smith's ring; and
-- the coal in the guardian's breast that it breathes out.
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21080, 'Ember Shard', 21, 1, 0, 0, 'ember_shard.bmp', 0, 500300, 160221, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21081, 'White-Hot Ember Shard', 21, 1, 0, 0, 'ember_shard.bmp', 0, 500323, 160222, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21082, 'The Deep Forge', 1, 1, 0, 0, '', 1, 500288, 160223, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21083, 'Great Bellows', 1, 1, 0, 0, '', 1, 500186, 160224, 0, 0, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21084, 'Flask of Quench-Water', 1, 1, 1, 1, '', 0, 0, 160225, 20, 100, 1, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21085, 'Ring of the Deep Smith', 13, 0, 0, 0, '', 0, 500299, 160226, 220, 10, 0, 0, 0, 0, 0, 0, 0);
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, large_image, stationary, script_id, desc_id, base_price, equipped_on, special_uses, used_if_on, req_str, req_dex, req_mind, req_faith, req_const)
values (21086, 'Heart-Coal', 1, 1, 12, 0, '', 0, 0, 160227, 0, 100, 1, 0, 0, 0, 0, 0, 0);

insert into item_special_uses (item_id, sp_use_id) values (21084, 131);
insert into item_special_uses (item_id, sp_use_id) values (21086, 130);

insert into modifiers (type, id, name, value) values (1, 21085, 'res_fire', 25);
insert into modifiers (type, id, name, value) values (1, 21085, 'armor_melee', 1);
insert into modifiers (type, id, name, value) values (1, 21085, 'ab_str', 1);
insert into extended_data (type, id, name, value) values (1, 21085, 'NotIdentifiedName', 'a soot-black iron ring');

insert into item_usable_by (template_id, class_id)
select kind.column1, cls.column1
from (values (21080), (21081), (21084), (21085)) as kind,
     (values (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (21)) as cls;

insert into items (id, template_id) select id, id from item_templates where id between 21080 and 21086;

-- ---------------------------------------------------------------- creatures
-- The guardian breathes cinders on every third turn, drinks the heart's fire
-- while the heart burns, and at half its strength calls the heart's wisps to
-- it (500205); fire does nothing to it or to the wisps.
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_fire, res_poison,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30060, 'Guardian of the Heart', 1, 500205, 160201, 48, 48, 0, 0, 0, 6, 1500,
  4, 1, 2, 0, 4, 100, 100,
  1, 8, 1, 1, 4, 4, 2, 2, 160);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_fire, res_poison,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30061, 'Cinder Wisp', 1, 0, 160202, 8, 8, 0, 0, 0, 2, 80,
  0, 4, 0, 0, 0, 100, 100,
  1, 5, 1, 0, 3, 4, 0, 0, 163);
insert into creature_templates (id, name, type_id, script_id, desc_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const, res_fire, weapon_dagger,
  attack_roll, delay, attack_type, mod_atk_melee, armor_melee, armor_missile, armor_wizard, armor_priest, damage_id)
values (30062, 'Ember-Mad Goblin', 2, 0, 160203, 13, 13, 0, 0, 12, 3, 120,
  3, 2, 0, 0, 2, 50, 1,
  1, 6, 1, 1, 3, 3, 0, 0, 164);

insert into extended_data (type, id, name, value) values (3, 30060, 'AtkMsg', 'The guardian''s fist of slag smashes into ??:~<c:#FF0000>HIT|The guardian''s fist cracks the floor beside ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30061, 'AtkMsg', 'The wisp wraps itself round ?? and burns:~<c:#FF0000>HIT|The wisp gutters past ??:MISSED');
insert into extended_data (type, id, name, value) values (3, 30062, 'AtkMsg', 'The goblin''s hooked blade rips ??:~<c:#FF0000>HIT|The goblin howls and hacks at ??:MISSED');

-- Place 201: the first quick slot.
insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) values (30060, 21086, 1, 201);  -- the guardian's heart-coal

insert into creatures (id, template_id) select id, id from creature_templates where id between 30060 and 30062;
insert into creatures (id, template_id) values (30601, 30062);  -- two mad goblins in the scorched gallery
insert into creatures (id, template_id) values (30602, 30062);
insert into creatures (id, template_id) values (30603, 30061);  -- wisps over the fire rift
insert into creatures (id, template_id) values (30604, 30061);
insert into creatures (id, template_id) values (30605, 30060);  -- the guardian of the heart

-- ---------------------------------------------------------------- people
insert into npc_templates (id, name, script_id, desc_id) values (40060, 'Hierarch Orlen Vask', 500290, 160211);
insert into npc_templates (id, name, script_id, desc_id) values (40061, 'Jory, Perrin''s brother', 500296, 160212);
insert into npc_templates (id, name, script_id, desc_id) values (40062, 'Mag Tillery', 500302, 160213);
insert into npc_templates (id, name, script_id, desc_id) values (40063, 'The Last Smith', 500303, 160214);
insert into npcs (id, template_id) select id, id from npc_templates where id between 40060 and 40063;

-- ---------------------------------------------------------------- containers
insert into container_templates (id, name, stationary, script_id, desc_id, large_image, base_price, max_contents, open, locked)
values (20030, 'Dwarven Treasure Chest', 1, 0, 160241, '', 0, 8, 0, 0);

-- ---------------------------------------------------------------- pieces
insert into items (id, template_id) values (21601, 21080);  -- the shard, in the heart's ash when the guardian falls
insert into items (id, template_id) values (21602, 21081);  -- the shard, white-hot from the forge
insert into items (id, template_id) values (21603, 21082);  -- the deep forge
insert into items (id, template_id) values (21604, 21083);  -- and its bellows
insert into items (id, template_id) values (21605, 21084);  -- quench-water from the smith
insert into items (id, template_id) values (21606, 21084);
insert into items (id, template_id) values (21607, 21084);  -- and in the forge's trough
insert into items (id, template_id) values (21608, 21085);  -- the smith's ring in the hoard
insert into items (id, template_id) values (21609, 21003);  -- a draught in the hoard
insert into items (id, template_id) values (21610, 21003);  -- and one Mag hid from the cult
insert into items (id, template_id) values (21611, 21004);  -- the miners' herbs

insert into container_contents (container_id, type, content_id) values (20030, 4, 400);
insert into container_contents (container_id, type, content_id) values (20030, 1, 21608);
insert into container_contents (container_id, type, content_id) values (20030, 1, 21609);

-- ---------------------------------------------------------------- placing
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1602, 20, 30601, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1602, 20, 30602, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1603, 30, 40061, 1);  -- Jory, with the miners
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1603, 5, 21611, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1604, 20, 30603, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1604, 20, 30604, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1605, 5, 21603, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1605, 5, 21604, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1605, 5, 21607, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1605, 30, 40063, 1);  -- the smith's ghost at his anvil
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1606, 30, 40062, 1);  -- Mag Tillery, chained
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1607, 30, 40060, 1);  -- the hierarch at his vigil
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1608, 20, 30605, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1608, 5, 21601, 0);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1609, 4, 20030, 1);
