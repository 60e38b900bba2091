-- A hamlet of three places for replayed play: no characters are created.
insert into general (name, value) values ('AdvTitle', 'The Hamlet'), ('StartID', '1'), ('ChStart', '0'),
  ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'), ('Author', 'The tests'), ('Date', '2026'),
  ('Comments', 'A place to walk.'), ('AdvVer', '0.1');
insert into locations (id, name, intro_id, desc_id, brief) values
  (1, 'The Green', 100, 101, 'A village green.'), (2, 'The Well', 0, 102, ''), (3, 'The Barn', 0, 0, 'A barn.');
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (2, 1, 'the well', 1, 1), (3, 1, 'the barn', 11, 1), (1, 2, 'the green', 3, 1), (1, 3, 'outside', 12, 1);
