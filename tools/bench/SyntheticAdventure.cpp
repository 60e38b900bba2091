#include "tools/bench/SyntheticAdventure.h"

#include <cmath>
#include <stdexcept>

#include "AdventureSchema.h"
#include "data/SQLite.h"

namespace {

const char* const Contents = R"sql(
insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'),
  ('StartID', '1'), ('ChStart', '1'), ('AdvTitle', 'Benchmark'), ('EncText', '0'), ('EncScr', '0'), ('EncImg', '0');
insert into damage (id, dmg, dtype_id) values (1, '1d6', 4);
with recursive n(i) as (select 1 union all select i + 1 from n where i < 19)
  insert into weapon_types (id, launcher_id) select i, 0 from n;
with recursive n(i) as (select 1 union all select i + 1 from n where i < 12)
  insert into item_templates (id, name, type_id, charges) select i, 'Trinket ' || i, 1, i % 3 from n;
insert into modifiers (type, id, name, value) values (1, 1, 'ab_str', 1), (1, 2, 'armor_melee', 2), (1, 3, 'res_fire', 5);
with recursive n(i) as (select 1 union all select i + 1 from n where i < 4)
  insert into weapon_templates (id, name, type_id, damage_id) select i, 'Blade ' || i, 10, 1 from n;
with recursive n(i) as (select 1 union all select i + 1 from n where i < 4)
  insert into creature_templates (id, name, endurance, end_max, gold, damage_id)
  select i, 'Brute ' || i, 12, 12, i * 5, 1 from n;
insert into extended_data (type, id, name, value) values (3, 1, 'AtkMsg', 'The brute lands a blow|The brute swings wide');
)sql";

// Object ids: items 1..3n, weapons above them, the templates' own weapons after
// those; creatures from 1001 so that none shares its template's id.
std::string Sql(int64_t n, int64_t width)
{
    const std::string N = std::to_string(n);
    const std::string W = std::to_string(width);
    const std::string weapons = std::to_string(3 * n);
    const std::string templateWeapons = std::to_string(4 * n);
    const std::string locations = "with recursive n(i) as (select 1 union all select i + 1 from n where i < " + N + ") ";
    return std::string(Contents) +
           locations + "insert into texts (id, file, text) select 1000000 + i, 'place' || i || '.txt', "
           "'Place ' || i || ' of the great maze. Worn flagstones run between walls of grey stone, '"
           " || 'a draught carries the smell of rain and old smoke, and somewhere water drips.' || char(10) || "
           "'Marks scratched into the wall count ' || (i * 7 % 101) || ' days.' from n;" +
           locations + "insert into locations (id, name, desc_id, brief) select i, 'Place ' || i, 1000000 + i, "
           "'The maze, square ' || i || '.' from n;" +
           locations + "insert into items (id, template_id) select 3 * (i - 1) + k, 1 + (i + k) % 12 from n, "
           "(select 1 as k union all select 2 union all select 3);" +
           locations + "insert into weapons (id, template_id) select " + weapons + " + i, 1 + i % 4 from n;" +
           "insert into weapons (id, template_id) values (" + templateWeapons + " + 1, 1), (" + templateWeapons +
           " + 2, 2), (" + templateWeapons + " + 3, 3), (" + templateWeapons + " + 4, 4);" +
           "insert into creature_contents (creature_id, cont_id, cont_type, body_part_id) select id, " +
           templateWeapons + " + id, 2, 108 from creature_templates;" +
           "insert into item_id_gen (id) values (" + templateWeapons + " + 4);" +
           locations + "insert into creatures (id, template_id) select 1000 + i, 1 + i % 4 from n;" +
           locations + "insert into loc_cont (loc_id, ctype, cont_id, visible) "
           "select i, 5, 3 * (i - 1) + 1, 1 from n union all select i, 5, 3 * (i - 1) + 2, 1 from n "
           "union all select i, 5, 3 * (i - 1) + 3, 1 from n union all select i, 6, " + weapons + " + i, 1 from n "
           "union all select i, 20, 1000 + i, 1 from n order by 1;" +
           locations + "insert into exits (exit_id, loc_id, exit_name, orientation) "
           "select i - " + W + ", i, 'North', 1 from n where i > " + W +
           " union all select i + 1, i, 'East', 2 from n where i % " + W + " != 0 and i < " + N +
           " union all select i + " + W + ", i, 'South', 3 from n where i + " + W + " <= " + N +
           " union all select i - 1, i, 'West', 4 from n where (i - 1) % " + W + " != 0 order by 2;";
}

} // namespace

int64_t TSyntheticAdventure::Width() const
{
    return static_cast<int64_t>(std::ceil(std::sqrt(static_cast<double>(Locations))));
}

void TSyntheticAdventure::Write(const std::string& file) const
{
    TSQLite3 db;
    if (db.Open(file) != 0)
        throw std::runtime_error(file + ": " + db.LastMessage);
    db.BeginTransaction();
    for (const std::string& part : {std::string(AdventureSchemaSql), Sql(Locations, Width())})
        if (db.Execute(part) != 0)
            throw std::runtime_error("The benchmark adventure cannot be written: " + db.LastMessage);
    db.CommitTransaction();
    db.Close();
}
