-- Cindervale, the mining town: the hub of the adventure.
--
-- Numbering by area: Cindervale locations 1001..1099 (later areas take
-- 1101.., 1201.., ...); its texts 100001..100999; journal texts 190001...
-- The town map has 10 columns and 8 rows; a location's mapX is its row and
-- mapY its column. North is up: the Ashfang peaks rise beyond row 0, the
-- Emberrun flows past the east wall, the old quarter sinks into the
-- south-west.
--
--          col 2         col 3          col 4           col 5          col 6          col 7
-- row 0                  Almonry
-- row 1                  Temple         Mayor's Hall                   Watchtower
-- row 2    Forge         Temple Way     Hall Street     Salamander     Wall Walk
-- row 3    Smithy Yard   Smiths' Lane   MARKET SQUARE   Gate Street    EMBER GATE     Toll Bridge
-- row 4    Well Court    Ashen Lane     Lantern Street  Provisions     Slag Row
-- row 5    Chandler's    Burnt House    Banked Hearth   Rented Room
-- row 6                  Sealed Cellar

insert into areas (id, name, width, height) values (1, 'Cindervale', 10, 8);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1001, 'The Ember Gate', 100001, 100002, 'The iron-bound east gate of Cindervale, barred and watched.', 500104, 1, 3, 6, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1002, 'Gate Street', 0, 100003, 'A cobbled street of shuttered shops runs from the gate to the square.', 500105, 1, 3, 5, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1003, 'Market Square', 100004, 100005, 'The heart of Cindervale, around the cold bronze brazier of the Ember Lamp.', 500103, 1, 3, 4, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1004, 'The Toll Bridge', 100006, 100007, 'An old stone bridge over the Emberrun, with a shuttered toll-house at its town end.', 500106, 1, 3, 7, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1005, 'The Wall Walk', 0, 100008, 'A windy walk along the top of the east wall.', 500109, 1, 2, 6, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1006, 'The Old Watchtower', 100009, 100010, 'A cramped, leaning watchtower at the north-east corner of the wall.', 500107, 1, 1, 6, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1007, 'Hall Street', 0, 100011, 'A broad street climbing north from the square to the Mayor''s Hall.', 500110, 1, 2, 4, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1008, 'The Mayor''s Hall', 100012, 100013, 'The long hall of the mayor of Cindervale, hung with guild banners.', 500112, 1, 1, 4, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1009, 'Temple Way', 0, 100014, 'A stepped lane lined with candle-niches, climbing to the temple.', 500111, 1, 2, 3, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1010, 'The Temple of Ashara', 100015, 100016, 'The quiet nave of Ashara''s temple, where the last ember-flame still burns.', 500114, 1, 1, 3, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1011, 'The Almonry', 0, 100017, 'The temple almonry, where the sisters sell remedies and blessings.', 500150, 1, 0, 3, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1012, 'The Glass Salamander', 100018, 100019, 'A cluttered magic shop that smells of hot glass and old paper.', 500151, 1, 2, 5, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1013, 'Smiths'' Lane', 0, 100020, 'A soot-black lane of workshops, most of them dark.', 500113, 1, 3, 3, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1014, 'The Smithy Yard', 100021, 100022, 'Brannoc''s yard, heaped with slag and cold ember-ore.', 500115, 1, 3, 2, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1015, 'Brannoc''s Forge', 0, 100023, 'The smithy''s workshop and counter, the one forge in town still lit.', 500148, 1, 2, 2, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1016, 'Lantern Street', 0, 100024, 'A crooked street of tall houses, running south from the square to the inn.', 500102, 1, 4, 4, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1017, 'Tamsin''s Provisions', 0, 100025, 'A narrow general store stacked to the rafters.', 500149, 1, 4, 5, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1018, 'The Banked Hearth', 100026, 100027, 'The common room of the Banked Hearth, warm and half empty.', 500136, 1, 5, 4, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1019, 'A Rented Room', 0, 100028, 'Your room under the eaves of the inn, with a stout bolt on the door.', 500137, 1, 5, 5, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1020, 'Slag Row', 100029, 100030, 'The lower street along the wall, scarred by the goblin raids.', 500108, 1, 4, 6, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1021, 'Ashen Lane', 100031, 100032, 'The main lane of the old quarter, where half the houses stand empty.', 500117, 1, 4, 3, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1022, 'The Well Court', 0, 100033, 'A little court around a capped well, hemmed in by blind walls.', 500119, 1, 4, 2, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1023, 'The Burnt House', 100034, 100035, 'The blackened shell of a house the goblins set alight.', 500118, 1, 5, 3, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1024, 'The Chandler''s Cellar', 100036, 100037, 'A low cellar of wax vats and broken casks under the Well Court.', 500116, 1, 5, 2, 1);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1025, 'The Sealed Cellar', 100038, 100039, 'A vaulted cellar under the Burnt House, walled off long ago.', 500120, 1, 6, 3, 1);

