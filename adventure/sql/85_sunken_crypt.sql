-- The Sunken Crypt: the crypt under Ashara's old temple on the mountain, sealed
-- by the sisters before Cindervale was built and taken by the Hollow Flame.
-- The sealed doors open to the Mayor's Seal; the stair of ashes goes down to
-- the flooded nave. West lie the sisters' font, their cloister and their
-- crypt and the hall of inscriptions; east the ossuary, the pilgrims' refuge
-- and the bell chamber above it, the cult's quarters and its cells. South, the
-- iron door shuts off the processional way to the desecrated chapel and its
-- altar, the priests' tombs, the high priest's tomb and the embalmers' room,
-- the sexton's cell and the charnel well; behind the altar, once it is clean,
-- the cult's shrine, the flame gallery, the champions' hall, and the heart
-- stair that goes on down to the Ember Heart.
--
-- Locations 1501..1530, texts 150001..150299, journal texts 190050..190059.
-- The map has 7 columns and 8 rows; mapX is the row and mapY the column.
--
--         col 1            col 2              col 3                col 4               col 5
-- row 0                                       SEALED DOORS         Bell Chamber
-- row 1   Sisters' Crypt   Collapsed Cloister Stair of Ashes       Pilgrims' Refuge
-- row 2                    Sisters' Font      Flooded Nave         Ossuary
-- row 3                    Inscriptions       Iron Door            Cult's Quarters     Cells
-- row 4                    Embalmers' Room    Processional Way     Sexton's Cell       Charnel Well
-- row 5                    Priests' Tombs     Desecrated Chapel    Cult's Shrine
-- row 6                    High Priest's Tomb Champions' Hall      Flame Gallery
-- row 7                                       HEART STAIR

insert into areas (id, name, width, height) values (6, 'The Sunken Crypt', 7, 8);

insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1501, 'The Sealed Doors', 150001, 150002, 'Bronze doors in the mountain, sealed with the sisters'' flame.', 500218, 1, 0, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1502, 'The Stair of Ashes', 150003, 150004, 'A stair thick with old ash, going down.', 500107, 1, 1, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1503, 'The Flooded Nave', 150005, 150006, 'The crypt''s nave, knee-deep in black water.', 500268, 1, 2, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1504, 'The Sisters'' Font', 150007, 150008, 'A side-chapel round a font that never ran dry.', 500289, 1, 2, 2, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1505, 'The Hall of Inscriptions', 150009, 150010, 'A long hall, its walls cut all over with writing.', 500270, 1, 3, 2, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1506, 'The Ossuary', 150011, 150012, 'Bones stacked to the vault, and some of them standing.', 500279, 1, 2, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1507, 'The Pilgrims'' Refuge', 150013, 150014, 'A dry room where pilgrims once slept.', 500274, 1, 1, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1508, 'The Cult''s Quarters', 150015, 150016, 'Pallets and cold braziers, where the cult sleeps.', 500275, 1, 3, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1509, 'The Cells', 150017, 150018, 'Old penitents'' cells, with chains in them now.', 500301, 1, 3, 5, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1510, 'The Iron Door', 150019, 150020, 'An iron door at the nave''s south end.', 500312, 1, 3, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1511, 'The Processional Way', 150021, 150022, 'A pillared way down to the chapel.', 500107, 1, 4, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1512, 'The Desecrated Chapel', 150023, 150024, 'Ashara''s chapel, and the cult''s mark on its altar.', 500304, 1, 5, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1513, 'The Priests'' Tombs', 150025, 150026, 'Niches of the temple''s priests, row on row.', 500316, 1, 5, 2, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1514, 'The High Priest''s Tomb', 150027, 150028, 'A round tomb with one sarcophagus in it.', 500306, 1, 6, 2, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1515, 'The Embalmers'' Room', 150029, 150030, 'Slabs and jars, where the dead were made ready.', 500297, 1, 4, 2, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1516, 'The Bell Chamber', 150031, 150032, 'A chamber under a cracked bronze bell.', 500307, 1, 0, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1517, 'The Collapsed Cloister', 150033, 150034, 'A cloister half buried under the mountain.', 500313, 1, 1, 2, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1518, 'The Sisters'' Crypt', 150035, 150036, 'Where the sisters of Ashara lie.', 500314, 1, 1, 1, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1519, 'The Cult''s Shrine', 150037, 150038, 'A shrine of the downward flame, cut new in old rock.', 500282, 1, 5, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1520, 'The Flame Gallery', 150039, 150040, 'A gallery lit by flames that burn downwards.', 500315, 1, 6, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1521, 'The Champions'' Hall', 150041, 150042, 'A hall of old tomb-guardians, and the last champion.', 500305, 1, 6, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1522, 'The Heart Stair', 150043, 150044, 'The crypt''s deepest place, and a stair going down.', 500298, 1, 7, 3, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1523, 'The Sexton''s Cell', 150045, 150046, 'The little cell of the crypt''s keeper.', 500285, 1, 4, 4, 6);
insert into locations (id, name, intro_id, desc_id, brief, script_id, terrain_type_id, mapX, mapY, area_id)
values (1524, 'The Charnel Well', 150047, 150048, 'A well the old bones were thrown down.', 500107, 1, 4, 5, 6);

