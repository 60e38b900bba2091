-- For trying the Ember Heart before the crypt leads down to it: a way down
-- from the daylight shaft to the cinder stair, and back up.
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1601, 1323, 'a hot stair going down', 10, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values (1323, 1601, 'up the cinder stair', 9, 1);
