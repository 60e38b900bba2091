-- Embers under Cindervale: the adventure's settings, its own item types and
-- the names of the states the adventure can lay on a character.

insert into general (name, value) values ('AdvTitle', 'Embers under Cindervale');
-- The party begins at the Ember Gate of Cindervale.
insert into general (name, value) values ('StartID', '1001');
insert into general (name, value) values ('Stamp', '31415');
insert into general (name, value) values ('AdvVer', '1.0');
insert into general (name, value) values ('EdVer', '2.0');
insert into general (name, value) values ('ChStart', '4');
insert into general (name, value) values ('StartLvl', '1');
insert into general (name, value) values ('SysMsg', '0');
insert into general (name, value) values ('DefaultClasses', '1|2|3|4|5|6|7|8|9|10|');
insert into general (name, value) values ('AllowImport', '1');
insert into general (name, value) values ('FromCurrent', '0');
insert into general (name, value) values ('MinLvl', '1');
insert into general (name, value) values ('MaxLvl', '18');
insert into general (name, value) values ('MaxParty', '6');
insert into general (name, value) values ('Author', 'The Vellumora team');
insert into general (name, value) values ('Date', '2026-12-10');
insert into general (name, value) values ('Comments', 'Cindervale, the mining town under the Ashfang peaks, has gone quiet. The ember-ore forges are cold, the last shift never came up from the mines, and goblins prowl the lower streets by night. The mayor is hiring anyone with a blade and the nerve to go down into the dark. A complete adventure for a party of four to six, from first level.');

-- Item types of the adventure (20 and above).
insert into item_types (id, name) values (20, 'Key');
insert into item_types (id, name) values (21, 'Relic');
insert into item_types (id, name) values (22, 'Wand');

-- States 51 and above: their names in the party panel, and the script that
-- hears each round of the state and its end.
insert into messages (id, script_id, name) values (51, 0, 'Ember-sick');
insert into messages (id, script_id, name) values (52, 0, 'Blessed by Ashara');
insert into messages (id, script_id, name) values (53, 0, 'Hollow-marked');
insert into messages (id, script_id, name) values (54, 500324, 'Mending');
