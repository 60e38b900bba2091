-- The Ashfang Slopes: the open mountainside above the goblins' daylight shaft,
-- from the shaft head up the heather and the scree to the wind gap; east the
-- goat track to the hermit's ledge and cell; west the shepherds' summer hut and
-- their path down to the wall of Cindervale; north the ridge path under the
-- five peaks, the harpies' crag, the tarn, and the cairn under the third peak,
-- behind which lies the ruin of Ashara's first house on the mountain and the
-- sealed doors of its crypt.
--
-- Locations 1401..1420, texts 140001..140299, journal texts 190040..190049.
-- The map has 8 columns and 7 rows; mapX is the row and mapY the column.
--
--        col 1           col 2           col 3           col 4           col 5           col 6
-- row 0                                   TEMPLE RUIN
-- row 1                                   Third Cairn                     Harpy Crag
-- row 2                   Black Tarn                      Ridge Path                      Hermit's Cell
-- row 3                                                   Wind Gap                        Hermit's Ledge
-- row 4                                   Summer Hut                      Scree Run       Goat Track
-- row 5                   Sheep Walk                                      Heather Slope
-- row 6   Stile                                                           SHAFT HEAD

insert into areas (id, name, width, height) values (5, 'The Ashfang Slopes', 8, 7);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1401, 'The Shaft Head', 140001, 140002, 'A hole in the heather with goblin hand-holds going down it.', 500231, 1, 6, 5, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1402, 'The Heather Slope', 140003, 140004, 'A long slope of wiry heather under the scree.', 500232, 1, 5, 5, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1403, 'The Scree Run', 140005, 140006, 'A river of loose grey stones pouring down from the gap.', 500233, 1, 4, 5, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1404, 'The Goat Track', 140007, 140008, 'A goats'' track along the flank of a spur.', 500234, 1, 4, 6, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1405, 'The Hermit''s Ledge', 140009, 140010, 'A ledge of kept ground with a bean-row and a view.', 500235, 1, 3, 6, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1406, 'The Hermit''s Cell', 140011, 140012, 'A cell cut into the spur, smelling of smoke and goat.', 500236, 1, 2, 6, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1407, 'The Wind Gap', 140013, 140014, 'A saddle of bare rock where every wind of the mountain meets.', 500237, 1, 3, 4, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1408, 'The Summer Hut', 140015, 140016, 'The shepherds'' summer hut of turf and stone.', 500229, 1, 4, 3, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1409, 'The Sheep Walk', 140017, 140018, 'A grazed green shelf where the shepherds'' path zigzags down.', 500238, 1, 5, 2, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1410, 'The Shepherds'' Stile', 140019, 140020, 'A stile in the last wall above Cindervale.', 500239, 1, 6, 1, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1411, 'The Ridge Path', 140021, 140022, 'A path along the ridge, under the five peaks.', 500240, 1, 2, 4, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1412, 'The Harpy Crag', 140023, 140024, 'A crag under the fourth peak, white with droppings.', 500241, 1, 1, 5, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1413, 'The Cairn under the Third Peak', 140025, 140026, 'A tall cairn of lichened stones under the third peak.', 500242, 1, 1, 3, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1414, 'The Old Temple''s Ruin', 140027, 140028, 'The roofless ruin of Ashara''s first house on the mountain.', 500265, 1, 0, 3, 5);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1415, 'The Black Tarn', 140029, 140030, 'A still black tarn in a hollow of the ridge.', 500243, 1, 2, 2, 5);

-- The slopes' map, colours given red-green-blue and stored blue-green-red:
-- heather #6E5A78, scree and rock #8C8C82, grazing #6E8C50, the hermit's
-- places #A08C5A, the ridge #78828C, the tarn #3C5A6E, the temple #D2C8A0.
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 6, 5, 0, 7887470, 0);   -- the Shaft Head
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 5, 5, 0, 7887470, 0);   -- the Heather Slope
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 4, 5, 0, 8555660, 0);   -- the Scree Run
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 4, 6, 0, 8555660, 0);   -- the Goat Track
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 3, 6, 0, 5934240, 0);   -- the Hermit's Ledge
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 2, 6, 0, 5934240, 0);   -- the Hermit's Cell
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 3, 4, 0, 8555660, 0);   -- the Wind Gap
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 4, 3, 0, 5278830, 0);   -- the Summer Hut
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 5, 2, 0, 5278830, 0);   -- the Sheep Walk
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 6, 1, 0, 5278830, 0);   -- the Shepherds' Stile
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 2, 4, 0, 9208440, 0);   -- the Ridge Path
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 1, 5, 0, 9208440, 0);   -- the Harpy Crag
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 1, 3, 0, 9208440, 0);   -- the Cairn under the Third Peak
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 0, 3, 0, 10537170, 0);  -- the Old Temple's Ruin
insert into area_data (area_id, x, y, img_idx, color, draw) values (5, 2, 2, 0, 7231036, 0);   -- the Black Tarn

-- Ways over the slopes (directions as in Cindervale). The way from the cairn
-- into the ruin behind it is hidden until the party first stands at the cairn
-- and finds it. The stairs under the ruin lead on down into the crypt.
-- The Shaft Head
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1402, 1401, 'up the heather', 1, 1);
-- The Heather Slope
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1401, 1402, 'down to the shaft head', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1403, 1402, 'up onto the scree', 1, 1);
-- The Scree Run
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1402, 1403, 'down to the heather', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1407, 1403, 'up to the wind gap', 6, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1404, 1403, 'a goat track east', 2, 1);
-- The Goat Track
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1403, 1404, 'back to the scree', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1405, 1404, 'up to a kept ledge', 1, 1);
-- The Hermit's Ledge
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1404, 1405, 'down the goat track', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1406, 1405, 'into the cell', 11, 1);
-- The Hermit's Cell
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1405, 1406, 'out onto the ledge', 12, 1);
-- The Wind Gap
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1403, 1407, 'down the scree', 7, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1408, 1407, 'the shepherds'' hut', 8, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1411, 1407, 'up onto the ridge', 1, 1);
-- The Summer Hut
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1407, 1408, 'up to the wind gap', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1409, 1408, 'the shepherds'' path down', 8, 1);
-- The Sheep Walk
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1408, 1409, 'up to the summer hut', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1410, 1409, 'down the zigzags', 8, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1415, 1409, 'a sheep-trod up to the tarn', 1, 1);
-- The Shepherds' Stile
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1409, 1410, 'up the zigzags', 5, 1);
-- The Black Tarn
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1409, 1415, 'down to the sheep walk', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1413, 1415, 'up to the cairn', 5, 1);
-- The Ridge Path
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1407, 1411, 'down to the wind gap', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1413, 1411, 'to the cairn under the third peak', 6, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1412, 1411, 'to the crag under the fourth peak', 5, 1);
-- The Harpy Crag
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1411, 1412, 'back along the ridge', 8, 1);
-- The Cairn under the Third Peak: the cleft behind it is found at the first visit.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1411, 1413, 'back along the ridge', 7, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1415, 1413, 'down to the tarn', 8, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1414, 1413, 'the cleft behind the cairn', 1, 0);
-- The Old Temple's Ruin
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1413, 1414, 'out past the cairn', 3, 1);

-- Up the goblins' hand-holds out of the deeps, and back down them.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1401, 1323, 'up the hand-holds', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1323, 1401, 'down the hand-holds', 10, 1);
-- The shepherds' path comes down over the stile to the wall walk of Cindervale;
-- from the town the stile is only seen once the party has come down over it.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1005, 1410, 'over the stile to the town wall', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1410, 1005, 'the shepherds'' stile', 9, 0);
