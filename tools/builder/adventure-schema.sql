-- The adventure database: every table and column the engine reads, as the
-- adventure builder creates them. Content files fill them with inserts.

CREATE TABLE general (name TEXT, value TEXT);
CREATE TABLE item_types (id INTEGER, name TEXT);
CREATE TABLE libraries (libname TEXT);
CREATE TABLE messages (id INTEGER, script_id INTEGER DEFAULT 0, name TEXT);
CREATE TABLE texts (id INTEGER, file TEXT, text TEXT);
CREATE TABLE scripts (id INTEGER, file TEXT, text TEXT);

CREATE TABLE item_templates (
  id INTEGER PRIMARY KEY, name TEXT, type_id INTEGER DEFAULT 1, identified INTEGER DEFAULT 1,
  charges INTEGER DEFAULT 0, destroy_after_use INTEGER DEFAULT 0, large_image TEXT DEFAULT '',
  stationary INTEGER DEFAULT 0, script_id INTEGER DEFAULT 0, desc_id INTEGER DEFAULT 0,
  base_price INTEGER DEFAULT 0, equipped_on INTEGER DEFAULT 0, special_uses INTEGER DEFAULT 0,
  used_if_on INTEGER DEFAULT 0, req_str INTEGER DEFAULT 0, req_dex INTEGER DEFAULT 0,
  req_mind INTEGER DEFAULT 0, req_faith INTEGER DEFAULT 0, req_const INTEGER DEFAULT 0);
CREATE TABLE items (id INTEGER PRIMARY KEY, template_id INTEGER);
CREATE TABLE item_usable_by (template_id INTEGER, class_id INTEGER);
CREATE TABLE item_special_uses (item_id INTEGER, sp_use_id INTEGER);
CREATE TABLE item_spells (item_id INTEGER, spell_id INTEGER);
CREATE TABLE item_id_gen (id INTEGER PRIMARY KEY);

CREATE TABLE weapon_templates (
  id INTEGER PRIMARY KEY, name TEXT, type_id INTEGER DEFAULT 1, identified INTEGER DEFAULT 1,
  charges INTEGER DEFAULT 0, destroy_after_use INTEGER DEFAULT 0, weapon_uses INTEGER DEFAULT 0,
  large_image TEXT DEFAULT '', script_id INTEGER DEFAULT 0, desc_id INTEGER DEFAULT 0,
  base_price INTEGER DEFAULT 0, damage_id INTEGER DEFAULT 0, special_uses INTEGER DEFAULT 0,
  req_str INTEGER DEFAULT 0, req_dex INTEGER DEFAULT 0, req_mind INTEGER DEFAULT 0,
  req_faith INTEGER DEFAULT 0, req_const INTEGER DEFAULT 0, two_handed INTEGER DEFAULT 0,
  missile INTEGER DEFAULT 0);
CREATE TABLE weapons (id INTEGER PRIMARY KEY, template_id INTEGER);
CREATE TABLE weapon_usable_by (template_id INTEGER, class_id INTEGER);
CREATE TABLE weapon_types (id INTEGER PRIMARY KEY, launcher_id INTEGER DEFAULT 0);
CREATE TABLE weapon_ad_dam (weapon_id INTEGER, damage_id INTEGER);
CREATE TABLE weapon_special_uses (weapon_id INTEGER, sp_use_id INTEGER);

CREATE TABLE container_templates (
  id INTEGER PRIMARY KEY, name TEXT, stationary INTEGER DEFAULT 0, script_id INTEGER DEFAULT 0,
  desc_id INTEGER DEFAULT 0, large_image TEXT DEFAULT '', base_price INTEGER DEFAULT 0,
  max_contents INTEGER DEFAULT 5, open INTEGER DEFAULT 0, locked INTEGER DEFAULT 0);
