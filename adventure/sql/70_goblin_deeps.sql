-- The Goblin Deeps: the goblins' warren under the Ashfang Mines, from the
-- breach they broke up into the mines, down through the warren's watch to its
-- crossing; west the midden and the wet caves, south the pens and the
-- shaman's den, south-east the forge, the chief's gate, his hall, his hoard and
-- his prisoner, and behind the hoard the goblins' back way out to the daylight
-- shaft under the Ashfang Slopes. The breach is reached from the mines' lowest
-- gallery; the climb up the shaft onto the slopes belongs to the slopes.
--
-- Locations 1301..1330, texts 130001..130299, journal texts 190030..190039.
-- The map has 10 columns and 7 rows; mapX is the row and mapY the column.
--
--         col 1          col 2            col 3           col 4             col 5             col 6             col 7
-- row 0                                                   BREACH TUNNEL     Bat Roost         Prospectors' Camp
-- row 1                                   Sentry Shelf    Rubble Stair
-- row 2                                                   Warren Mouth                        Raiders' Camp
-- row 3                  Fungus Grotto    Midden          WARREN CROSSING   Sleeping Burrows  Chasm Ledge
-- row 4                  Dripping Cave    Bone Passage    Pens              Goblin Forge
-- row 5   Sunless Pool                    Shaman's Den                      Chief's Gate      Windy Crawl       Daylight Shaft
-- row 6                                                   Captive's Cell    Chief's Hall      Chief's Hoard

insert into areas (id, name, width, height) values (4, 'The Goblin Deeps', 10, 7);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1301, 'The Breach Tunnel', 130001, 130002, 'A raw tunnel gnawed up out of the dark into the mines.', 500246, 1, 0, 4, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1302, 'The Rubble Stair', 130003, 130004, 'A goblins'' stair of broken rock going down.', 500249, 1, 1, 4, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1303, 'The Warren Mouth', 130005, 130006, 'A low arch of piled skulls, where the warren begins.', 500247, 1, 2, 4, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1304, 'The Bat Roost', 130007, 130008, 'A high cave furred with bats, off the breach.', 500250, 1, 0, 5, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1305, 'The Prospectors'' Camp', 130009, 130010, 'An old dry camp at the end of a forgotten cut.', 500202, 1, 0, 6, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1306, 'The Midden', 130011, 130012, 'The warren''s refuse pit, deep in stinking muck.', 500255, 1, 3, 3, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1307, 'The Warren Crossing', 130013, 130014, 'A smoky cave where all the warren''s tunnels meet.', 500248, 1, 3, 4, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1308, 'The Sleeping Burrows', 130015, 130016, 'A cave honeycombed with goblin sleeping-holes.', 500253, 1, 3, 5, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1309, 'The Fungus Grotto', 130017, 130018, 'A damp grotto lit by its own pale fungus.', 500251, 1, 3, 2, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1310, 'The Dripping Cave', 130019, 130020, 'A cave of running water and a crack in the west wall.', 500251, 1, 4, 2, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1311, 'The Pens', 130021, 130022, 'Pens of lashed pit-props, where the goblins keep their diggers.', 500256, 1, 4, 4, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1312, 'The Bone Passage', 130023, 130024, 'A passage hung with curtains of threaded bones.', 500257, 1, 4, 3, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1313, 'The Shaman''s Den', 130025, 130026, 'A smoky den round a fire that burns downwards.', 500258, 1, 5, 3, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1314, 'The Sunless Pool', 130027, 130028, 'A black pool beyond the crack, that nobody else knows.', 500251, 1, 5, 1, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1315, 'The Goblin Forge', 130029, 130030, 'A goblin forge beside a heap of dead ember-ore.', 500260, 1, 4, 5, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1316, 'The Chief''s Gate', 130031, 130032, 'A wall of skulls across the tunnel, with a gap and a guard.', 500261, 1, 5, 5, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1317, 'The Chief''s Hall', 130033, 130034, 'The goblin chief''s hall and his throne of pit-props.', 500262, 1, 6, 5, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1318, 'The Chief''s Hoard', 130035, 130036, 'A cave heaped to the roof with a month of plunder.', 500263, 1, 6, 6, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1319, 'The Captive''s Cell', 130037, 130038, 'A hole behind the chief''s hall, barred with a cart-wheel.', 500264, 1, 6, 4, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1320, 'The Raiders'' Camp', 130039, 130040, 'The camp of the war-band that raids Cindervale.', 500203, 1, 2, 6, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1321, 'The Chasm Ledge', 130041, 130042, 'A ledge along a chasm with wind coming up it.', 500250, 1, 3, 6, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1322, 'The Windy Crawl', 130043, 130044, 'A crawl behind the hoard, with a cold draught along it.', 500252, 1, 5, 6, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1323, 'The Daylight Shaft', 130045, 130046, 'The foot of a shaft with the sky at the top of it.', 500259, 1, 5, 7, 4);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1324, 'The Sentry Shelf', 130047, 130048, 'A shelf of rock above the warren mouth.', 500247, 1, 1, 3, 4);