-- The crypt's map, colours given red-green-blue and stored blue-green-red:
-- the sisters' old stone #6E6E78, water #32506E, the cult's places #783232,
-- the dead #5A5A46, the way down #A04614.
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 0, 3, 0, 7892590, 0);   -- the Sealed Doors
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 1, 3, 0, 7892590, 0);   -- the Stair of Ashes
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 2, 3, 0, 7229490, 0);   -- the Flooded Nave
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 2, 2, 0, 7229490, 0);   -- the Sisters' Font
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 3, 2, 0, 7892590, 0);   -- the Hall of Inscriptions
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 2, 4, 0, 4610650, 0);   -- the Ossuary
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 1, 4, 0, 7892590, 0);   -- the Pilgrims' Refuge
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 3, 4, 0, 3289720, 0);   -- the Cult's Quarters
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 3, 5, 0, 3289720, 0);   -- the Cells
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 3, 3, 0, 7892590, 0);   -- the Iron Door
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 4, 3, 0, 7892590, 0);   -- the Processional Way
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 5, 3, 0, 3289720, 0);   -- the Desecrated Chapel
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 5, 2, 0, 4610650, 0);   -- the Priests' Tombs
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 6, 2, 0, 4610650, 0);   -- the High Priest's Tomb
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 4, 2, 0, 4610650, 0);   -- the Embalmers' Room
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 0, 4, 0, 7892590, 0);   -- the Bell Chamber
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 1, 2, 0, 7892590, 0);   -- the Collapsed Cloister
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 1, 1, 0, 4610650, 0);   -- the Sisters' Crypt
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 5, 4, 0, 3289720, 0);   -- the Cult's Shrine
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 6, 4, 0, 3289720, 0);   -- the Flame Gallery
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 6, 3, 0, 3289720, 0);   -- the Champions' Hall
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 7, 3, 0, 1328800, 0);   -- the Heart Stair
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 4, 4, 0, 4610650, 0);   -- the Sexton's Cell
insert into area_data (area_id, x, y, img_idx, color, draw) values (6, 4, 5, 0, 4610650, 0);   -- the Charnel Well

-- Ways through the crypt (directions as in Cindervale). The way in through
-- the sealed doors shows itself to the Mayor's Seal; the way through the iron
-- door when its lock gives; the arch from the chapel to the cult's shrine when
-- holy water has washed the altar clean. The slot in the ossuary's wall has no
-- compass direction.
-- The Sealed Doors, at the foot of the stair from the old temple's ruin
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1414, 1501, 'up the stair to the ruin', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1502, 1501, 'in through the doors', 11, 0);
-- The Old Temple's Ruin
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1501, 1414, 'down the stair behind the altar', 10, 1);
-- The Stair of Ashes
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1501, 1502, 'out through the doors', 12, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1503, 1502, 'down into the nave', 3, 1);
-- The Flooded Nave
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1502, 1503, 'the stair of ashes', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1504, 1503, 'the font chapel', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1505, 1503, 'the hall of inscriptions', 8, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1506, 1503, 'the ossuary', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1510, 1503, 'the south end of the nave', 3, 1);
-- The Sisters' Font
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1503, 1504, 'the nave', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1505, 1504, 'the hall of inscriptions', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1517, 1504, 'the cloister', 1, 1);
-- The Collapsed Cloister
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1504, 1517, 'the font chapel', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1518, 1517, 'under the fallen arch', 4, 1);
-- The Sisters' Crypt
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1517, 1518, 'the cloister', 2, 1);
-- The Hall of Inscriptions
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1504, 1505, 'the font chapel', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1503, 1505, 'the nave', 5, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1510, 1505, 'the iron door', 2, 1);
-- The Ossuary
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1503, 1506, 'the nave', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1507, 1506, 'the pilgrims'' refuge', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1508, 1506, 'a slot between the bone-stacks', 13, 1);
-- The Pilgrims' Refuge
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1506, 1507, 'the ossuary', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1516, 1507, 'a ladder to the bell chamber', 9, 1);
-- The Bell Chamber
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1507, 1516, 'down the ladder', 10, 1);
-- The Cult's Quarters
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1506, 1508, 'the slot into the ossuary', 13, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1509, 1508, 'the cells', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1510, 1508, 'the iron door', 4, 1);
-- The Cells
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1508, 1509, 'the cult''s quarters', 4, 1);
-- The Iron Door
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1503, 1510, 'the nave', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1505, 1510, 'the hall of inscriptions', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1508, 1510, 'the cult''s quarters', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1511, 1510, 'through the iron door', 3, 0);
-- The Processional Way
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1510, 1511, 'back through the iron door', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1512, 1511, 'the chapel', 3, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1515, 1511, 'the embalmers'' room', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1523, 1511, 'the sexton''s cell', 2, 1);
-- The Embalmers' Room
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1511, 1515, 'the processional way', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1513, 1515, 'the priests'' tombs', 3, 1);
-- The Sexton's Cell
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1511, 1523, 'the processional way', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1524, 1523, 'the charnel well', 2, 1);
-- The Charnel Well
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1523, 1524, 'the sexton''s cell', 4, 1);
-- The Desecrated Chapel
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1511, 1512, 'the processional way', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1513, 1512, 'the priests'' tombs', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1519, 1512, 'the cult''s shrine', 2, 0);
-- The Priests' Tombs
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1512, 1513, 'the chapel', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1515, 1513, 'the embalmers'' room', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1514, 1513, 'the high priest''s tomb', 3, 1);
-- The High Priest's Tomb
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1513, 1514, 'the priests'' tombs', 1, 1);
-- The Cult's Shrine
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1512, 1519, 'the chapel', 4, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1520, 1519, 'the flame gallery', 3, 1);
-- The Flame Gallery
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1519, 1520, 'the cult''s shrine', 1, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1521, 1520, 'the champions'' hall', 4, 1);
-- The Champions' Hall
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1520, 1521, 'the flame gallery', 2, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1522, 1521, 'the stair behind the hall', 3, 1);
-- The Heart Stair: the way on down to the Heart belongs to the Heart.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1521, 1522, 'the champions'' hall', 1, 1);