CREATE TABLE container_contents (container_id INTEGER, type INTEGER, content_id INTEGER);
CREATE TABLE container_item_types (container_id INTEGER, item_type_id INTEGER);
CREATE TABLE container_weapon_types (container_id INTEGER, weapon_type_id INTEGER);
CREATE TABLE special_uses (
  id INTEGER PRIMARY KEY, name TEXT, script_id INTEGER DEFAULT 0, desc_id INTEGER DEFAULT 0,
  offensive INTEGER DEFAULT 0, apply_to_user INTEGER DEFAULT 0, periodic INTEGER DEFAULT 0,
  duration INTEGER DEFAULT 0, massive INTEGER DEFAULT 0, attack_type INTEGER DEFAULT 3,
  damage_id INTEGER DEFAULT 0);
CREATE TABLE spells (
  id INTEGER PRIMARY KEY, name TEXT, script_id INTEGER DEFAULT 0, desc_id INTEGER DEFAULT 0,
  offensive INTEGER DEFAULT 0, apply_to_user INTEGER DEFAULT 0, periodic INTEGER DEFAULT 0,
  duration INTEGER DEFAULT 0, massive INTEGER DEFAULT 0, attack_type INTEGER DEFAULT 3,
  damage_id INTEGER DEFAULT 0,
  req_mana INTEGER DEFAULT 0, req_mind INTEGER DEFAULT 0, req_faith INTEGER DEFAULT 0,
  spell_type_id INTEGER DEFAULT 0);
CREATE TABLE damage (
  id INTEGER PRIMARY KEY, dmg TEXT, dtype_id INTEGER DEFAULT 1, duration INTEGER DEFAULT 0,
  trigger INTEGER DEFAULT 0, modifier INTEGER DEFAULT 0);
CREATE TABLE modifiers (type INTEGER, id INTEGER, name TEXT, value INTEGER);
CREATE TABLE extended_data (type INTEGER, id INTEGER, name TEXT, value TEXT);

CREATE TABLE creature_templates (
  id INTEGER PRIMARY KEY, name TEXT, type_id INTEGER DEFAULT 0, script_id INTEGER DEFAULT 0,
  desc_id INTEGER DEFAULT 0, endurance INTEGER DEFAULT 1, end_max INTEGER DEFAULT 1,
  mana INTEGER DEFAULT 0, mana_max INTEGER DEFAULT 0, gold INTEGER DEFAULT 0, level INTEGER DEFAULT 1,
  xp_award INTEGER DEFAULT 0,
  ab_str INTEGER DEFAULT 0,
  ab_dex INTEGER DEFAULT 0,
  ab_mind INTEGER DEFAULT 0,
  ab_faith INTEGER DEFAULT 0,
  ab_const INTEGER DEFAULT 0,
  res_physical INTEGER DEFAULT 0,
  res_pierce INTEGER DEFAULT 0,
  res_blunt INTEGER DEFAULT 0,
  res_slash INTEGER DEFAULT 0,
  res_fire INTEGER DEFAULT 0,
  res_acid INTEGER DEFAULT 0,
  res_cold INTEGER DEFAULT 0,
  res_electric INTEGER DEFAULT 0,
  res_poison INTEGER DEFAULT 0,
  weapon_axe INTEGER DEFAULT 0,
  weapon_bow INTEGER DEFAULT 0,
  weapon_club INTEGER DEFAULT 0,
  weapon_crossbow INTEGER DEFAULT 0,
  weapon_dagger INTEGER DEFAULT 0,
  weapon_darts INTEGER DEFAULT 0,
  weapon_flail INTEGER DEFAULT 0,
  weapon_great_sword INTEGER DEFAULT 0,
  weapon_hammer INTEGER DEFAULT 0,
  weapon_longsword INTEGER DEFAULT 0,
  weapon_mace_morning_star INTEGER DEFAULT 0,
  weapon_short_sword INTEGER DEFAULT 0,
  weapon_sling INTEGER DEFAULT 0,
  weapon_spear INTEGER DEFAULT 0,
  weapon_staff INTEGER DEFAULT 0,
  weapon_two_handed_axe INTEGER DEFAULT 0,
  attack_roll INTEGER DEFAULT 1, delay INTEGER DEFAULT 0, attack_type INTEGER DEFAULT 1,
  mod_atk_melee INTEGER DEFAULT 0,
  mod_atk_missile INTEGER DEFAULT 0,
  mod_atk_wizard INTEGER DEFAULT 0,
  mod_atk_priest INTEGER DEFAULT 0,
  mod_dmg_melee INTEGER DEFAULT 0,
  mod_dmg_missile INTEGER DEFAULT 0,
  mod_dmg_wizard INTEGER DEFAULT 0,
  mod_dmg_priest INTEGER DEFAULT 0,
  armor_melee INTEGER DEFAULT 0,
  armor_missile INTEGER DEFAULT 0,
  armor_wizard INTEGER DEFAULT 0,
  armor_priest INTEGER DEFAULT 0,
  damage_id INTEGER DEFAULT 0);
