-- A way into the crypt until the Ashfang Slopes lead there: up the daylight
-- shaft to the sealed doors and back, with the Mayor's Seal lying at the
-- shaft's foot.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1501, 1323, 'up to the sealed doors', 9, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1323, 1501, 'down the daylight shaft', 10, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values (1323, 5, 21107, 1);
