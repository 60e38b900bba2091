-- The rules of Cindervale's world: weapon kinds, the common weapon damages,
-- the peoples a hero may be born to, the Ember Warden and the warden's gift.

-- Weapon kinds 1..16 are wielded; 17 arrows fly from bows (2), 18 bolts from
-- crossbows (4), 19 bullets from slings (13).
insert into weapon_types (id, launcher_id) values (1, 0);
insert into weapon_types (id, launcher_id) values (2, 0);
insert into weapon_types (id, launcher_id) values (3, 0);
insert into weapon_types (id, launcher_id) values (4, 0);
insert into weapon_types (id, launcher_id) values (5, 0);
insert into weapon_types (id, launcher_id) values (6, 0);
insert into weapon_types (id, launcher_id) values (7, 0);
insert into weapon_types (id, launcher_id) values (8, 0);
insert into weapon_types (id, launcher_id) values (9, 0);
insert into weapon_types (id, launcher_id) values (10, 0);
insert into weapon_types (id, launcher_id) values (11, 0);
insert into weapon_types (id, launcher_id) values (12, 0);
insert into weapon_types (id, launcher_id) values (13, 0);
insert into weapon_types (id, launcher_id) values (14, 0);
insert into weapon_types (id, launcher_id) values (15, 0);
insert into weapon_types (id, launcher_id) values (16, 0);
insert into weapon_types (id, launcher_id) values (17, 2);
insert into weapon_types (id, launcher_id) values (18, 4);
insert into weapon_types (id, launcher_id) values (19, 13);

-- Common weapon damage, 1..99, shared by the weapons of every area.
-- Damage type: 1 physical, 2 pierce, 3 blunt, 4 slash, 5 fire, 6 acid,
-- 7 cold, 8 lightning, 9 poison. Duration and trigger -1: a single blow.
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (1, '1d4', 2, -1, -1, 0);   -- dagger
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (2, '1d8', 4, -1, -1, 0);   -- long sword
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (3, '1d12', 4, -1, -1, 0);  -- two-handed axe
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (4, '1d2', 3, -1, -1, 0);   -- a bow or sling swung in close
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (5, '1d6', 2, -1, -1, 0);   -- arrow
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (6, '1d3', 2, -1, -1, 0);   -- dart
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (7, '1d6', 3, -1, -1, 1);   -- war hammer
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (8, '1d6', 3, -1, -1, 0);   -- staff
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (9, '2-5', 3, -1, -1, 0);   -- sling bullet
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (10, '2|3|4|5|6', 3, -1, -1, 0); -- mace
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (11, '1d8', 4, -1, -1, 0);  -- axe
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (12, '1d6', 2, -1, -1, 0);  -- short sword
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (13, '2d6', 4, -1, -1, 0);  -- great sword
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (14, '1d8', 2, -1, -1, 0);  -- crossbow bolt
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (15, '1d8', 2, -1, -1, 0);  -- spear
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (16, '1d6', 3, -1, -1, 0);  -- club
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (17, '1d8', 3, -1, -1, 0);  -- flail or morning star
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (18, '1|2|4', 5, -1, -1, 0); -- ember-forged steel: the bite of its heat

-- The peoples. Ability columns: how far above four a hero may raise an
-- ability at a time; weapon columns: the highest mastery the people reach.
insert into races (id, name, description,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const,
  weapon_axe, weapon_bow, weapon_club, weapon_crossbow, weapon_dagger, weapon_darts, weapon_flail, weapon_great_sword,
  weapon_hammer, weapon_longsword, weapon_mace_morning_star, weapon_short_sword, weapon_sling, weapon_spear, weapon_staff, weapon_two_handed_axe,
  res_physical, res_pierce, res_blunt, res_slash, res_fire, res_acid, res_cold, res_electric, res_poison,
  attack_type, dmg, dtype_id, duration, trigger)
values (1, 'Human', 'Humans built Cindervale and most of the valley towns below it. They are stubborn, quick to learn and good at nearly everything, and they master any weapon they care to take up.',
  2, 2, 2, 2, 2,
  6, 6, 6, 6, 6, 6, 6, 6,
  6, 7, 6, 6, 6, 7, 6, 6,
  0, 0, 0, 0, 0, 0, 0, 0, 0,
  1, '1d3', 3, -1, -1);

insert into races (id, name, description,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const,
  weapon_axe, weapon_bow, weapon_club, weapon_crossbow, weapon_dagger, weapon_darts, weapon_flail, weapon_great_sword,
  weapon_hammer, weapon_longsword, weapon_mace_morning_star, weapon_short_sword, weapon_sling, weapon_spear, weapon_staff, weapon_two_handed_axe,
  res_physical, res_pierce, res_blunt, res_slash, res_fire, res_acid, res_cold, res_electric, res_poison,
  attack_type, dmg, dtype_id, duration, trigger)