CREATE TABLE creatures (id INTEGER PRIMARY KEY, template_id INTEGER);
CREATE TABLE creature_contents (creature_id INTEGER, cont_id INTEGER, cont_type INTEGER, body_part_id INTEGER);
CREATE TABLE npc_templates (id INTEGER PRIMARY KEY, name TEXT, script_id INTEGER DEFAULT 0, desc_id INTEGER DEFAULT 0);
CREATE TABLE npcs (id INTEGER PRIMARY KEY, template_id INTEGER);

CREATE TABLE shop_contents (shop_id INTEGER, cont_id INTEGER, type_id INTEGER, stack INTEGER DEFAULT 1);
CREATE TABLE items_to_buy (shop_id INTEGER, item_type_id INTEGER);
CREATE TABLE weapons_to_buy (shop_id INTEGER, weapon_type_id INTEGER);

CREATE TABLE locations (
  id INTEGER PRIMARY KEY, name TEXT, intro_id INTEGER DEFAULT 0, desc_id INTEGER DEFAULT 0,
  brief TEXT DEFAULT '', script_id INTEGER DEFAULT 0, terrain_type_id INTEGER DEFAULT 0,
  mapX INTEGER DEFAULT -1, mapY INTEGER DEFAULT -1, area_id INTEGER DEFAULT 0);
CREATE TABLE loc_cont (loc_id INTEGER, ctype INTEGER, cont_id INTEGER, visible INTEGER DEFAULT 1);
CREATE TABLE exits (exit_id INTEGER, loc_id INTEGER, exit_name TEXT, orientation INTEGER, visible INTEGER DEFAULT 1);
CREATE TABLE areas (id INTEGER PRIMARY KEY, name TEXT, width INTEGER, height INTEGER);
CREATE TABLE area_data (area_id INTEGER, x INTEGER, y INTEGER, img_idx INTEGER DEFAULT 0, color INTEGER DEFAULT 0, draw INTEGER DEFAULT 1);