-- The deeps' map, colours given red-green-blue and stored blue-green-red:
-- tunnels #5A5046, the warren #6E5A46, muck #465A32, wet rock #46647A, the
-- shaman's smoke #7A4664, the chief's places #8C5A28, the way out #A0A078.
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 0, 4, 0, 4608090, 0);   -- the Breach Tunnel
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 1, 4, 0, 4608090, 0);   -- the Rubble Stair
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 2, 4, 0, 4610670, 0);   -- the Warren Mouth
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 0, 5, 0, 4608090, 0);   -- the Bat Roost
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 0, 6, 0, 4608090, 0);   -- the Prospectors' Camp
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 3, 3, 0, 3299910, 0);   -- the Midden
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 3, 4, 0, 4610670, 0);   -- the Warren Crossing
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 3, 5, 0, 4610670, 0);   -- the Sleeping Burrows
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 3, 2, 0, 8021062, 0);   -- the Fungus Grotto
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 4, 2, 0, 8021062, 0);   -- the Dripping Cave
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 4, 4, 0, 4610670, 0);   -- the Pens
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 4, 3, 0, 6571642, 0);   -- the Bone Passage
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 5, 3, 0, 6571642, 0);   -- the Shaman's Den
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 5, 1, 0, 8021062, 0);   -- the Sunless Pool
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 4, 5, 0, 2644620, 0);   -- the Goblin Forge
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 5, 5, 0, 2644620, 0);   -- the Chief's Gate
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 6, 5, 0, 2644620, 0);   -- the Chief's Hall
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 6, 6, 0, 2644620, 0);   -- the Chief's Hoard
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 6, 4, 0, 2644620, 0);   -- the Captive's Cell
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 2, 6, 0, 4610670, 0);   -- the Raiders' Camp
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 3, 6, 0, 4608090, 0);   -- the Chasm Ledge
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 5, 6, 0, 7905440, 0);   -- the Windy Crawl
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 5, 7, 0, 7905440, 0);   -- the Daylight Shaft
insert into area_data (area_id, x, y, img_idx, color, draw) values (4, 1, 3, 0, 4610670, 0);   -- the Sentry Shelf

-- Ways through the deeps (directions as in Cindervale). The cracks between the
-- dripping cave and the sunless pool and the smoke-hole between the shaman's
-- den and the pens have no compass direction. The scree chute from the stair
-- to the midden fills the first time the party comes into the midden; the
-- crawl behind the hoard is hidden until the chief's prisoner tells of it.
-- The Breach Tunnel
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1302, 1301, 'down the rubble stair', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1304, 1301, 'a high side-cave', 2, 1);
-- The Rubble Stair
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1301, 1302, 'up to the breach', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1303, 1302, 'down to the firelight', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1306, 1302, 'the scree chute', 8, 1);
-- The Warren Mouth
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1302, 1303, 'up the rubble stair', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1307, 1303, 'into the warren', 11, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1324, 1303, 'a notched pole to the shelf', 9, 1);
-- The Sentry Shelf
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1303, 1324, 'down the notched pole', 10, 1);
-- The Bat Roost
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1301, 1304, 'the breach', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1305, 1304, 'a dry cut', 2, 1);
-- The Prospectors' Camp
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1304, 1305, 'the bat roost', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1320, 1305, 'an old shaft with a rotten ladder', 10, 1);
-- The Raiders' Camp
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1305, 1320, 'up the rotten ladder', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1321, 1320, 'the chasm ledge', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1308, 1320, 'the burrows', 8, 1);
-- The Chasm Ledge
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1320, 1321, 'the raiders'' camp', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1315, 1321, 'down along the ledge', 8, 1);
-- The Warren Crossing
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1303, 1307, 'out to the warren mouth', 12, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1306, 1307, 'the midden', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1308, 1307, 'the sleeping burrows', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1311, 1307, 'the pens', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1312, 1307, 'the bone passage', 8, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1315, 1307, 'the forge tunnel', 7, 1);
-- The Midden
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1307, 1306, 'the warren crossing', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1309, 1306, 'the fungus grotto', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1302, 1306, 'up the scree chute', 5, 1);
-- The Sleeping Burrows
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1307, 1308, 'the warren crossing', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1320, 1308, 'the raiders'' camp', 5, 1);
-- The Fungus Grotto
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1306, 1309, 'the midden', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1310, 1309, 'the dripping cave', 3, 1);
-- The Dripping Cave
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1309, 1310, 'the fungus grotto', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1312, 1310, 'a dry side-passage', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1314, 1310, 'the crack where the water goes', 13, 1);
-- The Sunless Pool
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1310, 1314, 'the crack', 13, 1);
-- The Pens
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1307, 1311, 'the warren crossing', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1313, 1311, 'a smoke-hole in the floor', 14, 1);
-- The Bone Passage
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1307, 1312, 'the warren crossing', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1310, 1312, 'a dry side-passage', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1313, 1312, 'through the bones', 3, 1);
-- The Shaman's Den
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1312, 1313, 'the bone passage', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1311, 1313, 'up the smoke-hole', 14, 1);
-- The Goblin Forge
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1307, 1315, 'the warren crossing', 6, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1321, 1315, 'up along the ledge', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1316, 1315, 'the chief''s tunnel', 3, 1);
-- The Chief's Gate
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1315, 1316, 'the goblin forge', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1317, 1316, 'through the gap', 11, 1);
-- The Chief's Hall
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1316, 1317, 'out through the gate', 12, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1319, 1317, 'the cart-wheel door', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1318, 1317, 'the hoard', 2, 1);
-- The Captive's Cell
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1317, 1319, 'the chief''s hall', 2, 1);
-- The Chief's Hoard: the crawl behind the plunder.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1317, 1318, 'the chief''s hall', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1322, 1318, 'the crawl behind the plunder', 1, 0);
-- The Windy Crawl
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1318, 1322, 'back to the hoard', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1323, 1322, 'toward the daylight', 2, 1);
-- The Daylight Shaft
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1322, 1323, 'the windy crawl', 4, 1);

-- The way between the mines and the warren: down the goblins' tunnel from the
-- breach in the old working, and back up it.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1301, 1230, 'down the goblins'' tunnel', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1230, 1301, 'up into the mines', 9, 1);
