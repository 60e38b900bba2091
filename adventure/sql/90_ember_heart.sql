-- The Ember Heart: the dwarves' deep workings under the mountain, where the
-- Hollow Flame woke the Heart. The cinder stair comes down from the crypt into
-- the scorched gallery; west of it the miners hide in a hollow, south lies the
-- fire rift, east of the rift the dwarves' deep forge and the cult's cells
-- above it, south of the rift the cult's vigil, and in from the vigil the heart
-- chamber, with the guardian's hoard behind it.
--
-- Locations 1601..1612, texts 160001..160299, journal texts 190060..190069.
-- The map has 5 columns and 5 rows; mapX is the row and mapY the column.
--
--         col 1            col 2                col 3
-- row 0                    CINDER STAIR
-- row 1   Miners' Hollow   Scorched Gallery     Penitents' Cells
-- row 2                    Fire Rift            Deep Forge
-- row 3                    Vigil of the Flame
-- row 4                    HEART CHAMBER        Guardian's Hoard

insert into areas (id, name, width, height) values (7, 'The Ember Heart', 5, 5);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1601, 'The Cinder Stair', 160001, 160002, 'A dwarf-cut stair deep in warm ash, going down.', 500308, 1, 0, 2, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1602, 'The Scorched Gallery', 160003, 160004, 'A long dwarf gallery blackened by fire.', 500309, 1, 1, 2, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1603, 'The Miners'' Hollow', 160005, 160006, 'A cool hollow behind a rockfall, where the lost miners hide.', 500317, 1, 1, 1, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1604, 'The Fire Rift', 160007, 160008, 'A rift in the floor full of slow red light.', 500310, 1, 2, 2, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1605, 'The Deep Forge', 160009, 160010, 'The dwarves'' great forge, cold, with its bellows and anvil.', 500318, 1, 2, 3, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1606, 'The Penitents'' Cells', 160011, 160012, 'The cult''s cells in the old smiths'' quarters.', 500319, 1, 1, 3, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1607, 'The Vigil of the Flame', 160013, 160014, 'A hall of black candles before the heart''s door.', 500320, 1, 3, 2, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1608, 'The Heart Chamber', 160015, 160016, 'A round chamber round the Ember Heart.', 500207, 1, 4, 2, 7);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1609, 'The Guardian''s Hoard', 160017, 160018, 'A dwarf treasury behind the heart chamber.', 500321, 1, 4, 3, 7);

-- The map's colours, given red-green-blue and stored blue-green-red: dwarf
-- halls #6E6458, fire #8C3C1E, the hollow #465A64, the cult's places #5A3C5A,
-- the heart #B45A1E.
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 0, 2, 0, 5793902, 0);   -- the Cinder Stair
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 1, 2, 0, 1981580, 0);   -- the Scorched Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 1, 1, 0, 6576710, 0);   -- the Miners' Hollow
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 2, 2, 0, 1981580, 0);   -- the Fire Rift
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 2, 3, 0, 5793902, 0);   -- the Deep Forge
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 1, 3, 0, 5913690, 0);   -- the Penitents' Cells
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 3, 2, 0, 5913690, 0);   -- the Vigil of the Flame
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 4, 2, 0, 1989300, 0);   -- the Heart Chamber
insert into area_data (area_id, x, y, img_idx, color, draw) values (7, 4, 3, 0, 5793902, 0);   -- the Guardian's Hoard

-- Ways through the deep workings. The door of the guardian's hoard opens when
-- the guardian falls. The cinder stair comes down from the crypt's heart stair.
-- The crypt's Heart Stair
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1601, 1522, 'down toward the red light', 10, 1);
-- The Cinder Stair
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1522, 1601, 'up to the crypt', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1602, 1601, 'down the cinder stair', 10, 1);
-- The Scorched Gallery
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1601, 1602, 'up the cinder stair', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1603, 1602, 'a gap in the rockfall', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1604, 1602, 'toward the red light', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1606, 1602, 'the smiths'' passage', 2, 1);
-- The Miners' Hollow
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1602, 1603, 'out through the rockfall', 2, 1);
-- The Penitents' Cells
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1602, 1606, 'the smiths'' passage', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1605, 1606, 'down to the forge', 3, 1);
-- The Fire Rift
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1602, 1604, 'the scorched gallery', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1605, 1604, 'the bridge over the rift', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1607, 1604, 'the cult''s stair', 3, 1);
-- The Deep Forge
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1604, 1605, 'the bridge over the rift', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1606, 1605, 'up to the cells', 1, 1);
-- The Vigil of the Flame
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1604, 1607, 'up to the fire rift', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1608, 1607, 'through the heart''s door', 11, 1);
-- The Heart Chamber
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1607, 1608, 'out to the vigil', 12, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1609, 1608, 'the dwarf door', 2, 0);
-- The Guardian's Hoard
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1608, 1609, 'the heart chamber', 4, 1);