CREATE TABLE races (
  id INTEGER PRIMARY KEY, name TEXT, description TEXT DEFAULT '',
  ab_str INTEGER DEFAULT 0,
  ab_dex INTEGER DEFAULT 0,
  ab_mind INTEGER DEFAULT 0,
  ab_faith INTEGER DEFAULT 0,
  ab_const INTEGER DEFAULT 0,
  weapon_axe INTEGER DEFAULT 0,
  weapon_bow INTEGER DEFAULT 0,
  weapon_club INTEGER DEFAULT 0,
  weapon_crossbow INTEGER DEFAULT 0,
  weapon_dagger INTEGER DEFAULT 0,
  weapon_darts INTEGER DEFAULT 0,
  weapon_flail INTEGER DEFAULT 0,
  weapon_great_sword INTEGER DEFAULT 0,
  weapon_hammer INTEGER DEFAULT 0,
  weapon_longsword INTEGER DEFAULT 0,
  weapon_mace_morning_star INTEGER DEFAULT 0,
  weapon_short_sword INTEGER DEFAULT 0,
  weapon_sling INTEGER DEFAULT 0,
  weapon_spear INTEGER DEFAULT 0,
  weapon_staff INTEGER DEFAULT 0,
  weapon_two_handed_axe INTEGER DEFAULT 0,
  res_physical INTEGER DEFAULT 0,
  res_pierce INTEGER DEFAULT 0,
  res_blunt INTEGER DEFAULT 0,
  res_slash INTEGER DEFAULT 0,
  res_fire INTEGER DEFAULT 0,
  res_acid INTEGER DEFAULT 0,
  res_cold INTEGER DEFAULT 0,
  res_electric INTEGER DEFAULT 0,
  res_poison INTEGER DEFAULT 0,
  attack_type INTEGER DEFAULT 1, dmg TEXT DEFAULT '1d2', dtype_id INTEGER DEFAULT 3,
  duration INTEGER DEFAULT 0, trigger INTEGER DEFAULT 0);
CREATE TABLE classes (
  id INTEGER PRIMARY KEY, name TEXT, description TEXT DEFAULT '', allowed INTEGER DEFAULT 1,
  allowed_races TEXT DEFAULT '',
  skill_1 INTEGER DEFAULT -1,
  skill_2 INTEGER DEFAULT -1,
  skill_3 INTEGER DEFAULT -1,
  skill_4 INTEGER DEFAULT -1,
  skill_5 INTEGER DEFAULT -1,
  dmana INTEGER DEFAULT 0, starting_mana INTEGER DEFAULT 0, starting_end INTEGER DEFAULT 0,
  wep_1 INTEGER DEFAULT 0,
  wep_2 INTEGER DEFAULT 0,
  wep_3 INTEGER DEFAULT 0,
  wep_4 INTEGER DEFAULT 0,
  wep_5 INTEGER DEFAULT 0,
  wep_6 INTEGER DEFAULT 0,
  wep_7 INTEGER DEFAULT 0,
  wep_8 INTEGER DEFAULT 0,
  wep_9 INTEGER DEFAULT 0,
  wep_10 INTEGER DEFAULT 0,
  wep_11 INTEGER DEFAULT 0,
  wep_12 INTEGER DEFAULT 0,
  wep_13 INTEGER DEFAULT 0,
  wep_14 INTEGER DEFAULT 0,
  wep_15 INTEGER DEFAULT 0,
  wep_16 INTEGER DEFAULT 0,
  wep_17 INTEGER DEFAULT 0,
  wep_18 INTEGER DEFAULT 0,
  wep_19 INTEGER DEFAULT 0,
  wep_20 INTEGER DEFAULT 0,
  wep_21 INTEGER DEFAULT 0,
  wep_22 INTEGER DEFAULT 0,
  wep_23 INTEGER DEFAULT 0,
  wep_24 INTEGER DEFAULT 0,
  wep_25 INTEGER DEFAULT 0,
  wep_26 INTEGER DEFAULT 0,
  wep_27 INTEGER DEFAULT 0,
  wep_28 INTEGER DEFAULT 0,
  wep_29 INTEGER DEFAULT 0,
  wep_30 INTEGER DEFAULT 0,
  wep_31 INTEGER DEFAULT 0,
  wep_32 INTEGER DEFAULT 0,
  wep_33 INTEGER DEFAULT 0,
  wep_34 INTEGER DEFAULT 0,
  wep_35 INTEGER DEFAULT 0,
  wep_36 INTEGER DEFAULT 0,
  wep_37 INTEGER DEFAULT 0,
  wep_38 INTEGER DEFAULT 0,
  wep_39 INTEGER DEFAULT 0,
  wep_40 INTEGER DEFAULT 0);
CREATE TABLE skills (id INTEGER PRIMARY KEY, name TEXT, description TEXT DEFAULT '', script TEXT DEFAULT '');