values (2, 'Elf', 'The elves of the Whisperwood rarely climb to the mining towns; they dislike the smoke. They are quick of hand and mind and at home in cold and storm, born archers and swordsmen, but slight of frame.',
  1, 4, 3, 2, 0,
  4, 7, 4, 5, 6, 6, 3, 4,
  3, 7, 3, 7, 5, 6, 6, 2,
  0, 0, 0, 0, 0, 0, 10, 5, 0,
  1, '1d2', 3, -1, -1);

insert into races (id, name, description,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const,
  weapon_axe, weapon_bow, weapon_club, weapon_crossbow, weapon_dagger, weapon_darts, weapon_flail, weapon_great_sword,
  weapon_hammer, weapon_longsword, weapon_mace_morning_star, weapon_short_sword, weapon_sling, weapon_spear, weapon_staff, weapon_two_handed_axe,
  res_physical, res_pierce, res_blunt, res_slash, res_fire, res_acid, res_cold, res_electric, res_poison,
  attack_type, dmg, dtype_id, duration, trigger)
values (3, 'Dwarf', 'Dwarves cut the first galleries of the Ashfang Mines and taught the town to smelt ember-ore. They are strong, hardy and hard to poison, shrug off the heat of a forge, and swing axes and hammers as if born to them.',
  3, 0, 1, 2, 4,
  7, 3, 6, 7, 5, 4, 6, 5,
  7, 5, 6, 6, 4, 5, 3, 7,
  0, 0, 5, 0, 10, 0, 5, 0, 15,
  1, '1d3', 3, -1, -1);

insert into races (id, name, description,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const,
  weapon_axe, weapon_bow, weapon_club, weapon_crossbow, weapon_dagger, weapon_darts, weapon_flail, weapon_great_sword,
  weapon_hammer, weapon_longsword, weapon_mace_morning_star, weapon_short_sword, weapon_sling, weapon_spear, weapon_staff, weapon_two_handed_axe,
  res_physical, res_pierce, res_blunt, res_slash, res_fire, res_acid, res_cold, res_electric, res_poison,
  attack_type, dmg, dtype_id, duration, trigger)
values (4, 'Halfling', 'Halflings keep the inns and orchards of the lower valley. Small, nimble and devout in their easy way, they are deadly with sling, dart and knife and hopeless with anything taller than themselves.',
  0, 4, 2, 3, 1,
  3, 5, 5, 4, 7, 7, 2, 1,
  3, 4, 3, 7, 7, 4, 6, 1,
  0, 0, 0, 0, 0, 0, 0, 0, 10,
  1, '1d2', 3, -1, -1);

insert into races (id, name, description,
  ab_str, ab_dex, ab_mind, ab_faith, ab_const,
  weapon_axe, weapon_bow, weapon_club, weapon_crossbow, weapon_dagger, weapon_darts, weapon_flail, weapon_great_sword,
  weapon_hammer, weapon_longsword, weapon_mace_morning_star, weapon_short_sword, weapon_sling, weapon_spear, weapon_staff, weapon_two_handed_axe,
  res_physical, res_pierce, res_blunt, res_slash, res_fire, res_acid, res_cold, res_electric, res_poison,
  attack_type, dmg, dtype_id, duration, trigger)
values (5, 'Half-Orc', 'Half-orcs worked the deepest seams, where the heat and the dark were worst. Powerful and tireless, they hit hard with heavy weapons and with bare fists alike, though books and prayers come slowly to them.',
  4, 1, 0, 1, 4,
  7, 4, 7, 4, 5, 3, 7, 7,
  6, 5, 6, 5, 3, 6, 3, 7,
  5, 0, 0, 0, 0, 0, 0, 0, 5,
  1, '1d4', 3, -1, -1);

-- The Ember Warden: the town's own order of forge-guards, sworn to keep the
-- ember-fires and the mine roads. Skills: Ember Sense (64), Withstand
-- Damage (28), Perception (3), First Aid (11).
insert into classes (id, name, description, allowed, allowed_races,
  skill_1, skill_2, skill_3, skill_4, skill_5,
  dmana, starting_mana, starting_end,
  wep_1, wep_2, wep_3, wep_4, wep_5, wep_6, wep_7, wep_8, wep_9,
  wep_10, wep_11, wep_12, wep_13, wep_14, wep_15, wep_16, wep_17, wep_18)
values (21, 'Ember Warden', 'The Ember Wardens kept watch over Cindervale''s forges and mine roads for two hundred years. Half soldier, half forge-priest, a warden fights in heavy armour, binds wounds in the field and feels the pulse of ember-ore through stone. The order is almost gone now; the last wardens are humans, dwarves and half-orcs of the town.', 1, '|Human|Dwarf|Half-Orc|',
  64, 28, 3, 11, -1,
  3, 3, 12,
  1, 2, 0, 4, 0, 3, 0, 1, 4,
  0, 3, 0, 3, 0, 3, 1, 2, 2);

insert into skills (id, name, description, script)
values (64, 'Ember Sense', 'A warden learns to feel ember-ore through rock the way others feel the sun on their faces: the slow warmth of a sleeping vein, the prickle of ore that has been tainted. The better the sense, the sooner the warden knows when fire is near, when stone is about to give, and when something in the dark is burning that should not be.', 'ember_sense.js');