-- The town map: one drawn cell per location. Colours are stored blue-green-red:
-- streets #96826E, the square #C8AA5A, walls and towers #80808C, the bridge
-- #5A78A0, the hall #AA3C32, the temple #E6DCAA, shops #D28C3C, the smithy
-- #C8501E, the inn #B47846, the old quarter #645A50, cellars #463A32.
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 3, 6, 0, 9207936, 0);   -- the Ember Gate
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 3, 5, 0, 7242390, 0);   -- Gate Street
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 3, 4, 0, 5941960, 0);   -- Market Square
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 3, 7, 0, 10516570, 0);  -- the Toll Bridge
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 2, 6, 0, 9207936, 0);   -- the Wall Walk
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 1, 6, 0, 9207936, 0);   -- the Old Watchtower
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 2, 4, 0, 7242390, 0);   -- Hall Street
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 1, 4, 0, 3292330, 0);   -- the Mayor's Hall
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 2, 3, 0, 7242390, 0);   -- Temple Way
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 1, 3, 0, 11197670, 0);  -- the Temple of Ashara
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 0, 3, 0, 11197670, 0);  -- the Almonry
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 2, 5, 0, 3968210, 0);   -- the Glass Salamander
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 3, 3, 0, 7242390, 0);   -- Smiths' Lane
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 3, 2, 0, 1986760, 0);   -- the Smithy Yard
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 2, 2, 0, 1986760, 0);   -- Brannoc's Forge
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 4, 4, 0, 7242390, 0);   -- Lantern Street
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 4, 5, 0, 3968210, 0);   -- Tamsin's Provisions
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 5, 4, 0, 4618420, 0);   -- the Banked Hearth
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 5, 5, 0, 4618420, 0);   -- a rented room
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 4, 6, 0, 7242390, 0);   -- Slag Row
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 4, 3, 0, 5266020, 0);   -- Ashen Lane
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 4, 2, 0, 5266020, 0);   -- the Well Court
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 5, 3, 0, 5266020, 0);   -- the Burnt House
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 5, 2, 0, 3291718, 0);   -- the Chandler's Cellar
insert into area_data (area_id, x, y, img_idx, color, draw) values (1, 6, 3, 0, 3291718, 0);   -- the Sealed Cellar

-- Ways through the town. Directions: 1 N, 2 E, 3 S, 4 W, 5 NE, 6 NW, 7 SE,
-- 8 SW, 9 up, 10 down, 11 in, 12 out.

-- The Ember Gate
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1002, 1001, 'Gate Street', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1004, 1001, 'the Toll Bridge', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1005, 1001, 'the Wall Walk', 9, 1);
-- Gate Street
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1001, 1002, 'the Ember Gate', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1002, 'Market Square', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1020, 1002, 'Slag Row', 7, 1);
-- Market Square
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1002, 1003, 'Gate Street', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1007, 1003, 'Hall Street', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1016, 1003, 'Lantern Street', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1013, 1003, 'Smiths'' Lane', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1012, 1003, 'the Glass Salamander', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1009, 1003, 'Temple Way', 6, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1017, 1003, 'Tamsin''s Provisions', 7, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1021, 1003, 'Ashen Lane', 8, 1);
-- The Toll Bridge (the road on into the Whisperwood joins here)
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1001, 1004, 'the Ember Gate', 4, 1);
-- The Wall Walk
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1001, 1005, 'the Ember Gate', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1006, 1005, 'the Old Watchtower', 1, 1);
-- The Old Watchtower
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1005, 1006, 'the Wall Walk', 3, 1);
-- Hall Street
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1007, 'Market Square', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1008, 1007, 'the Mayor''s Hall', 1, 1);
-- The Mayor's Hall
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1007, 1008, 'Hall Street', 3, 1);
-- Temple Way
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1009, 'Market Square', 7, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1010, 1009, 'the Temple of Ashara', 1, 1);
-- The Temple of Ashara
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1009, 1010, 'Temple Way', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1011, 1010, 'the Almonry', 1, 1);
-- The Almonry
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1010, 1011, 'the Temple of Ashara', 3, 1);
-- The Glass Salamander
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1012, 'Market Square', 8, 1);
-- Smiths' Lane
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1013, 'Market Square', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1014, 1013, 'the Smithy Yard', 4, 1);
-- The Smithy Yard; the gap behind the smithy is found only in the list of
-- all exits (it has no compass direction).
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1013, 1014, 'Smiths'' Lane', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1015, 1014, 'Brannoc''s Forge', 11, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1022, 1014, 'a narrow gap behind the smithy', 13, 1);
-- Brannoc's Forge
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1014, 1015, 'the Smithy Yard', 12, 1);
-- Lantern Street
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1016, 'Market Square', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1018, 1016, 'the Banked Hearth', 11, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1021, 1016, 'Ashen Lane', 4, 1);
-- Tamsin's Provisions
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1017, 'Market Square', 6, 1);
-- The Banked Hearth
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1016, 1018, 'Lantern Street', 12, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1019, 1018, 'the stairs to your room', 9, 1);
-- A Rented Room
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1018, 1019, 'the common room', 10, 1);
-- Slag Row
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1002, 1020, 'Gate Street', 6, 1);
-- Ashen Lane
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1003, 1021, 'Market Square', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1016, 1021, 'Lantern Street', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1022, 1021, 'the Well Court', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1023, 1021, 'the Burnt House', 3, 1);
-- The Well Court
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1021, 1022, 'Ashen Lane', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1024, 1022, 'the cellar steps', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1014, 1022, 'a narrow gap to the smithy yard', 13, 1);
-- The Burnt House: the trapdoor under the ashes stays hidden until it is found.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1021, 1023, 'Ashen Lane', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1025, 1023, 'a trapdoor under the ashes', 10, 0);
-- The Chandler's Cellar
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1022, 1024, 'the steps up to the Well Court', 9, 1);
-- The Sealed Cellar
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1023, 1025, 'the trapdoor', 9, 1);
